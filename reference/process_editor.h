#pragma once
#include <string>

#include "data/query.h"
#include "ui/form.h"

namespace velt {

// A technological process: its header (product, material, name) and its ordered steps.
// `Tag` 1 a new process, 11 a new process for the item the process list was opened for,
// 0 an existing one.
class TForm33 : public ui::Form {
public:
    TForm33();

    ui::GroupBox& GroupBox1 = add<ui::GroupBox>("GroupBox1", "Техпроцесс № ");
    ui::Label& Label1 = add<ui::Label>("Label1", "Изделие:");
    ui::Edit& Edit2 = add<ui::Edit>("Edit2");
    ui::Button& Button5 = add<ui::Button>("Button5", "...");
    ui::Label& Label2 = add<ui::Label>("Label2", "Исходный ТМЦ:");
    ui::Edit& Edit4 = add<ui::Edit>("Edit4");
    ui::Button& Button7 = add<ui::Button>("Button7", "...");
    ui::Label& Label3 = add<ui::Label>("Label3", "Наименование ТП:");
    ui::Edit& Edit3 = add<ui::Edit>("Edit3");
    ui::Label& Label4 = add<ui::Label>("Label4", "Итого:");
    ui::DbText& price = add<ui::DbText>("price");
    ui::Button& Button6 = add<ui::Button>("Button6", "Сохранить");
    ui::Grid& DBGrid1 = add<ui::Grid>("DBGrid1");
    ui::Button& Button1 = add<ui::Button>("Button1", "Добавить");
    ui::Button& Button2 = add<ui::Button>("Button2", "Изменить");
    ui::Button& Button3 = add<ui::Button>("Button3", "Удалить");
    ui::Button& Button4 = add<ui::Button>("Button4", "Сохранить и выйти");
    ui::Button& Button8 = add<ui::Button>("Button8", "Отмена");

    // 0 until the process is saved, and while nothing is chosen.
    int ProcessId = 0;
    int ProductId = 0;
    int MaterialId = 0;
    // The header as last loaded or saved, to tell whether anything changed.
    std::string SavedProduct;
    std::string SavedName;
    std::string SavedMaterial;

    // The total of the steps' prices.
    Query full_price;

    // The step buttons and "Сохранить и выйти" work only on a saved process.
    void enableSteps(bool on);
    // Saves the header when it changed and the user agrees.
    void Save();

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();

private:
    // The item list as a chooser, with its query replaced for the choice.
    void chooseOnItemList(int tag, const std::string& sql);
    // The second item list, for when the item list is open beneath the process list.
    void chooseOnSecondList(int tag, const std::string& sql);
};

} // namespace velt
