#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/connection.h"
#include "data/data_module.h"

namespace velt::test {

// The run's PostgreSQL cluster: the one ctest started (VELT_TEST_CLUSTER names its folder)
// or, when a test program runs alone, one it starts itself and stops at exit.
class TestCluster {
public:
    static TestCluster& instance();
    const std::string& adminConninfo() const { return admin_; }  // on database postgres
    const std::string& root() const { return root_; }
    std::string socketDir() const;
    std::string port() const;
    // Runs an administrative statement on the named database.
    void adminExec(const std::string& database, const std::string& sql) const;

private:
    TestCluster();
    std::string root_;
    std::string admin_;
    bool owned_ = false;
};

// A fresh copy of the template database for one test.
class TestDatabase {
public:
    TestDatabase();
    ~TestDatabase();
    const std::string& name() const { return name_; }
    // libpq parameters for a login on this database.
    std::vector<std::pair<std::string, std::string>> params(const std::string& user, const std::string& password) const;
    std::vector<std::pair<std::string, std::string>> adminParams() const;
    void exec(const std::string& sql) const;  // as administrator
    // First column of the first row, as text ("" for null or no row), as administrator.
    std::string value(const std::string& sql) const;
    std::vector<std::vector<std::string>> rows(const std::string& sql) const;

private:
    std::string name_;
};

// Base of tests that work on their own database, connected as the ordinary test login
// (the screens' group role) through a data module.
class DbTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Every statement the client sends, in order, since the test began (or clearStatements()).
    const std::vector<Statement>& statements() const { return statements_; }
    std::vector<std::string> statementTexts() const;
    void clearStatements() { statements_.clear(); }

    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<TDataModule6> dm;
    std::vector<Statement> statements_;
};

} // namespace velt::test
