#pragma once
#include "ui/form.h"

namespace velt {

// The nomenclature group list; a group's cell button opens the items of that group.
class TForm28 : public ui::Form {
public:
    TForm28();

    ui::Grid& DBGridEh1 = add<ui::Grid>("DBGridEh1");
    ui::Button& Button5 = add<ui::Button>("Button5", "Добавить");
    ui::Button& Button2 = add<ui::Button>("Button2", "Изменить");
    ui::Button& Button3 = add<ui::Button>("Button3", "Удалить");
    ui::Edit& Edit1 = add<ui::Edit>("Edit1");
    ui::Button& Button4 = add<ui::Button>("Button4", "Выход");

    void FormActivate() override;
    void FormClose() override;
    void Button5Click();
    void Button2Click();
    void Button3Click();
    void DBGridEh1Columns2CellButtonsClick();
};

} // namespace velt
