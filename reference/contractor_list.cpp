#include "reference/contractor_list.h"

#include "app/forms.h"
#include "reference/contractor_editor.h"
#include "sales/sales_request_editor.h"
#include "sales/shipping_request_editor.h"
#include "supply/purchase_request_editor.h"
#include "supply/purchase_requests.h"
#include "ui/application.h"
#include "ui/directory_list.h"

namespace velt {

namespace {

// The document callers keep one contractor id and show its full name in their Edit1.
void handOver(int& contractorId, ui::Edit& box) {
    Query& jp = dm().jur_person;
    int id = jp.field("id").asInt();
    if (id != contractorId) contractorId = id;
    if (contractorId != 0) box.setText(trimmed(jp.field("s_full_caption").asString()));
}

} // namespace

TForm34::TForm34() : Form("TForm34", "Контрагенты") {
    DBGrid1.setDataset(&dm().jur_person);
    DBGrid1.setColumns({{"Наименование", "s_full_caption"}, {"ОГРН", "s_ogrn"}, {"ИНН", "s_inn"}});
    // The search looks at the short name, which the grid does not show.
    ui::setUpDirectoryList(*this, {&DBGrid1, &Button1, &Button2, &Button3, &Edit1, &Button4, "s_caption"});
    defaultButton = &Button1;
    Button1.onClick = [this] { Button1Click(); };
    Button2.onClick = [this] { Button2Click(); };
    Button3.onClick = [this] { Button3Click(); };
}

void TForm34::FormActivate() {
    if (Tag == 0) {
        // A chooser's caller leaves "Выбрать" behind; the directory edits again.
        Button2.setCaption("Изменить");
        defaultButton = &Button1;
    }
    // The rows follow the box, whatever was left on the shared dataset.
    ui::applySearch(dm().jur_person, "s_caption", Edit1.text(), false);
    if (Edit1.isVisible()) Edit1.setFocus();
}

void TForm34::FormClose() {
    // A search lasts while the list is shown; other windows read the shared dataset too.
    Edit1.setText({});
    dm().jur_person.setFiltered(false);
}

void TForm34::Button1Click() {
    TForm14& e = *forms().Form14;
    e.Tag = 1;
    for (ui::Edit* b : {&e.Edit1, &e.Edit2, &e.Edit3, &e.Edit4}) b->setText({});
    e.showModal();
}

void TForm34::Button3Click() {
    TDataModule6& d = dm();
    Query& jp = d.jur_person;
    // Without a row there is nothing to delete, and no statement to compose.
    if (!jp.isActive() || jp.isEmpty()) return;
    int rec = jp.recNo();
    if (ui::MessageBox("Удалить строку?", "Удаление", ui::Icon::Question, ui::Buttons::YesNo) != ui::Answer::Yes) return;
    d.cmd_all.setText("delete from cmn_contractor.jur_person where id=" + jp.field("id").asString());
    d.cmd_all.execute();
    jp.close();
    jp.open();
    if (!jp.isEmpty()) jp.setRecNo(rec);
}

void TForm34::Button2Click() {
    TDataModule6& d = dm();
    Query& jp = d.jur_person;
    bool rows = jp.isActive() && !jp.isEmpty();
    int rec = jp.recNo();
    Forms& f = forms();
    switch (Tag) {
    case 0: {
        if (!rows) return;
        TForm14& e = *f.Form14;
        e.Tag = 0;
        e.Edit2.setText(trimmed(jp.field("s_caption").asString()));
        e.Edit1.setText(trimmed(jp.field("s_full_caption").asString()));
        e.Edit3.setText(trimmed(jp.field("s_inn").asString()));
        e.Edit4.setText(trimmed(jp.field("s_ogrn").asString()));
        e.showModal();
        if (!jp.isEmpty()) jp.setRecNo(rec);
        return;
    }
    case 43:
        if (rows) handOver(f.Form43->ContractorId, f.Form43->Edit1);
        close();
        return;
    case 61:
        if (rows) handOver(f.Form61->ContractorId, f.Form61->Edit1);
        close();
        return;
    case 68:
        if (rows) handOver(f.Form68->ContractorId, f.Form68->Edit1);
        close();
        return;
    case 60: {
        Query& doc = f.Form60->purchase_doc;
        // Without a current request the statement would name no document.
        if (rows && doc.isActive() && !doc.isEmpty()) {
            int docRec = doc.recNo();
            d.cmd_all.setText("UPDATE stk_purchase.purchase_doc SET id_jur_person=" +
                              trimmed(jp.field("id").asString()) + " where id=" + doc.field("id").asString());
            d.cmd_all.execute();
            doc.close();
            doc.open();
            if (!doc.isEmpty()) doc.setRecNo(docRec);
        }
        close();
        return;
    }
    default:
        return;
    }
}

} // namespace velt
