#pragma once
#include "ui/form.h"

namespace velt {

// The person list: the "Персонал" directory and the person chooser of the shift record,
// the requests and the shipping requests (its `Tag` names the caller).
class TForm5 : public ui::Form {
public:
    TForm5();

    ui::Grid& DBGrid1 = add<ui::Grid>("DBGrid1");
    ui::Button& Button1 = add<ui::Button>("Button1", "Добавить");
    ui::Button& Button2 = add<ui::Button>("Button2", "Изменить");
    ui::Button& Button3 = add<ui::Button>("Button3", "Удалить");
    ui::Edit& Edit1 = add<ui::Edit>("Edit1");
    ui::Button& Button4 = add<ui::Button>("Button4", "Выход");

    // 1 once the shift-record chooser handed over a worker; 0 from every activation on.
    int Chosen = 0;

    void FormActivate() override;
    void FormClose() override;
    void Button1Click();
    void Button2Click();
    void Button3Click();
};

} // namespace velt
