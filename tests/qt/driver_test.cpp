#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTimer>

#include "qt/messages.h"
#include "qt/pictures.h"
#include "qt/screenshot.h"
#include "qt/styles.h"
#include "tests/qt/qt_fixture.h"

namespace velt::test {
namespace {

// ---- message boxes ----

struct ButtonsCase {
    ui::Buttons buttons;
    std::vector<const char*> texts;
    std::vector<ui::Answer> answers;
    ui::Answer onEscape;
};

TEST(QtMessages, ButtonsCarryTheRussianTextsInOrder) {
    using ui::Answer;
    const ButtonsCase cases[] = {
        {ui::Buttons::Ok, {"OK"}, {Answer::Ok}, Answer::Ok},
        {ui::Buttons::OkCancel, {"OK", "Отмена"}, {Answer::Ok, Answer::Cancel}, Answer::Cancel},
        {ui::Buttons::YesNo, {"Да", "Нет"}, {Answer::Yes, Answer::No}, Answer::No},
        {ui::Buttons::YesNoCancel, {"Да", "Нет", "Отмена"}, {Answer::Yes, Answer::No, Answer::Cancel}, Answer::Cancel},
    };
    for (const auto& c : cases) {
        auto buttons = qt::messageButtons(c.buttons);
        ASSERT_EQ(buttons.size(), c.texts.size());
        for (size_t i = 0; i < buttons.size(); ++i) {
            EXPECT_EQ(buttons[i].text, QString::fromUtf8(c.texts[i]));
            EXPECT_EQ(buttons[i].answer, c.answers[i]);
        }
        EXPECT_EQ(qt::escapeAnswer(c.buttons), c.onEscape);
    }
}

TEST(QtMessages, IconsMapToTheMessageBoxIcons) {
    const std::pair<ui::Icon, QMessageBox::Icon> cases[] = {
        {ui::Icon::Stop, QMessageBox::Critical},
        {ui::Icon::Question, QMessageBox::Question},
        {ui::Icon::Information, QMessageBox::Information},
        {ui::Icon::Warning, QMessageBox::Warning},
        {ui::Icon::None, QMessageBox::NoIcon},
    };
    for (auto [icon, expected] : cases) EXPECT_EQ(qt::messageIcon(icon), expected) << ui::iconName(icon);
}

class QtDriverTest : public QtFixture {};

TEST_F(QtDriverTest, MessageReturnsTheAnswerOfTheButtonPressed) {
    QString title, text;
    QStringList shown;
    QObject scope;
    QTimer::singleShot(0, &scope, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        for (QAbstractButton* b : box->buttons()) shown << b->text();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == QString::fromUtf8("Нет")) b->click();
    });
    ui::Answer a = ui::MessageBox("Удалить запись?", "Удаление", ui::Icon::Question, ui::Buttons::YesNo);
    EXPECT_EQ(a, ui::Answer::No);
    EXPECT_EQ(title, QString::fromUtf8("Удаление"));
    EXPECT_EQ(text, QString::fromUtf8("Удалить запись?"));
    shown.sort();
    EXPECT_EQ(shown, (QStringList{QString::fromUtf8("Да"), QString::fromUtf8("Нет")}));
}

// ---- styles ----

TEST_F(QtDriverTest, OffersExactlyItsThreeStylesAndAppliesEach) {
    EXPECT_EQ(ui::Application::instance().styleNames(), (std::vector<std::string>{"Fusion", "Onyx Blue", "Windows"}));
    const std::pair<const char*, const char*> cases[] = {{"Windows", "windows"}, {"Fusion", "fusion"}, {"Onyx Blue", "fusion"}};
    for (auto [name, qtStyle] : cases) {
        EXPECT_TRUE(ui::Application::instance().applyStyle(name)) << name;
        EXPECT_EQ(QApplication::style()->name().toLower(), qtStyle) << name;
        EXPECT_EQ(ui::Application::instance().activeStyle(), name);
    }
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), qt::onyxBluePalette().color(QPalette::Window));
    ui::Application::instance().applyStyle("Fusion");
    EXPECT_NE(QApplication::palette().color(QPalette::Window), qt::onyxBluePalette().color(QPalette::Window))
        << "leaving Onyx Blue drops its palette";
    EXPECT_FALSE(qt::applyNamedStyle("Motif"));
}

TEST(QtStyles, OnyxBlueIsDarkBlueWithLightTextAndACyanHighlight) {
    QPalette p = qt::onyxBluePalette();
    QColor window = p.color(QPalette::Window), base = p.color(QPalette::Base), text = p.color(QPalette::Text);
    QColor highlight = p.color(QPalette::Highlight);
    EXPECT_LT(window.lightness(), 60);
    EXPECT_GT(window.blue(), window.red());
    EXPECT_GT(base.lightness(), window.lightness()) << "boxes lighter than the window";
    EXPECT_GT(text.lightness(), 220);
    EXPECT_GT(p.color(QPalette::WindowText).lightness(), 220);
    EXPECT_GT(highlight.green(), 150);
    EXPECT_GT(highlight.blue(), 150);
    EXPECT_LT(highlight.red(), 100);
    EXPECT_LT(p.color(QPalette::HighlightedText).lightness(), 60) << "dark text on the cyan highlight";
    EXPECT_LT(p.color(QPalette::Disabled, QPalette::Text).lightness(), text.lightness());
}

// ---- busy cursor and timers ----

TEST_F(QtDriverTest, BusyCursorIsOneStateNotACount) {
    ui::Application::instance().setBusy(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    ui::Application::instance().setBusy(true);
    ui::Application::instance().setBusy(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ui::Application::instance().setBusy(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(QtDriverTest, EachToolkitTimerHasAQtTimerThatFollowsIt) {
    ui::Form form("TForm97", "Таймеры");
    auto& ticking = form.add<ui::Timer>("Timer1", 30000, true);
    auto& idle = form.add<ui::Timer>("Timer2", 5500, false);
    driver.syncTimers();
    const QTimer* t1 = driver.timerFor(ticking);
    const QTimer* t2 = driver.timerFor(idle);
    ASSERT_NE(t1, nullptr);
    ASSERT_NE(t2, nullptr);
    EXPECT_TRUE(t1->isActive());
    EXPECT_EQ(t1->interval(), 30000);
    EXPECT_FALSE(t2->isActive());
    idle.setTimerEnabled(true);
    EXPECT_TRUE(t2->isActive());
    EXPECT_EQ(t2->interval(), 5500);
    ticking.setInterval(1000);
    EXPECT_EQ(t1->interval(), 1000);
    ticking.setTimerEnabled(false);
    EXPECT_FALSE(t1->isActive());
}

TEST_F(QtDriverTest, ATimerTickRunsTheTimersHandler) {
    ui::Form form("TForm97", "Таймеры");
    auto& timer = form.add<ui::Timer>("Timer1", 0, true);
    int ticks = 0;
    timer.onTimer = [&] {
        ++ticks;
        timer.setTimerEnabled(false);
    };
    driver.syncTimers();
    for (int i = 0; i < 100 && ticks == 0; ++i) QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 1);
}

TEST_F(QtDriverTest, TimersOfDestroyedFormsAreDropped) {
    auto form = std::make_unique<ui::Form>("TForm97", "Таймеры");
    auto& timer = form->add<ui::Timer>("Timer1", 1000, true);
    driver.syncTimers();
    ASSERT_NE(driver.timerFor(timer), nullptr);
    const ui::Timer* gone = &timer;
    form.reset();
    driver.syncTimers();
    EXPECT_EQ(driver.timerFor(*gone), nullptr);
}

// ---- modal loops ----

// The login window's way: hide itself, show the main window modally, come back.
TEST_F(QtDriverTest, AFormThatHidesItselfStaysInItsModalLoop) {
    ui::Form login("TForm23", "Авторизация");
    ui::Form main("TForm1", "VELT.ERP");
    auto& enter = login.add<ui::Button>("Button1", "Вход");
    login.layout = ui::column({&enter});
    bool loginHiddenWhileMainShown = false, mainShown = false, loginBackAfterMain = false, loginStillShowing = false;
    enter.onClick = [&] {
        login.setHidden(true);
        QObject scope;
        QTimer::singleShot(0, &scope, [&] {
            loginHiddenWhileMainShown = !driver.view(login).isVisible();
            mainShown = driver.view(main).isVisible();
            main.close();
        });
        main.showModal();
        login.setHidden(false);
        loginBackAfterMain = driver.view(login).isVisible();
        loginStillShowing = login.isShowing();
        login.close();
    };
    whileShown(login, [&](qt::FormView& view) {
        qobject_cast<QPushButton*>(view.widgetFor(enter))->click();
    });
    EXPECT_TRUE(loginHiddenWhileMainShown);
    EXPECT_TRUE(mainShown);
    EXPECT_TRUE(loginBackAfterMain);
    EXPECT_TRUE(loginStillShowing) << "hiding did not end the login's loop";
    EXPECT_FALSE(login.isShowing());
    EXPECT_FALSE(driver.view(login).isVisible());
}

TEST_F(QtDriverTest, TerminateEndsEveryModalLoop) {
    ui::Form outer("TForm23", "Авторизация");
    ui::Form inner("TForm1", "VELT.ERP");
    bool innerReturned = false;
    QObject scope;
    QTimer::singleShot(0, &scope, [&] {
        QTimer::singleShot(0, &scope, [&] { ui::Application::instance().terminate(); });
        inner.showModal();
        innerReturned = true;
    });
    outer.showModal();
    EXPECT_TRUE(innerReturned);
    EXPECT_TRUE(driver.isTerminated());
    EXPECT_FALSE(outer.isShowing());
    EXPECT_FALSE(inner.isShowing());
    EXPECT_FALSE(driver.view(outer).isVisible());
    EXPECT_EQ(ui::MessageBox("x", "y", ui::Icon::Question, ui::Buttons::YesNo), ui::Answer::No)
        << "no box after the end";
    // QCoreApplication::exit() stops every later loop too; an exec() clears that for the next tests.
    QTimer::singleShot(0, &scope, [] { QCoreApplication::quit(); });
    QCoreApplication::exec();
}

// ---- forms that go away ----

TEST_F(QtDriverTest, ADestroyedFormsViewGoesWithIt) {
    MemoryDataset rows{"rows", sampleColumns(), sampleRows()};
    MemoryDataset list{"list", listColumns(), listRows()};
    rows.open();
    list.open();
    auto first = std::make_unique<SampleForm>(rows, list);
    const ui::Form* gone = first.get();
    driver.view(*first);
    first.reset();
    EXPECT_EQ(driver.existingView(*gone), nullptr);
    rows.setRecNo(2);  // the dataset outlives the form; nothing of the old view hears it
    // A new form, maybe at the same address, gets a view of its own controls.
    SampleForm second(rows, list);
    second.Edit1.setText("новый");
    auto* edit = qobject_cast<QLineEdit*>(driver.view(second).widgetFor(second.Edit1));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), QString::fromUtf8("новый"));
    EXPECT_EQ(driver.view(second).controlAt(edit), &second.Edit1);
}

// ---- screenshots and pictures ----

TEST_F(QtDriverTest, GrabFormWritesAPictureOfTheDialog) {
    MemoryDataset rows{"rows", sampleColumns(), sampleRows()};
    MemoryDataset list{"list", listColumns(), listRows()};
    rows.open();
    list.open();
    {
        SampleForm form(rows, list);
        QTemporaryDir dir;
        QString path = dir.filePath("TForm99.png");
        ASSERT_TRUE(qt::grabForm(form, path));
        QFileInfo file(path);
        ASSERT_TRUE(file.exists());
        EXPECT_GT(file.size(), 1000);
        QImage shot(path);
        ASSERT_FALSE(shot.isNull());
        EXPECT_EQ(shot.size(), driver.view(form).size() * driver.view(form).devicePixelRatio());
        EXPECT_FALSE(driver.view(form).isVisible()) << "hidden again after the grab";
        std::set<QRgb> colours;
        for (int y = 0; y < shot.height(); y += 7)
            for (int x = 0; x < shot.width(); x += 7) colours.insert(shot.pixel(x, y));
        EXPECT_GT(colours.size(), 20u) << "a rendered dialog, not a blank";
        if (const char* out = std::getenv("VELT_SCREENSHOT_DIR")) qt::grabForm(form, QDir(out).filePath("TForm99.png"));
        driver.releaseView(form);
    }
}

TEST(QtPictures, IconAndPicturesAreDrawnAtTheAskedSizes) {
    QIcon icon = qt::appIcon();
    ASSERT_FALSE(icon.isNull());
    for (int s : {16, 32, 48}) EXPECT_EQ(icon.pixmap(s, s).size(), QSize(s, s));
    QImage emblem = icon.pixmap(32, 32).toImage();
    EXPECT_EQ(qAlpha(emblem.pixel(0, 0)), 0) << "the corners are see-through";
    EXPECT_GT(qAlpha(emblem.pixel(16, 2)), 0) << "a tooth at the top";

    QPixmap plant = qt::picture("Image1", QSize(640, 400));
    EXPECT_EQ(plant.size(), QSize(640, 400));
    QImage img = plant.toImage();
    std::set<QRgb> colours;
    for (int y = 0; y < img.height(); y += 10)
        for (int x = 0; x < img.width(); x += 10) colours.insert(img.pixel(x, y));
    EXPECT_GT(colours.size(), 50u);

    QPixmap other = qt::picture("Image7", QSize(120, 80));
    EXPECT_EQ(other.size(), QSize(120, 80));
    EXPECT_NE(other.toImage(), qt::picture("Image1", QSize(120, 80)).toImage()) << "an unknown name gets a placeholder";
}

} // namespace
} // namespace velt::test
