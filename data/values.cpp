#include "data/values.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace velt {

namespace {

bool readInt(std::string_view s, size_t& pos, size_t digits, int& out, bool exact = true) {
    size_t start = pos;
    int v = 0;
    while (pos < s.size() && pos - start < digits && s[pos] >= '0' && s[pos] <= '9') {
        v = v * 10 + (s[pos] - '0');
        ++pos;
    }
    if (pos == start || (exact && pos - start != digits)) return false;
    out = v;
    return true;
}

int daysInMonth(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m == 2 && ((y % 4 == 0 && y % 100 != 0) || y % 400 == 0)) return 29;
    return days[m - 1];
}

std::string two(int v) {
    char b[8];
    std::snprintf(b, sizeof b, "%02d", v);
    return b;
}

} // namespace

bool DateTime::isValid() const {
    return year >= 1 && month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month) &&
           hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 61;
}

int DateTime::dayOfWeek() const {
    std::chrono::year_month_day ymd{std::chrono::year(year), std::chrono::month(unsigned(month)),
                                    std::chrono::day(unsigned(day))};
    std::chrono::weekday wd{std::chrono::sys_days(ymd)};
    return int(wd.iso_encoding());
}

std::int64_t DateTime::key() const {
    return ((((std::int64_t(year) * 13 + month) * 32 + day) * 24 + hour) * 60 + minute) * 61 + second;
}

std::string DateTime::toDateText() const {
    char b[32];
    std::snprintf(b, sizeof b, "%02d.%02d.%04d", day, month, year);
    return b;
}

std::string DateTime::toText() const {
    std::string s = toDateText();
    if (hasTime()) s += " " + two(hour) + ":" + two(minute) + ":" + two(second);
    return s;
}

std::string DateTime::toIso() const {
    char b[40];
    std::snprintf(b, sizeof b, "%04d-%02d-%02d", year, month, day);
    std::string s = b;
    if (hasTime()) s += " " + two(hour) + ":" + two(minute) + ":" + two(second);
    return s;
}

DateTime DateTime::fromYmd(int y, int m, int d) {
    DateTime t;
    t.year = y;
    t.month = m;
    t.day = d;
    return t;
}

DateTime DateTime::today() {
    DateTime t = now();
    t.hour = t.minute = t.second = 0;
    return t;
}

DateTime DateTime::now() {
    std::time_t tt = std::time(nullptr);
    std::tm tm{};
    localtime_r(&tt, &tm);
    DateTime t;
    t.year = tm.tm_year + 1900;
    t.month = tm.tm_mon + 1;
    t.day = tm.tm_mday;
    t.hour = tm.tm_hour;
    t.minute = tm.tm_min;
    t.second = tm.tm_sec;
    return t;
}

std::optional<DateTime> DateTime::parse(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    DateTime t;
    size_t pos = 0;
    if (s.size() >= 10 && s[4] == '-') {
        if (!readInt(s, pos, 4, t.year) || s[pos++] != '-' || !readInt(s, pos, 2, t.month) ||
            pos >= s.size() || s[pos++] != '-' || !readInt(s, pos, 2, t.day))
            return std::nullopt;
    } else {
        if (!readInt(s, pos, 2, t.day, false) || pos >= s.size() || s[pos++] != '.' ||
            !readInt(s, pos, 2, t.month, false) || pos >= s.size() || s[pos++] != '.' ||
            !readInt(s, pos, 4, t.year))
            return std::nullopt;
    }
    if (pos < s.size()) {
        if (s[pos] != ' ' && s[pos] != 'T') return std::nullopt;
        ++pos;
        if (!readInt(s, pos, 2, t.hour, false) || pos >= s.size() || s[pos++] != ':' ||
            !readInt(s, pos, 2, t.minute))
            return std::nullopt;
        if (pos < s.size() && s[pos] == ':') {
            ++pos;
            if (!readInt(s, pos, 2, t.second)) return std::nullopt;
        }
        if (pos < s.size() && s[pos] == '.') {  // fractions of a second are not kept
            ++pos;
            while (pos < s.size() && s[pos] >= '0' && s[pos] <= '9') ++pos;
        }
        if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) pos = s.size();  // zone
        if (pos != s.size()) return std::nullopt;
    }
    if (!t.isValid()) return std::nullopt;
    return t;
}

std::optional<std::string> variantToParameterText(const Variant& v) {
    struct Visitor {
        std::optional<std::string> operator()(std::monostate) const { return std::nullopt; }
        std::optional<std::string> operator()(long long i) const { return std::to_string(i); }
        std::optional<std::string> operator()(double d) const {
            char b[64];
            std::snprintf(b, sizeof b, "%.17g", d);
            return std::string(b);
        }
        std::optional<std::string> operator()(const std::string& s) const { return s; }
        std::optional<std::string> operator()(bool b) const { return std::string(b ? "true" : "false"); }
        std::optional<std::string> operator()(const DateTime& t) const { return t.toIso(); }
    };
    return std::visit(Visitor{}, v);
}

std::string formatNumberText(std::string_view s) {
    std::string out(s);
    auto dot = out.find('.');
    if (dot == std::string::npos) return out;
    if (out.find_first_of("eE") != std::string::npos) return out;
    size_t end = out.size();
    while (end > dot + 1 && out[end - 1] == '0') --end;
    if (end == dot + 1) end = dot;
    out.resize(end);
    if (end > dot) out[dot] = ',';
    if (out == "-0") out = "0";
    return out;
}

std::string FloatToStr(double value) {
    if (std::isnan(value) || std::isinf(value)) return "0";
    // Fifteen significant digits, as the platform gives them, then trimmed.
    char b[512];
    std::snprintf(b, sizeof b, "%.15g", value);
    std::string text = b;
    if (text.find_first_of("eE") != std::string::npos) {
        int exponent = int(std::floor(std::log10(std::fabs(value))));
        int decimals = std::max(0, 14 - exponent);
        std::snprintf(b, sizeof b, "%.*f", std::min(decimals, 340), value);
        text = b;
    }
    return formatNumberText(text);
}

std::optional<double> parseNumber(std::string_view s) {
    std::string t(s);
    for (auto& c : t)
        if (c == ',') c = '.';
    if (t.empty()) return std::nullopt;
    const char* begin = t.c_str();
    if (*begin == '+') ++begin;
    double v = 0;
    auto [ptr, ec] = std::from_chars(begin, t.c_str() + t.size(), v);
    if (ec != std::errc() || ptr != t.c_str() + t.size()) return std::nullopt;
    return v;
}

std::string trimmed(std::string_view s) {
    auto b = s.find_first_not_of(" \t\r\n");
    if (b == std::string_view::npos) return {};
    auto e = s.find_last_not_of(" \t\r\n");
    return std::string(s.substr(b, e - b + 1));
}

bool isValidUtf8(std::string_view s) {
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const auto* end = p + s.size();
    while (p < end) {
        unsigned char c = *p;
        if (c < 0x80) {
            if (c == 0) return false;
            ++p;
            continue;
        }
        int n;
        std::uint32_t cp;
        if ((c & 0xE0) == 0xC0) { n = 1; cp = c & 0x1F; }
        else if ((c & 0xF0) == 0xE0) { n = 2; cp = c & 0x0F; }
        else if ((c & 0xF8) == 0xF0) { n = 3; cp = c & 0x07; }
        else return false;
        if (end - p <= n) return false;
        for (int i = 1; i <= n; ++i) {
            if ((p[i] & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (p[i] & 0x3F);
        }
        if ((n == 1 && cp < 0x80) || (n == 2 && cp < 0x800) || (n == 3 && cp < 0x10000) ||
            cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        p += n + 1;
    }
    return true;
}

} // namespace velt
