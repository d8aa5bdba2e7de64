#pragma once
#include "ui/directory_list.h"
#include "ui/form.h"

namespace velt {

// The role directory over the shared `role`, with a search box.
class TForm32 : public ui::Form {
public:
    TForm32();

    ui::Grid& DBGrid1 = add<ui::Grid>("DBGrid1");
    ui::Button& Button5 = add<ui::Button>("Button5", "Добавить");
    ui::Button& Button2 = add<ui::Button>("Button2", "Изменить");
    ui::Button& Button3 = add<ui::Button>("Button3", "Удалить");
    ui::Edit& Edit1 = add<ui::Edit>("Edit1");
    ui::Button& Button4 = add<ui::Button>("Button4", "Выход");

    void Button5Click();
    void Button2Click();
    void Button3Click();
    void FormClose() override;
};

} // namespace velt
