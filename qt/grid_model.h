#pragma once
#include <QAbstractTableModel>
#include <string>
#include <vector>

#include "ui/grid.h"

namespace velt::qt {

// The rows and visible columns of a ui::Grid for a QTableView. Reads only the cell it is
// asked for, so a dataset of any size costs what the screen shows.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(ui::Grid& grid, QObject* parent = nullptr);
    ~GridModel() override;

    ui::Grid& grid() const { return grid_; }
    // Index into grid.columns of a view column (-1 when out of range), and back (-1: hidden).
    int gridColumn(int viewColumn) const;
    int viewColumn(int gridColumn) const;
    // The model shows the rows the dataset has now (false while a reset is on its way).
    bool isInStep() const { return rows_ == grid_.rowCount(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Catches up with the grid's columns and rows; nothing happens when they still match.
    void refresh();
    // The grid is being destroyed with its form: stop listening without touching it.
    void detach();

signals:
    // The dataset's current record moved.
    void currentMoved();
    // Rows or columns were read anew (after modelReset).
    void structureReset();

private:
    struct ColumnShape {
        std::string title, field;
        ui::Align align;
        bool checkBox, cellButton;
        int width;
        bool operator==(const ColumnShape&) const = default;
    };
    std::vector<int> visibleColumns() const;
    std::vector<ColumnShape> shape() const;
    void reset();
    void datasetChanged(Dataset::Change change);

    ui::Grid& grid_;
    int controlToken_ = 0;
    int rowsToken_ = 0;
    bool attached_ = true;
    int rows_ = 0;
    std::vector<int> columns_;  // view column → grid column
    std::vector<ColumnShape> shape_;
    bool titlesBold_ = false, titlesCentered_ = false;
};

} // namespace velt::qt
