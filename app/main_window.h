#pragma once
#include <functional>

#include "ui/form.h"

namespace velt {

// The main window: a picture and the menu that opens every screen.
class TForm1 : public ui::Form {
public:
    TForm1();

    ui::Image& Image1 = add<ui::Image>("Image1", "Image1");
    ui::Button& Button1 = add<ui::Button>("Button1", "");  // zero-size: Escape closes the window
    ui::Timer& Timer1 = add<ui::Timer>("Timer1", 30000, true);

    ui::MenuItem& N2;   // "Справочники"
    ui::MenuItem& N19;  // "Подразделения"
    ui::MenuItem& N1;   // "Персонал"
    ui::MenuItem& N8;   // "Должности"
    ui::MenuItem& N21;  // "Роли"
    ui::MenuItem& N24;  // "Контрагенты"
    ui::MenuItem& N22;
    ui::MenuItem& N9;   // "Вид номенклатуры"
    ui::MenuItem& N3;   // "ТМЦ"
    ui::MenuItem& N6;   // "Операции"
    ui::MenuItem& N4;   // "Техпроцессы"
    ui::MenuItem& N23;
    ui::MenuItem& N20;  // "Администрарование"
    ui::MenuItem& N29;  // "Снабжение"
    ui::MenuItem& N30;  // "Потребность"
    ui::MenuItem& N31;  // "Закупка"
    ui::MenuItem& N13;  // "Склады"
    ui::MenuItem& N15;  // "Склад сырья и заготовок"
    ui::MenuItem& N14;  // "Склад ГП и заготовок"
    ui::MenuItem& N18;  // "Производство"
    ui::MenuItem& N25;  // "Номенклатура"
    ui::MenuItem& N26;  // "Заявки"
    ui::MenuItem& N27;  // "Табель"
    ui::MenuItem& N16;  // "Маркетинг"
    ui::MenuItem& N17;  // "Заявки в производство"
    ui::MenuItem& N32;  // "Заявки на отгрузку"
    ui::MenuItem& N11;  // "Табель по времени" (hidden)
    ui::MenuItem& N7;   // "Отчеты" (hidden)
    ui::MenuItem& N10;  // "Сводные отчеты"
    ui::MenuItem& N12;  // "База"
    ui::MenuItem& N28;  // "Очистить базу"
    ui::MenuItem& N5;   // "Выход"

    const int BuildDate;
    const int BuildTime;

    // Keeps the client's build in step with the version row of the database.
    void CheckBuildVersion();
    void N28Click();
    // Enables each command whose window is built.
    void updateMenu();

private:
    // A menu command: prepare, show the window modally, tidy up after it closes.
    void bind(ui::MenuItem& item, ui::Form& target, std::function<void()> before, std::function<void()> after,
              bool showButtons = false, bool tagZero = false);
};

} // namespace velt
