#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/grid.h"
#include "ui/layout.h"
#include "ui/menu.h"

namespace velt::ui {

// A window: created once, shown modally as often as needed. `Tag` carries the mode its
// opener sets.
class Form {
public:
    Form(std::string name, std::string caption);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    int Tag = 0;

    // Shows the form modally and returns when it has closed.
    void showModal();
    // Closes it as its own code or its close box does.
    void close();
    bool isShowing() const { return showing_; }
    // Hides it while it stays in its modal loop (the login window behind the main window).
    bool isHidden() const { return hidden_; }
    void setHidden(bool on);

    // Fired when the form is shown and when it closes.
    virtual void FormActivate() {}
    virtual void FormClose() {}

    template <class T, class... Args> T& add(Args&&... args) {
        auto c = std::make_unique<T>(*this, std::forward<Args>(args)...);
        T& ref = *c;
        controls_.push_back(std::move(c));
        return ref;
    }
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    // By name, or by caption when written in double quotes. Nullptr when absent.
    Control* findControl(const std::string& nameOrQuotedCaption) const;

    Layout layout;
    std::unique_ptr<MainMenu> menu;
    MainMenu& mainMenu();

    // Enter clicks the default button, Escape the cancel button.
    Button* defaultButton = nullptr;
    Button* cancelButton = nullptr;
    bool centered = true;
    std::string icon = "Icon_1";
    // The control that has the focus.
    Control* focused() const { return focus_; }
    void setFocused(Control* control);

    int subscribe(std::function<void()> listener);
    void unsubscribe(int token);
    void changed();

private:
    friend class Application;
    std::string name_;
    std::string caption_;
    bool showing_ = false;
    bool hidden_ = false;
    Control* focus_ = nullptr;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<std::pair<int, std::function<void()>>> listeners_;
    int nextListener_ = 1;
};

} // namespace velt::ui
