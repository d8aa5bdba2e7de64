#include "ui/menu.h"

#include "ui/application.h"
#include "ui/form.h"
#include "ui/types.h"

namespace velt::ui {

MenuItem::MenuItem(Form& form, std::string name, std::string caption)
    : form_(form), name_(std::move(name)), caption_(std::move(caption)) {}

void MenuItem::setEnabled(bool on) {
    if (enabled_ == on) return;
    enabled_ = on;
    changed();
}

void MenuItem::setVisible(bool on) {
    if (visible_ == on) return;
    visible_ = on;
    changed();
}

MenuItem& MenuItem::add(std::string name, std::string caption) {
    items_.push_back(std::make_unique<MenuItem>(form_, std::move(name), std::move(caption)));
    items_.back()->parent_ = this;
    return *items_.back();
}

void MenuItem::click() {
    for (const MenuItem* m = this; m; m = m->parent_) {
        if (!m->visible_) throw UiError("menu " + name_ + " is hidden: cannot choose it");
        if (!m->enabled_) throw UiError("menu " + name_ + " is disabled: cannot choose it");
    }
    auto& app = Application::instance();
    if (!form_.isShowing() || form_.isHidden() || (app.activeForm() && app.activeForm() != &form_))
        throw UiError(form_.name() + " is not the active window: cannot choose menu " + name_);
    app.dispatch([this] {
        if (onClick) onClick();
    });
}

int MenuItem::subscribe(std::function<void()> listener) {
    listeners_.push_back(std::move(listener));
    return int(listeners_.size());
}

void MenuItem::changed() {
    for (auto& l : listeners_) l();
    if (parent_) parent_->changed();
}

MenuItem& MainMenu::add(std::string name, std::string caption) {
    items_.push_back(std::make_unique<MenuItem>(form_, std::move(name), std::move(caption)));
    return *items_.back();
}

namespace {
MenuItem* findIn(const std::vector<std::unique_ptr<MenuItem>>& items, const std::string& key) {
    for (auto& m : items) {
        if (m->name() == key || "\"" + m->caption() + "\"" == key) return m.get();
        if (auto* found = findIn(m->items(), key)) return found;
    }
    return nullptr;
}
} // namespace

MenuItem* MainMenu::find(const std::string& nameOrCaption) const { return findIn(items_, nameOrCaption); }

} // namespace velt::ui
