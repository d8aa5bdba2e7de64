#include "reference/department_list.h"

#include "app/forms.h"
#include "reference/department_editor.h"
#include "ui/application.h"

namespace velt {

namespace {

// Nothing in the schema refuses the delete, yet every list joins its rows to their
// department: a department still in use would take them out of sight.
std::string usesOf(const std::string& id) {
    return "select (select count(*) from cmn_department.department where id_parent=" + id + " and id<>" + id +
           ") + (select count(*) from hrms_staffpos.staffpos where id_department=" + id +
           ") + (select count(*) from cmn_contractor.person where id_department=" + id +
           ") + (select count(*) from cmn_inventory_items.nomenclature where id_department=" + id +
           ") + (select count(*) from stk_stocks.stock where id_stock=" + id +
           ") + (select count(*) from stk_stocks.stock_in where id_department=" + id +
           ") + (select count(*) from stk_stocks.stock_out where id_department=" + id +
           ") + (select count(*) from stk_stocks.spec_out where id_stock=" + id + ") as uses";
}

} // namespace

TForm30::TForm30() : Form("TForm30", "Подразделения (30)") {
    DBGrid1.setDataset(&dm().department);
    DBGrid1.setColumns({{"Наименование", "s_caption"},
                        {"Примечание", "s_description"},
                        {"Род.  подразделение", "s_parent"},
                        {"Тип склада", "s_type"}});
    ui::setUpDirectoryList(*this, {.grid = &DBGrid1,
                                   .add = &Button5,
                                   .edit = &Button2,
                                   .remove = &Button3,
                                   .search = &Edit1,
                                   .exit = &Button4,
                                   .searchField = "s_caption"});
    defaultButton = &Button5;
    Button5.onClick = [this] { Button5Click(); };
    Button2.onClick = [this] { Button2Click(); };
    Button3.onClick = [this] { Button3Click(); };
}

void TForm30::Button5Click() {
    TForm31& e = *forms().Form31;
    e.Tag = 1;
    e.cb_department.open();
    e.cb_department.first();
    e.Edit1.setText({});
    e.Edit2.setText({});
    // The parent box keeps its choice: a new department is offered the parent last shown.
    e.showKind(-1);
    e.showModal();
}

void TForm30::Button2Click() {
    Query& d = dm().department;
    if (!d.isActive() || d.isEmpty()) return;
    int rec = d.recNo();
    TForm31& e = *forms().Form31;
    e.Tag = 0;
    e.Edit1.setText(trimmed(d.field("s_caption").asString()));
    e.Edit2.setText(trimmed(d.field("s_description").asString()));
    e.cb_department.open();
    Field type = d.field("type");
    e.showKind(type.isNull() ? -1 : type.asInt());
    e.p_department.setKeyValue(d.field("id_parent").asInteger());
    e.showModal();
    if (d.isActive()) d.setRecNo(rec);
}

void TForm30::Button3Click() {
    Query& d = dm().department;
    if (!d.isActive() || d.isEmpty()) return;
    int rec = d.recNo();
    std::string id = std::to_string(d.field("id").asInteger());
    if (ui::MessageBox("Удалить строку?", "Удаление", ui::Icon::Question, ui::Buttons::YesNo) != ui::Answer::Yes)
        return;
    Query uses(dm().ADO_DB, "dep_uses", usesOf(id));
    uses.open();
    if (uses.field("uses").asInteger() > 0) {
        ui::MessageBox("Подразделение используется (подразделения, должности, персонал, номенклатура или склад), "
                       "удаление невозможно!",
                       "Ошибка", ui::Icon::Stop);
        return;
    }
    dm().cmd_all.setText("delete from cmn_department.department where id=" + id);
    dm().cmd_all.execute();
    ui::reopenAt(d, rec);
}

void TForm30::FormClose() {
    // Other windows read `department` too: the search must not stay on it for them.
    Edit1.setText({});
    dm().department.setFiltered(false);
}

} // namespace velt
