#pragma once
#include "data/query.h"
#include "ui/form.h"

namespace velt {

// Adds (Tag 1) or changes (any other Tag) the current position of the shared `staffpos`.
class TForm27 : public ui::Form {
public:
    TForm27();

    ui::GroupBox& GroupBox1 = add<ui::GroupBox>("GroupBox1", "Данные о позиции");
    ui::Label& Label1 = add<ui::Label>("Label1", "Наименование");
    ui::Edit& Edit1 = add<ui::Edit>("Edit1");
    ui::Label& Label2 = add<ui::Label>("Label2", "Описание");
    ui::Edit& Edit2 = add<ui::Edit>("Edit2");
    ui::Label& Label3 = add<ui::Label>("Label3", "Подразделение");
    ui::LookupBox& p_department = add<ui::LookupBox>("p_department");
    ui::Button& Button1 = add<ui::Button>("Button1", "Записать");
    ui::Button& Button2 = add<ui::Button>("Button2", "Отмена");

    Query cb_department;

    void Button1Click();
    void FormClose() override;
};

} // namespace velt
