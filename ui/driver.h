#pragma once
#include <string>
#include <vector>

#include "ui/types.h"

namespace velt::ui {

class Form;
class Timer;

// What needs a person or a screen: the Qt front, the scenario runner and the tests each
// provide one.
class Driver {
public:
    virtual ~Driver() = default;
    // Returns when the form has closed (or the program is ending).
    virtual void runModal(Form& form) = 0;
    virtual Answer message(const std::string& text, const std::string& caption, Icon icon, Buttons buttons) = 0;
    virtual void setBusy(bool busy) { (void)busy; }
    // The program ends: every modal loop unwinds.
    virtual void terminate() {}
    virtual void timerChanged(Timer& timer) { (void)timer; }
    virtual std::vector<std::string> styleNames() const { return {"Fusion", "Onyx Blue", "Windows"}; }
    virtual void applyStyle(const std::string& name) { (void)name; }
    // A form is being destroyed: whatever shows it must let go of it.
    virtual void formDestroyed(Form& form) { (void)form; }
};

} // namespace velt::ui
