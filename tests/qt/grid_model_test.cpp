#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHeaderView>
#include <QTest>

#include "qt/grid_model.h"
#include "qt/grid_view.h"
#include "tests/qt/qt_fixture.h"

namespace velt::test {
namespace {

class QtGridModel : public QtFixture {
protected:
    void SetUp() override {
        QtFixture::SetUp();
        rows.open();
        list.open();
    }
    QString cell(const qt::GridModel& m, int row, int column, int role = Qt::DisplayRole) {
        return m.data(m.index(row, column), role).toString();
    }
    MemoryDataset rows{"rows", sampleColumns(), sampleRows()};
    MemoryDataset list{"list", listColumns(), listRows()};
    SampleForm form{rows, list};
};

TEST_F(QtGridModel, PassesTheModelTesterThroughEveryDatasetChange) {
    ModelTesterLog log;
    qt::GridModel model(form.DBGridEh1);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
    rows.setRecNo(3);
    rows.setSort("name DESC");
    rows.setFilter("state = 1");
    rows.setFiltered(true);
    EXPECT_EQ(model.rowCount(), 2);
    rows.setFiltered(false);
    rows.close();
    EXPECT_EQ(model.rowCount(), 0);
    rows.open();
    EXPECT_EQ(model.rowCount(), 5);
    auto columns = form.DBGridEh1.columns;
    columns[1].visible = false;
    form.DBGridEh1.setColumns(columns);
    EXPECT_EQ(model.columnCount(), 4);
    form.DBGridEh1.setDataset(&list);
    form.DBGridEh1.setDataset(&rows);
    EXPECT_TRUE(log.messages().isEmpty()) << log.messages().join("\n").toStdString();
}

TEST_F(QtGridModel, ShowsVisibleColumnsWithTheirTitles) {
    qt::GridModel model(form.DBGridEh1);
    ASSERT_EQ(model.columnCount(), 5) << "the hidden state column is left out";
    const char* titles[] = {"№", "Наименование", "Цена", "Готово", "Выбор"};
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(), QString::fromUtf8(titles[c]));
    EXPECT_EQ(model.gridColumn(4), 5);
    EXPECT_EQ(model.viewColumn(4), -1);
    EXPECT_TRUE(model.headerData(0, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
    EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    form.DBGridEh1.titlesBold = false;
    form.DBGridEh1.titlesCentered = false;
    form.DBGridEh1.setColumns(form.DBGridEh1.columns);
    EXPECT_FALSE(model.headerData(0, Qt::Horizontal, Qt::FontRole).isValid());
    EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).toInt() & Qt::AlignHorizontal_Mask,
              int(Qt::AlignLeft));
}

TEST_F(QtGridModel, TitleChangeKeepsTheRowsAndRenamesTheHeader) {
    qt::GridModel model(form.DBGridEh1);
    int resets = 0;
    QObject::connect(&model, &QAbstractItemModel::modelReset, [&] { ++resets; });
    auto columns = form.DBGridEh1.columns;
    columns[0].title = "Код";
    form.DBGridEh1.setColumns(columns);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QString::fromUtf8("Код"));
    EXPECT_EQ(resets, 0);
}

struct CellCase {
    int row, column;
    const char* text;
};

TEST_F(QtGridModel, CellsShowTheGridsTexts) {
    qt::GridModel model(form.DBGridEh1);
    const CellCase cases[] = {
        {0, 0, "1"}, {0, 1, "Заготовка"}, {0, 2, "12,5"}, {1, 1, "Краска RAL 5005"}, {1, 2, "3,25"},
        {2, 2, "0,4"}, {3, 2, "150"}, {4, 2, ""}, {4, 4, "Лист 2 мм"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cell(model, c.row, c.column), QString::fromUtf8(c.text)) << c.row << "," << c.column;
    EXPECT_EQ(model.rowCount(), 5);
}

TEST_F(QtGridModel, CheckBoxColumnsShowATickThatCannotBeEdited) {
    qt::GridModel model(form.DBGridEh1);
    const Qt::CheckState expected[] = {Qt::Checked, Qt::Unchecked, Qt::Unchecked, Qt::Checked, Qt::Unchecked};
    for (int r = 0; r < 5; ++r) {
        QModelIndex i = model.index(r, 3);
        EXPECT_EQ(model.data(i, Qt::CheckStateRole).toInt(), int(expected[r])) << r;
        EXPECT_FALSE(model.data(i, Qt::DisplayRole).isValid()) << "no [x] text beside the tick";
        EXPECT_FALSE(model.flags(i) & (Qt::ItemIsUserCheckable | Qt::ItemIsEditable));
    }
    EXPECT_FALSE(model.data(model.index(0, 1), Qt::CheckStateRole).isValid());
}

TEST_F(QtGridModel, AlignmentFollowsTheColumn) {
    qt::GridModel model(form.DBGridEh1);
    auto align = [&](int c) { return model.data(model.index(0, c), Qt::TextAlignmentRole).toInt() & Qt::AlignHorizontal_Mask; };
    EXPECT_EQ(align(0), int(Qt::AlignRight));
    EXPECT_EQ(align(1), int(Qt::AlignLeft));
    EXPECT_EQ(align(3), int(Qt::AlignHCenter));
}

TEST_F(QtGridModel, RowColoursAreReadBlueGreenRed) {
    qt::GridModel model(form.DBGridEh1);
    auto background = [&](int r) { return model.data(model.index(r, 1), Qt::BackgroundRole); };
    EXPECT_FALSE(background(0).isValid()) << "standard rows keep the style's colour";
    EXPECT_EQ(background(1).value<QBrush>().color(), QColor(255, 238, 238));
    EXPECT_EQ(background(2).value<QBrush>().color(), QColor(0, 0, 255)) << "0x00FF0000 is blue";
    QColor onPink = model.data(model.index(1, 1), Qt::ForegroundRole).value<QBrush>().color();
    QColor onBlue = model.data(model.index(2, 1), Qt::ForegroundRole).value<QBrush>().color();
    EXPECT_LT(onPink.lightness(), 80) << "dark text on a light row";
    EXPECT_GT(onBlue.lightness(), 180) << "light text on a dark row";
}

TEST_F(QtGridModel, ResetsWhenTheDatasetIsSortedOrReopened) {
    qt::GridModel model(form.DBGridEh1);
    rows.setSort("name ASC");
    EXPECT_EQ(cell(model, 0, 1), QString::fromUtf8("Болт М8"));
    rows.close();
    rows.setRows({{"9", "Новая", "1", "t", "0"}});
    rows.open();
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(cell(model, 0, 1), QString::fromUtf8("Новая"));
}

// ---- the grid's view ----

class QtGridView : public QtGridModel {
protected:
    static QPoint centreOf(qt::GridView* g, int row, int column) {
        return g->visualRect(g->model()->index(row, column)).center();
    }
};

TEST_F(QtGridView, CurrentRowFollowsTheDatasetBothWays) {
    whileShown(form, [&](qt::FormView& view) {
        auto* g = dynamic_cast<qt::GridView*>(view.widgetFor(form.DBGridEh1));
        ASSERT_NE(g, nullptr);
        EXPECT_EQ(g->currentIndex().row(), 0);
        rows.setRecNo(4);
        EXPECT_EQ(g->currentIndex().row(), 3);
        EXPECT_TRUE(g->selectionModel()->isRowSelected(3, {}));
        EXPECT_EQ(g->selectionModel()->selectedRows().size(), 1);

        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, centreOf(g, 1, 1));
        EXPECT_EQ(rows.recNo(), 2) << "a click chooses the row in the dataset";
        EXPECT_EQ(form.DBText1.shownText(), "Краска RAL 5005");

        QTest::keyClick(g, Qt::Key_Down);
        EXPECT_EQ(rows.recNo(), 3);
        EXPECT_EQ(g->currentIndex().row(), 2);
        QTest::keyClick(g, Qt::Key_End, Qt::ControlModifier);
        EXPECT_EQ(rows.recNo(), 5);

        rows.setSort("id DESC");  // a reset keeps showing the dataset's record
        EXPECT_EQ(g->currentIndex().row(), rows.recNo() - 1);
    });
}

TEST_F(QtGridView, DoubleClickTitleClickAndCellButtonReachTheGrid) {
    whileShown(form, [&](qt::FormView& view) {
        auto* g = dynamic_cast<qt::GridView*>(view.widgetFor(form.DBGridEh1));
        // A person's double click: a click, then the double-click event.
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, centreOf(g, 2, 1));
        QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, centreOf(g, 2, 1));
        EXPECT_EQ(form.dblClicks, 1);
        EXPECT_EQ(rows.recNo(), 3);

        QHeaderView* h = g->horizontalHeader();
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(h->sectionViewportPosition(4) + 5, h->height() / 2));
        EXPECT_EQ(form.titleClicks, std::vector<int>{5}) << "the grid's own column index, past the hidden one";

        QRect r = g->visualRect(g->model()->index(1, 4));
        QRect button = qt::CellButtonDelegate::buttonRect(r);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, button.center());
        EXPECT_EQ(form.cellButtons, std::vector<int>{5});
        EXPECT_EQ(rows.recNo(), 2) << "the button's row became current first";
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, QPoint(r.left() + 3, r.center().y()));
        EXPECT_EQ(form.cellButtons.size(), 1u) << "a click beside the button is a row click";
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, centreOf(g, 0, 1));
        EXPECT_EQ(form.cellButtons.size(), 1u) << "columns without a button have none";
    });
}

TEST_F(QtGridView, MultiSelectForwardsTheChosenRowsAndShowsTheToolkits) {
    form.DBGridEh1.multiSelect = true;
    whileShown(form, [&](qt::FormView& view) {
        auto* g = dynamic_cast<qt::GridView*>(view.widgetFor(form.DBGridEh1));
        g->sync();
        EXPECT_EQ(g->selectionMode(), QAbstractItemView::ExtendedSelection);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, centreOf(g, 0, 1));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::ControlModifier, centreOf(g, 2, 1));
        EXPECT_EQ(form.DBGridEh1.selectedRows(), (std::vector<int>{0, 2}));
        EXPECT_EQ(rows.recNo(), 3) << "the row clicked last is current";
        QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::ShiftModifier, centreOf(g, 4, 1));
        EXPECT_EQ(form.DBGridEh1.selectedRows(), (std::vector<int>{2, 3, 4}));

        form.DBGridEh1.setSelectedRows({1, 3});
        EXPECT_EQ(g->selectionModel()->selectedRows().size(), 2);
        EXPECT_TRUE(g->selectionModel()->isRowSelected(1, {}));
        EXPECT_TRUE(g->selectionModel()->isRowSelected(3, {}));
        form.DBGridEh1.multiSelect = false;
        g->sync();
        EXPECT_EQ(g->selectionMode(), QAbstractItemView::SingleSelection);
    });
}

TEST_F(QtGridView, RowsHaveOneFixedHeightAndColumnsTheirDeclaredWidth) {
    auto* g = widget<qt::GridView>(form, form.DBGridEh1);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    EXPECT_TRUE(g->verticalHeader()->isHidden());
    EXPECT_EQ(g->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(g->selectionMode(), QAbstractItemView::SingleSelection);
    int avg = g->fontMetrics().averageCharWidth();
    EXPECT_GE(g->columnWidth(4), avg * 12) << "Выбор is 12 characters wide, plus its button";
    QFont bold = g->horizontalHeader()->font();
    bold.setBold(true);
    EXPECT_GE(g->columnWidth(1), QFontMetrics(bold).horizontalAdvance(QString::fromUtf8("Наименование")))
        << "a column without a width fits its title";
}

TEST_F(QtGridView, ADisabledGridTakesNoClicks) {
    whileShown(form, [&](qt::FormView& view) {
        auto* g = dynamic_cast<qt::GridView*>(view.widgetFor(form.DBGridEh1));
        form.DBGridEh1.setEnabled(false);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, centreOf(g, 3, 1));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, centreOf(g, 3, 1));
        QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, centreOf(g, 3, 1));
        EXPECT_EQ(rows.recNo(), 1);
        EXPECT_EQ(form.dblClicks, 0);
    });
}

} // namespace
} // namespace velt::test
