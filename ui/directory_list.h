#pragma once
#include <functional>
#include <string>

#include "ui/form.h"

namespace velt::ui {

// The parts of a directory list: a grid with whole-row selection and, below it,
// "Добавить", "Изменить", "Удалить", a search box and "Выход".
struct DirectoryListParts {
    Grid* grid = nullptr;
    Button* add = nullptr;
    Button* edit = nullptr;
    Button* remove = nullptr;
    Edit* search = nullptr;
    Button* exit = nullptr;
    // The field the search box matches; `contains` matches anywhere, otherwise the
    // beginning of the value.
    std::string searchField;
    bool contains = false;
};

// Wires the habits every directory list shares: the layout; a double click does what
// "Изменить" does; "Выход" and Escape close the window; the search box filters the loaded
// rows as typed (an empty box shows all) and Up/Down in it move the grid's current row,
// every key-down being consumed after that.
void setUpDirectoryList(Form& form, const DirectoryListParts& parts);

// The filter a search box sets: "field like 'text%'" (or "'%text%'"), quotes doubled.
std::string searchFilter(const std::string& field, const std::string& typed, bool contains);
// Applies a search to a dataset: an empty text switches the filter off.
void applySearch(Dataset& dataset, const std::string& field, const std::string& typed, bool contains);

// Closes and opens the dataset again and returns to the record number it was on
// (or the one given), as lists do after a change.
void reopenAt(Dataset& dataset, int recNo);
inline void reopenKeepingRow(Dataset& dataset) { reopenAt(dataset, dataset.recNo()); }

} // namespace velt::ui
