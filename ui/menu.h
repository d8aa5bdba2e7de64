#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace velt::ui {

class Form;

class MenuItem {
public:
    MenuItem(Form& form, std::string name, std::string caption);
    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    bool isSeparator() const { return caption_ == "-"; }
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool on);
    bool isVisible() const { return visible_; }
    void setVisible(bool on);
    MenuItem* parent() const { return parent_; }
    std::function<void()> onClick;
    MenuItem& add(std::string name, std::string caption);
    const std::vector<std::unique_ptr<MenuItem>>& items() const { return items_; }
    void click();  // as a person chooses it

    int subscribe(std::function<void()> listener);

private:
    void changed();
    Form& form_;
    std::string name_, caption_;
    bool enabled_ = true, visible_ = true;
    MenuItem* parent_ = nullptr;
    std::vector<std::unique_ptr<MenuItem>> items_;
    std::vector<std::function<void()>> listeners_;
};

class MainMenu {
public:
    explicit MainMenu(Form& form) : form_(form) {}
    MenuItem& add(std::string name, std::string caption);
    const std::vector<std::unique_ptr<MenuItem>>& items() const { return items_; }
    MenuItem* find(const std::string& nameOrCaption) const;

private:
    Form& form_;
    std::vector<std::unique_ptr<MenuItem>> items_;
};

} // namespace velt::ui
