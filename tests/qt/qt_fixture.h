#pragma once
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <functional>

#include "qt/control_views.h"
#include "qt/form_view.h"
#include "qt/qt_driver.h"
#include "tests/qt/memory_dataset.h"
#include "ui/application.h"
#include "ui/form.h"

namespace velt::test {

// A Qt driver installed in the toolkit for one test.
class QtFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Shows the form modally through the driver, runs `body` inside its modal loop, then
    // closes the form if the body left it open.
    void whileShown(ui::Form& form, const std::function<void(qt::FormView&)>& body);

    template <class W> W* widget(ui::Form& form, const ui::Control& control) {
        return dynamic_cast<W*>(driver.view(form).widgetFor(control));
    }

    qt::QtDriver driver;
};

// Types text key by key, as a keyboard would, Cyrillic included.
void typeInto(QWidget* widget, const QString& text);

// Collects what QAbstractItemModelTester reports while it lives.
class ModelTesterLog {
public:
    ModelTesterLog();
    ~ModelTesterLog();
    const QStringList& messages() const;
};

// Rows of the sample grid: id, name, price, done, state.
MemoryDataset::Rows sampleRows();
std::vector<MemoryColumn> sampleColumns();
// The lookup list: id, caption.
MemoryDataset::Rows listRows();
std::vector<MemoryColumn> listColumns();

// A form with a control of every kind, laid out as a window would be.
class SampleForm : public ui::Form {
public:
    SampleForm(Dataset& rows, Dataset& list);

    ui::Label& Label1 = add<ui::Label>("Label1", "Наименование");
    ui::Edit& Edit1 = add<ui::Edit>("Edit1");
    ui::Label& Label2 = add<ui::Label>("Label2", "Цена");
    ui::Edit& Edit2 = add<ui::Edit>("Edit2");
    ui::Label& Label3 = add<ui::Label>("Label3", "Количество");
    ui::Edit& Edit3 = add<ui::Edit>("Edit3");
    ui::CheckBox& CheckBox1 = add<ui::CheckBox>("CheckBox1", "Выходной");
    ui::GroupBox& GroupBox1 = add<ui::GroupBox>("GroupBox1", "Смена");
    ui::RadioButton& RadioButton1 = add<ui::RadioButton>("RadioButton1", "1 смена", "shift");
    ui::RadioButton& RadioButton2 = add<ui::RadioButton>("RadioButton2", "2 смена", "shift");
    ui::RadioButton& RadioButton3 = add<ui::RadioButton>("RadioButton3", "3 смена", "shift");
    ui::ComboBox& ComboBox1 = add<ui::ComboBox>("ComboBox1");
    ui::DatePicker& DateT = add<ui::DatePicker>("DateT");
    ui::LookupBox& LCB_id_dep = add<ui::LookupBox>("LCB_id_dep");
    ui::DbText& DBText1 = add<ui::DbText>("DBText1");
    ui::Grid& DBGridEh1 = add<ui::Grid>("DBGridEh1");
    ui::Image& Image1 = add<ui::Image>("Image1", "Image1");
    ui::Timer& Timer1 = add<ui::Timer>("Timer1", 30000, true);
    ui::Button& Button1 = add<ui::Button>("Button1", "Добавить");
    ui::Button& Button2 = add<ui::Button>("Button2", "Выход");
    ui::Button& Button3 = add<ui::Button>("Button3", "OK");
    ui::MenuItem* N1 = nullptr;  // "Файл" with N2 "Открыть", N3 "-", N4 "Закрыть"
    ui::MenuItem* N2 = nullptr;
    ui::MenuItem* N4 = nullptr;
    ui::MenuItem* N5 = nullptr;  // "Выход", a top-level command

    int clicks1 = 0, clicks2 = 0, clicks3 = 0, menuOpen = 0, menuExit = 0, closes = 0;
    int dblClicks = 0, edit2Changes = 0;
    std::vector<int> titleClicks, cellButtons;
    std::vector<ui::Key> keys;

    void FormClose() override { ++closes; }
};

} // namespace velt::test
