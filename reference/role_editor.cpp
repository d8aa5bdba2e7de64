#include "reference/role_editor.h"

#include "app/forms.h"
#include "data/sql_compose.h"
#include "ui/application.h"

namespace velt {

TForm58::TForm58() : Form("TForm58", "Ведение ролей (58)") {
    for (ui::Control* c : std::initializer_list<ui::Control*>{&Label1, &Edit2, &Label2, &Edit1, &CheckBox1})
        c->setParentGroup(&GroupBox1);
    GroupBox1.body = ui::column({ui::fields({{&Label1, &Edit2}, {&Label2, &Edit1}}), &CheckBox1});
    layout = ui::column({&GroupBox1, ui::row({ui::stretch(), &Button5, &Button4})});
    defaultButton = &Button5;
    cancelButton = &Button4;
    Button5.onClick = [this] { Button5Click(); };
    Button4.onClick = [this] { close(); };
}

void TForm58::Button5Click() {
    std::string name = trimmed(Edit1.text());
    std::string caption = trimmed(Edit2.text());
    if (name.empty() || caption.empty()) {
        ui::MessageBox("Все поля должны быть заполнены!", "Ошибка", ui::Icon::Stop);
        return;
    }
    std::string active = CheckBox1.isChecked() ? "1" : "0";
    TDataModule6& d = dm();
    if (Tag == 0) {
        d.cmd_all.setText("INSERT INTO adm_role.roles(s_name, s_caption, d_begin, b_active)VALUES(" + SqlText(name) +
                          ", " + SqlText(caption) + ", now()::t_date, " + active + "::t_boolean)");
    } else {
        std::string id = std::to_string(d.role.field("id").asInteger());
        std::string set = "UPDATE adm_role.roles SET s_caption=" + SqlText(caption) + ", s_name= " + SqlText(name) +
                          ", b_active= " + active + "::t_boolean, ";
        // An active role starts again today; a deactivated one keeps its start and ends today.
        d.cmd_all.setText(set + (CheckBox1.isChecked() ? "d_begin=now()::t_date, d_end=NULL" : "d_end=now()::t_date") +
                          " where id=" + id);
    }
    d.cmd_all.execute();
    close();
}

} // namespace velt
