#include <gtest/gtest.h>

#include <cctype>
#include <ostream>

#include "app/main_window.h"
#include "reference/role_admin.h"
#include "reference/role_editor.h"
#include "reference/role_list.h"
#include "tests/support/app_fixture.h"

namespace velt {
namespace {

using Rows = std::vector<std::string>;

// Four active roles and one that ended.
class Roles : public test::AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        db->exec("insert into adm_role.roles(id, s_name, s_caption, b_active, d_begin, d_end) values"
                 " (30, 'worker', 'Рабочий', true, '2024-01-10', null),"
                 " (31, 'store', 'Складской учёт', true, '2024-02-01', null),"
                 " (32, 'old', 'Архивная', false, '2023-01-01', '2023-06-30'),"
                 " (33, 'stock_gp', 'Склад ГП', true, '2024-03-01', null),"
                 " (34, 'master', 'Мастер склада', true, '2024-03-05', null)");
        connectAsUser();
    }

    TForm32& list() { return *forms->Form32; }
    TForm35& admin() { return *forms->Form35; }
    TForm58& editor() { return *forms->Form58; }

    // "Справочники" → "Администрарование"; `body` acts in the window.
    void administration(const std::function<void()>& body) {
        whenShown("TForm1", [&] { forms->Form1->N20.click(); });
        whenShown("TForm35", body);
        forms->Form1->showModal();
    }
    // "Справочники" → "Роли".
    void roleList(const std::function<void()>& body) {
        whenShown("TForm1", [&] { forms->Form1->N21.click(); });
        whenShown("TForm32", body);
        forms->Form1->showModal();
    }

    static Rows shown(const ui::Grid& g) {
        Rows out;
        for (int r = 0; r < g.rowCount(); ++r) {
            std::string line;
            for (int c = 0; c < int(g.columns.size()); ++c) line += (c ? " | " : "") + g.cellText(r, c);
            out.push_back(line);
        }
        return out;
    }
    static Rows captions(const ui::Grid& g) {
        Rows out;
        for (int r = 0; r < g.rowCount(); ++r) out.push_back(g.cellText(r, 0));
        return out;
    }
    std::string today() const { return DateTime::today().toDateText(); }
};

TEST_F(Roles, AdministrationShowsDatesAndActivity) {
    Rows rows, titles;
    bool addShown = false, deleteShown = false;
    ui::Align activeAlign = ui::Align::Left;
    administration([&] {
        for (auto& c : admin().DBGridEh1.columns) titles.push_back(c.title);
        activeAlign = admin().DBGridEh1.columns.back().align;
        rows = shown(admin().DBGridEh1);
        addShown = admin().Button1.isVisible();
        deleteShown = admin().Button3.isVisible();
    });
    EXPECT_EQ(titles, (Rows{"Наименование", "Системное имя", "Дата начала", "Дата оконч.", "Активна"}));
    EXPECT_EQ(activeAlign, ui::Align::Center);
    EXPECT_EQ(rows, (Rows{"Архивная | old | 01.01.2023 | 30.06.2023 | -", "Мастер склада | master | 05.03.2024 |  | +",
                          "Рабочий | worker | 10.01.2024 |  | +", "Склад ГП | stock_gp | 01.03.2024 |  | +",
                          "Складской учёт | store | 01.02.2024 |  | +"}));
    EXPECT_TRUE(addShown);
    EXPECT_TRUE(deleteShown);
    EXPECT_FALSE(forms->DataModule6->role.isActive());
}

struct Activation {
    const char* label;
    const char* role;
    bool wasActive;
    bool tick;  // "Активна" when saved
    const char* statement;
    const char* begin;  // "today" for the server's date
    const char* end;
    const char* active;
};
void PrintTo(const Activation& c, std::ostream* os) { *os << '"' << c.label << '"'; }

class RoleActivation : public Roles, public ::testing::WithParamInterface<Activation> {};

TEST_P(RoleActivation, SavingSetsTheDatesByTheFlag) {
    const Activation& c = GetParam();
    int before = -1, after = -1;
    Rows row;
    administration([&] {
        ui::Grid& g = admin().DBGridEh1;
        ASSERT_TRUE(g.findRow("s_caption", c.role));
        before = g.currentRow();
        whenShown("TForm58", [&] {
            EXPECT_EQ(editor().Tag, 1);
            EXPECT_EQ(editor().Edit2.text(), c.role);
            EXPECT_EQ(editor().CheckBox1.isChecked(), c.wasActive);
            editor().CheckBox1.setCheckedByUser(c.tick);
            clearStatements();
            editor().Button5.click();
            EXPECT_FALSE(editor().isShowing());
        });
        admin().Button2.click();
        after = g.currentRow();
        row = {g.cellText(after, g.columnByTitle("Дата начала")), g.cellText(after, g.columnByTitle("Дата оконч.")),
               g.cellText(after, g.columnByTitle("Активна"))};
    });
    EXPECT_EQ(writes(), Rows{c.statement});
    EXPECT_EQ(after, before);
    std::string begin = std::string(c.begin) == "today" ? today() : c.begin;
    std::string end = std::string(c.end) == "today" ? today() : c.end;
    EXPECT_EQ(row, (Rows{begin, end, c.active}));
}

INSTANTIATE_TEST_SUITE_P(Roles, RoleActivation, ::testing::Values(
    Activation{"Deactivate", "Рабочий", true, false,
               "UPDATE adm_role.roles SET s_caption='Рабочий', s_name= 'worker', b_active= 0::t_boolean, "
               "d_end=now()::t_date where id=30",
               "10.01.2024", "today", "-"},
    Activation{"ActivateAgain", "Архивная", false, true,
               "UPDATE adm_role.roles SET s_caption='Архивная', s_name= 'old', b_active= 1::t_boolean, "
               "d_begin=now()::t_date, d_end=NULL where id=32",
               "today", "", "+"},
    Activation{"SaveActiveUnchanged", "Складской учёт", true, true,
               "UPDATE adm_role.roles SET s_caption='Складской учёт', s_name= 'store', b_active= 1::t_boolean, "
               "d_begin=now()::t_date, d_end=NULL where id=31",
               "today", "", "+"}),
    [](const auto& info) { return std::string(info.param.label); });

struct NewRole {
    const char* label;
    bool active;
    const char* statement;
    Rows stored;  // s_caption, s_name, b_active, begins today, d_end empty
};
void PrintTo(const NewRole& c, std::ostream* os) { *os << '"' << c.label << '"'; }

class NewRoles : public Roles, public ::testing::WithParamInterface<NewRole> {};

TEST_P(NewRoles, AddThenSaveAddsARowAndLeavesTheCurrentRoleUntouched) {
    const NewRole& c = GetParam();
    auto current = db->rows("select * from adm_role.roles where id = 31");
    Rows listed;
    administration([&] {
        ui::Grid& g = admin().DBGridEh1;
        // An inactive role looked at and left with Escape first: nothing of it may carry over.
        ASSERT_TRUE(g.findRow("s_caption", "Архивная"));
        whenShown("TForm58", [&] { editor().Edit1.pressKey(ui::Key::Escape); });
        admin().Button2.click();
        ASSERT_TRUE(g.findRow("s_caption", "Складской учёт"));
        whenShown("TForm58", [&] {
            EXPECT_EQ(editor().Tag, 0);
            EXPECT_EQ(editor().Edit1.text(), "");
            EXPECT_EQ(editor().Edit2.text(), "");
            EXPECT_TRUE(editor().CheckBox1.isChecked());
            editor().Edit2.replaceText(" Мастер участка ");
            editor().Edit1.replaceText("foreman");
            editor().CheckBox1.setCheckedByUser(c.active);
            clearStatements();
            editor().Button5.click();
        });
        admin().Button1.click();
        listed = captions(g);
    });
    EXPECT_EQ(writes(), Rows{c.statement});
    EXPECT_EQ(db->rows("select s_caption, s_name, b_active::text, (d_begin = current_date)::text, coalesce(d_end::text, '')"
                       " from adm_role.roles where s_name = 'foreman'"),
              std::vector<Rows>{c.stored});
    EXPECT_EQ(db->rows("select * from adm_role.roles where id = 31"), current);
    EXPECT_EQ(db->value("select count(*) from adm_role.roles"), "6");
    EXPECT_EQ(listed, (Rows{"Архивная", "Мастер склада", "Мастер участка", "Рабочий", "Склад ГП", "Складской учёт"}));
}

INSTANTIATE_TEST_SUITE_P(Roles, NewRoles, ::testing::Values(
    NewRole{"Active", true,
            "INSERT INTO adm_role.roles(s_name, s_caption, d_begin, b_active)VALUES('foreman', 'Мастер участка', "
            "now()::t_date, 1::t_boolean)",
            {"Мастер участка", "foreman", "true", "true", ""}},
    NewRole{"Inactive", false,
            "INSERT INTO adm_role.roles(s_name, s_caption, d_begin, b_active)VALUES('foreman', 'Мастер участка', "
            "now()::t_date, 0::t_boolean)",
            {"Мастер участка", "foreman", "false", "true", ""}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(Roles, QuotesAreStoredAsTyped) {
    administration([&] {
        whenShown("TForm58", [&] {
            editor().Edit2.replaceText("Мастер \"ОТК\"");
            editor().Edit1.replaceText("o'tk");
            clearStatements();
            editor().Button5.click();
        });
        admin().Button1.click();
    });
    EXPECT_EQ(writes(), (Rows{"INSERT INTO adm_role.roles(s_name, s_caption, d_begin, b_active)VALUES('o''tk', "
                              "'Мастер \"ОТК\"', now()::t_date, 1::t_boolean)"}));
    EXPECT_EQ(db->value("select s_caption from adm_role.roles where s_name = 'o''tk'"), "Мастер \"ОТК\"");
}

struct Blank {
    const char* label;
    const char* caption;
    const char* name;
};
void PrintTo(const Blank& c, std::ostream* os) { *os << '"' << c.label << '"'; }

class RoleBlanks : public Roles, public ::testing::WithParamInterface<Blank> {};

TEST_P(RoleBlanks, AreRefusedAndNothingIsWritten) {
    const Blank& c = GetParam();
    administration([&] {
        ASSERT_TRUE(admin().DBGridEh1.findRow("s_caption", "Рабочий"));
        whenShown("TForm58", [&] {
            editor().Edit2.replaceText(c.caption);
            editor().Edit1.replaceText(c.name);
            clearStatements();
            editor().Button5.click();
            EXPECT_TRUE(editor().isShowing());
        });
        admin().Button2.click();
    });
    expectOnlyError("Все поля должны быть заполнены!");
    EXPECT_TRUE(writes().empty());
    EXPECT_EQ(db->rows("select s_caption, s_name from adm_role.roles where id = 30"),
              (std::vector<Rows>{{"Рабочий", "worker"}}));
}

INSTANTIATE_TEST_SUITE_P(Roles, RoleBlanks, ::testing::Values(
    Blank{"NoCaption", "  ", "worker"},
    Blank{"NoSystemName", "Рабочий", " "},
    Blank{"Neither", "", ""}),
    [](const auto& info) { return std::string(info.param.label); });

struct Search {
    const char* typed;
    Rows captions;
};
void PrintTo(const Search& c, std::ostream* os) { *os << '"' << c.typed << '"'; }

class RoleSearch : public Roles, public ::testing::WithParamInterface<Search> {};

TEST_P(RoleSearch, NarrowsTheRoleListByTheBeginningOfTheCaption) {
    Rows found, titles;
    roleList([&] {
        for (auto& c : list().DBGrid1.columns) titles.push_back(c.title);
        list().Edit1.replaceText(GetParam().typed);
        found = captions(list().DBGrid1);
    });
    EXPECT_EQ(titles, (Rows{"Наименование", "Системное имя"}));
    EXPECT_EQ(found, GetParam().captions);
}

INSTANTIATE_TEST_SUITE_P(Roles, RoleSearch, ::testing::Values(
    Search{"Скл", {"Склад ГП", "Складской учёт"}},  // not "Мастер склада"
    Search{"Мастер", {"Мастер склада"}},
    Search{"Нет", {}},
    Search{"", {"Архивная", "Мастер склада", "Рабочий", "Склад ГП", "Складской учёт"}}));

TEST_F(Roles, UpAndDownInTheSearchBoxMoveTheRoleList) {
    // Each key and the row it leaves current.
    const std::vector<std::pair<ui::Key, int>> steps = {
        {ui::Key::Down, 1}, {ui::Key::Down, 2}, {ui::Key::Up, 1}, {ui::Key::Up, 0}, {ui::Key::Up, 0},
        {ui::Key::Down, 1}, {ui::Key::Down, 2}, {ui::Key::Down, 3}, {ui::Key::Down, 4}, {ui::Key::Down, 4}};
    std::vector<int> rows;
    std::string text;
    roleList([&] {
        list().Edit1.replaceText("");
        for (auto& [key, expected] : steps) {
            list().Edit1.pressKey(key);
            rows.push_back(list().DBGrid1.currentRow());
        }
        text = list().Edit1.text();
        // Within a search the keys stay inside the rows found.
        list().Edit1.replaceText("Скл");
        list().Edit1.pressKey(ui::Key::Down);
        list().Edit1.pressKey(ui::Key::Down);
        rows.push_back(list().DBGrid1.currentRow());
        rows.push_back(list().DBGrid1.rowCount());
    });
    std::vector<int> expected;
    for (auto& s : steps) expected.push_back(s.second);
    expected.push_back(1);
    expected.push_back(2);
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(text, "");
}

TEST_F(Roles, SearchInTheRoleListIsGoneForTheAdministration) {
    roleList([&] { list().Edit1.replaceText("Скл"); });
    Rows rows;
    administration([&] { rows = captions(admin().DBGridEh1); });
    EXPECT_EQ(rows.size(), 5u);
    EXPECT_EQ(list().Edit1.text(), "");
}

TEST_F(Roles, RoleListChangesAndAddsThroughTheRoleEditor) {
    int before = -1, after = -1;
    Rows rows;
    roleList([&] {
        ui::Grid& g = list().DBGrid1;
        ASSERT_TRUE(g.findRow("s_caption", "Рабочий"));
        before = g.currentRow();
        whenShown("TForm58", [&] {
            EXPECT_EQ(editor().Tag, 1);
            EXPECT_EQ(editor().Edit1.text(), "worker");
            editor().Edit1.replaceText("shop_worker");
            editor().Button5.click();
        });
        g.dblClick();
        after = g.currentRow();
        whenShown("TForm58", [&] {
            EXPECT_EQ(editor().Tag, 0);
            EXPECT_EQ(editor().Edit1.text(), "");
            editor().Edit2.replaceText("Наладчик");
            editor().Edit1.replaceText("setter");
            editor().Button5.click();
        });
        list().Button5.click();
        rows = shown(g);
    });
    EXPECT_EQ(writes(), (Rows{"UPDATE adm_role.roles SET s_caption='Рабочий', s_name= 'shop_worker', b_active= "
                              "1::t_boolean, d_begin=now()::t_date, d_end=NULL where id=30",
                              "INSERT INTO adm_role.roles(s_name, s_caption, d_begin, b_active)VALUES('setter', "
                              "'Наладчик', now()::t_date, 1::t_boolean)"}));
    EXPECT_EQ(after, before);
    EXPECT_EQ(rows, (Rows{"Архивная | old", "Мастер склада | master", "Наладчик | setter", "Рабочий | shop_worker",
                          "Склад ГП | stock_gp", "Складской учёт | store"}));
}

struct DeleteCase {
    const char* label;
    bool fromList;  // the role list, else the administration
    ui::Answer answer;
    bool held;  // a person carries the role
    Rows writes;
    Rows messages;
    int rolesAfter;
    const char* currentAfter;
};
void PrintTo(const DeleteCase& c, std::ostream* os) { *os << '"' << c.label << '"'; }

class RoleDelete : public Roles, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(RoleDelete, AsksAndDeletesOnlyARoleNobodyCarries) {
    const DeleteCase& c = GetParam();
    if (c.held)
        db->exec("insert into cmn_contractor.person(s_caption, id_staffpos, id_department, id_role)"
                 " values ('Иванов', 0, 0, 33)");
    std::string current;
    auto act = [&](ui::Grid& g, ui::Button& remove) {
        ASSERT_TRUE(g.findRow("s_caption", "Склад ГП"));
        clearStatements();
        driver.answer(c.answer);
        remove.click();
        current = g.cellText(g.currentRow(), 0);
    };
    if (c.fromList) roleList([&] { act(list().DBGrid1, list().Button3); });
    else administration([&] { act(admin().DBGridEh1, admin().Button3); });
    Rows messages;
    for (auto& m : driver.messages) messages.push_back(m.caption + ": " + m.text);
    EXPECT_EQ(messages, c.messages);
    EXPECT_EQ(driver.messages[0].buttons, ui::Buttons::YesNo);
    EXPECT_EQ(writes(), c.writes);
    EXPECT_EQ(db->value("select count(*) from adm_role.roles"), std::to_string(c.rolesAfter));
    EXPECT_EQ(current, c.currentAfter);
}

INSTANTIATE_TEST_SUITE_P(Roles, RoleDelete, ::testing::Values(
    DeleteCase{"ListYes", true, ui::Answer::Yes, false, {"delete from adm_role.roles where id=33"},
               {"Удаление: Удалить строку?"}, 4, "Складской учёт"},
    DeleteCase{"AdministrationYes", false, ui::Answer::Yes, false, {"delete from adm_role.roles where id=33"},
               {"Удаление: Удалить строку?"}, 4, "Складской учёт"},
    DeleteCase{"AdministrationNo", false, ui::Answer::No, false, {}, {"Удаление: Удалить строку?"}, 5, "Склад ГП"},
    DeleteCase{"HeldByAPerson", true, ui::Answer::Yes, true, {},
               {"Удаление: Удалить строку?", "Ошибка: Роль назначена сотрудникам, удаление невозможно!"}, 5,
               "Склад ГП"}),
    [](const auto& info) { return std::string(info.param.label); });

} // namespace
} // namespace velt
