#include "reference/item_list.h"

#include "app/forms.h"
#include "data/sql_compose.h"
#include "orders/receipt_line_editor.h"
#include "reference/item_editor.h"
#include "reference/process_editor.h"
#include "reference/process_list.h"
#include "sales/sales_request_line_editor.h"
#include "supply/purchase_line_editor.h"
#include "ui/application.h"
#include "ui/directory_list.h"

namespace velt {

void ItemSearch::begin(Dataset& dataset) { base_ = dataset.isFiltered() ? dataset.filter() : std::string(); }

void ItemSearch::apply(Dataset& dataset, const std::string& typed) {
    if (typed.empty()) {
        if (base_.empty()) {
            dataset.setFiltered(false);
            return;
        }
        dataset.setFilter(base_);
    } else {
        std::string like = ui::searchFilter("marka", typed, true);
        dataset.setFilter(base_.empty() ? like : "(" + base_ + ") and " + like);
    }
    dataset.setFiltered(true);
}

void ItemSearch::end(Dataset& dataset) {
    if (base_.empty()) {
        dataset.setFiltered(false);
    } else {
        dataset.setFilter(base_);
        dataset.setFiltered(true);
    }
    base_.clear();
}

std::optional<ui::Color> paintedRowColor(const ui::RowView& row) {
    if (row.number("ral") != 0) return kPaintedRowColor;
    return std::nullopt;
}

TForm3::TForm3()
    : Form("TForm3", "ТМЦ (3)"),
      pt_cnt(dm().ADO_DB, "pt_cnt",
             "select count(*) as cnt from mnf_proc_tech.proc_tech pt where pt.id_inventory_items = :id_ii") {
    DBGridEh1.setDataset(&dm().inventory_items);
    DBGridEh1.setColumns({
        {"Наименование", "marka"},
        {"Вид номенклатуры", "s_nom"},
        {"Себес.", "cost_price"},
        {"Ед. изм.", "s_identification", ui::Align::Center},
        {"Длина", "width"},
        {"Толщина", "thick"},
        {"Масса", "massa_kg"},
        {"Расх. МТР", "massa"},
        {"Краска", "s_ral", ui::Align::Center},
        {"Расх. кр.", "ral_cons"},
        {"Тип ТМЦ", "s_type"},
        {"ТП", "tp_cnt", ui::Align::Center},
        {"", "", ui::Align::Left, false, true},
    });
    DBGridEh1.rowColor = paintedRowColor;
    ui::setUpDirectoryList(*this, {&DBGridEh1, &Button1, &Button2, &Button3, &Edit1, &Button8, "marka", true});
    defaultButton = &Button2;
    Button1.onClick = [this] { Button1Click(); };
    Button2.onClick = [this] { Button2Click(); };
    Button3.onClick = [this] { Button3Click(); };
    Edit1.onChange = [this] { Edit1Change(); };
    DBGridEh1.onTitleClick = [this](int column) { DBGridEh1TitleClick(column); };
    DBGridEh1.onCellButton = [this](int) { DBGridEh1CellButtonClick(); };
}

void TForm3::FormActivate() {
    Query& ds = dm().inventory_items;
    ds.open();
    ds.setSort("marka, s_nom ASC");
    search_.begin(ds);
    if (Edit1.isVisible()) Edit1.setFocus();
}

void TForm3::FormClose() {
    Query& ds = dm().inventory_items;
    // A search lasts while the list is shown; the opener's own filter is left as it was.
    if (!Edit1.text().empty()) Edit1.setText({});
    search_.end(ds);
    ds.close();
    DefaultNom = -1;
}

void TForm3::Edit1Change() { search_.apply(dm().inventory_items, Edit1.text()); }

void TForm3::DBGridEh1TitleClick(int column) {
    Query& ds = dm().inventory_items;
    const std::string& field = DBGridEh1.columns[column].field;
    bool descending = ds.sort().find("DESC") != std::string::npos;
    if (field == "marka") ds.setSort(descending ? "marka, s_nom ASC" : "marka DESC, s_nom ASC");
    if (field == "s_nom") ds.setSort(descending ? "s_nom, marka ASC" : "s_nom DESC, marka ASC");
}

void TForm3::Button1Click() {
    Query& ds = dm().inventory_items;
    int rec = ds.recNo();
    TForm7& editor = *forms().Form7;
    for (ui::Edit* e : {&editor.Edit1, &editor.Edit2, &editor.Edit3, &editor.Edit4, &editor.Edit5, &editor.Edit6})
        e->setText({});
    editor.openLookups();
    if (DefaultNom < 0) editor.combo_nomenclature.setKeyValue(std::string());
    else editor.combo_nomenclature.setKeyValue(DefaultNom);
    editor.Tag = 1;
    editor.showModal();
    editor.closeLookups();
    ds.setRecNo(rec);
}

void TForm3::Button2Click() {
    Query& ds = dm().inventory_items;
    if (!ds.isActive() || ds.isEmpty()) return;
    int rec = ds.recNo();
    auto text = [&ds](const char* name) { return ds.field(name).asString(); };
    long long id = ds.field("id").asInteger();
    switch (Tag) {
    case 0: {
        TForm7& editor = *forms().Form7;
        editor.openLookups();
        editor.Tag = 2;
        editor.Edit1.setText(trimmed(text("marka")));
        editor.Edit2.setText(trimmed(text("massa")));
        editor.Edit3.setText(trimmed(text("width")));
        editor.Edit4.setText(trimmed(text("thick")));
        editor.Edit5.setText(trimmed(text("ral_cons")));
        editor.Edit6.setText(trimmed(text("massa_kg")));
        editor.combo_nomenclature.setKeyValue(text("id_nom"));
        editor.cb_operation_state.setKeyValue(text("id_type"));
        editor.cb_msm.setKeyValue(text("id_msm"));
        editor.showModal();
        editor.closeLookups();
        break;
    }
    case 3: {
        TForm33& process = *forms().Form33;
        process.Edit4.setText(trimmed(text("marka")));
        process.MaterialId = int(id);
        close();
        break;
    }
    case 33: {
        TForm33& process = *forms().Form33;
        process.Edit2.setText(trimmed(text("marka")));
        process.Edit3.setText(trimmed(text("marka")));
        process.ProductId = int(id);
        close();
        break;
    }
    case 4: {
        TForm40& line = *forms().Form40;
        line.Edit1.setText(trimmed(text("marka")));
        line.ItemId = int(id);
        line.ItemMsmId = ds.field("id_msm").asInt();
        line.Label_msm.setCaption(trimmed(text("s_identification")));
        close();
        break;
    }
    case 5: {
        pt_cnt.close();
        pt_cnt.setParam("id_ii", id);
        pt_cnt.open();
        long long processes = pt_cnt.field("cnt").asInteger();
        pt_cnt.close();
        if (processes > 0) {
            TForm44& line = *forms().Form44;
            line.Edit1.setText(trimmed(text("marka")));
            line.ItemId = int(id);
            line.Label_msm.setCaption(text("s_identification"));
            line.ItemRal = ds.field("ral").asInt();
            line.ItemGdsId = ds.field("id_gds").asInt();
            close();
        } else {
            ui::MessageBox("Техпроцесс не найден!", "Ошибка", ui::Icon::Stop);
        }
        break;
    }
    case 63: {
        TForm63& line = *forms().Form63;
        line.Edit2.setText(trimmed(text("marka")));
        line.PurchaseItemId = int(id);
        line.Label2.setCaption(text("s_identification"));
        close();
        break;
    }
    default:
        break;
    }
    ds.setRecNo(rec);
}

void TForm3::Button3Click() {
    Query& ds = dm().inventory_items;
    if (!ds.isActive() || ds.isEmpty()) return;
    int rec = ds.recNo();
    if (ui::MessageBox("Удалить строку?", "Удаление", ui::Icon::Question, ui::Buttons::YesNo) != ui::Answer::Yes)
        return;
    dm().cmd_all.setText("delete from cmn_inventory_items.inventory_items where id=" +
                         SqlInt(ds.field("id").asInteger()));
    dm().cmd_all.execute();
    ds.close();
    ds.open();
    if (!ds.isEmpty()) ds.setRecNo(rec);
}

void TForm3::DBGridEh1CellButtonClick() {
    Query& items = dm().inventory_items;
    if (!items.isActive() || items.isEmpty()) return;
    long long id = items.field("id").asInteger();
    Query& processes = dm().proc_tech;
    processes.setFilter("id_inventory_items=" + SqlInt(id));
    processes.setFiltered(true);
    processes.open();
    TForm4& list = *forms().Form4;
    list.ItemId = int(id);
    list.ItemMarka = items.field("marka").asString();
    list.Tag = 2;
    list.showModal();
    list.Tag = 0;
    processes.close();
    processes.setFiltered(false);
}

} // namespace velt
