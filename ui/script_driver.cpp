#include "ui/script_driver.h"

#include "ui/application.h"
#include "ui/form.h"

namespace velt::ui {

std::vector<std::string> splitCommand(const std::string& line) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        if (i >= line.size()) break;
        std::string w;
        bool any = false;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') {
            if (line[i] == '"') {
                // A quoted part; TForm36."Приход" keeps its quotes so the caption can be told from a name.
                bool keep = !w.empty() && w.back() == '.';
                if (keep) w += '"';
                ++i;
                while (i < line.size() && line[i] != '"') {
                    if (line[i] == '\\' && i + 1 < line.size()) ++i;
                    w += line[i++];
                }
                if (i >= line.size()) throw UiError("unclosed quote");
                ++i;
                if (keep) w += '"';
                any = true;
            } else {
                w += line[i++];
                any = true;
            }
        }
        if (any) words.push_back(w);
    }
    return words;
}

ScriptDriver::ScriptDriver(std::istream& script, std::ostream& out, std::string fileName)
    : in_(script), out_(out), file_(std::move(fileName)) {}

void ScriptDriver::fail(const std::string& why) const {
    throw UiError(file_ + ":" + std::to_string(lineNo_) + ": " + (current_.empty() ? "" : current_ + ": ") + why);
}

bool ScriptDriver::nextCommand(std::string& line) {
    while (std::getline(in_, line)) {
        ++lineNo_;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        size_t s = line.find_first_not_of(" \t");
        if (s == std::string::npos || line[s] == '#') continue;
        line = line.substr(s);
        return true;
    }
    return false;
}

void ScriptDriver::runModal(Form& form) {
    std::string line;
    while (form.isShowing() && !terminated_ && !Application::instance().isTerminated()) {
        if (!nextCommand(line)) {
            current_.clear();
            if (baseForms_.count(form.name())) {
                Application::instance().terminate();
                return;
            }
            fail("the scenario ends with " + form.name() + " open");
        }
        execute(line);
    }
}

void ScriptDriver::finish() {
    std::string line;
    if (nextCommand(line)) {
        current_ = line;
        fail("the program has ended; the command is never reached");
    }
    if (!answers_.empty()) {
        current_.clear();
        fail("an answer was given but no question was asked");
    }
}

Answer ScriptDriver::message(const std::string& text, const std::string& caption, Icon icon, Buttons buttons) {
    out_ << "MESSAGE " << caption << " " << iconName(icon) << ": " << text << "\n";
    out_.flush();
    if (buttons == Buttons::Ok) {
        if (!answers_.empty() && answers_.front() == Answer::Ok) answers_.pop_front();
        return Answer::Ok;
    }
    if (answers_.empty()) fail("a question without an answer: " + caption + ": " + text);
    Answer a = answers_.front();
    answers_.pop_front();
    bool fits = buttons == Buttons::YesNo ? (a == Answer::Yes || a == Answer::No)
              : buttons == Buttons::OkCancel ? (a == Answer::Ok || a == Answer::Cancel)
                                             : a != Answer::Ok;
    if (!fits) fail(std::string("the answer ") + answerText(a) + " is not offered by: " + text);
    return a;
}

Form& ScriptDriver::formNamed(const std::string& name) const {
    Form* f = Application::instance().findForm(name);
    if (!f) fail("unknown form " + name);
    return *f;
}

Control& ScriptDriver::controlNamed(const std::string& ref) const {
    auto dot = ref.find('.');
    if (dot == std::string::npos) fail("expected FORM.CONTROL, got " + ref);
    Form& f = formNamed(ref.substr(0, dot));
    Control* c = f.findControl(ref.substr(dot + 1));
    if (!c) fail("unknown control " + ref);
    return *c;
}

template <class T> T& ScriptDriver::controlAs(const std::string& ref, const char* kind) const {
    auto* c = dynamic_cast<T*>(&controlNamed(ref));
    if (!c) fail(ref + " is not a " + kind);
    return *c;
}

void ScriptDriver::execute(const std::string& line) {
    current_ = line;
    std::vector<std::string> w;
    try {
        w = splitCommand(line);
    } catch (const UiError& e) {
        fail(e.what());
    }
    if (w.empty()) return;
    const std::string& cmd = w[0];
    auto need = [&](size_t n) {
        if (w.size() != n + 1) fail("expected " + std::to_string(n) + " argument(s)");
    };
    auto number = [&](const std::string& s) {
        try {
            size_t used = 0;
            int v = std::stoi(s, &used);
            if (used != s.size()) throw std::invalid_argument(s);
            return v;
        } catch (const std::exception&) {
            fail("not a number: " + s);
        }
    };
    try {
        if (cmd == "login") {
            need(2);
            controlAs<Edit>("TForm23.Edit1", "edit box").replaceText(w[1]);
            controlAs<Edit>("TForm23.Edit2", "edit box").replaceText(w[2]);
            controlAs<Button>("TForm23.Button1", "button").click();
        } else if (cmd == "menu") {
            need(1);
            MenuItem* item = nullptr;
            if (Form* active = Application::instance().activeForm(); active && active->menu)
                item = active->menu->find(w[1]);
            for (Form* f : Application::instance().forms())
                if (!item && f->menu) item = f->menu->find(w[1]);
            if (!item) fail("unknown menu item " + w[1]);
            item->click();
        } else if (cmd == "click") {
            need(1);
            controlAs<Button>(w[1], "button").click();
        } else if (cmd == "type") {
            need(2);
            controlAs<Edit>(w[1], "edit box").replaceText(w[2]);
        } else if (cmd == "key") {
            need(2);
            Key k = keyFromName(w[2]);
            if (k == Key::None) fail("unknown key " + w[2]);
            controlNamed(w[1]).pressKey(k);
        } else if (cmd == "check") {
            need(2);
            if (w[2] != "on" && w[2] != "off") fail("expected on or off");
            controlAs<CheckBox>(w[1], "check box").setCheckedByUser(w[2] == "on");
        } else if (cmd == "radio") {
            need(1);
            controlAs<RadioButton>(w[1], "radio button").select();
        } else if (cmd == "choose") {
            need(2);
            controlAs<ComboBox>(w[1], "drop-down list").choose(w[2]);
        } else if (cmd == "lookup") {
            need(2);
            controlAs<LookupBox>(w[1], "lookup box").choose(w[2]);
        } else if (cmd == "date") {
            need(2);
            auto d = DateTime::parse(w[2]);
            if (!d) fail("not a date: " + w[2]);
            controlAs<DatePicker>(w[1], "date picker").chooseDate(*d);
        } else if (cmd == "row") {
            need(2);
            controlAs<Grid>(w[1], "grid").chooseRow(number(w[2]) - 1);
        } else if (cmd == "find") {
            need(3);
            if (!controlAs<Grid>(w[1], "grid").findRow(w[2], w[3])) fail("no row shows " + w[3] + " in " + w[2]);
        } else if (cmd == "select") {
            if (w.size() < 3) fail("expected a grid and row numbers");
            std::vector<int> rows;
            for (size_t i = 2; i < w.size(); ++i) rows.push_back(number(w[i]) - 1);
            controlAs<Grid>(w[1], "grid").selectRows(rows);
        } else if (cmd == "dblclick") {
            need(1);
            controlAs<Grid>(w[1], "grid").dblClick();
        } else if (cmd == "title") {
            need(2);
            auto& g = controlAs<Grid>(w[1], "grid");
            int c = g.columnByTitle(w[2]);
            if (c < 0) fail("no column titled " + w[2]);
            g.clickTitle(c);
        } else if (cmd == "cellbutton") {
            need(2);
            auto& g = controlAs<Grid>(w[1], "grid");
            int c = g.columnByTitle(w[2]);
            if (c < 0) c = number(w[2]) - 1;
            g.clickCellButton(c);
        } else if (cmd == "answer") {
            need(1);
            if (w[1] == "Да") answers_.push_back(Answer::Yes);
            else if (w[1] == "Нет") answers_.push_back(Answer::No);
            else if (w[1] == "OK") answers_.push_back(Answer::Ok);
            else if (w[1] == "Отмена") answers_.push_back(Answer::Cancel);
            else fail("answer Да, Нет, OK or Отмена");
        } else if (cmd == "print") {
            need(1);
            if (w[1].find('.') == std::string::npos) {
                Form& f = formNamed(w[1]);
                out_ << f.name() << "\t" << f.caption() << "\tshown=" << (f.isShowing() && !f.isHidden()) << "\n";
            } else if (auto* g = dynamic_cast<Grid*>(&controlNamed(w[1]))) {
                out_ << g->printout();
            } else {
                Control& c = controlNamed(w[1]);
                out_ << c.shownText() << "\tenabled=" << (c.isEnabled() ? 1 : 0) << "\tvisible=" << (c.isVisible() ? 1 : 0)
                     << "\n";
            }
            out_.flush();
        } else if (cmd == "close") {
            need(1);
            Form& f = formNamed(w[1]);
            auto& app = Application::instance();
            if (!f.isShowing() || f.isHidden()) fail(f.name() + " is not shown");
            if (app.activeForm() != &f) fail(f.name() + " is not the active window");
            app.dispatch([&f] { f.close(); });
        } else if (cmd == "tick") {
            need(1);
            auto& t = controlAs<Timer>(w[1], "timer");
            if (!t.isTimerEnabled()) fail(w[1] + " is not running");
            t.fire();
        } else {
            fail("unknown command " + cmd);
        }
    } catch (const UiError& e) {
        std::string what = e.what();
        if (what.rfind(file_ + ":", 0) == 0) throw;
        fail(what);
    }
}

} // namespace velt::ui
