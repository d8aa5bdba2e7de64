#include "data/sql_compose.h"

#include "data/db_error.h"

namespace velt {

std::string SqlText(std::string_view text) {
    if (!isValidUtf8(text)) throw ConversionError("Текст содержит недопустимые символы");
    std::string out;
    out.reserve(text.size() + 2);
    out += '\'';
    for (char c : text) {
        if (c == '\'') out += '\'';
        out += c;
    }
    out += '\'';
    return out;
}

std::string SqlInt(long long value) {
    if (value < 0) return "(" + std::to_string(value) + ")";
    return std::to_string(value);
}

namespace {

// sign? digits [sep digits] | sep digits, with an optional exponent.
bool isNumberText(std::string_view s, std::string_view sep) {
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t intDigits = 0, fracDigits = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') { ++i; ++intDigits; }
    if (!sep.empty() && s.substr(i, sep.size()) == sep) {
        i += sep.size();
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') { ++i; ++fracDigits; }
    }
    if (intDigits + fracDigits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        size_t expDigits = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') { ++i; ++expDigits; }
        if (!expDigits) return false;
    }
    return i == s.size();
}

} // namespace

std::string ReplaceDecimalSeparator(std::string_view text, std::string_view separator) {
    if (text.empty()) return "0";
    std::string out(text);
    auto pos = out.find(',');
    if (pos == std::string::npos) pos = out.find('.');
    if (pos != std::string::npos) out.replace(pos, 1, separator);
    return out;
}

std::string NormalizeDecimal(std::string_view text, std::string_view separator) {
    std::string out = ReplaceDecimalSeparator(text, separator);
    if (!isNumberText(out, separator))
        throw ConversionError("'" + std::string(isValidUtf8(text) ? text : "?") +
                              "' не является числом");
    if (out[0] == '-') return "(" + out + ")";
    return out;
}

std::string SqlDate(const DateTime& date) { return "'" + date.toDateText() + "'"; }

} // namespace velt
