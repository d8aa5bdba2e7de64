#pragma once
#include <QString>

namespace velt::ui {
class Form;
}

namespace velt::qt {

// Renders a form's dialog (as the Qt driver would show it) into a PNG file, without a modal
// loop. Returns false when nothing could be written.
bool grabForm(ui::Form& form, const QString& path);

} // namespace velt::qt
