#pragma once
#include <cctype>
#include <functional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "tests/support/app_fixture.h"

namespace velt::test {

// The client logged in as the ordinary test user, with the main window at hand.
class ReferenceTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        connectAsUser();
    }

    // Chooses a main-menu item as a person does; `body` acts in the window it opens.
    void fromMenu(ui::MenuItem& item, const std::string& formName, const std::function<void()>& body) {
        inForm(*forms->Form1, [&] {
            whenShown(formName, body);
            item.click();
        });
    }

    // Opens a directory list as a chooser the way the document windows do: the mode in
    // `Tag`, the shared dataset open, "Выбрать" as the default button, "Добавить" and
    // "Удалить" hidden, the search box shown and emptied.
    template <class List> void openAsChooser(List& list, int tag, Dataset& shared, const std::function<void()>& body) {
        list.Tag = tag;
        shared.open();
        list.Button2.setCaption("Выбрать");
        list.defaultButton = &list.Button2;
        list.Button1.setVisible(false);
        list.Button3.setVisible(false);
        list.Edit1.setVisible(true);
        list.Edit1.setText("");
        whenShown(list.name(), body);
        list.showModal();
        shared.close();
    }


    // What a grid shows, one text per row with the cells joined by " | ".
    static std::vector<std::string> shownRows(const ui::Grid& grid, int columns) {
        std::vector<std::string> out;
        for (int r = 0; r < grid.rowCount(); ++r) {
            std::string line;
            for (int c = 0; c < columns; ++c) line += (c ? " | " : "") + grid.cellText(r, c);
            out.push_back(line);
        }
        return out;
    }
};

} // namespace velt::test
