#include <gtest/gtest.h>

#include <cctype>
#include <ostream>

#include "app/main_window.h"
#include "reference/department_editor.h"
#include "reference/department_list.h"
#include "tests/support/app_fixture.h"

namespace velt {
namespace {

using Rows = std::vector<std::string>;

// A plant with a few departments under "Завод", one of each warehouse kind, and one
// department whose parent is gone.
class Departments : public test::AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        db->exec("insert into cmn_department.department(id, s_caption, s_description, id_parent, type, s_type) values"
                 " (10, 'Завод', 'Головное', 0, -1, ''),"
                 " (11, 'Цех №1', 'Механический', 10, -1, ''),"
                 " (12, 'Склад ГП', 'Готовая продукция', 10, 0, 'Склад ГП'),"
                 " (13, 'Склад заготовок', '', 10, 1, 'Склад заготовок'),"
                 " (14, 'Склад сырья №1', 'Металл', 10, 2, 'Склад сырья'),"
                 " (15, 'Отдел снабжения', '', 16, -1, ''),"
                 " (16, 'Управление', '', 0, -1, ''),"
                 " (17, 'Сирота', '', 999, -1, ''),"
                 " (18, 'Бывший Склад', '', 0, -1, '')");
        connectAsUser();
    }

    TForm30& list() { return *forms->Form30; }
    TForm31& editor() { return *forms->Form31; }

    // Opens the list through "Справочники" → "Подразделения"; `body` acts in it.
    void departments(const std::function<void()>& body) {
        whenShown("TForm1", [&] { forms->Form1->N19.click(); });
        whenShown("TForm30", body);
        forms->Form1->showModal();
    }
    // In the list: makes the named department current and opens it with "Изменить".
    void change(const std::string& name, const std::function<void()>& inEditor) {
        ASSERT_TRUE(list().DBGrid1.findRow("s_caption", name)) << name;
        whenShown("TForm31", inEditor);
        list().Button2.click();
    }
    void add(const std::function<void()>& inEditor) {
        whenShown("TForm31", inEditor);
        list().Button5.click();
    }

    // Each row as shown: name | note | parent | kind.
    Rows shown() const {
        Rows out;
        const ui::Grid& g = forms->Form30->DBGrid1;
        for (int r = 0; r < g.rowCount(); ++r)
            out.push_back(g.cellText(r, 0) + " | " + g.cellText(r, 1) + " | " + g.cellText(r, 2) + " | " +
                          g.cellText(r, 3));
        return out;
    }
    Rows names() const {
        Rows out;
        const ui::Grid& g = forms->Form30->DBGrid1;
        for (int r = 0; r < g.rowCount(); ++r) out.push_back(g.cellText(r, 0));
        return out;
    }
    std::vector<std::vector<std::string>> stored(const std::string& name) const {
        return db->rows("select id_parent, type, s_type, s_description from cmn_department.department where s_caption = '" +
                        name + "'");
    }
};

TEST_F(Departments, ListShowsItsColumnsAndLeavesOutDepartmentsWhoseParentIsMissing) {
    Rows rows;
    std::vector<std::string> titles;
    departments([&] {
        for (auto& c : list().DBGrid1.columns) titles.push_back(c.title);
        rows = shown();
    });
    EXPECT_EQ(titles, (Rows{"Наименование", "Примечание", "Род.  подразделение", "Тип склада"}));
    EXPECT_EQ(rows, (Rows{"Бывший Склад |  |  | ", "Завод | Головное |  | ", "Отдел снабжения |  | Управление | ",
                          "Склад ГП | Готовая продукция | Завод | Склад ГП", "Склад заготовок |  | Завод | Склад заготовок",
                          "Склад сырья №1 | Металл | Завод | Склад сырья", "Управление |  |  | ",
                          "Цех №1 | Механический | Завод | "}));
    // The menu closes the shared dataset behind the list.
    EXPECT_FALSE(forms->DataModule6->department.isActive());
}

// What was opened in the editor before the raw-materials warehouse.
struct Before {
    const char* label;
    const char* opened;  // department changed before (nullptr: "Добавить", "": nothing)
    bool untick;         // "Склад" unticked there before "Отмена"
};
void PrintTo(const Before& c, std::ostream* os) { *os << '"' << c.label << '"'; }

class RawWarehouseAfter : public Departments, public ::testing::WithParamInterface<Before> {};

TEST_P(RawWarehouseAfter, ShowsItsKindAndSavingUnchangedKeepsIt) {
    const Before& c = GetParam();
    int rowBefore = -1, rowAfter = -1;
    departments([&] {
        auto cancel = [&] {
            if (c.untick) editor().CheckBox1.toggle();
            editor().Button2.click();
        };
        if (!c.opened) add(cancel);
        else if (*c.opened) change(c.opened, cancel);
        ASSERT_TRUE(list().DBGrid1.findRow("s_caption", "Склад сырья №1"));
        rowBefore = list().DBGrid1.currentRow();
        whenShown("TForm31", [&] {
            EXPECT_EQ(editor().Tag, 0);
            EXPECT_EQ(editor().Edit1.text(), "Склад сырья №1");
            EXPECT_EQ(editor().Edit2.text(), "Металл");
            EXPECT_TRUE(editor().CheckBox1.isChecked());
            EXPECT_EQ(editor().type_combo.itemIndex(), 2);
            EXPECT_EQ(editor().type_combo.text(), "Склад сырья");
            EXPECT_TRUE(editor().type_combo.isEnabled());
            EXPECT_TRUE(editor().Label3.isEnabled());
            EXPECT_EQ(editor().p_department.text(), "Завод");
            clearStatements();
            editor().Button1.click();
            EXPECT_FALSE(editor().isShowing());
        });
        list().Button2.click();
        rowAfter = list().DBGrid1.currentRow();
    });
    EXPECT_EQ(writes(), (Rows{"UPDATE cmn_department.department SET s_caption='Склад сырья №1', s_description='Металл', "
                              "id_parent=10, type='2', s_type='Склад сырья' where id=14"}));
    EXPECT_EQ(stored("Склад сырья №1"), (std::vector<Rows>{{"10", "2", "Склад сырья", "Металл"}}));
    EXPECT_EQ(rowAfter, rowBefore);
}

INSTANTIATE_TEST_SUITE_P(Departments, RawWarehouseAfter, ::testing::Values(
    Before{"Nothing", "", false},
    Before{"NewDepartment", nullptr, false},
    Before{"NotAWarehouse", "Цех №1", false},
    Before{"FinishedGoods", "Склад ГП", false},
    Before{"Blanks", "Склад заготовок", false},
    Before{"ItselfUntickedAndCancelled", "Склад сырья №1", true}),
    [](const auto& info) { return std::string(info.param.label); });

struct KindChange {
    const char* label;
    const char* department;
    bool toggle;         // clicks "Склад"
    const char* choose;  // then picks this kind ("" none)
    bool boxEnabled;     // the kind box and its label afterwards
    int index;           // the kind box's item afterwards
    const char* statement;
    Rows stored;         // type, s_type
};
void PrintTo(const KindChange& c, std::ostream* os) { *os << '"' << c.label << '"'; }

class KindChanges : public Departments, public ::testing::WithParamInterface<KindChange> {};

TEST_P(KindChanges, FollowTheWarehouseTick) {
    const KindChange& c = GetParam();
    departments([&] {
        ASSERT_TRUE(list().DBGrid1.findRow("s_caption", c.department));
        whenShown("TForm31", [&] {
            if (c.toggle) editor().CheckBox1.toggle();
            if (*c.choose) editor().type_combo.choose(c.choose);
            EXPECT_EQ(editor().type_combo.isEnabled(), c.boxEnabled);
            EXPECT_EQ(editor().Label3.isEnabled(), c.boxEnabled);
            EXPECT_EQ(editor().type_combo.itemIndex(), c.index);
            clearStatements();
            editor().Button1.click();
        });
        list().DBGrid1.dblClick();
    });
    EXPECT_EQ(writes(), Rows{c.statement});
    auto row = db->rows("select type, s_type from cmn_department.department where s_caption = '" +
                        std::string(c.department) + "'");
    EXPECT_EQ(row, std::vector<Rows>{c.stored});
}

INSTANTIATE_TEST_SUITE_P(Departments, KindChanges, ::testing::Values(
    KindChange{"UntickRawWarehouse", "Склад сырья №1", true, "", false, -1,
               "UPDATE cmn_department.department SET s_caption='Склад сырья №1', s_description='Металл', id_parent=10, "
               "type='-1', s_type='' where id=14",
               {"-1", ""}},
    KindChange{"UntickFinishedGoods", "Склад ГП", true, "", false, -1,
               "UPDATE cmn_department.department SET s_caption='Склад ГП', s_description='Готовая продукция', "
               "id_parent=10, type='-1', s_type='' where id=12",
               {"-1", ""}},
    KindChange{"TickOffersFinishedGoods", "Цех №1", true, "", true, 0,
               "UPDATE cmn_department.department SET s_caption='Цех №1', s_description='Механический', id_parent=10, "
               "type='0', s_type='Склад ГП' where id=11",
               {"0", "Склад ГП"}},
    KindChange{"TickAndPickBlanks", "Цех №1", true, "Склад заготовок", true, 1,
               "UPDATE cmn_department.department SET s_caption='Цех №1', s_description='Механический', id_parent=10, "
               "type='1', s_type='Склад заготовок' where id=11",
               {"1", "Склад заготовок"}},
    KindChange{"PickAnotherKind", "Склад заготовок", false, "Склад сырья", true, 2,
               "UPDATE cmn_department.department SET s_caption='Склад заготовок', s_description='', id_parent=10, "
               "type='2', s_type='Склад сырья' where id=13",
               {"2", "Склад сырья"}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(Departments, NewDepartmentWithoutParentStoresZeroAndIsListed) {
    Rows rows;
    departments([&] {
        add([&] {
            EXPECT_EQ(editor().Tag, 1);
            EXPECT_EQ(editor().Edit1.text(), "");
            EXPECT_FALSE(editor().CheckBox1.isChecked());
            EXPECT_FALSE(editor().type_combo.isEnabled());
            EXPECT_FALSE(editor().Label3.isEnabled());
            EXPECT_EQ(editor().type_combo.itemIndex(), -1);
            EXPECT_FALSE(editor().p_department.hasKey());
            editor().Edit1.replaceText("  Цех №2 ");
            editor().Edit2.replaceText(" Сборка");
            clearStatements();
            editor().Button1.click();
            EXPECT_FALSE(editor().isShowing());
        });
        rows = shown();
    });
    EXPECT_EQ(writes(), (Rows{"insert into cmn_department.department(s_caption, s_description, id_parent, type, s_type)"
                              "VALUES('Цех №2' ,'Сборка', 0, -1,'')"}));
    EXPECT_EQ(stored("Цех №2"), (std::vector<Rows>{{"0", "-1", "", "Сборка"}}));
    EXPECT_NE(std::find(rows.begin(), rows.end(), "Цех №2 | Сборка |  | "), rows.end());
}

TEST_F(Departments, AddOffersTheParentLastShownAndClearsTheRest) {
    Rows rows;
    departments([&] {
        change("Склад сырья №1", [&] { editor().Button2.click(); });
        add([&] {
            EXPECT_EQ(editor().Edit1.text(), "");
            EXPECT_EQ(editor().Edit2.text(), "");
            EXPECT_FALSE(editor().CheckBox1.isChecked());
            EXPECT_EQ(editor().type_combo.itemIndex(), -1);
            EXPECT_EQ(editor().p_department.text(), "Завод");
            editor().Edit1.replaceText("Склад сырья №2");
            editor().CheckBox1.toggle();
            editor().type_combo.choose("Склад сырья");
            clearStatements();
            editor().Button1.click();
        });
        rows = shown();
    });
    EXPECT_EQ(writes(), (Rows{"insert into cmn_department.department(s_caption, s_description, id_parent, type, s_type)"
                              "VALUES('Склад сырья №2' ,'', 10, 2,'Склад сырья')"}));
    EXPECT_NE(std::find(rows.begin(), rows.end(), "Склад сырья №2 |  | Завод | Склад сырья"), rows.end());
}

TEST_F(Departments, ParentChosenInTheBoxIsStored) {
    departments([&] {
        change("Отдел снабжения", [&] {
            EXPECT_EQ(editor().p_department.text(), "Управление");
            editor().p_department.choose("Завод");
            clearStatements();
            editor().Button1.click();
        });
    });
    EXPECT_EQ(writes(), (Rows{"UPDATE cmn_department.department SET s_caption='Отдел снабжения', s_description='', "
                              "id_parent=10, type='-1', s_type='' where id=15"}));
}

TEST_F(Departments, KeptParentDeletedMeanwhileCountsAsNone) {
    Rows rows;
    departments([&] {
        change("Отдел снабжения", [&] { editor().Button2.click(); });
        // Another workstation moves the department and removes its former parent.
        db->exec("update cmn_department.department set id_parent = 0 where id = 15;"
                 "delete from cmn_department.department where id = 16");
        add([&] {
            EXPECT_EQ(editor().p_department.text(), "");
            editor().Edit1.replaceText("Отдел кадров");
            clearStatements();
            editor().Button1.click();
        });
        rows = names();
    });
    EXPECT_EQ(writes(), (Rows{"insert into cmn_department.department(s_caption, s_description, id_parent, type, s_type)"
                              "VALUES('Отдел кадров' ,'', 0, -1,'')"}));
    EXPECT_NE(std::find(rows.begin(), rows.end(), "Отдел кадров"), rows.end());
}

struct Quoted {
    const char* label;
    const char* name;
    const char* note;
    const char* statement;
    const char* search;  // typed into the search box afterwards
};
void PrintTo(const Quoted& c, std::ostream* os) { *os << '"' << c.label << '"'; }

class QuotedTexts : public Departments, public ::testing::WithParamInterface<Quoted> {};

TEST_P(QuotedTexts, AreStoredAsTypedAndListed) {
    const Quoted& c = GetParam();
    Rows found;
    departments([&] {
        add([&] {
            editor().Edit1.replaceText(c.name);
            editor().Edit2.replaceText(c.note);
            clearStatements();
            editor().Button1.click();
            EXPECT_FALSE(editor().isShowing());
        });
        list().Edit1.replaceText(c.search);
        found = shown();
    });
    EXPECT_EQ(writes(), Rows{c.statement});
    EXPECT_EQ(db->rows("select s_caption, s_description from cmn_department.department where id_parent = 0 and type = -1"
                       " and id not in (10, 16, 18)"),
              (std::vector<Rows>{{c.name, c.note}}));
    EXPECT_EQ(found, Rows{std::string(c.name) + " | " + c.note + " |  | "});
    EXPECT_TRUE(driver.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Departments, QuotedTexts, ::testing::Values(
    Quoted{"DoubleQuotes", "ООО \"Ромашка\"", "O'Neil",
           "insert into cmn_department.department(s_caption, s_description, id_parent, type, s_type)"
           "VALUES('ООО \"Ромашка\"' ,'O''Neil', 0, -1,'')",
           "ООО \"Ром"},
    Quoted{"Apostrophe", "Цех Д'Артаньяна", "'; drop table cmn_department.department; --",
           "insert into cmn_department.department(s_caption, s_description, id_parent, type, s_type)"
           "VALUES('Цех Д''Артаньяна' ,'''; drop table cmn_department.department; --', 0, -1,'')",
           "Цех Д'"}),
    [](const auto& info) { return std::string(info.param.label); });

struct Blank {
    const char* label;
    bool adding;
};
void PrintTo(const Blank& c, std::ostream* os) { *os << '"' << c.label << '"'; }

class BlankName : public Departments, public ::testing::WithParamInterface<Blank> {};

TEST_P(BlankName, IsRefusedAndNothingIsWritten) {
    departments([&] {
        auto inEditor = [&] {
            editor().Edit1.replaceText("   ");
            editor().Edit2.replaceText("Что-то");
            clearStatements();
            editor().Button1.click();
            EXPECT_TRUE(editor().isShowing());
        };
        if (GetParam().adding) add(inEditor);
        else change("Цех №1", inEditor);
    });
    expectOnlyError("Все поля должны быть заполнены!");
    EXPECT_TRUE(writes().empty());
    EXPECT_EQ(db->value("select count(*) from cmn_department.department"), "10");
    EXPECT_EQ(db->value("select s_description from cmn_department.department where id = 11"), "Механический");
}

INSTANTIATE_TEST_SUITE_P(Departments, BlankName, ::testing::Values(Blank{"Adding", true}, Blank{"Changing", false}),
                         [](const auto& info) { return std::string(info.param.label); });

struct Search {
    const char* typed;
    Rows names;
};
void PrintTo(const Search& c, std::ostream* os) { *os << '"' << c.typed << '"'; }

class DepartmentSearch : public Departments, public ::testing::WithParamInterface<Search> {};

TEST_P(DepartmentSearch, NarrowsToNamesBeginningWithTheText) {
    Rows found, afterClearing;
    departments([&] {
        list().Edit1.replaceText(GetParam().typed);
        found = names();
        list().Edit1.replaceText("");
        afterClearing = names();
    });
    EXPECT_EQ(found, GetParam().names);
    EXPECT_EQ(afterClearing.size(), 8u);
}

INSTANTIATE_TEST_SUITE_P(Departments, DepartmentSearch, ::testing::Values(
    Search{"Склад", {"Склад ГП", "Склад заготовок", "Склад сырья №1"}},
    Search{"Склад с", {"Склад сырья №1"}},
    Search{"Цех", {"Цех №1"}},
    Search{"Сирота", {}},
    Search{"", {"Бывший Склад", "Завод", "Отдел снабжения", "Склад ГП", "Склад заготовок", "Склад сырья №1",
                "Управление", "Цех №1"}}));

TEST_F(Departments, SearchIsGoneWhenTheListIsOpenedAgain) {
    departments([&] { list().Edit1.replaceText("Склад"); });
    Rows again;
    std::string box = "?";
    departments([&] {
        box = list().Edit1.text();
        again = names();
    });
    EXPECT_EQ(box, "");
    EXPECT_EQ(again.size(), 8u);
    EXPECT_FALSE(forms->DataModule6->department.isFiltered());
}

TEST_F(Departments, EmptyListOffersNothingToChangeOrDelete) {
    departments([&] {
        list().Edit1.replaceText("Нет такого");
        clearStatements();
        list().Button2.click();
        list().DBGrid1.dblClick();
        list().Button3.click();
    });
    EXPECT_TRUE(driver.messages.empty());
    EXPECT_TRUE(statements.empty());
}

struct DeleteCase {
    const char* label;
    ui::Answer answer;
    Rows writes;
    Rows namesAfter;
    const char* currentAfter;
};
void PrintTo(const DeleteCase& c, std::ostream* os) { *os << '"' << c.label << '"'; }

class DepartmentDelete : public Departments, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DepartmentDelete, AsksAndActsOnlyOnYes) {
    const DeleteCase& c = GetParam();
    Rows after;
    std::string current;
    departments([&] {
        ASSERT_TRUE(list().DBGrid1.findRow("s_caption", "Склад заготовок"));
        clearStatements();
        driver.answer(c.answer);
        list().Button3.click();
        after = names();
        current = list().DBGrid1.cellText(list().DBGrid1.currentRow(), 0);
    });
    ASSERT_EQ(driver.messages.size(), 1u);
    EXPECT_EQ(driver.messages[0].text, "Удалить строку?");
    EXPECT_EQ(driver.messages[0].caption, "Удаление");
    EXPECT_EQ(driver.messages[0].icon, ui::Icon::Question);
    EXPECT_EQ(driver.messages[0].buttons, ui::Buttons::YesNo);
    EXPECT_EQ(writes(), c.writes);
    EXPECT_EQ(after, c.namesAfter);
    // Back on the row number it was on.
    EXPECT_EQ(current, c.currentAfter);
}

INSTANTIATE_TEST_SUITE_P(Departments, DepartmentDelete, ::testing::Values(
    DeleteCase{"Yes", ui::Answer::Yes, {"delete from cmn_department.department where id=13"},
               {"Бывший Склад", "Завод", "Отдел снабжения", "Склад ГП", "Склад сырья №1", "Управление", "Цех №1"},
               "Склад сырья №1"},
    DeleteCase{"No", ui::Answer::No, {},
               {"Бывший Склад", "Завод", "Отдел снабжения", "Склад ГП", "Склад заготовок", "Склад сырья №1",
                "Управление", "Цех №1"},
               "Склад заготовок"}),
    [](const auto& info) { return std::string(info.param.label); });

struct InUse {
    const char* label;
    const char* department;
    const char* use;  // what refers to it
};
void PrintTo(const InUse& c, std::ostream* os) { *os << '"' << c.label << '"'; }

class DepartmentInUse : public Departments, public ::testing::WithParamInterface<InUse> {};

TEST_P(DepartmentInUse, IsNotDeleted) {
    const InUse& c = GetParam();
    db->exec(c.use);
    Rows after;
    departments([&] {
        ASSERT_TRUE(list().DBGrid1.findRow("s_caption", c.department));
        clearStatements();
        driver.answer(ui::Answer::Yes);
        list().Button3.click();
        after = names();
    });
    ASSERT_EQ(driver.messages.size(), 2u);
    EXPECT_EQ(driver.messages[1].text,
              "Подразделение используется (подразделения, должности, персонал, номенклатура или склад), "
              "удаление невозможно!");
    EXPECT_EQ(driver.messages[1].caption, "Ошибка");
    EXPECT_EQ(driver.messages[1].icon, ui::Icon::Stop);
    EXPECT_TRUE(writes().empty());
    EXPECT_EQ(db->value("select count(*) from cmn_department.department where s_caption = '" +
                        std::string(c.department) + "'"),
              "1");
    EXPECT_NE(std::find(after.begin(), after.end(), c.department), after.end());
}

INSTANTIATE_TEST_SUITE_P(Departments, DepartmentInUse, ::testing::Values(
    InUse{"ParentOfOthers", "Управление", "select 1"},
    InUse{"Position", "Цех №1",
          "insert into hrms_staffpos.staffpos(s_caption, s_description, id_department) values ('Токарь', '', 11)"},
    InUse{"Person", "Цех №1",
          "insert into cmn_contractor.person(s_caption, id_staffpos, id_department, id_role) values ('Иванов', 0, 11, 0)"},
    InUse{"NomenclatureGroup", "Склад сырья №1",
          "insert into cmn_inventory_items.nomenclature(s_caption, id_department) values ('Металл', 14)"},
    InUse{"Stock", "Склад сырья №1",
          "insert into cmn_inventory_items.inventory_items(id, marka, id_type, id_msm) values (5, 'Лист', 0, 4);"
          "insert into stk_stocks.stock(id_stock, id_ii, id_ral, count, price) values (14, 5, 0, 3, 10)"}),
    [](const auto& info) { return std::string(info.param.label); });

} // namespace
} // namespace velt
