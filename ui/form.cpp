#include "ui/form.h"

#include <algorithm>

#include "ui/application.h"

namespace velt::ui {

Form::Form(std::string name, std::string caption) : name_(std::move(name)), caption_(std::move(caption)) {
    Application::instance().registerForm(*this);
}

Form::~Form() {
    controls_.clear();
    Application::instance().unregisterForm(*this);
}

void Form::setCaption(std::string caption) {
    if (caption_ == caption) return;
    caption_ = std::move(caption);
    changed();
}

void Form::showModal() { Application::instance().showModal(*this); }
void Form::close() { Application::instance().closeForm(*this); }

void Form::setHidden(bool on) {
    if (hidden_ == on) return;
    hidden_ = on;
    changed();
}

Control* Form::findControl(const std::string& key) const {
    bool quoted = key.size() >= 2 && key.front() == '"' && key.back() == '"';
    std::string caption = quoted ? key.substr(1, key.size() - 2) : std::string();
    for (auto& c : controls_)
        if (quoted ? c->caption() == caption : c->name() == key) return c.get();
    return nullptr;
}

MainMenu& Form::mainMenu() {
    if (!menu) menu = std::make_unique<MainMenu>(*this);
    return *menu;
}

void Form::setFocused(Control* control) {
    if (focus_ == control) return;
    focus_ = control;
    changed();
}

int Form::subscribe(std::function<void()> listener) {
    listeners_.emplace_back(nextListener_, std::move(listener));
    return nextListener_++;
}

void Form::unsubscribe(int token) {
    std::erase_if(listeners_, [token](auto& l) { return l.first == token; });
}

void Form::changed() {
    auto copy = listeners_;
    for (auto& [t, l] : copy) l();
}

} // namespace velt::ui
