#pragma once
#include "data/query.h"
#include "ui/form.h"

namespace velt {

// One step of a technological process: added (`Tag` 1) or changed (`Tag` 0) from the
// process editor, which opens and closes `max_num` and `operation_state` around it.
class TForm10 : public ui::Form {
public:
    TForm10();

    ui::GroupBox& GroupBox1 = add<ui::GroupBox>("GroupBox1", "Цена операции");
    ui::Label& Label1 = add<ui::Label>("Label1", "№ по порядку");
    ui::Edit& Edit1 = add<ui::Edit>("Edit1");
    ui::Label& Label2 = add<ui::Label>("Label2", "Операция");
    ui::Edit& Edit2 = add<ui::Edit>("Edit2");
    ui::Button& Button4 = add<ui::Button>("Button4", "...");
    ui::Label& Label3 = add<ui::Label>("Label3", "Вид");
    ui::LookupBox& cb_operation_state = add<ui::LookupBox>("cb_operation_state");
    ui::Label& Label4 = add<ui::Label>("Label4", "Цена");
    ui::Edit& Edit3 = add<ui::Edit>("Edit3");
    ui::Button& Button3 = add<ui::Button>("Button3", "Записать");
    ui::Button& Button5 = add<ui::Button>("Button5", "Отмена");

    // The chosen operation type.
    int TypeId = 0;

    // The next free position in a process (1 for a process without steps).
    Query max_num;
    Table operation_state;

    void Button3Click();
    void Button4Click();
    void FormActivate() override;
};

} // namespace velt
