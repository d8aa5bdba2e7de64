#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "data/connection.h"
#include "data/values.h"

namespace velt {

enum class FieldKind { Text, Integer, Decimal, Float, Boolean, Date, DateTime };

// A field as a window declares it; opening checks the result delivers it.
struct FieldDecl {
    std::string name;
    FieldKind kind = FieldKind::Text;
    int size = 0;
    bool readOnly = false;
};

class Dataset;
class FilterExpr;

// A field of the current record.
class Field {
public:
    Field(const Dataset* dataset, int column) : ds_(dataset), col_(column) {}
    const std::string& name() const;
    FieldKind kind() const;
    bool isNull() const;
    std::string asString() const;  // shown form; null reads as ""
    long long asInteger() const;   // null reads as 0; a boolean as 1 or 0
    int asInt() const { return int(asInteger()); }
    double asFloat() const;        // null reads as 0
    DateTime asDateTime() const;   // null reads as an invalid date
    Variant value() const;

private:
    const Dataset* ds_;
    int col_;
};

// Rows of a query held as a static snapshot, with the record pointer, client-side filter
// and sort that the lists use. Nothing here goes back to the server until the next open.
class Dataset {
public:
    // Destroyed: the dataset is going away; whoever holds it must forget it, not unsubscribe.
    enum class Change { Opened, Closed, Reordered, Moved, Edited, Destroyed };

    Dataset(Connection& connection, std::string name);
    virtual ~Dataset();
    Dataset(const Dataset&) = delete;
    Dataset& operator=(const Dataset&) = delete;

    const std::string& name() const { return name_; }
    Connection& connection() const { return connection_; }

    void open();
    void close();
    bool isActive() const { return result_ != nullptr; }
    void setActive(bool active) { active ? open() : close(); }

    // Visible records (after the filter).
    int recordCount() const;
    bool isEmpty() const { return recordCount() == 0; }
    // 1-based number of the current record; 0 when there is none.
    int recNo() const;
    void setRecNo(int recNo);
    void first();
    void last();
    void next();
    void prior();
    bool eof() const;
    bool bof() const;
    // Makes the first record whose field equals the value current.
    bool locate(std::string_view field, const Variant& value);

    Field field(std::string_view name) const;  // DbError when the dataset has no such field
    Field fieldByName(std::string_view name) const { return field(name); }
    bool hasField(std::string_view name) const;
    int fieldCount() const;
    int fieldIndex(std::string_view name) const;  // -1 when absent
    const std::string& fieldName(int column) const;
    FieldKind fieldKind(int column) const;

    void declareField(FieldDecl decl) { declared_.push_back(std::move(decl)); }
    const std::vector<FieldDecl>& declaredFields() const { return declared_; }

    // Client-side filter, e.g. "s_caption like 'Цех%' and type = 2".
    void setFilter(std::string expression);
    const std::string& filter() const { return filterText_; }
    void setFiltered(bool on);
    bool isFiltered() const { return filtered_; }
    // Client-side sort, e.g. "d_date DESC, s_person_caption ASC"; empty keeps the query's order.
    void setSort(std::string spec);
    const std::string& sort() const { return sortText_; }

    // Access by visible row (0-based) for grids.
    bool isNullAt(int row, int column) const;
    std::string textAt(int row, int column) const;
    std::string_view rawAt(int row, int column) const;

    int subscribe(std::function<void(Change)> listener);
    void unsubscribe(int token);

    // Per-column caches shared by filter and sort; indexed by result row.
    const std::vector<std::string>& collationColumn(int column) const;
    const std::vector<double>& numberColumn(int column) const;
    const std::vector<std::int64_t>& dateColumn(int column) const;
    int resultRowCount() const;
    bool resultIsNull(int resultRow, int column) const;
    std::string_view resultRaw(int resultRow, int column) const;
    std::string resultText(int resultRow, int column) const;

protected:
    virtual ResultPtr fetch() = 0;
    // The last columns of the result are the dataset's own (a table's row address).
    void setHiddenColumns(int count) { hidden_ = count; }
    int currentResultRow() const;
    void setOverlay(int resultRow, int column, std::optional<std::string> value);
    void clearOverlay();
    const std::optional<std::string>* overlay(int resultRow, int column) const;
    void notify(Change change);
    PGresult* result() const { return result_.get(); }

private:
    friend class Field;
    void rebuildOrder();
    void applyFilter();
    void moveTo(int index);

    Connection& connection_;
    std::string name_;
    int listenerToken_ = 0;
    ResultPtr result_;
    int hidden_ = 0;
    std::vector<std::string> names_;
    std::vector<FieldKind> kinds_;
    std::unordered_map<std::string, int> index_;  // lower-case name → column
    std::vector<FieldDecl> declared_;
    std::vector<int> order_;    // result rows in sort order
    std::vector<int> visible_;  // order_ after the filter
    int cursor_ = 0;            // index into visible_; == size() at the end
    bool bof_ = true;
    std::string filterText_;
    bool filtered_ = false;
    std::shared_ptr<FilterExpr> compiledFilter_;
    std::string sortText_;
    mutable std::unordered_map<int, std::vector<std::string>> collationCache_;
    mutable std::unordered_map<int, std::vector<double>> numberCache_;
    mutable std::unordered_map<int, std::vector<std::int64_t>> dateCache_;
    std::unordered_map<long long, std::optional<std::string>> overlay_;
    std::vector<std::pair<int, std::function<void(Change)>>> listeners_;
    int nextListener_ = 1;
};

} // namespace velt
