#pragma once
#include <string>

#include "ui/form.h"

namespace velt {

// The technological processes: from the main menu (`Tag` 0) all of them, from an item's
// row of the item list (`Tag` 2) the processes of that item.
class TForm4 : public ui::Form {
public:
    TForm4();

    ui::Grid& DBGrid1 = add<ui::Grid>("DBGrid1");
    ui::Button& Button1 = add<ui::Button>("Button1", "Добавить");
    ui::Button& Button2 = add<ui::Button>("Button2", "Изменить");
    ui::Button& Button3 = add<ui::Button>("Button3", "Удалить");
    ui::Edit& Edit1 = add<ui::Edit>("Edit1");
    ui::Button& Button9 = add<ui::Button>("Button9", "Выход");

    // The item whose processes are listed (`Tag` 2), handed over by the item list.
    int ItemId = 0;
    std::string ItemMarka;

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void DBGrid1TitleClick(int column);
    void Edit1Change();
    void FormActivate() override;
};

} // namespace velt
