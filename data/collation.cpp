#include "data/collation.h"

#include <array>
#include <cstdint>

namespace velt {

namespace {

// ASCII: blanks and punctuation are packed below the digits; letters fold to lower case.
constexpr std::array<unsigned char, 128> makeAsciiTable() {
    std::array<unsigned char, 128> t{};
    unsigned char next = 0x01;
    for (int c = 0; c < 128; ++c) {
        bool digit = c >= '0' && c <= '9';
        bool upper = c >= 'A' && c <= 'Z';
        bool lower = c >= 'a' && c <= 'z';
        if (c < 0x20) t[c] = 0x01;
        else if (digit || lower) t[c] = static_cast<unsigned char>(c);
        else if (upper) t[c] = static_cast<unsigned char>(c + 32);
        else t[c] = ++next;  // 0x02 … 0x22, in code order
    }
    return t;
}
constexpr auto kAscii = makeAsciiTable();

void appendUtf8(std::uint32_t cp, std::string& out) {
    if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

std::uint32_t foldCyrillic(std::uint32_t cp) {
    if (cp >= 0x0410 && cp <= 0x042F) cp += 0x20;          // А-Я → а-я
    else if (cp >= 0x0400 && cp <= 0x040F) cp += 0x50;     // Ѐ-Џ → ѐ-џ
    if (cp == 0x0451 || cp == 0x0450) cp = 0x0435;          // ё, ѐ → е
    return cp;
}

} // namespace

void appendCollationKey(std::string_view s, std::string& out) {
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const auto* end = p + s.size();
    while (p < end) {
        unsigned char c = *p;
        if (c < 0x80) {
            out += char(kAscii[c]);
            ++p;
            continue;
        }
        // Two-byte sequences cover Cyrillic; longer ones are kept as they are.
        if ((c & 0xE0) == 0xC0 && p + 1 < end) {
            std::uint32_t cp = ((c & 0x1F) << 6) | (p[1] & 0x3F);
            appendUtf8(foldCyrillic(cp), out);
            p += 2;
            continue;
        }
        out += char(c);
        ++p;
    }
}

std::string collationKey(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    appendCollationKey(s, out);
    return out;
}

int collate(std::string_view a, std::string_view b) {
    int c = collationKey(a).compare(collationKey(b));
    if (c != 0) return c < 0 ? -1 : 1;
    c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

} // namespace velt
