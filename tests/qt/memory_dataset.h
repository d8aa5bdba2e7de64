#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "data/dataset.h"

namespace velt::test {

// Type oids of the columns a memory dataset can have.
enum : unsigned { kInt4 = 23, kText = 25, kBool = 16, kNumeric = 1700, kDate = 1082 };

struct MemoryColumn {
    std::string name;
    unsigned type;
};

// A dataset whose rows are built in memory as a libpq result: no server needed.
class MemoryDataset : public Dataset {
public:
    using Cell = std::optional<std::string>;  // nullopt: NULL
    using Rows = std::vector<std::vector<Cell>>;

    MemoryDataset(std::string name, std::vector<MemoryColumn> columns, Rows rows);
    // Rows made on open by a function, for large sets.
    MemoryDataset(std::string name, std::vector<MemoryColumn> columns, int rowCount,
                  std::function<Cell(int row, int column)> cell);
    // The rows the next open reads.
    void setRows(Rows rows);
    PGresult* currentResult() const { return result(); }

    // An unconnected connection; datasets need one to exist.
    static Connection& offline();

protected:
    ResultPtr fetch() override;

private:
    std::vector<MemoryColumn> columns_;
    int rowCount_ = 0;
    std::function<Cell(int, int)> cell_;
};

} // namespace velt::test
