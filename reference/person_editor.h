#pragma once
#include "data/query.h"
#include "ui/form.h"

namespace velt {

// The person editor: `Tag` 1 adds a person, any other value changes `PersonId`.
class TForm2 : public ui::Form {
public:
    TForm2();

    ui::GroupBox& GroupBox1 = add<ui::GroupBox>("GroupBox1", "Данные о работнике");
    ui::Label& Label1 = add<ui::Label>("Label1", "Фамилия");
    ui::Edit& Edit1 = add<ui::Edit>("Edit1");
    ui::Label& Label2 = add<ui::Label>("Label2", "Имя");
    ui::Edit& Edit2 = add<ui::Edit>("Edit2");
    ui::Label& Label3 = add<ui::Label>("Label3", "Отчество");
    ui::Edit& Edit3 = add<ui::Edit>("Edit3");
    ui::Label& Label4 = add<ui::Label>("Label4", "Подразделение");
    ui::LookupBox& LCB_department = add<ui::LookupBox>("LCB_department");
    ui::Label& Label5 = add<ui::Label>("Label5", "Должность");
    ui::LookupBox& LCB_staffpos = add<ui::LookupBox>("LCB_staffpos");
    ui::Label& Label6 = add<ui::Label>("Label6", "Роль");
    ui::LookupBox& LCB_roles = add<ui::LookupBox>("LCB_roles");
    ui::Button& Button1 = add<ui::Button>("Button1", "Записать");
    ui::Button& Button2 = add<ui::Button>("Button2", "Отмена");

    Query department;
    Query staffpos;
    Query roles;
    Command cmd_person;

    // The person being changed.
    int PersonId = 0;

    void FormActivate() override;
    void FormClose() override;
    void Button1Click();
};

} // namespace velt
