#include "ui/application.h"

#include <algorithm>

#include "data/connection.h"
#include "data/db_error.h"
#include "ui/control.h"
#include "ui/form.h"

namespace velt::ui {

Application& Application::instance() {
    static Application app;
    return app;
}

Driver& Application::driver() const {
    if (!driver_) throw UiError("no driver: nothing can be shown");
    return *driver_;
}

void Application::dispatch(const std::function<void()>& handler) {
    if (terminated_) return;
    bool began = false;
    if (connection_ && connection_->isConnected() && !connection_->inTransaction()) {
        connection_->begin();
        began = true;
    }
    ++depth_;
    try {
        handler();
        --depth_;
        if (connection_ && connection_->inTransaction() && (began || depth_ == 0)) connection_->commit();
    } catch (const UiError&) {
        --depth_;
        if (connection_ && (began || depth_ == 0)) connection_->rollback();
        throw;
    } catch (const std::exception& e) {
        --depth_;
        if (connection_ && (began || depth_ == 0)) connection_->rollback();
        showError(e.what());
    }
}

void Application::suspend() {
    if (connection_ && connection_->inTransaction()) connection_->commit();
}

void Application::resume() {
    if (depth_ > 0 && connection_ && connection_->isConnected() && !connection_->inTransaction() && !terminated_)
        connection_->begin();
}

Answer Application::message(const std::string& text, const std::string& caption, Icon icon, Buttons buttons) {
    suspend();
    Answer a = driver().message(text, caption, icon, buttons);
    resume();
    return a;
}

void Application::showError(const std::string& text) {
    // The server's first line is its message; the rest (statement position) helps nobody at the counter.
    std::string shown = text;
    if (shown.rfind("ERROR:  ", 0) == 0) shown = shown.substr(8);
    auto nl = shown.find("\nLINE ");
    if (nl != std::string::npos) shown = shown.substr(0, nl);
    driver().message(shown, "Ошибка", Icon::Stop, Buttons::Ok);
}

void Application::showModal(Form& form) {
    if (terminated_ || form.showing_) return;
    suspend();
    stack_.push_back(&form);
    form.showing_ = true;
    form.hidden_ = false;
    form.changed();
    auto leave = [&] {
        form.showing_ = false;
        std::erase(stack_, &form);
        form.changed();
    };
    try {
        dispatch([&form] { form.FormActivate(); });
        if (form.showing_ && !terminated_) driver().runModal(form);
    } catch (...) {
        leave();
        throw;
    }
    leave();
    resume();
}

void Application::closeForm(Form& form) {
    if (!form.showing_) return;
    form.FormClose();
    form.showing_ = false;
    form.changed();
}

void Application::setBusy(bool busy) {
    if (driver_) driver_->setBusy(busy);
}

void Application::terminate() {
    if (terminated_) return;
    terminated_ = true;
    if (connection_) connection_->rollback();
    for (Form* f : std::vector<Form*>(stack_)) {
        f->showing_ = false;
        f->changed();
    }
    if (driver_) driver_->terminate();
}

std::vector<std::string> Application::styleNames() const {
    auto names = driver_ ? driver_->styleNames() : std::vector<std::string>{"Windows"};
    std::sort(names.begin(), names.end());
    return names;
}

bool Application::applyStyle(const std::string& name) {
    auto names = styleNames();
    if (std::find(names.begin(), names.end(), name) == names.end()) {
        if (driver_) driver_->message("Стиль \"" + name + "\" не найден", "Ошибка", Icon::Stop, Buttons::Ok);
        return false;
    }
    style_ = name;
    if (driver_) driver_->applyStyle(name);
    return true;
}

void Application::registerForm(Form& form) { forms_.push_back(&form); }
void Application::unregisterForm(Form& form) {
    if (driver_) driver_->formDestroyed(form);
    std::erase(forms_, &form);
    std::erase(stack_, &form);
}

Form* Application::findForm(const std::string& name) const {
    for (Form* f : forms_)
        if (f->name() == name) return f;
    return nullptr;
}

void Application::registerTimer(Timer& timer) { timers_.push_back(&timer); }
void Application::unregisterTimer(Timer& timer) { std::erase(timers_, &timer); }

void Application::reset() {
    depth_ = 0;
    terminated_ = false;
    stack_.clear();
    style_.clear();
    connection_ = nullptr;
}

Answer MessageBox(const std::string& text, const std::string& caption, Icon icon, Buttons buttons) {
    return Application::instance().message(text, caption, icon, buttons);
}

} // namespace velt::ui
