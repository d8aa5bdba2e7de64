#pragma once
#include <stdexcept>
#include <string>

namespace velt {

// Every error the database or the driver reports: the server's message, its SQLSTATE,
// the statement that failed and whether the connection itself is gone.
class DbError : public std::runtime_error {
public:
    DbError(const std::string& message, std::string sqlState = {}, std::string statement = {},
            bool connectionBroken = false);
    const std::string& sqlState() const { return sqlState_; }
    const std::string& statement() const { return statement_; }
    bool isConnectionBroken() const { return connectionBroken_; }

private:
    std::string sqlState_;
    std::string statement_;
    bool connectionBroken_;
};

// A typed value that cannot become what it is used as (a number box holding "1,2,3",
// a text that is not valid UTF-8): raised before anything reaches the server.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace velt
