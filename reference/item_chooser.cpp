#include "reference/item_chooser.h"

#include "app/forms.h"
#include "reference/process_editor.h"
#include "ui/directory_list.h"

namespace velt {

TForm303::TForm303()
    : Form("TForm303", "ТМЦ (3)"),
      inventory_items(dm().ADO_DB, "inventory_items",
                      "select ii.*, (CASE ii.ral WHEN true THEN '+' END) as s_ral, it.s_caption as s_type, "
                      "n.s_caption as s_nom, m.s_identification, (select count(pt.id) from mnf_proc_tech.proc_tech pt "
                      "where pt.id_inventory_items = ii.id) as tp_cnt from cmn_inventory_items.inventory_items ii "
                      "left join cmn_inventory_items.ii_type it on ii.id_type = it.id left join "
                      "cmn_inventory_items.nomenclature n on ii.id_nom = n.id left join cmn_msm.msm m on m.id = "
                      "ii.id_msm") {
    DBGridEh1.setDataset(&inventory_items);
    DBGridEh1.setColumns({
        {"Наименование", "marka"},
        {"Номенклатура", "s_nom"},
        {"Ед. изм.", "s_identification"},
        {"Длина", "width"},
        {"Толщина", "thick"},
        {"Масса", "massa"},
        {"Краска", "s_ral"},
        {"Расх. кр.", "ral_cons"},
        {"Тип ТМЦ", "s_type"},
    });
    DBGridEh1.rowColor = paintedRowColor;
    ui::setUpDirectoryList(*this, {&DBGridEh1, nullptr, &Button2, nullptr, &Edit1, &Button8, "marka", true});
    defaultButton = &Button2;
    Button2.onClick = [this] { Button2Click(); };
    Edit1.onChange = [this] { Edit1Change(); };
    DBGridEh1.onTitleClick = [this](int column) { DBGridEh1TitleClick(column); };
}

void TForm303::FormActivate() {
    inventory_items.open();
    inventory_items.setSort("marka, s_nom ASC");
    search_.begin(inventory_items);
    if (Edit1.isVisible()) Edit1.setFocus();
}

void TForm303::FormClose() {
    if (!Edit1.text().empty()) Edit1.setText({});
    search_.end(inventory_items);
    inventory_items.close();
}

void TForm303::Edit1Change() { search_.apply(inventory_items, Edit1.text()); }

void TForm303::DBGridEh1TitleClick(int column) {
    const std::string& field = DBGridEh1.columns[column].field;
    bool descending = inventory_items.sort().find("DESC") != std::string::npos;
    if (field == "marka") inventory_items.setSort(descending ? "marka, s_nom ASC" : "marka DESC, s_nom ASC");
    if (field == "s_nom") inventory_items.setSort(descending ? "s_nom, marka ASC" : "s_nom DESC, marka ASC");
}

void TForm303::Button2Click() {
    if (!inventory_items.isActive() || inventory_items.isEmpty()) return;
    int rec = inventory_items.recNo();
    std::string marka = trimmed(inventory_items.field("marka").asString());
    int id = inventory_items.field("id").asInt();
    TForm33& process = *forms().Form33;
    if (Tag == 3) {
        process.Edit4.setText(marka);
        process.MaterialId = id;
        close();
    } else if (Tag == 33) {
        // The product, when the item list that would offer it is the one the process list came from.
        process.Edit2.setText(marka);
        process.Edit3.setText(marka);
        process.ProductId = id;
        close();
    }
    inventory_items.setRecNo(rec);
}

} // namespace velt
