#include <gtest/gtest.h>

#include "orders/receipt_line_editor.h"
#include "reference/item_editor.h"
#include "reference/item_list.h"
#include "sales/sales_request_line_editor.h"
#include "supply/purchase_line_editor.h"
#include "tests/reference/items_fixture.h"
#include "ui/application.h"

namespace velt {
namespace {

using test::Rows;

const char* const kInsertHead =
    "insert into cmn_inventory_items.inventory_items(marka, id_nom, massa,id_type, width, thick, ral, id_msm, "
    "ral_cons,massa_kg)VALUES(";

class Items : public test::ItemsData {
public:
    static void fillNew(TForm7& e, const std::string& name) {
        e.Edit1.replaceText(name);
        e.cb_operation_state.choose("Изделие");
        e.cb_msm.choose("шт");
    }

protected:
    TForm3& list() { return *forms->Form3; }
    TForm7& editor() { return *forms->Form7; }
    Query& items() { return forms->DataModule6->inventory_items; }

    // "Добавить" in the list; `fill` types into the editor, then "Записать" is pressed.
    void add(const std::function<void(TForm7&)>& fill) {
        whenShown("TForm7", [&] {
            fill(editor());
            editor().Button1.click();
        });
        list().Button1.click();
    }
    Rows names() { return column(list().DBGridEh1, "Наименование"); }

    // What a line editor does around its "..." button: the item list as a chooser with the
    // caller's query and filter, everything put back afterwards.
    void choose(int tag, const char* sql, const char* filter, const std::function<void()>& inList) {
        std::string oldSql = items().sql();
        list().Button1.setVisible(false);
        list().Button3.setVisible(false);
        list().Button2.setCaption("Выбрать");
        items().setSql(sql);
        if (*filter) {
            items().setFilter(filter);
            items().setFiltered(true);
        }
        items().open();
        list().Tag = tag;
        whenShown("TForm3", inList);
        list().showModal();
        list().Button1.setVisible(true);
        list().Button3.setVisible(true);
        list().Button2.setCaption("Изменить");
        items().setFiltered(false);
        items().setFilter({});
        items().close();
        items().setSql(oldSql);
    }
};

// ---- Adding and changing ----

struct PaintCase {
    const char* what;
    const char* typed;
    const char* sqlValue;  // what the statement carries as ral_cons
    bool painted;
    const char* shown;     // under "Краска"
};

class PaintFlag : public Items, public ::testing::WithParamInterface<PaintCase> {};

TEST_P(PaintFlag, FollowsThePaintConsumption) {
    const PaintCase& c = GetParam();
    fromMenu("N3", "TForm3", [&] {
        add([&](TForm7& e) {
            fillNew(e, "Кожух");
            e.Edit5.replaceText(c.typed);
        });
        EXPECT_FALSE(editor().isShowing());
        pick(list().DBGridEh1, "marka", "Кожух");
        int row = list().DBGridEh1.currentRow();
        EXPECT_EQ(list().DBGridEh1.cellText(row, list().DBGridEh1.columnByTitle("Краска")), c.shown);
    });
    EXPECT_EQ(writes(), (Rows{std::string(kInsertHead) + "'Кожух' , 0, 0, 2, 0, 0, " + (c.painted ? "1" : "0") +
                              "::t_boolean, 4, " + c.sqlValue + ", 0)"}));
    EXPECT_EQ(db->value("select ral from cmn_inventory_items.inventory_items where marka = 'Кожух'"),
              c.painted ? "t" : "f");
}

INSTANTIATE_TEST_SUITE_P(Consumptions, PaintFlag, ::testing::Values(
    PaintCase{"Zero", "0", "0", false, ""},
    PaintCase{"ZeroWithDecimals", "0,0", "0.0", false, ""},
    PaintCase{"Empty", "", "0", false, ""},
    PaintCase{"Half", "0,5", "0.5", true, "+"}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(Items, CommaAndFullStopStoreTheSameNumberAndEmptyBoxesStoreZero) {
    fromMenu("N3", "TForm3", [&] {
        for (const char* typed : {"12.5", "12,5"})
            add([&](TForm7& e) {
                fillNew(e, std::string("Пластина ") + typed);
                e.Edit3.replaceText(typed);
            });
        add([&](TForm7& e) { fillNew(e, "Пустая"); });
    });
    EXPECT_EQ(writes(), (Rows{std::string(kInsertHead) + "'Пластина 12.5' , 0, 0, 2, 12.5, 0, 0::t_boolean, 4, 0, 0)",
                              std::string(kInsertHead) + "'Пластина 12,5' , 0, 0, 2, 12.5, 0, 0::t_boolean, 4, 0, 0)",
                              std::string(kInsertHead) + "'Пустая' , 0, 0, 2, 0, 0, 0::t_boolean, 4, 0, 0)"}));
    EXPECT_EQ(db->rows("select width::text from cmn_inventory_items.inventory_items where marka like 'Пластина%'"),
              (std::vector<Rows>{{"12.500000"}, {"12.500000"}}));
    EXPECT_EQ(db->rows("select massa::text, width::text, thick::text, ral_cons::text, massa_kg::text, id_nom::text"
                       " from cmn_inventory_items.inventory_items where marka = 'Пустая'"),
              (std::vector<Rows>{{"0.000000", "0.000000", "0.000000", "0.000000", "0.0000", "0"}}));
}

TEST_F(Items, ChangeFillsTheEditorFromTheRowAndUpdatesIt) {
    fromMenu("N3", "TForm3", [&] {
        pick(list().DBGridEh1, "marka", "Кронштейн");
        whenShown("TForm7", [&] {
            TForm7& e = editor();
            EXPECT_EQ(e.Tag, 2);
            EXPECT_EQ((Rows{e.Edit1.text(), e.Edit2.text(), e.Edit3.text(), e.Edit4.text(), e.Edit5.text(),
                            e.Edit6.text()}),
                      (Rows{"Кронштейн", "0,4", "150", "4", "0", "0,5"}));
            EXPECT_EQ(e.combo_nomenclature.text(), "Изделия");
            EXPECT_EQ(e.cb_operation_state.text(), "Изделие");
            EXPECT_EQ(e.cb_msm.text(), "шт");
            e.Edit1.replaceText("  Кронштейн Н-2 ");
            e.Edit5.replaceText("0.25");
            e.Button1.click();
        });
        list().Button2.click();
        EXPECT_EQ(names(), (Rows{"Заготовка рамы", "Кронштейн Н-2", "Лист 2 мм", "Рама сварная", "Рама сварная",
                                 "Труба 20х20", "Эмаль RAL 5005"}));
        // A name with quotes is stored as typed.
        pick(list().DBGridEh1, "marka", "Кронштейн Н-2");
        whenShown("TForm7", [&] {
            editor().Edit1.replaceText("ООО \"Ромашка\" O'Neil");
            editor().Button1.click();
        });
        list().Button2.click();
    });
    Rows w = writes();
    ASSERT_EQ(w.size(), 2u);
    EXPECT_EQ(w[0], "UPDATE cmn_inventory_items.inventory_items SET marka='Кронштейн Н-2', massa=0.4, id_nom=6, "
                    "id_type=2, width=150, thick=4, ral=1::t_boolean, id_msm=4, ral_cons=0.25, massa_kg=0.5 "
                    "where id=105");
    EXPECT_EQ(db->value("select marka from cmn_inventory_items.inventory_items where id = 105"),
              "ООО \"Ромашка\" O'Neil");
    EXPECT_EQ(db->value("select ral from cmn_inventory_items.inventory_items where id = 105"), "t");
}

struct RefusedCase {
    const char* what;
    std::function<void(TForm7&)> fill;
    const char* message;
};

class RefusedSave : public Items, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedSave, NamesTheBoxSendsNothingAndKeepsTheEditorOpen) {
    const RefusedCase& c = GetParam();
    fromMenu("N3", "TForm3", [&] {
        clearStatements();
        whenShown("TForm7", [&] {
            c.fill(editor());
            editor().Button1.click();
            EXPECT_TRUE(editor().isShowing());
            editor().Button2.click();
        });
        list().Button1.click();
    });
    EXPECT_EQ(writes(), Rows{});
    ASSERT_EQ(driver.messages.size(), 1u);
    EXPECT_EQ(driver.messages[0].text, c.message);
    EXPECT_EQ(driver.messages[0].caption, "Ошибка");
    EXPECT_EQ(driver.messages[0].icon, ui::Icon::Stop);
    EXPECT_EQ(db->value("select count(*) from cmn_inventory_items.inventory_items"), "7");
}

INSTANTIATE_TEST_SUITE_P(Boxes, RefusedSave, ::testing::Values(
    RefusedCase{"NoName", [](TForm7& e) {
        e.Edit1.replaceText("   ");
        e.cb_operation_state.choose("Изделие");
        e.cb_msm.choose("шт");
    }, "Все поля должны быть заполнены!"},
    RefusedCase{"NoType", [](TForm7& e) {
        e.Edit1.replaceText("Кожух");
        e.cb_msm.choose("шт");
    }, "Выберите тип ТМЦ в поле «Тип»."},
    RefusedCase{"NoUnit", [](TForm7& e) {
        e.Edit1.replaceText("Кожух");
        e.cb_operation_state.choose("Изделие");
    }, "Выберите единицу измерения в поле «Ед. изм.»."},
    RefusedCase{"PaintConsumptionNoNumber", [](TForm7& e) {
        Items::fillNew(e, "Кожух");
        e.Edit5.replaceText("1,2,3");
    }, "В поле «Расх. краски» должно быть число."},
    RefusedCase{"LengthNoNumber", [](TForm7& e) {
        Items::fillNew(e, "Кожух");
        e.Edit3.replaceText(",");
    }, "В поле «Длина (мм)» должно быть число."}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(Items, NumberBoxesTakeOnlyDigitsAndSeparators) {
    fromMenu("N3", "TForm3", [&] {
        whenShown("TForm7", [&] {
            for (ui::Edit* box : {&editor().Edit2, &editor().Edit3, &editor().Edit4, &editor().Edit5, &editor().Edit6}) {
                box->typeText("1a,2 б.5-");
                EXPECT_EQ(box->text(), "1,2.5") << box->name();
            }
        });
        list().Button1.click();
    });
}

TEST_F(Items, DeleteAsksAndRemovesTheRowOnlyOnYes) {
    fromMenu("N3", "TForm3", [&] {
        pick(list().DBGridEh1, "marka", "Кронштейн");
        clearStatements();
        driver.answer(ui::Answer::No);
        list().Button3.click();
        EXPECT_EQ(writes(), Rows{});
        driver.answer(ui::Answer::Yes);
        list().Button3.click();
        EXPECT_EQ(names(), (Rows{"Заготовка рамы", "Лист 2 мм", "Рама сварная", "Рама сварная", "Труба 20х20",
                                 "Эмаль RAL 5005"}));
    });
    EXPECT_EQ(writes(), (Rows{"delete from cmn_inventory_items.inventory_items where id=105"}));
    ASSERT_EQ(driver.messages.size(), 2u);
    EXPECT_EQ(driver.messages[0].text, "Удалить строку?");
    EXPECT_EQ(driver.messages[0].caption, "Удаление");
    EXPECT_EQ(driver.messages[0].icon, ui::Icon::Question);
    EXPECT_EQ(db->value("select count(*) from cmn_inventory_items.inventory_items where id = 105"), "0");
}

// ---- The list ----

TEST_F(Items, ListShowsEveryItemOncePerProcessButNeverItemZero) {
    fromMenu("N3", "TForm3", [&] {
        ui::Grid& g = list().DBGridEh1;
        EXPECT_EQ(names(), (Rows{"Заготовка рамы", "Кронштейн", "Лист 2 мм", "Рама сварная", "Рама сварная",
                                 "Труба 20х20", "Эмаль RAL 5005"}));
        EXPECT_EQ(column(g, "ТП"), (Rows{"0", "0", "0", "2", "2", "0", "0"}));
        EXPECT_EQ(column(g, "Краска"), (Rows{"", "", "", "+", "+", "", ""}));
        EXPECT_EQ(column(g, "Ед. изм."), (Rows{"шт", "шт", "кг", "шт", "шт", "м", "л"}));
        EXPECT_EQ(column(g, "Тип ТМЦ"),
                  (Rows{"Заготовка", "Изделие", "Покупное", "Изделие", "Изделие", "Покупное", "Краска"}));
        // Painted items stand out; the others keep the standard background.
        EXPECT_EQ(g.rowBackground(3), kPaintedRowColor);
        EXPECT_EQ(g.rowBackground(1), std::nullopt);
        EXPECT_EQ(list().focused(), &list().Edit1);
    });
    EXPECT_FALSE(items().isActive());
}

TEST_F(Items, SearchNarrowsToNamesContainingTheTextInAnyCase) {
    fromMenu("N3", "TForm3", [&] {
        for (const char* typed : {"рам", "РАМ"}) {
            list().Edit1.replaceText(typed);
            EXPECT_EQ(names(), (Rows{"Заготовка рамы", "Рама сварная", "Рама сварная"})) << typed;
        }
        list().Edit1.replaceText("");
        EXPECT_EQ(names().size(), 7u);
        list().Edit1.replaceText("Труба");
        EXPECT_EQ(names(), (Rows{"Труба 20х20"}));
    });
    // The next showing starts with an empty box and every row.
    fromMenu("N3", "TForm3", [&] {
        EXPECT_EQ(list().Edit1.text(), "");
        EXPECT_EQ(names().size(), 7u);
    });
}

TEST_F(Items, TitleClicksToggleTheSort) {
    fromMenu("N3", "TForm3", [&] {
        ui::Grid& g = list().DBGridEh1;
        int name = g.columnByTitle("Наименование");
        g.clickTitle(name);
        EXPECT_EQ(names(), (Rows{"Эмаль RAL 5005", "Труба 20х20", "Рама сварная", "Рама сварная", "Лист 2 мм",
                                 "Кронштейн", "Заготовка рамы"}));
        g.clickTitle(name);
        EXPECT_EQ(names(), (Rows{"Заготовка рамы", "Кронштейн", "Лист 2 мм", "Рама сварная", "Рама сварная",
                                 "Труба 20х20", "Эмаль RAL 5005"}));
        g.clickTitle(g.columnByTitle("Вид номенклатуры"));
        EXPECT_EQ(items().sort(), "s_nom DESC, marka ASC");
        EXPECT_EQ(Rows(names().begin(), names().begin() + 2), (Rows{"Лист 2 мм", "Труба 20х20"}));
        g.clickTitle(g.columnByTitle("Себес."));
        EXPECT_EQ(items().sort(), "s_nom DESC, marka ASC");
    });
}

// ---- The item list as a chooser of the line editors ----

struct ChooserMode {
    const char* what;
    const char* caller;
    int tag;
    const char* sql;
    const char* filter;
    const char* choose;  // marka of the row chosen
    std::function<void(Forms&)> preset;
    std::function<Rows(Forms&)> state;
    Rows chosen;
};

class ChooserModes : public Items, public ::testing::WithParamInterface<ChooserMode> {};

TEST_P(ChooserModes, ChoiceGoesIntoTheCallerAndExitChoosesNothing) {
    const ChooserMode& m = GetParam();
    ui::Form& caller = *ui::Application::instance().findForm(m.caller);
    m.preset(*forms);
    Rows before = m.state(*forms);
    inForm(caller, [&] {
        choose(m.tag, m.sql, m.filter, [&] {
            pick(list().DBGridEh1, "marka", m.choose);
            list().Button8.click();
        });
        EXPECT_EQ(m.state(*forms), before);
        choose(m.tag, m.sql, m.filter, [&] {
            pick(list().DBGridEh1, "marka", m.choose);
            list().Button2.click();
            EXPECT_FALSE(list().isShowing());
        });
        EXPECT_EQ(m.state(*forms), m.chosen);
    });
    EXPECT_TRUE(driver.messages.empty());
    EXPECT_EQ(items().sql(), TDataModule6::inventoryItemsText());
    EXPECT_TRUE(list().Button1.isVisible());
    EXPECT_EQ(list().Button2.caption(), "Изменить");
}

const char* const kReceiptQuery =
    "SELECT os.s_caption as s_type, ii.marka, massa, width, ral, ral_cons, thick, ii.id, id_nom,  n.s_caption s_nom, "
    "ii.id_type, ii.id_msm, (select count(pt.id) from  mnf_proc_tech.proc_tech pt where pt.id_inventory_items = "
    "ii.id) as tp_cnt, (CASE ral WHEN true THEN '+' END) as s_ral, m.s_identification, n.s_caption, NULL as "
    "s_caption_gds, 0::t_id as id_gds, 0.0 as cost_price, ii.massa_kg FROM cmn_inventory_items.inventory_items ii "
    "left join cmn_inventory_items.nomenclature n on  ii.id_nom = n.id left join cmn_msm.msm m on ii.id_msm = m.id "
    "left join mnf_operation.operation_state os on os.id = ii.id_type where ii.id_type != 1 and ii.id<>0 order by "
    "ii.marka";
const char* const kRequestLineQuery =
    "select ii.*, (CASE ii.ral WHEN true THEN 'Да' END) as s_ral, it.s_caption as s_type, n.s_caption as s_nom, "
    "s_identification, (select count(pt.id) from  mnf_proc_tech.proc_tech pt where pt.id_inventory_items = ii.id) as "
    "tp_cnt,pt2.id_gds, ii2.marka as s_caption_gds from cmn_inventory_items.inventory_items ii left join "
    "cmn_inventory_items.ii_type it on ii.id_type = it.id left join cmn_inventory_items.nomenclature n on ii.id_nom = "
    "n.id left join  cmn_msm.msm m on m.id = ii.id_msm left join mnf_proc_tech.proc_tech pt2 on "
    "ii.id=pt2.id_inventory_items left join cmn_inventory_items.inventory_items ii2 on ii2.id=pt2.id_gds where "
    "ii.id_type <> 0 and ii.id <> 0 order by ii.marka";
const char* const kPurchaseQuery =
    "select ii.*, (CASE ii.ral WHEN true THEN 'Да' END) as s_ral, it.s_caption as s_type, n.s_caption as s_nom, "
    "s_identification, (select count(pt.id) from  mnf_proc_tech.proc_tech pt where pt.id_inventory_items = ii.id) as "
    "tp_cnt,pt2.id_gds, ii2.marka as s_caption_gds from cmn_inventory_items.inventory_items ii left join "
    "cmn_inventory_items.ii_type it on ii.id_type = it.id left join cmn_inventory_items.nomenclature n on ii.id_nom = "
    "n.id left join  cmn_msm.msm m on m.id = ii.id_msm left join mnf_proc_tech.proc_tech pt2 on "
    "ii.id=pt2.id_inventory_items left join cmn_inventory_items.inventory_items ii2 on ii2.id=pt2.id_gds where "
    "(ii.id_type = 3 or ii.id_type = 0) and ii.id<>0 order by ii.marka";

INSTANTIATE_TEST_SUITE_P(Callers, ChooserModes, ::testing::Values(
    ChooserMode{"ReceiptLine", "TForm40", 4, kReceiptQuery, "", "Труба 20х20",
        [](Forms& f) {
            f.Form40->Edit1.setText("прежний");
            f.Form40->ItemId = 7;
            f.Form40->ItemMsmId = 7;
            f.Form40->Label_msm.setCaption("кг");
        },
        [](Forms& f) {
            return Rows{f.Form40->Edit1.text(), std::to_string(f.Form40->ItemId), std::to_string(f.Form40->ItemMsmId),
                        f.Form40->Label_msm.caption()};
        },
        Rows{"Труба 20х20", "106", "2", "м"}},
    ChooserMode{"RequestLine", "TForm44", 5, kRequestLineQuery, "tp_cnt>0", "Рама сварная",
        [](Forms& f) {
            f.Form44->Edit1.setText("прежний");
            f.Form44->ItemId = 7;
            f.Form44->ItemRal = 0;
            f.Form44->ItemGdsId = 7;
        },
        [](Forms& f) {
            // Both processes of the frame have a material; either row may be the one chosen.
            int gds = f.Form44->ItemGdsId;
            return Rows{f.Form44->Edit1.text(), std::to_string(f.Form44->ItemId), f.Form44->Label_msm.caption(),
                        std::to_string(f.Form44->ItemRal), gds == 101 || gds == 106 ? "материал ТП" : std::to_string(gds)};
        },
        Rows{"Рама сварная", "102", "шт", "1", "материал ТП"}},
    ChooserMode{"PurchaseLine", "TForm63", 63, kPurchaseQuery, "", "Эмаль RAL 5005",
        [](Forms& f) {
            f.Form63->Edit2.setText("прежний");
            f.Form63->PurchaseItemId = 7;
            f.Form63->Label2.setCaption("кг");
        },
        [](Forms& f) {
            return Rows{f.Form63->Edit2.text(), std::to_string(f.Form63->PurchaseItemId), f.Form63->Label2.caption()};
        },
        Rows{"Эмаль RAL 5005", "104", "л"}}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(Items, RequestLineChooserRefusesAnItemWithoutProcessAndStaysOpen) {
    TForm44& line = *forms->Form44;
    inForm(line, [&] {
        choose(5, kRequestLineQuery, "tp_cnt>0", [&] {
            EXPECT_EQ(names(), (Rows{"Рама сварная", "Рама сварная"}));
            // Meanwhile another user removes the frame's processes.
            db->exec("delete from mnf_proc_tech.proc_tech where id_inventory_items = 102");
            pick(list().DBGridEh1, "marka", "Рама сварная");
            clearStatements();
            list().Button2.click();
            EXPECT_TRUE(list().isShowing());
            EXPECT_FALSE(list().pt_cnt.isActive());
        });
    });
    ASSERT_EQ(statements.size(), 1u);
    EXPECT_EQ(statements[0].text,
              "select count(*) as cnt from mnf_proc_tech.proc_tech pt where pt.id_inventory_items = $1");
    EXPECT_EQ(statements[0].params, (ParamValues{std::string("102")}));
    expectOnlyError("Техпроцесс не найден!");
    EXPECT_EQ(line.Edit1.text(), "");
    EXPECT_EQ(line.ItemId, 0);
}

// ---- Opened for one nomenclature group ----

TEST_F(Items, GroupsItemsPresetTheGroupForNewItemsUntilTheListCloses) {
    // The list has served as a chooser before.
    inForm(*forms->Form63, [&] { choose(63, kPurchaseQuery, "", [] {}); });

    // What the nomenclature-group list does for its group "Металл".
    items().setFilter("id_nom=5");
    items().setFiltered(true);
    items().open();
    list().DefaultNom = 5;
    list().Tag = 0;
    inForm(list(), [&] {
        EXPECT_TRUE(list().Button1.isVisible());
        EXPECT_EQ(names(), (Rows{"Лист 2 мм", "Труба 20х20"}));
        // The search looks within the group.
        list().Edit1.replaceText("тр");
        EXPECT_EQ(names(), (Rows{"Труба 20х20"}));
        list().Edit1.replaceText("");
        EXPECT_EQ(names(), (Rows{"Лист 2 мм", "Труба 20х20"}));
        add([&](TForm7& e) {
            EXPECT_EQ(e.combo_nomenclature.keyValue(), "5");
            EXPECT_EQ(e.combo_nomenclature.text(), "Металл");
            fillNew(e, "Лист 3 мм");
        });
        EXPECT_EQ(names(), (Rows{"Лист 2 мм", "Лист 3 мм", "Труба 20х20"}));
    });
    EXPECT_EQ(list().DefaultNom, -1);
    EXPECT_EQ(items().filter(), "id_nom=5");
    items().setFiltered(false);
    items().setFilter({});
    EXPECT_EQ(db->value("select id_nom from cmn_inventory_items.inventory_items where marka = 'Лист 3 мм'"), "5");

    // From the main menu again no group is preset.
    fromMenu("N3", "TForm3", [&] {
        whenShown("TForm7", [&] { EXPECT_EQ(editor().combo_nomenclature.keyValue(), ""); });
        list().Button1.click();
    });
}

} // namespace
} // namespace velt
