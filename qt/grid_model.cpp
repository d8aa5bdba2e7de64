#include "qt/grid_model.h"

#include <QBrush>
#include <QFont>

#include "qt/colors.h"

namespace velt::qt {

namespace {
Qt::Alignment alignmentOf(ui::Align a) {
    switch (a) {
    case ui::Align::Center: return Qt::AlignHCenter | Qt::AlignVCenter;
    case ui::Align::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case ui::Align::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}
} // namespace

GridModel::GridModel(ui::Grid& grid, QObject* parent) : QAbstractTableModel(parent), grid_(grid) {
    rows_ = grid_.rowCount();
    columns_ = visibleColumns();
    shape_ = shape();
    titlesBold_ = grid_.titlesBold;
    titlesCentered_ = grid_.titlesCentered;
    controlToken_ = grid_.subscribe([this] { refresh(); });
    rowsToken_ = grid_.subscribeRows([this](Dataset::Change c) { datasetChanged(c); });
}

GridModel::~GridModel() {
    if (!attached_) return;
    grid_.unsubscribe(controlToken_);
    grid_.unsubscribeRows(rowsToken_);
}

void GridModel::detach() { attached_ = false; }

std::vector<int> GridModel::visibleColumns() const {
    std::vector<int> out;
    for (int i = 0; i < int(grid_.columns.size()); ++i)
        if (grid_.columns[i].visible) out.push_back(i);
    return out;
}

std::vector<GridModel::ColumnShape> GridModel::shape() const {
    std::vector<ColumnShape> out;
    for (auto& c : grid_.columns)
        out.push_back({c.title, c.field, c.align, c.checkBox, c.cellButton, c.width});
    return out;
}

int GridModel::gridColumn(int viewColumn) const {
    return viewColumn >= 0 && viewColumn < int(columns_.size()) ? columns_[viewColumn] : -1;
}

int GridModel::viewColumn(int gridColumn) const {
    for (int i = 0; i < int(columns_.size()); ++i)
        if (columns_[i] == gridColumn) return i;
    return -1;
}

int GridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }
int GridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(columns_.size()); }

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!attached_ || !checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    const int row = index.row();
    const int col = columns_[index.column()];
    if (col >= int(grid_.columns.size())) return {};
    const ui::GridColumn& column = grid_.columns[col];
    switch (role) {
    case Qt::DisplayRole:
        if (column.checkBox) return {};
        return QString::fromStdString(grid_.cellText(row, col));
    case Qt::CheckStateRole:
        if (!column.checkBox) return {};
        return grid_.cellChecked(row, col) ? Qt::Checked : Qt::Unchecked;
    case Qt::TextAlignmentRole: return int(column.checkBox ? Qt::AlignCenter : alignmentOf(column.align));
    case Qt::BackgroundRole:
        if (auto c = grid_.rowBackground(row)) return QBrush(toQColor(*c));
        return {};
    case Qt::ForegroundRole:
        if (auto c = grid_.rowBackground(row)) return QBrush(textOn(toQColor(*c)));
        return {};
    default: return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole && section >= 0 && section < rows_) return section + 1;
        return {};
    }
    int col = gridColumn(section);
    if (col < 0 || col >= int(grid_.columns.size())) return {};
    switch (role) {
    case Qt::DisplayRole: return QString::fromStdString(grid_.columns[col].title);
    case Qt::FontRole:
        if (grid_.titlesBold) {
            QFont f;
            f.setBold(true);
            return f;
        }
        return {};
    case Qt::TextAlignmentRole:
        return int(grid_.titlesCentered ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    default: return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    // Check-box cells show a tick; ticking happens in the windows' own handlers, not here.
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void GridModel::reset() {
    beginResetModel();
    rows_ = grid_.rowCount();
    columns_ = visibleColumns();
    shape_ = shape();
    titlesBold_ = grid_.titlesBold;
    titlesCentered_ = grid_.titlesCentered;
    endResetModel();
    emit structureReset();
}

void GridModel::refresh() {
    if (!attached_) return;
    if (rows_ != grid_.rowCount() || columns_ != visibleColumns()) return reset();
    auto now = shape();
    if (now == shape_ && titlesBold_ == grid_.titlesBold && titlesCentered_ == grid_.titlesCentered) return;
    bool sameFields = now.size() == shape_.size();
    for (size_t i = 0; sameFields && i < now.size(); ++i)
        sameFields = now[i].field == shape_[i].field && now[i].checkBox == shape_[i].checkBox;
    if (!sameFields) return reset();
    // Only titles or looks changed: repaint without losing the position.
    shape_ = std::move(now);
    titlesBold_ = grid_.titlesBold;
    titlesCentered_ = grid_.titlesCentered;
    if (!columns_.empty()) {
        emit headerDataChanged(Qt::Horizontal, 0, int(columns_.size()) - 1);
        if (rows_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, int(columns_.size()) - 1));
    }
    emit structureReset();
}

void GridModel::datasetChanged(Dataset::Change change) {
    if (!attached_) return;
    switch (change) {
    case Dataset::Change::Moved:
        if (rows_ != grid_.rowCount()) reset();
        emit currentMoved();
        break;
    case Dataset::Change::Edited:
        if (rows_ != grid_.rowCount()) return reset();
        if (rows_ > 0 && !columns_.empty()) emit dataChanged(index(0, 0), index(rows_ - 1, int(columns_.size()) - 1));
        break;
    case Dataset::Change::Opened:
    case Dataset::Change::Closed:
    case Dataset::Change::Destroyed:
    case Dataset::Change::Reordered: reset(); break;
    }
}

} // namespace velt::qt
