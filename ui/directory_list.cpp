#include "ui/directory_list.h"

namespace velt::ui {

std::string searchFilter(const std::string& field, const std::string& typed, bool contains) {
    std::string escaped;
    for (char c : typed) {
        if (c == '\'') escaped += '\'';
        escaped += c;
    }
    return field + " like '" + (contains ? "%" : "") + escaped + "%'";
}

void applySearch(Dataset& dataset, const std::string& field, const std::string& typed, bool contains) {
    if (typed.empty()) {
        dataset.setFiltered(false);
        return;
    }
    dataset.setFilter(searchFilter(field, typed, contains));
    dataset.setFiltered(true);
}

void reopenAt(Dataset& dataset, int recNo) {
    dataset.close();
    dataset.open();
    if (recNo > 0) dataset.setRecNo(recNo);
}

void setUpDirectoryList(Form& form, const DirectoryListParts& p) {
    std::vector<LayoutNode> bar;
    for (Control* c : std::initializer_list<Control*>{p.add, p.edit, p.remove, p.search})
        if (c) bar.emplace_back(c);
    bar.push_back(stretch());
    if (p.exit) bar.emplace_back(p.exit);
    form.layout = column({LayoutNode(p.grid), row(bar)});

    if (p.exit) {
        form.cancelButton = p.exit;
        if (!p.exit->onClick) p.exit->onClick = [&form] { form.close(); };
    }
    if (p.edit && p.grid) {
        Button* edit = p.edit;
        p.grid->onDblClick = [edit] {
            if (edit->onClick) edit->onClick();
        };
    }
    if (p.search && p.grid) {
        Grid* grid = p.grid;
        Edit* search = p.search;
        std::string field = p.searchField;
        bool contains = p.contains;
        search->onChange = [grid, search, field, contains] {
            if (grid->dataset()) applySearch(*grid->dataset(), field, search->text(), contains);
        };
        search->onKeyDown = [grid](Key& key) {
            Dataset* d = grid->dataset();
            if (d && d->isActive()) {
                if (key == Key::Down) {
                    d->next();
                    if (d->eof() && !d->isEmpty()) d->last();
                }
                if (key == Key::Up) d->prior();
            }
            key = Key::None;
        };
    }
}

} // namespace velt::ui
