#include "qt/qt_driver.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <algorithm>

#include "qt/form_view.h"
#include "qt/messages.h"
#include "qt/styles.h"
#include "qt/user_action.h"
#include "ui/application.h"
#include "ui/control.h"
#include "ui/form.h"

namespace velt::qt {

namespace {
bool isRegistered(const ui::Timer* timer) {
    const auto& all = ui::Application::instance().timers();
    return std::find(all.begin(), all.end(), timer) != all.end();
}
} // namespace

QtDriver::QtDriver(QObject* parent) : QObject(parent) {}

QtDriver::~QtDriver() {
    releaseViews();
    if (busy_) QApplication::restoreOverrideCursor();
}

FormView& QtDriver::view(ui::Form& form) {
    auto& v = views_[&form];
    if (!v) v = std::make_unique<FormView>(form);
    return *v;
}

FormView* QtDriver::existingView(const ui::Form& form) const {
    auto it = views_.find(&form);
    return it == views_.end() ? nullptr : it->second.get();
}

void QtDriver::releaseView(const ui::Form& form) { views_.erase(&form); }

void QtDriver::formDestroyed(ui::Form& form) {
    auto it = views_.find(&form);
    if (it == views_.end()) return;
    // Its controls are already gone: the view lets go without touching them.
    it->second->detach();
    if (it->second->isInModalRun()) it->second.release()->deleteLater();
    views_.erase(it);
}
void QtDriver::releaseViews() { views_.clear(); }

void QtDriver::runModal(ui::Form& form) {
    auto& app = ui::Application::instance();
    if (terminated_ || app.isTerminated()) return;
    syncTimers();
    QPointer<FormView> v = &view(form);
    // Not QDialog::exec(): a form that hides itself stays in its modal loop.
    QEventLoop loop;
    loops_.push_back(&loop);
    v->beginModal(&loop);
    while (v && form.isShowing() && !terminated_ && !app.isTerminated())
        if (loop.exec(QEventLoop::DialogExec) < 0) break;  // the program is quitting
    if (v) v->endModal();
    std::erase(loops_, &loop);
}

ui::Answer QtDriver::message(const std::string& text, const std::string& caption, ui::Icon icon,
                             ui::Buttons buttons) {
    if (terminated_) return escapeAnswer(buttons);
    QWidget* over = QApplication::activeModalWidget();
    return showMessage(text, caption, icon, buttons, over && over->isVisible() ? over : nullptr);
}

void QtDriver::setBusy(bool busy) {
    // A state, not a count: one wait cursor at most, gone when the toolkit says so.
    if (busy == busy_) return;
    busy_ = busy;
    if (busy) QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else QApplication::restoreOverrideCursor();
}

void QtDriver::terminate() {
    if (terminated_) return;
    terminated_ = true;
    for (auto& [t, qt] : timers_) qt->stop();
    for (QEventLoop* loop : loops_) loop->quit();
    QCoreApplication::exit(0);
}

void QtDriver::timerChanged(ui::Timer& timer) {
    if (!isRegistered(&timer)) return;
    QTimer*& qt = timers_[&timer];
    if (!qt) {
        qt = new QTimer(this);
        connect(qt, &QTimer::timeout, this, [this, t = &timer] { fire(t); });
    }
    int interval = std::max(0, timer.interval());
    if (qt->interval() != interval) qt->setInterval(interval);
    bool run = timer.isTimerEnabled() && !terminated_;
    if (run && !qt->isActive()) qt->start();
    else if (!run && qt->isActive()) qt->stop();
}

void QtDriver::syncTimers() {
    // Timers destroyed with their forms leave; the rest follow their toolkit state.
    for (auto it = timers_.begin(); it != timers_.end();) {
        if (isRegistered(it->first)) {
            ++it;
        } else {
            it->second->stop();
            it->second->deleteLater();
            it = timers_.erase(it);
        }
    }
    for (ui::Timer* t : ui::Application::instance().timers()) timerChanged(*t);
}

const QTimer* QtDriver::timerFor(const ui::Timer& timer) const {
    auto it = timers_.find(&timer);
    return it == timers_.end() ? nullptr : it->second;
}

void QtDriver::fire(ui::Timer* timer) {
    if (!isRegistered(timer)) {
        if (auto it = timers_.find(timer); it != timers_.end()) {
            it->second->stop();
            it->second->deleteLater();
            timers_.erase(it);
        }
        return;
    }
    runUserAction([timer] { timer->fire(); });
}

std::vector<std::string> QtDriver::styleNames() const { return qt::styleNames(); }

void QtDriver::applyStyle(const std::string& name) { applyNamedStyle(name); }

} // namespace velt::qt
