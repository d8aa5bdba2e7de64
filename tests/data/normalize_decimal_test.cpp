#include <gtest/gtest.h>

#include "data/data_module.h"
#include "data/db_error.h"
#include "data/sql_compose.h"

namespace velt {
namespace {

struct DecimalCase {
    const char* text;
    const char* separator;
    const char* expected;  // nullptr: a conversion error
};

class NormalizeDecimalTest : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(NormalizeDecimalTest, WritesTheDatabaseSeparatorOrRefuses) {
    const auto& c = GetParam();
    if (c.expected) {
        EXPECT_EQ(NormalizeDecimal(c.text, c.separator), c.expected);
    } else {
        EXPECT_THROW(NormalizeDecimal(c.text, c.separator), ConversionError);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, NormalizeDecimalTest, ::testing::Values(
    DecimalCase{"12,5", ".", "12.5"},
    DecimalCase{"3.75", ".", "3.75"},
    DecimalCase{"3.75", ",", "3,75"},
    DecimalCase{"12,5", ",", "12,5"},
    DecimalCase{"", ".", "0"},
    DecimalCase{"", ",", "0"},
    DecimalCase{"42", ".", "42"},
    DecimalCase{",5", ".", ".5"},
    DecimalCase{"5,", ".", "5."},
    DecimalCase{"-5", ".", "(-5)"},
    DecimalCase{"-0,25", ".", "(-0.25)"},
    DecimalCase{"1e-5", ".", "1e-5"},
    // Several separators: only the first is replaced, and the rest is no number.
    DecimalCase{"1,2,3", ".", nullptr},
    DecimalCase{"1.2.3", ".", nullptr},
    DecimalCase{"1,2.3", ".", nullptr},
    // Not numbers at all.
    DecimalCase{",", ".", nullptr},
    DecimalCase{"abc", ".", nullptr},
    DecimalCase{"1 000", ".", nullptr},
    DecimalCase{"5); drop table ver; --", ".", nullptr},
    DecimalCase{"--5", ".", nullptr},
    DecimalCase{"-", ".", nullptr}));

TEST(ReplaceDecimalSeparator, ReplacesOnlyTheFirstSeparator) {
    EXPECT_EQ(ReplaceDecimalSeparator("1,2,3", "."), "1.2,3");
    EXPECT_EQ(ReplaceDecimalSeparator("1.2.3", ","), "1,2.3");
    EXPECT_EQ(ReplaceDecimalSeparator("7,5.1", "."), "7.5.1");
    EXPECT_EQ(ReplaceDecimalSeparator("", "."), "0");
}

TEST(DataModuleNormalizeDecimal, UsesTheSeparatorReadFromTheVersionRow) {
    TDataModule6 dm;
    dm.DbDecimalSeparator = ",";
    EXPECT_EQ(dm.NormalizeDecimal("3.75"), "3,75");
    dm.DbDecimalSeparator = ".";
    EXPECT_EQ(dm.NormalizeDecimal("12,5"), "12.5");
    // Not yet read: the number keeps its value instead of losing the separator.
    dm.DbDecimalSeparator.clear();
    EXPECT_EQ(dm.NormalizeDecimal("12,5"), "12.5");
}

TEST(SqlInt, KeepsNegativeNumbersApartFromAPrecedingMinus) {
    EXPECT_EQ(SqlInt(5), "5");
    EXPECT_EQ(SqlInt(0), "0");
    EXPECT_EQ("reserve=reserve-" + SqlInt(-5), "reserve=reserve-(-5)");
}

} // namespace
} // namespace velt
