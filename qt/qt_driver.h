#pragma once
#include <QObject>
#include <memory>
#include <unordered_map>
#include <vector>

#include "ui/driver.h"

class QEventLoop;
class QTimer;

namespace velt::ui {
class Form;
class Timer;
} // namespace velt::ui

namespace velt::qt {

class FormView;

// The Qt front: modal forms as dialogs, message boxes, the busy cursor, timers and styles.
// Needs a QApplication; install it with ui::Application::instance().setDriver(&driver).
class QtDriver : public QObject, public ui::Driver {
public:
    explicit QtDriver(QObject* parent = nullptr);
    ~QtDriver() override;

    void runModal(ui::Form& form) override;
    ui::Answer message(const std::string& text, const std::string& caption, ui::Icon icon,
                       ui::Buttons buttons) override;
    void setBusy(bool busy) override;
    void terminate() override;
    void timerChanged(ui::Timer& timer) override;
    std::vector<std::string> styleNames() const override;
    void applyStyle(const std::string& name) override;
    void formDestroyed(ui::Form& form) override;

    // The dialog of a form, built on first use and kept for the next showing.
    FormView& view(ui::Form& form);
    FormView* existingView(const ui::Form& form) const;
    // Drops views (a destroyed form's view goes by itself).
    void releaseView(const ui::Form& form);
    void releaseViews();

    // One QTimer per toolkit timer, running while it is enabled (runModal does this too).
    void syncTimers();
    const QTimer* timerFor(const ui::Timer& timer) const;

    bool isBusy() const { return busy_; }
    bool isTerminated() const { return terminated_; }

private:
    void fire(ui::Timer* timer);
    std::unordered_map<const ui::Form*, std::unique_ptr<FormView>> views_;
    std::unordered_map<const ui::Timer*, QTimer*> timers_;
    std::vector<QEventLoop*> loops_;
    bool busy_ = false;
    bool terminated_ = false;
};

} // namespace velt::qt
