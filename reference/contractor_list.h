#pragma once
#include "ui/form.h"

namespace velt {

// The contractor list: the "Контрагенты" directory and the contractor chooser of the
// requests, the purchase requests and their list, and the shipping requests (by `Tag`).
class TForm34 : public ui::Form {
public:
    TForm34();

    ui::Grid& DBGrid1 = add<ui::Grid>("DBGrid1");
    ui::Button& Button1 = add<ui::Button>("Button1", "Добавить");
    ui::Button& Button2 = add<ui::Button>("Button2", "Изменить");
    ui::Button& Button3 = add<ui::Button>("Button3", "Удалить");
    ui::Edit& Edit1 = add<ui::Edit>("Edit1");
    ui::Button& Button4 = add<ui::Button>("Button4", "Выход");

    void FormActivate() override;
    void FormClose() override;
    void Button1Click();
    void Button2Click();
    void Button3Click();
};

} // namespace velt
