#include "qt/form_view.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFormLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "qt/control_views.h"
#include "qt/pictures.h"
#include "qt/user_action.h"
#include "ui/application.h"

namespace velt::qt {

namespace {
QString qs(const std::string& s) { return QString::fromStdString(s); }
} // namespace

FormView::FormView(ui::Form& form, QWidget* parent) : QDialog(parent), form_(form) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowIcon(appIcon());
    setSizeGripEnabled(false);
    build();
    token_ = form_.subscribe([this] { formChanged(); });
    syncAll();
}

FormView::~FormView() {
    if (!isFormAlive(&form_)) detach();
    if (attached_) form_.unsubscribe(token_);
}

void FormView::detach() {
    attached_ = false;
    for (ControlView* v : views_) v->detach();
}

// ---- building ----

void FormView::build() {
    QLayout* root = buildLayout(form_.layout);
    root->setSizeConstraint(QLayout::SetFixedSize);
    if (form_.menu) {
        menuBar_ = new QMenuBar(this);
        root->setMenuBar(menuBar_);
        buildMenu();
    }
    setLayout(root);
    if (form_.defaultButton)
        if (auto* b = qobject_cast<QPushButton*>(widgetFor(*form_.defaultButton))) b->setDefault(true);
}

QWidget* FormView::widgetOf(ui::Control* control) {
    if (!control) return nullptr;
    if (auto it = widgets_.find(control); it != widgets_.end()) return it->second;
    QWidget* w = createControlWidget(*control);
    if (!w) return nullptr;
    // A parent from the start: a parentless widget would show as a window of its own.
    w->setParent(this);
    widgets_[control] = w;
    if (auto* v = controlViewOf(w)) views_.push_back(v);
    w->installEventFilter(this);
    if (control->kind() == ui::ControlKind::GroupBox) {
        auto& group = static_cast<ui::GroupBox&>(*control);
        w->setLayout(buildLayout(group.body));
    }
    return w;
}

QLayout* FormView::buildLayout(const ui::LayoutNode& node) {
    using Kind = ui::LayoutNode::Kind;
    if (node.kind == Kind::Fields) {
        auto* form = new QFormLayout;
        form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
        for (size_t i = 0; i + 1 < node.children.size(); i += 2) {
            QWidget* label = asWidget(node.children[i]);
            const ui::LayoutNode& field = node.children[i + 1];
            if (field.kind == Kind::Control) {
                QWidget* w = widgetOf(field.control);
                if (label && w) form->addRow(label, w);
                else if (label || w) form->addRow(label ? label : w);
            } else if (field.kind == Kind::Row || field.kind == Kind::Column || field.kind == Kind::Fields) {
                QLayout* inner = buildLayout(field);
                if (label) form->addRow(label, inner);
                else form->addRow(inner);
            }
        }
        if (node.children.size() % 2 == 1)
            if (QWidget* w = asWidget(node.children.back())) form->addRow(w);
        return form;
    }
    QBoxLayout* box = node.kind == Kind::Row ? static_cast<QBoxLayout*>(new QHBoxLayout) : new QVBoxLayout;
    if (node.kind == Kind::Row || node.kind == Kind::Column)
        for (auto& child : node.children) addNode(box, child);
    else
        addNode(box, node);
    return box;
}

void FormView::addNode(QBoxLayout* layout, const ui::LayoutNode& node) {
    switch (node.kind) {
    case ui::LayoutNode::Kind::Control:
        if (QWidget* w = widgetOf(node.control)) layout->addWidget(w);
        break;
    case ui::LayoutNode::Kind::Stretch: layout->addStretch(); break;
    default: layout->addLayout(buildLayout(node)); break;
    }
}

QWidget* FormView::asWidget(const ui::LayoutNode& node) {
    if (node.kind == ui::LayoutNode::Kind::Control) return widgetOf(node.control);
    if (node.isEmpty() || node.kind == ui::LayoutNode::Kind::Stretch) return nullptr;
    auto* holder = new QWidget(this);
    QLayout* inner = buildLayout(node);
    inner->setContentsMargins(0, 0, 0, 0);
    holder->setLayout(inner);
    return holder;
}

// ---- menu ----

void FormView::buildMenu() {
    for (auto& top : form_.menu->items()) {
        if (top->isSeparator()) {
            linkAction(menuBar_->addSeparator(), *top, false);
        } else if (top->items().empty()) {
            linkAction(menuBar_->addAction(qs(top->caption())), *top, true);
        } else {
            QMenu* menu = menuBar_->addMenu(qs(top->caption()));
            linkAction(menu->menuAction(), *top, false);
            fillMenu(menu, *top);
        }
    }
}

void FormView::fillMenu(QMenu* menu, const ui::MenuItem& item) {
    for (auto& child : item.items()) {
        if (child->isSeparator()) {
            linkAction(menu->addSeparator(), *child, false);
        } else if (child->items().empty()) {
            linkAction(menu->addAction(qs(child->caption())), *child, true);
        } else {
            QMenu* sub = menu->addMenu(qs(child->caption()));
            linkAction(sub->menuAction(), *child, false);
            fillMenu(sub, *child);
        }
    }
}

void FormView::linkAction(QAction* action, ui::MenuItem& item, bool triggers) {
    // Menu items cannot be unsubscribed from; the guard keeps a late notice harmless.
    QPointer<QAction> guard(action);
    auto sync = [guard, &item] {
        if (!guard) return;
        guard->setEnabled(item.isEnabled());
        guard->setVisible(item.isVisible());
    };
    sync();
    item.subscribe(sync);
    if (triggers)
        connect(action, &QAction::triggered, this, [&item] { runUserAction([&item] { item.click(); }); });
}

// ---- following the form ----

QWidget* FormView::widgetFor(const ui::Control& control) const {
    auto it = widgets_.find(&control);
    return it == widgets_.end() ? nullptr : it->second;
}

ui::Control* FormView::controlAt(QWidget* widget) const {
    for (QWidget* w = widget; w && w != this; w = w->parentWidget())
        if (ControlView* v = controlViewOf(w))
            if (widgetFor(v->control()) == w) return &v->control();
    return nullptr;
}

void FormView::syncAll() {
    if (!attached_) return;
    setWindowTitle(qs(form_.caption()));
    for (ControlView* v : views_) v->sync();
}

void FormView::formChanged() {
    if (!attached_) return;
    setWindowTitle(qs(form_.caption()));
    if (loop_) {
        if (!form_.isShowing()) {
            hide();
            loop_->quit();
        } else if (form_.isHidden()) {
            if (isVisible()) hide();
        } else if (!isVisible()) {
            place();
            show();
        }
    }
    syncFocus();
}

void FormView::syncFocus() {
    if (!isVisible()) return;
    ui::Control* c = form_.focused();
    QWidget* w = c ? widgetFor(*c) : nullptr;
    if (w && w->isVisible() && w->isEnabled() && w->focusPolicy() != Qt::NoFocus && !w->hasFocus())
        w->setFocus(Qt::OtherFocusReason);
}

void FormView::place() {
    if (layout()) layout()->activate();
    adjustSize();
    if (!form_.centered) return;
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect area = screen->availableGeometry();
    QPoint at = area.center() - QPoint(width() / 2, height() / 2);
    // A dialog taller or wider than the screen keeps its title bar reachable.
    move(std::max(at.x(), area.left()), std::max(at.y(), area.top()));
}

void FormView::beginModal(QEventLoop* loop) {
    if (isVisible()) hide();
    loop_ = loop;
    setWindowModality(Qt::ApplicationModal);
    syncAll();
    if (form_.isShowing() && !form_.isHidden()) {
        place();
        show();
        raise();
        activateWindow();
        syncFocus();
    }
}

void FormView::endModal() {
    loop_ = nullptr;
    hide();
    setWindowModality(Qt::NonModal);
}

void FormView::showForCapture() {
    syncAll();
    place();
    show();
}

// ---- keys and the close box ----

void FormView::routeKey(ui::Key key) {
    if (!attached_) return;
    if (ui::Control* c = controlAt(QApplication::focusWidget())) {
        runUserAction([c, key] { c->pressKey(key); });
        return;
    }
    ui::Button* b = key == ui::Key::Enter ? form_.defaultButton : key == ui::Key::Escape ? form_.cancelButton : nullptr;
    if (b) runUserAction([b] { b->click(); });
}

void FormView::keyPressEvent(QKeyEvent* event) {
    // Taken here, not by QDialog: no autoDefault click, no reject() closing the dialog by itself.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        routeKey(ui::Key::Enter);
        return event->accept();
    case Qt::Key_Escape:
        routeKey(ui::Key::Escape);
        return event->accept();
    default: QDialog::keyPressEvent(event);
    }
}

void FormView::reject() { routeKey(ui::Key::Escape); }

void FormView::closeEvent(QCloseEvent* event) {
    if (!attached_ || !loop_ || !form_.isShowing()) return event->accept();
    // The form decides; the dialog hides when the form reports itself closed.
    event->ignore();
    runUserAction([this] { ui::Application::instance().dispatch([this] { form_.close(); }); });
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && attached_)
        if (ui::Control* c = controlAt(qobject_cast<QWidget*>(watched)))
            if (form_.focused() != c) form_.setFocused(c);
    return QDialog::eventFilter(watched, event);
}

} // namespace velt::qt
