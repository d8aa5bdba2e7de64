#include <gtest/gtest.h>

#include "data/db_error.h"
#include "tests/support/test_db.h"

namespace velt {
namespace {

class SharedDatasets : public test::DbTest {};

TEST_F(SharedDatasets, EveryOneOpensOnTheSchemaAndDeliversItsDeclaredFields) {
    dm->operation.setParam("id_proc_tech", 1LL);
    for (int s = 1; s <= 4; ++s) {
        dm->smena(s).setParam("data", DateTime::today());
        dm->smena(s).setParam("OK", std::string("ta"));
    }
    dm->app_spec.setParam("ii_id1", 1LL);
    dm->app_spec.setParam("ii_id2", 1LL);
    dm->user.setParam("s_name", std::string("nobody"));
    auto all = dm->sharedDatasets();
    EXPECT_EQ(all.size(), 22u);  // 21 datasets, the shift list being four
    for (Dataset* d : all) {
        EXPECT_FALSE(d->isActive()) << d->name();
        EXPECT_NO_THROW(d->open()) << d->name();
        EXPECT_TRUE(d->isActive()) << d->name();
        EXPECT_FALSE(d->declaredFields().empty()) << d->name();
        for (auto& f : d->declaredFields()) EXPECT_TRUE(d->hasField(f.name)) << d->name() << "." << f.name;
        d->close();
    }
}

TEST_F(SharedDatasets, DepartmentWithAMissingParentIsNotListed) {
    db->exec("insert into cmn_department.department(id, s_caption, id_parent, type) values"
             " (50, 'Завод', 0, -1), (51, 'Цех', 50, -1), (52, 'Сирота', 999, -1)");
    dm->department.open();
    std::vector<std::string> names;
    for (dm->department.first(); !dm->department.eof(); dm->department.next())
        names.push_back(dm->department.field("s_caption").asString() + "/" + dm->department.field("s_parent").asString());
    EXPECT_EQ(names, (std::vector<std::string>{"Завод/", "Цех/Завод"}));
}

TEST_F(SharedDatasets, LinesOfAProductWithTheFilterOnAreThoseLeftToDo) {
    db->exec("insert into cmn_inventory_items.inventory_items(id, marka, id_type, id_msm, massa, ral_cons) values"
             " (10, 'Лист', 0, 4, 0, 0), (11, 'Рама', 2, 4, 2, 0);"
             "insert into mnf_proc_tech.proc_tech(s_caption, id_inventory_items, id_gds) values ('ТП', 11, 10);"
             "insert into mnf_app.app_doc(id, id_jur_person, id_person) values (1, 1, 1);"
             "insert into mnf_app.app_spec(id, id_app_doc, id_ii, cnt, done, id_ral) values"
             " (1, 1, 11, 5, 5, 0), (2, 1, 11, 5, 2, 0), (3, 1, 11, 4, 0, 0)");
    dm->app_spec.setParam("ii_id1", 11LL);
    dm->app_spec.setParam("ii_id2", 11LL);
    dm->app_spec.open();
    EXPECT_EQ(dm->app_spec.recordCount(), 3);
    dm->app_spec.setFiltered(true);
    std::vector<int> ids;
    for (dm->app_spec.first(); !dm->app_spec.eof(); dm->app_spec.next()) ids.push_back(dm->app_spec.field("id").asInt());
    EXPECT_EQ(ids, (std::vector<int>{3, 2}));
    EXPECT_EQ(dm->app_spec.filter(), "cnt_done>0");
}

TEST_F(SharedDatasets, ProcessWithoutOperationsCostsZero) {
    db->exec("insert into cmn_inventory_items.inventory_items(id, marka, id_type, id_msm) values (11, 'Рама', 2, 4);"
             "insert into mnf_proc_tech.proc_tech(s_caption, id_inventory_items, id_gds) values ('Пустой', 11, 0)");
    dm->proc_tech.open();
    ASSERT_EQ(dm->proc_tech.recordCount(), 1);
    EXPECT_EQ(dm->proc_tech.field("full_price").asString(), "0");
    EXPECT_FALSE(dm->proc_tech.field("full_price").isNull());
}

TEST_F(SharedDatasets, ReconnectingClosesEveryOpenDataset) {
    dm->role.open();
    dm->jur_person.open();
    auto target = ConnectionTarget::fromArguments({"unused"});
    (void)target;
    dm->ADO_DB.disconnect();
    EXPECT_FALSE(dm->role.isActive());
    EXPECT_FALSE(dm->jur_person.isActive());
}

TEST_F(SharedDatasets, VersionRowReadsAndPostsThroughTheTableDataset) {
    dm->ver.open();
    dm->ver.first();
    EXPECT_EQ(dm->ver.field("delim").asString(), ".");
    dm->ver.edit();
    dm->ver.setFieldValue("d", 20261211LL);
    dm->ver.post();
    dm->ver.close();
    EXPECT_EQ(db->value("select d from ver"), "20261211");
}

} // namespace
} // namespace velt
