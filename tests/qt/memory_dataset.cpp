#include "tests/qt/memory_dataset.h"

#include <libpq-fe.h>

#include <stdexcept>

namespace velt::test {

Connection& MemoryDataset::offline() {
    static Connection connection;
    return connection;
}

MemoryDataset::MemoryDataset(std::string name, std::vector<MemoryColumn> columns, Rows rows)
    : Dataset(offline(), std::move(name)), columns_(std::move(columns)) {
    setRows(std::move(rows));
}

MemoryDataset::MemoryDataset(std::string name, std::vector<MemoryColumn> columns, int rowCount,
                             std::function<Cell(int, int)> cell)
    : Dataset(offline(), std::move(name)), columns_(std::move(columns)), rowCount_(rowCount), cell_(std::move(cell)) {}

void MemoryDataset::setRows(Rows rows) {
    rowCount_ = int(rows.size());
    cell_ = [rows = std::move(rows)](int r, int c) { return rows[r][c]; };
}

ResultPtr MemoryDataset::fetch() {
    PGresult* res = PQmakeEmptyPGresult(nullptr, PGRES_TUPLES_OK);
    ResultPtr out(res, PQclear);
    std::vector<PGresAttDesc> attrs(columns_.size());
    for (size_t i = 0; i < columns_.size(); ++i) {
        attrs[i] = {};
        attrs[i].name = columns_[i].name.data();
        attrs[i].typid = columns_[i].type;
        attrs[i].typlen = -1;
        attrs[i].atttypmod = -1;
    }
    if (!PQsetResultAttrs(res, int(attrs.size()), attrs.data())) throw std::runtime_error("PQsetResultAttrs failed");
    for (int r = 0; r < rowCount_; ++r)
        for (int c = 0; c < int(columns_.size()); ++c) {
            Cell v = cell_(r, c);
            if (!PQsetvalue(res, r, c, v ? v->data() : nullptr, v ? int(v->size()) : -1))
                throw std::runtime_error("PQsetvalue failed");
        }
    return out;
}

} // namespace velt::test
