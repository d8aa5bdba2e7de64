#include "ui/control.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/form.h"

namespace velt::ui {

namespace {

// Splits UTF-8 text into characters.
std::vector<std::string> characters(const std::string& s) {
    std::vector<std::string> out;
    for (size_t i = 0; i < s.size();) {
        unsigned char c = s[i];
        size_t n = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : 4;
        out.push_back(s.substr(i, n));
        i += n;
    }
    return out;
}

void eraseLastCharacter(std::string& s) {
    if (s.empty()) return;
    size_t i = s.size() - 1;
    while (i > 0 && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) --i;
    s.erase(i);
}

} // namespace

// ---- Control ----

Control::Control(Form& form, std::string name, ControlKind kind) : form_(form), name_(std::move(name)), kind_(kind) {}
Control::~Control() = default;

void Control::setEnabled(bool on) {
    if (enabled_ == on) return;
    enabled_ = on;
    changed();
}

void Control::setVisible(bool on) {
    if (visible_ == on) return;
    visible_ = on;
    changed();
}

bool Control::isUsable() const {
    for (const Control* c = this; c; c = c->parent_)
        if (!c->enabled_ || !c->visible_) return false;
    return true;
}

void Control::setCaption(std::string caption) {
    if (caption_ == caption) return;
    caption_ = std::move(caption);
    changed();
}

void Control::setBold(bool on) {
    if (bold_ == on) return;
    bold_ = on;
    changed();
}

void Control::setColor(std::optional<Color> color) {
    if (color_ == color) return;
    color_ = color;
    changed();
}

void Control::setWidth(int chars) {
    width_ = chars;
    changed();
}

void Control::setFocus() { form_.setFocused(this); }

int Control::subscribe(std::function<void()> listener) {
    listeners_.emplace_back(nextListener_, std::move(listener));
    return nextListener_++;
}

void Control::unsubscribe(int token) {
    std::erase_if(listeners_, [token](auto& l) { return l.first == token; });
}

void Control::changed() {
    if (listeners_.empty()) return;
    auto copy = listeners_;
    for (auto& [t, l] : copy) l();
}

void Control::userAction(const std::string& what, const std::function<void()>& action) {
    std::string who = form_.name() + "." + name_;
    if (!isUsable()) {
        bool hidden = false;
        for (const Control* c = this; c; c = c->parentGroup()) hidden = hidden || !c->isVisible();
        throw UiError(who + " is " + (hidden ? "hidden" : "disabled") + ": cannot " + what);
    }
    auto& app = Application::instance();
    if (!form_.isShowing() || form_.isHidden()) throw UiError(form_.name() + " is not shown: cannot " + what + " " + who);
    if (app.activeForm() && app.activeForm() != &form_)
        throw UiError(form_.name() + " is not the active window (" + app.activeForm()->name() + " is): cannot " + what +
                      " " + who);
    form_.setFocused(this);
    app.dispatch(action);
}

void Control::pressKey(Key key) {
    userAction(std::string("press ") + keyName(key), [this, key] {
        // Enter and Escape go to the form's default and cancel buttons before the control.
        Button* dialogButton = key == Key::Enter ? form_.defaultButton : key == Key::Escape ? form_.cancelButton : nullptr;
        if (dialogButton && dialogButton->isUsable()) {
            if (dialogButton->onClick) dialogButton->onClick();
            return;
        }
        Key k = key;
        if (onKeyDown) onKeyDown(k);
        if (k != Key::None) defaultKey(k);
        // Editing keys also arrive as characters, which a consumed key-down does not stop.
        if (key == Key::Backspace)
            if (auto* edit = dynamic_cast<Edit*>(this); edit && !edit->isReadOnly()) {
                std::string t = edit->text();
                eraseLastCharacter(t);
                edit->setText(t);
                if (edit->onChange) edit->onChange();
            }
    });
}

// ---- Button, Label ----

Button::Button(Form& form, std::string name, std::string caption) : Control(form, std::move(name), ControlKind::Button) {
    setCaption(std::move(caption));
}

void Button::click() {
    userAction("click", [this] {
        if (onClick) onClick();
    });
}

Label::Label(Form& form, std::string name, std::string caption) : Control(form, std::move(name), ControlKind::Label) {
    setCaption(std::move(caption));
}

// ---- Edit ----

Edit::Edit(Form& form, std::string name) : Control(form, std::move(name), ControlKind::Edit) {}

void Edit::setText(std::string text) {
    if (text_ == text) return;
    text_ = std::move(text);
    changed();
}

void Edit::setReadOnly(bool on) {
    readOnly_ = on;
    changed();
}

void Edit::setPassword(bool on) {
    password_ = on;
    changed();
}

std::string Edit::filterChar(const std::string& ch) const {
    bool digit = ch.size() == 1 && ch[0] >= '0' && ch[0] <= '9';
    switch (filter_) {
    case KeyFilter::Any: return ch;
    case KeyFilter::Digits: return digit ? ch : std::string();
    case KeyFilter::Decimal: return digit || ch == "," || ch == "." ? ch : std::string();
    case KeyFilter::DecimalComma: return digit || ch == "," ? ch : ch == "." ? std::string(",") : std::string();
    }
    return ch;
}

void Edit::typeText(const std::string& utf8) {
    userAction("type into", [this, utf8] {
        if (readOnly_) return;
        for (auto& ch : characters(utf8)) {
            std::string c = filterChar(ch);
            if (c.empty()) continue;
            setText(text_ + c);
            if (onChange) onChange();
        }
    });
}

void Edit::replaceText(const std::string& utf8) {
    userAction("type into", [this, utf8] {
        if (readOnly_) return;
        if (!text_.empty()) {
            setText({});
            if (onChange) onChange();
        }
        for (auto& ch : characters(utf8)) {
            std::string c = filterChar(ch);
            if (c.empty()) continue;
            setText(text_ + c);
            if (onChange) onChange();
        }
    });
}

void Edit::setTextByUser(const std::string& utf8) {
    userAction("edit", [this, utf8] {
        if (readOnly_ || utf8 == text_) return;
        setText(utf8);
        if (onChange) onChange();
    });
}

std::string Edit::shownText() const { return password_ ? std::string(characters(text_).size(), '*') : text_; }

void Edit::defaultKey(Key) {}

// ---- CheckBox, RadioButton ----

CheckBox::CheckBox(Form& form, std::string name, std::string caption)
    : Control(form, std::move(name), ControlKind::CheckBox) {
    setCaption(std::move(caption));
}

void CheckBox::setChecked(bool on) {
    if (checked_ == on) return;
    checked_ = on;
    changed();
}

void CheckBox::toggle() {
    userAction("tick", [this] {
        setChecked(!checked_);
        if (onClick) onClick();
    });
}

void CheckBox::setCheckedByUser(bool on) {
    if (checked_ != on) toggle();
    else userAction("tick", [] {});
}

std::string CheckBox::shownText() const { return caption() + (checked_ ? " [x]" : " [ ]"); }

RadioButton::RadioButton(Form& form, std::string name, std::string caption, std::string group)
    : Control(form, std::move(name), ControlKind::RadioButton), group_(std::move(group)) {
    setCaption(std::move(caption));
}

void RadioButton::setChecked(bool on) {
    if (checked_ == on) return;
    checked_ = on;
    if (on)
        for (auto& c : form().controls())
            if (auto* r = dynamic_cast<RadioButton*>(c.get()); r && r != this && r->group_ == group_ && r->checked_) {
                r->checked_ = false;
                r->changed();
            }
    changed();
}

void RadioButton::select() {
    userAction("select", [this] {
        if (checked_) return;
        setChecked(true);
        if (onClick) onClick();
    });
}

std::string RadioButton::shownText() const { return caption() + (checked_ ? " (*)" : " ( )"); }

// ---- ComboBox ----

ComboBox::ComboBox(Form& form, std::string name) : Control(form, std::move(name), ControlKind::ComboBox) {}

void ComboBox::setItems(std::vector<std::string> items) {
    items_ = std::move(items);
    if (sorted_) std::sort(items_.begin(), items_.end());
    index_ = -1;
    changed();
}

void ComboBox::addItem(std::string item) {
    items_.push_back(std::move(item));
    if (sorted_) std::sort(items_.begin(), items_.end());
    changed();
}

void ComboBox::setSorted(bool on) {
    sorted_ = on;
    if (on) std::sort(items_.begin(), items_.end());
    changed();
}

void ComboBox::setItemIndex(int index) {
    if (index < -1 || index >= int(items_.size())) index = -1;
    if (index_ == index) return;
    index_ = index;
    changed();
}

std::string ComboBox::text() const { return index_ >= 0 ? items_[index_] : std::string(); }

int ComboBox::indexOf(const std::string& text) const {
    auto it = std::find(items_.begin(), items_.end(), text);
    return it == items_.end() ? -1 : int(it - items_.begin());
}

void ComboBox::choose(const std::string& text) {
    int i = indexOf(text);
    if (i < 0) throw UiError(form().name() + "." + name() + " has no item \"" + text + "\"");
    chooseIndex(i);
}

void ComboBox::chooseIndex(int index) {
    userAction("choose in", [this, index] {
        setItemIndex(index);
        if (onChange) onChange();
    });
}

void ComboBox::defaultKey(Key key) {
    if (key != Key::Up && key != Key::Down) return;
    int i = std::clamp(index_ + (key == Key::Down ? 1 : -1), 0, int(items_.size()) - 1);
    if (i == index_ || items_.empty()) return;
    setItemIndex(i);
    if (onChange) onChange();
}

// ---- DatePicker ----

DatePicker::DatePicker(Form& form, std::string name) : Control(form, std::move(name), ControlKind::DatePicker) {}

void DatePicker::setDate(const DateTime& date) {
    DateTime d = date;
    d.hour = d.minute = d.second = 0;
    if (d == date_) return;
    date_ = d;
    changed();
}

void DatePicker::chooseDate(const DateTime& date) {
    userAction("set the date of", [this, date] {
        DateTime before = date_;
        setDate(date);
        if (!(before == date_) && onChange) onChange();
    });
}

// ---- LookupBox ----

LookupBox::LookupBox(Form& form, std::string name) : Control(form, std::move(name), ControlKind::LookupBox) {}

LookupBox::~LookupBox() {
    if (list_) list_->unsubscribe(listToken_);
}

void LookupBox::setList(Dataset* dataset, std::string keyField, std::string listField) {
    if (list_) list_->unsubscribe(listToken_);
    list_ = dataset;
    keyField_ = std::move(keyField);
    listField_ = std::move(listField);
    if (list_)
        listToken_ = list_->subscribe([this](Dataset::Change c) {
            if (c == Dataset::Change::Destroyed) list_ = nullptr;
            if (c != Dataset::Change::Moved) changed();
        });
    changed();
}

void LookupBox::setKeyValue(std::string key) {
    if (key_ == key) return;
    key_ = std::move(key);
    changed();
}

long long LookupBox::keyAsInteger() const {
    if (key_.empty()) return 0;
    auto n = parseNumber(key_);
    return n ? (long long)*n : 0;
}

std::string LookupBox::listedKeyOrZero() const {
    if (key_.empty()) return "0";
    for (auto& [k, t] : entries())
        if (k == key_) return std::to_string(keyAsInteger());
    return "0";
}

std::vector<std::pair<std::string, std::string>> LookupBox::entries() const {
    std::vector<std::pair<std::string, std::string>> out;
    if (!list_ || !list_->isActive()) return out;
    int k = list_->fieldIndex(keyField_), l = list_->fieldIndex(listField_);
    if (k < 0 || l < 0) return out;
    for (int r = 0; r < list_->recordCount(); ++r) out.emplace_back(list_->textAt(r, k), list_->textAt(r, l));
    return out;
}

std::string LookupBox::text() const {
    if (key_.empty()) return {};
    for (auto& [k, t] : entries())
        if (k == key_) return t;
    return {};
}

void LookupBox::choose(const std::string& text) {
    for (auto& [k, t] : entries())
        if (t == text) return chooseKey(k);
    throw UiError(form().name() + "." + name() + " has no entry \"" + text + "\"");
}

void LookupBox::chooseKey(const std::string& key) {
    userAction("choose in", [this, key] {
        if (key == key_) return;
        setKeyValue(key);
        if (onChange) onChange();
    });
}

void LookupBox::step(int delta) {
    userAction("scroll", [this, delta] {
        auto e = entries();
        if (e.empty()) return;
        int at = -1;
        for (int i = 0; i < int(e.size()); ++i)
            if (e[i].first == key_) at = i;
        int next = at < 0 ? (delta > 0 ? 0 : int(e.size()) - 1) : std::clamp(at + delta, 0, int(e.size()) - 1);
        if (next == at) return;
        setKeyValue(e[next].first);
        if (onChange) onChange();
    });
}

void LookupBox::defaultKey(Key key) {
    if (key != Key::Up && key != Key::Down) return;
    auto e = entries();
    if (e.empty()) return;
    int at = -1;
    for (int i = 0; i < int(e.size()); ++i)
        if (e[i].first == key_) at = i;
    int next = at < 0 ? 0 : std::clamp(at + (key == Key::Down ? 1 : -1), 0, int(e.size()) - 1);
    if (next == at) return;
    setKeyValue(e[next].first);
    if (onChange) onChange();
}

// ---- DbText, GroupBox, Image ----

DbText::DbText(Form& form, std::string name) : Control(form, std::move(name), ControlKind::DbText) {}

DbText::~DbText() {
    if (source_) source_->unsubscribe(token_);
}

void DbText::setSource(Dataset* dataset, std::string field) {
    if (source_) source_->unsubscribe(token_);
    source_ = dataset;
    field_ = std::move(field);
    if (source_)
        token_ = source_->subscribe([this](Dataset::Change c) {
            if (c == Dataset::Change::Destroyed) source_ = nullptr;
            changed();
        });
    changed();
}

std::string DbText::shownText() const {
    if (!source_ || !source_->isActive() || !source_->hasField(field_)) return {};
    return source_->field(field_).asString();
}

GroupBox::GroupBox(Form& form, std::string name, std::string caption)
    : Control(form, std::move(name), ControlKind::GroupBox) {
    setCaption(std::move(caption));
}

Image::Image(Form& form, std::string name, std::string picture)
    : Control(form, std::move(name), ControlKind::Image), picture_(std::move(picture)) {}

// ---- Timer ----

Timer::Timer(Form& form, std::string name, int intervalMs, bool enabled)
    : Control(form, std::move(name), ControlKind::Timer), interval_(intervalMs) {
    setEnabled(enabled);
    Application::instance().registerTimer(*this);
}

Timer::~Timer() { Application::instance().unregisterTimer(*this); }

void Timer::setInterval(int ms) {
    interval_ = ms;
    if (Application::instance().hasDriver()) Application::instance().driver().timerChanged(*this);
}

void Timer::setTimerEnabled(bool on) {
    setEnabled(on);
    if (Application::instance().hasDriver()) Application::instance().driver().timerChanged(*this);
}

void Timer::fire() {
    if (!isEnabled()) return;
    Application::instance().dispatch([this] {
        if (onTimer) onTimer();
    });
}

} // namespace velt::ui
