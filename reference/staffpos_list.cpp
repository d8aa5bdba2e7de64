#include "reference/staffpos_list.h"

#include "app/forms.h"
#include "reference/staffpos_editor.h"
#include "ui/application.h"

namespace velt {

TForm26::TForm26() : Form("TForm26", "Должности") {
    DBGrid1.setDataset(&dm().staffpos);
    DBGrid1.setColumns({{"Наименование", "s_caption"}, {"Описание", "s_description"}, {"Подразделение", "s_dep"}});
    ui::setUpDirectoryList(*this, {.grid = &DBGrid1,
                                   .add = &Button1,
                                   .edit = &Button2,
                                   .remove = &Button3,
                                   .search = &Edit1,
                                   .exit = &Button4,
                                   .searchField = "s_caption"});
    defaultButton = &Button1;
    Button1.onClick = [this] { Button1Click(); };
    Button2.onClick = [this] { Button2Click(); };
    Button3.onClick = [this] { Button3Click(); };
}

void TForm26::Button1Click() {
    TForm27& e = *forms().Form27;
    e.Tag = 1;
    e.cb_department.open();
    e.Edit1.setText({});
    e.Edit2.setText({});
    // The department box keeps its choice: a new position is offered the department last shown.
    e.cb_department.first();
    e.showModal();
}

void TForm26::Button2Click() {
    Query& s = dm().staffpos;
    if (!s.isActive() || s.isEmpty()) return;
    int rec = s.recNo();
    TForm27& e = *forms().Form27;
    e.Tag = 0;
    e.Edit1.setText(trimmed(s.field("s_caption").asString()));
    e.Edit2.setText(trimmed(s.field("s_description").asString()));
    e.cb_department.open();
    e.p_department.setKeyValue(s.field("id_department").asInteger());
    e.showModal();
    if (s.isActive()) s.setRecNo(rec);
    e.cb_department.close();
}

void TForm26::Button3Click() {
    Query& s = dm().staffpos;
    if (!s.isActive() || s.isEmpty()) return;
    int rec = s.recNo();
    std::string id = std::to_string(s.field("id").asInteger());
    if (ui::MessageBox("Удалить строку?", "Удаление", ui::Icon::Question, ui::Buttons::YesNo) != ui::Answer::Yes)
        return;
    // Nothing in the schema refuses it, yet the personnel list joins each person to the
    // position: its holders would drop out of sight.
    Query holders(dm().ADO_DB, "staffpos_holders",
                  "select count(*) as holders from cmn_contractor.person where id_staffpos=" + id);
    holders.open();
    if (holders.field("holders").asInteger() > 0) {
        ui::MessageBox("Должность занята сотрудниками, удаление невозможно!", "Ошибка", ui::Icon::Stop);
        return;
    }
    dm().cmd_all.setText("delete from hrms_staffpos.staffpos where id=" + id);
    dm().cmd_all.execute();
    ui::reopenAt(s, rec);
}

void TForm26::FormClose() {
    // The search must not stay on the shared dataset for the next window that reads it.
    Edit1.setText({});
    dm().staffpos.setFiltered(false);
}

} // namespace velt
