#pragma once
#include <QStyledItemDelegate>
#include <QTableView>

#include "qt/control_views.h"
#include "qt/grid_model.h"
#include "ui/grid.h"

namespace velt::qt {

// A grid: whole-row selection, the current row in step with the dataset's record, clicks,
// double clicks, title clicks and cell buttons forwarded to the toolkit.
class GridView : public QTableView, public ControlView {
public:
    explicit GridView(ui::Grid& grid);

    ui::Grid& grid() const { return grid_; }
    GridModel& gridModel() const { return *model_; }
    bool hasCellButton(int viewColumn) const;
    void clickCellButton(int viewColumn);
    void detach() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void syncOwn() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void followToolkit();
    void applyColumnWidths();
    int columnWidthFor(const ui::GridColumn& column) const;
    void userMovedCurrent(const QModelIndex& current);
    void userChangedSelection();

    ui::Grid& grid_;
    GridModel* model_;
    bool syncing_ = false;     // the view is being set from the toolkit
    bool forwarding_ = false;  // the toolkit is taking a person's choice
};

// Paints an ellipsis button at the right of cells of columns with a cell button and
// reports clicks on it.
class CellButtonDelegate : public QStyledItemDelegate {
public:
    explicit CellButtonDelegate(GridView& view);
    static QRect buttonRect(const QRect& cell);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    GridView& view_;
};

} // namespace velt::qt
