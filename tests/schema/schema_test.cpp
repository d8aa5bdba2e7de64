// The database schema as the client relies on it: column defaults, cascading deletes,
// domain casts, fixed rows, key sequences, the time-sheet key, the rights of the screens'
// role and of the bootstrap login, and the shared query texts running against it.
#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "data/db_error.h"
#include "data/installation_config.h"
#include "data/query.h"
#include "tests/support/test_db.h"

namespace velt {
namespace {

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i) text += "\n";
        text += lines[i];
    }
    return text;
}

// A small plant: a workshop and a raw-materials warehouse under the root, a position, a
// role and a worker, a customer, a material, a product made from it, a paint, a process
// with one operation, a request with one painted line, stock, a receipt, an issue row, a
// user and a shift record of shift 1 on 05.03.2024.
const char* const kPlant = R"SQL(
insert into cmn_department.department(id, s_caption, s_description, id_parent, type, s_type) values
    (10, 'Цех 1', 'Заготовительный', 0, -1, ''),
    (11, 'Склад сырья', '', 0, 2, 'Склад сырья');
insert into hrms_staffpos.staffpos(id, s_caption, id_department, d_begin) values (20, 'Токарь', 10, '2020-01-01');
insert into adm_role.roles(id, s_name, s_caption, b_active) values (30, 'master', 'Мастер', true);
insert into cmn_contractor.person(id, s_caption, s_second_name, s_first_name, s_third_name,
                                  id_staffpos, id_department, id_role)
    values (40, 'Иванов Иван Иванович', 'Иванов', 'Иван', 'Иванович', 20, 10, 30);
insert into cmn_contractor.jur_person(id, s_caption, s_full_caption, s_ogrn, s_inn)
    values (50, 'Альфа', 'ООО "Альфа"', '1027700000000', '7700000000');
insert into cmn_inventory_items.nomenclature(id, s_caption, id_department) values (60, 'Металл', 10);
insert into cmn_inventory_items.inventory_items(id, marka, id_nom, id_type, massa, massa_kg, ral, ral_cons, id_msm, cost_price)
    values (70, 'Лист 2 мм', 60, 0, 1, 1, false, 0, 1, 10),
           (71, 'Кронштейн', 60, 2, 2, 2, true, 0.5, 4, 0),
           (72, 'RAL 9005', 60, 3, 1, 1, false, 0, 3, 0);
insert into mnf_operation.operation_type(id, s_caption, s_description) values (80, 'РЕЗКА', '');
insert into mnf_proc_tech.proc_tech(id, s_caption, id_inventory_items, id_gds) values (90, 'ТП кронштейна', 71, 70);
insert into mnf_operation.operation(id, id_type, id_state, price, id_inventory_items, id_proc_tech, orderby)
    values (100, 80, 0, 12.5, 71, 90, 1);
insert into stk_stocks.stock(id_stock, id_ii, id_ral, count, reserve, price) values (11, 70, 0, 100, 20, 10);
insert into stk_stocks.stock_in(id, date_in, id_jur_pers, id_department, id_accomp_doc)
    values (110, '2024-03-01', 50, 11, 'ТН-1');
insert into stk_stocks.spec_in(id_stock_in, id_gds, id_msm, cnt_gds, price) values (110, 70, 1, 100, 10);
insert into mnf_app.app_doc(id, id_jur_person, id_person, d_mnf, d_out) values (120, 50, 40, '2024-03-10', '2024-03-15');
insert into mnf_app.app_spec(id, id_app_doc, id_ii, cnt, id_ral, id_gds, price, cost_price, master_id)
    values (130, 120, 71, 10, 72, 70, 100, 50, 0);
insert into stk_stocks.spec_out(id_stock_out, id_gds, id_stock, cnt_gds, price, d_datetime, accept, id_app_doc, id_app_spec)
    values (0, 70, 11, 20, 10, now(), false, 120, 130);
insert into adm_user.users(id, s_name, s_caption, b_active, id_person) values (140, 'ivanov', 'Иванов И.И.', true, 40);
insert into accounts_dep.smena(data, smena, w_id, i_id, o_id, cena, kol_vo, brak, time, prize, color, ok, vvod,
                               id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use)
    values ('2024-03-05', 1, 40, 71, 100, 12.5, 10, 1, 8, 0, 0, 'no', now(), 120, 130, 0, 70, 0);
-- the keys handed out next lie above the ids given here
DO $$
DECLARE
    k record;
    top numeric;
BEGIN
    FOR k IN SELECT s.seqrelid::regclass AS seq, t.oid::regclass AS tab, a.attname AS col
               FROM pg_sequence s
               JOIN pg_depend d ON d.objid = s.seqrelid AND d.deptype = 'a'
               JOIN pg_class t ON t.oid = d.refobjid
               JOIN pg_attribute a ON a.attrelid = t.oid AND a.attnum = d.refobjsubid
    LOOP
        EXECUTE format('select max(%I) from %s', k.col, k.tab) INTO top;
        IF top > 0 THEN PERFORM setval(k.seq, top::bigint); END IF;
    END LOOP;
END
$$;
)SQL";

// The shared query texts of the data module, lines as the client joins them.

struct SharedQuery {
    const char* name;
    std::vector<std::string> lines;
    std::vector<std::string> fields;
    std::vector<std::pair<std::string, Variant>> params;
};

void PrintTo(const SharedQuery& c, std::ostream* os) { *os << c.name; }

const SharedQuery kSharedQueries[] = {
    {"workers",
     {"SELECT person.s_caption, s_second_name, s_first_name, s_third_name, b_employee, person.id, staff.s_caption "
      "s_staffpos, ",
      "staff.id staff_id, dep.s_caption s_department, dep.id dep_id , roles.s_caption s_role, roles.id role_id ",
      "FROM hrms_staffpos.staffpos staff, cmn_contractor.person person, cmn_department.department dep, adm_role.roles "
      "roles ",
      "where person.b_employee = true and staff.id=person.id_staffpos and dep.id=person.id_department and roles.id = "
      "person.id_role ",
      "order by s_caption"},
     {"s_caption", "s_second_name", "s_first_name", "s_third_name", "b_employee", "id", "s_staffpos", "s_department",
      "dep_id", "s_role", "role_id", "staff_id"},
     {}},
    {"operation",
     {"select distinct o.*, ot.s_caption s_type, ii.marka, os.s_caption s_state ",
      "from mnf_operation.operation o, mnf_operation.operation_type ot, cmn_inventory_items.inventory_items ii, "
      "mnf_operation.operation_state os  ",
      "where ii.id=o.id_inventory_items and ot.id = o.id_type and o.id_proc_tech = :id_proc_tech and os.id = "
      "o.id_state ",
      "order by orderby"},
     {"id_type", "id", "id_state", "price", "id_inventory_items", "id_proc_tech", "s_type", "marka", "s_state",
      "orderby"},
     {{"id_proc_tech", 90.0}}},
    {"operation_type",
     {"select * from mnf_operation.operation_type order by s_caption"},
     {"s_caption", "s_description", "id"},
     {}},
    {"department",
     {"select d.*, d1.s_caption s_parent from cmn_department.department d, cmn_department.v_department d1 ",
      "where d.id_parent = d1.id ", "order by s_caption;"},
     {"s_caption", "s_description", "id_parent", "type", "s_type", "id", "s_parent"},
     {}},
    {"inventory_items",
     {"select ii.*, (CASE ii.ral WHEN true THEN '+' END) as s_ral, it.s_caption as s_type, n.s_caption as s_nom,  "
      "m.s_identification,",
      "(select count(pt.id) from  mnf_proc_tech.proc_tech pt where pt.id_inventory_items = ii.id) as tp_cnt,pt2.id_gds, "
      "ii2.marka as s_caption_gds",
      "from cmn_inventory_items.inventory_items ii ",
      "left join cmn_inventory_items.ii_type it on ii.id_type = it.id ",
      "left join cmn_inventory_items.nomenclature n on ii.id_nom = n.id",
      "left join  cmn_msm.msm m on m.id = ii.id_msm ",
      "left join mnf_proc_tech.proc_tech pt2 on ii.id=pt2.id_inventory_items ",
      "left join cmn_inventory_items.inventory_items ii2 on ii2.id=pt2.id_gds ",
      " where ii.id<>0",
      "order by ii.marka"},
     {"s_type", "marka", "massa", "id", "id_nom", "s_nom", "id_type", "width", "thick", "ral", "s_ral", "id_msm",
      "ral_cons", "s_identification", "tp_cnt", "cost_price", "id_gds", "s_caption_gds", "massa_kg"},
     {}},
    {"staffpos",
     {"SELECT s.*, d.s_caption s_dep", "FROM hrms_staffpos.staffpos s, cmn_department.department d ",
      "where d.id=s.id_department order by s.s_caption"},
     {"id_department", "s_caption", "d_begin", "d_end", "s_description", "id", "s_dep"},
     {}},
    {"nomenclature",
     {"select n.*, d.s_caption s_department from cmn_inventory_items.nomenclature n, cmn_department.department d where "
      "d.id=n.id_department",
      "order by s_caption"},
     {"s_caption", "id", "id_department", "s_department"},
     {}},
    {"role",
     {"select *, case when b_active then '+' else '-' end as yesno from adm_role.roles order by s_caption"},
     {"id", "s_name", "s_caption", "d_begin", "d_end", "b_active", "yesno"},
     {}},
    {"proc_tech",
     {"select (case when sum(o.price) is null then 0 else sum(o.price) end) as full_price, pt.id, pt.s_caption, ii.marka "
      "as s_ii, pt.id_inventory_items, pt.id_gds, ii2.marka s_gds",
      "from mnf_proc_tech.proc_tech pt ",
      "left outer join mnf_operation.operation o on pt.id = o.id_proc_tech",
      "left join cmn_inventory_items.inventory_items ii on  ii.id = pt.id_inventory_items",
      "left join cmn_inventory_items.inventory_items ii2 on  ii2.id = pt.id_gds ",
      "group by pt.id, ii.marka, ii2.marka order by s_ii"},
     {"s_ii", "s_caption", "full_price", "id_inventory_items", "id", "id_gds", "s_gds"},
     {}},
    {"jur_person",
     {"select jp.* from cmn_contractor.jur_person jp  ", "order by jp.s_caption"},
     {"s_caption", "s_full_caption", "s_ogrn", "s_inn", "id"},
     {}},
    {"stock",
     {"select s.*, (s.count-s.reserve) as balance, ii.marka as ii_caption, d.s_caption d_caption ",
      "from stk_stocks.stock s, cmn_inventory_items.inventory_items ii, ",
      "cmn_department.department d ",
      "where s.id_ii = ii.id and s.id_stock =d.id and (d.\"type\" =2 or d.\"type\" =1)"},
     {"id", "id_stock", "id_ii", "count", "price", "ii_caption", "d_caption", "reserve", "gds_price", "job_price",
      "balance"},
     {}},
    {"stock_in",
     {"select si.*, jp.s_full_caption as jp_caption, d.s_caption as dep_caption, (select count(si2.id)",
      " from stk_stocks.spec_in si2 where si2.accept = false and si.id=si2.id_stock_in) as cnt_accept",
      "from stk_stocks.stock_in si, cmn_contractor.jur_person jp, cmn_department.department d  ",
      "where si.id_jur_pers = jp.id and si.id_department = d.id and d.\"type\" <>0",
      "group by si.id, jp.s_full_caption, d.s_caption;"},
     {"id_jur_pers", "date_in", "d_datetime", "jp_caption", "id_department", "dep_caption", "id", "id_accomp_doc",
      "cnt_accept"},
     {}},
    {"app_doc",
     {"SELECT ad.*, jp.s_full_caption s_jp_caption, p.s_caption s_person_caption, jp.id as id_jp",
      "FROM mnf_app.app_doc ad, cmn_contractor.jur_person jp, cmn_contractor.person p where ad.id_jur_person = jp.id and "
      "ad.id_person = p.id and ad.id_app_doc =0 ",
      "order by d_date DESC"},
     {"id", "d_date", "id_jur_person", "id_person", "d_mnf", "d_out", "m_id", "id_app_doc", "id_app_spec",
      "s_jp_caption", "s_person_caption", "id_jp"},
     {}},
    {"app_spec",
     {"SELECT as1.id, as1.cnt-as1.done as cnt_done, as1.cnt, as1.done, as1.id_ii, ii.marka ii_s_caption, "
      "m.s_identification as msm_s_caption, as1.id_app_doc, ii.ral_cons, as1.job_price, as1.gds_price,",
      "(ii.ral_cons*cnt)::t_money as ral_need, ii2.marka as ral_s_caption, (ii.massa*as1.cnt)::t_money as gds_need, "
      "ii1.marka as gds_s_caption, ii1.id as id_gds, ii1.id_type as id_type_gds,",
      "case when ad.id_app_doc=0 then NULL else ad.id_app_doc end  as ad_id_app_doc, ad.d_mnf, ad.d_out, "
      "ad.id_jur_person, ad.id_person, ad.id_app_spec, ",
      "(select sum(distinct s.count-s.reserve) as stk_gds from stk_stocks.stock s, mnf_proc_tech.proc_tech pt where "
      "s.id_ii = pt.id_gds and pt.id_inventory_items = ii.id),",
      "(select sum(distinct s.count-s.reserve) as stk_ral from stk_stocks.stock s, mnf_proc_tech.proc_tech pt where "
      "s.id_ii = as1.id_ral),",
      "case when as1.accept then 'Да' else 'Нет' end as yesno,as1.accept, (ii.massa*as1.cnt)::t_money as massa_gds, "
      "as1.id_ral,",
      "case when as1.accept_stock=2 then 'Да' else 'Нет' end as yesno_stk,as1.accept_stock",
      "FROM cmn_inventory_items.inventory_items ii, cmn_msm.msm m, cmn_inventory_items.inventory_items ii1, "
      "mnf_proc_tech.proc_tech pt ",
      "left join mnf_app.app_spec as1 on as1.id_ii = :ii_id2",
      "left join mnf_app.app_doc ad on ad.id = as1.id_app_doc ",
      "left join cmn_inventory_items.inventory_items ii2 on ii2.id = as1.id_ral",
      "where m.id = ii.id_msm and pt.id_inventory_items = ii.id and ii.id = :ii_id1 and ii1.id=pt.id_gds",
      "order by as1.id_app_doc DESC, as1.id desc"},
     {"id", "cnt_done", "cnt", "id_ii", "ii_s_caption", "msm_s_caption", "yesno", "accept", "massa_gds", "id_ral",
      "ral_s_caption", "ral_need", "gds_need", "stk_gds", "stk_ral", "ral_cons", "gds_s_caption", "id_gds", "job_price",
      "gds_price", "id_app_doc", "ad_id_app_doc", "id_type_gds", "d_mnf", "d_out", "id_jur_person", "id_person",
      "id_app_spec", "yesno_stk", "accept_stock", "done"},
     {{"ii_id2", 71.0}, {"ii_id1", 71.0}}},
    {"spec_out",
     {"SELECT ii.marka, ii.id as ii_id, ii.id_nom, d.s_caption , id_stock_out, id_stock, cnt_gds, d_datetime, so.accept, "
      "so.id, so.id_app_doc, m.s_identification as msm_caption, as2.id_ral,",
      "case when so.accept then 'Да' else 'Нет' end as yesno, id_app_spec, ii.ral_cons, so.price, "
      "so.price*so.cnt_gds::t_money as all_price_gds",
      "FROM stk_stocks.spec_out so, cmn_inventory_items.inventory_items ii, cmn_msm.msm m, cmn_department.department d, "
      "mnf_app.app_spec as2 ",
      "where ii.id = so.id_gds and ii.id_msm = m.id and d.id = so.id_stock and as2.id=id_app_spec",
      "order by id_app_doc desc, so.id_app_spec asc, ii.marka asc"},
     {"marka", "id_stock_out", "cnt_gds", "d_datetime", "accept", "id", "id_app_doc", "msm_caption", "yesno",
      "id_app_spec", "ral_cons", "price", "s_caption", "ii_id", "id_nom", "all_price_gds", "id_ral", "id_stock"},
     {}},
    {"user",
     {"select * from adm_user.users u where s_name = :s_name"},
     {"id", "s_name", "s_caption", "d_registered", "d_closed", "b_active", "id_person"},
     {{"s_name", std::string("ivanov")}}},
    {"Smena1",
     {"select smena.id, smena.data, smena.smena, smena.i_id, smena.o_id, smena.w_id, ",
      "smena.cena,person.s_caption fio, ii1.marka, ot.s_caption vid_oper, (SELECT (CASE id_state WHEN 0 THEN 'Готовая "
      "продукция' ELSE 'Заготовки' END)) as nmn, o.id, smena.kol_vo, smena.brak, ",
      "round((kol_vo::numeric-brak::numeric)*smena.cena::numeric, 2) as summa, smena.prize,time, smena.ok, date(vvod) "
      "as vvod, smena.id_doc, smena.id_doc_item, smena.f_gds_qty_use, smena.id_gds_use, ",
      "smena.id_cons_use, ii.marka as s_caption_color ",
      "from cmn_contractor.person person,cmn_inventory_items.inventory_items ii1, mnf_operation.operation "
      "o,accounts_dep.smena, mnf_operation.operation_type ot, mnf_app.app_spec as2, cmn_inventory_items.inventory_items "
      "ii ",
      "where smena.i_id=ii1.id and smena.o_id=o.id and ii.id = as2.id_ral and as2.id_ii = ii1.id and "
      "as2.id=smena.id_doc_item and ",
      "o.id_type=ot.id and smena.smena=1 and smena.data=:data and ok!=:OK and smena.w_id= person.id ",
      "order by  ii1.marka, fio,ot.s_caption, o.id"},
     {"id", "data", "smena", "i_id", "o_id", "w_id", "cena", "fio", "marka", "vid_oper", "nmn", "id_1", "kol_vo",
      "brak", "summa", "prize", "time", "ok", "vvod", "id_doc", "id_doc_item", "f_gds_qty_use", "id_gds_use",
      "id_cons_use", "s_caption_color"},
     {{"data", DateTime::fromYmd(2024, 3, 5)}, {"OK", std::string("ta")}}},
};

std::string sharedText(const std::string& name) {
    for (auto& q : kSharedQueries)
        if (name == q.name) return joinLines(q.lines);
    throw std::logic_error("no shared query " + name);
}

class SchemaTest : public test::DbTest {
protected:
    // A statement the way a window sends it: through the general command, as the user.
    void send(const std::string& sql) {
        dm->cmd_all.setText(sql);
        dm->cmd_all.execute();
    }
    // First column of the first row of a query run as the user ("" for null or no row).
    std::string clientValue(const std::string& sql) {
        Query q(dm->ADO_DB, "probe", sql);
        q.open();
        if (q.isEmpty()) return {};
        return std::string(q.rawAt(0, 0));
    }
};

// ---- defaults ----

class TimeSheetRowDefaults : public test::DbTest, public ::testing::WithParamInterface<int> {};

TEST_P(TimeSheetRowDefaults, RowCreatedWithOneDayHasZeroInEveryOtherDay) {
    const int day = GetParam();
    // The time-sheet upkeep creates a row naming only the day it knows.
    dm->cmd_all.setText("insert into accounts_dep.h_tabel(smena, w_id, month, year, d" + std::to_string(day) +
                            ") values(1, 40, 3, 2024, 8)");
    dm->cmd_all.execute();
    std::string columns;
    for (int d = 1; d <= 31; ++d) columns += (d > 1 ? ", " : "") + ("d" + std::to_string(d));
    auto rows = db->rows("select " + columns + " from accounts_dep.h_tabel where w_id = 40");
    ASSERT_EQ(rows.size(), 1u);
    for (int d = 1; d <= 31; ++d)
        EXPECT_EQ(rows[0][d - 1], d == day ? "8" : "0") << "d" << d << " after inserting d" << day;
}

INSTANTIATE_TEST_SUITE_P(Days, TimeSheetRowDefaults, ::testing::Values(1, 15, 28, 31));

TEST_F(SchemaTest, RequestWithoutParentIsFromSalesAndListedAmongTheRequests) {
    db->exec(kPlant);
    // The sales window names neither the parent nor the date.
    send("INSERT INTO mnf_app.app_doc(id_jur_person, id_person, d_mnf, d_out)VALUES(50, 40, '10.04.2024', '15.04.2024')");
    std::string id = db->value("select max(id) from mnf_app.app_doc");
    EXPECT_EQ(db->value("select id_app_doc from mnf_app.app_doc where id = " + id), "0");
    EXPECT_EQ(db->value("select d_mnf from mnf_app.app_doc where id = " + id), "2024-04-10");
    // A request for blanks names its parent and is not among them.
    send("INSERT INTO mnf_app.app_doc(id_jur_person, id_person, d_mnf, d_out, id_app_doc, id_app_spec)VALUES(50, 40, "
         "'10.04.2024', '15.04.2024'," + id + ",130)");
    std::string derived = db->value("select max(id) from mnf_app.app_doc");

    Query appDoc(dm->ADO_DB, "app_doc", sharedText("app_doc"));
    appDoc.open();
    EXPECT_TRUE(appDoc.locate("id", std::stoll(id)));
    EXPECT_EQ(appDoc.field("id_app_doc").asInteger(), 0);
    EXPECT_EQ(appDoc.field("s_jp_caption").asString(), "ООО \"Альфа\"");
    EXPECT_FALSE(appDoc.locate("id", std::stoll(derived)));
}

TEST_F(SchemaTest, PersonWithoutEmployeeFlagIsListedAmongTheWorkers) {
    db->exec(kPlant);
    // The persons editor's insert leaves b_employee out.
    send("INSERT INTO cmn_contractor.person (s_caption, s_second_name, s_first_name, s_third_name, id_staffpos, "
         "id_department, id_role)VALUES('Петров Пётр Петрович', 'Петров', 'Пётр', 'Петрович', 20, 10, 30)");
    db->exec("insert into cmn_contractor.person(s_caption, b_employee, id_staffpos, id_department, id_role) "
             "values ('Сторонний', false, 20, 10, 30)");
    EXPECT_EQ(db->value("select b_employee from cmn_contractor.person where s_caption = 'Петров Пётр Петрович'"), "t");

    Query workers(dm->ADO_DB, "workers", sharedText("workers"));
    workers.open();
    ASSERT_TRUE(workers.locate("s_caption", std::string("Петров Пётр Петрович")));
    EXPECT_EQ(workers.field("s_staffpos").asString(), "Токарь");
    EXPECT_EQ(workers.field("s_department").asString(), "Цех 1");
    EXPECT_EQ(workers.field("s_role").asString(), "Мастер");
    EXPECT_FALSE(workers.locate("s_caption", std::string("Сторонний")));
}

// A row inserted the way the client inserts it, and what the database must have filled in.
struct DefaultCase {
    const char* name;
    std::vector<std::string> setup;  // run as administrator before the insert
    const char* insert;              // the client's statement
    const char* table;               // the new row is the one with the largest id
    std::string condition;           // must hold for the new row
};

void PrintTo(const DefaultCase& c, std::ostream* os) { *os << c.name; }

// d_date and d_datetime are the moment of insert: filled, and not in the future.
std::string justNow(const std::string& column) {
    return column + " is not null and " + column + " <= localtimestamp and " + column +
           " > localtimestamp - interval '1 day'";
}

class ColumnDefaults : public test::DbTest, public ::testing::WithParamInterface<DefaultCase> {};

TEST_P(ColumnDefaults, InsertLeavingColumnsOutGetsTheirDefaults) {
    const auto& c = GetParam();
    for (auto& s : c.setup) db->exec(s);
    dm->cmd_all.setText(c.insert);
    dm->cmd_all.execute();
    std::string row = std::string("(select * from ") + c.table + " order by id desc limit 1) r";
    EXPECT_EQ(db->value("select count(*) from " + row), "1");
    EXPECT_EQ(db->value("select (" + c.condition + ")::text from " + row), "true")
        << c.condition << "\nrow: " << db->value("select row_to_json(r)::text from " + row);
}

INSTANTIATE_TEST_SUITE_P(Tables, ColumnDefaults, ::testing::Values(
    DefaultCase{"RequestLineStartsDrawnUp",
                {"insert into mnf_app.app_doc(id) values (1)"},
                "INSERT INTO mnf_app.app_spec(id_ii, cnt, id_app_doc, id_ral, id_gds, price, cost_price, master_id)"
                "VALUES(71, 10, 1, 0,70, 100, 50,0)",
                "mnf_app.app_spec",
                "state = 0 and accept = false and done = 0 and accept_stock = 0 and shipped = 0"},
    DefaultCase{"RequestGetsItsDateAndSalesParent", {},
                "INSERT INTO mnf_app.app_doc(id_jur_person, id_person, d_mnf, d_out)VALUES(50, 40, '10.04.2024', "
                "'15.04.2024')",
                "mnf_app.app_doc", justNow("d_date") + " and id_app_doc = 0"},
    DefaultCase{"StockRowHasNothingReserved", {},
                "INSERT INTO stk_stocks.stock (id_stock, id_ii, count, price)VALUES(11, 70, 25, 10)",
                "stk_stocks.stock", "reserve = 0 and count - reserve = 25 and job_price = 0 and gds_price = 0"},
    DefaultCase{"ReceiptOrderGetsItsMoment", {},
                "INSERT INTO stk_stocks.stock_in (date_in, id_accomp_doc, id_jur_pers, id_department)VALUES("
                "'01.03.2024', 'ТН-7', 50, 11)",
                "stk_stocks.stock_in", justNow("d_datetime") + " and date_in = date '2024-03-01'"},
    DefaultCase{"ReceiptLineStartsUnaccepted",
                {"insert into stk_stocks.stock_in(id) values (nextval('stk_stocks.stocks_id_seq'))"},
                "INSERT INTO stk_stocks.spec_in(id_gds, id_stock_in, id_msm, cnt_gds, price) VALUES(70, "
                "(select max(id) from stk_stocks.stock_in), 1, 5, 10)",
                "stk_stocks.spec_in", "accept = false"},
    DefaultCase{"ShippingRequestGetsItsMoment", {},
                "INSERT INTO stk_stocks.stock_out(id_person, id_jur_pers, id_accomp_doc, date_out)VALUES(40, 50, 0, "
                "'20.03.2024')",
                "stk_stocks.stock_out", justNow("d_datetime")},
    DefaultCase{"ShippingLineHasNoWarehouseYet", {},
                "INSERT INTO stk_stocks.spec_out(id_gds, id_stock_out, cnt_gds, price, d_datetime, accept, id_app_doc, "
                "id_app_spec) VALUES(70, 0, 20, 10, now()::t_datetime, false, 120, 130)",
                "stk_stocks.spec_out", "id_stock = 0"},
    DefaultCase{"PurchaseRequestGetsItsMoment", {},
                "INSERT INTO stk_purchase.purchase_doc( id_jur_person, id_person, d_in)VALUES(50, 40, '01.04.2024')",
                "stk_purchase.purchase_doc", justNow("d_date")},
    DefaultCase{"PurchaseLineStartsOpen",
                {"insert into stk_purchase.purchase_doc(id) values (1)"},
                "INSERT INTO stk_purchase.purchase_spec(id_gds, cnt, id_purchase_doc, cnt_need)VALUES(70, 12, 1, 12)",
                "stk_purchase.purchase_spec", "state = 0 and accept = false"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- cascades ----

struct CascadeCase {
    const char* parent;
    const char* child;
    const char* reference;  // the child's column naming the parent
};

void PrintTo(const CascadeCase& c, std::ostream* os) { *os << c.parent << " → " << c.child; }

class CascadingDeletes : public test::DbTest, public ::testing::WithParamInterface<CascadeCase> {};

TEST_P(CascadingDeletes, DeletingTheParentTakesOnlyItsOwnChildren) {
    const auto& c = GetParam();
    const std::string parent = c.parent, child = c.child, ref = c.reference;
    std::string first = db->value("insert into " + parent + " default values returning id");
    std::string second = db->value("insert into " + parent + " default values returning id");
    for (const auto& p : {first, second})
        db->exec("insert into " + child + "(" + ref + ") values (" + p + "), (" + p + ")");

    dm->cmd_all.setText("delete from " + parent + " where id=" + first);
    dm->cmd_all.execute();

    EXPECT_EQ(db->value("select count(*) from " + child + " where " + ref + " = " + first), "0");
    EXPECT_EQ(db->value("select count(*) from " + child + " where " + ref + " = " + second), "2");
    EXPECT_EQ(db->value("select count(*) from " + parent + " where id = " + second), "1");
}

INSTANTIATE_TEST_SUITE_P(Parents, CascadingDeletes, ::testing::Values(
    CascadeCase{"mnf_app.app_doc", "mnf_app.app_spec", "id_app_doc"},
    CascadeCase{"stk_stocks.stock_in", "stk_stocks.spec_in", "id_stock_in"},
    CascadeCase{"stk_purchase.purchase_doc", "stk_purchase.purchase_spec", "id_purchase_doc"},
    CascadeCase{"mnf_proc_tech.proc_tech", "mnf_operation.operation", "id_proc_tech"}),
    [](const auto& info) {
        std::string n = info.param.child;
        for (auto& ch : n)
            if (ch == '.') ch = '_';
        return n;
    });

// ---- domains ----

struct CastCase {
    const char* expr;
    const char* type;   // the domain the value carries
    const char* value;  // as the server prints it, or "t" for a comparison that must hold
    const char* check;  // a comparison on v, or nullptr to compare the value itself
};

void PrintTo(const CastCase& c, std::ostream* os) { *os << c.expr; }

class DomainCasts : public test::DbTest, public ::testing::WithParamInterface<CastCase> {};

TEST_P(DomainCasts, ClientCastIsAccepted) {
    const auto& c = GetParam();
    std::string v = std::string("(") + c.expr + ")";
    Query q(dm->ADO_DB, "cast", "select pg_typeof" + v + "::text as type, " +
                                    (c.check ? "(" + std::string(c.check) + ")::text" : v + "::text") + " as value "
                                    "from (select " + c.expr + " as v) s");
    q.open();
    EXPECT_EQ(std::string(q.rawAt(0, 0)), c.type) << c.expr;
    EXPECT_EQ(std::string(q.rawAt(0, 1)), c.value) << c.expr;
}

INSTANTIATE_TEST_SUITE_P(Domains, DomainCasts, ::testing::Values(
    CastCase{"now()::t_date", "t_date", "true", "v = current_date"},
    CastCase{"now()::t_datetime", "t_datetime", "true", "v = localtimestamp"},
    CastCase{"'x'::t_code", "t_code", "x", nullptr},
    CastCase{"12.5::t_money", "t_money", "12.5000", nullptr},
    CastCase{"1.5::t_float", "t_float", "1.5", nullptr},
    CastCase{"5::t_id", "t_id", "5", nullptr},
    CastCase{"5::t_integer", "t_integer", "5", nullptr},
    CastCase{"true::t_boolean", "t_boolean", "true", nullptr},
    CastCase{"'false'::t_boolean", "t_boolean", "false", nullptr},
    CastCase{"1::t_boolean", "t_boolean", "true", nullptr},
    CastCase{"0::t_boolean", "t_boolean", "false", nullptr}));

// ---- fixed rows ----

struct FixedRow {
    const char* what;
    const char* sql;
    const char* expected;
};

void PrintTo(const FixedRow& c, std::ostream* os) { *os << c.what; }

class FixedRows : public test::DbTest, public ::testing::WithParamInterface<FixedRow> {};

TEST_P(FixedRows, PresentInEveryNewDatabase) {
    const auto& c = GetParam();
    Query q(dm->ADO_DB, "fixed", c.sql);
    q.open();
    ASSERT_FALSE(q.isEmpty()) << c.what;
    EXPECT_EQ(std::string(q.rawAt(0, 0)), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Rows, FixedRows, ::testing::Values(
    FixedRow{"one version row", "select count(*) from ver", "1"},
    FixedRow{"decimal separator of composed SQL", "select delim from ver", "."},
    FixedRow{"unit 4, the default of new items", "select count(*) from cmn_msm.msm where id = 4", "1"},
    FixedRow{"item kinds", "select string_agg(id::text, ',' order by id) from cmn_inventory_items.ii_type", "0,1,2,3"},
    FixedRow{"operation states",
             "select string_agg(id || ':' || s_caption, ',' order by id) from mnf_operation.operation_state",
             "0:Готовая продукция,1:Заготовки"},
    FixedRow{"item 0 for lines without paint", "select count(*) from cmn_inventory_items.inventory_items where id = 0",
             "1"},
    FixedRow{"department 0", "select count(*) from cmn_department.department where id = 0", "1"}));

// ---- sequences ----

TEST_F(SchemaTest, ProcessSequenceTellsTheIdOfTheProcessJustInserted) {
    db->exec(kPlant);
    for (const char* caption : {"ТП 1", "ТП 2"}) {
        send(std::string("insert into mnf_proc_tech.proc_tech(s_caption, id_inventory_items, id_gds)VALUES('") + caption +
             "' ,71 ,70)");
        std::string last =
            clientValue("SELECT pg_sequence_last_value('mnf_proc_tech.proc_tech_id_seq') as max_id;");
        EXPECT_EQ(last, db->value(std::string("select id from mnf_proc_tech.proc_tech where s_caption = '") + caption +
                                  "'"));
    }
}

TEST_F(SchemaTest, ReceiptSequenceTellsTheIdOfTheOrderJustInserted) {
    db->exec(kPlant);
    EXPECT_EQ(db->value("select pg_get_serial_sequence('stk_stocks.stock_in', 'id')"), "stk_stocks.stocks_id_seq");
    for (const char* doc : {"ГП-1", "ГП-2"}) {
        send(std::string("INSERT INTO stk_stocks.stock_in (date_in, id_accomp_doc, id_jur_pers, id_department)VALUES("
                         "'05.03.2024', '") + doc + "', 50, 11)");
        EXPECT_EQ(clientValue("select currval('stk_stocks.stocks_id_seq')"),
                  db->value(std::string("select id from stk_stocks.stock_in where id_accomp_doc = '") + doc + "'"));
    }
}

// ---- time-sheet key ----

TEST_F(SchemaTest, TimeSheetHasOneRowPerWorkerShiftMonthAndYear) {
    auto insert = [&](int w, int s, int m, int y) {
        dm->cmd_all.setText("insert into accounts_dep.h_tabel(smena, w_id, month, year, d5) values(" +
                                std::to_string(s) + ", " + std::to_string(w) + ", " + std::to_string(m) + ", " +
                                std::to_string(y) + ", 8)");
        dm->cmd_all.execute();
    };
    insert(40, 1, 3, 2024);
    EXPECT_THROW(insert(40, 1, 3, 2024), DbError);
    EXPECT_EQ(db->value("select count(*) from accounts_dep.h_tabel"), "1");
    // Any part of the key told apart makes a row of its own.
    struct { int w, s, m, y; } others[] = {{41, 1, 3, 2024}, {40, 4, 3, 2024}, {40, 1, 4, 2024}, {40, 1, 3, 2025}};
    for (auto& o : others) EXPECT_NO_THROW(insert(o.w, o.s, o.m, o.y)) << o.w << " " << o.s << " " << o.m << " " << o.y;
    EXPECT_EQ(db->value("select count(*) from accounts_dep.h_tabel"), "5");
}

class SharedQueries : public test::DbTest, public ::testing::WithParamInterface<SharedQuery> {};

TEST_P(SharedQueries, OpenAsTheScreensRoleWithTheirFields) {
    const auto& c = GetParam();
    db->exec(kPlant);
    Query q(dm->ADO_DB, c.name, joinLines(c.lines));
    for (auto& f : c.fields) q.declareField({f});
    for (auto& [name, value] : c.params) q.setParam(name, value);
    ASSERT_NO_THROW(q.open()) << c.name;
    EXPECT_FALSE(q.isEmpty()) << c.name << " finds the plant's rows";
    for (auto& f : c.fields) EXPECT_TRUE(q.hasField(f)) << c.name << "." << f;
}

INSTANTIATE_TEST_SUITE_P(DataModule, SharedQueries, ::testing::ValuesIn(kSharedQueries),
                         [](const auto& info) { return std::string(info.param.name); });

// What the shared queries read back from the plant, beyond their fields being there.
TEST_F(SchemaTest, SharedQueriesComputeTheirColumns) {
    db->exec(kPlant);
    Query stock(dm->ADO_DB, "stock", sharedText("stock"));
    stock.open();
    ASSERT_EQ(stock.recordCount(), 1);
    EXPECT_EQ(stock.field("balance").asFloat(), 80);
    EXPECT_EQ(stock.field("d_caption").asString(), "Склад сырья");

    Query smena(dm->ADO_DB, "Smena1",
                sharedText("Smena1"));
    smena.setParam("data", DateTime::fromYmd(2024, 3, 5));
    smena.setParam("OK", std::string("ta"));
    smena.open();
    ASSERT_EQ(smena.recordCount(), 1);
    EXPECT_EQ(smena.field("fio").asString(), "Иванов Иван Иванович");
    EXPECT_EQ(smena.field("nmn").asString(), "Готовая продукция");
    EXPECT_EQ(smena.field("vid_oper").asString(), "РЕЗКА");
    EXPECT_EQ(smena.field("s_caption_color").asString(), "RAL 9005");
    EXPECT_EQ(smena.field("summa").asFloat(), 112.5);  // (10 - 1) × 12.5
    EXPECT_EQ(smena.field("id_1").asInteger(), 100);

    Query procTech(dm->ADO_DB, "proc_tech", sharedText("proc_tech"));
    db->exec("insert into mnf_proc_tech.proc_tech(id, s_caption, id_inventory_items, id_gds) values (91, 'Пустой', 71, 70)");
    procTech.open();
    ASSERT_TRUE(procTech.locate("id", 91LL));
    EXPECT_EQ(procTech.field("full_price").asFloat(), 0);
    ASSERT_TRUE(procTech.locate("id", 90LL));
    EXPECT_EQ(procTech.field("full_price").asFloat(), 12.5);
}

// ---- the bootstrap login ----

struct SysCase {
    const char* sql;
    bool allowed;
};

void PrintTo(const SysCase& c, std::ostream* os) { *os << c.sql; }

class BootstrapLogin : public test::DbTest, public ::testing::WithParamInterface<SysCase> {};

TEST_P(BootstrapLogin, MayOnlyLookUpUsersAndTheVersionRow) {
    const auto& c = GetParam();
    auto conf = InstallationConfig::loadFile(test::TestCluster::instance().root() +
                                             "/config/velt-erp/installation.conf");
    ASSERT_TRUE(conf.has_value());
    ASSERT_FALSE(conf->bootstrapPassword.empty());
    Connection sys;
    sys.connect(db->params("sys", conf->bootstrapPassword));
    if (c.allowed) {
        EXPECT_NO_THROW(sys.run(c.sql)) << c.sql;
    } else {
        try {
            sys.run(c.sql);
            ADD_FAILURE() << "sys may run " << c.sql;
        } catch (const DbError& e) {
            EXPECT_EQ(e.sqlState(), "42501") << c.sql << ": " << e.what();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Statements, BootstrapLogin, ::testing::Values(
    SysCase{"select * from ver", true},
    SysCase{"update ver set d = d, t = t", true},
    SysCase{"select * from adm_user.users u where s_name = 'ivanov'", true},
    SysCase{"select * from cmn_contractor.person", false},
    SysCase{"select * from mnf_app.app_doc", false},
    SysCase{"insert into adm_user.users(s_name) values ('intruder')", false},
    SysCase{"delete from ver", false},
    SysCase{"select truncate_tables('mnf_app')", false}));

} // namespace
} // namespace velt
