#include "reference/role_admin.h"

#include "app/forms.h"
#include "reference/role_editor.h"
#include "ui/application.h"

namespace velt {

TForm35::TForm35() : Form("TForm35", "Роли") {
    DBGridEh1.setDataset(&dm().role);
    DBGridEh1.setColumns({{"Наименование", "s_caption"},
                          {"Системное имя", "s_name"},
                          {"Дата начала", "d_begin"},
                          {"Дата оконч.", "d_end"},
                          {"Активна", "yesno", ui::Align::Center}});
    ui::setUpDirectoryList(*this, {.grid = &DBGridEh1,
                                   .add = &Button1,
                                   .edit = &Button2,
                                   .remove = &Button3,
                                   .exit = &Button4,
                                   .searchField = {}});
    defaultButton = &Button1;
    centered = true;
    Button1.onClick = [this] { Button1Click(); };
    Button2.onClick = [this] { Button2Click(); };
    Button3.onClick = [this] { Button3Click(); };
}

void TForm35::FormActivate() { dm().role.open(); }

void TForm35::FormClose() { dm().role.close(); }

void TForm35::Button1Click() {
    TForm58& e = *forms().Form58;
    e.Edit2.setText({});
    e.Edit1.setText({});
    e.CheckBox1.setChecked(true);
    e.Tag = 0;
    e.showModal();
    dm().role.close();
    dm().role.open();
}

void TForm35::Button2Click() {
    Query& r = dm().role;
    if (!r.isActive() || r.isEmpty()) return;
    int rec = r.recNo();
    TForm58& e = *forms().Form58;
    e.Tag = 1;
    e.Edit2.setText(trimmed(r.field("s_caption").asString()));
    e.Edit1.setText(trimmed(r.field("s_name").asString()));
    e.CheckBox1.setChecked(r.field("b_active").asInteger() != 0);
    e.showModal();
    ui::reopenAt(r, rec);
}

void TForm35::Button3Click() {
    Query& r = dm().role;
    if (!r.isActive() || r.isEmpty()) return;
    int rec = r.recNo();
    std::string id = std::to_string(r.field("id").asInteger());
    if (ui::MessageBox("Удалить строку?", "Удаление", ui::Icon::Question, ui::Buttons::YesNo) != ui::Answer::Yes)
        return;
    // Nothing in the schema refuses it, yet the personnel list joins each person to the
    // role: its holders would drop out of sight. Retiring a role is done by deactivating it.
    Query holders(dm().ADO_DB, "role_holders",
                  "select count(*) as holders from cmn_contractor.person where id_role=" + id);
    holders.open();
    if (holders.field("holders").asInteger() > 0) {
        ui::MessageBox("Роль назначена сотрудникам, удаление невозможно!", "Ошибка", ui::Icon::Stop);
        return;
    }
    dm().cmd_all.setText("delete from adm_role.roles where id=" + id);
    dm().cmd_all.execute();
    ui::reopenAt(r, rec);
}

} // namespace velt
