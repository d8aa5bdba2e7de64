#include "qt/user_action.h"

#include <algorithm>
#include <exception>

#include "ui/application.h"
#include "ui/types.h"

namespace velt::qt {

void runUserAction(const std::function<void()>& action) {
    try {
        action();
    } catch (const ui::UiError&) {
    } catch (const std::exception& e) {
        // Qt must not see an exception unwind through its event handlers.
        try {
            ui::Application::instance().showError(e.what());
        } catch (...) {
        }
    }
}

bool isFormAlive(const ui::Form* form) {
    const auto& forms = ui::Application::instance().forms();
    return std::find(forms.begin(), forms.end(), form) != forms.end();
}

} // namespace velt::qt
