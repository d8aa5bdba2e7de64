#include <gtest/gtest.h>

#include <algorithm>

#include "reference/item_chooser.h"
#include "reference/item_list.h"
#include "reference/operation_editor.h"
#include "reference/process_editor.h"
#include "reference/process_list.h"
#include "tests/reference/items_fixture.h"

namespace velt {
namespace {

using test::Rows;

const char* const kProductQuery =
    "select ii.*, (CASE ii.ral WHEN true THEN 'Да' END) as s_ral, it.s_caption as s_type, n.s_caption as s_nom, "
    "s_identification,(select count(pt.id) from  mnf_proc_tech.proc_tech pt where pt.id_inventory_items = ii.id) as "
    "tp_cnt, pt2.id_gds, ii2.marka as s_caption_gds  from cmn_inventory_items.inventory_items ii left join "
    "cmn_inventory_items.ii_type it on ii.id_type = it.id left join cmn_inventory_items.nomenclature n on ii.id_nom = "
    "n.id left join  cmn_msm.msm m on m.id = ii.id_msm left join mnf_proc_tech.proc_tech pt2 on "
    "ii.id=pt2.id_inventory_items left join cmn_inventory_items.inventory_items ii2 on ii2.id=pt2.id_gds where "
    "ii.id_type <> 0";
const char* const kMaterialQuery =
    "select ii.*, (CASE ii.ral WHEN true THEN 'Да' END) as s_ral, it.s_caption as s_type, n.s_caption as s_nom, "
    "s_identification, (select count(pt.id) from  mnf_proc_tech.proc_tech pt where pt.id_inventory_items = ii.id) as "
    "tp_cnt, pt2.id_gds, ii2.marka as s_caption_gds  from cmn_inventory_items.inventory_items ii left join "
    "cmn_inventory_items.ii_type it on ii.id_type = it.id left join cmn_inventory_items.nomenclature n on ii.id_nom = "
    "n.id left join  cmn_msm.msm m on m.id = ii.id_msm left join mnf_proc_tech.proc_tech pt2 on "
    "ii.id=pt2.id_inventory_items left join cmn_inventory_items.inventory_items ii2 on ii2.id=pt2.id_gds where "
    "ii.id_type <> -1";
const char* const kRawMaterialQuery =
    "select ii.*, (CASE ii.ral WHEN true THEN 'Да' END) as s_ral, it.s_caption as s_type, n.s_caption as s_nom, "
    "s_identification, (select count(pt.id) from  mnf_proc_tech.proc_tech pt where pt.id_inventory_items = ii.id) as "
    "tp_cnt, pt2.id_gds, ii2.marka as s_caption_gds  from cmn_inventory_items.inventory_items ii left join "
    "cmn_inventory_items.ii_type it on ii.id_type = it.id left join cmn_inventory_items.nomenclature n on ii.id_nom = "
    "n.id left join  cmn_msm.msm m on m.id = ii.id_msm left join mnf_proc_tech.proc_tech pt2 on "
    "ii.id=pt2.id_inventory_items left join cmn_inventory_items.inventory_items ii2 on ii2.id=pt2.id_gds where "
    "ii.id_type <> 1 and ii.id_type <> 3";

class Processes : public test::ItemsData {
protected:
    TForm4& list() { return *forms->Form4; }
    TForm33& editor() { return *forms->Form33; }
    TForm3& items() { return *forms->Form3; }
    TForm303& second() { return *forms->Form303; }

    void inProcess(const std::string& id, const std::function<void()>& body) {
        pick(list().DBGrid1, "id", id);
        whenShown("TForm33", body);
        list().Button2.click();
    }
    // A chooser button of the editor; `body` acts in the item list it opens.
    void choose(ui::Button& button, const std::string& formName, const std::function<void()>& body) {
        whenShown(formName, body);
        button.click();
    }
    void chooseOnItemList(ui::Button& button, const std::string& marka) {
        choose(button, "TForm3", [&] {
            pick(items().DBGridEh1, "marka", marka);
            items().Button2.click();
        });
    }
    void save(ui::Answer answer = ui::Answer::Yes) {
        driver.answer(answer);
        editor().Button6.click();
    }
    Rows ids() { return column(list().DBGrid1, "Номер"); }
    bool stepsEnabled() {
        return editor().Button1.isEnabled() && editor().Button2.isEnabled() && editor().Button3.isEnabled() &&
               editor().Button4.isEnabled();
    }
    bool stepsDisabled() {
        return !editor().Button1.isEnabled() && !editor().Button2.isEnabled() && !editor().Button3.isEnabled() &&
               !editor().Button4.isEnabled();
    }
};

TEST_F(Processes, NewProcessIsSavedOnceWithTheChosenProductAndMaterial) {
    fromMenu("N4", "TForm4", [&] {
        whenShown("TForm33", [&] {
            EXPECT_EQ(editor().Tag, 1);
            EXPECT_TRUE(stepsDisabled());
            EXPECT_EQ(editor().GroupBox1.caption(), "Техпроцесс № ");
            EXPECT_EQ(editor().price.shownText(), "");
            EXPECT_EQ(forms->DataModule6->operation.recordCount(), 0);

            choose(editor().Button5, "TForm3", [&] {
                EXPECT_EQ(items().Tag, 33);
                EXPECT_FALSE(items().Button1.isVisible());
                EXPECT_FALSE(items().Button3.isVisible());
                EXPECT_EQ(items().Button2.caption(), "Выбрать");
                // Items made in-house only, and never the fixed item 0.
                EXPECT_EQ(column(items().DBGridEh1, "Наименование"),
                          (Rows{"Заготовка рамы", "Кронштейн", "Рама сварная", "Рама сварная", "Эмаль RAL 5005"}));
                pick(items().DBGridEh1, "marka", "Кронштейн");
                items().Button2.click();
            });
            EXPECT_EQ((Rows{editor().Edit2.text(), editor().Edit3.text()}), (Rows{"Кронштейн", "Кронштейн"}));
            EXPECT_EQ(editor().ProductId, 105);
            EXPECT_TRUE(items().Button1.isVisible());
            EXPECT_EQ(items().Button2.caption(), "Изменить");
            EXPECT_EQ(forms->DataModule6->inventory_items.sql(), TDataModule6::inventoryItemsText());
            EXPECT_FALSE(forms->DataModule6->inventory_items.isActive());

            choose(editor().Button7, "TForm3", [&] {
                EXPECT_EQ(items().Tag, 3);
                EXPECT_EQ(items().DBGridEh1.rowCount(), 7);
                pick(items().DBGridEh1, "marka", "Лист 2 мм");
                items().Button2.click();
            });
            EXPECT_EQ(editor().Edit4.text(), "Лист 2 мм");
            EXPECT_EQ(editor().MaterialId, 101);

            EXPECT_TRUE(sent(kProductQuery));
            EXPECT_TRUE(sent(kMaterialQuery));
            editor().Edit3.replaceText(" Кронштейн гнутый ");
            clearStatements();
            save();
            EXPECT_EQ(editor().GroupBox1.caption(), "Техпроцесс № 251");
            EXPECT_EQ(editor().ProcessId, 251);
            EXPECT_EQ(editor().Tag, 0);
            EXPECT_TRUE(stepsEnabled());
            EXPECT_EQ(editor().price.shownText(), "");
            // Nothing changed since: the second press asks nothing and sends nothing.
            editor().Button6.click();
            editor().Button8.click();
        });
        list().Button1.click();
        pick(list().DBGrid1, "id", "251");
        int row = list().DBGrid1.currentRow();
        EXPECT_EQ(list().DBGrid1.cellText(row, list().DBGrid1.columnByTitle("Цена")), "0");
        EXPECT_EQ(list().DBGrid1.cellText(row, list().DBGrid1.columnByTitle("Материал")), "Лист 2 мм");
    });
    EXPECT_EQ(writes(), (Rows{"insert into mnf_proc_tech.proc_tech(s_caption, id_inventory_items, id_gds)VALUES("
                              "'Кронштейн гнутый' ,105 ,101) returning id"}));
    ASSERT_EQ(driver.messages.size(), 1u);
    EXPECT_EQ(driver.messages[0].text, "Сохранить изменения?");
    EXPECT_EQ(driver.messages[0].caption, "Сохраннение");
    EXPECT_EQ(driver.messages[0].icon, ui::Icon::Question);
    EXPECT_EQ(db->rows("select id::text, s_caption, id_inventory_items::text, id_gds::text from mnf_proc_tech.proc_tech"
                       " where id > 250"),
              (std::vector<Rows>{{"251", "Кронштейн гнутый", "105", "101"}}));
}

TEST_F(Processes, NewProcessGoesOnWithItsOwnIdWhenAnotherIsCreatedAtTheSameMoment) {
    // Another user's process is inserted right after ours.
    db->exec("create function other_user_process() returns trigger language plpgsql as $$ begin"
             " if new.s_caption <> 'Чужой' then insert into mnf_proc_tech.proc_tech(s_caption, id_inventory_items,"
             " id_gds) values ('Чужой', 103, 101); end if; return new; end $$");
    db->exec("create trigger other_user after insert on mnf_proc_tech.proc_tech for each row execute function"
             " other_user_process()");
    fromMenu("N4", "TForm4", [&] {
        whenShown("TForm33", [&] {
            chooseOnItemList(editor().Button5, "Кронштейн");
            chooseOnItemList(editor().Button7, "Лист 2 мм");
            save();
            whenShown("TForm10", [&] {
                forms->Form10->Edit2.setText("Резка");
                forms->Form10->TypeId = 301;
                forms->Form10->cb_operation_state.choose("Готовая продукция");
                forms->Form10->Edit3.replaceText("4,25");
                forms->Form10->Button3.click();
            });
            editor().Button1.click();
        });
        list().Button1.click();
        // The list shows the price its steps add up to.
        pick(list().DBGrid1, "s_caption", "Кронштейн");
        EXPECT_EQ(list().DBGrid1.cellText(list().DBGrid1.currentRow(), list().DBGrid1.columnByTitle("Цена")), "4,25");
    });
    std::string ours = db->value("select id from mnf_proc_tech.proc_tech where s_caption = 'Кронштейн'");
    EXPECT_NE(ours, db->value("select id from mnf_proc_tech.proc_tech where s_caption = 'Чужой'"));
    EXPECT_EQ(std::to_string(editor().ProcessId), ours);
    EXPECT_EQ(editor().GroupBox1.caption(), "Техпроцесс № " + ours);
    EXPECT_EQ(db->rows("select id_proc_tech::text from mnf_operation.operation where id > 450"),
              (std::vector<Rows>{{ours}}));
}

TEST_F(Processes, SaveAndExitWithAnEmptyNameShowsTheMessageAndClosesWithoutSaving) {
    fromMenu("N4", "TForm4", [&] {
        inProcess("201", [&] {
            EXPECT_EQ(editor().Tag, 0);
            EXPECT_EQ(editor().GroupBox1.caption(), "Техпроцесс № 201");
            EXPECT_EQ((Rows{editor().Edit2.text(), editor().Edit3.text(), editor().Edit4.text()}),
                      (Rows{"Рама сварная", "Рама из листа", "Лист 2 мм"}));
            EXPECT_TRUE(stepsEnabled());
            EXPECT_EQ(editor().price.shownText(), "50");
            editor().Edit3.replaceText("  ");
            clearStatements();
            editor().Button4.click();
            EXPECT_FALSE(editor().isShowing());
        });
    });
    EXPECT_EQ(writes(), Rows{});
    expectOnlyError("Все поля должны быть заполнены.");
    EXPECT_EQ(db->value("select s_caption from mnf_proc_tech.proc_tech where id = 201"), "Рама из листа");
}

TEST_F(Processes, ChangedHeaderIsUpdatedOnceAndOnlyOnYes) {
    fromMenu("N4", "TForm4", [&] {
        inProcess("201", [&] {
            chooseOnItemList(editor().Button7, "Труба 20х20");
            editor().Edit3.replaceText("Рама из трубы 20");
            clearStatements();
            save(ui::Answer::No);
            EXPECT_EQ(writes(), Rows{});
            save();
            editor().Button6.click();
            editor().Button4.click();
            EXPECT_FALSE(editor().isShowing());
        });
        EXPECT_EQ(column(list().DBGrid1, "Наименование"), (Rows{"Рама из трубы 20", "Рама из трубы"}));
    });
    EXPECT_EQ(writes(), (Rows{"UPDATE mnf_proc_tech.proc_tech SET s_caption='Рама из трубы 20', "
                              "id_inventory_items=102, id_gds=106 where id=201"}));
    EXPECT_EQ(driver.messages.size(), 2u);
}

TEST_F(Processes, ProcessCreatedFromAnItemsRowHasItsProductAndARawMaterial) {
    db->exec("insert into mnf_proc_tech.proc_tech(id, s_caption, id_inventory_items, id_gds) values"
             " (203, 'Кронштейн гнутый', 105, 101)");
    fromMenu("N3", "TForm3", [&] {
        pick(items().DBGridEh1, "marka", "Рама сварная");
        whenShown("TForm4", [&] {
            EXPECT_EQ(list().Tag, 2);
            EXPECT_EQ(list().ItemId, 102);
            EXPECT_EQ(list().ItemMarka, "Рама сварная");
            EXPECT_EQ(ids(), (Rows{"201", "202"}));
            // The search looks among this item's processes only.
            list().Edit1.replaceText("Кр");
            EXPECT_EQ(ids(), Rows{});
            list().Edit1.replaceText("");
            EXPECT_EQ(ids(), (Rows{"201", "202"}));

            whenShown("TForm33", [&] {
                EXPECT_EQ(editor().Tag, 11);
                EXPECT_EQ(editor().Edit2.text(), "Рама сварная");
                EXPECT_EQ(editor().ProductId, 102);
                EXPECT_EQ(editor().MaterialId, 0);
                // The item list is open beneath: the second list offers the choices.
                choose(editor().Button7, "TForm303", [&] {
                    EXPECT_EQ(second().Tag, 3);
                    EXPECT_EQ(second().Button2.caption(), "Выбрать");
                    Rows kinds = column(second().DBGridEh1, "Тип ТМЦ");
                    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), "Заготовка"), 0);
                    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), "Краска"), 0);
                    EXPECT_EQ(column(second().DBGridEh1, "Наименование"),
                              (Rows{"Кронштейн", "Лист 2 мм", "Рама сварная", "Рама сварная", "Труба 20х20"}));
                    pick(second().DBGridEh1, "marka", "Труба 20х20");
                    second().Button2.click();
                });
                EXPECT_EQ(editor().Edit4.text(), "Труба 20х20");
                EXPECT_EQ(editor().MaterialId, 106);
                choose(editor().Button5, "TForm303", [&] {
                    EXPECT_EQ(second().Tag, 33);
                    Rows kinds = column(second().DBGridEh1, "Тип ТМЦ");
                    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), "Покупное"), 0);
                    second().Button8.click();
                });
                EXPECT_EQ(editor().ProductId, 102);
                editor().Edit3.replaceText("Рама из трубы 25");
                save();
            });
            list().Button1.click();
            EXPECT_EQ(ids(), (Rows{"201", "202", "251"}));
        });
        items().DBGridEh1.clickCellButton(items().DBGridEh1.columnByTitle(""));
        EXPECT_TRUE(items().isShowing());
    });
    EXPECT_TRUE(sent(kRawMaterialQuery));
    EXPECT_TRUE(sent(kProductQuery));
    EXPECT_EQ(writes(), (Rows{"insert into mnf_proc_tech.proc_tech(s_caption, id_inventory_items, id_gds)VALUES("
                              "'Рама из трубы 25' ,102 ,106) returning id"}));
    EXPECT_EQ(list().Tag, 0);
    EXPECT_FALSE(forms->DataModule6->proc_tech.isFiltered());
    EXPECT_FALSE(forms->DataModule6->proc_tech.isActive());
}

TEST_F(Processes, ExistingProcessReachedFromTheItemListChoosesItsMaterialOnTheSecondList) {
    fromMenu("N3", "TForm3", [&] {
        pick(items().DBGridEh1, "marka", "Рама сварная");
        whenShown("TForm4", [&] {
            inProcess("201", [&] {
                choose(editor().Button7, "TForm303", [&] {
                    EXPECT_EQ(second().Tag, 3);
                    // Every item but the fixed item 0.
                    EXPECT_EQ(second().DBGridEh1.rowCount(), 7);
                    pick(second().DBGridEh1, "marka", "Заготовка рамы");
                    second().Button2.click();
                });
                save();
            });
        });
        items().DBGridEh1.clickCellButton(items().DBGridEh1.columnByTitle(""));
    });
    EXPECT_TRUE(sent(kMaterialQuery));
    EXPECT_EQ(writes(), (Rows{"UPDATE mnf_proc_tech.proc_tech SET s_caption='Рама из листа', id_inventory_items=102, "
                              "id_gds=103 where id=201"}));
}

TEST_F(Processes, StepNeedsProductAndMaterial) {
    db->exec("insert into mnf_proc_tech.proc_tech(id, s_caption, id_inventory_items, id_gds) values"
             " (204, 'Без материала', 105, 0)");
    fromMenu("N4", "TForm4", [&] {
        inProcess("204", [&] { editor().Button1.click(); });
    });
    EXPECT_EQ(std::count(driver.shownForms.begin(), driver.shownForms.end(), "TForm10"), 0);
    expectOnlyError("Необходимо выбрать издение и материал.");
}

TEST_F(Processes, DeletingAStepLeavesAGapAndTheNextStepGoesAfterTheHighest) {
    fromMenu("N4", "TForm4", [&] {
        inProcess("201", [&] {
            pick(editor().DBGrid1, "orderby", "2");
            clearStatements();
            driver.answer(ui::Answer::No);
            editor().Button3.click();
            EXPECT_EQ(writes(), Rows{});
            driver.answer(ui::Answer::Yes);
            editor().Button3.click();
            EXPECT_EQ(columnByField(editor().DBGrid1, "orderby"), (Rows{"1", "5"}));
            EXPECT_EQ(editor().price.shownText(), "20");
            whenShown("TForm10", [&] { EXPECT_EQ(forms->Form10->Edit1.text(), "6"); });
            editor().Button1.click();
        });
    });
    EXPECT_EQ(writes(), (Rows{"delete from mnf_operation.operation where id=402"}));
    ASSERT_EQ(driver.messages.size(), 2u);
    EXPECT_EQ(driver.messages[1].text, "Удалить строку (будет удалена вся спецификация ТП)?");
    EXPECT_EQ(driver.messages[1].caption, "Удаление");
}

TEST_F(Processes, TitleClicksSortByPriceWithTiesByProductAndNumber) {
    db->exec("insert into mnf_proc_tech.proc_tech(id, s_caption, id_inventory_items, id_gds) values"
             " (203, 'Кронштейн гнутый', 105, 101), (204, 'Заготовка', 103, 101)");
    db->exec("insert into mnf_operation.operation(id_type, id_state, price, id_inventory_items, id_proc_tech, orderby)"
             " values (301, 1, 50, 103, 204, 1)");
    fromMenu("N4", "TForm4", [&] {
        ui::Grid& g = list().DBGrid1;
        EXPECT_EQ(column(g, "Изделие"), (Rows{"Заготовка рамы", "Кронштейн", "Рама сварная", "Рама сварная"}));
        int price = g.columnByTitle("Цена");
        g.clickTitle(price);
        EXPECT_EQ(ids(), (Rows{"204", "201", "203", "202"}));
        EXPECT_EQ(column(g, "Цена"), (Rows{"50", "50", "0", "0"}));
        g.clickTitle(price);
        EXPECT_EQ(ids(), (Rows{"203", "202", "204", "201"}));
        g.clickTitle(g.columnByTitle("Номер"));
        EXPECT_EQ(ids(), (Rows{"204", "203", "202", "201"}));
        g.clickTitle(g.columnByTitle("Материал"));
        EXPECT_EQ(ids(), (Rows{"204", "203", "202", "201"}));
        g.clickTitle(g.columnByTitle("Номер"));
        EXPECT_EQ(ids(), (Rows{"201", "202", "203", "204"}));
        // Product names beginning with the search text.
        list().Edit1.replaceText("Ра");
        EXPECT_EQ(ids(), (Rows{"201", "202"}));
    });
    // The search is applied again when the list is next shown.
    fromMenu("N4", "TForm4", [&] { EXPECT_EQ(ids(), (Rows{"201", "202"})); });
}

TEST_F(Processes, DeletingAProcessDeletesItsSteps) {
    fromMenu("N4", "TForm4", [&] {
        pick(list().DBGrid1, "id", "201");
        clearStatements();
        driver.answer(ui::Answer::Yes);
        list().Button3.click();
        EXPECT_EQ(ids(), (Rows{"202"}));
    });
    EXPECT_EQ(writes(), (Rows{"delete from mnf_proc_tech.proc_tech where id=201"}));
    ASSERT_EQ(driver.messages.size(), 1u);
    EXPECT_EQ(driver.messages[0].text, "Удалить строку (будет удалена вся спецификация ТП)?");
    EXPECT_EQ(db->value("select count(*) from mnf_operation.operation where id_proc_tech = 201"), "0");
}

} // namespace
} // namespace velt
