#include "reference/staffpos_editor.h"

#include "app/forms.h"
#include "data/sql_compose.h"
#include "ui/application.h"

namespace velt {

TForm27::TForm27()
    : Form("TForm27", "Ведение должностей"),
      cb_department(dm().ADO_DB, "cb_department", "select * from cmn_department.department order by s_caption") {
    p_department.setList(&cb_department, "id", "s_caption");
    for (ui::Control* c : std::initializer_list<ui::Control*>{&Label1, &Edit1, &Label2, &Edit2, &Label3, &p_department})
        c->setParentGroup(&GroupBox1);
    GroupBox1.body = ui::fields({{&Label1, &Edit1}, {&Label2, &Edit2}, {&Label3, &p_department}});
    layout = ui::column({&GroupBox1, ui::row({ui::stretch(), &Button1, &Button2})});
    defaultButton = &Button1;
    cancelButton = &Button2;
    Button1.onClick = [this] { Button1Click(); };
    Button2.onClick = [this] { close(); };
}

void TForm27::Button1Click() {
    std::string name = trimmed(Edit1.text());
    if (name.empty()) {
        ui::MessageBox("Все поля должны быть заполнены!", "Ошибка", ui::Icon::Stop);
        return;
    }
    std::string note = trimmed(Edit2.text());
    std::string dep = p_department.listedKeyOrZero();
    TDataModule6& d = dm();
    if (Tag == 1)
        d.cmd_all.setText("insert into hrms_staffpos.staffpos(s_caption, s_description, id_department)VALUES(" +
                          SqlText(name) + " ," + SqlText(note) + ", " + dep + ")");
    else
        d.cmd_all.setText("UPDATE hrms_staffpos.staffpos SET s_caption=" + SqlText(name) +
                          ", s_description=" + SqlText(note) + ", id_department=" + dep +
                          " where id=" + std::to_string(d.staffpos.field("id").asInteger()));
    d.cmd_all.execute();
    d.staffpos.close();
    d.staffpos.open();
    close();
}

void TForm27::FormClose() {
    // Opened again before every showing, so departments added meanwhile are offered.
    cb_department.close();
}

} // namespace velt
