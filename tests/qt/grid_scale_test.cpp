#include <gtest/gtest.h>

#include <dlfcn.h>
#include <libpq-fe.h>

#include <QHeaderView>
#include <QPixmap>
#include <cstring>
#include <set>

#include "qt/grid_model.h"
#include "qt/grid_view.h"
#include "tests/qt/qt_fixture.h"

// The libpq cell readers, interposed for this test program: they note which rows of one
// watched result are read, then read them as libpq does. The probe sees every read a
// dataset makes, whatever path the grid takes to it.
namespace {
const PGresult* g_watched = nullptr;
std::set<int> g_rowsRead;

template <class F> F real(const char* name) {
    static_assert(sizeof(F) == sizeof(void*));
    void* f = dlsym(RTLD_NEXT, name);
    if (!f) std::abort();
    F out;
    std::memcpy(&out, &f, sizeof f);
    return out;
}

void note(const PGresult* res, int row) {
    if (res == g_watched) g_rowsRead.insert(row);
}
} // namespace

extern "C" char* PQgetvalue(const PGresult* res, int tup_num, int field_num) {
    static auto f = real<char* (*)(const PGresult*, int, int)>("PQgetvalue");
    note(res, tup_num);
    return f(res, tup_num, field_num);
}

extern "C" int PQgetisnull(const PGresult* res, int tup_num, int field_num) {
    static auto f = real<int (*)(const PGresult*, int, int)>("PQgetisnull");
    note(res, tup_num);
    return f(res, tup_num, field_num);
}

extern "C" int PQgetlength(const PGresult* res, int tup_num, int field_num) {
    static auto f = real<int (*)(const PGresult*, int, int)>("PQgetlength");
    note(res, tup_num);
    return f(res, tup_num, field_num);
}

namespace velt::test {
namespace {

constexpr int kRows = 100000;

class QtGridScale : public QtFixture {
protected:
    void SetUp() override {
        QtFixture::SetUp();
        big.open();
        g_watched = big.currentResult();
        g_rowsRead.clear();
        grid.setDataset(&big);
        grid.setColumns({{"№", "id", ui::Align::Right}, {"Наименование", "name"}, {"Цена", "price", ui::Align::Right},
                         {"Готово", "done", ui::Align::Center, true}});
        grid.rowColor = [](const ui::RowView& r) -> std::optional<ui::Color> {
            return r.number("id") > 0 && int(r.number("id")) % 7 == 0 ? std::optional(ui::kAttentionColor) : std::nullopt;
        };
        form.layout = ui::column({&grid});
    }
    void TearDown() override {
        g_watched = nullptr;
        QtFixture::TearDown();
    }
    static std::set<int> take() { return std::exchange(g_rowsRead, {}); }

    MemoryDataset big{"big",
                      {{"id", kInt4}, {"name", kText}, {"price", kNumeric}, {"done", kBool}},
                      kRows,
                      [](int r, int c) -> MemoryDataset::Cell {
                          switch (c) {
                          case 0: return std::to_string(r + 1);
                          case 1: return "Позиция " + std::to_string(r + 1);
                          case 2: return std::to_string(r % 1000) + ".50";
                          default: return r % 2 ? "t" : "f";
                          }
                      }};
    ui::Form form{"TForm98", "Большой список"};
    ui::Grid& grid = form.add<ui::Grid>("DBGridEh1");
};

TEST_F(QtGridScale, ACellReadsOnlyItsOwnRow) {
    qt::GridModel model(grid);
    ASSERT_EQ(model.rowCount(), kRows);
    EXPECT_TRUE(take().empty()) << "counting rows reads none";
    const int roles[] = {Qt::DisplayRole, Qt::CheckStateRole, Qt::TextAlignmentRole, Qt::BackgroundRole,
                         Qt::ForegroundRole};
    for (int row : {0, 1, 50000, kRows - 1})
        for (int column = 0; column < model.columnCount(); ++column) {
            for (int role : roles) model.data(model.index(row, column), role);
            std::set<int> read = take();
            EXPECT_TRUE(read.empty() || read == std::set<int>{row}) << "row " << row << " column " << column;
        }
    EXPECT_EQ(model.data(model.index(kRows - 1, 1), Qt::DisplayRole).toString(), QString::fromUtf8("Позиция 100000"));
}

TEST_F(QtGridScale, TheViewReadsOnlyTheRowsOnScreen) {
    whileShown(form, [&](qt::FormView& view) {
        auto* g = dynamic_cast<qt::GridView*>(view.widgetFor(grid));
        ASSERT_NE(g, nullptr);
        take();
        g->grab();
        std::set<int> read = take();
        ASSERT_FALSE(read.empty()) << "the painted rows are read";
        EXPECT_LT(*read.rbegin(), 100) << "only the top of the list is on screen";

        big.setRecNo(60000);
        EXPECT_EQ(g->currentIndex().row(), 59999);
        take();
        g->grab();
        read = take();
        ASSERT_FALSE(read.empty());
        EXPECT_GE(*read.begin(), 59999 - 100);
        EXPECT_LE(*read.rbegin(), 59999 + 100);
        EXPECT_LT(read.size(), 200u);
    });
}

TEST_F(QtGridScale, RowHeightIsFixedSoNoRowIsMeasured) {
    auto& view = driver.view(form);
    auto* g = dynamic_cast<qt::GridView*>(view.widgetFor(grid));
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->model()->rowCount(), kRows);
    EXPECT_EQ(g->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    EXPECT_EQ(g->verticalHeader()->sectionSize(kRows - 1), g->verticalHeader()->defaultSectionSize());
    EXPECT_TRUE(take().empty()) << "building the view reads no rows";
}

} // namespace
} // namespace velt::test
