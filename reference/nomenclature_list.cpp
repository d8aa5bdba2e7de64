#include "reference/nomenclature_list.h"

#include "app/forms.h"
#include "reference/item_list.h"
#include "reference/nomenclature_editor.h"
#include "ui/application.h"
#include "ui/directory_list.h"

namespace velt {

TForm28::TForm28() : Form("TForm28", "Номенклатура") {
    DBGridEh1.setDataset(&dm().nomenclature);
    DBGridEh1.setColumns({{"Наименование", "s_caption"},
                          {"Подразделение", "s_department"},
                          {"", "", ui::Align::Left, false, true}});
    ui::setUpDirectoryList(*this, {&DBGridEh1, &Button5, &Button2, &Button3, &Edit1, &Button4, "s_caption"});
    defaultButton = &Button5;
    Button5.onClick = [this] { Button5Click(); };
    Button2.onClick = [this] { Button2Click(); };
    Button3.onClick = [this] { Button3Click(); };
    DBGridEh1.onCellButton = [this](int column) {
        if (column == 2) DBGridEh1Columns2CellButtonsClick();
    };
}

void TForm28::FormActivate() {
    // The rows follow the box, whatever was left on the shared dataset.
    ui::applySearch(dm().nomenclature, "s_caption", Edit1.text(), false);
    if (Edit1.isVisible()) Edit1.setFocus();
}

void TForm28::FormClose() {
    // A search lasts while the list is shown; other windows read the shared dataset too.
    Edit1.setText({});
    dm().nomenclature.setFiltered(false);
}

void TForm28::Button5Click() {
    TForm29& e = *forms().Form29;
    e.Tag = 1;
    e.Edit1.setText({});
    e.cb_department.open();
    e.showModal();
}

void TForm28::Button2Click() {
    Query& n = dm().nomenclature;
    if (!n.isActive() || n.isEmpty()) return;
    int rec = n.recNo();
    TForm29& e = *forms().Form29;
    e.Tag = 0;
    e.Edit1.setText(trimmed(n.field("s_caption").asString()));
    e.cb_department.open();
    e.p_department.setKeyValue(n.field("id_department").asInteger());
    e.showModal();
    if (!n.isEmpty()) n.setRecNo(rec);
}

void TForm28::Button3Click() {
    TDataModule6& d = dm();
    Query& n = d.nomenclature;
    // Without a row there is nothing to delete, and no statement to compose.
    if (!n.isActive() || n.isEmpty()) return;
    int rec = n.recNo();
    if (ui::MessageBox("Удалить строку?", "Удаление", ui::Icon::Question, ui::Buttons::YesNo) != ui::Answer::Yes) return;
    d.cmd_all.setText("delete from cmn_inventory_items.nomenclature where id=" + n.field("id").asString());
    d.cmd_all.execute();
    n.close();
    n.open();
    if (!n.isEmpty()) n.setRecNo(rec);
}

void TForm28::DBGridEh1Columns2CellButtonsClick() {
    TDataModule6& d = dm();
    Query& n = d.nomenclature;
    // An empty list has no group whose items could be shown.
    if (!n.isActive() || n.isEmpty()) return;
    Query& items = d.inventory_items;
    items.setFilter("id_nom=" + trimmed(n.field("id").asString()));
    items.setFiltered(true);
    items.open();
    TForm3& list = *forms().Form3;
    list.DefaultNom = n.field("id").asInt();
    list.Tag = 0;
    // A chooser's caller may have left the directory buttons hidden.
    for (const char* name : {"Button1", "Button3"})
        if (auto* b = list.findControl(name)) b->setVisible(true);
    list.showModal();
    items.close();
    items.setFiltered(false);
    items.setFilter({});
}

} // namespace velt
