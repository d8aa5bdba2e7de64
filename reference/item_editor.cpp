#include "reference/item_editor.h"

#include "app/forms.h"
#include "data/db_error.h"
#include "data/sql_compose.h"
#include "ui/application.h"

namespace velt {

namespace {

void stop(const std::string& text) { ui::MessageBox(text, "Ошибка", ui::Icon::Stop); }

} // namespace

TForm7::TForm7()
    : Form("TForm7", "Ведение (7)"),
      nomenclature(dm().ADO_DB, "nomenclature", "select * from cmn_inventory_items.nomenclature order by s_caption"),
      operation_state(dm().ADO_DB, "operation_state", "cmn_inventory_items.ii_type"),
      msm(dm().ADO_DB, "msm", "cmn_msm.msm") {
    GroupBox1.body = ui::fields({{&Label1, &Edit1},
                                 {&Label2, &combo_nomenclature},
                                 {&Label3, &cb_operation_state},
                                 {&Label4, &Edit3},
                                 {&Label5, &Edit4},
                                 {&Label6, &Edit2},
                                 {&Label7, &Edit5},
                                 {&Label8, &cb_msm},
                                 {&Label9, &Edit6}});
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &Label1, &Edit1, &Label2, &combo_nomenclature, &Label3, &cb_operation_state, &Label4, &Edit3, &Label5,
             &Edit4, &Label6, &Edit2, &Label7, &Edit5, &Label8, &cb_msm, &Label9, &Edit6})
        c->setParentGroup(&GroupBox1);
    layout = ui::column({GroupBox1, ui::row({ui::stretch(), Button1, Button2})});
    defaultButton = &Button1;
    cancelButton = &Button2;
    for (ui::Edit* e : {&Edit2, &Edit3, &Edit4, &Edit5, &Edit6}) e->setKeyFilter(ui::KeyFilter::Decimal);
    combo_nomenclature.setList(&nomenclature, "id", "s_caption");
    cb_operation_state.setList(&operation_state, "id", "s_caption");
    cb_msm.setList(&msm, "id", "s_identification");
    Button1.onClick = [this] { Button1Click(); };
    Button2.onClick = [this] { close(); };
}

void TForm7::openLookups() {
    nomenclature.open();
    operation_state.open();
    msm.open();
}

void TForm7::closeLookups() {
    nomenclature.close();
    operation_state.close();
    msm.close();
}

void TForm7::FormActivate() { Edit1.setFocus(); }

void TForm7::FormClose() { nomenclature.close(); }

void TForm7::Button1Click() {
    std::string name = trimmed(Edit1.text());
    if (name.empty()) {
        stop("Все поля должны быть заполнены!");
        return;
    }
    // Without these the row would be written with a type or unit nobody chose.
    if (!cb_operation_state.hasKey()) {
        stop("Выберите тип ТМЦ в поле «Тип».");
        cb_operation_state.setFocus();
        return;
    }
    if (!cb_msm.hasKey()) {
        stop("Выберите единицу измерения в поле «Ед. изм.».");
        cb_msm.setFocus();
        return;
    }
    struct Number {
        ui::Edit* box;
        const char* label;
        std::string sql;
    };
    Number numbers[] = {{&Edit3, "Длина (мм)", {}}, {&Edit4, "Толщина (мм)", {}}, {&Edit2, "Расх. МТР", {}},
                        {&Edit5, "Расх. краски", {}}, {&Edit6, "Масса", {}}};
    for (Number& n : numbers) {
        try {
            n.sql = dm().NormalizeDecimal(trimmed(n.box->text()));
        } catch (const ConversionError&) {
            stop(std::string("В поле «") + n.label + "» должно быть число.");
            n.box->setFocus();
            return;
        }
    }
    const std::string& width = numbers[0].sql;
    const std::string& thick = numbers[1].sql;
    const std::string& massa = numbers[2].sql;
    const std::string& ralCons = numbers[3].sql;
    const std::string& massaKg = numbers[4].sql;

    std::string nom = combo_nomenclature.hasKey() ? SqlInt(combo_nomenclature.keyAsInteger()) : "0";
    std::string paint = "0";
    if (!Edit5.text().empty()) {
        auto value = parseNumber(ralCons);
        paint = value && *value > 0.0 ? "1" : "0";
    }
    std::string type = SqlInt(cb_operation_state.keyAsInteger());
    std::string unit = SqlInt(cb_msm.keyAsInteger());

    Query& items = dm().inventory_items;
    std::string sql;
    if (Tag == 1)
        sql = "insert into cmn_inventory_items.inventory_items(marka, id_nom, massa,id_type, width, thick, ral, id_msm, "
              "ral_cons,massa_kg)VALUES(" +
              SqlText(name) + " , " + nom + ", " + massa + ", " + type + ", " + width + ", " + thick + ", " + paint +
              "::t_boolean" + ", " + unit + ", " + ralCons + ", " + massaKg + ")";
    else
        sql = "UPDATE cmn_inventory_items.inventory_items SET marka=" + SqlText(name) + ", massa=" + massa +
              ", id_nom=" + nom + ", id_type=" + type + ", width=" + width + ", thick=" + thick + ", ral=" + paint +
              "::t_boolean, id_msm=" + unit + ", ral_cons=" + ralCons + ", massa_kg=" + massaKg +
              " where id=" + SqlInt(items.field("id").asInteger());
    dm().cmd_all.setText(sql);
    dm().cmd_all.execute();

    std::string sort = items.sort();
    items.close();
    items.open();
    items.setSort(sort);
    close();
}

} // namespace velt
