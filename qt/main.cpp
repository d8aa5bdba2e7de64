// The client's entry point: the Qt front, or the scenario runner with --script FILE.
#include <QApplication>
#include <QTimer>

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "app/program.h"
#include "data/connection.h"
#include "qt/qt_driver.h"
#include "ui/application.h"
#include "ui/script_driver.h"

namespace {

int runScript(const std::string& file, const std::vector<std::string>& arguments) {
    std::ifstream in(file);
    if (!in) {
        std::cerr << "cannot read the scenario " << file << "\n";
        return 2;
    }
    velt::ui::ScriptDriver driver(in, std::cout, file);
    driver.setBaseForms({"TForm23", "TForm1"});
    auto& app = velt::ui::Application::instance();
    app.setDriver(&driver);
    int rc = 0;
    try {
        rc = velt::runClient(arguments);
        driver.finish();
    } catch (const velt::ui::UiError& e) {
        std::cout.flush();
        std::cerr << "SCENARIO FAILED " << e.what() << "\n";
        rc = 2;
    }
    app.setDriver(nullptr);
    return rc;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> arguments;
    std::string script;
    bool quitWhenShown = false;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--script" && i + 1 < argc) script = argv[++i];
        else if (a == "--quit-when-shown") quitWhenShown = true;  // measures the start-up
        else arguments.push_back(a);
    }
    if (!script.empty()) return runScript(script, arguments);

    // The database's authentication and the start of the display overlap.
    velt::Connection bootstrap;
    velt::startBootstrapConnection(bootstrap, arguments);
    QApplication qapp(argc, argv);
    velt::qt::QtDriver driver;
    auto& app = velt::ui::Application::instance();
    app.setDriver(&driver);
    // The first turn of the event loop comes once the login window is on screen.
    if (quitWhenShown) QTimer::singleShot(0, [&app] { app.terminate(); });
    int rc = velt::runClient(arguments, &bootstrap);
    app.setDriver(nullptr);
    return rc;
}
