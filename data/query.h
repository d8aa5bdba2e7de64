#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "data/dataset.h"

namespace velt {

// Named parameters (:name) of a fixed text, bound safely by position when sent.
class Parameters {
public:
    void setText(std::string_view text);  // finds the names and builds the $n text
    const std::string& sendText() const { return sendText_; }
    bool isEmpty() const { return names_.empty(); }
    const std::vector<std::string>& names() const { return names_; }
    void setValue(std::string_view name, Variant value);  // DbError for an unknown name
    const Variant& value(std::string_view name) const;
    ParamValues sendValues() const;

private:
    int indexOf(std::string_view name) const;
    std::string sendText_;
    std::vector<std::string> names_;
    std::vector<Variant> values_;
};

// Rewrites ":name" into "$n", leaving quoted texts, identifiers, comments and "::" casts alone.
std::string translateNamedParameters(std::string_view text, std::vector<std::string>& names);

// A query with a fixed (or composed) text; opening fetches all its rows.
class Query : public Dataset {
public:
    Query(Connection& connection, std::string name, std::string sql = {});
    void setSql(std::string sql);
    const std::string& sql() const { return sql_; }
    void sqlClear() { setSql({}); }
    void sqlAdd(std::string_view line);  // lines are joined by line breaks
    void setParam(std::string_view name, Variant value) { params_.setValue(name, std::move(value)); }
    const Variant& param(std::string_view name) const { return params_.value(name); }
    const Parameters& parameters() const { return params_; }
    // Closes and opens again, keeping the record number where the rows allow.
    void reopen();

protected:
    ResultPtr fetch() override;

private:
    std::string sql_;
    Parameters params_;
};

// A table opened whole, whose current row can be edited and posted back.
class Table : public Dataset {
public:
    Table(Connection& connection, std::string name, std::string tableName);
    const std::string& tableName() const { return tableName_; }
    void edit();
    bool isEditing() const { return editing_; }
    void setFieldValue(std::string_view field, const Variant& value);
    void post();    // one UPDATE of the changed columns
    void cancel();

protected:
    ResultPtr fetch() override;

private:
    std::string tableName_;
    bool editing_ = false;
    std::vector<int> changed_;
};

// A statement (or several separated by ";") executed for its effect.
class Command {
public:
    Command(Connection& connection, std::string name, std::string text = {});
    const std::string& name() const { return name_; }
    void setText(std::string text);
    const std::string& text() const { return text_; }
    void setParam(std::string_view name, Variant value) { params_.setValue(name, std::move(value)); }
    void execute();

private:
    Connection& connection_;
    std::string name_;
    std::string text_;
    Parameters params_;
};

} // namespace velt
