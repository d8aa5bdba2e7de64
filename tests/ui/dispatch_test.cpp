#include <gtest/gtest.h>

#include "data/query.h"
#include "tests/support/test_db.h"
#include "ui/application.h"
#include "ui/directory_list.h"
#include "ui/form.h"
#include "ui/test_driver.h"

namespace velt {
namespace {

// A small window of the kind every screen is.
class SampleForm : public ui::Form {
public:
    SampleForm() : Form("TSample", "Образец") {
        defaultButton = &Save;
        cancelButton = &Exit;
        Exit.onClick = [this] { close(); };
    }
    ui::Edit& Edit1 = add<ui::Edit>("Edit1");
    ui::Button& Save = add<ui::Button>("Button1", "Записать");
    ui::Button& Exit = add<ui::Button>("Button2", "Выход");
    ui::CheckBox& Check = add<ui::CheckBox>("CheckBox1", "Склад");
    ui::RadioButton& R1 = add<ui::RadioButton>("RadioButton1", "Смена №1");
    ui::RadioButton& R2 = add<ui::RadioButton>("RadioButton2", "Смена №2");
    ui::Grid& Grid = add<ui::Grid>("DBGrid1");
};

class Dispatch : public test::DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        ui::Application::instance().reset();
        ui::Application::instance().setDriver(&driver);
        ui::Application::instance().setConnection(&dm->ADO_DB);
    }
    void TearDown() override {
        ui::Application::instance().reset();
        ui::Application::instance().setDriver(nullptr);
        DbTest::TearDown();
    }
    void shown(ui::Form& f, std::function<void()> body) {
        driver.onShow(f.name(), [body](ui::Form& form) {
            body();
            if (form.isShowing()) form.close();
        });
        f.showModal();
    }
    ui::TestDriver driver;
};

TEST_F(Dispatch, FailingSecondStatementLeavesTheFirstUnwrittenAndTheWindowOpen) {
    SampleForm f;
    f.Save.onClick = [&] {
        dm->cmd_all.setText("insert into cmn_msm.msm(id, s_caption) values (200, 'первый')");
        dm->cmd_all.execute();
        dm->cmd_all.setText("insert into cmn_msm.msm(id, s_caption) values (201, 'второй', 'лишний')");
        dm->cmd_all.execute();
    };
    bool stillShown = false;
    shown(f, [&] {
        f.Save.click();
        stillShown = f.isShowing();
    });
    EXPECT_TRUE(stillShown);
    EXPECT_EQ(db->value("select count(*) from cmn_msm.msm where id in (200, 201)"), "0");
    ASSERT_EQ(driver.messages.size(), 1u);
    EXPECT_EQ(driver.messages[0].caption, "Ошибка");
    EXPECT_EQ(driver.messages[0].icon, ui::Icon::Stop);
    EXPECT_EQ(driver.messages[0].text, "INSERT has more expressions than target columns");
    EXPECT_FALSE(dm->ADO_DB.inTransaction());
}

TEST_F(Dispatch, SuccessfulHandlerCommits) {
    SampleForm f;
    f.Save.onClick = [&] {
        dm->cmd_all.setText("insert into cmn_msm.msm(id, s_caption) values (202, 'a')");
        dm->cmd_all.execute();
    };
    shown(f, [&] { f.Save.click(); });
    EXPECT_EQ(db->value("select count(*) from cmn_msm.msm where id = 202"), "1");
}

TEST_F(Dispatch, WorkBeforeAQuestionIsCommittedAndAFailureAfterItKeepsIt) {
    SampleForm f;
    std::string seenByOthersMeanwhile;
    struct Peek : ui::TestDriver {};
    f.Save.onClick = [&] {
        dm->cmd_all.setText("insert into cmn_msm.msm(id, s_caption) values (203, 'до вопроса')");
        dm->cmd_all.execute();
        seenByOthersMeanwhile = "asked";
        if (ui::MessageBox("Продолжить?", "Вопрос", ui::Icon::Question, ui::Buttons::YesNo) == ui::Answer::Yes) {
            seenByOthersMeanwhile = db->value("select count(*) from cmn_msm.msm where id = 203");
            dm->cmd_all.setText("insert into no_such_table values (1)");
            dm->cmd_all.execute();
        }
    };
    driver.answer(ui::Answer::Yes);
    shown(f, [&] { f.Save.click(); });
    EXPECT_EQ(seenByOthersMeanwhile, "1");  // nobody waits on a person inside a transaction
    EXPECT_EQ(db->value("select count(*) from cmn_msm.msm where id = 203"), "1");
    EXPECT_EQ(driver.messages.back().caption, "Ошибка");
}

TEST_F(Dispatch, ActionsAPersonCannotTakeAreRefused) {
    SampleForm f;
    int clicks = 0;
    f.Save.onClick = [&] { ++clicks; };
    EXPECT_THROW(f.Save.click(), ui::UiError);  // the window is not shown
    shown(f, [&] {
        f.Save.setEnabled(false);
        EXPECT_THROW(f.Save.click(), ui::UiError);
        f.Save.setEnabled(true);
        f.Save.setVisible(false);
        EXPECT_THROW(f.Save.click(), ui::UiError);
        f.Save.setVisible(true);
        f.Save.click();
        SampleForm other;
        other.Save.onClick = [] {};
        EXPECT_THROW(other.Save.click(), ui::UiError);
    });
    EXPECT_EQ(clicks, 1);
}

TEST_F(Dispatch, EnterAndEscapeGoToTheDefaultAndCancelButtons) {
    SampleForm f;
    int saves = 0;
    std::vector<ui::Key> seen;
    f.Save.onClick = [&] { ++saves; };
    f.Edit1.onKeyDown = [&](ui::Key& k) {
        seen.push_back(k);
        k = ui::Key::None;  // consumed
    };
    bool closedByEscape = false;
    shown(f, [&] {
        f.Edit1.pressKey(ui::Key::Enter);
        f.Edit1.pressKey(ui::Key::Down);
        f.Edit1.replaceText("abc");
        f.Edit1.pressKey(ui::Key::Backspace);  // a consumed key-down does not stop typing
        EXPECT_EQ(f.Edit1.text(), "ab");
        f.Edit1.pressKey(ui::Key::Escape);
        closedByEscape = !f.isShowing();
    });
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(seen, (std::vector<ui::Key>{ui::Key::Down, ui::Key::Backspace}));
    EXPECT_TRUE(closedByEscape);
}

struct FilterCase {
    ui::KeyFilter filter;
    const char* typed;
    const char* result;
};

class KeyFilters : public Dispatch, public ::testing::WithParamInterface<FilterCase> {};

TEST_P(KeyFilters, DropOrTurnKeys) {
    const auto& c = GetParam();
    SampleForm f;
    f.Edit1.setKeyFilter(c.filter);
    int changes = 0;
    f.Edit1.onChange = [&] { ++changes; };
    shown(f, [&] { f.Edit1.typeText(c.typed); });
    EXPECT_EQ(f.Edit1.text(), c.result);
    EXPECT_EQ(changes, int(std::string(c.result).size()));
}

INSTANTIATE_TEST_SUITE_P(Filters, KeyFilters, ::testing::Values(
    FilterCase{ui::KeyFilter::Any, "a1.5", "a1.5"},
    FilterCase{ui::KeyFilter::Digits, "1a2.3,-4", "1234"},
    FilterCase{ui::KeyFilter::Decimal, "1a2.3,-4", "12.3,4"},
    FilterCase{ui::KeyFilter::DecimalComma, "1a2.3,-4", "12,3,4"},
    FilterCase{ui::KeyFilter::DecimalComma, "12.5", "12,5"}));

TEST_F(Dispatch, RadioButtonsExcludeEachOtherAndFireOnlyWhenSelected) {
    SampleForm f;
    int clicks = 0;
    f.R1.onClick = [&] { ++clicks; };
    f.R2.onClick = [&] { ++clicks; };
    f.R1.setChecked(true);
    shown(f, [&] {
        f.R1.select();
        f.R2.select();
    });
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(f.R1.isChecked());
    EXPECT_TRUE(f.R2.isChecked());
}

TEST_F(Dispatch, SearchBoxFiltersAndMovesTheGrid) {
    SampleForm f;
    Query q(dm->ADO_DB, "q", "select * from (values (1, 'Цех №1'), (2, 'цех №2'), (3, 'Склад')) t(id, s_caption) order by id");
    f.Grid.setDataset(&q);
    f.Grid.setColumns({{"Наименование", "s_caption"}});
    ui::setUpDirectoryList(f, {&f.Grid, nullptr, &f.Save, nullptr, &f.Edit1, &f.Exit, "s_caption"});
    int edits = 0;
    f.Save.onClick = [&] { ++edits; };
    q.open();
    shown(f, [&] {
        f.Edit1.replaceText("ЦЕХ");
        EXPECT_EQ(q.recordCount(), 2);
        f.Edit1.pressKey(ui::Key::Down);
        EXPECT_EQ(q.field("id").asInt(), 2);
        f.Edit1.pressKey(ui::Key::Down);
        EXPECT_EQ(q.recNo(), 2);
        f.Edit1.pressKey(ui::Key::Up);
        EXPECT_EQ(q.field("id").asInt(), 1);
        f.Edit1.replaceText("O'N");  // a quote never breaks the filter
        EXPECT_EQ(q.recordCount(), 0);
        f.Edit1.replaceText("");
        EXPECT_EQ(q.recordCount(), 3);
        f.Grid.dblClick();
    });
    EXPECT_EQ(edits, 1);
    EXPECT_EQ(f.Grid.printout(), "Наименование\nЦех №1\nцех №2\nСклад\n");
}

} // namespace
} // namespace velt
