#pragma once
#include "ui/form.h"

namespace velt {

// The contractor editor: `Tag` 1 adds a contractor, any other value changes the current
// row of the shared `jur_person`.
class TForm14 : public ui::Form {
public:
    TForm14();

    ui::GroupBox& GroupBox1 = add<ui::GroupBox>("GroupBox1", "Данные о позиции");
    ui::Label& Label1 = add<ui::Label>("Label1", "Наименование");
    ui::Edit& Edit2 = add<ui::Edit>("Edit2");
    ui::Label& Label2 = add<ui::Label>("Label2", "Полное ниамен.");
    ui::Edit& Edit1 = add<ui::Edit>("Edit1");
    ui::Label& Label3 = add<ui::Label>("Label3", "ИНН");
    ui::Edit& Edit3 = add<ui::Edit>("Edit3");
    ui::Label& Label4 = add<ui::Label>("Label4", "ОГРН");
    ui::Edit& Edit4 = add<ui::Edit>("Edit4");
    ui::Button& Button5 = add<ui::Button>("Button5", "Записать");
    ui::Button& Button6 = add<ui::Button>("Button6", "Отмена");

    void Button5Click();
};

} // namespace velt
