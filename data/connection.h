#pragma once
#include <functional>
#include <memory>
#include <thread>
#include <optional>
#include <string>
#include <utility>
#include <vector>

typedef struct pg_conn PGconn;
typedef struct pg_result PGresult;

namespace velt {

using ParamValues = std::vector<std::optional<std::string>>;

// Where the client connects, chosen from the command line: no or one argument names a
// data source (a libpq service), two or more name a server and a database.
struct ConnectionTarget {
    enum class Form { DataSource, Server };
    Form form = Form::DataSource;
    std::string dataSource = "velt_erp_dev";
    std::string server;
    std::string database;

    static ConnectionTarget fromArguments(const std::vector<std::string>& args);
    // The connection string as the installation documents it; libpq gets libpqParams().
    std::string connectionString(const std::string& login, const std::string& password) const;
    std::vector<std::pair<std::string, std::string>> libpqParams(const std::string& login,
                                                                 const std::string& password) const;
    std::string mainWindowCaption() const;  // "VELT.ERP (Data Source: …)"
    std::string failureMessage() const;     // "Подключение к БД отсутсвует (…)"
};

// The result rows of one statement, shared by the datasets that show them.
using ResultPtr = std::shared_ptr<PGresult>;

// One statement as sent, for the statement hook.
struct Statement {
    std::string text;
    ParamValues params;
};
using StatementHook = std::function<void(const Statement&)>;

// The single database connection of the client.
class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Raises DbError with the server's reason when the server refuses.
    void connect(const std::vector<std::pair<std::string, std::string>>& params);
    void connect(const ConnectionTarget& target, const std::string& login, const std::string& password);
    // Starts connecting on a thread of its own, so that start-up work can go on meanwhile;
    // the first use of the connection waits for it (and raises what connect() would).
    void connectInBackground(const std::vector<std::pair<std::string, std::string>>& params);
    // Takes over another connection (finished or still connecting).
    void takeOver(Connection& other);
    void disconnect();
    bool isConnected() const;
    const std::string& user() const {
        settle();
        return user_;
    }

    // Runs a text that may hold several statements; the first result with rows is kept.
    ResultPtr run(const std::string& text);
    // Runs one statement with $n parameters.
    ResultPtr run(const std::string& text, const ParamValues& params);

    // Transactions of the dispatch point. Transaction control does not pass the hook.
    void begin();
    void commit();
    void rollback();
    bool inTransaction() const { return inTransaction_; }

    // Every statement passes here before it is sent.
    void setStatementHook(StatementHook hook) { hook_ = std::move(hook); }

    // Datasets close themselves when the connection goes.
    int addDisconnectListener(std::function<void()> listener);
    void removeDisconnectListener(int token);

    PGconn* handle() const {
        settle();
        return conn_;
    }

private:
    static PGconn* open(const std::vector<std::pair<std::string, std::string>>& params, std::string& error);
    void settle() const;
    void checkConnected() const;
    void control(const char* text);
    [[noreturn]] void fail(PGresult* result, const std::string& text);
    ResultPtr finish(const std::string& text);

    mutable PGconn* conn_ = nullptr;
    mutable std::thread pending_;
    mutable PGconn* pendingConn_ = nullptr;
    mutable std::string pendingError_;
    bool inTransaction_ = false;
    mutable std::string user_;
    StatementHook hook_;
    std::vector<std::pair<int, std::function<void()>>> listeners_;
    int nextToken_ = 1;
};

// A transaction that rolls back unless committed. Inside one that is already open it
// leaves the outer transaction to its owner.
class Transaction {
public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    void commit();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

private:
    Connection& connection_;
    bool owns_;
    bool done_ = false;
};

} // namespace velt
