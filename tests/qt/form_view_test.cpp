#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include "qt/grid_view.h"
#include "tests/qt/qt_fixture.h"

namespace velt::test {
namespace {

class QtFormView : public QtFixture {
protected:
    void SetUp() override {
        QtFixture::SetUp();
        rows.open();
        list.open();
    }
    MemoryDataset rows{"rows", sampleColumns(), sampleRows()};
    MemoryDataset list{"list", listColumns(), listRows()};
    SampleForm form{rows, list};
};

// ---- building ----

struct WidgetKind {
    const char* control;
    const char* qtClass;  // the Qt class the widget must be (or derive from)
};

TEST_F(QtFormView, EveryControlGetsTheWidgetOfItsKind) {
    const WidgetKind cases[] = {
        {"Label1", "QLabel"},         {"Edit1", "QLineEdit"},       {"CheckBox1", "QCheckBox"},
        {"RadioButton1", "QRadioButton"}, {"ComboBox1", "QComboBox"}, {"DateT", "QDateEdit"},
        {"LCB_id_dep", "QComboBox"},  {"DBText1", "QLabel"},        {"GroupBox1", "QGroupBox"},
        {"DBGridEh1", "QTableView"},  {"Image1", "QLabel"},         {"Button1", "QPushButton"},
    };
    auto& view = driver.view(form);
    for (const auto& c : cases) {
        QWidget* w = view.widgetFor(*form.findControl(c.control));
        ASSERT_NE(w, nullptr) << c.control;
        EXPECT_TRUE(w->inherits(c.qtClass)) << c.control << " is a " << w->metaObject()->className();
        EXPECT_EQ(view.controlAt(w), form.findControl(c.control)) << c.control;
    }
    EXPECT_EQ(view.widgetFor(form.Timer1), nullptr) << "a timer has no widget";
}

TEST_F(QtFormView, LayoutPlacesFieldsGroupsAndRowsAsDeclared) {
    auto& view = driver.view(form);
    QWidget* group = view.widgetFor(form.GroupBox1);
    for (auto* r : {&form.RadioButton1, &form.RadioButton2, &form.RadioButton3})
        EXPECT_EQ(view.widgetFor(*r)->parentWidget(), group) << r->name() << " sits in its group box";
    // Label and edit pairs share a form layout row.
    auto* fields = qobject_cast<QFormLayout*>(view.widgetFor(form.Edit1)->parentWidget()->layout()->itemAt(1)->layout());
    ASSERT_NE(fields, nullptr);
    EXPECT_EQ(fields->rowCount(), 3);
    EXPECT_EQ(fields->itemAt(0, QFormLayout::LabelRole)->widget(), view.widgetFor(form.Label1));
    EXPECT_EQ(fields->itemAt(0, QFormLayout::FieldRole)->widget(), view.widgetFor(form.Edit1));
    EXPECT_EQ(fields->itemAt(2, QFormLayout::FieldRole)->widget(), view.widgetFor(form.Edit3));
}

TEST_F(QtFormView, DialogHasAFixedBorderWithCloseOnlyAndTheFormsCaption) {
    auto& view = driver.view(form);
    Qt::WindowFlags f = view.windowFlags();
    EXPECT_TRUE(f & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(f & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(f & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(f & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(view.layout()->sizeConstraint(), QLayout::SetFixedSize);
    EXPECT_FALSE(view.windowIcon().isNull());
    EXPECT_EQ(view.windowTitle(), QString::fromUtf8("Проверка (99)"));
    form.setCaption("Другая (99)");
    EXPECT_EQ(view.windowTitle(), QString::fromUtf8("Другая (99)"));
}

TEST_F(QtFormView, FixedSizeComesFromTheLayoutAndTheDialogIsCentred) {
    whileShown(form, [&](qt::FormView& view) {
        EXPECT_EQ(view.minimumSize(), view.maximumSize()) << "the user cannot resize it";
        EXPECT_EQ(view.size(), view.minimumSize());
        QRect area = view.screen()->availableGeometry();
        EXPECT_LE(std::abs(view.geometry().center().x() - area.center().x()), 2);
        EXPECT_LE(std::abs(view.geometry().center().y() - area.center().y()), 2);
    });
}

// ---- keeping in step ----

TEST_F(QtFormView, EnabledVisibleCaptionBoldAndColourReachTheWidgets) {
    auto& view = driver.view(form);
    ui::Control* controls[] = {&form.Button1, &form.Label1, &form.Edit1, &form.CheckBox1, &form.ComboBox1,
                               &form.LCB_id_dep, &form.DBGridEh1, &form.GroupBox1};
    for (ui::Control* c : controls) {
        QWidget* w = view.widgetFor(*c);
        c->setEnabled(false);
        EXPECT_FALSE(w->isEnabled()) << c->name();
        c->setEnabled(true);
        EXPECT_TRUE(w->isEnabled()) << c->name();
        c->setVisible(false);
        EXPECT_TRUE(w->isHidden()) << c->name();
        c->setVisible(true);
        EXPECT_FALSE(w->isHidden()) << c->name();
        c->setBold(true);
        EXPECT_TRUE(w->font().bold()) << c->name();
        c->setBold(false);
        EXPECT_FALSE(w->font().bold()) << c->name();
    }
    form.Label1.setColor(ui::kAttentionColor);
    EXPECT_EQ(view.widgetFor(form.Label1)->palette().color(QPalette::Window), QColor(255, 238, 238));
    EXPECT_TRUE(view.widgetFor(form.Label1)->autoFillBackground());
    form.Label1.setColor(std::nullopt);
    EXPECT_FALSE(view.widgetFor(form.Label1)->autoFillBackground());
}

TEST_F(QtFormView, CaptionsReachButtonsLabelsBoxesAndGroups) {
    auto& view = driver.view(form);
    form.Button1.setCaption("Изменить");
    form.Label1.setCaption("Марка");
    form.CheckBox1.setCaption("Праздник");
    form.GroupBox1.setCaption("Смены");
    form.RadioButton2.setCaption("Вторая");
    EXPECT_EQ(qobject_cast<QPushButton*>(view.widgetFor(form.Button1))->text(), QString::fromUtf8("Изменить"));
    EXPECT_EQ(qobject_cast<QLabel*>(view.widgetFor(form.Label1))->text(), QString::fromUtf8("Марка"));
    EXPECT_EQ(qobject_cast<QCheckBox*>(view.widgetFor(form.CheckBox1))->text(), QString::fromUtf8("Праздник"));
    EXPECT_EQ(qobject_cast<QGroupBox*>(view.widgetFor(form.GroupBox1))->title(), QString::fromUtf8("Смены"));
    EXPECT_EQ(qobject_cast<QRadioButton*>(view.widgetFor(form.RadioButton2))->text(), QString::fromUtf8("Вторая"));
}

TEST_F(QtFormView, WidthInCharactersBecomesAMinimumWidth) {
    auto& view = driver.view(form);
    QWidget* w = view.widgetFor(form.Edit1);
    form.Edit1.setWidth(30);
    EXPECT_GE(w->minimumWidth(), w->fontMetrics().averageCharWidth() * 30);
    form.Edit1.setWidth(0);
    EXPECT_EQ(w->minimumWidth(), 0);
}

TEST_F(QtFormView, FocusGivenByTheToolkitMovesTheWidgetFocus) {
    whileShown(form, [&](qt::FormView& view) {
        form.Edit2.setFocus();
        EXPECT_EQ(view.focusWidget(), view.widgetFor(form.Edit2));
        form.ComboBox1.setFocus();
        EXPECT_EQ(view.focusWidget(), view.widgetFor(form.ComboBox1));
    });
}

// ---- buttons ----

TEST_F(QtFormView, ButtonClickRunsItsHandlerAndADisabledOneDoesNothing) {
    whileShown(form, [&](qt::FormView& view) {
        auto* b = qobject_cast<QPushButton*>(view.widgetFor(form.Button1));
        QTest::mouseClick(b, Qt::LeftButton);
        EXPECT_EQ(form.clicks1, 1);
        form.Button1.setEnabled(false);
        QTest::mouseClick(b, Qt::LeftButton);
        b->click();
        EXPECT_EQ(form.clicks1, 1);
        form.Button1.setEnabled(true);
        form.GroupBox1.setEnabled(false);  // not the button's group: it stays usable
        b->click();
        EXPECT_EQ(form.clicks1, 2);
    });
}

TEST_F(QtFormView, ButtonClickOutsideAModalRunReachesNothing) {
    auto& view = driver.view(form);
    auto* b = qobject_cast<QPushButton*>(view.widgetFor(form.Button1));
    b->click();  // the toolkit refuses: the form is not shown
    EXPECT_EQ(form.clicks1, 0);
}

// ---- edit boxes ----

struct Typing {
    const char* edit;
    const char* typed;
    const char* shown;
};

TEST_F(QtFormView, TypedCharactersPassTheKeyFilter) {
    const Typing cases[] = {
        {"Edit2", "1.5", "1,5"},      // decimal with "." turned into ","
        {"Edit2", "12,75", "12,75"},
        {"Edit2", "1a2b", "12"},      // letters dropped
        {"Edit2", "-3", "3"},
        {"Edit3", "7,x8.", "78"},     // digits only
        {"Edit1", "Болт 1.5", "Болт 1.5"},  // any
    };
    whileShown(form, [&](qt::FormView& view) {
        for (const auto& c : cases) {
            auto& edit = static_cast<ui::Edit&>(*form.findControl(c.edit));
            edit.setText("");
            auto* w = qobject_cast<QLineEdit*>(view.widgetFor(edit));
            typeInto(w, QString::fromUtf8(c.typed));
            EXPECT_EQ(w->text(), QString::fromUtf8(c.shown)) << c.edit << " typed " << c.typed;
            EXPECT_EQ(edit.text(), c.shown) << c.edit << " typed " << c.typed;
        }
    });
}

TEST_F(QtFormView, PastedTextPassesTheKeyFilterToo) {
    whileShown(form, [&](qt::FormView& view) {
        auto* w = qobject_cast<QLineEdit*>(view.widgetFor(form.Edit2));
        QApplication::clipboard()->setText("1.2a3");
        QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(form.Edit2.text(), "1,23");
        EXPECT_EQ(w->text(), "1,23");
        EXPECT_EQ(w->contextMenuPolicy(), Qt::NoContextMenu) << "no unfiltered paste from the menu";
    });
}

TEST_F(QtFormView, EditsInQtReachTheToolkitAndToolkitTextReachesTheBox) {
    whileShown(form, [&](qt::FormView& view) {
        auto* w = qobject_cast<QLineEdit*>(view.widgetFor(form.Edit2));
        QTest::keyClicks(w, "2.5");
        int changes = form.edit2Changes;
        EXPECT_EQ(changes, 3) << "one change a character";
        QTest::keyClick(w, Qt::Key_Backspace);
        EXPECT_EQ(form.Edit2.text(), "2,");
        QTest::keyClick(w, Qt::Key_Home);
        QTest::keyClick(w, Qt::Key_Delete);
        EXPECT_EQ(form.Edit2.text(), ",");
        EXPECT_EQ(form.edit2Changes, changes + 2);

        form.Edit2.setText("17,5");  // window code: no onChange, no echo back
        EXPECT_EQ(w->text(), "17,5");
        EXPECT_EQ(form.edit2Changes, changes + 2);
        EXPECT_EQ(w->cursorPosition(), 0) << "the cursor stays where the person left it";
    });
}

TEST_F(QtFormView, PasswordAndReadOnlyFollowTheToolkit) {
    auto& view = driver.view(form);
    auto* w = qobject_cast<QLineEdit*>(view.widgetFor(form.Edit1));
    form.Edit1.setPassword(true);
    EXPECT_EQ(w->echoMode(), QLineEdit::Password);
    form.Edit1.setPassword(false);
    EXPECT_EQ(w->echoMode(), QLineEdit::Normal);
    form.Edit1.setReadOnly(true);
    EXPECT_TRUE(w->isReadOnly());
}

TEST_F(QtFormView, UpAndDownInAnEditReachItsKeyDownHandler) {
    whileShown(form, [&](qt::FormView& view) {
        auto* w = view.widgetFor(form.Edit1);
        QTest::keyClick(w, Qt::Key_Up);
        QTest::keyClick(w, Qt::Key_Down);
        QTest::keyClick(w, Qt::Key_Down);
        EXPECT_EQ(form.keys, (std::vector<ui::Key>{ui::Key::Up, ui::Key::Down, ui::Key::Down}));
    });
}

TEST_F(QtFormView, AConsumedKeyDownDoesNotStopTyping) {
    form.Edit1.onKeyDown = [this](ui::Key& k) {
        form.keys.push_back(k);
        k = ui::Key::None;
    };
    whileShown(form, [&](qt::FormView& view) {
        auto* w = qobject_cast<QLineEdit*>(view.widgetFor(form.Edit1));
        QTest::keyClick(w, Qt::Key_Down);
        QTest::keyClicks(w, "ab");
        EXPECT_EQ(form.Edit1.text(), "ab");
        EXPECT_EQ(form.keys.size(), 1u);
    });
}

// ---- Enter, Escape and the close box ----

TEST_F(QtFormView, EnterAndEscapeReachTheToolkitOnceWhereverTheFocusIs) {
    whileShown(form, [&](qt::FormView& view) {
        QTest::keyClick(view.widgetFor(form.Edit1), Qt::Key_Return);
        EXPECT_EQ(form.clicks3, 1) << "Enter in an edit box: the default button";
        QTest::keyClick(view.widgetFor(form.Button1), Qt::Key_Return);
        EXPECT_EQ(form.clicks3, 2) << "Enter on another button: still the default button, once";
        EXPECT_EQ(form.clicks1, 0);
        QTest::keyClick(view.widgetFor(form.Button3), Qt::Key_Enter);
        EXPECT_EQ(form.clicks3, 3) << "Enter on the default button itself fires once";
        QTest::keyClick(view.widgetFor(form.CheckBox1), Qt::Key_Escape);
        EXPECT_EQ(form.clicks2, 1) << "Escape: the cancel button";
        QTest::keyClick(view.widgetFor(form.DBGridEh1), Qt::Key_Escape);
        EXPECT_EQ(form.clicks2, 2);
        if (QWidget* f = view.focusWidget()) f->clearFocus();
        QTest::keyClick(&view, Qt::Key_Escape);
        EXPECT_EQ(form.clicks2, 3) << "no control has the key: the cancel button";
        EXPECT_TRUE(form.isShowing()) << "Escape alone does not close the dialog";
        EXPECT_TRUE(view.isVisible());
    });
}

TEST_F(QtFormView, EnterWithoutADefaultButtonGoesToTheControlsKeyDown) {
    form.defaultButton = nullptr;
    whileShown(form, [&](qt::FormView& view) {
        QTest::keyClick(view.widgetFor(form.Edit1), Qt::Key_Return);
        EXPECT_EQ(form.keys, std::vector<ui::Key>{ui::Key::Enter});
        EXPECT_EQ(form.clicks3, 0);
    });
}

TEST_F(QtFormView, CloseBoxClosesThroughTheForm) {
    bool stillShownAfterClose = true;
    whileShown(form, [&](qt::FormView& view) {
        view.close();
        stillShownAfterClose = form.isShowing();
        EXPECT_FALSE(view.isVisible());
    });
    EXPECT_FALSE(stillShownAfterClose);
    EXPECT_EQ(form.closes, 1) << "FormClose ran once";
}

TEST_F(QtFormView, ClosingByTheFormsOwnCodeHidesTheDialog) {
    form.Button1.onClick = [this] { form.close(); };
    whileShown(form, [&](qt::FormView& view) {
        qobject_cast<QPushButton*>(view.widgetFor(form.Button1))->click();
        EXPECT_FALSE(view.isVisible());
        EXPECT_FALSE(form.isShowing());
    });
}

// ---- menu ----

TEST_F(QtFormView, MenuBarMirrorsTheMenuAndChoosingAnItemRunsIt) {
    whileShown(form, [&](qt::FormView& view) {
        QMenuBar* bar = view.menuBarWidget();
        ASSERT_NE(bar, nullptr);
        auto top = bar->actions();
        ASSERT_EQ(top.size(), 2);
        EXPECT_EQ(top[0]->text(), QString::fromUtf8("Файл"));
        EXPECT_EQ(top[1]->text(), QString::fromUtf8("Выход"));
        ASSERT_NE(top[0]->menu(), nullptr);
        auto items = top[0]->menu()->actions();
        ASSERT_EQ(items.size(), 3);
        EXPECT_EQ(items[0]->text(), QString::fromUtf8("Открыть"));
        EXPECT_TRUE(items[1]->isSeparator());
        EXPECT_EQ(items[2]->text(), QString::fromUtf8("Закрыть"));

        items[0]->trigger();
        EXPECT_EQ(form.menuOpen, 1);
        top[1]->trigger();
        EXPECT_EQ(form.menuExit, 1);

        form.N2->setEnabled(false);
        EXPECT_FALSE(items[0]->isEnabled());
        items[0]->trigger();
        EXPECT_EQ(form.menuOpen, 1) << "a disabled item does nothing";
        form.N1->setVisible(false);
        EXPECT_FALSE(top[0]->isVisible());
        form.N1->setVisible(true);
        form.N2->setEnabled(true);
        EXPECT_TRUE(items[0]->isEnabled());
    });
}

} // namespace
} // namespace velt::test
