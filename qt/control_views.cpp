#include "qt/control_views.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QWheelEvent>

#include "qt/colors.h"
#include "qt/grid_view.h"
#include "qt/pictures.h"
#include "qt/user_action.h"

namespace velt::qt {

namespace {

// Up/Down go to the toolkit unless a modifier asks Qt for something else (Alt+Down opens a list).
std::optional<ui::Key> arrowKey(const QKeyEvent* e) {
    if (e->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::ShiftModifier)) return std::nullopt;
    if (e->key() == Qt::Key_Up) return ui::Key::Up;
    if (e->key() == Qt::Key_Down) return ui::Key::Down;
    return std::nullopt;
}

bool isEnterKey(const QKeyEvent* e) { return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter; }

QString qs(const std::string& s) { return QString::fromStdString(s); }

} // namespace

int charsToPixels(const QWidget& widget, int chars) { return widget.fontMetrics().averageCharWidth() * chars + 12; }

// ---- ControlView ----

ControlView::ControlView(ui::Control& control, QWidget& widget) : control_(control), widget_(widget) {
    token_ = control_.subscribe([this] { sync(); });
}

ControlView::~ControlView() {
    if (attached_) control_.unsubscribe(token_);
}

void ControlView::sync() {
    if (!attached_) return;
    syncCommon();
    syncOwn();
}

void ControlView::forward(const std::function<void()>& action) {
    runUserAction(action);
    sync();
}

void ControlView::syncCommon() {
    QWidget& w = widget_;
    w.setEnabled(control_.isEnabled());
    w.setVisible(control_.isVisible());
    if (control_.isBold()) {
        QFont f;
        f.setBold(true);
        w.setFont(f);
        boldSet_ = true;
    } else if (boldSet_) {
        w.setFont(QFont());
        boldSet_ = false;
    }
    if (auto c = control_.color()) {
        QPalette p;
        QColor bg = toQColor(*c), fg = textOn(bg);
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) p.setColor(role, bg);
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) p.setColor(role, fg);
        w.setPalette(p);
        w.setAutoFillBackground(true);
        colorSet_ = true;
    } else if (colorSet_) {
        w.setPalette(QPalette());
        w.setAutoFillBackground(false);
        colorSet_ = false;
    }
    // Grids and pictures size themselves from the width.
    if (control_.kind() != ui::ControlKind::Grid && control_.kind() != ui::ControlKind::Image)
        w.setMinimumWidth(control_.width() > 0 ? charsToPixels(w, control_.width()) : 0);
}

QWidget* createControlWidget(ui::Control& control) {
    switch (control.kind()) {
    case ui::ControlKind::Button: return new ButtonView(static_cast<ui::Button&>(control));
    case ui::ControlKind::Label:
    case ui::ControlKind::DbText: return new LabelView(control);
    case ui::ControlKind::Edit: return new EditView(static_cast<ui::Edit&>(control));
    case ui::ControlKind::CheckBox: return new CheckBoxView(static_cast<ui::CheckBox&>(control));
    case ui::ControlKind::RadioButton: return new RadioButtonView(static_cast<ui::RadioButton&>(control));
    case ui::ControlKind::ComboBox: return new ComboBoxView(static_cast<ui::ComboBox&>(control));
    case ui::ControlKind::DatePicker: return new DatePickerView(static_cast<ui::DatePicker&>(control));
    case ui::ControlKind::LookupBox: return new LookupBoxView(static_cast<ui::LookupBox&>(control));
    case ui::ControlKind::GroupBox: return new GroupBoxView(static_cast<ui::GroupBox&>(control));
    case ui::ControlKind::Grid: return new GridView(static_cast<ui::Grid&>(control));
    case ui::ControlKind::Image: return new ImageView(static_cast<ui::Image&>(control));
    case ui::ControlKind::Timer: break;
    }
    return nullptr;
}

ControlView* controlViewOf(QWidget* widget) { return dynamic_cast<ControlView*>(widget); }

// ---- Button, Label ----

ButtonView::ButtonView(ui::Button& button) : ControlView(button, *this), button_(button) {
    // The dialog routes Enter to the toolkit, which knows the default button.
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { forward([this] { button_.click(); }); });
}

void ButtonView::syncOwn() { setText(qs(button_.caption())); }

void ButtonView::keyPressEvent(QKeyEvent* event) {
    if (isEnterKey(event)) return event->ignore();
    QPushButton::keyPressEvent(event);
}

LabelView::LabelView(ui::Control& control) : ControlView(control, *this) { setTextFormat(Qt::PlainText); }

void LabelView::syncOwn() { setText(qs(control().shownText())); }

// ---- Edit ----

EditView::EditView(ui::Edit& edit) : ControlView(edit, *this), edit_(edit) {
    connect(this, &QLineEdit::textEdited, this,
            [this](const QString& text) { forward([this, t = text.toStdString()] { edit_.setTextByUser(t); }); });
}

void EditView::syncOwn() {
    setEchoMode(edit_.isPassword() ? QLineEdit::Password : QLineEdit::Normal);
    setReadOnly(edit_.isReadOnly());
    // A context-menu paste would pass the key filter by.
    setContextMenuPolicy(edit_.keyFilter() == ui::KeyFilter::Any ? Qt::DefaultContextMenu : Qt::NoContextMenu);
    QString t = qs(edit_.text());
    if (text() != t) {
        int pos = cursorPosition();
        bool atEnd = pos == int(text().size());
        setText(t);
        setCursorPosition(atEnd ? int(t.size()) : std::min(pos, int(t.size())));
    }
}

QString EditView::filtered(const QString& typed) const {
    QString out;
    for (char32_t cp : typed.toUcs4()) out += qs(edit_.filterChar(QString::fromUcs4(&cp, 1).toStdString()));
    return out;
}

void EditView::keyPressEvent(QKeyEvent* event) {
    std::optional<ui::Key> key = arrowKey(event);
    if (!key && isEnterKey(event)) key = ui::Key::Enter;
    if (!key && event->key() == Qt::Key_Escape) key = ui::Key::Escape;
    if (key) {
        // The toolkit runs the key-down handler and the form's default and cancel buttons.
        forward([this, k = *key] { edit_.pressKey(k); });
        return event->accept();
    }
    if (event->matches(QKeySequence::Paste)) {
        QString text = filtered(QApplication::clipboard()->text());
        if (!isReadOnly() && !text.isEmpty()) insert(text);  // emits textEdited, which reaches the toolkit
        return event->accept();
    }
    QString typed = event->text();
    bool printable = !typed.isEmpty() && typed.at(0).isPrint() &&
                     !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (printable && !isReadOnly()) {
        QString text = filtered(typed);
        if (text.isEmpty()) return event->accept();  // the filter drops the key
        if (text != typed) {
            insert(text);
            return event->accept();
        }
    }
    QLineEdit::keyPressEvent(event);
}

// ---- CheckBox, RadioButton ----

CheckBoxView::CheckBoxView(ui::CheckBox& box) : ControlView(box, *this), box_(box) {}

void CheckBoxView::syncOwn() {
    setText(qs(box_.caption()));
    setChecked(box_.isChecked());
}

void CheckBoxView::nextCheckState() {
    forward([this] { box_.toggle(); });
}

RadioButtonView::RadioButtonView(ui::RadioButton& radio) : ControlView(radio, *this), radio_(radio) {
    // The toolkit unchecks the others of the group.
    setAutoExclusive(false);
}

void RadioButtonView::syncOwn() {
    setText(qs(radio_.caption()));
    setChecked(radio_.isChecked());
}

void RadioButtonView::nextCheckState() {
    forward([this] { radio_.select(); });
}

// ---- ComboBox ----

ComboBoxView::ComboBoxView(ui::ComboBox& combo) : ControlView(combo, *this), combo_(combo) {
    setEditable(false);
    connect(this, &QComboBox::activated, this, [this](int index) { forward([this, index] { combo_.chooseIndex(index); }); });
}

void ComboBoxView::syncOwn() {
    QSignalBlocker quiet(this);
    if (items_ != combo_.items()) {
        items_ = combo_.items();
        clear();
        for (auto& item : items_) addItem(qs(item));
    }
    if (currentIndex() != combo_.itemIndex()) setCurrentIndex(combo_.itemIndex());
}

void ComboBoxView::keyPressEvent(QKeyEvent* event) {
    if (auto key = arrowKey(event)) {
        forward([this, k = *key] { combo_.pressKey(k); });
        return event->accept();
    }
    QComboBox::keyPressEvent(event);
}

// ---- DatePicker ----

DatePickerView::DatePickerView(ui::DatePicker& picker) : ControlView(picker, *this), picker_(picker) {
    setCalendarPopup(true);
    setDisplayFormat("dd.MM.yyyy");
    connect(this, &QDateEdit::dateChanged, this, [this](QDate d) {
        if (syncing_ || !d.isValid()) return;
        forward([this, d] { picker_.chooseDate(DateTime::fromYmd(d.year(), d.month(), d.day())); });
    });
}

void DatePickerView::syncOwn() {
    const DateTime& d = picker_.date();
    if (!d.isValid()) return;
    QDate shown(d.year, d.month, d.day);
    if (date() == shown) return;
    syncing_ = true;
    setDate(shown);
    syncing_ = false;
}

// ---- LookupBox ----

LookupBoxView::LookupBoxView(ui::LookupBox& lookup) : ControlView(lookup, *this), lookup_(lookup) {
    setEditable(false);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (index < 0 || index >= int(entries_.size())) return;
        forward([this, key = entries_[index].first] { lookup_.chooseKey(key); });
    });
}

void LookupBoxView::syncOwn() {
    QSignalBlocker quiet(this);
    auto now = lookup_.entries();
    if (now != entries_) {
        entries_ = std::move(now);
        clear();
        for (auto& [key, text] : entries_) addItem(qs(text));
    }
    int at = -1;
    for (int i = 0; i < int(entries_.size()); ++i)
        if (entries_[i].first == lookup_.keyValue()) {
            at = i;
            break;
        }
    if (currentIndex() != at) setCurrentIndex(at);
}

void LookupBoxView::keyPressEvent(QKeyEvent* event) {
    if (auto key = arrowKey(event)) {
        forward([this, k = *key] { lookup_.pressKey(k); });
        return event->accept();
    }
    QComboBox::keyPressEvent(event);
}

void LookupBoxView::wheelEvent(QWheelEvent* event) {
    // Fine-grained wheels send small steps; one notch is 120.
    wheelRest_ += event->angleDelta().y();
    while (wheelRest_ >= 120) {
        wheelRest_ -= 120;
        forward([this] { lookup_.step(-1); });
    }
    while (wheelRest_ <= -120) {
        wheelRest_ += 120;
        forward([this] { lookup_.step(+1); });
    }
    event->accept();
}

// ---- GroupBox, Image ----

GroupBoxView::GroupBoxView(ui::GroupBox& group) : ControlView(group, *this) {}

void GroupBoxView::syncOwn() { setTitle(qs(control().caption())); }

ImageView::ImageView(ui::Image& image) : ControlView(image, *this), image_(image) {
    setAlignment(Qt::AlignCenter);
}

void ImageView::syncOwn() {
    int w = image_.width() > 0 ? charsToPixels(*this, image_.width()) : 720;
    QSize size(w, w * 5 / 8);
    if (this->size() != size || pixmap().isNull()) {
        setFixedSize(size);
        setPixmap(qt::picture(image_.picture(), size));
    }
}

void ImageView::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    // Drawn at the size shown rather than scaled, so it stays crisp.
    if (!event->size().isEmpty() && pixmap().size() != event->size()) setPixmap(qt::picture(image_.picture(), event->size()));
}

} // namespace velt::qt
