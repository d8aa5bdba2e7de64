#include <gtest/gtest.h>

#include "data/collation.h"
#include "data/db_error.h"
#include "data/query.h"
#include "tests/support/test_db.h"

namespace velt {
namespace {

// Rows every filter and sort case works on; "n" is an integer, "m" a numeric, "d" a date.
const char* kRows =
    "select * from (values "
    "(1, 'Цех №1', 10, 1.5::numeric(15,4), date '2026-01-15', true),"
    "(2, 'цех №2', 2, 12.25, date '2026-02-01', false),"
    "(3, 'Ёлочная игрушка', 30, null, date '2025-12-31', true),"
    "(4, 'елка', null, 0.5, null, false),"
    "(5, 'Склад сырья', 5, 100, date '2026-01-15', true),"
    "(6, 'Zeta', 7, 7, date '2026-03-01', false),"
    "(7, 'alpha', 8, 8, date '2026-03-02', true),"
    "(8, null, 9, 9, date '2026-03-03', false),"
    "(9, 'O''Neil', 11, 11, date '2026-03-04', true)"
    ") as t(id, s_caption, n, m, d, b) order by id";

class FilterSort : public test::DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        q = std::make_unique<Query>(dm->ADO_DB, "rows", kRows);
        q->open();
    }
    void TearDown() override {
        q.reset();  // before the connection it was opened on
        DbTest::TearDown();
    }
    std::vector<int> ids() {
        std::vector<int> out;
        for (q->first(); !q->eof(); q->next()) out.push_back(q->field("id").asInt());
        return out;
    }
    std::unique_ptr<Query> q;
};

struct FilterCase {
    const char* filter;
    std::vector<int> ids;
};

class FilterCases : public FilterSort, public ::testing::WithParamInterface<FilterCase> {};

TEST_P(FilterCases, SelectsTheExpectedRows) {
    const auto& c = GetParam();
    int before = int(statements().size());
    q->setFilter(c.filter);
    q->setFiltered(true);
    EXPECT_EQ(ids(), c.ids) << c.filter;
    EXPECT_EQ(q->recordCount(), int(c.ids.size()));
    EXPECT_EQ(int(statements().size()), before) << "filtering must not query the server";
}

INSTANTIATE_TEST_SUITE_P(Cases, FilterCases, ::testing::Values(
    FilterCase{"s_caption like 'цех%'", {1, 2}},                 // prefix, Cyrillic case folded
    FilterCase{"s_caption like 'ЦЕХ%'", {1, 2}},
    FilterCase{"s_caption like '%сыр%'", {5}},                   // contains
    FilterCase{"s_caption like '%ЁЛ%'", {3, 4}},                 // ё matches е
    FilterCase{"s_caption like 'ел%'", {3, 4}},
    FilterCase{"s_caption like '%№2'", {2}},                     // suffix
    FilterCase{"s_caption like 'ц%№%'", {1, 2}},                 // several wildcards
    FilterCase{"s_caption like 'Zeta'", {6}},                    // no wildcard: whole value
    FilterCase{"s_caption like 'ZET'", {}},
    FilterCase{"s_caption like '%'", {1, 2, 3, 4, 5, 6, 7, 9}},  // null never matches
    FilterCase{"s_caption like 'o''n%'", {9}},
    FilterCase{"s_caption = 'ZETA'", {6}},
    FilterCase{"s_caption <> 'zeta'", {1, 2, 3, 4, 5, 7, 9}},
    FilterCase{"n > 9", {1, 3, 9}},                              // numbers compare as numbers, not text
    FilterCase{"n >= 10 and n < 30", {1, 9}},
    FilterCase{"n != 10", {2, 3, 5, 6, 7, 8, 9}},
    FilterCase{"m > 1.25", {1, 2, 5, 6, 7, 8, 9}},
    FilterCase{"m <= 1,5", {1, 4}},
    FilterCase{"m = 0", {}},
    FilterCase{"d = '15.01.2026'", {1, 5}},                      // dates as the windows write them
    FilterCase{"d < '2026-01-01'", {3}},
    FilterCase{"d >= '01.03.2026'", {6, 7, 8, 9}},
    FilterCase{"b = true", {1, 3, 5, 7, 9}},
    FilterCase{"b = 0", {2, 4, 6, 8}},
    FilterCase{"n is null", {4}},
    FilterCase{"s_caption is not null and m is null", {3}},
    FilterCase{"n = 2 or n = 5 or s_caption like 'a%'", {2, 5, 7}},
    FilterCase{"(n < 6 or n > 20) and s_caption like '%с%'", {5}},
    FilterCase{"not (n < 10)", {1, 3, 4, 9}},
    FilterCase{"s_caption not like 'ц%'", {3, 4, 5, 6, 7, 9}},
    FilterCase{"[s_caption] like 'al%'", {7}}));

TEST_F(FilterSort, FilterOffShowsEverythingAgain) {
    q->setFilter("s_caption like 'цех%'");
    q->setFiltered(true);
    EXPECT_EQ(q->recordCount(), 2);
    q->setFiltered(false);
    EXPECT_EQ(q->recordCount(), 9);
    q->setFiltered(true);
    q->setFilter("");
    EXPECT_EQ(q->recordCount(), 9);
}

TEST_F(FilterSort, FilterSurvivesAReopen) {
    q->setFilter("n > 9");
    q->setFiltered(true);
    q->reopen();
    EXPECT_EQ(ids(), (std::vector<int>{1, 3, 9}));
}

TEST_F(FilterSort, MalformedFilterOrUnknownFieldIsAnError) {
    for (const char* f : {"s_caption like", "nosuch = 1", "(n = 1", "n = 1 and", "n ~ 1", "s_caption like 'x"}) {
        q->setFilter(f);
        EXPECT_THROW(q->setFiltered(true), DbError) << f;
        q->setFiltered(false);
    }
}

struct SortCase {
    const char* sort;
    std::vector<int> ids;
};

class SortCases : public FilterSort, public ::testing::WithParamInterface<SortCase> {};

TEST_P(SortCases, OrdersTheLoadedRows) {
    const auto& c = GetParam();
    int before = int(statements().size());
    q->setSort(c.sort);
    EXPECT_EQ(ids(), c.ids) << c.sort;
    EXPECT_EQ(int(statements().size()), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, SortCases, ::testing::Values(
    // Nulls first; Latin before Cyrillic; case and ё ignored ("Ёлочная" between "елка" and "Склад").
    SortCase{"s_caption", {8, 7, 9, 6, 4, 3, 5, 1, 2}},
    SortCase{"s_caption ASC", {8, 7, 9, 6, 4, 3, 5, 1, 2}},
    SortCase{"s_caption DESC", {2, 1, 5, 3, 4, 6, 9, 7, 8}},
    SortCase{"n", {4, 2, 5, 6, 7, 8, 1, 9, 3}},                 // 2 < 10 as numbers
    SortCase{"m DESC", {5, 2, 9, 8, 7, 6, 1, 4, 3}},
    SortCase{"d ASC, s_caption DESC", {4, 3, 1, 5, 2, 6, 7, 8, 9}},
    SortCase{"b DESC, n ASC", {5, 7, 1, 9, 3, 4, 2, 6, 8}}));

TEST_F(FilterSort, SortAndFilterCombine) {
    q->setSort("n DESC");
    q->setFilter("s_caption like '%е%'");
    q->setFiltered(true);
    EXPECT_EQ(ids(), (std::vector<int>{3, 1, 2, 4}));  // Latin "e" is not Cyrillic "е"
    q->setSort("");
    EXPECT_EQ(ids(), (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(FilterSort, UnknownSortFieldIsAnError) {
    EXPECT_THROW(q->setSort("nosuch DESC"), DbError);
    EXPECT_THROW(q->setSort("n SIDEWAYS"), DbError);
}

TEST(Collation, RussianOrderIgnoresCaseAndYo) {
    EXPECT_LT(collate("абв", "Абг"), 0);
    EXPECT_EQ(collationKey("ЁЖИК"), collationKey("ежик"));
    EXPECT_LT(collate("яблоко", "Ящик"), 0);
    EXPECT_LT(collate("Zebra", "арбуз"), 0);  // Latin before Cyrillic
    EXPECT_LT(collate("9", "a"), 0);
    EXPECT_LT(collate(" x", "1"), 0);          // blanks before digits
    EXPECT_LT(collate("е", "ж"), 0);
    EXPECT_LT(collate("ё", "ж"), 0);
}

} // namespace
} // namespace velt
