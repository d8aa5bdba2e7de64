#include <gtest/gtest.h>

#include "reference/item_editor.h"
#include "reference/item_list.h"
#include "reference/nomenclature_editor.h"
#include "reference/nomenclature_list.h"
#include "tests/reference/reference_fixture.h"

namespace velt {
namespace {

using Rows = std::vector<std::string>;

class Groups : public test::ReferenceTest {
protected:
    TForm28& list() { return *forms->Form28; }
    TForm29& editor() { return *forms->Form29; }
    void groups(const std::function<void()>& body) { fromMenu(forms->Form1->N9, "TForm28", body); }
    Rows shown() { return test::ReferenceTest::shownRows(list().DBGridEh1, 2); }
    void seed() {
        db->exec("insert into cmn_department.department(id, s_caption, s_description, id_parent, type, s_type) values"
                 " (10, 'Склад сырья', '', 0, 2, 'Склад сырья'), (11, 'Цех №1', '', 0, -1, '');"
                 "insert into cmn_inventory_items.nomenclature(id, s_caption, id_department) values"
                 " (60, 'Листовой прокат', 10), (61, 'Прокат круглый ', 10), (62, 'Краски', 11)");
    }
};

struct AddCase {
    const char* name;
    const char* typed;
    const char* department;  // the lookup entry chosen; nullptr chooses none
    const char* stored;
    const char* idDepartment;
    const char* statement;  // where the name holds no quote
};

void PrintTo(const AddCase& c, std::ostream* os) { *os << c.name; }

class GroupAdd : public Groups, public ::testing::WithParamInterface<AddCase> {};

TEST_P(GroupAdd, IsStoredAndListedWithItsDepartment) {
    const AddCase& c = GetParam();
    db->exec("insert into cmn_department.department(id, s_caption, s_description, id_parent, type, s_type) values"
             " (10, 'Склад сырья', '', 0, 2, 'Склад сырья')");
    groups([&] {
        whenShown("TForm29", [&] {
            EXPECT_EQ(editor().Tag, 1);
            EXPECT_EQ(editor().Edit1.text(), "");
            editor().Edit1.replaceText(c.typed);
            if (c.department) editor().p_department.choose(c.department);
            clearStatements();
            editor().Button1.click();
            EXPECT_FALSE(editor().isShowing());
        });
        list().Button5.click();
        EXPECT_EQ(shown(), Rows{std::string(c.stored) + " | " + (c.department ? c.department : "")});
    });
    if (*c.statement) {
        EXPECT_EQ(writes(), Rows{c.statement});
    }
    EXPECT_EQ(db->rows("select s_caption, id_department from cmn_inventory_items.nomenclature"),
              (std::vector<Rows>{{c.stored, c.idDepartment}}));
}

INSTANTIATE_TEST_SUITE_P(Cases, GroupAdd, ::testing::Values(
    AddCase{"with_department", " Листовой прокат ", "Склад сырья", "Листовой прокат", "10",
            "insert into cmn_inventory_items.nomenclature(s_caption, id_department)VALUES('Листовой прокат' ,10)"},
    AddCase{"without_department", "Прочее", nullptr, "Прочее", "0",
            "insert into cmn_inventory_items.nomenclature(s_caption, id_department)VALUES('Прочее' ,0)"},
    AddCase{"quotes_as_typed", "Профиль \"Омега\" O'Key", "Склад сырья", "Профиль \"Омега\" O'Key", "10", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Groups, ChangeReturnsToTheRowAndAddOffersTheLastDepartment) {
    seed();
    groups([&] {
        EXPECT_EQ(shown(), (Rows{"Краски | Цех №1", "Листовой прокат | Склад сырья", "Прокат круглый  | Склад сырья"}));
        list().DBGridEh1.chooseRow(2);
        whenShown("TForm29", [&] {
            EXPECT_EQ(editor().Tag, 0);
            EXPECT_EQ(editor().Edit1.text(), "Прокат круглый");
            EXPECT_EQ(editor().p_department.text(), "Склад сырья");
            editor().Edit1.replaceText("Арматура");
            editor().p_department.choose("Цех №1");
            clearStatements();
            editor().Button1.click();
        });
        list().DBGridEh1.dblClick();
        // The list comes back on the row number, where another group now stands by name.
        EXPECT_EQ(list().DBGridEh1.currentRow(), 2);
        EXPECT_EQ(shown(), (Rows{"Арматура | Цех №1", "Краски | Цех №1", "Листовой прокат | Склад сырья"}));
        EXPECT_EQ(writes(), Rows{"UPDATE cmn_inventory_items.nomenclature SET s_caption='Арматура', id_department=11 "
                                 "where id=61"});
        whenShown("TForm29", [&] {
            EXPECT_EQ(editor().Edit1.text(), "");
            EXPECT_EQ(editor().p_department.text(), "Цех №1");
            editor().Button2.click();
        });
        list().Button5.click();
    });
    EXPECT_EQ(db->value("select count(*) from cmn_inventory_items.nomenclature"), "3");
}

TEST_F(Groups, EditorOffersDepartmentsAddedSinceItWasLastShown) {
    groups([&] {
        whenShown("TForm29", [&] { editor().Button2.click(); });
        list().Button5.click();
        db->exec("insert into cmn_department.department(id, s_caption, s_description, id_parent, type, s_type) values"
                 " (12, 'Склад ГП', '', 0, 0, 'Склад ГП')");
        whenShown("TForm29", [&] {
            editor().p_department.choose("Склад ГП");
            editor().Edit1.replaceText("Изделия");
            editor().Button1.click();
        });
        list().Button5.click();
    });
    EXPECT_EQ(db->value("select id_department from cmn_inventory_items.nomenclature"), "12");
}

TEST_F(Groups, EmptyNameIsRefused) {
    groups([&] {
        whenShown("TForm29", [&] {
            editor().Edit1.replaceText("  ");
            clearStatements();
            editor().Button1.click();
            EXPECT_TRUE(editor().isShowing());
            editor().Button2.click();
        });
        list().Button5.click();
    });
    expectOnlyError("Все поля должны быть заполнены!");
    EXPECT_EQ(writes(), Rows{});
}

TEST_F(Groups, DeleteAsksAndReturnsToTheRowNumber) {
    seed();
    groups([&] {
        list().DBGridEh1.chooseRow(1);
        clearStatements();
        driver.answer(ui::Answer::No);
        list().Button3.click();
        EXPECT_EQ(writes(), Rows{});
        driver.answer(ui::Answer::Yes);
        list().Button3.click();
        EXPECT_EQ(shown(), (Rows{"Краски | Цех №1", "Прокат круглый  | Склад сырья"}));
        EXPECT_EQ(list().DBGridEh1.currentRow(), 1);
    });
    ASSERT_EQ(driver.messages.size(), 2u);
    EXPECT_EQ(driver.messages[1].text, "Удалить строку?");
    EXPECT_EQ(driver.messages[1].caption, "Удаление");
    EXPECT_EQ(driver.messages[1].buttons, ui::Buttons::YesNo);
    EXPECT_EQ(writes(), Rows{"delete from cmn_inventory_items.nomenclature where id=60"});
}

TEST_F(Groups, SearchMatchesTheBeginningOfTheName) {
    seed();
    groups([&] {
        list().Edit1.replaceText("Прокат");
        EXPECT_EQ(shown(), Rows{"Прокат круглый  | Склад сырья"});
        list().Edit1.replaceText("кра");
        EXPECT_EQ(shown(), Rows{"Краски | Цех №1"});
        list().Edit1.replaceText("");
        EXPECT_EQ(shown().size(), 3u);
    });
}

TEST_F(Groups, ItemsOfAGroupDefaultNewItemsToItUntilTheListCloses) {
    seed();
    db->exec("insert into cmn_inventory_items.inventory_items(id, marka, id_nom, id_type, id_msm) values"
             " (70, 'Лист 2 мм', 60, 0, 4), (71, 'Круг 20', 61, 0, 4)");
    TForm3& items = *forms->Form3;
    TForm7& item = *forms->Form7;
    Query& shared = forms->DataModule6->inventory_items;
    groups([&] {
        list().DBGridEh1.chooseRow(1);  // "Листовой прокат"
        whenShown("TForm3", [&] {
            EXPECT_EQ(items.Tag, 0);
            EXPECT_EQ(items.DefaultNom, 60);
            EXPECT_EQ(shared.filter(), "id_nom=60");
            EXPECT_EQ(test::ReferenceTest::shownRows(items.DBGridEh1, 2), Rows{"Лист 2 мм | Листовой прокат"});
            whenShown("TForm7", [&] {
                EXPECT_EQ(item.combo_nomenclature.keyValue(), "60");
                EXPECT_EQ(item.combo_nomenclature.text(), "Листовой прокат");
                item.Edit1.replaceText("Лист 3 мм");
                item.cb_operation_state.choose("Покупное");
                item.cb_msm.choose("шт");
                item.Button1.click();
            });
            items.Button1.click();
            EXPECT_EQ(test::ReferenceTest::shownRows(items.DBGridEh1, 2),
                      (Rows{"Лист 2 мм | Листовой прокат", "Лист 3 мм | Листовой прокат"}));
            items.Button8.click();
        });
        list().DBGridEh1.clickCellButton(2);
        EXPECT_EQ(items.DefaultNom, -1);
        EXPECT_FALSE(shared.isActive());
        EXPECT_FALSE(shared.isFiltered());
        EXPECT_EQ(shared.filter(), "");
    });
    EXPECT_EQ(db->value("select id_nom from cmn_inventory_items.inventory_items where marka = 'Лист 3 мм'"), "60");
    // From the main menu the item list has every item again and no default group.
    fromMenu(forms->Form1->N3, "TForm3", [&] {
        EXPECT_EQ(items.DBGridEh1.rowCount(), 3);
        whenShown("TForm7", [&] {
            EXPECT_FALSE(item.combo_nomenclature.hasKey());
            item.Button2.click();
        });
        items.Button1.click();
    });
}

TEST_F(Groups, EmptyListOffersNothingToChangeDeleteOrOpen) {
    groups([&] {
        clearStatements();
        list().Button2.click();
        list().Button3.click();
        list().DBGridEh1.clickCellButton(2);
        EXPECT_TRUE(list().isShowing());
    });
    EXPECT_TRUE(driver.messages.empty());
    EXPECT_EQ(writes(), Rows{});
    EXPECT_EQ(driver.shownForms, (Rows{"TForm1", "TForm28"}));
}

} // namespace
} // namespace velt
