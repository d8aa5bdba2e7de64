#include <gtest/gtest.h>

#include "reference/operation_editor.h"
#include "reference/operation_type_editor.h"
#include "reference/operation_type_list.h"
#include "reference/process_editor.h"
#include "reference/process_list.h"
#include "tests/reference/items_fixture.h"

namespace velt {
namespace {

using test::Rows;

class Operations : public test::ItemsData {
protected:
    void SetUp() override {
        ItemsData::SetUp();
        // A process without steps.
        db->exec("insert into mnf_proc_tech.proc_tech(id, s_caption, id_inventory_items, id_gds) values"
                 " (203, 'Кронштейн гнутый', 105, 101)");
    }
    TForm8& types() { return *forms->Form8; }
    TForm9& typeEditor() { return *forms->Form9; }
    TForm10& step() { return *forms->Form10; }
    TForm33& process() { return *forms->Form33; }

    // Opens an existing process from "Техпроцессы" and acts in its editor.
    void inProcess(const std::string& id, const std::function<void()>& body) {
        fromMenu("N4", "TForm4", [&] {
            pick(forms->Form4->DBGrid1, "id", id);
            whenShown("TForm33", body);
            forms->Form4->Button2.click();
        });
    }
    // "Добавить" of the process editor; `body` acts in the operation editor.
    void addStep(const std::function<void()>& body) {
        whenShown("TForm10", body);
        process().Button1.click();
    }
    // The type chooser: picks the named type in the type list.
    void chooseType(const std::string& name) {
        whenShown("TForm8", [&] {
            pick(types().DBGrid1, "s_caption", name);
            types().Button2.click();
        });
        step().Button4.click();
    }
};

struct PositionCase {
    const char* what;
    const char* process;
    const char* offered;
};

class NextPosition : public Operations, public ::testing::WithParamInterface<PositionCase> {};

TEST_P(NextPosition, IsOneMoreThanTheHighestOfTheProcess) {
    const PositionCase& c = GetParam();
    inProcess(c.process, [&] {
        step().Edit2.setText("прежняя");
        step().Edit3.setText("9");
        clearStatements();
        addStep([&] {
            EXPECT_EQ(step().Tag, 1);
            EXPECT_EQ(step().Edit1.text(), c.offered);
            EXPECT_EQ(step().Edit2.text(), "");
            EXPECT_EQ(step().Edit3.text(), "");
            EXPECT_FALSE(step().cb_operation_state.hasKey());
            EXPECT_EQ(step().focused(), &step().Button3);
        });
    });
    ASSERT_FALSE(statements.empty());
    EXPECT_EQ(statements[0].text,
              "select (case when max(o.orderby) is null then 0 else max(o.orderby) end) +1 as orderby from "
              "mnf_operation.operation o \nwhere o.id_proc_tech=$1");
    EXPECT_EQ(statements[0].params, (ParamValues{std::string(c.process)}));
    EXPECT_FALSE(step().max_num.isActive());
    EXPECT_FALSE(step().operation_state.isActive());
}

INSTANTIATE_TEST_SUITE_P(Processes, NextPosition, ::testing::Values(
    PositionCase{"EmptyProcess", "203", "1"},
    PositionCase{"AfterSteps1And2And5", "201", "6"}),
    [](const auto& info) { return std::string(info.param.what); });

struct PriceCase {
    const char* what;
    const char* typed;
    const char* sql;
    const char* stored;
    const char* total;
};

class StepPrice : public Operations, public ::testing::WithParamInterface<PriceCase> {};

TEST_P(StepPrice, CommaFullStopAndEmptyAreStoredAsNumbers) {
    const PriceCase& c = GetParam();
    inProcess("203", [&] {
        EXPECT_EQ(process().price.shownText(), "");
        addStep([&] {
            chooseType("Резка");
            step().cb_operation_state.choose("Заготовки");
            step().Edit3.replaceText(c.typed);
            step().Button3.click();
        });
        EXPECT_EQ(columnByField(process().DBGrid1, "orderby"), (Rows{"1"}));
        EXPECT_EQ(column(process().DBGrid1, "Операция"), (Rows{"Резка"}));
        EXPECT_EQ(process().price.shownText(), c.total);
    });
    EXPECT_EQ(writes(), (Rows{std::string("INSERT INTO mnf_operation.operation(id_type, id_state, price, "
                                          "id_inventory_items, id_proc_tech, orderby)VALUES(301,1 ,") +
                              c.sql + ", 105, 203, 1)"}));
    EXPECT_EQ(db->rows("select price::text from mnf_operation.operation where id_proc_tech = 203"),
              (std::vector<Rows>{{c.stored}}));
}

INSTANTIATE_TEST_SUITE_P(Prices, StepPrice, ::testing::Values(
    PriceCase{"Comma", "1,5", "1.5", "1.5000", "1,5"},
    PriceCase{"FullStop", "1.5", "1.5", "1.5000", "1,5"},
    PriceCase{"Empty", "", "0", "0.0000", "0"}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(Operations, StateBoxOffersOnlyStatesZeroAndOne) {
    db->exec("insert into mnf_operation.operation_state(id, s_caption) values (2, 'Брак'), (3, 'Возврат')");
    inProcess("203", [&] {
        addStep([&] {
            using Entries = std::vector<std::pair<std::string, std::string>>;
            EXPECT_EQ(step().cb_operation_state.entries(),
                      (Entries{{"0", "Готовая продукция"}, {"1", "Заготовки"}}));
        });
    });
}

TEST_F(Operations, TypeChooserFillsTheBoxAndExitKeepsThePreviousType) {
    inProcess("201", [&] {
        pick(process().DBGrid1, "orderby", "1");
        whenShown("TForm10", [&] {
            EXPECT_EQ(step().Tag, 0);
            EXPECT_EQ((Rows{step().Edit1.text(), step().Edit2.text(), step().Edit3.text(),
                            step().cb_operation_state.text()}),
                      (Rows{"1", "Резка", "12,5", "Заготовки"}));
            EXPECT_EQ(step().TypeId, 301);
            EXPECT_FALSE(step().Edit2.isEnabled());

            whenShown("TForm8", [&] {
                EXPECT_EQ(types().Tag, 1);
                EXPECT_FALSE(types().Button1.isVisible());
                EXPECT_FALSE(types().Button3.isVisible());
                EXPECT_EQ(types().defaultButton, &types().Button2);
                EXPECT_TRUE(types().Edit1.isVisible());
                EXPECT_EQ(types().Edit1.text(), "");
                pick(types().DBGrid1, "s_caption", "Сварка");
                types().DBGrid1.pressKey(ui::Key::Enter);
                EXPECT_FALSE(types().isShowing());
            });
            step().Button4.click();
            EXPECT_EQ(step().Edit2.text(), "Сварка");
            EXPECT_EQ(step().TypeId, 302);

            whenShown("TForm8", [&] {
                pick(types().DBGrid1, "s_caption", "Покраска");
                types().Button4.click();
            });
            step().Button4.click();
            EXPECT_EQ(step().Edit2.text(), "Сварка");
            EXPECT_EQ(step().TypeId, 302);
            EXPECT_FALSE(types().Edit1.isVisible());
            EXPECT_EQ(types().defaultButton, &types().Button1);
            EXPECT_FALSE(forms->DataModule6->operation_type.isActive());
            step().Button3.click();
        });
        process().DBGrid1.dblClick();
        EXPECT_EQ(column(process().DBGrid1, "Операция"), (Rows{"Сварка", "Сварка", "Покраска"}));
        EXPECT_EQ(process().price.shownText(), "50");
    });
    EXPECT_EQ(writes(), (Rows{"UPDATE mnf_operation.operation SET id_type=302, id_state=1, price=12.5, "
                              "id_inventory_items=102, orderby=1 WHERE id=401"}));
    // The directory still offers its search after the list served as a chooser.
    fromMenu("N6", "TForm8", [&] {
        EXPECT_TRUE(types().Edit1.isVisible());
        EXPECT_EQ(types().focused(), &types().Edit1);
        EXPECT_TRUE(types().Button1.isVisible());
    });
}

struct RefusedStepCase {
    const char* what;
    std::function<void(Operations&, TForm10&)> fill;
    const char* message;
};

class RefusedStep : public Operations, public ::testing::WithParamInterface<RefusedStepCase> {
public:
    using Operations::chooseType;
};

TEST_P(RefusedStep, SendsNothingAndKeepsTheEditorOpen) {
    const RefusedStepCase& c = GetParam();
    // The editor still holds the type of an earlier step.
    step().TypeId = 302;
    inProcess("201", [&] {
        addStep([&] {
            c.fill(*this, step());
            clearStatements();
            step().Button3.click();
            EXPECT_TRUE(step().isShowing());
            step().Button5.click();
        });
    });
    EXPECT_EQ(writes(), Rows{});
    ASSERT_EQ(driver.messages.size(), 1u);
    EXPECT_EQ(driver.messages[0].text, c.message);
    EXPECT_EQ(driver.messages[0].caption, "Ошибка");
    EXPECT_EQ(driver.messages[0].icon, ui::Icon::Stop);
    EXPECT_EQ(db->value("select count(*) from mnf_operation.operation where id_proc_tech = 201"), "3");
}

INSTANTIATE_TEST_SUITE_P(Boxes, RefusedStep, ::testing::Values(
    RefusedStepCase{"NoPosition", [](Operations& t, TForm10& e) {
        e.Edit1.replaceText("");
        static_cast<RefusedStep&>(t).chooseType("Резка");
        e.cb_operation_state.choose("Заготовки");
    }, "Все поля должны быть заполнены!"},
    RefusedStepCase{"NoType", [](Operations&, TForm10& e) {
        e.cb_operation_state.choose("Заготовки");
        e.Edit3.replaceText("3");
    }, "Все поля должны быть заполнены!"},
    RefusedStepCase{"NoState", [](Operations& t, TForm10&) {
        static_cast<RefusedStep&>(t).chooseType("Резка");
    }, "'' не является целым числом (поле «Вид»)"}),
    [](const auto& info) { return std::string(info.param.what); });

// ---- The operation-type directory ----

TEST_F(Operations, TypesAreAddedChangedAndDeletedFromTheDirectory) {
    fromMenu("N6", "TForm8", [&] {
        EXPECT_EQ(types().focused(), &types().Edit1);
        typeEditor().Edit1.setText("старое");
        whenShown("TForm9", [&] {
            EXPECT_EQ(typeEditor().Tag, 1);
            EXPECT_EQ(typeEditor().Edit1.text(), "");
            EXPECT_EQ(typeEditor().focused(), &typeEditor().Edit1);
            typeEditor().Edit1.replaceText(" Гибка ");
            typeEditor().Edit2.replaceText("Листогиб");
            typeEditor().Button1.click();
        });
        types().Button1.click();
        EXPECT_EQ(column(types().DBGrid1, "Операции"), (Rows{"Гибка", "Покраска", "Резка", "Сварка"}));

        pick(types().DBGrid1, "s_caption", "Гибка");
        whenShown("TForm9", [&] {
            EXPECT_EQ(typeEditor().Tag, 2);
            EXPECT_EQ((Rows{typeEditor().Edit1.text(), typeEditor().Edit2.text()}), (Rows{"Гибка", "Листогиб"}));
            typeEditor().Edit2.replaceText("Листогиб ЛГ-1");
            typeEditor().Button1.click();
        });
        types().Button2.click();
        EXPECT_EQ(column(types().DBGrid1, "Описание")[0], "Листогиб ЛГ-1");

        // A name with quotes is stored as typed.
        whenShown("TForm9", [&] {
            typeEditor().Edit1.replaceText("Зачистка \"под покраску\" O'Neil");
            typeEditor().Button1.click();
        });
        types().Button1.click();

        pick(types().DBGrid1, "s_caption", "Покраска");
        driver.answer(ui::Answer::Yes);
        types().Button3.click();
    });
    Rows w = writes();
    ASSERT_EQ(w.size(), 4u);
    EXPECT_EQ(w[0], "insert into mnf_operation.operation_type(s_caption, s_description)VALUES('Гибка' ,'Листогиб')");
    EXPECT_EQ(w[1], "UPDATE mnf_operation.operation_type SET s_caption='Гибка', s_description='Листогиб ЛГ-1' where "
                    "id=351");
    EXPECT_EQ(w[3], "delete from mnf_operation.operation_type where id=303");
    EXPECT_EQ(db->rows("select s_caption, s_description from mnf_operation.operation_type order by id"),
              (std::vector<Rows>{{"Резка", "Гильотина"},
                                 {"Сварка", ""},
                                 {"Гибка", "Листогиб ЛГ-1"},
                                 {"Зачистка \"под покраску\" O'Neil", ""}}));
    ASSERT_EQ(driver.messages.size(), 1u);
    EXPECT_EQ(driver.messages[0].text, "Удалить строку?");
    EXPECT_EQ(driver.messages[0].caption, "Удаление");
}

TEST_F(Operations, TypeWithoutNameIsRefused) {
    fromMenu("N6", "TForm8", [&] {
        clearStatements();
        whenShown("TForm9", [&] {
            typeEditor().Edit2.replaceText("Без названия");
            typeEditor().Button1.click();
            EXPECT_TRUE(typeEditor().isShowing());
        });
        types().Button1.click();
    });
    EXPECT_EQ(writes(), Rows{});
    ASSERT_EQ(driver.messages.size(), 1u);
    EXPECT_EQ(driver.messages[0].text, "Все поля должны быть заполнены!");
}

TEST_F(Operations, TypeSearchMatchesTheBeginningOfTheName) {
    db->exec("insert into mnf_operation.operation_type(id, s_caption, s_description) values (304, 'Ручная сварка', '')");
    fromMenu("N6", "TForm8", [&] {
        types().Edit1.replaceText("св");
        EXPECT_EQ(column(types().DBGrid1, "Операции"), (Rows{"Сварка"}));
        types().Edit1.replaceText("");
        EXPECT_EQ(column(types().DBGrid1, "Операции"), (Rows{"Покраска", "Резка", "Ручная сварка", "Сварка"}));
    });
}

} // namespace
} // namespace velt
