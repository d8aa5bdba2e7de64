// Writes pictures of the main windows, filled from the demo plant, into the folder given:
// a look at what a person sees, taken on a real display (Xvfb) by the test run. It also
// builds the view of every window once.
#include <QApplication>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "app/forms.h"
#include "app/login.h"
#include "app/main_window.h"
#include "qt/form_view.h"
#include "qt/qt_driver.h"
#include "qt/screenshot.h"
#include "reference/department_list.h"
#include "reference/item_editor.h"
#include "reference/item_list.h"
#include "reference/person_editor.h"
#include "reference/person_list.h"
#include "reference/process_editor.h"
#include "reference/process_list.h"
#include "reference/operation_type_list.h"
#include "tests/support/test_db.h"
#include "ui/application.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: velt-screens FOLDER\n");
        return 2;
    }
    std::string folder = argv[1];
    std::filesystem::create_directories(folder);
    QApplication qapp(argc, argv);
    velt::qt::QtDriver driver;
    auto& app = velt::ui::Application::instance();
    app.setDriver(&driver);
    int failures = 0;
    {
        auto& cluster = velt::test::TestCluster::instance();
        velt::Forms forms(std::vector<std::string>{});
        forms.DataModule6->ADO_DB.connect({{"host", cluster.socketDir()},
                                           {"port", cluster.port()},
                                           {"dbname", "velt_demo"},
                                           {"user", "master"},
                                           {"password", "master-demo"}});
        forms.DataModule6->DbDecimalSeparator.assign(1, '.');
        auto& d = *forms.DataModule6;
        auto shot = [&](velt::ui::Form& form, const char* file, const std::function<void()>& prepare) {
            try {
                if (prepare) prepare();
            } catch (const std::exception& e) {
                std::fprintf(stderr, "%s: %s\n", file, e.what());
            }
            bool ok = velt::qt::grabForm(form, QString::fromStdString(folder + "/" + file));
            if (!ok) ++failures;
            std::printf("%s %s\n", ok ? "wrote" : "FAILED", file);
        };
        forms.Form23->Edit1.setText("master");
        shot(*forms.Form23, "login.png", [&] { forms.Form23->Label3.setCaption(""); });
        shot(*forms.Form1, "main.png", {});
        shot(*forms.Form30, "departments.png", [&] { d.department.open(); });
        shot(*forms.Form5, "persons.png", [&] {
            d.workers.open();
            forms.Form5->FormActivate();
        });
        shot(*forms.Form2, "person_editor.png", {});
        shot(*forms.Form3, "items.png", [&] { forms.Form3->FormActivate(); });
        shot(*forms.Form7, "item_editor.png", {});
        shot(*forms.Form4, "processes.png", [&] { d.proc_tech.open(); });
        shot(*forms.Form33, "process_editor.png", [&] {
            d.proc_tech.open();
            d.operation.setParam("id_proc_tech", (long long)d.proc_tech.field("id").asInteger());
            d.operation.open();
        });
        // Every window's view builds, not only those pictured.
        for (velt::ui::Form* form : app.forms()) {
            try {
                driver.view(*form);
            } catch (const std::exception& e) {
                std::fprintf(stderr, "the view of %s does not build: %s\n", form->name().c_str(), e.what());
                ++failures;
            }
        }
        std::printf("built the views of %zu windows\n", app.forms().size());
        driver.releaseViews();
    }
    app.setDriver(nullptr);
    return failures ? 1 : 0;
}
