#include "tests/support/app_fixture.h"

#include <cstdlib>
#include <fstream>

#include "ui/application.h"

namespace velt::test {

void AppTest::SetUp() {
    auto& cluster = TestCluster::instance();
    db = std::make_unique<TestDatabase>();
    // A service file of this test's own, so parallel tests never write the same file.
    service_ = "velt_" + db->name();
    serviceFile_ = cluster.root() + "/svc-" + db->name() + ".conf";
    {
        std::ofstream out(serviceFile_);
        out << "[" << service_ << "]\nhost=" << cluster.socketDir() << "\nport=" << cluster.port()
            << "\ndbname=" << db->name() << "\n";
    }
    setenv("PGSERVICEFILE", serviceFile_.c_str(), 1);
    ui::Application::instance().reset();
    ui::Application::instance().setDriver(&driver);
}

void AppTest::TearDown() {
    forms.reset();
    ui::Application::instance().reset();
    ui::Application::instance().setDriver(nullptr);
    std::remove(serviceFile_.c_str());
    db.reset();
}

InstallationConfig AppTest::installation() const { return InstallationConfig::load(); }

void AppTest::makeForms(std::vector<std::string> arguments, bool connect) {
    forms.reset();
    if (arguments.empty()) arguments = {service_};
    forms = std::make_unique<Forms>(std::move(arguments), installation());
    forms->DataModule6->ADO_DB.setStatementHook([this](const Statement& s) { statements.push_back(s); });
    if (connect) forms->connectBootstrap();
}

void AppTest::connectAsUser(const std::string& login) {
    if (!forms) makeForms();
    forms->DataModule6->ConnectAsUser(forms->target(), login, "velt-test");
    forms->DataModule6->DbDecimalSeparator.assign(1, '.');  // assign: gcc 12 warns falsely on = "."
}

void AppTest::inForm(ui::Form& form, const std::function<void()>& body) {
    whenShown(form.name(), body);
    form.showModal();
}

void AppTest::whenShown(const std::string& formName, const std::function<void()>& body) {
    driver.onShow(formName, [body](ui::Form& f) {
        body();
        if (f.isShowing() && !ui::Application::instance().isTerminated()) f.close();
    });
}

void AppTest::expectOnlyError(const std::string& text) const {
    ASSERT_EQ(driver.messages.size(), 1u) << "expected only the error: " << text;
    EXPECT_EQ(driver.messages[0].text, text);
    EXPECT_EQ(driver.messages[0].caption, "Ошибка");
    EXPECT_EQ(driver.messages[0].icon, ui::Icon::Stop);
}

std::vector<std::string> AppTest::writes() const {
    std::vector<std::string> out;
    for (auto& s : statements) {
        std::string head = s.text.substr(0, 6);
        for (auto& c : head) c = char(std::tolower(static_cast<unsigned char>(c)));
        if (head != "select") out.push_back(s.text);
    }
    return out;
}

std::vector<std::string> AppTest::statementTexts() const {
    std::vector<std::string> out;
    for (auto& s : statements) out.push_back(s.text);
    return out;
}

} // namespace velt::test
