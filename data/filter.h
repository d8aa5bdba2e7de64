#pragma once
#include <memory>
#include <string_view>
#include <vector>

namespace velt {

class Dataset;

// A compiled client-side filter: comparisons (=, <>, !=, <, >, <=, >=), like with %,
// is [not] null, and/or/not and parentheses. Texts compare case-insensitively in Russian
// order, numbers and dates as such; a null field satisfies only "is null".
class FilterExpr {
public:
    virtual ~FilterExpr() = default;
    virtual bool matches(const Dataset& dataset, int resultRow) const = 0;
};

// Raises DbError on a malformed expression or an unknown field.
std::shared_ptr<FilterExpr> compileFilter(std::string_view text, const Dataset& dataset);

struct SortKey {
    int column;
    bool descending;
};
// "f1 DESC, f2 ASC, f3"
std::vector<SortKey> parseSort(std::string_view spec, const Dataset& dataset);

} // namespace velt
