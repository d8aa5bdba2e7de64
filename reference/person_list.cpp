#include "reference/person_list.h"

#include "app/forms.h"
#include "data/sql_compose.h"
#include "reference/person_editor.h"
#include "sales/sales_request_editor.h"
#include "sales/shipping_request_editor.h"
#include "shopfloor/shift_record.h"
#include "supply/purchase_request_editor.h"
#include "ui/application.h"
#include "ui/directory_list.h"

namespace velt {

namespace {

// The request-like callers keep one person id and show the name in their Edit2.
void handOver(int& personId, ui::Edit& box) {
    Query& w = dm().workers;
    int id = w.field("id").asInt();
    if (id != personId) personId = id;
    if (personId != 0) box.setText(trimmed(w.field("s_caption").asString()));
}

} // namespace

TForm5::TForm5() : Form("TForm5", "Список рабочих (5)") {
    DBGrid1.setDataset(&dm().workers);
    DBGrid1.setColumns({{"ФИО", "s_caption"},
                        {"Должность", "s_staffpos"},
                        {"Подразделение", "s_department"},
                        {"Роль", "s_role"}});
    ui::setUpDirectoryList(*this, {&DBGrid1, &Button1, &Button2, &Button3, &Edit1, &Button4, "s_caption"});
    defaultButton = &Button1;
    Button1.onClick = [this] { Button1Click(); };
    Button2.onClick = [this] { Button2Click(); };
    Button3.onClick = [this] { Button3Click(); };
}

void TForm5::FormActivate() {
    Chosen = 0;
    if (Tag == 0) {
        // A chooser's caller leaves "Выбрать" behind; the directory edits again.
        Button2.setCaption("Изменить");
        defaultButton = &Button1;
    }
    // The rows follow the box, whatever was left on the shared dataset.
    ui::applySearch(dm().workers, "s_caption", Edit1.text(), false);
    if (Edit1.isVisible()) Edit1.setFocus();
}

void TForm5::FormClose() {
    // A search lasts while the list is shown; other windows read the shared dataset too.
    Edit1.setText({});
    dm().workers.setFiltered(false);
}

void TForm5::Button1Click() {
    TForm2& e = *forms().Form2;
    e.Edit1.setText({});
    e.Edit2.setText({});
    e.Edit3.setText({});
    e.setCaption("Заведение данных нового работника");
    e.Tag = 1;
    for (Query* q : {&e.staffpos, &e.roles, &e.department}) {
        q->open();
        q->first();
    }
    e.showModal();
    Query& w = dm().workers;
    w.close();
    w.open();
}

void TForm5::Button3Click() {
    Query& w = dm().workers;
    // Without a row there is nobody to delete, and no statement to compose.
    if (!w.isActive() || w.isEmpty()) return;
    if (ui::MessageBox("Удалить работника?", "Удаление", ui::Icon::Question, ui::Buttons::YesNo) != ui::Answer::Yes)
        return;
    int rec = w.recNo();
    TForm2& e = *forms().Form2;
    e.cmd_person.setText("delete from cmn_contractor.person where id =" + w.field("id").asString());
    e.cmd_person.execute();
    w.close();
    w.open();
    if (!w.isEmpty()) w.setRecNo(rec);
}

void TForm5::Button2Click() {
    Query& w = dm().workers;
    bool rows = w.isActive() && !w.isEmpty();
    int rec = w.recNo();
    Forms& f = forms();
    switch (Tag) {
    case 0: {
        if (!rows) return;
        TForm2& e = *f.Form2;
        e.setCaption("Изменение данных работника");
        e.Tag = 2;
        for (Query* q : {&e.staffpos, &e.roles, &e.department}) {
            q->close();
            q->open();
        }
        e.Edit1.setText(trimmed(w.field("s_second_name").asString()));
        e.Edit2.setText(trimmed(w.field("s_first_name").asString()));
        e.Edit3.setText(trimmed(w.field("s_third_name").asString()));
        e.LCB_roles.setKeyValue(w.field("role_id").asString());
        e.LCB_department.setKeyValue(w.field("dep_id").asString());
        e.LCB_staffpos.setKeyValue(w.field("staff_id").asString());
        e.PersonId = w.field("id").asInt();
        e.showModal();
        w.close();
        w.open();
        if (!w.isEmpty()) w.setRecNo(rec);
        return;
    }
    case 11: {
        Chosen = 0;
        if (rows) {
            TForm11& c = *f.Form11;
            int id = w.field("id").asInt();
            if (c.SavedWorkerId == 0) c.Edit1.setText(trimmed(w.field("s_caption").asString()));
            if (id != c.SavedWorkerId) {
                c.WorkerId = id;
                c.TeamMemberId = id;
                Chosen = 1;
            }
        }
        close();
        return;
    }
    case 43:
        if (rows) handOver(f.Form43->PersonId, f.Form43->Edit2);
        close();
        return;
    case 61:
        if (rows) handOver(f.Form61->ExecutorId, f.Form61->Edit2);
        close();
        return;
    case 68:
        if (rows) handOver(f.Form68->PersonId, f.Form68->Edit2);
        close();
        return;
    default:
        return;
    }
}

} // namespace velt
