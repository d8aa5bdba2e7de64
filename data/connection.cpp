#include "data/connection.h"

#include <libpq-fe.h>

#include "data/db_error.h"
#include "data/values.h"

namespace velt {

ConnectionTarget ConnectionTarget::fromArguments(const std::vector<std::string>& args) {
    ConnectionTarget t;
    if (args.size() >= 2) {
        t.form = Form::Server;
        t.server = args[0];
        t.database = args[1];
    } else if (args.size() == 1) {
        t.dataSource = args[0];
    }
    return t;
}

std::string ConnectionTarget::connectionString(const std::string& login, const std::string& password) const {
    if (form == Form::DataSource)
        return "Provider=MSDASQL.1;Password=" + password + ";Persist Security Info=True;User ID=" + login +
               ";Data Source=" + dataSource;
    return "DRIVER={PostgreSQL UNICODE};DATABASE=" + database + ";SERVER=" + server + ";PORT=5432;UID=" + login +
           ";PWD=" + password + ";SSLmode=allow;" +
           "ReadOnly=0;Protocol=7.4;FakeOidIndex=0;ShowOidColumn=0;RowVersioning=0;ShowSystemTables=0;Fetch=100;"
           "UnknownSizes=0;MaxVarcharSize=255;MaxLongVarcharSize=8190;" +
           "Debug=0;CommLog=0;UseDeclareFetch=0;TextAsLongVarchar=1;UnknownsAsLongVarchar=0;BoolsAsChar=1;Parse=0;"
           "ExtraSysTablePrefixes=;LFConversion=1;UpdatableCursors=1;" +
           "TrueIsMinus1=0;BI=0;ByteaAsLongVarBinary=1;UseServerSidePrepare=1;LowerCaseIdentifier=0;D6=-101;"
           "OptionalErrors=0;XaOpt=1";
}

std::vector<std::pair<std::string, std::string>> ConnectionTarget::libpqParams(const std::string& login,
                                                                              const std::string& password) const {
    std::vector<std::pair<std::string, std::string>> p;
    if (form == Form::DataSource) {
        p.emplace_back("service", dataSource);
    } else {
        p.emplace_back("host", server);
        p.emplace_back("port", "5432");
        p.emplace_back("dbname", database);
        p.emplace_back("sslmode", "allow");
    }
    if (!login.empty()) p.emplace_back("user", login);
    if (!password.empty()) p.emplace_back("password", password);
    return p;
}

std::string ConnectionTarget::mainWindowCaption() const {
    if (form == Form::DataSource) return "VELT.ERP (Data Source: " + dataSource + ")";
    return "VELT.ERP (сервер: " + server + ", БД: " + database + ")";
}

std::string ConnectionTarget::failureMessage() const {
    if (form == Form::DataSource) return "Подключение к БД отсутсвует (Data Source: " + dataSource + ")";
    return "Подключение к БД отсутсвует (сервер: " + server + ", БД: " + database + ")";
}

Connection::Connection() = default;

Connection::~Connection() {
    settle();
    if (conn_) PQfinish(conn_);
}

PGconn* Connection::open(const std::vector<std::pair<std::string, std::string>>& params, std::string& error) {
    // The windows write dates day first and read numbers with ".", whatever the server's defaults.
    // The client's queries are short and interactive: compiling them (JIT) costs far more than
    // running them, as soon as the planner overestimates a list of a few thousand rows.
    std::vector<std::pair<std::string, std::string>> all = params;
    all.emplace_back("client_encoding", "UTF8");
    all.emplace_back("options", "-c DateStyle=ISO,DMY -c standard_conforming_strings=on -c jit=off");
    all.emplace_back("application_name", "velt-erp");
    all.emplace_back("connect_timeout", "10");
    std::vector<const char*> keys, values;
    for (auto& [k, v] : all) {
        keys.push_back(k.c_str());
        values.push_back(v.c_str());
    }
    keys.push_back(nullptr);
    values.push_back(nullptr);
    PGconn* conn = PQconnectdbParams(keys.data(), values.data(), 0);
    if (!conn) {
        error = "out of memory";
        return nullptr;
    }
    if (PQstatus(conn) != CONNECTION_OK) {
        error = PQerrorMessage(conn);
        while (!error.empty() && (error.back() == '\n' || error.back() == ' ')) error.pop_back();
        PQfinish(conn);
        return nullptr;
    }
    return conn;
}

void Connection::connect(const std::vector<std::pair<std::string, std::string>>& params) {
    disconnect();
    std::string error;
    PGconn* conn = open(params, error);
    if (!conn) throw DbError(error, "08001", {}, true);
    conn_ = conn;
    user_ = PQuser(conn);
}

void Connection::connectInBackground(const std::vector<std::pair<std::string, std::string>>& params) {
    disconnect();
    pending_ = std::thread([this, params] { pendingConn_ = open(params, pendingError_); });
}

void Connection::settle() const {
    if (!pending_.joinable()) return;
    pending_.join();
    conn_ = pendingConn_;
    pendingConn_ = nullptr;
    if (conn_) user_ = PQuser(conn_);
}

void Connection::takeOver(Connection& other) {
    disconnect();
    other.settle();
    conn_ = other.conn_;
    user_ = other.user_;
    inTransaction_ = other.inTransaction_;
    other.conn_ = nullptr;
    other.inTransaction_ = false;
    std::string error = std::move(other.pendingError_);
    other.pendingError_.clear();
    if (!conn_) throw DbError(error.empty() ? "Нет подключения к базе данных" : error, "08001", {}, true);
}

void Connection::connect(const ConnectionTarget& target, const std::string& login, const std::string& password) {
    connect(target.libpqParams(login, password));
}

void Connection::disconnect() {
    settle();
    pendingError_.clear();
    if (!conn_) return;
    auto listeners = listeners_;
    for (auto& [token, listener] : listeners) listener();
    PQfinish(conn_);
    conn_ = nullptr;
    inTransaction_ = false;
    user_.clear();
}

bool Connection::isConnected() const {
    settle();
    return conn_ && PQstatus(conn_) == CONNECTION_OK;
}

void Connection::checkConnected() const {
    settle();
    if (!conn_)
        throw DbError(pendingError_.empty() ? "Нет подключения к базе данных" : pendingError_, "08003", {}, true);
}

void Connection::fail(PGresult* result, const std::string& text) {
    std::string msg, state;
    if (result) {
        msg = PQresultErrorMessage(result);
        const char* s = PQresultErrorField(result, PG_DIAG_SQLSTATE);
        if (s) state = s;
        PQclear(result);
    }
    if (msg.empty()) msg = PQerrorMessage(conn_);
    while (!msg.empty() && (msg.back() == '\n' || msg.back() == ' ')) msg.pop_back();
    bool broken = PQstatus(conn_) != CONNECTION_OK;
    throw DbError(msg, state, text, broken);
}

ResultPtr Connection::finish(const std::string& text) {
    ResultPtr kept;
    PGresult* failed = nullptr;
    while (PGresult* r = PQgetResult(conn_)) {
        auto status = PQresultStatus(r);
        if (status == PGRES_FATAL_ERROR || status == PGRES_BAD_RESPONSE || status == PGRES_NONFATAL_ERROR) {
            if (!failed) failed = r;
            else PQclear(r);
        } else if (!failed && !kept && status == PGRES_TUPLES_OK) {
            kept.reset(r, PQclear);
        } else {
            PQclear(r);
        }
    }
    if (failed) fail(failed, text);
    if (!kept) kept.reset(PQmakeEmptyPGresult(conn_, PGRES_COMMAND_OK), PQclear);
    return kept;
}

ResultPtr Connection::run(const std::string& text) {
    checkConnected();
    if (!isValidUtf8(text)) throw ConversionError("Текст запроса содержит недопустимые символы");
    if (hook_) hook_(Statement{text, {}});
    if (!PQsendQuery(conn_, text.c_str())) fail(nullptr, text);
    return finish(text);
}

ResultPtr Connection::run(const std::string& text, const ParamValues& params) {
    if (params.empty()) return run(text);
    checkConnected();
    if (!isValidUtf8(text)) throw ConversionError("Текст запроса содержит недопустимые символы");
    for (auto& p : params)
        if (p && !isValidUtf8(*p)) throw ConversionError("Значение параметра содержит недопустимые символы");
    if (hook_) hook_(Statement{text, params});
    std::vector<const char*> values;
    values.reserve(params.size());
    for (auto& p : params) values.push_back(p ? p->c_str() : nullptr);
    if (!PQsendQueryParams(conn_, text.c_str(), int(params.size()), nullptr, values.data(), nullptr, nullptr, 0))
        fail(nullptr, text);
    return finish(text);
}

void Connection::control(const char* text) {
    checkConnected();
    PGresult* r = PQexec(conn_, text);
    if (PQresultStatus(r) != PGRES_COMMAND_OK) fail(r, text);
    PQclear(r);
}

void Connection::begin() {
    if (inTransaction_) return;
    control("BEGIN");
    inTransaction_ = true;
}

void Connection::commit() {
    if (!inTransaction_) return;
    inTransaction_ = false;
    checkConnected();
    PGresult* r = PQexec(conn_, "COMMIT");
    if (PQresultStatus(r) != PGRES_COMMAND_OK) fail(r, "COMMIT");
    // A transaction that met an error ends in ROLLBACK even when asked to commit.
    bool rolledBack = std::string(PQcmdStatus(r)) == "ROLLBACK";
    PQclear(r);
    if (rolledBack) throw DbError("Транзакция отменена из-за предыдущей ошибки", "25P02", "COMMIT");
}

void Connection::rollback() {
    if (!inTransaction_) return;
    inTransaction_ = false;
    if (conn_ && PQstatus(conn_) == CONNECTION_OK) PQclear(PQexec(conn_, "ROLLBACK"));
}

int Connection::addDisconnectListener(std::function<void()> listener) {
    listeners_.emplace_back(nextToken_, std::move(listener));
    return nextToken_++;
}

void Connection::removeDisconnectListener(int token) {
    std::erase_if(listeners_, [token](auto& l) { return l.first == token; });
}

Transaction::Transaction(Connection& connection)
    : connection_(connection), owns_(!connection.inTransaction()) {
    if (owns_) connection_.begin();
}

Transaction::~Transaction() {
    if (owns_ && !done_) connection_.rollback();
}

void Transaction::commit() {
    done_ = true;
    if (owns_) connection_.commit();
}

} // namespace velt
