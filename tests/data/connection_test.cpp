#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include <libpq-fe.h>

#include "data/db_error.h"
#include "data/query.h"
#include "tests/support/test_db.h"

namespace velt {
namespace {

TEST(ConnectionTarget, NoArgumentMeansTheDevelopmentDataSource) {
    auto t = ConnectionTarget::fromArguments({});
    EXPECT_EQ(t.form, ConnectionTarget::Form::DataSource);
    EXPECT_EQ(t.dataSource, "velt_erp_dev");
    EXPECT_EQ(t.connectionString("ivanov", "secret"),
              "Provider=MSDASQL.1;Password=secret;Persist Security Info=True;User ID=ivanov;Data Source=velt_erp_dev");
    EXPECT_EQ(t.mainWindowCaption(), "VELT.ERP (Data Source: velt_erp_dev)");
    EXPECT_EQ(t.failureMessage(), "Подключение к БД отсутсвует (Data Source: velt_erp_dev)");
    using P = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(t.libpqParams("ivanov", "secret"), (P{{"service", "velt_erp_dev"}, {"user", "ivanov"}, {"password", "secret"}}));
}

TEST(ConnectionTarget, OneArgumentIsTheDataSource) {
    auto t = ConnectionTarget::fromArguments({"plant"});
    EXPECT_EQ(t.form, ConnectionTarget::Form::DataSource);
    EXPECT_EQ(t.dataSource, "plant");
    EXPECT_EQ(t.mainWindowCaption(), "VELT.ERP (Data Source: plant)");
    EXPECT_EQ(t.failureMessage(), "Подключение к БД отсутсвует (Data Source: plant)");
    EXPECT_EQ(t.libpqParams("a", "b").front(), (std::pair<std::string, std::string>{"service", "plant"}));
}

TEST(ConnectionTarget, TwoArgumentsAreServerAndDatabaseOnPort5432) {
    for (auto args : {std::vector<std::string>{"db.plant.local", "erp"},
                      std::vector<std::string>{"db.plant.local", "erp", "ignored"}}) {
        auto t = ConnectionTarget::fromArguments(args);
        EXPECT_EQ(t.form, ConnectionTarget::Form::Server);
        EXPECT_EQ(t.server, "db.plant.local");
        EXPECT_EQ(t.database, "erp");
        EXPECT_EQ(t.connectionString("ivanov", "pw"),
                  "DRIVER={PostgreSQL UNICODE};DATABASE=erp;SERVER=db.plant.local;PORT=5432;UID=ivanov;PWD=pw;SSLmode=allow;"
                  "ReadOnly=0;Protocol=7.4;FakeOidIndex=0;ShowOidColumn=0;RowVersioning=0;ShowSystemTables=0;Fetch=100;"
                  "UnknownSizes=0;MaxVarcharSize=255;MaxLongVarcharSize=8190;"
                  "Debug=0;CommLog=0;UseDeclareFetch=0;TextAsLongVarchar=1;UnknownsAsLongVarchar=0;BoolsAsChar=1;"
                  "Parse=0;ExtraSysTablePrefixes=;LFConversion=1;UpdatableCursors=1;"
                  "TrueIsMinus1=0;BI=0;ByteaAsLongVarBinary=1;UseServerSidePrepare=1;LowerCaseIdentifier=0;D6=-101;"
                  "OptionalErrors=0;XaOpt=1");
        EXPECT_EQ(t.mainWindowCaption(), "VELT.ERP (сервер: db.plant.local, БД: erp)");
        EXPECT_EQ(t.failureMessage(), "Подключение к БД отсутсвует (сервер: db.plant.local, БД: erp)");
        using P = std::vector<std::pair<std::string, std::string>>;
        EXPECT_EQ(t.libpqParams("ivanov", "pw"), (P{{"host", "db.plant.local"}, {"port", "5432"}, {"dbname", "erp"},
                                                    {"sslmode", "allow"}, {"user", "ivanov"}, {"password", "pw"}}));
    }
}

class ConnectionTest : public test::DbTest {};

TEST_F(ConnectionTest, DataSourceFormReachesTheServiceOfThatName) {
    std::string file = test::TestCluster::instance().root() + "/svc-" + db->name() + ".conf";
    {
        std::ofstream out(file);
        out << "# kept\n[other]\nhost=/nowhere\n\n[plant_" << db->name() << "]\nhost="
            << test::TestCluster::instance().socketDir() << "\nport=" << test::TestCluster::instance().port()
            << "\ndbname=" << db->name() << "\n";
    }
    setenv("PGSERVICEFILE", file.c_str(), 1);
    Connection c;
    c.connect(ConnectionTarget::fromArguments({"plant_" + db->name()}), "velt_test", "velt-test");
    EXPECT_TRUE(c.isConnected());
    EXPECT_EQ(c.user(), "velt_test");
    auto r = c.run("select current_database()");
    EXPECT_EQ(std::string(PQgetvalue(r.get(), 0, 0)), db->name());
    setenv("PGSERVICEFILE", (test::TestCluster::instance().root() + "/pg_service.conf").c_str(), 1);
}

TEST_F(ConnectionTest, RefusedConnectionsCarryTheServersReason) {
    Connection c;
    try {
        c.connect(db->params("velt_test", "wrong"));
        FAIL() << "a wrong password must be refused";
    } catch (const DbError& e) {
        EXPECT_NE(std::string(e.what()).find("password authentication failed"), std::string::npos) << e.what();
        EXPECT_TRUE(e.isConnectionBroken());
    }
    EXPECT_FALSE(c.isConnected());
    try {
        c.connect(ConnectionTarget::fromArguments({"no_such_service_here"}), "velt_test", "velt-test");
        FAIL() << "an unknown service must be refused";
    } catch (const DbError& e) {
        EXPECT_NE(std::string(e.what()).find("no_such_service_here"), std::string::npos) << e.what();
    }
    // Nothing listens on this port of the loopback.
    EXPECT_THROW(c.connect({{"host", "127.0.0.1"}, {"port", "1"}, {"dbname", "x"}, {"user", "x"}}), DbError);
}

TEST_F(ConnectionTest, HookSeesEveryStatementButNotTransactionControl) {
    dm->ADO_DB.begin();
    dm->cmd_all.setText("insert into cmn_msm.msm(id, s_caption) values (100, 'тест')");
    dm->cmd_all.execute();
    Query q(dm->ADO_DB, "q", "select * from cmn_msm.msm where id = :id");
    q.setParam("id", 100LL);
    q.open();
    dm->ADO_DB.commit();
    ASSERT_EQ(statements().size(), 2u);
    EXPECT_EQ(statements()[0].text, "insert into cmn_msm.msm(id, s_caption) values (100, 'тест')");
    EXPECT_EQ(statements()[1].text, "select * from cmn_msm.msm where id = $1");
    EXPECT_EQ(statements()[1].params, (ParamValues{std::string("100")}));
}

TEST_F(ConnectionTest, RolledBackWorkLeavesNothing) {
    {
        Transaction t(dm->ADO_DB);
        dm->cmd_all.setText("insert into cmn_msm.msm(id, s_caption) values (101, 'a')");
        dm->cmd_all.execute();
    }  // not committed
    EXPECT_EQ(db->value("select count(*) from cmn_msm.msm where id = 101"), "0");
    {
        Transaction t(dm->ADO_DB);
        dm->cmd_all.setText("insert into cmn_msm.msm(id, s_caption) values (102, 'b')");
        dm->cmd_all.execute();
        t.commit();
    }
    EXPECT_EQ(db->value("select count(*) from cmn_msm.msm where id = 102"), "1");
}

TEST_F(ConnectionTest, FailedStatementStopsAndTheTransactionCannotCommitHalfDone) {
    dm->ADO_DB.begin();
    dm->cmd_all.setText("insert into cmn_msm.msm(id, s_caption) values (103, 'a')");
    dm->cmd_all.execute();
    dm->cmd_all.setText("insert into no_such_table values (1)");
    try {
        dm->cmd_all.execute();
        FAIL();
    } catch (const DbError& e) {
        EXPECT_EQ(e.sqlState(), "42P01");
        EXPECT_EQ(e.statement(), "insert into no_such_table values (1)");
        EXPECT_FALSE(e.isConnectionBroken());
    }
    EXPECT_THROW(dm->ADO_DB.commit(), DbError);
    EXPECT_EQ(db->value("select count(*) from cmn_msm.msm where id = 103"), "0");
    // The connection goes on working.
    dm->cmd_all.setText("insert into cmn_msm.msm(id, s_caption) values (104, 'c')");
    dm->cmd_all.execute();
    EXPECT_EQ(db->value("select count(*) from cmn_msm.msm where id = 104"), "1");
}

TEST_F(ConnectionTest, NestedTransactionLeavesTheOuterToItsOwner) {
    Transaction outer(dm->ADO_DB);
    {
        Transaction inner(dm->ADO_DB);
        dm->cmd_all.setText("insert into cmn_msm.msm(id, s_caption) values (105, 'a')");
        dm->cmd_all.execute();
        inner.commit();
    }
    EXPECT_TRUE(dm->ADO_DB.inTransaction());
    EXPECT_EQ(db->value("select count(*) from cmn_msm.msm where id = 105"), "0");
    outer.commit();
    EXPECT_EQ(db->value("select count(*) from cmn_msm.msm where id = 105"), "1");
}

TEST_F(ConnectionTest, StatementListKeepsTheFirstRowsAndRunsTheRest) {
    db->exec("insert into cmn_msm.msm(id, s_caption) values (106, 'a')");
    dm->Control.sqlClear();
    dm->Control.sqlAdd("select count(*) as cnt from cmn_msm.msm where id = 106;");
    dm->Control.sqlAdd("delete from cmn_msm.msm where id = 106;select 42 as other;");
    dm->Control.open();
    EXPECT_EQ(dm->Control.field("cnt").asInteger(), 1);
    EXPECT_FALSE(dm->Control.hasField("other"));
    EXPECT_EQ(db->value("select count(*) from cmn_msm.msm where id = 106"), "0");
}

TEST_F(ConnectionTest, DisconnectClosesEveryDataset) {
    Query q(dm->ADO_DB, "q", "select 1 as x");
    q.open();
    ASSERT_TRUE(q.isActive());
    dm->ADO_DB.disconnect();
    EXPECT_FALSE(q.isActive());
    EXPECT_THROW(q.open(), DbError);
}

} // namespace
} // namespace velt
