#pragma once
#include "ui/directory_list.h"
#include "ui/form.h"

namespace velt {

// Role administration over the shared `role`. Its handlers are also what the role list
// `TForm32` offers.
class TForm35 : public ui::Form {
public:
    TForm35();

    ui::Grid& DBGridEh1 = add<ui::Grid>("DBGridEh1");
    ui::Button& Button1 = add<ui::Button>("Button1", "Добавить");
    ui::Button& Button2 = add<ui::Button>("Button2", "Изменить");
    ui::Button& Button3 = add<ui::Button>("Button3", "Удалить");
    ui::Button& Button4 = add<ui::Button>("Button4", "Выход");

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void FormActivate() override;
    void FormClose() override;
};

} // namespace velt
