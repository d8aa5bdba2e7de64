#include "reference/operation_editor.h"

#include "app/forms.h"
#include "data/db_error.h"
#include "data/sql_compose.h"
#include "reference/operation_type_list.h"
#include "reference/process_editor.h"
#include "ui/application.h"

namespace velt {

TForm10::TForm10()
    : Form("TForm10", "Операция (10)"),
      max_num(dm().ADO_DB, "max_num",
              "select (case when max(o.orderby) is null then 0 else max(o.orderby) end) +1 as orderby from "
              "mnf_operation.operation o \nwhere o.id_proc_tech=:id_pt"),
      operation_state(dm().ADO_DB, "operation_state", "mnf_operation.operation_state") {
    Edit1.setKeyFilter(ui::KeyFilter::Digits);
    Edit2.setEnabled(false);
    Edit2.setReadOnly(true);
    Edit3.setKeyFilter(ui::KeyFilter::Decimal);
    operation_state.setFilter("id<2");
    operation_state.setFiltered(true);
    cb_operation_state.setList(&operation_state, "id", "s_caption");
    // The type box and its chooser share a line.
    GroupBox1.body = {ui::LayoutNode::Kind::Fields,
                      {Label1, Edit1, Label2, ui::row({Edit2, Button4}), Label3, cb_operation_state, Label4, Edit3}};
    for (ui::Control* c : std::initializer_list<ui::Control*>{&Label1, &Edit1, &Label2, &Edit2, &Button4, &Label3,
                                                              &cb_operation_state, &Label4, &Edit3})
        c->setParentGroup(&GroupBox1);
    layout = ui::column({GroupBox1, ui::row({ui::stretch(), Button3, Button5})});
    defaultButton = &Button3;
    cancelButton = &Button5;
    Button3.onClick = [this] { Button3Click(); };
    Button4.onClick = [this] { Button4Click(); };
    Button5.onClick = [this] { close(); };
}

void TForm10::FormActivate() { Button3.setFocus(); }

void TForm10::Button4Click() {
    TForm8& types = *forms().Form8;
    Query& ds = dm().operation_type;
    types.Tag = 1;
    ds.open();
    types.Button1.setVisible(false);
    types.Button3.setVisible(false);
    types.defaultButton = &types.Button2;
    types.Edit1.setVisible(true);
    types.Edit1.setText({});
    ds.setFiltered(false);
    types.showModal();
    types.defaultButton = &types.Button1;
    types.Edit1.setVisible(false);
    ds.close();
}

void TForm10::Button3Click() {
    std::string position = trimmed(Edit1.text());
    // A step needs its position and its type: without a type it would be written with
    // whatever type the editor held last.
    if (position.empty() || trimmed(Edit2.text()).empty()) {
        ui::MessageBox("Все поля должны быть заполнены!", "Ошибка", ui::Icon::Stop);
        return;
    }
    if (position.find_first_not_of("0123456789") != std::string::npos)
        throw ConversionError("'" + position + "' не является целым числом");
    if (!cb_operation_state.hasKey()) throw ConversionError("'' не является целым числом (поле «Вид»)");
    std::string state = SqlInt(cb_operation_state.keyAsInteger());
    std::string price = dm().NormalizeDecimal(trimmed(Edit3.text()));
    TForm33& process = *forms().Form33;
    std::string type = SqlInt(TypeId);
    std::string product = SqlInt(process.ProductId);
    Query& steps = dm().operation;
    if (Tag == 1)
        dm().cmd_all.setText(
            "INSERT INTO mnf_operation.operation(id_type, id_state, price, id_inventory_items, id_proc_tech, "
            "orderby)VALUES(" +
            type + "," + state + " ," + price + ", " + product + ", " + SqlInt(process.ProcessId) + ", " + position +
            ")");
    else
        dm().cmd_all.setText("UPDATE mnf_operation.operation SET id_type=" + type + ", id_state=" + state +
                             ", price=" + price + ", id_inventory_items=" + product + ", orderby=" + position +
                             " WHERE id=" + SqlInt(steps.field("id").asInteger()));
    dm().cmd_all.execute();
    steps.close();
    steps.open();
    close();
}

} // namespace velt
