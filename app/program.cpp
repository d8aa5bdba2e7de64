#include "app/program.h"

#include <exception>

#include "app/forms.h"
#include "app/login.h"
#include "app/style_file.h"
#include "data/connection.h"
#include "data/db_error.h"
#include "data/installation_config.h"
#include "ui/application.h"

namespace velt {

void startBootstrapConnection(Connection& connection, const std::vector<std::string>& arguments) {
    auto config = InstallationConfig::load();
    connection.connectInBackground(
        ConnectionTarget::fromArguments(arguments).libpqParams(config.bootstrapUser, config.bootstrapPassword));
}

int runClient(const std::vector<std::string>& arguments, Connection* bootstrap) {
    auto& app = ui::Application::instance();
    try {
        applyStartStyle();
        Forms forms(arguments);
        try {
            if (bootstrap) forms.DataModule6->ADO_DB.takeOver(*bootstrap);
            else forms.connectBootstrap();
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
