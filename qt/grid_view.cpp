#include "qt/grid_view.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "qt/user_action.h"

namespace velt::qt {

GridView::GridView(ui::Grid& grid) : ControlView(grid, *this), grid_(grid), model_(new GridModel(grid, this)) {
    setModel(model_);
    setItemDelegate(new CellButtonDelegate(*this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setSortingEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // One fixed row height: the view never measures rows, whatever their number.
    QHeaderView* rows = verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView* titles = horizontalHeader();
    titles->setSectionResizeMode(QHeaderView::Interactive);
    titles->setSectionsClickable(true);
    titles->setHighlightSections(false);
    titles->setStretchLastSection(true);

    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { userMovedCurrent(current); });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { userChangedSelection(); });
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) forward([this] { grid_.dblClick(); });
    });
    connect(titles, &QHeaderView::sectionClicked, this, [this](int section) {
        int column = model_->gridColumn(section);
        if (column >= 0) forward([this, column] { grid_.clickTitle(column); });
    });
    connect(model_, &GridModel::currentMoved, this, [this] { followToolkit(); });
    connect(model_, &GridModel::structureReset, this, [this] {
        applyColumnWidths();
        followToolkit();
    });
    applyColumnWidths();
}

void GridView::detach() {
    ControlView::detach();
    model_->detach();
}

bool GridView::hasCellButton(int viewColumn) const {
    int c = model_->gridColumn(viewColumn);
    return c >= 0 && c < int(grid_.columns.size()) && grid_.columns[c].cellButton;
}

void GridView::clickCellButton(int viewColumn) {
    int c = model_->gridColumn(viewColumn);
    if (c >= 0) forward([this, c] { grid_.clickCellButton(c); });
}

void GridView::syncOwn() {
    model_->refresh();
    auto mode = grid_.multiSelect ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection;
    if (selectionMode() != mode) setSelectionMode(mode);
    followToolkit();
}

void GridView::followToolkit() {
    if (!isAttached() || forwarding_ || !model_->isInStep() || model_->columnCount() == 0) return;
    QItemSelectionModel* sm = selectionModel();
    const bool wasSyncing = syncing_;
    syncing_ = true;
    const int row = grid_.currentRow();
    if (row < 0) {
        if (sm->hasSelection() || sm->currentIndex().isValid()) sm->clear();
    } else {
        const bool moved = sm->currentIndex().row() != row;
        QModelIndex at = model_->index(row, std::max(0, sm->currentIndex().column()));
        if (grid_.multiSelect) {
            QItemSelection chosen;
            auto rows = grid_.selectedRows();
            std::sort(rows.begin(), rows.end());
            const int last = model_->columnCount() - 1;
            for (size_t i = 0; i < rows.size(); ++i) {
                int from = rows[i];
                while (i + 1 < rows.size() && rows[i + 1] == rows[i] + 1) ++i;
                chosen.select(model_->index(from, 0), model_->index(rows[i], last));
            }
            sm->select(chosen, QItemSelectionModel::ClearAndSelect);
            if (moved) sm->setCurrentIndex(at, QItemSelectionModel::NoUpdate);
        } else if (moved || !sm->isRowSelected(row, {})) {
            sm->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        }
        if (moved) scrollTo(at);
    }
    syncing_ = wasSyncing;
}

void GridView::userMovedCurrent(const QModelIndex& current) {
    if (syncing_ || grid_.multiSelect || !current.isValid() || current.row() == grid_.currentRow()) return;
    forwarding_ = true;
    runUserAction([this, row = current.row()] { grid_.chooseRow(row); });
    forwarding_ = false;
    sync();
}

void GridView::userChangedSelection() {
    if (syncing_ || !grid_.multiSelect) return;
    std::vector<int> rows;
    for (const QModelIndex& i : selectionModel()->selectedRows()) rows.push_back(i.row());
    std::sort(rows.begin(), rows.end());
    // The toolkit makes the last row it gets the current one: that is the row clicked.
    int current = selectionModel()->currentIndex().row();
    if (auto it = std::find(rows.begin(), rows.end(), current); it != rows.end()) std::rotate(it, it + 1, rows.end());
    forwarding_ = true;
    runUserAction([this, &rows] { grid_.selectRows(rows); });
    forwarding_ = false;
    sync();
}

void GridView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: return event->ignore();  // the dialog hands them to the toolkit
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (!grid_.multiSelect && !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier))) {
            ui::Key key = event->key() == Qt::Key_Up ? ui::Key::Up : ui::Key::Down;
            forward([this, key] { grid_.pressKey(key); });
            return event->accept();
        }
        break;
    default: break;
    }
    QTableView::keyPressEvent(event);
}

int GridView::columnWidthFor(const ui::GridColumn& column) const {
    QFontMetrics cells(font());
    int w = column.width > 0 ? cells.averageCharWidth() * column.width + 10 : 0;
    if (w == 0) {
        QFont f = horizontalHeader()->font();
        if (grid_.titlesBold) f.setBold(true);
        int title = QFontMetrics(f).horizontalAdvance(QString::fromStdString(column.title)) + 20;
        w = std::max(title, cells.averageCharWidth() * 6 + 10);
    }
    if (column.cellButton) w += CellButtonDelegate::buttonRect(QRect(0, 0, w, verticalHeader()->defaultSectionSize())).width();
    return w;
}

void GridView::applyColumnWidths() {
    for (int i = 0; i < model_->columnCount(); ++i) {
        int c = model_->gridColumn(i);
        if (c >= 0 && c < int(grid_.columns.size())) horizontalHeader()->resizeSection(i, columnWidthFor(grid_.columns[c]));
    }
    updateGeometry();
}

QSize GridView::sizeHint() const {
    int w = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (auto& c : grid_.columns)
        if (c.visible) w += columnWidthFor(c);
    if (grid_.width() > 0) w = charsToPixels(*this, grid_.width());
    w = std::clamp(w, 320, 1100);
    int h = 2 * frameWidth() + horizontalHeader()->sizeHint().height() + 12 * verticalHeader()->defaultSectionSize();
    return {w, h};
}

QSize GridView::minimumSizeHint() const { return sizeHint(); }

// ---- CellButtonDelegate ----

CellButtonDelegate::CellButtonDelegate(GridView& view) : QStyledItemDelegate(&view), view_(view) {}

QRect CellButtonDelegate::buttonRect(const QRect& cell) {
    int w = std::min(cell.height() + 4, 26);
    return QRect(cell.right() - w, cell.top() + 1, w, cell.height() - 2);
}

void CellButtonDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    if (!view_.hasCellButton(index.column())) return QStyledItemDelegate::paint(painter, option, index);
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    // The cell's background across the whole cell, its text left of the button.
    QStyleOptionViewItem back = option;
    initStyleOption(&back, index);
    back.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &back, painter, widget);
    QRect button = buttonRect(option.rect);
    QStyleOptionViewItem text = option;
    text.rect.setRight(button.left() - 1);
    QStyledItemDelegate::paint(painter, text, index);
    QStyleOptionButton b;
    b.rect = button;
    b.text = "...";
    b.state = QStyle::State_Raised | (view_.isEnabled() ? QStyle::State_Enabled : QStyle::State_None);
    b.palette = option.palette;
    b.fontMetrics = option.fontMetrics;
    style->drawControl(QStyle::CE_PushButton, &b, painter, widget);
}

bool CellButtonDelegate::editorEvent(QEvent* event, QAbstractItemModel*, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) {
    if (event->type() != QEvent::MouseButtonRelease || !view_.hasCellButton(index.column())) return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton || !buttonRect(option.rect).contains(mouse->position().toPoint())) return false;
    view_.clickCellButton(index.column());
    return true;
}

} // namespace velt::qt
