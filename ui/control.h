#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "data/dataset.h"
#include "data/values.h"
#include "ui/layout.h"
#include "ui/types.h"

namespace velt::ui {

class Form;
class GroupBox;

enum class ControlKind {
    Button, Label, Edit, CheckBox, RadioButton, ComboBox, DatePicker, LookupBox, DbText, GroupBox, Grid, Image, Timer
};

// What every control has. Setters called by window code never run handlers; the user
// actions (click(), typeText(), …) do, through the dispatch point, and refuse to act on a
// control a person could not reach.
class Control {
public:
    Control(Form& form, std::string name, ControlKind kind);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Form& form() const { return form_; }
    const std::string& name() const { return name_; }
    ControlKind kind() const { return kind_; }

    bool isEnabled() const { return enabled_; }
    void setEnabled(bool on);
    bool isVisible() const { return visible_; }
    void setVisible(bool on);
    // Enabled and visible, and so is every group box around it.
    bool isUsable() const;

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    // Font and background where a window asks for them.
    bool isBold() const { return bold_; }
    void setBold(bool on);
    std::optional<Color> color() const { return color_; }
    void setColor(std::optional<Color> color);
    // Preferred width in characters (0: the renderer decides).
    int width() const { return width_; }
    void setWidth(int chars);

    GroupBox* parentGroup() const { return parent_; }
    void setParentGroup(GroupBox* group) { parent_ = group; }

    void setFocus();

    // Keys that reach the control (after the form's default and cancel buttons).
    std::function<void(Key&)> onKeyDown;

    // The state a person sees, for scenario prints: caption or text.
    virtual std::string shownText() const { return caption_; }

    int subscribe(std::function<void()> listener);
    void unsubscribe(int token);

    // Runs a user action: checks the control can be reached, then runs it through the
    // dispatch point.
    void userAction(const std::string& what, const std::function<void()>& action);
    // A key pressed while the control has the focus.
    void pressKey(Key key);

protected:
    void changed();
    // What a key does to the control itself when no handler consumed it.
    virtual void defaultKey(Key) {}

private:
    Form& form_;
    std::string name_;
    ControlKind kind_;
    bool enabled_ = true;
    bool visible_ = true;
    bool bold_ = false;
    std::optional<Color> color_;
    int width_ = 0;
    std::string caption_;
    GroupBox* parent_ = nullptr;
    std::vector<std::pair<int, std::function<void()>>> listeners_;
    int nextListener_ = 1;
};

class Button : public Control {
public:
    Button(Form& form, std::string name, std::string caption);
    std::function<void()> onClick;
    void click();  // as a person clicks it
};

class Label : public Control {
public:
    Label(Form& form, std::string name, std::string caption);
};

class Edit : public Control {
public:
    Edit(Form& form, std::string name);
    const std::string& text() const { return text_; }
    void setText(std::string text);
    bool isReadOnly() const { return readOnly_; }
    void setReadOnly(bool on);
    bool isPassword() const { return password_; }
    void setPassword(bool on);
    KeyFilter keyFilter() const { return filter_; }
    void setKeyFilter(KeyFilter filter) { filter_ = filter; }
    std::function<void()> onChange;

    // As a person types: each character passes the key filter; onChange after each.
    void typeText(const std::string& utf8);
    // Replaces the whole text as typed key by key (select all, then type).
    void replaceText(const std::string& utf8);
    // The text after a person edited it in place (the renderer has applied the key filter).
    void setTextByUser(const std::string& utf8);
    // What the key filter makes of one typed character ("" when it is dropped).
    std::string filterChar(const std::string& ch) const;
    std::string shownText() const override;

protected:
    void defaultKey(Key key) override;

private:
    std::string text_;
    bool readOnly_ = false;
    bool password_ = false;
    KeyFilter filter_ = KeyFilter::Any;
};

class CheckBox : public Control {
public:
    CheckBox(Form& form, std::string name, std::string caption);
    bool isChecked() const { return checked_; }
    void setChecked(bool on);
    std::function<void()> onClick;
    void toggle();                 // as a person clicks it
    void setCheckedByUser(bool on);  // clicks when the state differs
    std::string shownText() const override;

private:
    bool checked_ = false;
};

class RadioButton : public Control {
public:
    // Radio buttons of one form and group exclude each other.
    RadioButton(Form& form, std::string name, std::string caption, std::string group = {});
    bool isChecked() const { return checked_; }
    void setChecked(bool on);  // unchecks the others of the group
    const std::string& group() const { return group_; }
    std::function<void()> onClick;
    void select();  // as a person clicks it; onClick only when it becomes selected
    std::string shownText() const override;

private:
    bool checked_ = false;
    std::string group_;
};

// A fixed drop-down list.
class ComboBox : public Control {
public:
    ComboBox(Form& form, std::string name);
    const std::vector<std::string>& items() const { return items_; }
    void setItems(std::vector<std::string> items);
    void addItem(std::string item);
    bool isSorted() const { return sorted_; }
    void setSorted(bool on);
    int itemIndex() const { return index_; }
    void setItemIndex(int index);  // -1: no item
    std::string text() const;
    int indexOf(const std::string& text) const;
    std::function<void()> onChange;
    void choose(const std::string& text);  // as a person picks it
    void chooseIndex(int index);
    std::string shownText() const override { return text(); }

protected:
    void defaultKey(Key key) override;

private:
    std::vector<std::string> items_;
    bool sorted_ = false;
    int index_ = -1;
};

class DatePicker : public Control {
public:
    DatePicker(Form& form, std::string name);
    const DateTime& date() const { return date_; }
    void setDate(const DateTime& date);
    std::function<void()> onChange;
    void chooseDate(const DateTime& date);  // as a person picks it
    std::string shownText() const override { return date_.toDateText(); }

private:
    DateTime date_ = DateTime::today();
};

// A box that shows the list field of the row of a dataset whose key field holds its value.
class LookupBox : public Control {
public:
    LookupBox(Form& form, std::string name);
    ~LookupBox() override;
    void setList(Dataset* dataset, std::string keyField, std::string listField);
    Dataset* listSource() const { return list_; }
    const std::string& keyField() const { return keyField_; }
    const std::string& listField() const { return listField_; }
    // The key as text ("" for none).
    const std::string& keyValue() const { return key_; }
    void setKeyValue(std::string key);
    void setKeyValue(long long key) { setKeyValue(std::to_string(key)); }
    bool hasKey() const { return !key_.empty(); }
    long long keyAsInteger() const;
    // The key as a whole number when its row is still in the list; "0" otherwise, so that a
    // kept choice whose row was deleted since counts as none.
    std::string listedKeyOrZero() const;
    std::string text() const;  // list text of the chosen row ("" when none matches)
    // Rows of the list, in its order: key and shown text.
    std::vector<std::pair<std::string, std::string>> entries() const;
    std::function<void()> onChange;
    void choose(const std::string& text);   // as a person picks an entry
    void chooseKey(const std::string& key);
    void step(int delta);                   // Up/Down and the wheel
    std::string shownText() const override { return text(); }

protected:
    void defaultKey(Key key) override;

private:
    Dataset* list_ = nullptr;
    std::string keyField_, listField_;
    std::string key_;
    int listToken_ = 0;
};

// A label that shows a field of the current record of a dataset.
class DbText : public Control {
public:
    DbText(Form& form, std::string name);
    ~DbText() override;
    void setSource(Dataset* dataset, std::string field);
    std::string shownText() const override;

private:
    Dataset* source_ = nullptr;
    std::string field_;
    int token_ = 0;
};

class GroupBox : public Control {
public:
    GroupBox(Form& form, std::string name, std::string caption);
    Layout body;
};

// A picture the renderer draws (by name).
class Image : public Control {
public:
    Image(Form& form, std::string name, std::string picture);
    const std::string& picture() const { return picture_; }

private:
    std::string picture_;
};

class Timer : public Control {
public:
    Timer(Form& form, std::string name, int intervalMs, bool enabled);
    ~Timer() override;
    int interval() const { return interval_; }
    void setInterval(int ms);
    void setTimerEnabled(bool on);  // the timer runs while enabled
    bool isTimerEnabled() const { return isEnabled(); }
    std::function<void()> onTimer;
    void fire();  // one tick, through the dispatch point

private:
    int interval_;
};

} // namespace velt::ui
