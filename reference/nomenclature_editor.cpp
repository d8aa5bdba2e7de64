#include "reference/nomenclature_editor.h"

#include "app/forms.h"
#include "data/sql_compose.h"
#include "ui/application.h"

namespace velt {

TForm29::TForm29()
    : Form("TForm29", "Номенклатура"),
      cb_department(dm().ADO_DB, "cb_department", "select * from cmn_department.department order by s_caption") {
    p_department.setList(&cb_department, "id", "s_caption");
    for (ui::Control* c : std::initializer_list<ui::Control*>{&Label1, &Edit1, &Label2, &p_department})
        c->setParentGroup(&GroupBox1);
    GroupBox1.body = ui::fields({{&Label1, &Edit1}, {&Label2, &p_department}});
    layout = ui::column({&GroupBox1, ui::row({ui::stretch(), &Button1, &Button2})});
    defaultButton = &Button1;
    cancelButton = &Button2;
    Button1.onClick = [this] { Button1Click(); };
    Button2.onClick = [this] { close(); };
}

void TForm29::FormClose() {
    // Opened again before every showing, so departments added meanwhile are offered.
    cb_department.close();
}

void TForm29::Button1Click() {
    std::string name = trimmed(Edit1.text());
    if (name.empty()) {
        ui::MessageBox("Все поля должны быть заполнены!", "Ошибка", ui::Icon::Stop);
        return;
    }
    std::string dep = p_department.hasKey() ? SqlInt(p_department.keyAsInteger()) : "0";
    TDataModule6& d = dm();
    if (Tag == 1)
        d.cmd_all.setText("insert into cmn_inventory_items.nomenclature(s_caption, id_department)VALUES(" +
                          SqlText(name) + " ," + dep + ")");
    else
        d.cmd_all.setText("UPDATE cmn_inventory_items.nomenclature SET s_caption=" + SqlText(name) +
                          ", id_department=" + dep + " where id=" + d.nomenclature.field("id").asString());
    d.cmd_all.execute();
    d.nomenclature.close();
    d.nomenclature.open();
    close();
}

} // namespace velt
