#include "qt/screenshot.h"

#include <QCoreApplication>
#include <QPixmap>
#include <memory>

#include "qt/form_view.h"
#include "qt/qt_driver.h"
#include "ui/application.h"

namespace velt::qt {

bool grabForm(ui::Form& form, const QString& path) {
    auto& app = ui::Application::instance();
    auto* driver = app.hasDriver() ? dynamic_cast<QtDriver*>(&app.driver()) : nullptr;
    std::unique_ptr<FormView> own;
    FormView* view = driver ? &driver->view(form) : (own = std::make_unique<FormView>(form)).get();
    const bool wasVisible = view->isVisible();
    if (wasVisible) view->syncAll();
    else view->showForCapture();
    // Layouts and paints arrive as posted events.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QPixmap shot = view->grab();
    if (!wasVisible) view->hide();
    return !shot.isNull() && shot.save(path, "PNG");
}

} // namespace velt::qt
