#include "app/login.h"

#include "app/build_stamp.h"
#include "app/forms.h"
#include "app/main_window.h"
#include "app/style_file.h"
#include "data/db_error.h"
#include "shopfloor/shift_journal.h"
#include "ui/application.h"

namespace velt {

TForm23::TForm23() : Form("TForm23", "Авторизация") {
    Edit2.setPassword(true);
    ComboBox1.setSorted(true);
    defaultButton = &Button1;
    cancelButton = &Button2;
    layout = ui::column({Label3, ui::fields({{&Label1, &Edit1}, {&Label2, &Edit2}, {&Label4, &ComboBox1}}),
                         ui::row({ui::stretch(), Button1, Button2})});
    Button1.onClick = [this] { Button1Click(); };
    Button2.onClick = [this] { close(); };
    ComboBox1.onChange = [this] { ComboBox1Change(); };
    Timer1.onTimer = [] { ui::Application::instance().terminate(); };
    FormCreate();
}

void TForm23::FormCreate() {
    // Without a configured access code the box starts empty and no code logs anyone in.
    Edit2.setText(forms().installation().accessCode);
    std::vector<std::string> styles = {"Onyx Blue"};
    for (auto& name : ui::Application::instance().styleNames())
        if (name != "Onyx Blue") styles.push_back(name);
    ComboBox1.setItems(styles);
}

void TForm23::FormActivate() {
    forms().Form1->CheckBuildVersion();
    if (ui::Application::instance().isTerminated()) return;
    setCaption("Авторизация (build: " + std::to_string(buildDate()) + "." + std::to_string(buildTime()) + ")");
    const auto& args = forms().arguments();
    if (args.size() >= 2 && !args[0].empty() && !args[1].empty())
        Label3.setCaption("Сервер: " + args[0] + ", БД: " + args[1]);
    ComboBox1.setItemIndex(ComboBox1.indexOf(ui::Application::instance().activeStyle()));
}

void TForm23::ComboBox1Change() {
    std::string name = ComboBox1.text();
    ui::Application::instance().applyStyle(name);
    saveStyle(name);
}

bool TForm23::ConnectAsUser(const std::string& login, const std::string& password) {
    ConnectionTarget target = forms().target();
    forms().Form1->setCaption(target.mainWindowCaption());
    try {
        dm().ConnectAsUser(target, login, password);
    } catch (const DbError& e) {
        ui::MessageBox(target.failureMessage() + "\n" + e.what(), "Ошибка", ui::Icon::Stop);
        ui::Application::instance().terminate();
        return false;
    }
    ui::Application::instance().setConnection(&dm().ADO_DB);
    return true;
}

void TForm23::Button1Click() {
    Forms& f = forms();
    TForm45& journal = *f.Form45;
    journal.CurrentShift = 1;
    journal.LoginName = trimmed(Edit1.text());
    journal.LoginPassword = trimmed(Edit2.text());
    const auto& code = f.installation().accessCode;
    if (!code.empty() && trimmed(Edit2.text()) == code) {
        journal.LoginName = f.installation().bootstrapUser;
        journal.LoginPassword = f.installation().bootstrapPassword;
    }

    TDataModule6& d = dm();
    d.user.close();
    d.user.setParam("s_name", journal.LoginName);
    d.user.open();
    journal.UserId = d.user.field("id").asInt();
    journal.PersonId = d.user.field("id_person").asInt();

    if (!ConnectAsUser(journal.LoginName, journal.LoginPassword)) return;

    const std::string& name = journal.LoginName;
    bool readOnly = name == "vestra" || name == "morion" || name == "calvex";
    for (ui::Button* b : {&journal.Button1, &journal.Button2, &journal.Button3}) b->setEnabled(!readOnly);
    f.Form1->N2.setEnabled(!readOnly);
    if (name == "econom") {
        for (ui::Control* c : std::initializer_list<ui::Control*>{
                 &journal.Button1, &journal.Button2, &journal.Button3, &journal.Button8, &journal.RadioButton1,
                 &journal.RadioButton2, &journal.RadioButton3, &journal.RadioButton4, &journal.CBox1, &journal.DBGrid2,
                 &journal.DateT})
            c->setEnabled(false);
        f.Form1->N2.setEnabled(false);
    }
    for (int shift = 1; shift <= 4; ++shift) d.smena(shift).setParam("OK", std::string("ta"));

    setHidden(true);
    f.Form1->showModal();
    close();
}

} // namespace velt
