#include "app/forms.h"

#include <stdexcept>

#include "ui/application.h"

#include "app/login.h"
#include "app/main_window.h"
#include "orders/current_production.h"
#include "orders/issue_warehouse.h"
#include "orders/material_issue.h"
#include "orders/production_requests.h"
#include "orders/raw_stock.h"
#include "orders/receipt_line_editor.h"
#include "orders/receipt_lines.h"
#include "orders/receipt_order_editor.h"
#include "orders/receipt_orders.h"
#include "orders/reserve.h"
#include "reference/contractor_editor.h"
#include "reference/contractor_list.h"
#include "reference/department_editor.h"
#include "reference/department_list.h"
#include "reference/item_chooser.h"
#include "reference/item_editor.h"
#include "reference/item_list.h"
#include "reference/nomenclature_editor.h"
#include "reference/nomenclature_list.h"
#include "reference/operation_editor.h"
#include "reference/operation_type_editor.h"
#include "reference/operation_type_list.h"
#include "reference/person_editor.h"
#include "reference/person_list.h"
#include "reference/process_editor.h"
#include "reference/process_list.h"
#include "reference/role_admin.h"
#include "reference/role_editor.h"
#include "reference/role_list.h"
#include "reference/staffpos_editor.h"
#include "reference/staffpos_list.h"
#include "sales/quantity_dialog.h"
#include "sales/sales_request_editor.h"
#include "sales/sales_request_line_editor.h"
#include "sales/sales_request_lines.h"
#include "sales/sales_requests.h"
#include "sales/shipping_lines.h"
#include "sales/shipping_products.h"
#include "sales/shipping_request_editor.h"
#include "sales/shipping_requests.h"
#include "shopfloor/finished_receipt_lines.h"
#include "shopfloor/finished_receipt_order.h"
#include "shopfloor/finished_receipts.h"
#include "shopfloor/finished_stock.h"
#include "shopfloor/shift_journal.h"
#include "shopfloor/shift_record.h"
#include "supply/demand.h"
#include "supply/price_dialog.h"
#include "supply/purchase_line_chooser.h"
#include "supply/purchase_line_editor.h"
#include "supply/purchase_lines.h"
#include "supply/purchase_request_editor.h"
#include "supply/purchase_requests.h"

namespace velt {

namespace {
Forms* current = nullptr;
}

Forms::Forms(std::vector<std::string> arguments, InstallationConfig installation)
    : arguments_(std::move(arguments)), installation_(std::move(installation)) {
    if (current) throw std::logic_error("the windows exist already");
    current = this;
    // The main window creates the data module and the login window, then every other window follows.
    DataModule6 = std::make_unique<TDataModule6>();
    ui::Application::instance().setConnection(&DataModule6->ADO_DB);
    Form1 = std::make_unique<TForm1>();
    Form23 = std::make_unique<TForm23>();
    Form2 = std::make_unique<TForm2>();
    Form3 = std::make_unique<TForm3>();
    Form4 = std::make_unique<TForm4>();
    Form5 = std::make_unique<TForm5>();
    Form7 = std::make_unique<TForm7>();
    Form8 = std::make_unique<TForm8>();
    Form9 = std::make_unique<TForm9>();
    Form10 = std::make_unique<TForm10>();
    Form11 = std::make_unique<TForm11>();
    Form14 = std::make_unique<TForm14>();
    Form26 = std::make_unique<TForm26>();
    Form27 = std::make_unique<TForm27>();
    Form28 = std::make_unique<TForm28>();
    Form29 = std::make_unique<TForm29>();
    Form30 = std::make_unique<TForm30>();
    Form31 = std::make_unique<TForm31>();
    Form32 = std::make_unique<TForm32>();
    Form33 = std::make_unique<TForm33>();
    Form34 = std::make_unique<TForm34>();
    Form35 = std::make_unique<TForm35>();
    Form36 = std::make_unique<TForm36>();
    Form37 = std::make_unique<TForm37>();
    Form38 = std::make_unique<TForm38>();
    Form39 = std::make_unique<TForm39>();
    Form40 = std::make_unique<TForm40>();
    Form41 = std::make_unique<TForm41>();
    Form42 = std::make_unique<TForm42>();
    Form43 = std::make_unique<TForm43>();
    Form44 = std::make_unique<TForm44>();
    Form45 = std::make_unique<TForm45>();
    Form46 = std::make_unique<TForm46>();
    Form47 = std::make_unique<TForm47>();
    Form48 = std::make_unique<TForm48>();
    Form50 = std::make_unique<TForm50>();
    Form51 = std::make_unique<TForm51>();
    Form303 = std::make_unique<TForm303>();
    Form53 = std::make_unique<TForm53>();
    Form54 = std::make_unique<TForm54>();
    Form55 = std::make_unique<TForm55>();
    Form57 = std::make_unique<TForm57>();
    Form58 = std::make_unique<TForm58>();
    Form59 = std::make_unique<TForm59>();
    Form60 = std::make_unique<TForm60>();
    Form61 = std::make_unique<TForm61>();
    Form62 = std::make_unique<TForm62>();
    Form63 = std::make_unique<TForm63>();
    Form65 = std::make_unique<TForm65>();
    Form66 = std::make_unique<TForm66>();
    Form67 = std::make_unique<TForm67>();
    Form68 = std::make_unique<TForm68>();
    Form69 = std::make_unique<TForm69>();
    Form70 = std::make_unique<TForm70>();
    Form71 = std::make_unique<TForm71>();
    Form1->updateMenu();
}

void Forms::connectBootstrap() {
    DataModule6->ADO_DB.connect(target(), installation_.bootstrapUser, installation_.bootstrapPassword);
}

Forms::~Forms() {
    Form71.reset();
    Form70.reset();
    Form69.reset();
    Form68.reset();
    Form67.reset();
    Form66.reset();
    Form65.reset();
    Form63.reset();
    Form62.reset();
    Form61.reset();
    Form60.reset();
    Form59.reset();
    Form58.reset();
    Form57.reset();
    Form55.reset();
    Form54.reset();
    Form53.reset();
    Form303.reset();
    Form51.reset();
    Form50.reset();
    Form48.reset();
    Form47.reset();
    Form46.reset();
    Form45.reset();
    Form44.reset();
    Form43.reset();
    Form42.reset();
    Form41.reset();
    Form40.reset();
    Form39.reset();
    Form38.reset();
    Form37.reset();
    Form36.reset();
    Form35.reset();
    Form34.reset();
    Form33.reset();
    Form32.reset();
    Form31.reset();
    Form30.reset();
    Form29.reset();
    Form28.reset();
    Form27.reset();
    Form26.reset();
    Form14.reset();
    Form11.reset();
    Form10.reset();
    Form9.reset();
    Form8.reset();
    Form7.reset();
    Form5.reset();
    Form4.reset();
    Form3.reset();
    Form2.reset();
    Form23.reset();
    Form1.reset();
    ui::Application::instance().setConnection(nullptr);
    DataModule6.reset();
    current = nullptr;
}

Forms& forms() {
    if (!current) throw std::logic_error("the windows do not exist");
    return *current;
}

TDataModule6& dm() { return *forms().DataModule6; }

} // namespace velt
