#include "data/query.h"

#include <libpq-fe.h>
#include <strings.h>

#include <algorithm>

#include "data/db_error.h"

namespace velt {

std::string translateNamedParameters(std::string_view s, std::vector<std::string>& names) {
    names.clear();
    std::string out;
    out.reserve(s.size());
    auto isNameChar = [](char c) {
        return c == '_' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    };
    size_t i = 0;
    while (i < s.size()) {
        char c = s[i];
        if (c == '\'' || c == '"') {
            size_t end = i + 1;
            while (end < s.size()) {
                if (s[end] == c) {
                    if (end + 1 < s.size() && s[end + 1] == c) { end += 2; continue; }
                    break;
                }
                ++end;
            }
            end = std::min(end + 1, s.size());
            out.append(s.substr(i, end - i));
            i = end;
        } else if (c == '-' && i + 1 < s.size() && s[i + 1] == '-') {
            size_t end = s.find('\n', i);
            if (end == std::string_view::npos) end = s.size();
            out.append(s.substr(i, end - i));
            i = end;
        } else if (c == ':' && i + 1 < s.size() && s[i + 1] == ':') {
            out += "::";
            i += 2;
        } else if (c == ':' && i + 1 < s.size() && isNameChar(s[i + 1]) && !(i > 0 && isNameChar(s[i - 1]))) {
            size_t end = i + 1;
            while (end < s.size() && isNameChar(s[end])) ++end;
            std::string name(s.substr(i + 1, end - i - 1));
            size_t index = 0;
            for (; index < names.size(); ++index)
                if (strcasecmp(names[index].c_str(), name.c_str()) == 0) break;
            if (index == names.size()) names.push_back(name);
            out += "$" + std::to_string(index + 1);
            i = end;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

void Parameters::setText(std::string_view text) {
    std::vector<std::string> names;
    sendText_ = translateNamedParameters(text, names);
    // Values already given to a parameter of the same name survive a text change.
    std::vector<Variant> values(names.size());
    for (size_t i = 0; i < names.size(); ++i) {
        int old = indexOf(names[i]);
        if (old >= 0) values[i] = values_[old];
    }
    names_ = std::move(names);
    values_ = std::move(values);
}

int Parameters::indexOf(std::string_view name) const {
    for (size_t i = 0; i < names_.size(); ++i)
        if (names_[i].size() == name.size() && strncasecmp(names_[i].data(), name.data(), name.size()) == 0)
            return int(i);
    return -1;
}

void Parameters::setValue(std::string_view name, Variant value) {
    int i = indexOf(name);
    if (i < 0) throw DbError("Параметр '" + std::string(name) + "' не найден");
    values_[i] = std::move(value);
}

const Variant& Parameters::value(std::string_view name) const {
    int i = indexOf(name);
    if (i < 0) throw DbError("Параметр '" + std::string(name) + "' не найден");
    return values_[i];
}

ParamValues Parameters::sendValues() const {
    ParamValues out;
    out.reserve(values_.size());
    for (auto& v : values_) out.push_back(variantToParameterText(v));
    return out;
}

// ---- Query ----

Query::Query(Connection& connection, std::string name, std::string sql) : Dataset(connection, std::move(name)) {
    setSql(std::move(sql));
}

void Query::setSql(std::string sql) {
    if (isActive()) close();
    sql_ = std::move(sql);
    params_.setText(sql_);
}

void Query::sqlAdd(std::string_view line) {
    std::string text = sql_;
    if (!text.empty()) text += '\n';
    text.append(line);
    setSql(std::move(text));
}

ResultPtr Query::fetch() {
    if (sql_.empty()) throw DbError(name() + ": текст запроса пуст");
    if (params_.isEmpty()) return connection().run(sql_);
    return connection().run(params_.sendText(), params_.sendValues());
}

void Query::reopen() {
    int rec = recNo();
    close();
    open();
    if (rec > 0) setRecNo(rec);
}

// ---- Table ----

Table::Table(Connection& connection, std::string name, std::string tableName)
    : Dataset(connection, std::move(name)), tableName_(std::move(tableName)) {
    setHiddenColumns(1);
}

ResultPtr Table::fetch() {
    editing_ = false;
    changed_.clear();
    return connection().run("select t.*, t.ctid::text from " + tableName_ + " t");
}

void Table::edit() {
    if (!isActive()) throw DbError(name() + ": набор данных закрыт");
    if (isEmpty()) throw DbError(name() + ": нет записи для изменения");
    editing_ = true;
}

void Table::setFieldValue(std::string_view fieldName, const Variant& value) {
    if (!editing_) throw DbError(name() + ": запись не в режиме правки");
    int col = fieldIndex(fieldName);
    if (col < 0) throw DbError(name() + ": поле '" + std::string(fieldName) + "' не найдено");
    setOverlay(currentResultRow(), col, variantToParameterText(value));
    if (std::find(changed_.begin(), changed_.end(), col) == changed_.end()) changed_.push_back(col);
    notify(Change::Edited);
}

void Table::post() {
    if (!editing_) return;
    editing_ = false;
    if (changed_.empty()) return;
    int row = currentResultRow();
    std::string text = "UPDATE " + tableName_ + " SET ";
    ParamValues values;
    for (size_t i = 0; i < changed_.size(); ++i) {
        if (i) text += ", ";
        text += "\"" + fieldName(changed_[i]) + "\"=$" + std::to_string(i + 1);
        const auto* o = overlay(row, changed_[i]);
        values.push_back(o ? *o : std::nullopt);
    }
    int rowColumn = PQnfields(result()) - 1;
    text += " WHERE ctid=$" + std::to_string(changed_.size() + 1) + "::tid";
    values.emplace_back(std::string(PQgetvalue(result(), row, rowColumn)));
    changed_.clear();
    connection().run(text, values);
}

void Table::cancel() {
    editing_ = false;
    changed_.clear();
    clearOverlay();
    notify(Change::Edited);
}

// ---- Command ----

Command::Command(Connection& connection, std::string name, std::string text)
    : connection_(connection), name_(std::move(name)) {
    setText(std::move(text));
}

void Command::setText(std::string text) {
    text_ = std::move(text);
    params_.setText(text_);
}

void Command::execute() {
    if (text_.empty()) throw DbError(name_ + ": текст команды пуст");
    if (params_.isEmpty()) connection_.run(text_);
    else connection_.run(params_.sendText(), params_.sendValues());
}

} // namespace velt
