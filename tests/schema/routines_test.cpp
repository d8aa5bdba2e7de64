// The server routines the client calls: emptying whole schemas (alone and in the main
// window's clean-database statement list) and dividing a shift record among a brigade.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "data/db_error.h"
#include "data/query.h"
#include "tests/support/test_db.h"

namespace velt {
namespace {

// Reference data and one of everything the clean-database command empties.
const char* const kPlant = R"SQL(
insert into cmn_department.department(s_caption, id_parent, type, s_type) values
    ('Цех 1', 0, -1, ''), ('Склад сырья', 0, 2, 'Склад сырья'), ('Склад ГП', 0, 0, 'Склад ГП');
insert into hrms_staffpos.staffpos(s_caption, id_department) values ('Токарь', 1);
insert into adm_role.roles(s_name, s_caption, b_active) values ('master', 'Мастер', true);
insert into cmn_contractor.person(s_caption, id_staffpos, id_department, id_role)
    values ('Иванов И.И.', 1, 1, 1), ('Петров П.П.', 1, 1, 1), ('Сидоров С.С.', 1, 1, 1),
           ('Кузнецов К.К.', 1, 1, 1), ('Смирнов С.С.', 1, 1, 1);
insert into cmn_contractor.jur_person(s_caption, s_full_caption) values ('Альфа', 'ООО Альфа');
insert into cmn_inventory_items.nomenclature(s_caption, id_department) values ('Металл', 1);
insert into cmn_inventory_items.inventory_items(marka, id_nom, id_type, massa, ral, ral_cons, id_msm, cost_price)
    values ('Лист 2 мм', 1, 0, 1, false, 0, 1, 10.5), ('Кронштейн', 1, 2, 2, true, 0.5, 4, 120),
           ('RAL 9005', 1, 3, 1, false, 0, 3, 300);
insert into mnf_operation.operation_type(s_caption) values ('РЕЗКА'), ('ПОКРАСКА');
insert into mnf_proc_tech.proc_tech(s_caption, id_inventory_items, id_gds) values ('ТП кронштейна', 2, 1);
insert into mnf_operation.operation(id_type, id_state, price, id_inventory_items, id_proc_tech, orderby)
    values (1, 1, 12.5, 2, 1, 1), (2, 0, 4, 2, 1, 2);
insert into mnf_app.app_doc(id_jur_person, id_person, d_mnf, d_out) values (1, 1, '2024-03-10', '2024-03-15');
insert into mnf_app.app_spec(id_app_doc, id_ii, cnt, id_ral, id_gds, price, cost_price, master_id, state, done)
    values (1, 2, 30, 3, 1, 100, 50, 0, 2, 10);
insert into mnf_proc_tech.tp_operation(app_spec_id, tp_id, operation_id, orderby, cnt, done)
    values (1, 1, 1, 1, 30, 10), (1, 1, 2, 2, 30, 0);
insert into stk_stocks.stock(id_stock, id_ii, id_ral, count, reserve, price) values (2, 1, 0, 100, 20, 10);
insert into stk_stocks.stock_in(date_in, id_jur_pers, id_department, id_accomp_doc) values ('2024-03-01', 1, 2, 'ТН-1');
insert into stk_stocks.spec_in(id_stock_in, id_gds, id_msm, cnt_gds, price) values (1, 1, 1, 100, 10);
insert into stk_stocks.stock_out(id_person, id_jur_pers, id_accomp_doc, date_out) values (1, 1, '0', '2024-03-20');
insert into stk_stocks.spec_out(id_stock_out, id_gds, cnt_gds, price, d_datetime, accept, id_app_doc, id_app_spec)
    values (0, 1, 20, 10, now(), false, 1, 1);
insert into stk_purchase.purchase_doc(id_jur_person, id_person, d_in) values (1, 1, '2024-04-01');
insert into stk_purchase.purchase_spec(id_purchase_doc, id_gds, cnt, cnt_need) values (1, 1, 12, 12);
insert into accounts_dep.smena(data, smena, w_id, i_id, o_id, cena, kol_vo, brak, time, prize, color, ok, vvod,
                               id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use)
    values ('2024-03-05', 1, 1, 2, 1, 12.5, 10, 0, 8, 0, 0, 'no', now(), 1, 1, 0, 1, 0);
insert into accounts_dep.person_temp(id_smena, id_person) values (1, 2);
insert into accounts_dep.h_tabel(w_id, smena, month, year, d5) values (1, 1, 3, 2024, 8);
)SQL";

std::vector<std::string> tablesOf(velt::test::TestDatabase& db, const std::string& schema) {
    std::vector<std::string> out;
    for (auto& r : db.rows("select schemaname || '.' || tablename from pg_tables where schemaname = '" + schema +
                           "' order by tablename"))
        out.push_back(r[0]);
    return out;
}

// ---- truncate_tables ----

struct SchemaCase {
    const char* schema;
    std::vector<std::string> mustHold;  // tables the schema is known to have
};

void PrintTo(const SchemaCase& c, std::ostream* os) { *os << c.schema; }

class TruncateTables : public test::DbTest, public ::testing::WithParamInterface<SchemaCase> {};

TEST_P(TruncateTables, EmptiesTheSchemaRestartsItsKeysAndLeavesTheRest) {
    const auto& c = GetParam();
    db->exec(kPlant);
    auto tables = tablesOf(*db, c.schema);
    for (auto& t : c.mustHold)
        ASSERT_NE(std::find(tables.begin(), tables.end(), t), tables.end()) << t;
    // Every table of the schema holds rows beforehand, with keys above 1.
    for (auto& t : tables) {
        db->exec("insert into " + t + " default values; insert into " + t + " default values");
        ASSERT_NE(db->value("select count(*) from " + t), "0") << t;
    }
    // Rows of every other schema's tables, to see that they stay.
    std::vector<std::pair<std::string, std::string>> others;
    for (auto& r : db->rows("select schemaname || '.' || tablename from pg_tables where schemaname not in "
                            "('pg_catalog', 'information_schema', '" + std::string(c.schema) + "') order by 1"))
        others.emplace_back(r[0], db->value("select count(*) from " + r[0]));
    ASSERT_GT(others.size(), 10u);

    dm->cmd_all.setText(std::string("SELECT truncate_tables('") + c.schema + "');");
    dm->cmd_all.execute();

    for (auto& t : tables) {
        EXPECT_EQ(db->value("select count(*) from " + t), "0") << t;
        EXPECT_EQ(db->value("insert into " + t + " default values returning id"), "1") << t << " starts again at 1";
    }
    for (auto& [table, rows] : others)
        EXPECT_EQ(db->value("select count(*) from " + table), rows) << table << " is another schema's";
}

INSTANTIATE_TEST_SUITE_P(Schemas, TruncateTables, ::testing::Values(
    SchemaCase{"mnf_app", {"mnf_app.app_doc", "mnf_app.app_spec"}},
    SchemaCase{"stk_stocks", {"stk_stocks.stock", "stk_stocks.stock_in", "stk_stocks.spec_in", "stk_stocks.stock_out",
                              "stk_stocks.spec_out"}},
    SchemaCase{"stk_purchase", {"stk_purchase.purchase_doc", "stk_purchase.purchase_spec"}}),
    [](const auto& info) { return std::string(info.param.schema); });

class RoutinesTest : public test::DbTest {
protected:
    std::string count(const std::string& table) { return db->value("select count(*) from " + table); }
};

TEST_F(RoutinesTest, TruncatingASchemaWithoutTablesChangesNothing) {
    db->exec(kPlant);
    db->exec("create schema empty_one; grant usage on schema empty_one to velt_user");
    dm->cmd_all.setText("SELECT truncate_tables('empty_one');");
    EXPECT_NO_THROW(dm->cmd_all.execute());
    EXPECT_EQ(count("mnf_app.app_doc"), "1");
}

// The main window's "Очистить базу" as the client sends it, through the general query.
TEST_F(RoutinesTest, CleanDatabaseEmptiesTheWorkAndKeepsTheReferenceData) {
    db->exec(kPlant);
    const std::vector<std::string> emptied = {
        "mnf_app.app_doc",          "mnf_app.app_spec",        "mnf_proc_tech.tp_operation",
        "accounts_dep.smena",       "accounts_dep.h_tabel",    "accounts_dep.person_temp",
        "stk_stocks.stock",         "stk_stocks.stock_in",     "stk_stocks.spec_in",
        "stk_stocks.stock_out",     "stk_stocks.spec_out",     "stk_purchase.purchase_doc",
        "stk_purchase.purchase_spec"};
    const std::vector<std::string> kept = {
        "cmn_department.department",   "hrms_staffpos.staffpos",          "adm_role.roles",
        "cmn_contractor.person",       "cmn_contractor.jur_person",       "cmn_inventory_items.nomenclature",
        "cmn_inventory_items.inventory_items", "cmn_inventory_items.ii_type", "cmn_msm.msm",
        "mnf_operation.operation_type", "mnf_operation.operation",        "mnf_operation.operation_state",
        "mnf_proc_tech.proc_tech",      "public.ver"};
    for (auto& t : emptied) ASSERT_NE(count(t), "0") << t;
    std::vector<std::string> before;
    for (auto& t : kept) before.push_back(count(t));

    dm->Control.sqlClear();
    dm->Control.sqlAdd("SELECT truncate_tables('mnf_app');\n"
                       "truncate table mnf_proc_tech.tp_operation;truncate table accounts_dep.smena;truncate table "
                       "accounts_dep.h_tabel;truncate table accounts_dep.person_temp;SELECT "
                       "truncate_tables('stk_stocks');SELECT truncate_tables('stk_purchase');update "
                       "cmn_inventory_items.inventory_items set cost_price =0;");
    dm->Control.open();
    EXPECT_TRUE(dm->Control.isActive());

    for (auto& t : emptied) EXPECT_EQ(count(t), "0") << t;
    for (size_t i = 0; i < kept.size(); ++i) EXPECT_EQ(count(kept[i]), before[i]) << kept[i];
    EXPECT_EQ(db->value("select count(*) from cmn_inventory_items.inventory_items where cost_price is distinct from 0"),
              "0");
    // The fixed rows the lists rely on are reference data too.
    EXPECT_EQ(count("cmn_inventory_items.inventory_items where id = 0"), "1");
    EXPECT_EQ(count("cmn_department.department where id = 0"), "1");
}

// ---- divide_between_person ----

// The shift record 1 of the plant: worker 1, shift 1, 05.03.2024, product 2, operation 1 at
// 12.5, request 1, line 1, 8 hours. Persons 2 to 5 can join the brigade.
class BrigadeTest : public test::DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        db->exec(kPlant);
        db->exec("delete from accounts_dep.person_temp");
    }
    void setOutput(const std::string& record, const std::string& kolVo, int brak, int hours = 8) {
        db->exec("update accounts_dep.smena set kol_vo = " + kolVo + ", brak = " + std::to_string(brak) +
                 ", time = " + std::to_string(hours) + " where id = " + record);
    }
    // The editor's brigade entry and its "Сохранить".
    void addMember(long long record, const std::string& person) {
        Command ins(dm->ADO_DB, "ins_person", "insert into accounts_dep.person_temp(id_smena, id_person) values(:s_id,:p_id)");
        ins.setParam("s_id", record);
        ins.setParam("p_id", person);
        ins.execute();
    }
    void saveAll(long long record) {
        Command save(dm->ADO_DB, "save_all", "select accounts_dep.divide_between_person(:s_id)");
        save.setParam("s_id", record);
        save.execute();
    }
    std::string cell(const std::string& worker, int shift, int day) {
        return db->value("select d" + std::to_string(day) + " from accounts_dep.h_tabel where w_id = " + worker +
                         " and smena = " + std::to_string(shift) + " and month = 3 and year = 2024");
    }
};

struct ShareCase {
    const char* kolVo;
    int brak;
    int members;
    const char* memberKol;
    int memberBrak;
    const char* workerKol;
    int workerBrak;
};

void PrintTo(const ShareCase& c, std::ostream* os) {
    *os << c.kolVo << " pieces, " << c.brak << " defects, worker and " << c.members << " members";
}

class BrigadeShares : public BrigadeTest, public ::testing::WithParamInterface<ShareCase> {};

TEST_P(BrigadeShares, EveryMemberGetsAnEqualWholeShareAndTheWorkerTheRest) {
    const auto& c = GetParam();
    setOutput("1", c.kolVo, c.brak);
    std::string started = db->value("select localtimestamp");
    std::vector<std::string> members;
    for (int i = 0; i < c.members; ++i) {
        members.push_back(std::to_string(2 + i));
        addMember(1, members.back());
    }
    saveAll(1);

    EXPECT_EQ(db->value("select kol_vo = " + std::string(c.workerKol) + " and brak = " + std::to_string(c.workerBrak) +
                        " from accounts_dep.smena where id = 1"),
              "t")
        << db->value("select kol_vo || ' / ' || brak from accounts_dep.smena where id = 1");
    for (auto& m : members) {
        auto rows = db->rows(
            "select s.kol_vo = " + std::string(c.memberKol) + " and s.brak = " + std::to_string(c.memberBrak) +
            ", s.kol_vo || ' / ' || s.brak, "
            "(s.data, s.smena, s.i_id, s.o_id, s.cena, s.id_doc, s.id_doc_item, s.time) is not distinct from "
            "(o.data, o.smena, o.i_id, o.o_id, o.cena, o.id_doc, o.id_doc_item, o.time), "
            "s.ok, s.vvod >= '" + started + "' "
            "from accounts_dep.smena s, accounts_dep.smena o where o.id = 1 and s.w_id = " + m);
        ASSERT_EQ(rows.size(), 1u) << "records of member " << m;
        EXPECT_EQ(rows[0][0], "t") << "member " << m << " got " << rows[0][1];
        EXPECT_EQ(rows[0][2], "t") << "member " << m << "'s record is like the original";
        EXPECT_EQ(rows[0][3], "no");
        EXPECT_EQ(rows[0][4], "t") << "entered now";
        EXPECT_EQ(cell(m, 1, 5), "8") << "time sheet of member " << m;
    }
    EXPECT_EQ(db->value("select sum(kol_vo) = " + std::string(c.kolVo) + " and sum(brak) = " + std::to_string(c.brak) +
                        " from accounts_dep.smena"),
              "t")
        << "the shares add up to the original";
    EXPECT_EQ(db->value("select count(*) from accounts_dep.smena"), std::to_string(1 + c.members));
    EXPECT_EQ(db->value("select count(*) from accounts_dep.person_temp"), "0");
    // The counters of the line and its operation already hold the whole quantity.
    EXPECT_EQ(db->value("select done from mnf_app.app_spec where id = 1"), "10.0000");
    EXPECT_EQ(db->value("select string_agg(done::text, ',' order by id) from mnf_proc_tech.tp_operation"), "10,0");
    // The worker's own time sheet stays as his record's save left it.
    EXPECT_EQ(cell("1", 1, 5), "8");
}

INSTANTIATE_TEST_SUITE_P(Cases, BrigadeShares, ::testing::Values(
    ShareCase{"10", 0, 2, "3", 0, "4", 0},
    ShareCase{"9", 0, 2, "3", 0, "3", 0},
    ShareCase{"1", 0, 2, "0", 0, "1", 0},
    ShareCase{"10", 5, 2, "3", 1, "4", 3},
    ShareCase{"9", 3, 2, "3", 1, "3", 1},
    ShareCase{"7", 1, 1, "3", 0, "4", 1},
    ShareCase{"100", 10, 4, "20", 2, "20", 2},
    ShareCase{"3", 3, 4, "0", 0, "3", 3},
    ShareCase{"0", 0, 1, "0", 0, "0", 0}),
    [](const auto& info) {
        return std::string("pieces") + info.param.kolVo + "_defects" + std::to_string(info.param.brak) + "_members" +
               std::to_string(info.param.members);
    });

TEST_F(BrigadeTest, MemberTimeSheetRowIsCreatedOrKeepsItsOtherDays) {
    // Person 2 has a row for March already, person 3 none.
    db->exec("insert into accounts_dep.h_tabel(w_id, smena, month, year, d3, d5) values (2, 1, 3, 2024, 7, 99)");
    setOutput("1", "10", 0, 6);
    addMember(1, "2");
    addMember(1, "3");
    saveAll(1);
    EXPECT_EQ(cell("2", 1, 5), "6");
    EXPECT_EQ(cell("2", 1, 3), "7");
    EXPECT_EQ(cell("3", 1, 5), "6");
    EXPECT_EQ(db->value("select count(*) from accounts_dep.h_tabel where w_id in (2, 3)"), "2");
    std::string others;
    for (int d = 1; d <= 31; ++d)
        if (d != 5) others += " + d" + std::to_string(d);
    EXPECT_EQ(db->value("select 0" + others + " from accounts_dep.h_tabel where w_id = 3"), "0");
}

TEST_F(BrigadeTest, MemberCellAddsUpHisRecordsOfTheDayAndShiftOnly) {
    // Person 2 already worked 3 hours that day in shift 1 and 5 hours in shift 2.
    db->exec("insert into accounts_dep.smena(data, smena, w_id, i_id, o_id, cena, kol_vo, brak, time, ok, vvod, id_doc, "
             "id_doc_item) values ('2024-03-05', 1, 2, 2, 1, 12.5, 2, 0, 3, 'no', now(), 1, 1), "
             "('2024-03-05', 2, 2, 2, 1, 12.5, 2, 0, 5, 'no', now(), 1, 1), "
             "('2024-03-06', 1, 2, 2, 1, 12.5, 2, 0, 4, 'no', now(), 1, 1)");
    db->exec("insert into accounts_dep.h_tabel(w_id, smena, month, year, d5, d6) values (2, 1, 3, 2024, 3, 4), "
             "(2, 2, 3, 2024, 5, 0)");
    setOutput("1", "10", 0, 8);
    addMember(1, "2");
    saveAll(1);
    EXPECT_EQ(cell("2", 1, 5), "11");
    EXPECT_EQ(cell("2", 1, 6), "4");
    EXPECT_EQ(cell("2", 2, 5), "5");
}

TEST_F(BrigadeTest, TwoRecordsOfTheSameDaySharedWithOneMemberAddUp) {
    db->exec("insert into accounts_dep.smena(data, smena, w_id, i_id, o_id, cena, kol_vo, brak, time, prize, color, ok, "
             "vvod, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use) values "
             "('2024-03-05', 1, 4, 2, 2, 4, 6, 0, 3, 0, 0, 'no', now(), 1, 1, 0, 1, 0)");
    long long second = std::stoll(db->value("select max(id) from accounts_dep.smena"));
    addMember(1, "2");
    saveAll(1);
    addMember(second, "2");
    saveAll(second);
    EXPECT_EQ(cell("2", 1, 5), "11");  // 8 + 3
    EXPECT_EQ(db->value("select count(*) from accounts_dep.smena where w_id = 2"), "2");
    EXPECT_EQ(db->value("select kol_vo = 3 from accounts_dep.smena where w_id = 2 and o_id = 2"), "t");
}

TEST_F(BrigadeTest, OnlyTheRecordsOwnBrigadeIsConsumed) {
    db->exec("insert into accounts_dep.smena(data, smena, w_id, i_id, o_id, cena, kol_vo, brak, time, ok, vvod, id_doc, "
             "id_doc_item) values ('2024-03-05', 1, 4, 2, 1, 12.5, 6, 0, 3, 'no', now(), 1, 1)");
    std::string second = db->value("select max(id) from accounts_dep.smena");
    addMember(1, "2");
    addMember(std::stoll(second), "3");
    saveAll(1);
    EXPECT_EQ(db->value("select count(*) from accounts_dep.person_temp where id_smena = " + second), "1");
    EXPECT_EQ(db->value("select kol_vo = 6 from accounts_dep.smena where id = " + second), "t");
    EXPECT_EQ(db->value("select count(*) from accounts_dep.smena where w_id = 3"), "0");
}

TEST_F(BrigadeTest, EmptyBrigadeChangesNothing) {
    auto snapshot = [&] {
        return db->rows("select (select json_agg(s order by id)::text from accounts_dep.smena s), "
                        "(select json_agg(h order by id)::text from accounts_dep.h_tabel h)");
    };
    auto before = snapshot();
    saveAll(1);
    EXPECT_EQ(snapshot(), before);
}

} // namespace
} // namespace velt
