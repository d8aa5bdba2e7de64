#include <gtest/gtest.h>

#include <sstream>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/script_driver.h"

namespace velt {
namespace {

// Two windows: the outer one opens the inner one modally; the inner asks before deleting.
class Outer : public ui::Form {
public:
    Outer() : Form("TOuter", "Список") {}
    ui::Button& Open = add<ui::Button>("Button1", "Открыть");
    ui::Button& Off = add<ui::Button>("Button2", "Нельзя");
    ui::Label& Status = add<ui::Label>("Label1", "");
    ui::Timer& Timer1 = add<ui::Timer>("Timer1", 1000, true);
};

class Inner : public ui::Form {
public:
    Inner() : Form("TInner", "Редактор") {}
    ui::Edit& Edit1 = add<ui::Edit>("Edit1");
    ui::Button& Delete = add<ui::Button>("Button3", "Удалить");
    ui::Button& Done = add<ui::Button>("Button4", "Выход");
    ui::CheckBox& Check = add<ui::CheckBox>("CheckBox1", "Склад");
    ui::ComboBox& Kind = add<ui::ComboBox>("type_combo");
    ui::DatePicker& Date = add<ui::DatePicker>("DateT");
};

class Script : public ::testing::Test {
protected:
    void SetUp() override {
        ui::Application::instance().reset();
        outer.Off.setEnabled(false);
        outer.Open.onClick = [this] {
            inner.showModal();
            outer.Status.setCaption("закрыт: " + inner.Edit1.text());
        };
        outer.Timer1.onTimer = [this] { ++ticks; };
        inner.Kind.setItems({"Склад ГП", "Склад заготовок", "Склад сырья"});
        inner.Delete.onClick = [this] {
            if (ui::MessageBox("Удалить строку?", "Удаление", ui::Icon::Question, ui::Buttons::YesNo) == ui::Answer::Yes)
                ui::MessageBox("Удалено", "Сообщение", ui::Icon::Information);
        };
        inner.Done.onClick = [this] { inner.close(); };
    }
    void TearDown() override {
        ui::Application::instance().reset();
        ui::Application::instance().setDriver(nullptr);
    }
    // Runs a scenario with TOuter as the program's window; returns the failure, if any.
    std::string run(const std::string& text) {
        std::istringstream in(text);
        ui::ScriptDriver driver(in, out, "test.scn");
        driver.setBaseForms({"TOuter"});
        ui::Application::instance().setDriver(&driver);
        try {
            outer.showModal();
            driver.finish();
        } catch (const ui::UiError& e) {
            ui::Application::instance().setDriver(nullptr);
            return e.what();
        }
        ui::Application::instance().setDriver(nullptr);
        return {};
    }
    Outer outer;
    Inner inner;
    std::ostringstream out;
    int ticks = 0;
};

TEST_F(Script, NestedModalFormTakesTheFollowingCommandsUntilItCloses) {
    std::string failure = run(
        "# a comment\n"
        "click TOuter.Button1\n"
        "type TInner.Edit1 \"Цех №1\"\n"
        "check TInner.CheckBox1 on\n"
        "choose TInner.type_combo \"Склад сырья\"\n"
        "date TInner.DateT 15.01.2026\n"
        "answer Да\n"
        "click TInner.\"Удалить\"\n"
        "answer Нет\n"
        "click TInner.Button3\n"
        "print TInner.Edit1\n"
        "print TInner.CheckBox1\n"
        "close TInner\n"
        "print TOuter.Label1\n"
        "tick TOuter.Timer1\n");
    EXPECT_EQ(failure, "");
    EXPECT_EQ(out.str(),
              "MESSAGE Удаление question: Удалить строку?\n"
              "MESSAGE Сообщение information: Удалено\n"
              "MESSAGE Удаление question: Удалить строку?\n"
              "Цех №1\tenabled=1\tvisible=1\n"
              "Склад [x]\tenabled=1\tvisible=1\n"
              "закрыт: Цех №1\tenabled=1\tvisible=1\n");
    EXPECT_EQ(inner.Kind.text(), "Склад сырья");
    EXPECT_EQ(inner.Date.date(), DateTime::fromYmd(2026, 1, 15));
    EXPECT_EQ(ticks, 1);
}

struct FailureCase {
    const char* name;
    const char* script;
    const char* expected;  // a part of the failure line
};

class ScriptFailures : public Script, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(ScriptFailures, StopWithALineNamingTheCommand) {
    const auto& c = GetParam();
    std::string failure = run(c.script);
    EXPECT_NE(failure.find(c.expected), std::string::npos) << failure;
    EXPECT_EQ(failure.rfind("test.scn:", 0), 0u) << failure;
}

INSTANTIATE_TEST_SUITE_P(Cases, ScriptFailures, ::testing::Values(
    FailureCase{"disabled", "click TOuter.Button2\n", "test.scn:1: click TOuter.Button2: TOuter.Button2 is disabled"},
    FailureCase{"hidden_after_change", "click TOuter.Button1\nclick TOuter.Button1\n", "TOuter is not the active window"},
    FailureCase{"unknown_form", "click TNowhere.Button1\n", "unknown form TNowhere"},
    FailureCase{"unknown_control", "click TOuter.Button9\n", "unknown control TOuter.Button9"},
    FailureCase{"unknown_command", "wave TOuter\n", "unknown command wave"},
    FailureCase{"unanswered", "click TOuter.Button1\nclick TInner.Button3\n", "a question without an answer"},
    FailureCase{"modal_left_open", "click TOuter.Button1\n", "the scenario ends with TInner open"},
    FailureCase{"no_such_item", "click TOuter.Button1\nchoose TInner.type_combo \"Склад\"\n", "has no item"},
    FailureCase{"wrong_kind", "click TOuter.Label1\n", "is not a button"},
    FailureCase{"unused_answer", "answer Да\n", "no question was asked"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScriptWords, QuotesHoldBlanksAndCaptionsKeepTheirQuotes) {
    EXPECT_EQ(ui::splitCommand("type TForm31.Edit1 \"Цех №1\""),
              (std::vector<std::string>{"type", "TForm31.Edit1", "Цех №1"}));
    EXPECT_EQ(ui::splitCommand("click TForm36.\"Приход\""), (std::vector<std::string>{"click", "TForm36.\"Приход\""}));
    EXPECT_EQ(ui::splitCommand("type X.E \"say \\\"hi\\\"\""), (std::vector<std::string>{"type", "X.E", "say \"hi\""}));
    EXPECT_EQ(ui::splitCommand("type X.E \"\""), (std::vector<std::string>{"type", "X.E", ""}));
}

} // namespace
} // namespace velt
