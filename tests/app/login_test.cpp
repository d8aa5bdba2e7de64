#include <gtest/gtest.h>

#include "app/login.h"
#include "app/main_window.h"
#include "shopfloor/shift_journal.h"
#include "tests/support/app_fixture.h"
#include "ui/application.h"

namespace velt {
namespace {

class Login : public test::AppTest {
protected:
    // Types both boxes and presses "Вход"; `inMain` runs while the main window is shown.
    void login(const std::string& name, const std::string& password, const std::function<void()>& inMain = {}) {
        if (!forms) makeForms();
        TForm23& f = *forms->Form23;
        whenShown("TForm23", [&] {
            f.Edit1.replaceText(name);
            f.Edit2.replaceText(password);
            f.Button1.click();
        });
        if (inMain || true) whenShown("TForm1", [&] {
            mainShown = true;
            loginHiddenMeanwhile = f.isHidden();
            if (inMain) inMain();
        });
        f.showModal();
        // A refused login never reaches the main window; its queued actions are dropped.
    }
    bool mainShown = false;
    bool loginHiddenMeanwhile = false;
};

TEST_F(Login, NameWithBlanksIsTrimmedForLookupAndConnection) {
    db->exec("insert into adm_user.users(id, s_name, id_person) values (17, 'velt_test', 42)");
    std::string connectedAs;
    login("  velt_test  ", " velt-test ", [&] { connectedAs = forms->DataModule6->ADO_DB.user(); });
    ASSERT_TRUE(mainShown);
    TForm45& s = *forms->Form45;
    EXPECT_EQ(s.LoginName, "velt_test");
    EXPECT_EQ(s.LoginPassword, "velt-test");
    EXPECT_EQ(s.UserId, 17);
    EXPECT_EQ(s.PersonId, 42);
    EXPECT_EQ(s.CurrentShift, 1);
    EXPECT_EQ(connectedAs, "velt_test");
    bool looked = false;
    for (auto& st : statements)
        if (st.text == "select * from adm_user.users u where s_name = $1") {
            looked = true;
            EXPECT_EQ(st.params, (ParamValues{std::string("velt_test")}));
        }
    EXPECT_TRUE(looked);
    EXPECT_EQ(forms->Form1->caption(), "VELT.ERP (Data Source: " + service() + ")");
    EXPECT_TRUE(loginHiddenMeanwhile);
    // Closing the main window closed the login window: the program's end.
    EXPECT_FALSE(forms->Form23->isShowing());
    for (int shift = 1; shift <= 4; ++shift)
        EXPECT_EQ(std::get<std::string>(forms->DataModule6->smena(shift).param("OK")), "ta");
}

TEST_F(Login, LoginWithoutUserRowHasNoIds) {
    login("velt_test", "velt-test");
    EXPECT_TRUE(mainShown);
    EXPECT_EQ(forms->Form45->UserId, 0);
    EXPECT_EQ(forms->Form45->PersonId, 0);
}

struct Permission {
    const char* login;
    bool editing;    // add, change, delete shift records
    bool reference;  // the "Справочники" menu
    bool browsing;   // shifts, date, grid, refresh of the journal
};

class Permissions : public Login, public ::testing::WithParamInterface<Permission> {};

TEST_P(Permissions, FollowTheLoginName) {
    const auto& c = GetParam();
    login(c.login, "velt-test");
    ASSERT_TRUE(mainShown);
    TForm45& j = *forms->Form45;
    for (ui::Control* b : {static_cast<ui::Control*>(&j.Button1), static_cast<ui::Control*>(&j.Button2),
                           static_cast<ui::Control*>(&j.Button3)})
        EXPECT_EQ(b->isEnabled(), c.editing) << c.login << " " << b->name();
    EXPECT_EQ(forms->Form1->N2.isEnabled(), c.reference) << c.login;
    for (ui::Control* b : std::initializer_list<ui::Control*>{&j.Button8, &j.RadioButton1, &j.RadioButton2,
                                                              &j.RadioButton3, &j.RadioButton4, &j.CBox1, &j.DBGrid2,
                                                              &j.DateT})
        EXPECT_EQ(b->isEnabled(), c.browsing) << c.login << " " << b->name();
}

INSTANTIATE_TEST_SUITE_P(Logins, Permissions, ::testing::Values(
    Permission{"vestra", false, false, true},
    Permission{"morion", false, false, true},
    Permission{"calvex", false, false, true},
    Permission{"econom", false, false, false},
    Permission{"Vestra", true, true, true},  // the names compare case-sensitively
    Permission{"velt_test", true, true, true}),
    [](const auto& info) { return std::string(info.param.login); });

TEST_F(Login, WrongPasswordShowsTheReasonAndEnds) {
    login("velt_test", "wrong");
    EXPECT_FALSE(mainShown);
    ASSERT_EQ(driver.messages.size(), 1u);
    const auto& m = driver.messages[0];
    EXPECT_EQ(m.caption, "Ошибка");
    EXPECT_EQ(m.icon, ui::Icon::Stop);
    std::string head = "Подключение к БД отсутсвует (Data Source: " + service() + ")\n";
    EXPECT_EQ(m.text.substr(0, head.size()), head);
    EXPECT_NE(m.text.find("password authentication failed"), std::string::npos) << m.text;
    EXPECT_TRUE(ui::Application::instance().isTerminated());
    EXPECT_TRUE(driver.terminated);
}

TEST_F(Login, ServerLineShowsOnlyForServerAndDatabase) {
    makeForms({"db.plant.local", "erp"}, false);
    // The bootstrap connection of this test goes to its own database instead of the named server.
    forms->DataModule6->ADO_DB.connect(db->params("velt_test", "velt-test"));
    whenShown("TForm23", [] {});
    forms->Form23->showModal();
    EXPECT_EQ(forms->Form23->Label3.caption(), "Сервер: db.plant.local, БД: erp");

    makeForms({service()});
    whenShown("TForm23", [] {});
    forms->Form23->showModal();
    EXPECT_EQ(forms->Form23->Label3.caption(), "");
}

TEST_F(Login, ServerFormNamesServerAndDatabaseWhenRefused) {
    makeForms({"127.0.0.1", db->name()}, false);
    forms->DataModule6->ADO_DB.connect(db->params("velt_test", "velt-test"));
    login("velt_test", "velt-test");
    EXPECT_FALSE(mainShown);
    ASSERT_FALSE(driver.messages.empty());
    std::string head = "Подключение к БД отсутсвует (сервер: 127.0.0.1, БД: " + db->name() + ")\n";
    EXPECT_EQ(driver.messages.back().text.substr(0, head.size()), head);
    EXPECT_EQ(forms->Form1->caption(), "VELT.ERP (сервер: 127.0.0.1, БД: " + db->name() + ")");
}

TEST_F(Login, WithoutConfiguredAccessCodeThePasswordBoxStartsEmpty) {
    makeForms();
    EXPECT_EQ(forms->Form23->Edit2.text(), "");
    EXPECT_TRUE(forms->Form23->Edit2.isPassword());
    // Pressing "Вход" with the empty box logs nobody in.
    login("velt_test", "");
    EXPECT_FALSE(mainShown);
    EXPECT_TRUE(ui::Application::instance().isTerminated());
}

TEST_F(Login, ConfiguredAccessCodeLogsInAsTheBootstrapAccount) {
    InstallationConfig config = installation();
    config.accessCode = "4321";
    forms = std::make_unique<Forms>(std::vector<std::string>{service()}, config);
    forms->connectBootstrap();
    EXPECT_EQ(forms->Form23->Edit2.text(), "4321");
    TForm23& f = *forms->Form23;
    std::string connectedAs;
    whenShown("TForm23", [&] {
        f.Edit1.replaceText("anybody");
        f.Button1.click();
    });
    whenShown("TForm1", [&] { connectedAs = forms->DataModule6->ADO_DB.user(); });
    f.showModal();
    EXPECT_EQ(forms->Form45->LoginName, config.bootstrapUser);
    EXPECT_EQ(forms->Form45->LoginPassword, config.bootstrapPassword);
    EXPECT_EQ(connectedAs, config.bootstrapUser);
}

TEST_F(Login, StyleChoiceIsAppliedAndStored) {
    makeForms();
    TForm23& f = *forms->Form23;
    EXPECT_EQ(f.ComboBox1.items(), (std::vector<std::string>{"Fusion", "Onyx Blue", "Windows"}));
    whenShown("TForm23", [&] { f.ComboBox1.choose("Fusion"); });
    f.showModal();
    EXPECT_EQ(ui::Application::instance().activeStyle(), "Fusion");
    EXPECT_EQ(driver.appliedStyles.back(), "Fusion");
}

TEST_F(Login, CancelClosesTheWindowAndSendsNothingMore) {
    makeForms();
    TForm23& f = *forms->Form23;
    whenShown("TForm23", [&] {
        clearStatements();
        f.Edit1.replaceText("velt_test");
        f.Button2.click();
    });
    f.showModal();
    EXPECT_FALSE(f.isShowing());
    EXPECT_TRUE(statements.empty());
}

} // namespace
} // namespace velt
