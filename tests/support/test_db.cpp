#include "tests/support/test_db.h"

#include <libpq-fe.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace velt::test {

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream ss;
    ss << in.rdbuf();
    std::string s = ss.str();
    while (!s.empty() && (s.back() == '\n' || s.back() == ' ')) s.pop_back();
    return s;
}

std::string paramOf(const std::string& conninfo, const std::string& key) {
    std::istringstream in(conninfo);
    std::string item;
    while (in >> item)
        if (item.rfind(key + "=", 0) == 0) return item.substr(key.size() + 1);
    return {};
}

PGconn* connectOrThrow(const std::string& conninfo) {
    PGconn* c = PQconnectdb(conninfo.c_str());
    if (PQstatus(c) != CONNECTION_OK) {
        std::string msg = PQerrorMessage(c);
        PQfinish(c);
        throw std::runtime_error("test cluster: " + msg);
    }
    return c;
}

std::vector<std::vector<std::string>> runAdmin(const std::string& conninfo, const std::string& sql) {
    PGconn* c = connectOrThrow(conninfo);
    PGresult* r = PQexec(c, sql.c_str());
    auto st = PQresultStatus(r);
    if (st != PGRES_COMMAND_OK && st != PGRES_TUPLES_OK) {
        std::string msg = PQresultErrorMessage(r);
        PQclear(r);
        PQfinish(c);
        throw std::runtime_error("test cluster: " + msg + " in: " + sql);
    }
    std::vector<std::vector<std::string>> rows;
    for (int i = 0; i < PQntuples(r); ++i) {
        std::vector<std::string> row;
        for (int j = 0; j < PQnfields(r); ++j) row.emplace_back(PQgetvalue(r, i, j));
        rows.push_back(std::move(row));
    }
    PQclear(r);
    PQfinish(c);
    return rows;
}

std::string withDatabase(const std::string& conninfo, const std::string& database) {
    return conninfo + " dbname=" + database;
}

} // namespace

// Stops a cluster the program started itself; it keeps its own copy of the folder because
// the cluster object is gone by the time static objects are destroyed.
struct ClusterStopper {
    std::string root;
    ~ClusterStopper() {
        std::string cmd = std::string(VELT_SOURCE_DIR) + "/tests/support/cluster stop '" + root + "'";
        if (std::system(cmd.c_str()) != 0) std::fprintf(stderr, "could not stop the test cluster\n");
    }
};

TestCluster::TestCluster() {
    if (const char* env = std::getenv("VELT_TEST_CLUSTER"); env && *env) {
        root_ = env;
    } else {
        char tmpl[] = "/tmp/velt-test-XXXXXX";
        if (!mkdtemp(tmpl)) throw std::runtime_error("test cluster: no temporary folder");
        root_ = tmpl;
        owned_ = true;
        std::string cmd = std::string(VELT_SOURCE_DIR) + "/tests/support/cluster start '" + root_ + "'";
        if (std::system(cmd.c_str()) != 0) throw std::runtime_error("test cluster: could not start in " + root_);
        static ClusterStopper stopper{root_};
    }
    admin_ = readFile(root_ + "/admin.conninfo");
    if (admin_.empty()) throw std::runtime_error("test cluster: no admin.conninfo in " + root_);
    // Logins and the access code of the tests read the cluster's installation configuration.
    setenv("XDG_CONFIG_HOME", (root_ + "/config").c_str(), 1);
    setenv("PGSERVICEFILE", (root_ + "/pg_service.conf").c_str(), 1);
}

TestCluster& TestCluster::instance() {
    static TestCluster cluster;
    return cluster;
}

std::string TestCluster::socketDir() const { return paramOf(admin_, "host"); }
std::string TestCluster::port() const { return paramOf(admin_, "port"); }

void TestCluster::adminExec(const std::string& database, const std::string& sql) const {
    runAdmin(withDatabase(admin_, database), sql);
}

TestDatabase::TestDatabase() {
    static std::atomic<int> counter{0};
    name_ = "t_" + std::to_string(getpid()) + "_" + std::to_string(counter++);
    auto& c = TestCluster::instance();
    c.adminExec("postgres", "CREATE DATABASE " + name_ + " TEMPLATE velt_template");
    c.adminExec("postgres", "ALTER DATABASE " + name_ + " SET DateStyle = 'ISO, DMY'");
}

TestDatabase::~TestDatabase() {
    try {
        TestCluster::instance().adminExec("postgres", "DROP DATABASE IF EXISTS " + name_ + " WITH (FORCE)");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
    }
}

std::vector<std::pair<std::string, std::string>> TestDatabase::params(const std::string& user,
                                                                     const std::string& password) const {
    auto& c = TestCluster::instance();
    return {{"host", c.socketDir()}, {"port", c.port()}, {"dbname", name_}, {"user", user}, {"password", password}};
}

std::vector<std::pair<std::string, std::string>> TestDatabase::adminParams() const {
    auto& c = TestCluster::instance();
    return {{"host", c.socketDir()}, {"port", c.port()}, {"dbname", name_}, {"user", paramOf(c.adminConninfo(), "user")}};
}

void TestDatabase::exec(const std::string& sql) const {
    runAdmin(withDatabase(TestCluster::instance().adminConninfo(), name_), sql);
}

std::string TestDatabase::value(const std::string& sql) const {
    auto r = rows(sql);
    if (r.empty() || r[0].empty()) return {};
    return r[0][0];
}

std::vector<std::vector<std::string>> TestDatabase::rows(const std::string& sql) const {
    return runAdmin(withDatabase(TestCluster::instance().adminConninfo(), name_), sql);
}

void DbTest::SetUp() {
    db = std::make_unique<TestDatabase>();
    dm = std::make_unique<TDataModule6>();
    dm->ADO_DB.connect(db->params("velt_test", "velt-test"));
    dm->DbDecimalSeparator = ".";
    dm->ADO_DB.setStatementHook([this](const Statement& s) { statements_.push_back(s); });
}

void DbTest::TearDown() {
    dm.reset();
    db.reset();
}

std::vector<std::string> DbTest::statementTexts() const {
    std::vector<std::string> out;
    for (auto& s : statements_) out.push_back(s.text);
    return out;
}

} // namespace velt::test
