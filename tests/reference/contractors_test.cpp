#include <gtest/gtest.h>

#include "reference/contractor_editor.h"
#include "reference/contractor_list.h"
#include "sales/sales_request_editor.h"
#include "sales/shipping_request_editor.h"
#include "supply/purchase_request_editor.h"
#include "supply/purchase_requests.h"
#include "tests/reference/reference_fixture.h"

namespace velt {
namespace {

using Rows = std::vector<std::string>;

class Contractors : public test::ReferenceTest {
protected:
    TForm34& list() { return *forms->Form34; }
    TForm14& editor() { return *forms->Form14; }
    void contractors(const std::function<void()>& body) { fromMenu(forms->Form1->N24, "TForm34", body); }
    Rows shown() { return test::ReferenceTest::shownRows(list().DBGrid1, 3); }
    // "Добавить" with the four boxes as typed; "Записать" closes the editor.
    void add(const std::string& shortName, const std::string& fullName, const std::string& inn = "",
             const std::string& ogrn = "") {
        whenShown("TForm14", [=, this] {
            EXPECT_EQ(editor().Tag, 1);
            EXPECT_EQ((Rows{editor().Edit1.text(), editor().Edit2.text(), editor().Edit3.text(), editor().Edit4.text()}),
                      (Rows{"", "", "", ""}));
            editor().Edit2.replaceText(shortName);
            editor().Edit1.replaceText(fullName);
            editor().Edit3.replaceText(inn);
            editor().Edit4.replaceText(ogrn);
            editor().Button5.click();
            EXPECT_FALSE(editor().isShowing());
        });
        list().Button1.click();
    }
    void seed() {
        db->exec("insert into cmn_contractor.jur_person(id, s_caption, s_full_caption, s_ogrn, s_inn) values"
                 " (50, 'Альфа', 'ООО \"Альфа\"', '1027700132195', '7707083893'),"
                 " (51, 'Бета', 'АО \"Бета\"', '', ''),"
                 " (52, 'Гамма ', ' ЗАО Гамма ', '', '')");
    }
};

TEST_F(Contractors, AddedContractorIsStoredAsTypedAndListedByFullName) {
    contractors([&] {
        clearStatements();
        add("Вектор", "ООО Вектор", "7701234567", "1157746000000");
        EXPECT_EQ(shown(), Rows{"ООО Вектор | 1157746000000 | 7701234567"});
    });
    EXPECT_EQ(writes(), Rows{"INSERT INTO cmn_contractor.jur_person(s_caption, s_full_caption, s_ogrn, s_inn)VALUES("
                             "'Вектор','ООО Вектор' ,'1157746000000', '7701234567')"});
    EXPECT_EQ(db->rows("select s_caption, s_full_caption, s_ogrn, s_inn from cmn_contractor.jur_person"),
              (std::vector<Rows>{{"Вектор", "ООО Вектор", "1157746000000", "7701234567"}}));
}

TEST_F(Contractors, QuotesAreStoredAsTypedAndFoundBySearch) {
    contractors([&] {
        add("O'Neil", "ООО \"Ромашка\"", " 77'01 ");
        EXPECT_EQ(shown(), Rows{"ООО \"Ромашка\" |  |  77'01 "});
        list().Edit1.replaceText("O'N");
        EXPECT_EQ(list().DBGrid1.rowCount(), 1);
    });
    EXPECT_EQ(db->rows("select s_caption, s_full_caption, s_inn from cmn_contractor.jur_person"),
              (std::vector<Rows>{{"O'Neil", "ООО \"Ромашка\"", " 77'01 "}}));
}

TEST_F(Contractors, OnlyAFullNameLeavesTheShortNameEmptySortsFirstAndIsNeverFound) {
    seed();
    contractors([&] {
        add("", "Яхонт");
        EXPECT_EQ(list().DBGrid1.cellText(0, 0), "Яхонт");
        for (const char* typed : {"Я", "Яхонт", "А"}) {
            list().Edit1.replaceText(typed);
            for (int r = 0; r < list().DBGrid1.rowCount(); ++r)
                EXPECT_NE(list().DBGrid1.cellText(r, 0), "Яхонт") << typed;
        }
        list().Edit1.replaceText("А");
        EXPECT_EQ(shown(), Rows{"ООО \"Альфа\" | 1027700132195 | 7707083893"});
    });
    EXPECT_EQ(db->value("select s_caption from cmn_contractor.jur_person where s_full_caption = 'Яхонт'"), "");
}

TEST_F(Contractors, EmptyFullNameIsRefusedWhateverElseIsTyped) {
    contractors([&] {
        whenShown("TForm14", [&] {
            editor().Edit2.replaceText("Вектор");
            editor().Edit1.replaceText("   ");
            editor().Edit3.replaceText("7701234567");
            clearStatements();
            editor().Button5.click();
            EXPECT_TRUE(editor().isShowing());
            editor().Button6.click();
        });
        list().Button1.click();
    });
    expectOnlyError("Все поля должны быть заполнены!");
    EXPECT_EQ(writes(), Rows{});
}

TEST_F(Contractors, ChangeAfterAnAddUpdatesTheChosenRowAndAddsNone) {
    seed();
    contractors([&] {
        add("Дельта", "ООО Дельта");
        clearStatements();
        ASSERT_TRUE(list().DBGrid1.findRow("s_full_caption", " ЗАО Гамма "));
        int row = list().DBGrid1.currentRow();
        whenShown("TForm14", [&] {
            EXPECT_EQ(editor().Tag, 0);
            EXPECT_EQ((Rows{editor().Edit2.text(), editor().Edit1.text(), editor().Edit3.text(), editor().Edit4.text()}),
                      (Rows{"Гамма", "ЗАО Гамма", "", ""}));
            editor().Edit3.replaceText("7709999999");
            editor().Button5.click();
        });
        list().DBGrid1.dblClick();
        EXPECT_EQ(list().DBGrid1.currentRow(), row);
        EXPECT_EQ(list().DBGrid1.cellText(row, 2), "7709999999");
    });
    EXPECT_EQ(writes(), Rows{"UPDATE cmn_contractor.jur_person  SET s_caption='Гамма', s_full_caption='ЗАО Гамма', "
                             "s_ogrn='', s_inn='7709999999' WHERE id=52"});
    EXPECT_EQ(db->value("select count(*) from cmn_contractor.jur_person"), "4");
}

TEST_F(Contractors, DeleteAsksAndReturnsToTheRowNumber) {
    seed();
    contractors([&] {
        list().DBGrid1.chooseRow(1);
        clearStatements();
        driver.answer(ui::Answer::No);
        list().Button3.click();
        EXPECT_EQ(writes(), Rows{});
        driver.answer(ui::Answer::Yes);
        list().Button3.click();
        EXPECT_EQ(list().DBGrid1.rowCount(), 2);
        EXPECT_EQ(list().DBGrid1.currentRow(), 1);
        EXPECT_EQ(list().DBGrid1.cellText(1, 0), " ЗАО Гамма ");
    });
    ASSERT_EQ(driver.messages.size(), 2u);
    EXPECT_EQ(driver.messages[1].text, "Удалить строку?");
    EXPECT_EQ(driver.messages[1].caption, "Удаление");
    EXPECT_EQ(driver.messages[1].buttons, ui::Buttons::YesNo);
    EXPECT_EQ(writes(), Rows{"delete from cmn_contractor.jur_person where id=51"});
}

struct ChooserCase {
    const char* name;
    int tag;
    std::function<ui::Form&(Forms&)> caller;
    std::function<int&(Forms&)> contractorId;
    std::function<ui::Edit&(Forms&)> box;
};

void PrintTo(const ChooserCase& c, std::ostream* os) { *os << c.name; }

class ContractorChooser : public Contractors, public ::testing::WithParamInterface<ChooserCase> {};

TEST_P(ContractorChooser, ChoiceFillsTheCallersBoxWithTheTrimmedFullName) {
    const ChooserCase& c = GetParam();
    seed();
    Forms& f = *forms;
    auto choose = [&](int row) {
        openAsChooser(list(), c.tag, f.DataModule6->jur_person, [&] {
            list().DBGrid1.chooseRow(row);
            list().Button2.click();
            EXPECT_FALSE(list().isShowing());
        });
    };
    clearStatements();
    inForm(c.caller(f), [&] {
        choose(2);
        EXPECT_EQ(c.contractorId(f), 52);
        EXPECT_EQ(c.box(f).text(), "ЗАО Гамма");
        choose(2);
        EXPECT_EQ(c.contractorId(f), 52);
        EXPECT_EQ(c.box(f).text(), "ЗАО Гамма");
        choose(0);
        EXPECT_EQ(c.contractorId(f), 50);
        EXPECT_EQ(c.box(f).text(), "ООО \"Альфа\"");
    });
    EXPECT_EQ(writes(), Rows{});
    EXPECT_FALSE(f.DataModule6->jur_person.isActive());
}

INSTANTIATE_TEST_SUITE_P(Callers, ContractorChooser, ::testing::Values(
    ChooserCase{"request_to_production", 43, [](Forms& f) -> ui::Form& { return *f.Form43; },
                [](Forms& f) -> int& { return f.Form43->ContractorId; },
                [](Forms& f) -> ui::Edit& { return f.Form43->Edit1; }},
    ChooserCase{"purchase_request", 61, [](Forms& f) -> ui::Form& { return *f.Form61; },
                [](Forms& f) -> int& { return f.Form61->ContractorId; },
                [](Forms& f) -> ui::Edit& { return f.Form61->Edit1; }},
    ChooserCase{"shipping_request", 68, [](Forms& f) -> ui::Form& { return *f.Form68; },
                [](Forms& f) -> int& { return f.Form68->ContractorId; },
                [](Forms& f) -> ui::Edit& { return f.Form68->Edit1; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Contractors, ChoiceFromThePurchaseRequestListChangesThatRequestAtOnce) {
    seed();
    db->exec("insert into stk_purchase.purchase_doc(id, d_date, id_jur_person, id_person, d_in) values"
             " (7, '2026-01-10 09:00', 0, 0, '2026-01-20'), (8, '2026-01-11 09:00', 50, 0, '2026-01-21')");
    TForm60& requests = *forms->Form60;
    inForm(*forms->Form1, [&] {
        whenShown("TForm60", [&] {
            requests.purchase_doc.open();
            requests.purchase_doc.setRecNo(2);  // request 7, the older one
            clearStatements();
            openAsChooser(list(), 60, forms->DataModule6->jur_person, [&] {
                list().DBGrid1.chooseRow(1);
                list().Button2.click();
                EXPECT_FALSE(list().isShowing());
            });
            EXPECT_EQ(db->value("select id_jur_person from stk_purchase.purchase_doc where id = 7"), "51");
            EXPECT_EQ(requests.purchase_doc.recNo(), 2);
            EXPECT_EQ(requests.purchase_doc.field("id").asInt(), 7);
            EXPECT_EQ(requests.purchase_doc.field("s_jp_caption").asString(), "АО \"Бета\"");
            requests.purchase_doc.close();
        });
        requests.showModal();
        // The directory comes back through the menu whatever the chooser left behind.
        whenShown("TForm34", [&] {
            EXPECT_EQ(list().Tag, 0);
            EXPECT_TRUE(list().Button1.isVisible());
            EXPECT_TRUE(list().Button3.isVisible());
            EXPECT_EQ(list().Button2.caption(), "Изменить");
            EXPECT_EQ(list().defaultButton, &list().Button1);
        });
        forms->Form1->N24.click();
    });
    EXPECT_EQ(writes(), Rows{"UPDATE stk_purchase.purchase_doc SET id_jur_person=51 where id=7"});
    EXPECT_EQ(db->value("select id_jur_person from stk_purchase.purchase_doc where id = 8"), "50");
}

TEST_F(Contractors, ChooserWithoutRowsHandsNothingOver) {
    db->exec("insert into stk_purchase.purchase_doc(id, id_jur_person, id_person) values (7, 0, 0)");
    TForm60& requests = *forms->Form60;
    inForm(requests, [&] {
        requests.purchase_doc.open();
        clearStatements();
        openAsChooser(list(), 60, forms->DataModule6->jur_person, [&] { list().Button2.click(); });
        EXPECT_FALSE(list().isShowing());
        requests.purchase_doc.close();
    });
    inForm(*forms->Form43, [&] {
        forms->Form43->ContractorId = 9;
        openAsChooser(list(), 43, forms->DataModule6->jur_person, [&] { list().Button2.click(); });
    });
    EXPECT_EQ(forms->Form43->ContractorId, 9);
    EXPECT_EQ(writes(), Rows{});
    EXPECT_TRUE(driver.messages.empty());
}

} // namespace
} // namespace velt
