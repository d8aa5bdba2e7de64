#pragma once
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace velt {

// A calendar date with an optional time of day, as the windows show and write it.
struct DateTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0;

    bool isValid() const;
    bool hasTime() const { return hour || minute || second; }
    int dayOfWeek() const;  // 1 Monday … 7 Sunday
    std::int64_t key() const;  // orders dates; equal for equal moments
    std::string toDateText() const;      // dd.mm.yyyy
    std::string toText() const;          // dd.mm.yyyy, plus " hh:mm:ss" when it has a time
    std::string toIso() const;           // yyyy-mm-dd[ hh:mm:ss]
    static DateTime fromYmd(int y, int m, int d);
    static DateTime today();
    static DateTime now();
    // Reads ISO (yyyy-mm-dd[ hh:mm:ss[.ffffff]]) and the shown form (dd.mm.yyyy[ hh:mm:ss]).
    static std::optional<DateTime> parse(std::string_view text);
    auto operator<=>(const DateTime&) const = default;
};

// A value given to a query parameter or compared by Locate.
using Variant = std::variant<std::monostate, long long, double, std::string, bool, DateTime>;

// The text a parameter is sent as (null for an empty variant).
std::optional<std::string> variantToParameterText(const Variant& v);

// Shown form of a number: at most the digits it needs, "," as the decimal separator.
std::string formatNumberText(std::string_view serverText);
// The platform's float-to-text conversion: shortest exact form, "," as separator, no exponent.
std::string FloatToStr(double value);
// Parses a number written with "." or "," as the decimal separator.
std::optional<double> parseNumber(std::string_view text);

bool isValidUtf8(std::string_view text);

// The text without leading and trailing blanks, as every box is read.
std::string trimmed(std::string_view text);

} // namespace velt
