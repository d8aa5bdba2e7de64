#include "reference/department_editor.h"

#include "app/forms.h"
#include "data/sql_compose.h"
#include "ui/application.h"

namespace velt {

TForm31::TForm31()
    : Form("TForm31", "Ведение подразделений (31)"),
      cb_department(dm().ADO_DB, "cb_department", "select * from cmn_department.department order by s_caption") {
    type_combo.setItems({"Склад ГП", "Склад заготовок", "Склад сырья"});
    p_department.setList(&cb_department, "id", "s_caption");
    for (ui::Control* c : std::initializer_list<ui::Control*>{&Label1, &Edit1, &Label2, &Edit2, &CheckBox1, &Label3,
                                                              &type_combo, &Label4, &p_department})
        c->setParentGroup(&GroupBox1);
    GroupBox1.body = ui::column({ui::fields({{&Label1, &Edit1}, {&Label2, &Edit2}}), &CheckBox1,
                                 ui::fields({{&Label3, &type_combo}, {&Label4, &p_department}})});
    layout = ui::column({&GroupBox1, ui::row({ui::stretch(), &Button1, &Button2})});
    defaultButton = &Button1;
    cancelButton = &Button2;
    CheckBox1.onClick = [this] { CheckBox1Click(); };
    Button1.onClick = [this] { Button1Click(); };
    Button2.onClick = [this] { close(); };
    showKind(-1);
}

void TForm31::showKind(int type) {
    bool warehouse = type >= 0;
    CheckBox1.setChecked(warehouse);
    Label3.setEnabled(warehouse);
    type_combo.setEnabled(warehouse);
    type_combo.setItemIndex(warehouse ? type : -1);
}

void TForm31::CheckBox1Click() { showKind(CheckBox1.isChecked() ? 0 : -1); }

void TForm31::Button1Click() {
    std::string name = trimmed(Edit1.text());
    if (name.empty()) {
        ui::MessageBox("Все поля должны быть заполнены!", "Ошибка", ui::Icon::Stop);
        return;
    }
    std::string note = trimmed(Edit2.text());
    std::string parent = p_department.listedKeyOrZero();
    std::string kind = std::to_string(type_combo.itemIndex());
    std::string kindText = type_combo.text();
    TDataModule6& d = dm();
    if (Tag == 1)
        d.cmd_all.setText("insert into cmn_department.department(s_caption, s_description, id_parent, type, s_type)VALUES(" +
                          SqlText(name) + " ," + SqlText(note) + ", " + parent + ", " + kind + "," + SqlText(kindText) +
                          ")");
    else
        d.cmd_all.setText("UPDATE cmn_department.department SET s_caption=" + SqlText(name) +
                          ", s_description=" + SqlText(note) + ", id_parent=" + parent + ", type='" + kind +
                          "', s_type=" + SqlText(kindText) +
                          " where id=" + std::to_string(d.department.field("id").asInteger()));
    d.cmd_all.execute();
    d.department.close();
    d.department.open();
    close();
}

void TForm31::FormClose() { cb_department.close(); }

} // namespace velt
