#include "reference/operation_type_list.h"

#include "app/forms.h"
#include "data/sql_compose.h"
#include "reference/operation_editor.h"
#include "reference/operation_type_editor.h"
#include "ui/application.h"
#include "ui/directory_list.h"

namespace velt {

TForm8::TForm8() : Form("TForm8", "Операции") {
    DBGrid1.setDataset(&dm().operation_type);
    DBGrid1.setColumns({{"Операции", "s_caption"}, {"Описание", "s_description"}});
    ui::setUpDirectoryList(*this, {&DBGrid1, &Button1, &Button2, &Button3, &Edit1, &Button4, "s_caption", false});
    defaultButton = &Button1;
    Button1.onClick = [this] { Button1Click(); };
    Button2.onClick = [this] { Button2Click(); };
    Button3.onClick = [this] { Button3Click(); };
}

void TForm8::FormActivate() {
    // The directory always offers its search, whatever a chooser did with the box.
    if (Tag == 0) Edit1.setVisible(true);
    if (Edit1.isVisible()) Edit1.setFocus();
}

void TForm8::FormClose() {
    // A search lasts while the list is shown.
    if (!Edit1.text().empty()) {
        Edit1.setText({});
        dm().operation_type.setFiltered(false);
    }
}

void TForm8::Button1Click() {
    TForm9& editor = *forms().Form9;
    editor.Edit1.setText({});
    editor.Edit2.setText({});
    editor.Tag = 1;
    editor.showModal();
}

void TForm8::Button2Click() {
    Query& ds = dm().operation_type;
    if (!ds.isActive() || ds.isEmpty()) return;
    int rec = ds.recNo();
    if (Tag == 0) {
        TForm9& editor = *forms().Form9;
        editor.Tag = 2;
        editor.Edit1.setText(trimmed(ds.field("s_caption").asString()));
        editor.Edit2.setText(trimmed(ds.field("s_description").asString()));
        editor.showModal();
    } else {
        TForm10& operation = *forms().Form10;
        operation.Edit2.setText(trimmed(ds.field("s_caption").asString()));
        operation.TypeId = ds.field("id").asInt();
        close();
    }
    ds.setRecNo(rec);
}

void TForm8::Button3Click() {
    Query& ds = dm().operation_type;
    if (!ds.isActive() || ds.isEmpty()) return;
    int rec = ds.recNo();
    if (ui::MessageBox("Удалить строку?", "Удаление", ui::Icon::Question, ui::Buttons::YesNo) != ui::Answer::Yes)
        return;
    dm().cmd_all.setText("delete from mnf_operation.operation_type where id=" + SqlInt(ds.field("id").asInteger()));
    dm().cmd_all.execute();
    ds.close();
    ds.open();
    if (!ds.isEmpty()) ds.setRecNo(rec);
}

} // namespace velt
