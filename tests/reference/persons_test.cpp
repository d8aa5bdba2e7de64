#include <gtest/gtest.h>

#include <algorithm>

#include "reference/person_editor.h"
#include "reference/person_list.h"
#include "sales/sales_request_editor.h"
#include "sales/shipping_request_editor.h"
#include "shopfloor/shift_record.h"
#include "supply/purchase_request_editor.h"
#include "tests/reference/reference_fixture.h"

namespace velt {
namespace {

using Rows = std::vector<std::string>;

std::string trim(const std::string& s) {
    auto b = s.find_first_not_of(' ');
    return b == std::string::npos ? std::string() : s.substr(b, s.find_last_not_of(' ') - b + 1);
}

// Two departments, positions and roles, and three employees listed by full name.
class Persons : public test::ReferenceTest {
protected:
    void SetUp() override {
        ReferenceTest::SetUp();
        db->exec("insert into cmn_department.department(id, s_caption, s_description, id_parent, type, s_type) values"
                 " (10, 'Цех №1', '', 0, -1, ''), (11, 'Склад сырья', '', 0, 2, 'Склад сырья');"
                 "insert into hrms_staffpos.staffpos(id, s_caption, s_description, id_department) values"
                 " (20, 'Слесарь', '', 10), (21, 'Кладовщик', '', 11);"
                 "insert into adm_role.roles(id, s_name, s_caption, b_active) values"
                 " (30, 'worker', 'Рабочий', true), (31, 'store', 'Складской учёт', true);"
                 "insert into cmn_contractor.person(id, s_caption, s_second_name, s_first_name, s_third_name,"
                 " id_staffpos, id_department, id_role) values"
                 " (40, 'Иванов Пётр Сергеевич', 'Иванов', 'Пётр', 'Сергеевич', 20, 10, 30),"
                 " (41, 'Петров Иван Ильич', 'Петров ', ' Иван', 'Ильич', 21, 11, 31),"
                 " (42, 'Сидорова Анна Ивановна', 'Сидорова', 'Анна', 'Ивановна', 20, 10, 30)");
    }
    TForm5& list() { return *forms->Form5; }
    TForm2& editor() { return *forms->Form2; }
    void personnel(const std::function<void()>& body) { fromMenu(forms->Form1->N1, "TForm5", body); }
    Rows names() {
        Rows out;
        for (int r = 0; r < list().DBGrid1.rowCount(); ++r) out.push_back(list().DBGrid1.cellText(r, 0));
        return out;
    }
};

struct NameCase {
    const char* name;
    const char* surname;
    const char* first;
    const char* patronymic;
    const char* full;
    const char* statement;  // the insert sent, where the parts hold no quote
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.name; }

class PersonNames : public Persons, public ::testing::WithParamInterface<NameCase> {};

TEST_P(PersonNames, FullNameIsTheTrimmedPartsSurnameFirst) {
    const NameCase& c = GetParam();
    Rows shown;
    personnel([&] {
        whenShown("TForm2", [&] {
            EXPECT_EQ(editor().caption(), "Заведение данных нового работника");
            EXPECT_EQ(editor().Tag, 1);
            editor().Edit1.replaceText(c.surname);
            editor().Edit2.replaceText(c.first);
            editor().Edit3.replaceText(c.patronymic);
            editor().LCB_department.choose("Цех №1");
            editor().LCB_staffpos.choose("Слесарь");
            editor().LCB_roles.choose("Рабочий");
            clearStatements();
            editor().Button1.click();
            EXPECT_FALSE(editor().isShowing());
        });
        list().Button1.click();
        shown = test::ReferenceTest::shownRows(list().DBGrid1, 4);
    });
    if (*c.statement) {
        EXPECT_EQ(writes(), Rows{c.statement});
    }
    EXPECT_EQ(db->rows("select s_caption, s_second_name, s_first_name, s_third_name, b_employee, id_staffpos,"
                       " id_department, id_role from cmn_contractor.person where id not in (40, 41, 42)"),
              (std::vector<Rows>{{c.full, trim(c.surname), trim(c.first), trim(c.patronymic), "t", "20", "10", "30"}}));
    EXPECT_NE(std::find(shown.begin(), shown.end(), std::string(c.full) + " | Слесарь | Цех №1 | Рабочий"), shown.end());
}

INSTANTIATE_TEST_SUITE_P(Cases, PersonNames, ::testing::Values(
    NameCase{"blanks_around_parts", "  Сидоров ", " Алексей", "Петрович  ", "Сидоров Алексей Петрович",
             "INSERT INTO cmn_contractor.person (s_caption, s_second_name, s_first_name, s_third_name, id_staffpos, "
             "id_department, id_role)VALUES('Сидоров Алексей Петрович', 'Сидоров', 'Алексей', 'Петрович', 20, 10, 30)"},
    NameCase{"quotes_as_typed", "O'Neil", "Джон", "\"Младший\"", "O'Neil Джон \"Младший\"", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Persons, ChangeRebuildsTheNameAndAddKeepsTheLookupsOfTheLastUse) {
    personnel([&] {
        EXPECT_EQ(names(), (Rows{"Иванов Пётр Сергеевич", "Петров Иван Ильич", "Сидорова Анна Ивановна"}));
        list().DBGrid1.chooseRow(1);
        whenShown("TForm2", [&] {
            EXPECT_EQ(editor().caption(), "Изменение данных работника");
            EXPECT_EQ(editor().Tag, 2);
            EXPECT_EQ((Rows{editor().Edit1.text(), editor().Edit2.text(), editor().Edit3.text()}),
                      (Rows{"Петров", "Иван", "Ильич"}));
            EXPECT_EQ((Rows{editor().LCB_department.text(), editor().LCB_staffpos.text(), editor().LCB_roles.text()}),
                      (Rows{"Склад сырья", "Кладовщик", "Складской учёт"}));
            editor().Edit2.replaceText("Илья");
            editor().LCB_roles.choose("Рабочий");
            clearStatements();
            editor().Button1.click();
        });
        list().DBGrid1.dblClick();
        EXPECT_EQ(list().DBGrid1.currentRow(), 1);
        EXPECT_EQ(list().DBGrid1.cellText(1, 0), "Петров Илья Ильич");
        EXPECT_EQ(list().DBGrid1.cellText(1, 3), "Рабочий");

        whenShown("TForm2", [&] {
            EXPECT_EQ((Rows{editor().Edit1.text(), editor().Edit2.text(), editor().Edit3.text()}), (Rows{"", "", ""}));
            EXPECT_EQ((Rows{editor().LCB_department.text(), editor().LCB_staffpos.text(), editor().LCB_roles.text()}),
                      (Rows{"Склад сырья", "Кладовщик", "Рабочий"}));
            editor().Button2.click();
        });
        list().Button1.click();
    });
    EXPECT_EQ(writes(), (Rows{"UPDATE cmn_contractor.person SET s_caption='Петров Илья Ильич', s_second_name='Петров', "
                              "s_first_name='Илья', s_third_name='Ильич', id_staffpos=21, id_department=11, id_role=30 "
                              "where cmn_contractor.person.id=41"}));
    EXPECT_EQ(db->value("select count(*) from cmn_contractor.person"), "3");
}

struct EmptyBoxCase {
    const char* name;
    int box;  // 0..2 the name parts, 3..5 department, position, role
    bool nameless;  // a lookup pointing at the department without a name
};

void PrintTo(const EmptyBoxCase& c, std::ostream* os) { *os << c.name; }

class PersonEmptyBox : public Persons, public ::testing::WithParamInterface<EmptyBoxCase> {};

TEST_P(PersonEmptyBox, IsRefusedAndNothingIsSent) {
    const EmptyBoxCase& c = GetParam();
    personnel([&] {
        whenShown("TForm2", [&] {
            TForm2& e = editor();
            ui::Edit* parts[] = {&e.Edit1, &e.Edit2, &e.Edit3};
            const char* texts[] = {"Смирнов", "Олег", "Иванович"};
            for (int i = 0; i < 3; ++i) parts[i]->replaceText(c.box == i ? "   " : texts[i]);
            if (c.box != 3 || c.nameless) e.LCB_department.choose(c.nameless ? "" : "Цех №1");
            if (c.box != 4) e.LCB_staffpos.choose("Слесарь");
            if (c.box != 5) e.LCB_roles.choose("Рабочий");
            clearStatements();
            e.Button1.click();
            EXPECT_TRUE(e.isShowing());
            e.Button2.click();
        });
        list().Button1.click();
    });
    expectOnlyError("Все поля должны быть заполнены!");
    EXPECT_EQ(writes(), Rows{});
    EXPECT_EQ(db->value("select count(*) from cmn_contractor.person"), "3");
}

INSTANTIATE_TEST_SUITE_P(Cases, PersonEmptyBox, ::testing::Values(
    EmptyBoxCase{"surname", 0, false}, EmptyBoxCase{"first_name", 1, false}, EmptyBoxCase{"patronymic", 2, false},
    EmptyBoxCase{"department", 3, false}, EmptyBoxCase{"department_without_name", 3, true},
    EmptyBoxCase{"position", 4, false}, EmptyBoxCase{"role", 5, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Persons, DeleteAsksAndStaysOnTheRowNumber) {
    personnel([&] {
        list().DBGrid1.chooseRow(1);
        driver.answer(ui::Answer::No);
        list().Button3.click();
        EXPECT_EQ(writes(), Rows{});
        driver.answer(ui::Answer::Yes);
        list().Button3.click();
        EXPECT_EQ(names(), (Rows{"Иванов Пётр Сергеевич", "Сидорова Анна Ивановна"}));
        EXPECT_EQ(list().DBGrid1.currentRow(), 1);
    });
    ASSERT_EQ(driver.messages.size(), 2u);
    for (auto& m : driver.messages) {
        EXPECT_EQ(m.text, "Удалить работника?");
        EXPECT_EQ(m.caption, "Удаление");
        EXPECT_EQ(m.icon, ui::Icon::Question);
        EXPECT_EQ(m.buttons, ui::Buttons::YesNo);
    }
    EXPECT_EQ(writes(), Rows{"delete from cmn_contractor.person where id =41"});
    EXPECT_EQ(db->value("select count(*) from cmn_contractor.person where id = 41"), "0");
}

TEST_F(Persons, EmptyListOffersNothingToChangeOrDelete) {
    db->exec("delete from cmn_contractor.person");
    personnel([&] {
        clearStatements();
        list().Button3.click();
        list().Button2.click();
        list().DBGrid1.dblClick();
        EXPECT_TRUE(list().isShowing());
    });
    EXPECT_TRUE(driver.messages.empty());
    EXPECT_EQ(writes(), Rows{});
    EXPECT_EQ(driver.shownForms, (Rows{"TForm1", "TForm5"}));
}

TEST_F(Persons, PersonWhoseRoleWasDeletedIsNoLongerListedButRemains) {
    db->exec("delete from adm_role.roles where id = 31");
    personnel([&] { EXPECT_EQ(names(), (Rows{"Иванов Пётр Сергеевич", "Сидорова Анна Ивановна"})); });
    EXPECT_EQ(db->value("select s_caption from cmn_contractor.person where id = 41"), "Петров Иван Ильич");
}

TEST_F(Persons, SearchMatchesTheBeginningOfTheFullName) {
    personnel([&] {
        list().Edit1.replaceText("Иван");
        EXPECT_EQ(names(), Rows{"Иванов Пётр Сергеевич"});
        list().Edit1.replaceText("петров");
        EXPECT_EQ(names(), Rows{"Петров Иван Ильич"});
        list().Edit1.replaceText("");
        EXPECT_EQ(names().size(), 3u);
        list().Edit1.replaceText("Сидор");
    });
    // A search lasts one showing; other windows read the shared dataset too.
    EXPECT_FALSE(forms->DataModule6->workers.isFiltered());
    personnel([&] {
        EXPECT_EQ(list().Edit1.text(), "");
        EXPECT_EQ(names().size(), 3u);
    });
    // The next caller empties the box from code: the rows follow the box, not the old search.
    inForm(*forms->Form43, [&] {
        openAsChooser(list(), 43, forms->DataModule6->workers, [&] { EXPECT_EQ(names().size(), 3u); });
    });
}

struct ChooserCase {
    const char* name;
    int tag;
    std::function<ui::Form&(Forms&)> caller;
    std::function<int&(Forms&)> personId;
    std::function<ui::Edit&(Forms&)> box;
};

void PrintTo(const ChooserCase& c, std::ostream* os) { *os << c.name; }

class PersonChooser : public Persons, public ::testing::WithParamInterface<ChooserCase> {};

TEST_P(PersonChooser, ChoiceFillsTheCallersBoxAndClosesTheList) {
    const ChooserCase& c = GetParam();
    Forms& f = *forms;
    auto choose = [&](int row) {
        openAsChooser(list(), c.tag, f.DataModule6->workers, [&] {
            list().DBGrid1.chooseRow(row);
            list().Button2.click();
            EXPECT_FALSE(list().isShowing());
        });
    };
    inForm(c.caller(f), [&] {
        choose(1);
        EXPECT_EQ(c.personId(f), 41);
        EXPECT_EQ(c.box(f).text(), "Петров Иван Ильич");
        choose(1);
        EXPECT_EQ(c.personId(f), 41);
        EXPECT_EQ(c.box(f).text(), "Петров Иван Ильич");
        choose(2);
        EXPECT_EQ(c.personId(f), 42);
        EXPECT_EQ(c.box(f).text(), "Сидорова Анна Ивановна");
        // "Выход" chooses nothing.
        openAsChooser(list(), c.tag, f.DataModule6->workers, [&] {
            list().DBGrid1.chooseRow(0);
            list().Button4.click();
        });
        EXPECT_EQ(c.personId(f), 42);
    });
    EXPECT_EQ(writes(), Rows{});
    EXPECT_FALSE(f.DataModule6->workers.isActive());
}

INSTANTIATE_TEST_SUITE_P(Callers, PersonChooser, ::testing::Values(
    ChooserCase{"request_to_production", 43, [](Forms& f) -> ui::Form& { return *f.Form43; },
                [](Forms& f) -> int& { return f.Form43->PersonId; }, [](Forms& f) -> ui::Edit& { return f.Form43->Edit2; }},
    ChooserCase{"purchase_request", 61, [](Forms& f) -> ui::Form& { return *f.Form61; },
                [](Forms& f) -> int& { return f.Form61->ExecutorId; }, [](Forms& f) -> ui::Edit& { return f.Form61->Edit2; }},
    ChooserCase{"shipping_request", 68, [](Forms& f) -> ui::Form& { return *f.Form68; },
                [](Forms& f) -> int& { return f.Form68->PersonId; }, [](Forms& f) -> ui::Edit& { return f.Form68->Edit2; }}),
    [](const auto& info) { return std::string(info.param.name); });

struct WorkerCase {
    const char* name;
    int saved;         // SavedWorkerId of the shift record
    bool choose;       // "Выбрать" on Петров, or "Выход"
    const char* box;   // the name box afterwards
    int worker, member, chosen;
};

void PrintTo(const WorkerCase& c, std::ostream* os) { *os << c.name; }

class WorkerChooser : public Persons, public ::testing::WithParamInterface<WorkerCase> {};

TEST_P(WorkerChooser, HandsOverByTheSavedWorker) {
    const WorkerCase& c = GetParam();
    TForm11& record = *forms->Form11;
    inForm(record, [&] {
        record.SavedWorkerId = c.saved;
        record.WorkerId = c.saved;
        record.TeamMemberId = 0;
        record.Edit1.setText(c.saved ? "Прежний" : "");
        list().Chosen = 1;  // left from an earlier choice
        openAsChooser(list(), 11, forms->DataModule6->workers, [&] {
            EXPECT_EQ(list().Chosen, 0);
            list().DBGrid1.chooseRow(1);
            (c.choose ? list().Button2 : list().Button4).click();
            EXPECT_FALSE(list().isShowing());
        });
    });
    EXPECT_EQ(record.Edit1.text(), c.box);
    EXPECT_EQ(record.WorkerId, c.worker);
    EXPECT_EQ(record.TeamMemberId, c.member);
    EXPECT_EQ(list().Chosen, c.chosen);
}

INSTANTIATE_TEST_SUITE_P(Cases, WorkerChooser, ::testing::Values(
    WorkerCase{"new_record_takes_the_worker", 0, true, "Петров Иван Ильич", 41, 41, 1},
    WorkerCase{"saved_record_takes_a_brigade_member", 40, true, "Прежний", 41, 41, 1},
    WorkerCase{"saved_worker_is_no_brigade_member", 41, true, "Прежний", 41, 0, 0},
    WorkerCase{"exit_chooses_nobody", 0, false, "", 0, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Persons, MenuShowsTheDirectoryAgainAfterAChoiceForAnotherWindow) {
    inForm(*forms->Form1, [&] {
        whenShown("TForm43", [&] {
            openAsChooser(list(), 43, forms->DataModule6->workers, [&] {
                list().DBGrid1.chooseRow(0);
                list().Button2.click();
            });
        });
        forms->Form43->showModal();
        whenShown("TForm5", [&] {
            EXPECT_EQ(list().Tag, 0);
            EXPECT_TRUE(list().Button1.isVisible());
            EXPECT_TRUE(list().Button3.isVisible());
            EXPECT_EQ(list().Button2.caption(), "Изменить");
            EXPECT_EQ(list().defaultButton, &list().Button1);
            list().DBGrid1.chooseRow(2);
            whenShown("TForm2", [&] {
                EXPECT_EQ(editor().Edit1.text(), "Сидорова");
                editor().Button2.click();
            });
            list().DBGrid1.dblClick();
            EXPECT_TRUE(list().isShowing());
        });
        forms->Form1->N1.click();
    });
    EXPECT_EQ(forms->Form43->PersonId, 40);
    EXPECT_EQ(driver.shownForms, (Rows{"TForm1", "TForm43", "TForm5", "TForm5", "TForm2"}));
    EXPECT_FALSE(forms->DataModule6->workers.isActive());
}

} // namespace
} // namespace velt
