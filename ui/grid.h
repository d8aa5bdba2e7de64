#pragma once
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ui/control.h"

namespace velt::ui {

struct GridColumn {
    std::string title;
    std::string field;
    Align align = Align::Left;
    bool checkBox = false;    // shows the field as a tick
    bool cellButton = false;  // an ellipsis button in the cell
    bool visible = true;
    int width = 0;            // characters; 0: the renderer decides
};

// One visible row of a grid's dataset, read without moving the dataset's cursor.
class RowView {
public:
    RowView(const Dataset& dataset, int row) : ds_(dataset), row_(row) {}
    int row() const { return row_; }
    std::string text(std::string_view field) const;
    double number(std::string_view field) const;
    bool isNull(std::string_view field) const;

private:
    const Dataset& ds_;
    int row_;
};

class Grid : public Control {
public:
    Grid(Form& form, std::string name);
    ~Grid() override;

    void setDataset(Dataset* dataset);
    Dataset* dataset() const { return dataset_; }
    std::vector<GridColumn> columns;
    void setColumns(std::vector<GridColumn> cols);
    bool titlesBold = false;
    bool titlesCentered = false;
    bool multiSelect = false;
    bool readOnly = true;

    std::function<void()> onDblClick;
    std::function<void(int column)> onTitleClick;
    std::function<void(int column)> onCellButton;
    // Background of a row; nothing for the standard colour.
    std::function<std::optional<Color>(const RowView&)> rowColor;

    // The shown text of a cell (visible row, column of `columns`).
    std::string cellText(int row, int column) const;
    bool cellChecked(int row, int column) const;
    std::optional<Color> rowBackground(int row) const;
    int rowCount() const;
    int currentRow() const;  // 0-based, -1 when none
    // Rows chosen in a multi-select grid (0-based visible rows); the current row otherwise.
    std::vector<int> selectedRows() const;
    void setSelectedRows(std::vector<int> rows);
    int columnByTitle(const std::string& title) const;
    int columnByField(const std::string& field) const;
    // Titles, then each row, tab-separated, as shown (visible columns).
    std::string printout() const;

    // Changes of the bound dataset with their kind, before the grid's own notification; a
    // newly bound dataset arrives as Opened. A view follows its rows and current row here
    // without subscribing to a dataset that may outlive it.
    int subscribeRows(std::function<void(Dataset::Change)> listener);
    void unsubscribeRows(int token);

    // User actions.
    void chooseRow(int row);                       // 0-based
    bool findRow(const std::string& field, const std::string& shown);
    void selectRows(const std::vector<int>& rows);  // 0-based
    void dblClick();
    void clickTitle(int column);
    void clickCellButton(int column);

protected:
    void defaultKey(Key key) override;

private:
    void notifyRows(Dataset::Change change);
    Dataset* dataset_ = nullptr;
    int token_ = 0;
    std::set<int> selected_;
    std::vector<std::pair<int, std::function<void(Dataset::Change)>>> rowListeners_;
    int nextRowListener_ = 1;
};

} // namespace velt::ui
