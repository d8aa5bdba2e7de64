#include "app/main_window.h"

#include "app/build_stamp.h"
#include "app/forms.h"
#include "app/login.h"
#include "app/placeholder.h"
#include "orders/current_production.h"
#include "orders/production_requests.h"
#include "orders/raw_stock.h"
#include "reference/contractor_list.h"
#include "reference/department_list.h"
#include "reference/item_list.h"
#include "reference/nomenclature_list.h"
#include "reference/operation_type_list.h"
#include "reference/person_list.h"
#include "reference/process_list.h"
#include "reference/role_admin.h"
#include "reference/role_list.h"
#include "reference/staffpos_list.h"
#include "sales/sales_requests.h"
#include "sales/shipping_requests.h"
#include "shopfloor/finished_stock.h"
#include "shopfloor/shift_journal.h"
#include "supply/demand.h"
#include "supply/purchase_requests.h"
#include "ui/application.h"

namespace velt {

namespace {
ui::MenuItem& item(ui::MenuItem& parent, const char* name, const char* caption) { return parent.add(name, caption); }
}

TForm1::TForm1()
    : Form("TForm1", "VELT.ERP"),
      N2(mainMenu().add("N2", "Справочники")),
      N19(item(N2, "N19", "Подразделения")),
      N1(item(N2, "N1", "Персонал")),
      N8(item(N2, "N8", "Должности")),
      N21(item(N2, "N21", "Роли")),
      N24(item(N2, "N24", "Контрагенты")),
      N22(item(N2, "N22", "-")),
      N9(item(N2, "N9", "Вид номенклатуры")),
      N3(item(N2, "N3", "ТМЦ")),
      N6(item(N2, "N6", "Операции")),
      N4(item(N2, "N4", "Техпроцессы")),
      N23(item(N2, "N23", "-")),
      N20(item(N2, "N20", "Администрарование")),
      N29(mainMenu().add("N29", "Снабжение")),
      N30(item(N29, "N30", "Потребность")),
      N31(item(N29, "N31", "Закупка")),
      N13(mainMenu().add("N13", "Склады")),
      N15(item(N13, "N15", "Склад сырья и заготовок")),
      N14(item(N13, "N14", "Склад ГП и заготовок")),
      N18(mainMenu().add("N18", "Производство")),
      N25(item(N18, "N25", "Номенклатура")),
      N26(item(N18, "N26", "Заявки")),
      N27(item(N18, "N27", "Табель")),
      N16(mainMenu().add("N16", "Маркетинг")),
      N17(item(N16, "N17", "Заявки в производство")),
      N32(item(N16, "N32", "Заявки на отгрузку")),
      N11(mainMenu().add("N11", "Табель по времени")),
      N7(mainMenu().add("N7", "Отчеты")),
      N10(item(N7, "N10", "Сводные отчеты")),
      N12(mainMenu().add("N12", "База")),
      N28(item(N12, "N28", "Очистить базу")),
      N5(mainMenu().add("N5", "Выход")),
      BuildDate(buildDate()),
      BuildTime(buildTime()) {
    layout = ui::column({Image1});
    cancelButton = &Button1;
    Button1.onClick = [this] { close(); };
    Timer1.onTimer = [this] { CheckBuildVersion(); };
    N11.setVisible(false);
    N7.setVisible(false);
    N28.onClick = [this] { N28Click(); };
    N5.onClick = [this] { close(); };
}

void TForm1::bind(ui::MenuItem& menuItem, ui::Form& target, std::function<void()> before, std::function<void()> after,
                  bool showButtons, bool tagZero) {
    menuItem.setEnabled(isBuilt(target));
    menuItem.onClick = [&target, before, after, showButtons, tagZero] {
        if (tagZero) target.Tag = 0;
        if (before) before();
        if (showButtons)
            for (const char* name : {"Button1", "Button3"})
                if (auto* b = target.findControl(name)) b->setVisible(true);
        target.showModal();
        if (after) after();
    };
}

void TForm1::updateMenu() {
    Forms& f = forms();
    TDataModule6& d = dm();
    bind(N19, *f.Form30, [&d] { d.department.open(); }, [&d] { d.department.close(); });
    bind(N1, *f.Form5, [&d] { d.workers.open(); }, [&d] { d.workers.close(); }, true, true);
    bind(N8, *f.Form26, [&d] { d.staffpos.open(); }, [&d] { d.staffpos.close(); });
    bind(N21, *f.Form32, [&d] { d.role.open(); }, [&d] { d.role.close(); });
    bind(N24, *f.Form34, [&d] { d.jur_person.open(); }, [&d] { d.jur_person.close(); }, true, true);
    bind(N9, *f.Form28, [&d] { d.nomenclature.open(); }, [&d] { d.nomenclature.close(); });
    bind(N3, *f.Form3, {}, [&d] { d.inventory_items.close(); }, true, true);
    bind(N6, *f.Form8, [&d] { d.operation_type.open(); }, [&d] { d.operation_type.close(); }, true, true);
    bind(N4, *f.Form4, [&d] { d.proc_tech.open(); }, [&d] { d.proc_tech.close(); }, true, true);
    bind(N20, *f.Form35, [&d] { d.role.open(); }, [&d] { d.role.close(); }, true, true);
    // The screens below open and close their own queries once they are built.
    bind(N30, *f.Form59, {}, {});
    bind(N31, *f.Form60, {}, {});
    bind(N15, *f.Form36,
         [&d] {
             d.stock.open();
             d.stock.setSort("ii_caption ASC");
         },
         [&d] { d.stock.close(); }, true, true);
    bind(N14, *f.Form50, {}, {});
    bind(N25, *f.Form46, {}, {});
    bind(N26, *f.Form55, {}, {});
    bind(N27, *f.Form45, {}, {});
    bind(N17, *f.Form41,
         [&d] {
             d.app_doc.open();
             d.app_doc.setSort("d_date DESC, s_person_caption ASC");
         },
         [&d] {
             d.app_doc.close();
             d.stock.close();
         },
         true, true);
    bind(N32, *f.Form67, [&f] { f.Form67->Tag = 32; }, {});
}

void TForm1::CheckBuildVersion() {
    TDataModule6& d = dm();
    d.ver.open();
    d.ver.first();
    d.DbDecimalSeparator = d.ver.field("delim").asString();
    int vd = d.ver.field("d").asInt(), vt = d.ver.field("t").asInt();
    if (vd < BuildDate || (vd == BuildDate && vt < BuildTime)) {
        d.ver.edit();
        d.ver.setFieldValue("d", (long long)BuildDate);
        d.ver.setFieldValue("t", (long long)BuildTime);
        d.ver.post();
    }
    if (vd > BuildDate || (vd == BuildDate && vt > BuildTime)) {
        // The shutdown timer runs before the message, so the program ends even if nobody answers.
        forms().Form23->Timer1.setTimerEnabled(true);
        ui::MessageBox("Версия программы не соответсвует БД! Запустите программу через 5 мин.", "Ошибка",
                       ui::Icon::Stop);
        ui::Application::instance().terminate();
    }
    d.ver.close();
}

void TForm1::N28Click() {
    if (ui::MessageBox("Очистить базу?", "Ошибка", ui::Icon::Stop, ui::Buttons::YesNo) != ui::Answer::Yes) return;
    TDataModule6& d = dm();
    d.Control.sqlClear();
    d.Control.sqlAdd("SELECT truncate_tables('mnf_app');");
    d.Control.sqlAdd("truncate table mnf_proc_tech.tp_operation;truncate table accounts_dep.smena;truncate table "
                     "accounts_dep.h_tabel;truncate table accounts_dep.person_temp;SELECT "
                     "truncate_tables('stk_stocks');SELECT truncate_tables('stk_purchase');update "
                     "cmn_inventory_items.inventory_items set cost_price =0;");
    d.Control.open();
}

} // namespace velt
