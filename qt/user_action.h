#pragma once
#include <functional>

namespace velt::ui {
class Form;
}

namespace velt::qt {

// Runs a user action on the toolkit from a Qt event. A control the toolkit finds unusable
// refuses with UiError; the person simply sees nothing happen.
void runUserAction(const std::function<void()>& action);

// Whether the form still exists: views may outlive the forms they render.
bool isFormAlive(const ui::Form* form);

} // namespace velt::qt
