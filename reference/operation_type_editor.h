#pragma once
#include "ui/form.h"

namespace velt {

// Adds an operation type (`Tag` 1) or changes the current row of the type list.
class TForm9 : public ui::Form {
public:
    TForm9();

    ui::Label& Label1 = add<ui::Label>("Label1", "Операция");
    ui::Edit& Edit1 = add<ui::Edit>("Edit1");
    ui::Label& Label2 = add<ui::Label>("Label2", "Описание");
    ui::Edit& Edit2 = add<ui::Edit>("Edit2");
    ui::Button& Button1 = add<ui::Button>("Button1", "Записать");
    ui::Button& Button2 = add<ui::Button>("Button2", "Отмена");

    void Button1Click();
    void FormActivate() override;
};

} // namespace velt
