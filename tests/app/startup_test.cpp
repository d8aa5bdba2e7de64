#include <gtest/gtest.h>

#include "app/build_stamp.h"
#include "app/login.h"
#include "app/main_window.h"
#include "app/placeholder.h"
#include "orders/raw_stock.h"
#include "reference/department_list.h"
#include "tests/support/app_fixture.h"
#include "ui/application.h"

namespace velt {
namespace {

class Startup : public test::AppTest {};

TEST_F(Startup, WindowsAreCreatedOnceInStartOrderAndUnbuiltOnesKeepTheirMenuOff) {
    makeForms({}, false);
    std::vector<std::string> names;
    for (auto* f : ui::Application::instance().forms()) names.push_back(f->name());
    std::vector<std::string> expected = {"TForm1", "TForm23"};
    for (int n : {2, 3, 4, 5, 7, 8, 9, 10, 11, 14, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40,
                  41, 42, 43, 44, 45, 46, 47, 48, 50, 51, 303, 53, 54, 55, 57, 58, 59, 60, 61, 62, 63, 65, 66,
                  67, 68, 69, 70, 71})
        expected.push_back("TForm" + std::to_string(n));
    EXPECT_EQ(names, expected);
    EXPECT_EQ(forms->Form36->caption(), "Склад ТМЦ (36)");
    TForm1& main = *forms->Form1;
    EXPECT_EQ(main.caption(), "VELT.ERP");
    EXPECT_FALSE(main.N11.isVisible());
    EXPECT_FALSE(main.N7.isVisible());
    EXPECT_TRUE(main.N28.isEnabled());
    EXPECT_EQ(main.N19.isEnabled(), isBuilt(*forms->Form30));
    EXPECT_TRUE(main.Timer1.isTimerEnabled());
    EXPECT_EQ(main.Timer1.interval(), 30000);
    EXPECT_FALSE(forms->Form23->Timer1.isTimerEnabled());
    EXPECT_EQ(forms->Form23->Timer1.interval(), 5500);
    for (auto* d : forms->DataModule6->sharedDatasets()) EXPECT_FALSE(d->isActive()) << d->name();
}

TEST_F(Startup, BuildStampIsTheBuildsMoment) {
    int d = buildDate();
    EXPECT_GE(d, 20260101);
    EXPECT_GE(d % 100, 1);
    EXPECT_LE(d % 100, 31);
    EXPECT_GE(buildTime(), 0);
    EXPECT_LT(buildTime(), 86400);
}

struct VersionCase {
    const char* name;
    int dayShift;     // ver's date against the build's, in days
    int secondShift;  // ver's time against the build's, in seconds
    bool updated;
    bool conflict;
};

class VersionCheck : public Startup, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(VersionCheck, AtLoginActivation) {
    const auto& c = GetParam();
    int date = buildDate(), time = buildTime() + c.secondShift;
    if (time < 0) {  // a build just after midnight: one second older is the previous day
        time += 86400;
        date -= 1;
    }
    if (c.dayShift) db->exec("update ver set d = (to_char(to_date('" + std::to_string(date) +
                             "', 'YYYYMMDD') + " + std::to_string(c.dayShift) + ", 'YYYYMMDD'))::int, t = " +
                             std::to_string(time));
    else db->exec("update ver set d = " + std::to_string(date) + ", t = " + std::to_string(time));
    std::string before = db->value("select d || '/' || t from ver");
    makeForms();
    whenShown("TForm23", [] {});
    forms->Form23->showModal();

    bool sentUpdate = false;
    for (auto& t : statementTexts()) sentUpdate = sentUpdate || t.rfind("UPDATE ver", 0) == 0;
    EXPECT_EQ(sentUpdate, c.updated);
    std::string after = db->value("select d || '/' || t from ver");
    if (c.updated) EXPECT_EQ(after, std::to_string(buildDate()) + "/" + std::to_string(buildTime()));
    else EXPECT_EQ(after, before);
    if (c.conflict) {
        expectOnlyError("Версия программы не соответсвует БД! Запустите программу через 5 мин.");
        // The shutdown timer was already running when the message came up.
        EXPECT_TRUE(forms->Form23->Timer1.isTimerEnabled());
        EXPECT_TRUE(ui::Application::instance().isTerminated());
        EXPECT_TRUE(driver.terminated);
    } else {
        EXPECT_TRUE(driver.messages.empty());
        EXPECT_FALSE(ui::Application::instance().isTerminated());
        EXPECT_EQ(forms->Form23->caption(), "Авторизация (build: " + std::to_string(buildDate()) + "." +
                                                std::to_string(buildTime()) + ")");
    }
    EXPECT_EQ(forms->DataModule6->DbDecimalSeparator, ".");
    EXPECT_FALSE(forms->DataModule6->ver.isActive());
}

INSTANTIATE_TEST_SUITE_P(Stamps, VersionCheck, ::testing::Values(
    VersionCase{"equal", 0, 0, false, false},
    VersionCase{"one_second_older", 0, -1, true, false},
    VersionCase{"one_day_older", -1, 0, true, false},
    VersionCase{"one_day_newer", 1, 0, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Startup, ShutdownTimerEndsTheProgram) {
    makeForms({}, false);
    forms->Form23->Timer1.setTimerEnabled(true);
    forms->Form23->Timer1.fire();
    EXPECT_TRUE(ui::Application::instance().isTerminated());
}

TEST_F(Startup, MainTimerRerunsTheVersionCheck) {
    makeForms();
    db->exec("update ver set d = 20000101, t = 0, delim = ','");
    forms->Form1->Timer1.fire();
    EXPECT_EQ(forms->DataModule6->DbDecimalSeparator, ",");
    EXPECT_EQ(db->value("select d from ver"), std::to_string(buildDate()));
}

class CleanDatabase : public test::AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        db->exec("insert into cmn_department.department(s_caption, id_parent, type) values ('Цех', 0, -1);"
                 "insert into cmn_contractor.person(s_caption) values ('Иванов');"
                 "insert into cmn_inventory_items.inventory_items(marka, id_type, id_msm, cost_price) values ('Рама', 2, 4, 150);"
                 "insert into mnf_proc_tech.proc_tech(s_caption, id_inventory_items, id_gds) values ('ТП', 1, 0);"
                 "insert into mnf_app.app_doc(id_jur_person, id_person) values (1, 1);"
                 "insert into mnf_app.app_spec(id_app_doc, id_ii, cnt) values (1, 1, 5);"
                 "insert into mnf_proc_tech.tp_operation(app_spec_id, cnt) values (1, 5);"
                 "insert into accounts_dep.smena(data, smena, w_id) values (current_date, 1, 1);"
                 "insert into accounts_dep.h_tabel(w_id, smena, month, year, d1) values (1, 1, 1, 2026, 8);"
                 "insert into accounts_dep.person_temp(id_smena, id_person) values (1, 1);"
                 "insert into stk_stocks.stock(id_stock, id_ii, count) values (1, 1, 10);"
                 "insert into stk_purchase.purchase_doc(id_person) values (1);");
        connectAsUser();
    }
    std::string count(const char* table) { return db->value(std::string("select count(*) from ") + table); }
};

TEST_F(CleanDatabase, AnsweredNoSendsNothing) {
    driver.answer(ui::Answer::No);
    inForm(*forms->Form1, [&] {
        clearStatements();
        forms->Form1->N28.click();
    });
    EXPECT_TRUE(statements.empty());
    ASSERT_EQ(driver.messages.size(), 1u);
    EXPECT_EQ(driver.messages[0].text, "Очистить базу?");
    EXPECT_EQ(driver.messages[0].caption, "Ошибка");
    EXPECT_EQ(driver.messages[0].buttons, ui::Buttons::YesNo);
    EXPECT_EQ(count("mnf_app.app_doc"), "1");
}

TEST_F(CleanDatabase, AnsweredYesEmptiesTheWorkAndKeepsReferenceData) {
    driver.answer(ui::Answer::Yes);
    inForm(*forms->Form1, [&] {
        clearStatements();
        forms->Form1->N28.click();
    });
    ASSERT_EQ(statements.size(), 1u);
    EXPECT_EQ(statements[0].text,
              "SELECT truncate_tables('mnf_app');\ntruncate table mnf_proc_tech.tp_operation;truncate table "
              "accounts_dep.smena;truncate table accounts_dep.h_tabel;truncate table accounts_dep.person_temp;SELECT "
              "truncate_tables('stk_stocks');SELECT truncate_tables('stk_purchase');update "
              "cmn_inventory_items.inventory_items set cost_price =0;");
    for (const char* t : {"mnf_app.app_doc", "mnf_app.app_spec", "mnf_proc_tech.tp_operation", "accounts_dep.smena",
                          "accounts_dep.h_tabel", "accounts_dep.person_temp", "stk_stocks.stock",
                          "stk_purchase.purchase_doc"})
        EXPECT_EQ(count(t), "0") << t;
    EXPECT_EQ(count("cmn_department.department"), "2");  // the fixed row 0 and the shop
    EXPECT_EQ(count("cmn_contractor.person"), "1");
    EXPECT_EQ(count("mnf_proc_tech.proc_tech"), "1");
    EXPECT_EQ(db->value("select cost_price::float8 from cmn_inventory_items.inventory_items where marka = 'Рама'"), "0");
    EXPECT_TRUE(forms->DataModule6->Control.isActive());
}

} // namespace
} // namespace velt
