#pragma once
#include <QDialog>
#include <unordered_map>
#include <vector>

#include "ui/form.h"

class QBoxLayout;
class QEventLoop;
class QLayout;
class QMenu;
class QMenuBar;

namespace velt::qt {

class ControlView;

// The dialog that renders one form: its declared layout as Qt layouts, its menu as a menu
// bar, a fixed single border with system menu and close only. Enter, Escape and the close
// box go to the toolkit, which decides what they do.
class FormView : public QDialog {
public:
    explicit FormView(ui::Form& form, QWidget* parent = nullptr);
    ~FormView() override;

    ui::Form& form() const { return form_; }
    // The widget of a control (nullptr when the layout does not place it).
    QWidget* widgetFor(const ui::Control& control) const;
    // The control whose widget is, or contains, `widget`.
    ui::Control* controlAt(QWidget* widget) const;
    QMenuBar* menuBarWidget() const { return menuBar_; }

    // Every widget from the toolkit's present state.
    void syncAll();
    // The driver's modal run: the dialog follows the form's showing and hidden states and
    // ends `loop` when the form closes.
    void beginModal(QEventLoop* loop);
    void endModal();
    bool isInModalRun() const { return loop_ != nullptr; }
    // Shown outside a modal run, for screenshots.
    void showForCapture();
    // The form is gone: drop every subscription without touching it.
    void detach();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    QLayout* buildLayout(const ui::LayoutNode& node);
    void addNode(QBoxLayout* layout, const ui::LayoutNode& node);
    QWidget* widgetOf(ui::Control* control);
    QWidget* asWidget(const ui::LayoutNode& node);
    void buildMenu();
    void fillMenu(QMenu* menu, const ui::MenuItem& item);
    void linkAction(QAction* action, ui::MenuItem& item, bool triggers);
    void formChanged();
    void syncFocus();
    void routeKey(ui::Key key);
    void place();

    ui::Form& form_;
    int token_ = 0;
    bool attached_ = true;
    QEventLoop* loop_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    std::unordered_map<const ui::Control*, QWidget*> widgets_;
    std::vector<ControlView*> views_;
};

} // namespace velt::qt
