#pragma once
#include "data/query.h"
#include "ui/form.h"

namespace velt {

// Adds (Tag 1) or changes (any other Tag) the current department of the shared `department`.
class TForm31 : public ui::Form {
public:
    TForm31();

    ui::GroupBox& GroupBox1 = add<ui::GroupBox>("GroupBox1", "Данные о позиции");
    ui::Label& Label1 = add<ui::Label>("Label1", "Наименование");
    ui::Edit& Edit1 = add<ui::Edit>("Edit1");
    ui::Label& Label2 = add<ui::Label>("Label2", "Описание");
    ui::Edit& Edit2 = add<ui::Edit>("Edit2");
    ui::CheckBox& CheckBox1 = add<ui::CheckBox>("CheckBox1", "Склад");
    ui::Label& Label3 = add<ui::Label>("Label3", "Тип склада");
    ui::ComboBox& type_combo = add<ui::ComboBox>("type_combo");
    ui::Label& Label4 = add<ui::Label>("Label4", "Род. подразделение");
    ui::LookupBox& p_department = add<ui::LookupBox>("p_department");
    ui::Button& Button1 = add<ui::Button>("Button1", "Записать");
    ui::Button& Button2 = add<ui::Button>("Button2", "Отмена");

    Query cb_department;

    // Shows the kind box for a stored `type`: a kind from 0 on ticks "Склад", anything else clears it.
    void showKind(int type);
    void CheckBox1Click();
    void Button1Click();
    void FormClose() override;
};

} // namespace velt
