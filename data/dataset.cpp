#include "data/dataset.h"

#include <libpq-fe.h>

#include <algorithm>
#include <cmath>
#include <numeric>

#include "data/collation.h"
#include "data/db_error.h"
#include "data/filter.h"

namespace velt {

namespace {

FieldKind kindOfType(Oid type) {
    switch (type) {
    case 16: return FieldKind::Boolean;
    case 20: case 21: case 23: case 26: return FieldKind::Integer;
    case 1700: return FieldKind::Decimal;
    case 700: case 701: return FieldKind::Float;
    case 1082: return FieldKind::Date;
    case 1114: case 1184: return FieldKind::DateTime;
    default: return FieldKind::Text;
    }
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (auto& c : out)
        if (c >= 'A' && c <= 'Z') c = char(c + 32);
    return out;
}

std::string shownText(FieldKind kind, std::string_view raw) {
    switch (kind) {
    case FieldKind::Boolean: return raw == "t" ? "1" : "0";
    case FieldKind::Decimal:
    case FieldKind::Float: return formatNumberText(raw);
    case FieldKind::Date:
    case FieldKind::DateTime: {
        auto d = DateTime::parse(raw);
        return d ? d->toText() : std::string(raw);
    }
    default: return std::string(raw);
    }
}

} // namespace

// ---- Field ----

const std::string& Field::name() const { return ds_->names_[col_]; }
FieldKind Field::kind() const { return ds_->kinds_[col_]; }

bool Field::isNull() const {
    int row = ds_->currentResultRow();
    return row < 0 || ds_->resultIsNull(row, col_);
}

std::string Field::asString() const {
    int row = ds_->currentResultRow();
    if (row < 0) return {};
    return ds_->resultText(row, col_);
}

long long Field::asInteger() const {
    int row = ds_->currentResultRow();
    if (row < 0 || ds_->resultIsNull(row, col_)) return 0;
    auto raw = ds_->resultRaw(row, col_);
    if (kind() == FieldKind::Boolean) return raw == "t" || raw == "1" || raw == "true" ? 1 : 0;
    auto n = parseNumber(raw);
    if (!n) {
        if (raw.empty()) return 0;
        throw ConversionError("'" + std::string(raw) + "' не является целым числом");
    }
    return std::llround(*n);
}

double Field::asFloat() const {
    int row = ds_->currentResultRow();
    if (row < 0 || ds_->resultIsNull(row, col_)) return 0;
    auto raw = ds_->resultRaw(row, col_);
    if (kind() == FieldKind::Boolean) return raw == "t" ? 1 : 0;
    auto n = parseNumber(raw);
    if (!n) {
        if (raw.empty()) return 0;
        throw ConversionError("'" + std::string(raw) + "' не является числом");
    }
    return *n;
}

DateTime Field::asDateTime() const {
    int row = ds_->currentResultRow();
    if (row < 0 || ds_->resultIsNull(row, col_)) return {};
    auto raw = ds_->resultRaw(row, col_);
    auto d = DateTime::parse(raw);
    if (!d) throw ConversionError("'" + std::string(raw) + "' не является датой");
    return *d;
}

Variant Field::value() const {
    if (isNull()) return std::monostate{};
    switch (kind()) {
    case FieldKind::Integer: return asInteger();
    case FieldKind::Boolean: return asInteger() != 0;
    case FieldKind::Decimal:
    case FieldKind::Float: return asFloat();
    case FieldKind::Date:
    case FieldKind::DateTime: return asDateTime();
    default: return asString();
    }
}

// ---- Dataset ----

Dataset::Dataset(Connection& connection, std::string name) : connection_(connection), name_(std::move(name)) {
    listenerToken_ = connection_.addDisconnectListener([this] { close(); });
}

Dataset::~Dataset() {
    connection_.removeDisconnectListener(listenerToken_);
    // A window's own query goes before the controls of the window that show it.
    notify(Change::Destroyed);
}

void Dataset::open() {
    if (isActive()) return;
    ResultPtr r = fetch();
    PGresult* res = r.get();
    int n = PQnfields(res);
    std::vector<std::string> names;
    std::vector<FieldKind> kinds;
    std::unordered_map<std::string, int> index;
    for (int c = 0; c < n; ++c) {
        bool hidden = c >= n - hidden_;
        std::string name = PQfname(res, c);
        // A repeated column name is told apart as name_1, name_2, … as the driver does.
        std::string key = lower(name);
        if (!hidden && index.count(key)) {
            for (int k = 1;; ++k) {
                std::string alt = key + "_" + std::to_string(k);
                if (!index.count(alt)) {
                    name += "_" + std::to_string(k);
                    key = alt;
                    break;
                }
            }
        }
        if (!hidden) index.emplace(key, c);
        names.push_back(std::move(name));
        kinds.push_back(kindOfType(PQftype(res, c)));
    }
    for (auto& decl : declared_)
        if (!index.count(lower(decl.name)))
            throw DbError(name_ + ": поле '" + decl.name + "' не найдено");
    result_ = std::move(r);
    names_ = std::move(names);
    kinds_ = std::move(kinds);
    index_ = std::move(index);
    collationCache_.clear();
    numberCache_.clear();
    dateCache_.clear();
    overlay_.clear();
    compiledFilter_.reset();
    try {
        rebuildOrder();
    } catch (...) {
        result_.reset();
        throw;
    }
    notify(Change::Opened);
}

void Dataset::close() {
    if (!isActive()) return;
    result_.reset();
    names_.clear();
    kinds_.clear();
    index_.clear();
    order_.clear();
    visible_.clear();
    collationCache_.clear();
    numberCache_.clear();
    dateCache_.clear();
    overlay_.clear();
    compiledFilter_.reset();
    cursor_ = 0;
    bof_ = true;
    notify(Change::Closed);
}

int Dataset::resultRowCount() const { return result_ ? PQntuples(result_.get()) : 0; }

bool Dataset::resultIsNull(int row, int column) const {
    if (!overlay_.empty())
        if (auto* o = overlay(row, column)) return !o->has_value();
    return PQgetisnull(result_.get(), row, column);
}

std::string_view Dataset::resultRaw(int row, int column) const {
    if (!overlay_.empty())
        if (auto* o = overlay(row, column)) return o->has_value() ? std::string_view(**o) : std::string_view();
    PGresult* r = result_.get();
    return std::string_view(PQgetvalue(r, row, column), size_t(PQgetlength(r, row, column)));
}

std::string Dataset::resultText(int row, int column) const {
    if (resultIsNull(row, column)) return {};
    return shownText(kinds_[column], resultRaw(row, column));
}

void Dataset::rebuildOrder() {
    int n = resultRowCount();
    order_.resize(n);
    std::iota(order_.begin(), order_.end(), 0);
    if (!sortText_.empty()) {
        auto keys = parseSort(sortText_, *this);
        std::vector<const std::vector<std::string>*> texts(keys.size(), nullptr);
        std::vector<const std::vector<double>*> numbers(keys.size(), nullptr);
        std::vector<const std::vector<std::int64_t>*> dates(keys.size(), nullptr);
        for (size_t k = 0; k < keys.size(); ++k) {
            FieldKind kind = kinds_[keys[k].column];
            if (kind == FieldKind::Integer || kind == FieldKind::Decimal || kind == FieldKind::Float ||
                kind == FieldKind::Boolean)
                numbers[k] = &numberColumn(keys[k].column);
            else if (kind == FieldKind::Date || kind == FieldKind::DateTime)
                dates[k] = &dateColumn(keys[k].column);
            else
                texts[k] = &collationColumn(keys[k].column);
        }
        auto cmp = [&](int a, int b) {
            for (size_t k = 0; k < keys.size(); ++k) {
                int col = keys[k].column;
                bool na = resultIsNull(a, col), nb = resultIsNull(b, col);
                int c = 0;
                if (na || nb) c = na == nb ? 0 : (na ? -1 : 1);  // nulls first
                else if (numbers[k]) {
                    double x = (*numbers[k])[a], y = (*numbers[k])[b];
                    c = x < y ? -1 : (x > y ? 1 : 0);
                } else if (dates[k]) {
                    auto x = (*dates[k])[a], y = (*dates[k])[b];
                    c = x < y ? -1 : (x > y ? 1 : 0);
                } else {
                    c = (*texts[k])[a].compare((*texts[k])[b]);
                    if (c == 0) c = resultRaw(a, col).compare(resultRaw(b, col));
                }
                if (c != 0) return keys[k].descending ? c > 0 : c < 0;
            }
            return false;
        };
        if (keys.size() == 1 && texts[0]) {
            // One text key, the common title click: sort contiguous (key, row) pairs, which
            // touches far less memory than comparing through the row numbers.
            int col = keys[0].column;
            const auto& keyText = *texts[0];
            struct Entry {
                std::string_view key;
                int row;
                bool null;
            };
            std::vector<Entry> entries(n);
            for (int r = 0; r < n; ++r) entries[r] = {keyText[r], r, resultIsNull(r, col)};
            bool desc = keys[0].descending;
            std::sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
                int c = a.null != b.null ? (a.null ? -1 : 1) : a.key.compare(b.key);
                if (c == 0) c = resultRaw(a.row, col).compare(resultRaw(b.row, col));
                if (c != 0) return desc ? c > 0 : c < 0;
                return a.row < b.row;  // stable
            });
            for (int r = 0; r < n; ++r) order_[r] = entries[r].row;
        } else {
            std::stable_sort(order_.begin(), order_.end(), cmp);
        }
    }
    applyFilter();
}

void Dataset::applyFilter() {
    if (filtered_ && !filterText_.empty()) {
        if (!compiledFilter_) compiledFilter_ = compileFilter(filterText_, *this);
        visible_.clear();
        for (int row : order_)
            if (compiledFilter_->matches(*this, row)) visible_.push_back(row);
    } else {
        visible_ = order_;
    }
    cursor_ = 0;
    bof_ = true;
}

void Dataset::setFilter(std::string expression) {
    if (expression == filterText_) return;
    filterText_ = std::move(expression);
    compiledFilter_.reset();
    if (isActive() && filtered_) {
        applyFilter();
        notify(Change::Reordered);
    }
}

void Dataset::setFiltered(bool on) {
    if (on == filtered_) return;
    filtered_ = on;
    if (isActive()) {
        applyFilter();
        notify(Change::Reordered);
    }
}

void Dataset::setSort(std::string spec) {
    sortText_ = std::move(spec);
    if (isActive()) {
        rebuildOrder();
        notify(Change::Reordered);
    }
}

int Dataset::recordCount() const { return int(visible_.size()); }

int Dataset::recNo() const {
    if (visible_.empty()) return 0;
    return cursor_ < int(visible_.size()) ? cursor_ + 1 : int(visible_.size());
}

int Dataset::currentResultRow() const {
    if (!result_ || visible_.empty()) return -1;
    int i = std::min(cursor_, int(visible_.size()) - 1);
    return visible_[i];
}

void Dataset::moveTo(int index) {
    int old = cursor_;
    cursor_ = std::clamp(index, 0, int(visible_.size()));
    if (cursor_ != old) notify(Change::Moved);
}

void Dataset::setRecNo(int recNo) {
    if (visible_.empty()) return;
    bof_ = false;
    moveTo(std::clamp(recNo, 1, int(visible_.size())) - 1);
}

void Dataset::first() {
    bof_ = true;
    moveTo(0);
}

void Dataset::last() {
    bof_ = false;
    if (!visible_.empty()) moveTo(int(visible_.size()) - 1);
}

void Dataset::next() {
    bof_ = false;
    if (cursor_ < int(visible_.size())) moveTo(cursor_ + 1);
}

void Dataset::prior() {
    if (cursor_ == 0) {
        bof_ = true;
        return;
    }
    if (cursor_ >= int(visible_.size())) moveTo(int(visible_.size()) - 2 < 0 ? 0 : int(visible_.size()) - 2);
    else moveTo(cursor_ - 1);
}

bool Dataset::eof() const { return visible_.empty() || cursor_ >= int(visible_.size()); }
bool Dataset::bof() const { return visible_.empty() || (bof_ && cursor_ == 0); }

bool Dataset::locate(std::string_view fieldName, const Variant& value) {
    int col = fieldIndex(fieldName);
    if (col < 0) throw DbError(name_ + ": поле '" + std::string(fieldName) + "' не найдено");
    auto number = std::get_if<long long>(&value);
    auto real = std::get_if<double>(&value);
    std::string wanted;
    if (auto s = std::get_if<std::string>(&value)) wanted = collationKey(*s);
    for (int i = 0; i < int(visible_.size()); ++i) {
        int row = visible_[i];
        if (resultIsNull(row, col)) {
            if (std::holds_alternative<std::monostate>(value)) { moveTo(i); return true; }
            continue;
        }
        bool hit = false;
        if (number || real) {
            auto n = parseNumber(resultRaw(row, col));
            double want = number ? double(*number) : *real;
            hit = n && *n == want;
        } else if (auto d = std::get_if<DateTime>(&value)) {
            auto t = DateTime::parse(resultRaw(row, col));
            hit = t && *t == *d;
        } else if (auto b = std::get_if<bool>(&value)) {
            hit = (resultRaw(row, col) == "t") == *b;
        } else if (std::holds_alternative<std::string>(value)) {
            hit = collationKey(resultText(row, col)) == wanted;
        }
        if (hit) {
            bof_ = false;
            moveTo(i);
            return true;
        }
    }
    return false;
}

int Dataset::fieldIndex(std::string_view name) const {
    auto it = index_.find(lower(name));
    return it == index_.end() ? -1 : it->second;
}

bool Dataset::hasField(std::string_view name) const { return fieldIndex(name) >= 0; }

Field Dataset::field(std::string_view name) const {
    if (!isActive()) throw DbError(name_ + ": набор данных закрыт");
    int col = fieldIndex(name);
    if (col < 0) throw DbError(name_ + ": поле '" + std::string(name) + "' не найдено");
    return Field(this, col);
}

int Dataset::fieldCount() const { return int(names_.size()) - hidden_; }
const std::string& Dataset::fieldName(int column) const { return names_[column]; }
FieldKind Dataset::fieldKind(int column) const { return kinds_[column]; }

bool Dataset::isNullAt(int row, int column) const { return resultIsNull(visible_[row], column); }
std::string Dataset::textAt(int row, int column) const { return resultText(visible_[row], column); }
std::string_view Dataset::rawAt(int row, int column) const { return resultRaw(visible_[row], column); }

const std::vector<std::string>& Dataset::collationColumn(int column) const {
    auto it = collationCache_.find(column);
    if (it != collationCache_.end()) return it->second;
    int n = resultRowCount();
    std::vector<std::string> keys(n);
    FieldKind kind = kinds_[column];
    for (int r = 0; r < n; ++r) {
        if (resultIsNull(r, column)) continue;
        if (kind == FieldKind::Text) appendCollationKey(resultRaw(r, column), keys[r]);
        else appendCollationKey(resultText(r, column), keys[r]);
    }
    return collationCache_.emplace(column, std::move(keys)).first->second;
}

const std::vector<double>& Dataset::numberColumn(int column) const {
    auto it = numberCache_.find(column);
    if (it != numberCache_.end()) return it->second;
    int n = resultRowCount();
    std::vector<double> values(n, std::nan(""));
    bool boolean = kinds_[column] == FieldKind::Boolean;
    for (int r = 0; r < n; ++r) {
        if (resultIsNull(r, column)) continue;
        auto raw = resultRaw(r, column);
        if (boolean) values[r] = raw == "t" ? 1 : 0;
        else if (auto v = parseNumber(raw)) values[r] = *v;
    }
    return numberCache_.emplace(column, std::move(values)).first->second;
}

const std::vector<std::int64_t>& Dataset::dateColumn(int column) const {
    auto it = dateCache_.find(column);
    if (it != dateCache_.end()) return it->second;
    int n = resultRowCount();
    std::vector<std::int64_t> values(n, 0);
    for (int r = 0; r < n; ++r) {
        if (resultIsNull(r, column)) continue;
        if (auto d = DateTime::parse(resultRaw(r, column))) values[r] = d->key();
    }
    return dateCache_.emplace(column, std::move(values)).first->second;
}

void Dataset::setOverlay(int row, int column, std::optional<std::string> value) {
    overlay_[(long long)row * 4096 + column] = std::move(value);
    collationCache_.erase(column);
    numberCache_.erase(column);
    dateCache_.erase(column);
}

void Dataset::clearOverlay() { overlay_.clear(); }

const std::optional<std::string>* Dataset::overlay(int row, int column) const {
    auto it = overlay_.find((long long)row * 4096 + column);
    return it == overlay_.end() ? nullptr : &it->second;
}

int Dataset::subscribe(std::function<void(Change)> listener) {
    listeners_.emplace_back(nextListener_, std::move(listener));
    return nextListener_++;
}

void Dataset::unsubscribe(int token) {
    std::erase_if(listeners_, [token](auto& l) { return l.first == token; });
}

void Dataset::notify(Change change) {
    if (listeners_.empty()) return;
    auto copy = listeners_;
    for (auto& [token, l] : copy) l(change);
}

} // namespace velt
