#include "reference/process_list.h"

#include "app/forms.h"
#include "data/sql_compose.h"
#include "reference/process_editor.h"
#include "ui/application.h"
#include "ui/directory_list.h"

namespace velt {

TForm4::TForm4() : Form("TForm4", "Техпроцессы (4)") {
    DBGrid1.setDataset(&dm().proc_tech);
    DBGrid1.setColumns({{"Номер", "id"},
                        {"Изделие", "s_ii"},
                        {"Материал", "s_gds"},
                        {"Наименование", "s_caption"},
                        {"Цена", "full_price"}});
    ui::setUpDirectoryList(*this, {&DBGrid1, &Button1, &Button2, &Button3, &Edit1, &Button9, "s_ii", false});
    defaultButton = &Button1;
    Button1.onClick = [this] { Button1Click(); };
    Button2.onClick = [this] { Button2Click(); };
    Button3.onClick = [this] { Button3Click(); };
    Edit1.onChange = [this] { Edit1Change(); };
    DBGrid1.onTitleClick = [this](int column) { DBGrid1TitleClick(column); };
}

void TForm4::FormActivate() {
    if (Edit1.isVisible()) Edit1.setFocus();
    if (!trimmed(Edit1.text()).empty()) Edit1Change();
}

void TForm4::Edit1Change() {
    Query& ds = dm().proc_tech;
    // Opened for one item, the search looks among that item's processes only.
    std::string own = Tag == 2 ? "id_inventory_items=" + SqlInt(ItemId) : std::string();
    const std::string& typed = Edit1.text();
    if (typed.empty()) {
        if (own.empty()) {
            ds.setFiltered(false);
            return;
        }
        ds.setFilter(own);
    } else {
        std::string like = ui::searchFilter("s_ii", typed, false);
        ds.setFilter(own.empty() ? like : own + " and " + like);
    }
    ds.setFiltered(true);
}

void TForm4::DBGrid1TitleClick(int column) {
    Query& ds = dm().proc_tech;
    const std::string& field = DBGrid1.columns[column].field;
    bool descending = ds.sort().find("DESC") != std::string::npos;
    if (field == "id") ds.setSort(descending ? "id ASC" : "id DESC, s_ii ASC");
    if (field == "s_ii") ds.setSort(descending ? "s_ii ASC" : "s_ii DESC, id ASC");
    if (field == "s_caption") ds.setSort(descending ? "s_caption  ASC" : "s_caption DESC, s_ii, id ASC");
    if (field == "full_price") ds.setSort(descending ? "full_price, s_ii, id ASC" : "full_price DESC, s_ii, id ASC");
}

void TForm4::Button1Click() {
    TForm33& editor = *forms().Form33;
    Query& steps = dm().operation;
    editor.Tag = 1;
    editor.full_price.close();
    editor.full_price.setParam("id_pt", 0LL);
    editor.full_price.open();
    steps.close();
    steps.setParam("id_proc_tech", 0LL);
    steps.open();
    // Steps can be added only once the process has an id.
    editor.enableSteps(false);
    editor.MaterialId = 0;
    if (Tag == 2) {
        editor.ProductId = ItemId;
        editor.Edit2.setText(ItemMarka);
        editor.SavedProduct = editor.SavedName = editor.SavedMaterial = ItemMarka;
        editor.Tag = 11;
    } else {
        editor.ProductId = 0;
        editor.Edit2.setText({});
        editor.SavedProduct = editor.SavedName = editor.SavedMaterial = std::string();
    }
    editor.ProcessId = 0;
    editor.GroupBox1.setCaption("Техпроцесс № ");
    editor.Edit3.setText({});
    editor.Edit4.setText({});
    editor.showModal();
    steps.close();
    editor.full_price.close();
    // The steps added to the new process change its price in the list.
    ui::reopenKeepingRow(dm().proc_tech);
}

void TForm4::Button2Click() {
    Query& list = dm().proc_tech;
    if (!list.isActive() || list.isEmpty()) return;
    int rec = list.recNo();
    TForm33& editor = *forms().Form33;
    Query& steps = dm().operation;
    editor.ProcessId = list.field("id").asInt();
    editor.ProductId = list.field("id_inventory_items").asInt();
    editor.MaterialId = list.field("id_gds").asInt();
    editor.full_price.close();
    editor.full_price.setParam("id_pt", (long long)editor.ProcessId);
    editor.full_price.open();
    editor.Tag = 0;
    editor.GroupBox1.setCaption("Техпроцесс № " + std::to_string(editor.ProcessId));
    steps.close();
    steps.setParam("id_proc_tech", (long long)editor.ProcessId);
    steps.open();
    editor.Edit2.setText(trimmed(list.field("s_ii").asString()));
    editor.Edit3.setText(trimmed(list.field("s_caption").asString()));
    editor.Edit4.setText(trimmed(list.field("s_gds").asString()));
    editor.SavedProduct = editor.Edit2.text();
    editor.SavedName = editor.Edit3.text();
    editor.SavedMaterial = editor.Edit4.text();
    editor.enableSteps(true);
    editor.showModal();
    steps.close();
    editor.full_price.close();
    list.close();
    list.open();
    list.setRecNo(rec);
}

void TForm4::Button3Click() {
    Query& list = dm().proc_tech;
    if (!list.isActive() || list.isEmpty()) return;
    int rec = list.recNo();
    if (ui::MessageBox("Удалить строку (будет удалена вся спецификация ТП)?", "Удаление", ui::Icon::Question,
                       ui::Buttons::YesNo) != ui::Answer::Yes)
        return;
    // The database removes the steps with their process.
    dm().cmd_all.setText("delete from mnf_proc_tech.proc_tech where id=" + SqlInt(list.field("id").asInteger()));
    dm().cmd_all.execute();
    list.close();
    list.open();
    if (!list.isEmpty()) list.setRecNo(rec);
}

} // namespace velt
