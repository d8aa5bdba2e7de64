#include "tests/qt/qt_fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QObject>
#include <QTimer>

namespace velt::test {

void QtFixture::SetUp() {
    ui::Application::instance().reset();
    ui::Application::instance().setDriver(&driver);
}

void QtFixture::TearDown() {
    driver.releaseViews();
    ui::Application::instance().setDriver(nullptr);
    ui::Application::instance().reset();
}

void QtFixture::whileShown(ui::Form& form, const std::function<void(qt::FormView&)>& body) {
    bool ran = false;
    // The posted call dies with this frame, so it never runs in a later test's loop.
    QObject scope;
    QTimer::singleShot(0, &scope, [&] {
        ran = true;
        try {
            body(driver.view(form));
        } catch (const std::exception& e) {
            ADD_FAILURE() << "exception inside the modal form: " << e.what();
        }
        if (form.isShowing()) form.close();
    });
    form.showModal();
    EXPECT_TRUE(ran) << form.name() << " never ran its modal loop";
}

void typeInto(QWidget* widget, const QString& text) {
    for (char32_t cp : text.toUcs4()) {
        QString ch = QString::fromUcs4(&cp, 1);
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, ch);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, ch);
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

namespace {
QStringList* g_log = nullptr;
QtMessageHandler g_previous = nullptr;

void collect(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (g_log && context.category && QByteArray(context.category).startsWith("qt.modeltest")) {
        g_log->append(message);
        return;
    }
    if (g_previous) g_previous(type, context, message);
}
} // namespace

ModelTesterLog::ModelTesterLog() {
    static QStringList log;
    log.clear();
    g_log = &log;
    g_previous = qInstallMessageHandler(collect);
}

ModelTesterLog::~ModelTesterLog() {
    qInstallMessageHandler(g_previous);
    g_log = nullptr;
}

const QStringList& ModelTesterLog::messages() const { return *g_log; }

std::vector<MemoryColumn> sampleColumns() {
    return {{"id", kInt4}, {"name", kText}, {"price", kNumeric}, {"done", kBool}, {"state", kInt4}};
}

MemoryDataset::Rows sampleRows() {
    return {
        {"1", "Заготовка", "12.5000", "t", "0"},
        {"2", "Краска RAL 5005", "3.2500", "f", "1"},
        {"3", "Болт М8", "0.4000", std::nullopt, "2"},
        {"4", "Кронштейн", "150", "t", "0"},
        {"5", "Лист 2 мм", std::nullopt, "f", "1"},
    };
}

std::vector<MemoryColumn> listColumns() { return {{"id", kInt4}, {"s_caption", kText}}; }

MemoryDataset::Rows listRows() { return {{"10", "Цех №1"}, {"20", "Цех №2"}, {"30", "Склад сырья"}}; }

SampleForm::SampleForm(Dataset& rows, Dataset& list) : ui::Form("TForm99", "Проверка (99)") {
    Edit2.setKeyFilter(ui::KeyFilter::DecimalComma);
    Edit3.setKeyFilter(ui::KeyFilter::Digits);
    Edit2.onChange = [this] { ++edit2Changes; };
    Edit1.onKeyDown = [this](ui::Key& k) { keys.push_back(k); };
    ComboBox1.setItems({"Январь", "Февраль", "Март"});
    DateT.setDate(DateTime::fromYmd(2026, 1, 5));
    LCB_id_dep.setList(&list, "id", "s_caption");
    LCB_id_dep.setKeyValue("20");
    DBText1.setSource(&rows, "name");
    RadioButton1.setChecked(true);
    Image1.setWidth(24);

    DBGridEh1.setDataset(&rows);
    DBGridEh1.titlesBold = true;
    DBGridEh1.titlesCentered = true;
    DBGridEh1.setColumns({
        {"№", "id", ui::Align::Right},
        {"Наименование", "name"},
        {"Цена", "price", ui::Align::Right},
        {"Готово", "done", ui::Align::Center, true},
        {"Состояние", "state", ui::Align::Left, false, false, false},
        {"Выбор", "name", ui::Align::Left, false, true, true, 12},
    });
    DBGridEh1.rowColor = [](const ui::RowView& r) -> std::optional<ui::Color> {
        if (r.text("state") == "1") return ui::kAttentionColor;
        if (r.text("state") == "2") return ui::Color(0x00FF0000);
        return std::nullopt;
    };
    DBGridEh1.onDblClick = [this] { ++dblClicks; };
    DBGridEh1.onTitleClick = [this](int c) { titleClicks.push_back(c); };
    DBGridEh1.onCellButton = [this](int c) { cellButtons.push_back(c); };

    Button1.onClick = [this] { ++clicks1; };
    Button2.onClick = [this] { ++clicks2; };
    Button3.onClick = [this] { ++clicks3; };
    defaultButton = &Button3;
    cancelButton = &Button2;

    N1 = &mainMenu().add("N1", "Файл");
    N2 = &N1->add("N2", "Открыть");
    N1->add("N3", "-");
    N4 = &N1->add("N4", "Закрыть");
    N5 = &mainMenu().add("N5", "Выход");
    N2->onClick = [this] { ++menuOpen; };
    N5->onClick = [this] { ++menuExit; };

    GroupBox1.body = ui::row({&RadioButton1, &RadioButton2, &RadioButton3});
    for (auto* r : {&RadioButton1, &RadioButton2, &RadioButton3}) r->setParentGroup(&GroupBox1);
    layout = ui::column({
        ui::row({&Image1}),
        ui::fields({{&Label1, &Edit1}, {&Label2, &Edit2}, {&Label3, &Edit3}}),
        ui::row({&CheckBox1, &ComboBox1, &DateT, &LCB_id_dep, &DBText1}),
        &GroupBox1,
        &DBGridEh1,
        ui::row({&Button1, ui::stretch(), &Button3, &Button2}),
    });
}

} // namespace velt::test
