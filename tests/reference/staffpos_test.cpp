#include <gtest/gtest.h>

#include <cctype>
#include <ostream>

#include "app/main_window.h"
#include "reference/staffpos_editor.h"
#include "reference/staffpos_list.h"
#include "tests/support/app_fixture.h"

namespace velt {
namespace {

using Rows = std::vector<std::string>;

// Two departments with three positions, and one position whose department is gone.
class Positions : public test::AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        db->exec("insert into cmn_department.department(id, s_caption, s_description, id_parent, type, s_type) values"
                 " (10, 'Цех №1', '', 0, -1, ''), (11, 'Склад сырья', '', 0, 2, 'Склад сырья');"
                 "insert into hrms_staffpos.staffpos(id, s_caption, s_description, id_department) values"
                 " (20, 'Слесарь', 'Сборка узлов', 10), (21, 'Кладовщик', '', 11), (22, 'Токарь', '', 10),"
                 " (23, 'Призрак', '', 999), (24, 'Старший кладовщик', '', 11)");
        connectAsUser();
    }

    TForm26& list() { return *forms->Form26; }
    TForm27& editor() { return *forms->Form27; }

    // Opens the list through "Справочники" → "Должности"; `body` acts in it.
    void positions(const std::function<void()>& body) {
        whenShown("TForm1", [&] { forms->Form1->N8.click(); });
        whenShown("TForm26", body);
        forms->Form1->showModal();
    }
    void change(const std::string& name, const std::function<void()>& inEditor) {
        ASSERT_TRUE(list().DBGrid1.findRow("s_caption", name)) << name;
        whenShown("TForm27", inEditor);
        list().Button2.click();
    }
    void add(const std::function<void()>& inEditor) {
        whenShown("TForm27", inEditor);
        list().Button1.click();
    }

    // Each row as shown: name | description | department.
    Rows shown() const {
        Rows out;
        const ui::Grid& g = forms->Form26->DBGrid1;
        for (int r = 0; r < g.rowCount(); ++r)
            out.push_back(g.cellText(r, 0) + " | " + g.cellText(r, 1) + " | " + g.cellText(r, 2));
        return out;
    }
    Rows names() const {
        Rows out;
        const ui::Grid& g = forms->Form26->DBGrid1;
        for (int r = 0; r < g.rowCount(); ++r) out.push_back(g.cellText(r, 0));
        return out;
    }
};

TEST_F(Positions, ListShowsPositionsWithTheirDepartmentOnly) {
    Rows rows;
    std::vector<std::string> titles;
    positions([&] {
        for (auto& c : list().DBGrid1.columns) titles.push_back(c.title);
        rows = shown();
    });
    EXPECT_EQ(titles, (Rows{"Наименование", "Описание", "Подразделение"}));
    EXPECT_EQ(rows, (Rows{"Кладовщик |  | Склад сырья", "Слесарь | Сборка узлов | Цех №1",
                          "Старший кладовщик |  | Склад сырья", "Токарь |  | Цех №1"}));
    EXPECT_FALSE(forms->DataModule6->staffpos.isActive());
}

TEST_F(Positions, SavedWithoutDepartmentStoresZeroAndIsListed) {
    Rows rows;
    positions([&] {
        add([&] {
            EXPECT_EQ(editor().Tag, 1);
            EXPECT_FALSE(editor().p_department.hasKey());
            editor().Edit1.replaceText(" Уборщик ");
            clearStatements();
            editor().Button1.click();
            EXPECT_FALSE(editor().isShowing());
        });
        rows = shown();
    });
    EXPECT_EQ(writes(), (Rows{"insert into hrms_staffpos.staffpos(s_caption, s_description, id_department)"
                              "VALUES('Уборщик' ,'', 0)"}));
    EXPECT_EQ(db->value("select id_department from hrms_staffpos.staffpos where s_caption = 'Уборщик'"), "0");
    // Listed through the fixed department 0, whose caption is empty.
    EXPECT_NE(std::find(rows.begin(), rows.end(), "Уборщик |  | "), rows.end());
}

TEST_F(Positions, AddOffersTheDepartmentLastShownAndClearsTheRest) {
    Rows rows;
    positions([&] {
        change("Кладовщик", [&] { editor().Button2.click(); });
        add([&] {
            EXPECT_EQ(editor().Edit1.text(), "");
            EXPECT_EQ(editor().Edit2.text(), "");
            EXPECT_EQ(editor().p_department.text(), "Склад сырья");
            editor().Edit1.replaceText("Грузчик");
            editor().Edit2.replaceText("Погрузка");
            clearStatements();
            editor().Button1.click();
        });
        rows = shown();
    });
    EXPECT_EQ(writes(), (Rows{"insert into hrms_staffpos.staffpos(s_caption, s_description, id_department)"
                              "VALUES('Грузчик' ,'Погрузка', 11)"}));
    EXPECT_NE(std::find(rows.begin(), rows.end(), "Грузчик | Погрузка | Склад сырья"), rows.end());
}

TEST_F(Positions, ChangeStoresTheBoxesAndReturnsToTheRow) {
    int before = -1, after = -1;
    Rows rows;
    positions([&] {
        ASSERT_TRUE(list().DBGrid1.findRow("s_caption", "Слесарь"));
        before = list().DBGrid1.currentRow();
        change("Слесарь", [&] {
            EXPECT_EQ(editor().Tag, 0);
            EXPECT_EQ(editor().Edit1.text(), "Слесарь");
            EXPECT_EQ(editor().Edit2.text(), "Сборка узлов");
            EXPECT_EQ(editor().p_department.text(), "Цех №1");
            editor().Edit1.replaceText("Слесарь-сборщик ");
            editor().p_department.choose("Склад сырья");
            clearStatements();
            editor().Button1.click();
        });
        after = list().DBGrid1.currentRow();
        rows = shown();
    });
    EXPECT_EQ(writes(), (Rows{"UPDATE hrms_staffpos.staffpos SET s_caption='Слесарь-сборщик', s_description='Сборка узлов', "
                              "id_department=11 where id=20"}));
    EXPECT_EQ(db->rows("select s_caption, id_department from hrms_staffpos.staffpos where id = 20"),
              (std::vector<Rows>{{"Слесарь-сборщик", "11"}}));
    EXPECT_EQ(after, before);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[before], "Слесарь-сборщик | Сборка узлов | Склад сырья");
    // The editor's own department list is closed again.
    EXPECT_FALSE(editor().cb_department.isActive());
}

TEST_F(Positions, QuotesAreStoredAsTypedAndListed) {
    Rows found;
    positions([&] {
        change("Токарь", [&] {
            editor().Edit1.replaceText("Токарь \"6 разряда\"");
            editor().Edit2.replaceText("Д'Артаньян");
            clearStatements();
            editor().Button1.click();
        });
        list().Edit1.replaceText("Токарь \"");
        found = shown();
    });
    EXPECT_EQ(writes(), (Rows{"UPDATE hrms_staffpos.staffpos SET s_caption='Токарь \"6 разряда\"', "
                              "s_description='Д''Артаньян', id_department=10 where id=22"}));
    EXPECT_EQ(db->rows("select s_caption, s_description from hrms_staffpos.staffpos where id = 22"),
              (std::vector<Rows>{{"Токарь \"6 разряда\"", "Д'Артаньян"}}));
    EXPECT_EQ(found, (Rows{"Токарь \"6 разряда\" | Д'Артаньян | Цех №1"}));
}

TEST_F(Positions, BlankNameIsRefusedAndNothingIsWritten) {
    positions([&] {
        add([&] {
            editor().Edit1.replaceText("  ");
            editor().Edit2.replaceText("Без имени");
            clearStatements();
            editor().Button1.click();
            EXPECT_TRUE(editor().isShowing());
        });
    });
    expectOnlyError("Все поля должны быть заполнены!");
    EXPECT_TRUE(writes().empty());
    EXPECT_EQ(db->value("select count(*) from hrms_staffpos.staffpos"), "5");
}

struct Search {
    const char* typed;
    Rows names;
};
void PrintTo(const Search& c, std::ostream* os) { *os << '"' << c.typed << '"'; }

class PositionSearch : public Positions, public ::testing::WithParamInterface<Search> {};

TEST_P(PositionSearch, NarrowsToNamesBeginningWithTheText) {
    Rows found, afterClearing;
    positions([&] {
        list().Edit1.replaceText(GetParam().typed);
        found = names();
        list().Edit1.replaceText("");
        afterClearing = names();
    });
    EXPECT_EQ(found, GetParam().names);
    EXPECT_EQ(afterClearing.size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(Positions, PositionSearch, ::testing::Values(
    Search{"Кладовщик", {"Кладовщик"}},  // not "Старший кладовщик"
    Search{"С", {"Слесарь", "Старший кладовщик"}},
    Search{"Призрак", {}},
    Search{"", {"Кладовщик", "Слесарь", "Старший кладовщик", "Токарь"}}));

TEST_F(Positions, SearchIsGoneWhenTheListIsOpenedAgain) {
    positions([&] { list().Edit1.replaceText("Токарь"); });
    Rows again;
    positions([&] { again = names(); });
    EXPECT_EQ(again.size(), 4u);
    EXPECT_EQ(list().Edit1.text(), "");
}

struct DeleteCase {
    const char* label;
    ui::Answer answer;
    bool held;  // a person holds the position
    Rows writes;
    Rows messages;
    Rows namesAfter;
};
void PrintTo(const DeleteCase& c, std::ostream* os) { *os << '"' << c.label << '"'; }

class PositionDelete : public Positions, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(PositionDelete, AsksAndActsOnlyOnYesForAFreePosition) {
    const DeleteCase& c = GetParam();
    if (c.held)
        db->exec("insert into cmn_contractor.person(s_caption, id_staffpos, id_department, id_role)"
                 " values ('Иванов', 21, 11, 0)");
    Rows after;
    std::string current;
    positions([&] {
        ASSERT_TRUE(list().DBGrid1.findRow("s_caption", "Кладовщик"));
        clearStatements();
        driver.answer(c.answer);
        list().Button3.click();
        after = names();
        current = list().DBGrid1.cellText(list().DBGrid1.currentRow(), 0);
    });
    Rows messages;
    for (auto& m : driver.messages) messages.push_back(m.caption + ": " + m.text);
    EXPECT_EQ(messages, c.messages);
    EXPECT_EQ(driver.messages[0].buttons, ui::Buttons::YesNo);
    EXPECT_EQ(driver.messages[0].icon, ui::Icon::Question);
    EXPECT_EQ(writes(), c.writes);
    EXPECT_EQ(after, c.namesAfter);
    EXPECT_EQ(current, after[0]);  // the first row stays current
}

INSTANTIATE_TEST_SUITE_P(Positions, PositionDelete, ::testing::Values(
    DeleteCase{"Yes", ui::Answer::Yes, false, {"delete from hrms_staffpos.staffpos where id=21"},
               {"Удаление: Удалить строку?"}, {"Слесарь", "Старший кладовщик", "Токарь"}},
    DeleteCase{"No", ui::Answer::No, false, {}, {"Удаление: Удалить строку?"},
               {"Кладовщик", "Слесарь", "Старший кладовщик", "Токарь"}},
    DeleteCase{"HeldByAPerson", ui::Answer::Yes, true, {},
               {"Удаление: Удалить строку?", "Ошибка: Должность занята сотрудниками, удаление невозможно!"},
               {"Кладовщик", "Слесарь", "Старший кладовщик", "Токарь"}}),
    [](const auto& info) { return std::string(info.param.label); });

} // namespace
} // namespace velt
