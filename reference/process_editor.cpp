#include "reference/process_editor.h"

#include "app/forms.h"
#include "data/sql_compose.h"
#include "reference/item_chooser.h"
#include "reference/item_list.h"
#include "reference/operation_editor.h"
#include "ui/application.h"

namespace velt {

namespace {

const char* const kItemsHead =
    "select ii.*, (CASE ii.ral WHEN true THEN 'Да' END) as s_ral, it.s_caption as s_type, n.s_caption as s_nom, "
    "s_identification,";
const char* const kItemsTail =
    "(select count(pt.id) from  mnf_proc_tech.proc_tech pt where pt.id_inventory_items = ii.id) as tp_cnt, "
    "pt2.id_gds, ii2.marka as s_caption_gds  from cmn_inventory_items.inventory_items ii left join "
    "cmn_inventory_items.ii_type it on ii.id_type = it.id left join cmn_inventory_items.nomenclature n on ii.id_nom "
    "= n.id left join  cmn_msm.msm m on m.id = ii.id_msm left join mnf_proc_tech.proc_tech pt2 on "
    "ii.id=pt2.id_inventory_items left join cmn_inventory_items.inventory_items ii2 on ii2.id=pt2.id_gds ";

// Items made in-house.
std::string productQuery() { return std::string(kItemsHead) + kItemsTail + "where ii.id_type <> 0"; }
// Every item.
std::string materialQuery() { return std::string(kItemsHead) + " " + kItemsTail + "where ii.id_type <> -1"; }
// Neither blanks nor paints.
std::string rawMaterialQuery() {
    return std::string(kItemsHead) + " " + kItemsTail + "where ii.id_type <> 1 and ii.id_type <> 3";
}

// The fixed item 0 stands for "no item" and is no choice.
constexpr const char* kNoItemZero = "id<>0";

} // namespace

TForm33::TForm33()
    : Form("TForm33", "Список операций (33)"),
      full_price(dm().ADO_DB, "full_price",
                 "select sum(o.price) as full_price from mnf_operation.operation o  \nwhere o.id_proc_tech = :id_pt") {
    Edit2.setEnabled(false);
    Edit4.setEnabled(false);
    price.setSource(&full_price, "full_price");
    GroupBox1.body = {ui::LayoutNode::Kind::Fields,
                      {Label1, ui::row({Edit2, Button5}), Label2, ui::row({Edit4, Button7}), Label3, Edit3, Label4,
                       ui::row({price, ui::stretch(), Button6})}};
    for (ui::Control* c : std::initializer_list<ui::Control*>{&Label1, &Edit2, &Button5, &Label2, &Edit4, &Button7,
                                                              &Label3, &Edit3, &Label4, &price, &Button6})
        c->setParentGroup(&GroupBox1);
    DBGrid1.setDataset(&dm().operation);
    DBGrid1.setColumns(
        {{"Номер п.п.", "orderby"}, {"Операция", "s_type"}, {"Результат", "s_state"}, {"Цена", "price"}});
    layout = ui::column({GroupBox1, DBGrid1,
                         ui::row({Button1, Button2, Button3, ui::stretch(), Button4, Button8})});
    cancelButton = &Button8;
    centered = true;
    Button1.onClick = [this] { Button1Click(); };
    Button2.onClick = [this] { Button2Click(); };
    Button3.onClick = [this] { Button3Click(); };
    Button4.onClick = [this] { Button4Click(); };
    Button5.onClick = [this] { Button5Click(); };
    Button6.onClick = [this] { Button6Click(); };
    Button7.onClick = [this] { Button7Click(); };
    Button8.onClick = [this] { close(); };
    DBGrid1.onDblClick = [this] { Button2Click(); };
}

void TForm33::enableSteps(bool on) {
    for (ui::Button* b : {&Button1, &Button2, &Button3, &Button4}) b->setEnabled(on);
}

void TForm33::Save() {
    Query& list = dm().proc_tech;
    int rec = list.recNo();
    if (Edit2.text().empty() && Edit3.text().empty() && Edit4.text().empty()) return;
    bool changed = Edit2.text() != SavedProduct || Edit3.text() != SavedName || Edit4.text() != SavedMaterial ||
                   ProcessId == 0;
    if (!changed) return;
    if (trimmed(Edit2.text()).empty() || trimmed(Edit3.text()).empty() || trimmed(Edit4.text()).empty()) {
        ui::MessageBox("Все поля должны быть заполнены.", "Ошибка", ui::Icon::Stop);
        return;
    }
    if (ui::MessageBox("Сохранить изменения?", "Сохраннение", ui::Icon::Question, ui::Buttons::YesNo) !=
        ui::Answer::Yes)
        return;
    std::string product = Edit2.text(), name = Edit3.text(), material = Edit4.text();
    if (Tag == 1 || Tag == 11) {
        // The id comes back from the insert itself, so a process another user adds meanwhile is never taken.
        Query& insert = dm().Control;
        insert.setSql("insert into mnf_proc_tech.proc_tech(s_caption, id_inventory_items, id_gds)VALUES(" +
                      SqlText(trimmed(name)) + " ," + SqlInt(ProductId) + " ," + SqlInt(MaterialId) +
                      ") returning id");
        insert.open();
        ProcessId = insert.field("id").asInt();
        insert.close();
        GroupBox1.setCaption("Техпроцесс № " + std::to_string(ProcessId));
        dm().operation.setParam("id_proc_tech", (long long)ProcessId);
        full_price.setParam("id_pt", (long long)ProcessId);
        list.close();
        list.open();
        Tag = 0;
    } else {
        dm().cmd_all.setText("UPDATE mnf_proc_tech.proc_tech SET s_caption=" + SqlText(trimmed(name)) +
                             ", id_inventory_items=" + SqlInt(ProductId) + ", id_gds=" + SqlInt(MaterialId) +
                             " where id=" + SqlInt(ProcessId));
        dm().cmd_all.execute();
        list.close();
        list.open();
    }
    // Remembered only once written: a refused statement leaves the header to be saved again.
    SavedProduct = product;
    SavedName = name;
    SavedMaterial = material;
    enableSteps(true);
    if (!list.isEmpty()) list.setRecNo(rec);
}

void TForm33::Button6Click() { Save(); }

void TForm33::Button4Click() {
    try {
        Save();
    } catch (...) {
        close();
        throw;
    }
    close();
}

void TForm33::Button1Click() {
    if (ProductId == 0 || MaterialId == 0) {
        ui::MessageBox("Необходимо выбрать издение и материал.", "Ошибка", ui::Icon::Stop);
        return;
    }
    TForm10& editor = *forms().Form10;
    editor.Tag = 1;
    editor.max_num.close();
    editor.max_num.setParam("id_pt", (long long)ProcessId);
    editor.max_num.open();
    editor.Edit1.setText(editor.max_num.field("orderby").asString());
    editor.Edit2.setText({});
    editor.Edit3.setText({});
    editor.operation_state.open();
    editor.cb_operation_state.setKeyValue(std::string());
    editor.showModal();
    editor.max_num.close();
    editor.operation_state.close();
    full_price.close();
    full_price.open();
}

void TForm33::Button2Click() {
    Query& steps = dm().operation;
    if (!steps.isActive() || steps.isEmpty()) return;
    int rec = steps.recNo();
    TForm10& editor = *forms().Form10;
    editor.Tag = 0;
    editor.TypeId = steps.field("id_type").asInt();
    editor.Edit1.setText(steps.field("orderby").asString());
    editor.Edit2.setText(steps.field("s_type").asString());
    editor.Edit3.setText(steps.field("price").asString());
    editor.operation_state.open();
    editor.cb_operation_state.setKeyValue(steps.field("id_state").asString());
    editor.showModal();
    editor.operation_state.close();
    if (!steps.isEmpty()) steps.setRecNo(rec);
    full_price.close();
    full_price.open();
}

void TForm33::Button3Click() {
    Query& steps = dm().operation;
    if (!steps.isActive() || steps.isEmpty()) return;
    int rec = steps.recNo();
    if (ui::MessageBox("Удалить строку (будет удалена вся спецификация ТП)?", "Удаление", ui::Icon::Question,
                       ui::Buttons::YesNo) == ui::Answer::Yes) {
        dm().cmd_all.setText("delete from mnf_operation.operation where id=" + SqlInt(steps.field("id").asInteger()));
        dm().cmd_all.execute();
        steps.close();
        steps.open();
        if (!steps.isEmpty()) steps.setRecNo(rec);
    }
    full_price.close();
    full_price.open();
}

void TForm33::Button5Click() {
    if (forms().Form3->isShowing()) chooseOnSecondList(33, productQuery());
    else chooseOnItemList(33, productQuery());
}

void TForm33::Button7Click() {
    if (Tag == 11) chooseOnSecondList(3, rawMaterialQuery());
    else if (forms().Form3->isShowing()) chooseOnSecondList(3, materialQuery());
    else chooseOnItemList(3, materialQuery());
}

void TForm33::chooseOnItemList(int tag, const std::string& sql) {
    TForm3& list = *forms().Form3;
    Query& items = dm().inventory_items;
    list.Button1.setVisible(false);
    list.Button3.setVisible(false);
    list.Button2.setCaption("Выбрать");
    std::string oldSql = items.sql(), oldFilter = items.filter();
    bool oldFiltered = items.isFiltered();
    items.setSql(sql);
    items.setFilter(kNoItemZero);
    items.setFiltered(true);
    items.open();
    list.Tag = tag;
    list.showModal();
    list.Button1.setVisible(true);
    list.Button3.setVisible(true);
    list.Button2.setCaption("Изменить");
    items.close();
    items.setFilter(oldFilter);
    items.setFiltered(oldFiltered);
    items.setSql(oldSql);
}

void TForm33::chooseOnSecondList(int tag, const std::string& sql) {
    TForm303& list = *forms().Form303;
    list.Button2.setCaption("Выбрать");
    list.inventory_items.setSql(sql);
    list.inventory_items.setFilter(kNoItemZero);
    list.inventory_items.setFiltered(true);
    list.Tag = tag;
    list.showModal();
    list.inventory_items.setFiltered(false);
}

} // namespace velt
