#include <gtest/gtest.h>

#include "data/db_error.h"
#include "data/query.h"
#include "tests/support/test_db.h"

namespace velt {
namespace {

class DatasetTest : public test::DbTest {};

struct Reading {
    const char* expr;      // a select-list expression named v
    const char* text;
    long long integer;     // kNotANumber: numeric readings raise a conversion error
    double real;
    bool null;
};
constexpr long long kNotANumber = -999999;

class FieldReadings : public test::DbTest, public ::testing::WithParamInterface<Reading> {};

TEST_P(FieldReadings, ReadAsTextIntegerFloatAndNull) {
    const auto& c = GetParam();
    Query q(dm->ADO_DB, "q", std::string("select ") + c.expr + " as v");
    q.open();
    auto f = q.field("v");
    EXPECT_EQ(f.asString(), c.text) << c.expr;
    if (c.integer == kNotANumber) {
        EXPECT_THROW(f.asInteger(), ConversionError) << c.expr;
        EXPECT_THROW(f.asFloat(), ConversionError) << c.expr;
    } else {
        EXPECT_EQ(f.asInteger(), c.integer) << c.expr;
        EXPECT_DOUBLE_EQ(f.asFloat(), c.real) << c.expr;
    }
    EXPECT_EQ(f.isNull(), c.null) << c.expr;
}

INSTANTIATE_TEST_SUITE_P(Types, FieldReadings, ::testing::Values(
    Reading{"42", "42", 42, 42, false},
    Reading{"(-7)::bigint", "-7", -7, -7, false},
    Reading{"12.5000::numeric(15,4)", "12,5", 13, 12.5, false},
    Reading{"3::numeric(15,0)", "3", 3, 3, false},
    Reading{"0.000100::numeric(28,6)", "0,0001", 0, 0.0001, false},
    Reading{"2.25::float8", "2,25", 2, 2.25, false},
    Reading{"true", "1", 1, 1, false},
    Reading{"false", "0", 0, 0, false},
    Reading{"'Цех №1'::text", "Цех №1", kNotANumber, 0, false},
    Reading{"' 12,5'::text", " 12,5", kNotANumber, 0, false},
    Reading{"'12,5'::text", "12,5", 13, 12.5, false},
    Reading{"''::text", "", 0, 0, false},
    Reading{"null::text", "", 0, 0, true},
    Reading{"null::int", "", 0, 0, true},
    Reading{"null::numeric", "", 0, 0, true},
    Reading{"null::boolean", "", 0, 0, true},
    Reading{"date '2026-01-05'", "05.01.2026", kNotANumber, 0, false},
    Reading{"timestamp '2026-01-05 14:03:09.25'", "05.01.2026 14:03:09", kNotANumber, 0, false},
    Reading{"timestamp '2026-01-05 00:00:00'", "05.01.2026", kNotANumber, 0, false}));

TEST_F(DatasetTest, TextThatIsNoNumberRaisesOnNumericRead) {
    Query q(dm->ADO_DB, "q", "select 'abc'::text as v");
    q.open();
    EXPECT_THROW(q.field("v").asInteger(), ConversionError);
    EXPECT_THROW(q.field("v").asFloat(), ConversionError);
}

TEST_F(DatasetTest, DatesReadAsDates) {
    Query q(dm->ADO_DB, "q", "select date '2026-02-28' as d, null::date as n, timestamp '2026-03-01 08:30:00' as t");
    q.open();
    EXPECT_EQ(q.field("d").asDateTime(), DateTime::fromYmd(2026, 2, 28));
    EXPECT_FALSE(q.field("n").asDateTime().isValid());
    auto t = q.field("t").asDateTime();
    EXPECT_EQ(t.toText(), "01.03.2026 08:30:00");
    EXPECT_EQ(t.dayOfWeek(), 7);
}

TEST_F(DatasetTest, NavigationAndRecordNumber) {
    Query q(dm->ADO_DB, "q", "select g as n from generate_series(1, 5) g order by g");
    q.open();
    EXPECT_EQ(q.recordCount(), 5);
    EXPECT_EQ(q.recNo(), 1);
    EXPECT_TRUE(q.bof());
    std::vector<int> seen;
    for (q.first(); !q.eof(); q.next()) seen.push_back(q.field("n").asInt());
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_TRUE(q.eof());
    q.setRecNo(3);
    EXPECT_EQ(q.field("n").asInt(), 3);
    q.prior();
    EXPECT_EQ(q.recNo(), 2);
    q.last();
    EXPECT_EQ(q.field("n").asInt(), 5);
    q.setRecNo(99);  // beyond the end: the last record
    EXPECT_EQ(q.recNo(), 5);
    EXPECT_TRUE(q.locate("n", 4LL));
    EXPECT_EQ(q.recNo(), 4);
    EXPECT_FALSE(q.locate("n", 9LL));
    EXPECT_EQ(q.recNo(), 4);
}

TEST_F(DatasetTest, ReopenReturnsToTheRememberedRecord) {
    Query q(dm->ADO_DB, "q", "select g as n from generate_series(1, 5) g order by g");
    q.open();
    q.setRecNo(4);
    q.reopen();
    EXPECT_EQ(q.recNo(), 4);
}

TEST_F(DatasetTest, EmptyResultHasNoCurrentRecord) {
    Query q(dm->ADO_DB, "q", "select 1 as n where false");
    q.open();
    EXPECT_EQ(q.recordCount(), 0);
    EXPECT_EQ(q.recNo(), 0);
    EXPECT_TRUE(q.eof());
    EXPECT_TRUE(q.bof());
    // Reading "the first row" of nothing is a null, not an accident.
    EXPECT_TRUE(q.field("n").isNull());
    EXPECT_EQ(q.field("n").asInteger(), 0);
    EXPECT_EQ(q.field("n").asString(), "");
}

TEST_F(DatasetTest, LocateTextIgnoresCase) {
    Query q(dm->ADO_DB, "q", "select * from (values (1, 'Цех'), (2, 'Склад')) t(id, s)");
    q.open();
    EXPECT_TRUE(q.locate("s", std::string("склад")));
    EXPECT_EQ(q.field("id").asInt(), 2);
}

TEST_F(DatasetTest, NamedParametersAreBoundByName) {
    Query q(dm->ADO_DB, "q",
            "select :a::int + :b::int as s, :a::text || '::x :b' as t, -- :c is a comment\n :d::date as d");
    EXPECT_EQ(q.parameters().names(), (std::vector<std::string>{"a", "b", "d"}));
    q.setParam("a", 2LL);
    q.setParam("B", 3LL);  // names are not case-sensitive
    q.setParam("d", DateTime::fromYmd(2026, 1, 15));
    q.open();
    EXPECT_EQ(q.field("s").asInteger(), 5);
    EXPECT_EQ(q.field("t").asString(), "2::x :b");
    EXPECT_EQ(q.field("d").asString(), "15.01.2026");
    EXPECT_THROW(q.setParam("nosuch", 1LL), DbError);
}

TEST_F(DatasetTest, ParameterValuesSurviveReopenAndUnsetOnesAreNull) {
    Query q(dm->ADO_DB, "q", "select :x::text is null as unset");
    q.open();
    EXPECT_EQ(q.field("unset").asInteger(), 1);
    q.close();
    q.setParam("x", std::string("v"));
    q.open();
    EXPECT_EQ(q.field("unset").asInteger(), 0);
    q.reopen();
    EXPECT_EQ(q.field("unset").asInteger(), 0);
}

TEST_F(DatasetTest, RepeatedColumnNamesAreToldApart) {
    Query q(dm->ADO_DB, "q", "select 1 as id, 2 as id, 3 as id");
    q.open();
    EXPECT_EQ(q.field("id").asInt(), 1);
    EXPECT_EQ(q.field("id_1").asInt(), 2);
    EXPECT_EQ(q.field("ID_2").asInt(), 3);
    EXPECT_THROW(q.field("nosuch"), DbError);
}

TEST_F(DatasetTest, DeclaredFieldsMustBeDelivered) {
    Query q(dm->ADO_DB, "q", "select 1 as id");
    q.declareField({"id", FieldKind::Integer});
    q.declareField({"s_caption", FieldKind::Text, 254});
    try {
        q.open();
        FAIL();
    } catch (const DbError& e) {
        EXPECT_NE(std::string(e.what()).find("s_caption"), std::string::npos);
    }
    EXPECT_FALSE(q.isActive());
}

TEST_F(DatasetTest, VersionTableEditsAndPosts) {
    Table ver(dm->ADO_DB, "ver", "ver");
    ver.open();
    ver.first();
    EXPECT_EQ(ver.field("delim").asString(), ".");
    EXPECT_EQ(ver.fieldCount(), 4);  // id, d, t, delim
    EXPECT_FALSE(ver.hasField("ctid"));
    clearStatements();
    ver.edit();
    ver.setFieldValue("d", 20261211LL);
    ver.setFieldValue("t", 3600LL);
    EXPECT_EQ(ver.field("d").asInteger(), 20261211);
    ver.post();
    ASSERT_EQ(statements().size(), 1u);
    EXPECT_EQ(statements()[0].text, "UPDATE ver SET \"d\"=$1, \"t\"=$2 WHERE ctid=$3::tid");
    EXPECT_EQ(db->rows("select d, t, delim from ver"),
              (std::vector<std::vector<std::string>>{{"20261211", "3600", "."}}));
    ver.close();
    EXPECT_THROW(ver.setFieldValue("d", 1LL), DbError);
}

TEST_F(DatasetTest, ObserversHearOpenMoveAndClose) {
    Query q(dm->ADO_DB, "q", "select g from generate_series(1, 3) g");
    std::vector<Dataset::Change> heard;
    int token = q.subscribe([&](Dataset::Change c) { heard.push_back(c); });
    q.open();
    q.next();
    q.setFilter("g > 1");
    q.setFiltered(true);
    q.close();
    q.unsubscribe(token);
    q.open();
    using C = Dataset::Change;
    EXPECT_EQ(heard, (std::vector<C>{C::Opened, C::Moved, C::Reordered, C::Closed}));
}

} // namespace
} // namespace velt
