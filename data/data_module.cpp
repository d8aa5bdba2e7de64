#include "data/data_module.h"

#include "data/sql_compose.h"

namespace velt {

DataModule6::DataModule6() : cmd_all(ADO_DB, "cmd_all"), Control(ADO_DB, "Control") {}

std::string DataModule6::NormalizeDecimal(std::string_view text) const {
    // Before the version row is read the separator is unknown; dropping the separator would
    // turn 12,5 into 125, so the server's own "." stands in.
    return velt::NormalizeDecimal(text, DbDecimalSeparator.empty() ? "." : DbDecimalSeparator);
}

} // namespace velt
