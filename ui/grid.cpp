#include "ui/grid.h"

#include "data/db_error.h"
#include "ui/form.h"

namespace velt::ui {

std::string RowView::text(std::string_view field) const {
    int c = ds_.fieldIndex(field);
    return c < 0 ? std::string() : ds_.textAt(row_, c);
}

double RowView::number(std::string_view field) const {
    int c = ds_.fieldIndex(field);
    if (c < 0 || ds_.isNullAt(row_, c)) return 0;
    auto raw = ds_.rawAt(row_, c);
    if (ds_.fieldKind(c) == FieldKind::Boolean) return raw == "t" ? 1 : 0;
    auto n = parseNumber(raw);
    return n ? *n : 0;
}

bool RowView::isNull(std::string_view field) const {
    int c = ds_.fieldIndex(field);
    return c < 0 || ds_.isNullAt(row_, c);
}

Grid::Grid(Form& form, std::string name) : Control(form, std::move(name), ControlKind::Grid) {}

Grid::~Grid() {
    if (dataset_) dataset_->unsubscribe(token_);
}

void Grid::setDataset(Dataset* dataset) {
    if (dataset_) dataset_->unsubscribe(token_);
    dataset_ = dataset;
    selected_.clear();
    if (dataset_)
        token_ = dataset_->subscribe([this](Dataset::Change c) {
            if (c == Dataset::Change::Destroyed) {
                dataset_ = nullptr;
                selected_.clear();
                notifyRows(Dataset::Change::Closed);
                return;
            }
            if (c != Dataset::Change::Moved) selected_.clear();
            notifyRows(c);
            changed();
        });
    notifyRows(Dataset::Change::Opened);
    changed();
}

int Grid::subscribeRows(std::function<void(Dataset::Change)> listener) {
    rowListeners_.emplace_back(nextRowListener_, std::move(listener));
    return nextRowListener_++;
}

void Grid::unsubscribeRows(int token) {
    std::erase_if(rowListeners_, [token](auto& l) { return l.first == token; });
}

void Grid::notifyRows(Dataset::Change change) {
    if (rowListeners_.empty()) return;
    auto copy = rowListeners_;
    for (auto& [t, l] : copy) l(change);
}

void Grid::setColumns(std::vector<GridColumn> cols) {
    columns = std::move(cols);
    changed();
}

int Grid::rowCount() const { return dataset_ && dataset_->isActive() ? dataset_->recordCount() : 0; }

int Grid::currentRow() const { return rowCount() ? dataset_->recNo() - 1 : -1; }

std::string Grid::cellText(int row, int column) const {
    if (!dataset_ || !dataset_->isActive() || row < 0 || row >= rowCount()) return {};
    int c = dataset_->fieldIndex(columns[column].field);
    if (c < 0) return {};
    if (columns[column].checkBox) return cellChecked(row, column) ? "[x]" : "[ ]";
    return dataset_->textAt(row, c);
}

bool Grid::cellChecked(int row, int column) const {
    if (!dataset_ || !dataset_->isActive()) return false;
    int c = dataset_->fieldIndex(columns[column].field);
    if (c < 0 || dataset_->isNullAt(row, c)) return false;
    auto raw = dataset_->rawAt(row, c);
    return raw == "t" || raw == "true" || (!raw.empty() && raw != "0" && raw != "f" && raw != "false");
}

std::optional<Color> Grid::rowBackground(int row) const {
    if (!rowColor || !dataset_ || !dataset_->isActive() || row < 0 || row >= rowCount()) return std::nullopt;
    return rowColor(RowView(*dataset_, row));
}

std::vector<int> Grid::selectedRows() const {
    if (multiSelect && !selected_.empty()) return {selected_.begin(), selected_.end()};
    int r = currentRow();
    return r < 0 ? std::vector<int>{} : std::vector<int>{r};
}

void Grid::setSelectedRows(std::vector<int> rows) {
    selected_ = {rows.begin(), rows.end()};
    changed();
}

int Grid::columnByTitle(const std::string& title) const {
    for (int i = 0; i < int(columns.size()); ++i)
        if (columns[i].title == title) return i;
    return -1;
}

int Grid::columnByField(const std::string& field) const {
    for (int i = 0; i < int(columns.size()); ++i)
        if (columns[i].field == field) return i;
    return -1;
}

std::string Grid::printout() const {
    std::string out;
    bool first = true;
    for (auto& c : columns) {
        if (!c.visible) continue;
        if (!first) out += '\t';
        out += c.title;
        first = false;
    }
    out += '\n';
    for (int r = 0; r < rowCount(); ++r) {
        first = true;
        for (int i = 0; i < int(columns.size()); ++i) {
            if (!columns[i].visible) continue;
            if (!first) out += '\t';
            out += cellText(r, i);
            first = false;
        }
        out += '\n';
    }
    return out;
}

void Grid::chooseRow(int row) {
    if (row < 0 || row >= rowCount())
        throw UiError(form().name() + "." + name() + " has no row " + std::to_string(row + 1));
    userAction("choose a row of", [this, row] { dataset_->setRecNo(row + 1); });
}

bool Grid::findRow(const std::string& field, const std::string& shown) {
    if (!dataset_ || !dataset_->isActive()) return false;
    int c = dataset_->fieldIndex(field);
    if (c < 0) throw UiError(form().name() + "." + name() + ": no field " + field);
    for (int r = 0; r < rowCount(); ++r)
        if (dataset_->textAt(r, c) == shown) {
            chooseRow(r);
            return true;
        }
    return false;
}

void Grid::selectRows(const std::vector<int>& rows) {
    if (!multiSelect) throw UiError(form().name() + "." + name() + " does not select several rows");
    for (int r : rows)
        if (r < 0 || r >= rowCount()) throw UiError(form().name() + "." + name() + " has no row " + std::to_string(r + 1));
    userAction("select rows of", [this, rows] {
        if (!rows.empty()) dataset_->setRecNo(rows.back() + 1);
        setSelectedRows(rows);
    });
}

void Grid::dblClick() {
    userAction("double-click", [this] {
        if (onDblClick) onDblClick();
    });
}

void Grid::clickTitle(int column) {
    if (column < 0 || column >= int(columns.size())) throw UiError(form().name() + "." + name() + ": no such column");
    userAction("click a title of", [this, column] {
        if (onTitleClick) onTitleClick(column);
    });
}

void Grid::clickCellButton(int column) {
    if (column < 0 || column >= int(columns.size()) || !columns[column].cellButton)
        throw UiError(form().name() + "." + name() + ": column " + std::to_string(column) + " has no cell button");
    userAction("click a cell button of", [this, column] {
        if (onCellButton) onCellButton(column);
    });
}

void Grid::defaultKey(Key key) {
    if (!dataset_ || !dataset_->isActive()) return;
    if (key == Key::Down) dataset_->next();
    if (key == Key::Up) dataset_->prior();
    if (dataset_->eof() && !dataset_->isEmpty()) dataset_->last();
}

} // namespace velt::ui
