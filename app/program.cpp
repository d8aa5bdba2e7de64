#include "app/program.h"

#include <exception>

#include "app/forms.h"
#include "app/login.h"
#include "app/style_file.h"
#include "data/db_error.h"
#include "ui/application.h"

namespace velt {

int runClient(const std::vector<std::string>& arguments) {
    auto& app = ui::Application::instance();
    try {
        applyStartStyle();
        Forms forms(arguments);
        try {
            forms.connectBootstrap();
        } catch (const DbError& e) {
            // Without its first connection the client can neither check its build nor find the user.
            app.message(forms.target().failureMessage() + "\n" + e.what(), "Ошибка", ui::Icon::Stop);
            return 1;
        }
        forms.Form23->showModal();
    } catch (const ui::UiError&) {
        throw;  // a scenario step no person could take: the runner reports it
    } catch (const std::exception& e) {
        if (app.hasDriver()) app.driver().message(e.what(), "Ошибка", ui::Icon::Stop, ui::Buttons::Ok);
    }
    return 0;
}

} // namespace velt
