#pragma once
#include <deque>
#include <istream>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "ui/driver.h"

namespace velt::ui {

class Form;
class Control;

// Runs the client from a scenario file, one command a line, as a person would act; a modal
// form takes the following commands until it closes. Message boxes are printed as
// "MESSAGE <caption> <icon>: <text>".
class ScriptDriver : public Driver {
public:
    ScriptDriver(std::istream& script, std::ostream& out, std::string fileName);

    // Forms that may still be open when the script ends (the program's own windows).
    void setBaseForms(std::set<std::string> names) { baseForms_ = std::move(names); }
    // After the program has returned: fails when commands are left or a modal form is open.
    void finish();

    void runModal(Form& form) override;
    Answer message(const std::string& text, const std::string& caption, Icon icon, Buttons buttons) override;
    void terminate() override { terminated_ = true; }
    void applyStyle(const std::string& name) override { style_ = name; }

    // Runs one command line (also used by tests).
    void execute(const std::string& line);

private:
    bool nextCommand(std::string& line);
    [[noreturn]] void fail(const std::string& why) const;
    Form& formNamed(const std::string& name) const;
    Control& controlNamed(const std::string& ref) const;
    template <class T> T& controlAs(const std::string& ref, const char* kind) const;

    std::istream& in_;
    std::ostream& out_;
    std::string file_;
    int lineNo_ = 0;
    std::string current_;
    std::deque<Answer> answers_;
    std::set<std::string> baseForms_;
    bool terminated_ = false;
    std::string style_;
};

// Splits a command line into words; "double quotes" hold blanks, \" a quote.
std::vector<std::string> splitCommand(const std::string& line);

} // namespace velt::ui
