#pragma once
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "tests/support/app_fixture.h"
#include "ui/grid.h"

namespace velt::test {

using Rows = std::vector<std::string>;

// A small plant's reference data: two nomenclature groups, items of every type, the frame
// with two processes (one with steps at positions 1, 2 and 5), and three operation types.
class ItemsData : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        db->exec("insert into cmn_department.department(id, s_caption, s_description, id_parent, type, s_type) values"
                 " (10, 'Склад сырья', '', 0, 2, 'Склад сырья')");
        db->exec("insert into cmn_inventory_items.nomenclature(id, s_caption, id_department) values"
                 " (5, 'Металл', 10), (6, 'Изделия', 10)");
        db->exec("insert into cmn_inventory_items.inventory_items"
                 " (id, marka, id_nom, id_type, massa, massa_kg, width, thick, ral, ral_cons, id_msm, cost_price) values"
                 " (101, 'Лист 2 мм', 5, 0, 0, 15.7, 2000, 2, false, 0, 1, 120),"
                 " (102, 'Рама сварная', 6, 2, 2.5, 3.2, 1200, 0, true, 0.3, 4, 0),"
                 " (103, 'Заготовка рамы', 6, 1, 1.5, 2, 600, 0, false, 0, 4, 0),"
                 " (104, 'Эмаль RAL 5005', 0, 3, 0, 1, 0, 0, false, 0, 3, 300),"
                 " (105, 'Кронштейн', 6, 2, 0.4, 0.5, 150, 4, false, 0, 4, 0),"
                 " (106, 'Труба 20х20', 5, 0, 0, 1.1, 6000, 1.5, false, 0, 2, 80)");
        db->exec("insert into mnf_proc_tech.proc_tech(id, s_caption, id_inventory_items, id_gds) values"
                 " (201, 'Рама из листа', 102, 101), (202, 'Рама из трубы', 102, 106)");
        db->exec("insert into mnf_operation.operation_type(id, s_caption, s_description) values"
                 " (301, 'Резка', 'Гильотина'), (302, 'Сварка', ''), (303, 'Покраска', 'Камера')");
        db->exec("insert into mnf_operation.operation(id, id_type, id_state, price, id_inventory_items, id_proc_tech,"
                 " orderby) values (401, 301, 1, 12.5, 102, 201, 1), (402, 302, 1, 30, 102, 201, 2),"
                 " (403, 303, 0, 7.5, 102, 201, 5)");
        db->exec("select setval('mnf_operation.operation_type_id_seq', 350)");
        db->exec("select setval('mnf_operation.operation_id_seq', 450)");
        db->exec("select setval('mnf_proc_tech.proc_tech_id_seq', 250)");
        db->exec("select setval('cmn_inventory_items.inventory_items_id_seq', 150)");
        connectAsUser();
    }

    // Chooses a main-menu command (by its name, e.g. "N3") and acts in the window it opens.
    void fromMenu(const std::string& item, const std::string& formName, const std::function<void()>& body) {
        whenShown("TForm1", [&] { forms->Form1->mainMenu().find(item)->click(); });
        whenShown(formName, body);
        forms->Form1->showModal();
    }

    bool sent(const std::string& text) const {
        for (auto& s : statements)
            if (s.text == text) return true;
        return false;
    }

    // The shown texts of one column of a grid, top to bottom.
    static Rows column(const ui::Grid& grid, const std::string& title) {
        int c = grid.columnByTitle(title);
        EXPECT_GE(c, 0) << title;
        Rows out;
        for (int r = 0; r < grid.rowCount(); ++r) out.push_back(grid.cellText(r, c));
        return out;
    }
    static Rows columnByField(const ui::Grid& grid, const std::string& field) {
        int c = grid.columnByField(field);
        EXPECT_GE(c, 0) << field;
        Rows out;
        for (int r = 0; r < grid.rowCount(); ++r) out.push_back(grid.cellText(r, c));
        return out;
    }
    // Makes the row showing `shown` in `field` current, as a person clicks it.
    static void pick(ui::Grid& grid, const std::string& field, const std::string& shown) {
        ASSERT_TRUE(grid.findRow(field, shown)) << shown;
    }
};

} // namespace velt::test
