#pragma once
#include "ui/form.h"

namespace velt {

// Adds a role (Tag 0) or changes the current row of the shared `role` (any other Tag).
class TForm58 : public ui::Form {
public:
    TForm58();

    ui::GroupBox& GroupBox1 = add<ui::GroupBox>("GroupBox1", "Данные о роли");
    ui::Label& Label1 = add<ui::Label>("Label1", "Наименование");
    ui::Edit& Edit2 = add<ui::Edit>("Edit2");
    ui::Label& Label2 = add<ui::Label>("Label2", "Ситемное имя");
    ui::Edit& Edit1 = add<ui::Edit>("Edit1");
    ui::CheckBox& CheckBox1 = add<ui::CheckBox>("CheckBox1", "Активна");
    ui::Button& Button5 = add<ui::Button>("Button5", "Записать");
    ui::Button& Button4 = add<ui::Button>("Button4", "Выход");

    void Button5Click();
};

} // namespace velt
