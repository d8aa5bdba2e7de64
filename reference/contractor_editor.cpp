#include "reference/contractor_editor.h"

#include "app/forms.h"
#include "data/sql_compose.h"
#include "ui/application.h"

namespace velt {

namespace {

bool blank(const std::string& s) { return s.find_first_not_of(" \t\r\n") == std::string::npos; }

} // namespace

TForm14::TForm14() : Form("TForm14", "Ведение контрагентов") {
    for (ui::Control* c : std::initializer_list<ui::Control*>{&Label1, &Edit2, &Label2, &Edit1, &Label3, &Edit3,
                                                              &Label4, &Edit4})
        c->setParentGroup(&GroupBox1);
    GroupBox1.body = ui::fields({{&Label1, &Edit2}, {&Label2, &Edit1}, {&Label3, &Edit3}, {&Label4, &Edit4}});
    layout = ui::column({&GroupBox1, ui::row({ui::stretch(), &Button5, &Button6})});
    defaultButton = &Button5;
    cancelButton = &Button6;
    Button5.onClick = [this] { Button5Click(); };
    Button6.onClick = [this] { close(); };
}

void TForm14::Button5Click() {
    // Only the full name is required: the other screens show contractors by it.
    if (blank(Edit1.text())) {
        ui::MessageBox("Все поля должны быть заполнены!", "Ошибка", ui::Icon::Stop);
        return;
    }
    TDataModule6& d = dm();
    if (Tag == 1)
        d.cmd_all.setText("INSERT INTO cmn_contractor.jur_person(s_caption, s_full_caption, s_ogrn, s_inn)VALUES(" +
                          SqlText(Edit2.text()) + "," + SqlText(Edit1.text()) + " ," + SqlText(Edit4.text()) + ", " +
                          SqlText(Edit3.text()) + ")");
    else
        d.cmd_all.setText("UPDATE cmn_contractor.jur_person  SET s_caption=" + SqlText(Edit2.text()) +
                          ", s_full_caption=" + SqlText(Edit1.text()) + ", s_ogrn=" + SqlText(Edit4.text()) +
                          ", s_inn=" + SqlText(Edit3.text()) + " WHERE id=" + d.jur_person.field("id").asString());
    d.cmd_all.execute();
    d.jur_person.close();
    d.jur_person.open();
    close();
}

} // namespace velt
