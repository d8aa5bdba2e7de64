#include <gtest/gtest.h>

#include "data/db_error.h"
#include "data/query.h"
#include "data/sql_compose.h"
#include "tests/support/test_db.h"

namespace velt {
namespace {

const char* const kHostileTexts[] = {
    "O'Neil",
    "ООО \"Ромашка\"",
    "'; delete from cmn_contractor.jur_person; --",
    "back\\slash\\'",
    "semi;colon",
    "-- comment",
    "/* not a comment */",
    ":s_name",
    "$1",
    "Ёлка ёлка",
    "",
    "  spaced  ",
    "line\nbreak",
    "E'\\x41'",
};

class HostileText : public test::DbTest, public ::testing::WithParamInterface<const char*> {};

// Composed inserts through the general command keep the text exactly as typed.
TEST_P(HostileText, ComposedLiteralIsStoredAsTyped) {
    std::string text = GetParam();
    dm->cmd_all.setText("insert into cmn_contractor.jur_person(s_caption, s_full_caption) values(" + SqlText(text) +
                        ", 'marker')");
    dm->cmd_all.execute();
    EXPECT_EQ(db->value("select count(*) from cmn_contractor.jur_person"), "1");
    EXPECT_EQ(db->value("select s_caption from cmn_contractor.jur_person where s_full_caption = 'marker'"), text);
}

// The same text as a query parameter finds exactly that row.
TEST_P(HostileText, ParameterIsBoundAsAValue) {
    std::string text = GetParam();
    db->exec("insert into cmn_contractor.jur_person(s_caption) values(" + SqlText(text) + ")");
    db->exec("insert into cmn_contractor.jur_person(s_caption) values('other')");
    Query q(dm->ADO_DB, "q", "select s_caption from cmn_contractor.jur_person where s_caption = :s");
    q.setParam("s", text);
    q.open();
    ASSERT_EQ(q.recordCount(), 1);
    EXPECT_EQ(q.field("s_caption").asString(), text);
}

INSTANTIATE_TEST_SUITE_P(Texts, HostileText, ::testing::ValuesIn(kHostileTexts));

class Composition : public test::DbTest {};

TEST_F(Composition, NegativeNumberNeverBecomesAComment) {
    db->exec("insert into stk_stocks.stock(id_stock, id_ii, id_ral, count, reserve, price) values (1, 10, 0, 100, 20, 1),"
             "(1, 11, 0, 100, 20, 1)");
    dm->cmd_all.setText("UPDATE stk_stocks.stock SET reserve=reserve-" + dm->NormalizeDecimal("-5") + " WHERE id_ii=" +
                        SqlInt(10));
    dm->cmd_all.execute();
    EXPECT_EQ(db->rows("select id_ii, reserve::float8 from stk_stocks.stock order by id_ii"),
              (std::vector<std::vector<std::string>>{{"10", "25"}, {"11", "20"}}));
    dm->cmd_all.setText("UPDATE stk_stocks.stock SET reserve=reserve-" + SqlInt(-5) + " WHERE id_ii=" + SqlInt(11));
    dm->cmd_all.execute();
    EXPECT_EQ(db->value("select reserve::float8 from stk_stocks.stock where id_ii = 11"), "25");
}

TEST_F(Composition, InvalidUtf8IsRefusedBeforeSending) {
    std::string bad = "abc\xC3";
    EXPECT_THROW(SqlText(bad), ConversionError);
    Query q(dm->ADO_DB, "q", "select :x::text as x");
    q.setParam("x", bad);
    EXPECT_THROW(q.open(), ConversionError);
    dm->cmd_all.setText("select '" + bad + "'");
    EXPECT_THROW(dm->cmd_all.execute(), ConversionError);
    EXPECT_TRUE(statements().empty());
}

TEST_F(Composition, BadDecimalSendsNothing) {
    auto compose = [&] {
        dm->cmd_all.setText("UPDATE stk_stocks.stock SET count=" + dm->NormalizeDecimal("1,2,3"));
        dm->cmd_all.execute();
    };
    EXPECT_THROW(compose(), ConversionError);
    EXPECT_TRUE(statements().empty());
}

} // namespace
} // namespace velt
