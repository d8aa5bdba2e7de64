#include "reference/person_editor.h"

#include "app/forms.h"
#include "data/sql_compose.h"
#include "ui/application.h"

namespace velt {

TForm2::TForm2()
    : Form("TForm2", "Работники"),
      department(dm().ADO_DB, "department", "select * from cmn_department.department order by s_caption"),
      staffpos(dm().ADO_DB, "staffpos", "select * from hrms_staffpos.staffpos order by s_caption"),
      roles(dm().ADO_DB, "roles", "select * from adm_role.roles order by s_caption"),
      cmd_person(dm().ADO_DB, "cmd_person") {
    LCB_department.setList(&department, "id", "s_caption");
    LCB_staffpos.setList(&staffpos, "id", "s_caption");
    LCB_roles.setList(&roles, "id", "s_caption");
    for (ui::Control* c : std::initializer_list<ui::Control*>{&Label1, &Edit1, &Label2, &Edit2, &Label3, &Edit3,
                                                              &Label4, &LCB_department, &Label5, &LCB_staffpos,
                                                              &Label6, &LCB_roles})
        c->setParentGroup(&GroupBox1);
    GroupBox1.body = ui::fields({{&Label1, &Edit1},
                                 {&Label2, &Edit2},
                                 {&Label3, &Edit3},
                                 {&Label4, &LCB_department},
                                 {&Label5, &LCB_staffpos},
                                 {&Label6, &LCB_roles}});
    layout = ui::column({&GroupBox1, ui::row({ui::stretch(), &Button1, &Button2})});
    defaultButton = &Button1;
    cancelButton = &Button2;
    Button1.onClick = [this] { Button1Click(); };
    Button2.onClick = [this] { close(); };
}

void TForm2::FormActivate() { Edit1.setFocus(); }

void TForm2::FormClose() {
    department.close();
    staffpos.close();
    roles.close();
}

void TForm2::Button1Click() {
    std::string s = trimmed(Edit1.text()), f = trimmed(Edit2.text()), p = trimmed(Edit3.text());
    if (s.empty() || f.empty() || p.empty() || trimmed(LCB_department.text()).empty() ||
        trimmed(LCB_staffpos.text()).empty() || trimmed(LCB_roles.text()).empty()) {
        ui::MessageBox("Все поля должны быть заполнены!", "Ошибка", ui::Icon::Stop);
        return;
    }
    std::string position = SqlInt(LCB_staffpos.keyAsInteger());
    std::string dep = SqlInt(LCB_department.keyAsInteger());
    std::string role = SqlInt(LCB_roles.keyAsInteger());
    // The full name is never typed: it is rebuilt from the three parts on every save.
    std::string full = SqlText(s + " " + f + " " + p);
    if (Tag == 1)
        cmd_person.setText("INSERT INTO cmn_contractor.person (s_caption, s_second_name, s_first_name, s_third_name, "
                           "id_staffpos, id_department, id_role)VALUES(" +
                           full + ", " + SqlText(s) + ", " + SqlText(f) + ", " + SqlText(p) + ", " + position + ", " +
                           dep + ", " + role + ")");
    else
        cmd_person.setText("UPDATE cmn_contractor.person SET s_caption=" + full + ", s_second_name=" + SqlText(s) +
                           ", s_first_name=" + SqlText(f) + ", s_third_name=" + SqlText(p) +
                           ", id_staffpos=" + position + ", id_department=" + dep + ", id_role=" + role +
                           " where cmn_contractor.person.id=" + SqlInt(PersonId));
    cmd_person.execute();
    close();
}

} // namespace velt
