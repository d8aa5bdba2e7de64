#pragma once
#include <optional>
#include <string>

#include "data/query.h"
#include "ui/form.h"

namespace velt {

// The search box of an item list narrows the rows its opener chose (a nomenclature group,
// the products that have a process), so that clearing it brings back those rows, not all.
class ItemSearch {
public:
    // When the list is shown: the opener's filter, if any, stays underneath every search.
    void begin(Dataset& dataset);
    void apply(Dataset& dataset, const std::string& typed);
    // When the list closes: the opener gets back the filter it set.
    void end(Dataset& dataset);

private:
    std::string base_;
};

// Painted items are shown light green (red 238, green 255, blue 238).
constexpr ui::Color kPaintedRowColor = 0x00EEFFEE;
std::optional<ui::Color> paintedRowColor(const ui::RowView& row);

// The inventory items: the directory from the main menu, and the item chooser of the
// process editor, the receipt line, the request-to-production line and the purchase line,
// by the `Tag` its opener sets.
class TForm3 : public ui::Form {
public:
    TForm3();

    ui::Grid& DBGridEh1 = add<ui::Grid>("DBGridEh1");
    ui::Button& Button1 = add<ui::Button>("Button1", "Добавить");
    ui::Button& Button2 = add<ui::Button>("Button2", "Изменить");
    ui::Button& Button3 = add<ui::Button>("Button3", "Удалить");
    ui::Edit& Edit1 = add<ui::Edit>("Edit1");
    ui::Button& Button8 = add<ui::Button>("Button8", "Выход");

    // The nomenclature group new items start in; -1 for none.
    int DefaultNom = -1;

    // The processes of an item, counted before it goes on a request-to-production line.
    Query pt_cnt;

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void DBGridEh1TitleClick(int column);
    void DBGridEh1CellButtonClick();
    void Edit1Change();
    void FormActivate() override;
    void FormClose() override;

private:
    ItemSearch search_;
};

} // namespace velt
