#include "data/filter.h"

#include <cmath>
#include <cstring>
#include <optional>
#include <string>

#include "data/collation.h"
#include "data/dataset.h"
#include "data/db_error.h"

namespace velt {

namespace {

enum class Op { Eq, Ne, Lt, Gt, Le, Ge };

struct Token {
    enum Kind { Ident, Text, Number, Symbol, End } kind;
    std::string text;
};

class Lexer {
public:
    explicit Lexer(std::string_view s) : s_(s) {}

    Token next() {
        while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\n' || s_[pos_] == '\r'))
            ++pos_;
        if (pos_ >= s_.size()) return {Token::End, {}};
        char c = s_[pos_];
        if (c == '\'' || c == '"') {
            char q = c;
            std::string out;
            ++pos_;
            for (;;) {
                if (pos_ >= s_.size()) throw DbError("Фильтр: незакрытая строка");
                if (s_[pos_] == q) {
                    if (pos_ + 1 < s_.size() && s_[pos_ + 1] == q) {
                        out += q;
                        pos_ += 2;
                        continue;
                    }
                    ++pos_;
                    break;
                }
                out += s_[pos_++];
            }
            return {Token::Text, out};
        }
        if (c == '[') {
            auto end = s_.find(']', pos_);
            if (end == std::string_view::npos) throw DbError("Фильтр: незакрытое имя поля");
            std::string name(s_.substr(pos_ + 1, end - pos_ - 1));
            pos_ = end + 1;
            return {Token::Ident, name};
        }
        if ((c >= '0' && c <= '9') || ((c == '-' || c == '.') && pos_ + 1 < s_.size() &&
                                       ((s_[pos_ + 1] >= '0' && s_[pos_ + 1] <= '9') || s_[pos_ + 1] == '.'))) {
            size_t start = pos_++;
            while (pos_ < s_.size() && ((s_[pos_] >= '0' && s_[pos_] <= '9') || s_[pos_] == '.' || s_[pos_] == ','))
                ++pos_;
            return {Token::Number, std::string(s_.substr(start, pos_ - start))};
        }
        if (std::strchr("()=<>!", c)) {
            size_t start = pos_++;
            if (pos_ < s_.size() && ((c == '<' && (s_[pos_] == '>' || s_[pos_] == '=')) ||
                                     (c == '>' && s_[pos_] == '=') || (c == '!' && s_[pos_] == '=')))
                ++pos_;
            return {Token::Symbol, std::string(s_.substr(start, pos_ - start))};
        }
        if (c == '_' || (unsigned char)c >= 0x80 || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            size_t start = pos_;
            while (pos_ < s_.size() && (s_[pos_] == '_' || s_[pos_] == '.' || (unsigned char)s_[pos_] >= 0x80 ||
                                        (s_[pos_] >= 'a' && s_[pos_] <= 'z') || (s_[pos_] >= 'A' && s_[pos_] <= 'Z') ||
                                        (s_[pos_] >= '0' && s_[pos_] <= '9')))
                ++pos_;
            return {Token::Ident, std::string(s_.substr(start, pos_ - start))};
        }
        throw DbError("Фильтр: неожиданный символ '" + std::string(1, c) + "'");
    }

private:
    std::string_view s_;
    size_t pos_ = 0;
};

bool isWord(const Token& t, const char* word) {
    if (t.kind != Token::Ident || t.text.size() != std::strlen(word)) return false;
    for (size_t i = 0; i < t.text.size(); ++i)
        if (std::tolower((unsigned char)t.text[i]) != word[i]) return false;
    return true;
}

bool holds(int c, Op op) {
    switch (op) {
    case Op::Eq: return c == 0;
    case Op::Ne: return c != 0;
    case Op::Lt: return c < 0;
    case Op::Gt: return c > 0;
    case Op::Le: return c <= 0;
    case Op::Ge: return c >= 0;
    }
    return false;
}

struct AndExpr : FilterExpr {
    std::shared_ptr<FilterExpr> a, b;
    bool matches(const Dataset& d, int r) const override { return a->matches(d, r) && b->matches(d, r); }
};
struct OrExpr : FilterExpr {
    std::shared_ptr<FilterExpr> a, b;
    bool matches(const Dataset& d, int r) const override { return a->matches(d, r) || b->matches(d, r); }
};
struct NotExpr : FilterExpr {
    std::shared_ptr<FilterExpr> a;
    bool matches(const Dataset& d, int r) const override { return !a->matches(d, r); }
};
struct NullExpr : FilterExpr {
    int column;
    bool wantNull;
    bool matches(const Dataset& d, int r) const override { return d.resultIsNull(r, column) == wantNull; }
};

struct NumberCompare : FilterExpr {
    const std::vector<double>* values;
    int column;
    Op op;
    double literal;
    bool matches(const Dataset& d, int r) const override {
        if (d.resultIsNull(r, column)) return false;
        double v = (*values)[r];
        if (std::isnan(v)) return false;
        return holds(v < literal ? -1 : (v > literal ? 1 : 0), op);
    }
};

struct DateCompare : FilterExpr {
    const std::vector<std::int64_t>* values;
    int column;
    Op op;
    std::int64_t literal;
    bool matches(const Dataset& d, int r) const override {
        if (d.resultIsNull(r, column)) return false;
        auto v = (*values)[r];
        return holds(v < literal ? -1 : (v > literal ? 1 : 0), op);
    }
};

struct TextCompare : FilterExpr {
    const std::vector<std::string>* keys;
    int column;
    Op op;
    std::string literal;  // collation key
    bool matches(const Dataset& d, int r) const override {
        if (d.resultIsNull(r, column)) return false;
        return holds((*keys)[r].compare(literal), op);
    }
};

// like: % (or *) matches any run of characters; matching is case-insensitive.
struct LikeExpr : FilterExpr {
    enum Shape { Exact, Prefix, Suffix, Contains, General } shape;
    const std::vector<std::string>* keys;
    int column;
    std::string needle;                 // for the simple shapes
    std::vector<std::string> parts;     // for General: pieces between wildcards
    bool anchoredStart = true, anchoredEnd = true;
    bool negated = false;  // "not like": a null matches neither

    bool matches(const Dataset& d, int r) const override {
        if (d.resultIsNull(r, column)) return false;
        return matchesValue(d, r) != negated;
    }

    bool matchesValue(const Dataset&, int r) const {
        const std::string& v = (*keys)[r];
        switch (shape) {
        case Exact: return v == needle;
        case Prefix: return v.size() >= needle.size() && std::memcmp(v.data(), needle.data(), needle.size()) == 0;
        case Suffix:
            return v.size() >= needle.size() &&
                   std::memcmp(v.data() + v.size() - needle.size(), needle.data(), needle.size()) == 0;
        case Contains:
            return needle.empty() || memmem(v.data(), v.size(), needle.data(), needle.size()) != nullptr;
        case General: break;
        }
        size_t pos = 0;
        for (size_t i = 0; i < parts.size(); ++i) {
            const std::string& p = parts[i];
            if (i == 0 && anchoredStart) {
                if (v.compare(0, p.size(), p) != 0) return false;
                pos = p.size();
            } else if (i == parts.size() - 1 && anchoredEnd) {
                return v.size() >= pos + p.size() && v.compare(v.size() - p.size(), p.size(), p) == 0;
            } else {
                auto found = v.find(p, pos);
                if (found == std::string::npos) return false;
                pos = found + p.size();
            }
        }
        return true;
    }
};

class Parser {
public:
    Parser(std::string_view text, const Dataset& ds) : lex_(text), ds_(ds) { advance(); }

    std::shared_ptr<FilterExpr> parse() {
        auto e = parseOr();
        if (tok_.kind != Token::End) throw DbError("Фильтр: лишний текст '" + tok_.text + "'");
        return e;
    }

private:
    void advance() { tok_ = lex_.next(); }

    std::shared_ptr<FilterExpr> parseOr() {
        auto left = parseAnd();
        while (isWord(tok_, "or")) {
            advance();
            auto e = std::make_shared<OrExpr>();
            e->a = left;
            e->b = parseAnd();
            left = e;
        }
        return left;
    }

    std::shared_ptr<FilterExpr> parseAnd() {
        auto left = parseUnary();
        while (isWord(tok_, "and")) {
            advance();
            auto e = std::make_shared<AndExpr>();
            e->a = left;
            e->b = parseUnary();
            left = e;
        }
        return left;
    }

    std::shared_ptr<FilterExpr> parseUnary() {
        if (isWord(tok_, "not")) {
            advance();
            auto e = std::make_shared<NotExpr>();
            e->a = parseUnary();
            return e;
        }
        if (tok_.kind == Token::Symbol && tok_.text == "(") {
            advance();
            auto e = parseOr();
            if (!(tok_.kind == Token::Symbol && tok_.text == ")")) throw DbError("Фильтр: ожидалась ')'");
            advance();
            return e;
        }
        return parseComparison();
    }

    std::shared_ptr<FilterExpr> parseComparison() {
        if (tok_.kind != Token::Ident) throw DbError("Фильтр: ожидалось имя поля");
        std::string name = tok_.text;
        int col = ds_.fieldIndex(name);
        if (col < 0) throw DbError("Фильтр: поле '" + name + "' не найдено");
        advance();
        if (isWord(tok_, "is")) {
            advance();
            bool negate = false;
            if (isWord(tok_, "not")) {
                negate = true;
                advance();
            }
            if (!isWord(tok_, "null")) throw DbError("Фильтр: ожидалось null");
            advance();
            auto e = std::make_shared<NullExpr>();
            e->column = col;
            e->wantNull = !negate;
            return e;
        }
        bool notLike = false;
        if (isWord(tok_, "not")) {
            advance();
            notLike = true;
            if (!isWord(tok_, "like")) throw DbError("Фильтр: ожидалось like");
        }
        if (isWord(tok_, "like")) {
            advance();
            if (tok_.kind != Token::Text && tok_.kind != Token::Number) throw DbError("Фильтр: ожидался образец");
            auto e = makeLike(col, tok_.text);
            e->negated = notLike;
            advance();
            return e;
        }
        if (tok_.kind != Token::Symbol) throw DbError("Фильтр: ожидалось сравнение");
        Op op;
        const std::string& s = tok_.text;
        if (s == "=") op = Op::Eq;
        else if (s == "<>" || s == "!=") op = Op::Ne;
        else if (s == "<") op = Op::Lt;
        else if (s == ">") op = Op::Gt;
        else if (s == "<=") op = Op::Le;
        else if (s == ">=") op = Op::Ge;
        else throw DbError("Фильтр: неизвестная операция '" + s + "'");
        advance();
        if (isWord(tok_, "null")) {
            advance();
            auto e = std::make_shared<NullExpr>();
            e->column = col;
            e->wantNull = op == Op::Eq;
            return e;
        }
        if (tok_.kind != Token::Text && tok_.kind != Token::Number && tok_.kind != Token::Ident)
            throw DbError("Фильтр: ожидалось значение");
        std::string literal = tok_.text;
        bool quoted = tok_.kind == Token::Text;
        advance();
        return makeCompare(col, op, literal, quoted);
    }

    std::shared_ptr<FilterExpr> makeCompare(int col, Op op, const std::string& literal, bool quoted) {
        FieldKind kind = ds_.fieldKind(col);
        if (kind == FieldKind::Boolean) {
            auto e = std::make_shared<NumberCompare>();
            e->values = &ds_.numberColumn(col);
            e->column = col;
            e->op = op;
            std::string l = collationKey(literal);
            e->literal = (l == "true" || l == "t" || l == "1") ? 1 : 0;
            return e;
        }
        if (kind == FieldKind::Integer || kind == FieldKind::Decimal || kind == FieldKind::Float) {
            if (auto n = parseNumber(literal)) {
                auto e = std::make_shared<NumberCompare>();
                e->values = &ds_.numberColumn(col);
                e->column = col;
                e->op = op;
                e->literal = *n;
                return e;
            }
        }
        if (kind == FieldKind::Date || kind == FieldKind::DateTime) {
            if (auto d = DateTime::parse(literal)) {
                auto e = std::make_shared<DateCompare>();
                e->values = &ds_.dateColumn(col);
                e->column = col;
                e->op = op;
                e->literal = d->key();
                return e;
            }
        }
        (void)quoted;
        auto e = std::make_shared<TextCompare>();
        e->keys = &ds_.collationColumn(col);
        e->column = col;
        e->op = op;
        e->literal = collationKey(literal);
        return e;
    }

    std::shared_ptr<LikeExpr> makeLike(int col, const std::string& pattern) {
        auto e = std::make_shared<LikeExpr>();
        e->keys = &ds_.collationColumn(col);
        e->column = col;
        std::string p = pattern;
        for (auto& c : p)
            if (c == '*') c = '%';
        std::vector<std::string> parts;
        std::string cur;
        for (char c : p) {
            if (c == '%') {
                parts.push_back(collationKey(cur));
                cur.clear();
            } else {
                cur += c;
            }
        }
        parts.push_back(collationKey(cur));
        if (parts.size() == 1) {
            e->shape = LikeExpr::Exact;
            e->needle = parts[0];
            return e;
        }
        e->anchoredStart = !parts.front().empty();
        e->anchoredEnd = !parts.back().empty();
        std::vector<std::string> pieces;
        for (auto& part : parts)
            if (!part.empty()) pieces.push_back(part);
        if (pieces.empty()) {
            e->shape = LikeExpr::Contains;
        } else if (pieces.size() == 1 && !(e->anchoredStart && e->anchoredEnd)) {
            e->needle = pieces[0];
            e->shape = e->anchoredStart ? LikeExpr::Prefix : (e->anchoredEnd ? LikeExpr::Suffix : LikeExpr::Contains);
        } else {
            e->shape = LikeExpr::General;
            e->parts = pieces;
        }
        return e;
    }

    Lexer lex_;
    Token tok_{Token::End, {}};
    const Dataset& ds_;
};

} // namespace

std::shared_ptr<FilterExpr> compileFilter(std::string_view text, const Dataset& dataset) {
    return Parser(text, dataset).parse();
}

std::vector<SortKey> parseSort(std::string_view spec, const Dataset& dataset) {
    std::vector<SortKey> keys;
    size_t pos = 0;
    while (pos <= spec.size()) {
        size_t comma = spec.find(',', pos);
        std::string_view part = spec.substr(pos, comma == std::string_view::npos ? std::string_view::npos : comma - pos);
        Lexer lex(part);
        Token name = lex.next();
        if (name.kind == Token::End) {
            if (comma == std::string_view::npos) break;
            pos = comma + 1;
            continue;
        }
        if (name.kind != Token::Ident && name.kind != Token::Text) throw DbError("Сортировка: ожидалось имя поля");
        int col = dataset.fieldIndex(name.text);
        if (col < 0) throw DbError("Сортировка: поле '" + name.text + "' не найдено");
        Token dir = lex.next();
        bool desc = false;
        if (isWord(dir, "desc")) desc = true;
        else if (dir.kind != Token::End && !isWord(dir, "asc")) throw DbError("Сортировка: ожидалось ASC или DESC");
        keys.push_back({col, desc});
        if (comma == std::string_view::npos) break;
        pos = comma + 1;
    }
    return keys;
}

} // namespace velt
