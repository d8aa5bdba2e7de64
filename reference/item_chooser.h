#pragma once
#include "data/query.h"
#include "reference/item_list.h"
#include "ui/form.h"

namespace velt {

// A second item list with a query of its own, for the process editor's choices while the
// item list itself is already open beneath it. `Tag` 3 chooses the material, 33 the product.
class TForm303 : public ui::Form {
public:
    TForm303();

    ui::Grid& DBGridEh1 = add<ui::Grid>("DBGridEh1");
    ui::Button& Button2 = add<ui::Button>("Button2", "Выбрать");
    ui::Edit& Edit1 = add<ui::Edit>("Edit1");
    ui::Button& Button8 = add<ui::Button>("Button8", "Выход");

    // Its opener replaces the text before showing it.
    Query inventory_items;

    void Button2Click();
    void DBGridEh1TitleClick(int column);
    void Edit1Change();
    void FormActivate() override;
    void FormClose() override;

private:
    ItemSearch search_;
};

} // namespace velt
