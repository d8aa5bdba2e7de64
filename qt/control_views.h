#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ui/control.h"

namespace velt::qt {

// What every control's widget shares: it mirrors the control (enabled, visible, bold,
// colour, width, plus its own state) whenever the control notifies, and forwards what a
// person does to the control's user actions.
class ControlView {
public:
    ControlView(ui::Control& control, QWidget& widget);
    virtual ~ControlView();
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    ui::Control& control() const { return control_; }
    QWidget& widget() const { return widget_; }
    // The widget from the control's present state.
    void sync();
    // The control is being destroyed with its form: stop listening without touching it.
    virtual void detach() { attached_ = false; }

protected:
    virtual void syncOwn() {}
    // Runs a user action, then shows what the toolkit made of it (also when it refused).
    void forward(const std::function<void()>& action);
    bool isAttached() const { return attached_; }

private:
    void syncCommon();
    ui::Control& control_;
    QWidget& widget_;
    int token_ = 0;
    bool attached_ = true;
    bool boldSet_ = false;
    bool colorSet_ = false;
};

// The widget that renders a control (nullptr for controls without one, such as timers).
// Group boxes come without their body; the form view lays it out.
QWidget* createControlWidget(ui::Control& control);
ControlView* controlViewOf(QWidget* widget);

class ButtonView : public QPushButton, public ControlView {
public:
    explicit ButtonView(ui::Button& button);

protected:
    void syncOwn() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    ui::Button& button_;
};

// Labels and data texts: what the control shows.
class LabelView : public QLabel, public ControlView {
public:
    explicit LabelView(ui::Control& control);

protected:
    void syncOwn() override;
};

class EditView : public QLineEdit, public ControlView {
public:
    explicit EditView(ui::Edit& edit);

protected:
    void syncOwn() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // What the key filter makes of typed or pasted text.
    QString filtered(const QString& typed) const;
    ui::Edit& edit_;
};

class CheckBoxView : public QCheckBox, public ControlView {
public:
    explicit CheckBoxView(ui::CheckBox& box);

protected:
    void syncOwn() override;
    // The toolkit decides the state; Qt only reports the click.
    void nextCheckState() override;

private:
    ui::CheckBox& box_;
};

class RadioButtonView : public QRadioButton, public ControlView {
public:
    explicit RadioButtonView(ui::RadioButton& radio);

protected:
    void syncOwn() override;
    void nextCheckState() override;

private:
    ui::RadioButton& radio_;
};

class ComboBoxView : public QComboBox, public ControlView {
public:
    explicit ComboBoxView(ui::ComboBox& combo);

protected:
    void syncOwn() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    ui::ComboBox& combo_;
    std::vector<std::string> items_;
};

class DatePickerView : public QDateEdit, public ControlView {
public:
    explicit DatePickerView(ui::DatePicker& picker);

protected:
    void syncOwn() override;

private:
    ui::DatePicker& picker_;
    bool syncing_ = false;
};

class LookupBoxView : public QComboBox, public ControlView {
public:
    explicit LookupBoxView(ui::LookupBox& lookup);

protected:
    void syncOwn() override;
    void keyPressEvent(QKeyEvent* event) override;
    // The wheel steps the key as Up and Down do, also without the focus.
    void wheelEvent(QWheelEvent* event) override;

private:
    ui::LookupBox& lookup_;
    std::vector<std::pair<std::string, std::string>> entries_;
    int wheelRest_ = 0;
};

class GroupBoxView : public QGroupBox, public ControlView {
public:
    explicit GroupBoxView(ui::GroupBox& group);

protected:
    void syncOwn() override;
};

class ImageView : public QLabel, public ControlView {
public:
    explicit ImageView(ui::Image& image);

protected:
    void syncOwn() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    ui::Image& image_;
};

// Width in pixels of `chars` average characters of a widget's font, with room for its frame.
int charsToPixels(const QWidget& widget, int chars);

} // namespace velt::qt
