#pragma once
#include "ui/form.h"

namespace velt {

// The operation types: the directory from the main menu (`Tag` 0) and the type chooser of
// the operation editor (any other `Tag`).
class TForm8 : public ui::Form {
public:
    TForm8();

    ui::Grid& DBGrid1 = add<ui::Grid>("DBGrid1");
    ui::Button& Button1 = add<ui::Button>("Button1", "Добавить");
    ui::Button& Button2 = add<ui::Button>("Button2", "Изменить");
    ui::Button& Button3 = add<ui::Button>("Button3", "Удалить");
    ui::Edit& Edit1 = add<ui::Edit>("Edit1");
    ui::Button& Button4 = add<ui::Button>("Button4", "Выход");

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void FormActivate() override;
    void FormClose() override;
};

} // namespace velt
