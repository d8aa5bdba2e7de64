#include "data/db_error.h"

namespace velt {

DbError::DbError(const std::string& message, std::string sqlState, std::string statement,
                 bool connectionBroken)
    : std::runtime_error(message), sqlState_(std::move(sqlState)), statement_(std::move(statement)),
      connectionBroken_(connectionBroken) {}

} // namespace velt
