#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QWheelEvent>

#include "tests/qt/qt_fixture.h"

namespace velt::test {
namespace {

class QtControls : public QtFixture {
protected:
    void SetUp() override {
        QtFixture::SetUp();
        rows.open();
        list.open();
    }
    // Turns the wheel over a widget by `notches` (positive: away from the user).
    static void wheel(QWidget* w, int notches) {
        QPointF at(w->width() / 2.0, w->height() / 2.0);
        QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &e);
    }
    MemoryDataset rows{"rows", sampleColumns(), sampleRows()};
    MemoryDataset list{"list", listColumns(), listRows()};
    SampleForm form{rows, list};
};

// ---- check boxes and radio buttons ----

TEST_F(QtControls, CheckBoxStateIsTheToolkitsBothWays) {
    int clicks = 0;
    form.CheckBox1.onClick = [&] { ++clicks; };
    whileShown(form, [&](qt::FormView& view) {
        auto* w = qobject_cast<QCheckBox*>(view.widgetFor(form.CheckBox1));
        QTest::mouseClick(w, Qt::LeftButton);
        EXPECT_TRUE(form.CheckBox1.isChecked());
        EXPECT_TRUE(w->isChecked());
        EXPECT_EQ(clicks, 1);
        QTest::keyClick(w, Qt::Key_Space);
        EXPECT_FALSE(form.CheckBox1.isChecked());
        EXPECT_FALSE(w->isChecked());
        form.CheckBox1.setChecked(true);
        EXPECT_TRUE(w->isChecked());
        EXPECT_EQ(clicks, 2) << "window code ticking it runs no handler";
    });
}

TEST_F(QtControls, CheckBoxTheToolkitRefusesStaysAsItWas) {
    auto* w = widget<QCheckBox>(form, form.CheckBox1);
    w->click();  // the form is not shown: nobody could have clicked it
    EXPECT_FALSE(form.CheckBox1.isChecked());
    EXPECT_FALSE(w->isChecked());
}

TEST_F(QtControls, RadioButtonsOfAGroupExcludeEachOther) {
    whileShown(form, [&](qt::FormView& view) {
        auto* r1 = qobject_cast<QRadioButton*>(view.widgetFor(form.RadioButton1));
        auto* r2 = qobject_cast<QRadioButton*>(view.widgetFor(form.RadioButton2));
        auto* r3 = qobject_cast<QRadioButton*>(view.widgetFor(form.RadioButton3));
        EXPECT_TRUE(r1->isChecked());
        QTest::mouseClick(r2, Qt::LeftButton);
        EXPECT_TRUE(form.RadioButton2.isChecked());
        EXPECT_FALSE(form.RadioButton1.isChecked());
        EXPECT_TRUE(r2->isChecked());
        EXPECT_FALSE(r1->isChecked());
        QTest::mouseClick(r2, Qt::LeftButton);
        EXPECT_TRUE(r2->isChecked()) << "clicking the chosen one keeps it chosen";
        EXPECT_TRUE(form.RadioButton2.isChecked());
        form.RadioButton3.setChecked(true);
        EXPECT_TRUE(r3->isChecked());
        EXPECT_FALSE(r2->isChecked());
        EXPECT_FALSE(r1->isChecked());
    });
}

// ---- drop-down lists and dates ----

TEST_F(QtControls, ComboBoxShowsItsItemsAndForwardsTheChoice) {
    int changes = 0;
    form.ComboBox1.onChange = [&] { ++changes; };
    whileShown(form, [&](qt::FormView& view) {
        auto* w = qobject_cast<QComboBox*>(view.widgetFor(form.ComboBox1));
        ASSERT_EQ(w->count(), 3);
        EXPECT_EQ(w->itemText(1), QString::fromUtf8("Февраль"));
        EXPECT_EQ(w->currentIndex(), -1);
        emit w->activated(2);  // as the list popup does when a person picks
        EXPECT_EQ(form.ComboBox1.itemIndex(), 2);
        EXPECT_EQ(changes, 1);
        QTest::keyClick(w, Qt::Key_Up);
        EXPECT_EQ(form.ComboBox1.itemIndex(), 1);
        EXPECT_EQ(w->currentIndex(), 1);
        EXPECT_EQ(changes, 2);
        form.ComboBox1.setItemIndex(0);
        EXPECT_EQ(w->currentIndex(), 0);
        form.ComboBox1.setItems({"Апрель"});
        EXPECT_EQ(w->count(), 1);
        EXPECT_EQ(w->currentIndex(), -1);
        EXPECT_EQ(changes, 2);
    });
}

TEST_F(QtControls, DatePickerShowsDayMonthYearAndForwardsAChange) {
    int changes = 0;
    form.DateT.onChange = [&] { ++changes; };
    whileShown(form, [&](qt::FormView& view) {
        auto* w = qobject_cast<QDateEdit*>(view.widgetFor(form.DateT));
        EXPECT_TRUE(w->calendarPopup());
        EXPECT_EQ(w->displayFormat(), "dd.MM.yyyy");
        EXPECT_EQ(w->date(), QDate(2026, 1, 5));
        EXPECT_EQ(w->text(), "05.01.2026");
        form.DateT.setDate(DateTime::fromYmd(2025, 12, 15));
        EXPECT_EQ(w->date(), QDate(2025, 12, 15));
        EXPECT_EQ(changes, 0);
        w->setCurrentSection(QDateTimeEdit::DaySection);
        QTest::keyClick(w, Qt::Key_Up);
        EXPECT_NE(w->date(), QDate(2025, 12, 15));
        EXPECT_EQ(form.DateT.date().toDateText(), w->date().toString("dd.MM.yyyy").toStdString());
        EXPECT_EQ(changes, 1);
    });
}

// ---- lookup boxes ----

TEST_F(QtControls, LookupBoxListsItsDatasetAndShowsTheKeysEntry) {
    auto* w = widget<QComboBox>(form, form.LCB_id_dep);
    ASSERT_EQ(w->count(), 3);
    EXPECT_EQ(w->itemText(2), QString::fromUtf8("Склад сырья"));
    EXPECT_EQ(w->currentText(), QString::fromUtf8("Цех №2"));
    form.LCB_id_dep.setKeyValue("30");
    EXPECT_EQ(w->currentIndex(), 2);
    form.LCB_id_dep.setKeyValue("99");
    EXPECT_EQ(w->currentIndex(), -1) << "a key without an entry shows nothing";
    form.LCB_id_dep.setKeyValue("");
    EXPECT_EQ(w->currentIndex(), -1);
}

TEST_F(QtControls, LookupBoxFollowsItsDatasetWhenItIsReopened) {
    auto* w = widget<QComboBox>(form, form.LCB_id_dep);
    list.close();
    EXPECT_EQ(w->count(), 0);
    list.setRows({{"20", "Цех сборки"}, {"40", "Покраска"}});
    list.open();
    ASSERT_EQ(w->count(), 2);
    EXPECT_EQ(w->itemText(1), QString::fromUtf8("Покраска"));
    EXPECT_EQ(w->currentText(), QString::fromUtf8("Цех сборки")) << "key 20 now reads so";
}

TEST_F(QtControls, LookupBoxWheelStepsTheKeyWithoutTheFocus) {
    int changes = 0;
    form.LCB_id_dep.onChange = [&] { ++changes; };
    whileShown(form, [&](qt::FormView& view) {
        auto* w = qobject_cast<QComboBox*>(view.widgetFor(form.LCB_id_dep));
        form.Edit1.setFocus();
        ASSERT_FALSE(w->hasFocus());
        wheel(w, -1);
        EXPECT_EQ(form.LCB_id_dep.keyValue(), "30");
        EXPECT_EQ(w->currentIndex(), 2);
        wheel(w, -1);
        EXPECT_EQ(form.LCB_id_dep.keyValue(), "30") << "the last entry stays";
        wheel(w, 2);
        EXPECT_EQ(form.LCB_id_dep.keyValue(), "10");
        EXPECT_EQ(w->currentIndex(), 0);
        EXPECT_EQ(changes, 3);
    });
}

TEST_F(QtControls, LookupBoxChoiceAndArrowsGoToTheToolkit) {
    whileShown(form, [&](qt::FormView& view) {
        auto* w = qobject_cast<QComboBox*>(view.widgetFor(form.LCB_id_dep));
        emit w->activated(0);
        EXPECT_EQ(form.LCB_id_dep.keyValue(), "10");
        QTest::keyClick(w, Qt::Key_Down);
        EXPECT_EQ(form.LCB_id_dep.keyValue(), "20");
        EXPECT_EQ(w->currentIndex(), 1);
    });
}

TEST_F(QtControls, LookupBoxDisabledIgnoresTheWheel) {
    whileShown(form, [&](qt::FormView& view) {
        form.LCB_id_dep.setEnabled(false);
        wheel(view.widgetFor(form.LCB_id_dep), -1);
        EXPECT_EQ(form.LCB_id_dep.keyValue(), "20");
    });
}

// ---- texts and pictures ----

TEST_F(QtControls, DbTextShowsTheCurrentRecordsField) {
    auto* w = widget<QLabel>(form, form.DBText1);
    EXPECT_EQ(w->text(), QString::fromUtf8("Заготовка"));
    rows.setRecNo(3);
    EXPECT_EQ(w->text(), QString::fromUtf8("Болт М8"));
    rows.close();
    EXPECT_EQ(w->text(), "");
}

TEST_F(QtControls, ImageShowsItsPictureAtItsSize) {
    auto* w = widget<QLabel>(form, form.Image1);
    ASSERT_FALSE(w->pixmap().isNull());
    EXPECT_EQ(w->pixmap().size(), w->size());
    EXPECT_EQ(w->width(), qt::charsToPixels(*w, 24)) << "the width the form gave it";
    EXPECT_EQ(w->height(), w->width() * 5 / 8);
}

} // namespace
} // namespace velt::test
