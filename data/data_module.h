#pragma once
#include <string>
#include <string_view>

#include "data/connection.h"
#include "data/query.h"

namespace velt {

// Owner of the one connection and of what every window shares through it: the general
// command and query and the decimal separator of composed SQL.
class DataModule6 {
public:
    DataModule6();
    virtual ~DataModule6() = default;

    Connection ADO_DB;
    Command cmd_all;
    Query Control;
    // Read from the version row; empty until then.
    std::string DbDecimalSeparator;

    std::string NormalizeDecimal(std::string_view text) const;
};

} // namespace velt
