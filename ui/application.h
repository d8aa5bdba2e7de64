#pragma once
#include <functional>
#include <string>
#include <vector>

#include "ui/driver.h"
#include "ui/types.h"

namespace velt {
class Connection;
}

namespace velt::ui {

class Form;
class Timer;

// The one dispatch point, the modal stack and the program's lifetime.
class Application {
public:
    static Application& instance();

    void setDriver(Driver* driver) { driver_ = driver; }
    Driver& driver() const;
    bool hasDriver() const { return driver_ != nullptr; }
    // The connection whose transactions wrap every handler.
    void setConnection(Connection* connection) { connection_ = connection; }

    // Runs a handler inside a transaction; commits when it ends, rolls back and shows the
    // error when it throws. UiError (a scripted step no person could take) passes through.
    void dispatch(const std::function<void()>& handler);
    bool isDispatching() const { return depth_ > 0; }

    // A message box. The work so far is committed first: nobody waits inside a transaction.
    Answer message(const std::string& text, const std::string& caption, Icon icon, Buttons buttons = Buttons::Ok);
    // The default exception display.
    void showError(const std::string& text);
    void showModal(Form& form);
    void closeForm(Form& form);
    Form* activeForm() const { return stack_.empty() ? nullptr : stack_.back(); }
    const std::vector<Form*>& modalStack() const { return stack_; }

    void setBusy(bool busy);
    // Ends the program: every modal loop returns.
    void terminate();
    bool isTerminated() const { return terminated_; }

    std::vector<std::string> styleNames() const;
    // Applies a style by name; an unknown name is reported and the look stays.
    bool applyStyle(const std::string& name);
    const std::string& activeStyle() const { return style_; }

    // Forms by name, for the scenario runner and the registry.
    void registerForm(Form& form);
    void unregisterForm(Form& form);
    Form* findForm(const std::string& name) const;
    const std::vector<Form*>& forms() const { return forms_; }
    void registerTimer(Timer& timer);
    void unregisterTimer(Timer& timer);
    const std::vector<Timer*>& timers() const { return timers_; }

    // Back to the state of a new program run (tests).
    void reset();

private:
    void suspend();  // commits the running handler's work before someone is asked
    void resume();
    Driver* driver_ = nullptr;
    Connection* connection_ = nullptr;
    int depth_ = 0;
    bool terminated_ = false;
    std::string style_;
    std::vector<Form*> stack_;
    std::vector<Form*> forms_;
    std::vector<Timer*> timers_;
};

// Shorthand for windows: Application::instance().message(…).
Answer MessageBox(const std::string& text, const std::string& caption, Icon icon, Buttons buttons = Buttons::Ok);

} // namespace velt::ui
