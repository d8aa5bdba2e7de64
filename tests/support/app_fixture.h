#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/forms.h"
#include "tests/support/test_db.h"
#include "ui/form.h"
#include "ui/test_driver.h"

namespace velt::test {

// The whole client on a fresh database: every window, the data module connected with the
// bootstrap account through a libpq service of its own, and the test driver in place of a
// person. Statements the client sends are collected.
class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Builds the windows for these command-line arguments (default: this test's service).
    void makeForms(std::vector<std::string> arguments = {}, bool connect = true);
    const std::string& service() const { return service_; }
    InstallationConfig installation() const;

    // Connects as the ordinary test login as the login window would, without showing it,
    // and reads the decimal separator; for tests of single windows.
    void connectAsUser(const std::string& login = "velt_test");
    // Shows the form modally; `body` acts in it and the form is closed afterwards if still open.
    void inForm(ui::Form& form, const std::function<void()>& body);
    // Queues what happens when `formName` is shown (closed afterwards if still open).
    void whenShown(const std::string& formName, const std::function<void()>& body);

    std::vector<std::string> statementTexts() const;
    // Exactly one message was shown, an error ("Ошибка", stop icon) with this text.
    void expectOnlyError(const std::string& text) const;
    // The statements other than reads, in the order sent.
    std::vector<std::string> writes() const;
    void clearStatements() { statements.clear(); }

    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<Forms> forms;
    ui::TestDriver driver;
    std::vector<Statement> statements;

private:
    std::string service_;
    std::string serviceFile_;
};

} // namespace velt::test
