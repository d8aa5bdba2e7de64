// The server views the lists read: the parents of departments, the production-request
// register (one row per request line) and current production (one row per product).
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "data/query.h"
#include "tests/support/test_db.h"

namespace velt {
namespace {

// ---- departments ----

const char* const kDepartmentText =
    "select d.*, d1.s_caption s_parent from cmn_department.department d, cmn_department.v_department d1 \n"
    "where d.id_parent = d1.id \n"
    "order by s_caption;";

struct DepartmentCase {
    const char* caption;
    int listed;          // rows of the department query with this caption
    const char* parent;  // their s_parent
};

class DepartmentParents : public test::DbTest {};

TEST_F(DepartmentParents, ListedOnceUnderTheirParentWhenItIsFound) {
    db->exec("insert into cmn_department.department(id, s_caption, id_parent, type, s_type) values "
             "(1, 'Завод', 0, -1, ''), (2, 'Цех 1', 1, -1, ''), (3, 'Участок резки', 2, -1, ''), "
             "(4, 'Склад сырья', 0, 2, 'Склад сырья'), (5, 'Сирота', 99, -1, ''), (6, 'Без родителя', null, -1, '')");
    const DepartmentCase cases[] = {
        {"Завод", 1, ""},            // top level: under the root, whose caption is empty
        {"Склад сырья", 1, ""},
        {"Цех 1", 1, "Завод"},
        {"Участок резки", 1, "Цех 1"},
        {"Сирота", 0, ""},           // its parent does not exist
        {"Без родителя", 0, ""},
        {"", 0, ""},                 // the fixed department 0 itself
    };
    Query q(dm->ADO_DB, "department", kDepartmentText);
    q.open();
    for (auto& c : cases) {
        int listed = 0;
        for (int r = 0; r < q.recordCount(); ++r) {
            q.setRecNo(r + 1);
            if (q.field("s_caption").asString() != c.caption) continue;
            ++listed;
            EXPECT_EQ(q.field("s_parent").asString(), c.parent) << c.caption;
            EXPECT_FALSE(q.field("s_parent").isNull()) << c.caption;
        }
        EXPECT_EQ(listed, c.listed) << "'" << c.caption << "'";
    }
    EXPECT_EQ(q.recordCount(), 4);
}

// ---- production-request register and current production ----

// Material 1 and blank 2, product 3 (massa 2, paint 0.5 per piece, unit "шт") made from
// material 1 by process 3, paints 4 and 5, product 6 without any process, item 7 that
// has nothing to do with them. Request 1 is from sales, request 2 asks for blanks for its
// line 10. Lines: 10 (product 3 × 10, 3 made, paint 4, taken into work, received), 11
// (product 3 × 4, unpainted, marked for receipt) and 12 (product 6 × 5).
const char* const kRequests = R"SQL(
insert into cmn_inventory_items.inventory_items(id, marka, id_type, massa, ral, ral_cons, id_msm) values
    (1, 'Лист 2 мм', 0, 1, false, 0, 1),
    (2, 'Заготовка Z', 1, 1, false, 0, 4),
    (3, 'Кронштейн', 2, 2, true, 0.5, 4),
    (4, 'RAL 9005', 3, 1, false, 0, 3),
    (5, 'RAL 3020', 3, 1, false, 0, 3),
    (6, 'Шайба', 2, 1, false, 0, 4),
    (7, 'Прочее', 0, 1, false, 0, 4);
insert into mnf_proc_tech.proc_tech(id, s_caption, id_inventory_items, id_gds) values (3, 'ТП кронштейна', 3, 1);
insert into mnf_app.app_doc(id, id_jur_person, id_person, d_mnf, d_out, id_app_doc, id_app_spec) values
    (1, 21, 31, '2024-03-10', '2024-03-15', 0, null),
    (2, 21, 31, '2024-03-08', '2024-03-09', 1, 10);
insert into mnf_app.app_spec(id, id_app_doc, id_ii, cnt, done, id_ral, id_gds, price, job_price, gds_price,
                             accept, accept_stock) values
    (10, 1, 3, 10, 3, 4, 1, 100, 5, 7, true, 2),
    (11, 2, 3, 4, 0, 0, 1, 0, 0, 0, false, 1),
    (12, 1, 6, 5, 0, 0, 0, 20, 0, 0, false, 0);
insert into stk_stocks.stock(id_stock, id_ii, id_ral, count, reserve, price) values
    (2, 1, 0, 40, 10, 10), (2, 1, 0, 35, 5, 10),
    (2, 4, 0, 10, 0, 300), (2, 4, 0, 12, 2, 300),
    (2, 7, 0, 1000, 0, 1);
)SQL";

struct ColumnValue {
    const char* column;
    const char* expected;  // an SQL expression; NULL for an empty column
};

struct LineCase {
    const char* name;
    int line;
    std::vector<ColumnValue> columns;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << "line " << c.line; }

class RegisterLines : public test::DbTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(RegisterLines, CarryTheLineItsRequestAndItsNeeds) {
    const auto& c = GetParam();
    db->exec(kRequests);
    const std::string where = " from mnf_app.v_app_spec55 where id = " + std::to_string(c.line);
    ASSERT_EQ(db->value("select count(*)" + where), "1");
    for (auto& v : c.columns) {
        auto r = db->rows(std::string("select (") + v.column + " is not distinct from " + v.expected + ")::text, " +
                          v.column + "::text" + where);
        EXPECT_EQ(r[0][0], "true") << c.line << "." << v.column << " is '" << r[0][1] << "', expected " << v.expected;
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, RegisterLines, ::testing::Values(
    LineCase{"PaintedLineOfASalesRequest", 10, {
        {"id_app_doc", "1"}, {"id_ii", "3"}, {"id_ral", "4"}, {"cnt", "10"}, {"done", "3"},
        {"accept", "true"}, {"accept_stock", "2"}, {"job_price", "5"}, {"gds_price", "7"},
        {"cnt_done", "7"},
        {"ii_s_caption", "'Кронштейн'"}, {"msm_s_caption", "'шт'"}, {"ral_s_caption", "'RAL 9005'"},
        {"id_gds", "1"}, {"gds_s_caption", "'Лист 2 мм'"}, {"id_type_gds", "0"},
        {"gds_need", "20"}, {"massa_gds", "20"}, {"ral_need", "5"}, {"ral_cons", "0.5"},
        {"pg_typeof(gds_need)::text", "'t_money'"}, {"pg_typeof(massa_gds)::text", "'t_money'"},
        {"pg_typeof(ral_need)::text", "'t_money'"},
        {"stk_gds", "30"},   // free 30 and 30: the equal values count once
        {"stk_ral", "10"},   // free 10 and 10
        {"yesno", "'Да'"}, {"yesno_stk", "'Да'"},
        {"ad_id_app_doc", "NULL"},
        {"d_mnf", "date '2024-03-10'"}, {"d_out", "date '2024-03-15'"}, {"id_jur_person", "21"}, {"id_person", "31"},
        {"id_app_spec", "NULL"}}},
    LineCase{"UnpaintedLineOfARequestForBlanks", 11, {
        {"id_app_doc", "2"}, {"cnt_done", "4"}, {"id_ral", "0"}, {"ral_s_caption", "''"},
        {"gds_need", "8"}, {"massa_gds", "8"}, {"ral_need", "2"},
        {"stk_gds", "30"}, {"stk_ral", "NULL"},
        {"yesno", "'Нет'"}, {"yesno_stk", "'Нет'"},  // marked for receipt is not received
        {"ad_id_app_doc", "1"}, {"id_app_spec", "10"}, {"d_mnf", "date '2024-03-08'"}}},
    LineCase{"LineOfAProductWithoutProcess", 12, {
        {"id_ii", "6"}, {"ii_s_caption", "'Шайба'"}, {"cnt_done", "5"}, {"gds_need", "5"},
        {"id_gds", "NULL"}, {"gds_s_caption", "NULL"}, {"id_type_gds", "NULL"}, {"stk_gds", "NULL"},
        {"yesno", "'Нет'"}, {"yesno_stk", "'Нет'"}, {"ad_id_app_doc", "NULL"}}}),
    [](const auto& info) { return std::string(info.param.name); });

class RegisterView : public test::DbTest {};

TEST_F(RegisterView, OneRowPerLine) {
    db->exec(kRequests);
    // A second and third process and more stock rows must not multiply the lines.
    db->exec("insert into mnf_proc_tech.proc_tech(id, s_caption, id_inventory_items, id_gds) values "
             "(7, 'ТП 7', 3, 2), (8, 'ТП 8', 6, 2), (9, 'ТП 9', 6, 1);"
             "insert into stk_stocks.stock(id_stock, id_ii, count, reserve) values (3, 1, 5, 0), (3, 2, 5, 0)");
    EXPECT_EQ(db->value("select count(*) from mnf_app.v_app_spec55"), "3");
    EXPECT_EQ(db->value("select string_agg(id::text, ',' order by id) from mnf_app.v_app_spec55"), "10,11,12");
}

TEST_F(RegisterView, ProductWithSeveralProcessesTakesTheMaterialOfTheLowestProcessId) {
    db->exec(kRequests);
    // Entered after process 3, but with a lower id; another one with a higher id.
    db->exec("insert into mnf_proc_tech.proc_tech(id, s_caption, id_inventory_items, id_gds) values "
             "(1, 'ТП из заготовки', 3, 2), (9, 'ТП 9', 3, 7);"
             "insert into stk_stocks.stock(id_stock, id_ii, count, reserve) values (3, 2, 15, 3)");
    auto r = db->rows("select id_gds, gds_s_caption, id_type_gds, stk_gds from mnf_app.v_app_spec55 where id = 10");
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0], (std::vector<std::string>{"2", "Заготовка Z", "1", "12.000000"}));
}

// Free stock is the sum of the distinct values of count − reserve over the item's rows.
struct FreeStockCase {
    const char* name;
    std::vector<std::pair<int, int>> material;  // (count, reserve) of the material's rows
    std::vector<std::pair<int, int>> paint;
    const char* stkGds;  // an SQL expression
    const char* stkRal;
};

void PrintTo(const FreeStockCase& c, std::ostream* os) { *os << c.name; }

class FreeStock : public test::DbTest, public ::testing::WithParamInterface<FreeStockCase> {};

TEST_P(FreeStock, SumsTheDistinctFreeQuantities) {
    const auto& c = GetParam();
    db->exec(kRequests);
    db->exec("delete from stk_stocks.stock where id_ii in (1, 4)");
    auto add = [&](int item, const std::vector<std::pair<int, int>>& rows) {
        int warehouse = 2;
        for (auto [count, reserve] : rows)
            db->exec("insert into stk_stocks.stock(id_stock, id_ii, id_ral, count, reserve, price) values (" +
                     std::to_string(warehouse++) + ", " + std::to_string(item) + ", 0, " + std::to_string(count) +
                     ", " + std::to_string(reserve) + ", 1)");
    };
    add(1, c.material);
    add(4, c.paint);
    auto r = db->rows(std::string("select (stk_gds is not distinct from ") + c.stkGds + ")::text, stk_gds::text, " +
                      "(stk_ral is not distinct from " + c.stkRal + ")::text, stk_ral::text "
                      "from mnf_app.v_app_spec55 where id = 10");
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0][0], "true") << "stk_gds is '" << r[0][1] << "', expected " << c.stkGds;
    EXPECT_EQ(r[0][2], "true") << "stk_ral is '" << r[0][3] << "', expected " << c.stkRal;
    // The product's row of current production shows the same free stock of the material.
    EXPECT_EQ(db->value(std::string("select (stk_gds is not distinct from ") + c.stkGds +
                        ")::text from mnf_app.v_app_spec where id_ii = 3"),
              "true");
}

INSTANTIATE_TEST_SUITE_P(Rows, FreeStock, ::testing::Values(
    FreeStockCase{"EqualFreeQuantitiesCountOnce", {{30, 0}, {40, 10}}, {{5, 0}, {5, 0}}, "30", "5"},
    FreeStockCase{"DifferentFreeQuantitiesAddUp", {{30, 0}, {25, 5}}, {{8, 2}, {3, 0}}, "50", "9"},
    FreeStockCase{"OneRow", {{30, 12}}, {{7, 0}}, "18", "7"},
    FreeStockCase{"ThreeRowsTwoAlike", {{30, 0}, {30, 0}, {20, 0}}, {{1, 0}, {2, 0}, {2, 0}}, "50", "3"},
    FreeStockCase{"FullyReservedRowAddsNothing", {{30, 30}, {20, 0}}, {{4, 4}}, "20", "0"},
    FreeStockCase{"NoStockRows", {}, {}, "NULL", "NULL"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RegisterView, OpensAsTheScreensRoleWithTheRegistersColumns) {
    db->exec(kRequests);
    Query q(dm->ADO_DB, "app_spec", "select * from mnf_app.v_app_spec55");
    for (const char* f : {"id", "id_app_doc", "id_ii", "id_ral", "cnt", "done", "accept", "accept_stock", "job_price",
                          "gds_price", "cnt_done", "ii_s_caption", "msm_s_caption", "ral_s_caption", "id_gds",
                          "gds_s_caption", "id_type_gds", "gds_need", "massa_gds", "ral_need", "ral_cons", "stk_gds",
                          "stk_ral", "yesno", "yesno_stk", "ad_id_app_doc", "d_mnf", "d_out", "id_jur_person",
                          "id_person", "id_app_spec"})
        q.declareField({f});
    ASSERT_NO_THROW(q.open());
    EXPECT_EQ(q.recordCount(), 3);
    // The screens read accept as an integer.
    ASSERT_TRUE(q.locate("id", 10LL));
    EXPECT_NE(q.field("accept").asInteger(), 0);
    ASSERT_TRUE(q.locate("id", 11LL));
    EXPECT_EQ(q.field("accept").asInteger(), 0);
}

// ---- current production ----

class CurrentProduction : public test::DbTest {
protected:
    std::vector<std::vector<std::string>> productRows(const std::string& columns) {
        return db->rows("select " + columns + " from mnf_app.v_app_spec order by id_ii");
    }
};

TEST_F(CurrentProduction, OneRowPerProductSummingItsOpenLines) {
    db->exec(kRequests);
    // A finished line of product 3 and product 6's only line finished.
    db->exec("insert into mnf_app.app_spec(id, id_app_doc, id_ii, cnt, done, id_ral) values (13, 1, 3, 6, 6, 4);"
             "update mnf_app.app_spec set done = 5 where id = 12");
    auto rows = productRows("id_ii, sum_all = 14, done = 3, cnt_done = 11, ii_s_caption, msm_s_caption, gds_s_caption, "
                            "sum_all::text || ' ' || done::text || ' ' || cnt_done::text");
    ASSERT_EQ(rows.size(), 1u) << "product 6 has nothing left to make";
    EXPECT_EQ(rows[0][0], "3");
    EXPECT_EQ(rows[0][1] + rows[0][2] + rows[0][3], "ttt") << "sum_all, done, cnt_done: " << rows[0][7];
    EXPECT_EQ(rows[0][4], "Кронштейн");
    EXPECT_EQ(rows[0][5], "шт");
    EXPECT_EQ(rows[0][6], "Лист 2 мм");
}

TEST_F(CurrentProduction, MaterialNeedOfLinesNotStarted) {
    db->exec(kRequests);
    db->exec("update mnf_app.app_spec set done = 0");
    auto rows = productRows("id_ii, (gds_need = 28)::text, gds_need::text, pg_typeof(gds_need)::text");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][1], "true") << "massa 2 × (10 + 4), got " << rows[0][2];
    EXPECT_EQ(rows[0][3], "t_money");
    EXPECT_EQ(rows[1][0], "6");
    EXPECT_EQ(db->value("select stk_gds is null from mnf_app.v_app_spec where id_ii = 6"), "t");
}

struct PaintCase {
    const char* name;
    std::vector<int> openPaints;  // paints of product 3's open lines
    int madePaint;                // paint of a finished line of product 3 (-1: none)
    const char* idRal;            // an SQL expression
    const char* caption;
};

void PrintTo(const PaintCase& c, std::ostream* os) { *os << c.name; }

class CurrentProductionPaint : public test::DbTest, public ::testing::WithParamInterface<PaintCase> {};

TEST_P(CurrentProductionPaint, NamedWhenTheOpenLinesShareIt) {
    const auto& c = GetParam();
    db->exec(kRequests);
    db->exec("delete from mnf_app.app_spec where id_ii = 3");
    int id = 20;
    for (int paint : c.openPaints)
        db->exec("insert into mnf_app.app_spec(id, id_app_doc, id_ii, cnt, done, id_ral) values (" +
                 std::to_string(id++) + ", 1, 3, 5, 1, " + std::to_string(paint) + ")");
    if (c.madePaint >= 0)
        db->exec("insert into mnf_app.app_spec(id, id_app_doc, id_ii, cnt, done, id_ral) values (" +
                 std::to_string(id++) + ", 1, 3, 5, 5, " + std::to_string(c.madePaint) + ")");
    auto r = db->rows(std::string("select (id_ral is not distinct from ") + c.idRal + ")::text, id_ral::text, " +
                      "(ral_s_caption is not distinct from " + c.caption + ")::text, ral_s_caption "
                      "from mnf_app.v_app_spec where id_ii = 3");
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0][0], "true") << "id_ral is '" << r[0][1] << "', expected " << c.idRal;
    EXPECT_EQ(r[0][2], "true") << "ral_s_caption is '" << r[0][3] << "', expected " << c.caption;
}

INSTANTIATE_TEST_SUITE_P(Paints, CurrentProductionPaint, ::testing::Values(
    PaintCase{"OnePaint", {4}, -1, "4", "'RAL 9005'"},
    PaintCase{"SharedPaint", {4, 4}, -1, "4", "'RAL 9005'"},
    PaintCase{"FinishedLinesDoNotCount", {4, 4}, 5, "4", "'RAL 9005'"},
    PaintCase{"AllUnpainted", {0, 0}, -1, "0", "''"},
    PaintCase{"TwoPaintsAreListedByName", {5, 4, 5}, -1, "NULL", "'RAL 3020, RAL 9005'"},
    PaintCase{"PaintedAndUnpainted", {4, 0}, -1, "NULL", "'RAL 9005'"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CurrentProduction, OpensThroughTheWindowsQueryAsTheScreensRole) {
    db->exec(kRequests);
    db->exec("update mnf_app.app_spec set done = cnt where id_ii = 6");
    Query q(dm->ADO_DB, "app_spec", "select * from mnf_app.v_app_spec vas where cnt_done >0");
    for (const char* f : {"id_ii", "ii_s_caption", "msm_s_caption", "ral_s_caption", "id_ral", "gds_s_caption",
                          "sum_all", "done", "cnt_done", "gds_need", "stk_gds"})
        q.declareField({f});
    ASSERT_NO_THROW(q.open());
    ASSERT_EQ(q.recordCount(), 1);
    EXPECT_EQ(q.field("id_ii").asInteger(), 3);
    EXPECT_EQ(q.field("cnt_done").asFloat(), 11);
    EXPECT_EQ(q.field("stk_gds").asFloat(), 30);
}

} // namespace
} // namespace velt
