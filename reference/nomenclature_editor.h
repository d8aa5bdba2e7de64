#pragma once
#include "data/query.h"
#include "ui/form.h"

namespace velt {

// The nomenclature group editor: `Tag` 1 adds a group, any other value changes the
// current row of the shared `nomenclature`.
class TForm29 : public ui::Form {
public:
    TForm29();

    ui::GroupBox& GroupBox1 = add<ui::GroupBox>("GroupBox1", "Данные о позиции");
    ui::Label& Label1 = add<ui::Label>("Label1", "Наименование");
    ui::Edit& Edit1 = add<ui::Edit>("Edit1");
    ui::Label& Label2 = add<ui::Label>("Label2", "Склад");
    ui::LookupBox& p_department = add<ui::LookupBox>("p_department");
    ui::Button& Button1 = add<ui::Button>("Button1", "Записать");
    ui::Button& Button2 = add<ui::Button>("Button2", "Отмена");

    Query cb_department;

    void FormClose() override;
    void Button1Click();
};

} // namespace velt
