#pragma once
#include "data/query.h"
#include "ui/form.h"

namespace velt {

// Adds an inventory item (`Tag` 1) or changes the current row of the shared item list.
class TForm7 : public ui::Form {
public:
    TForm7();

    ui::GroupBox& GroupBox1 = add<ui::GroupBox>("GroupBox1", "Данные ТМЦ");
    ui::Label& Label1 = add<ui::Label>("Label1", "Наименование");
    ui::Edit& Edit1 = add<ui::Edit>("Edit1");
    ui::Label& Label2 = add<ui::Label>("Label2", "Вид номенклатуры");
    ui::LookupBox& combo_nomenclature = add<ui::LookupBox>("combo_nomenclature");
    ui::Label& Label3 = add<ui::Label>("Label3", "Тип");
    ui::LookupBox& cb_operation_state = add<ui::LookupBox>("cb_operation_state");
    ui::Label& Label4 = add<ui::Label>("Label4", "Длина (мм)");
    ui::Edit& Edit3 = add<ui::Edit>("Edit3");
    ui::Label& Label5 = add<ui::Label>("Label5", "Толщина (мм)");
    ui::Edit& Edit4 = add<ui::Edit>("Edit4");
    ui::Label& Label6 = add<ui::Label>("Label6", "Расх. МТР");
    ui::Edit& Edit2 = add<ui::Edit>("Edit2");
    ui::Label& Label7 = add<ui::Label>("Label7", "Расх. краски");
    ui::Edit& Edit5 = add<ui::Edit>("Edit5");
    ui::Label& Label8 = add<ui::Label>("Label8", "Ед. изм.");
    ui::LookupBox& cb_msm = add<ui::LookupBox>("cb_msm");
    ui::Label& Label9 = add<ui::Label>("Label9", "Масса");
    ui::Edit& Edit6 = add<ui::Edit>("Edit6");
    ui::Button& Button1 = add<ui::Button>("Button1", "Записать");
    ui::Button& Button2 = add<ui::Button>("Button2", "Отмена");

    // The lists of the three lookup boxes; the item list opens and closes them around a showing.
    Query nomenclature;
    Table operation_state;  // the item types
    Table msm;
    void openLookups();
    void closeLookups();

    void Button1Click();
    void FormActivate() override;
    void FormClose() override;
};

} // namespace velt
