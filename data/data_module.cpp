#include "data/data_module.h"

#include "data/db_error.h"
#include "data/sql_compose.h"

namespace velt {

namespace {

std::string lines(std::initializer_list<const char*> parts) {
    std::string out;
    for (const char* p : parts) {
        if (!out.empty()) out += '\n';
        out += p;
    }
    return out;
}

using K = FieldKind;

void declare(Dataset& d, std::initializer_list<std::pair<const char*, FieldKind>> fields) {
    for (auto& [name, kind] : fields) d.declareField({name, kind});
}

std::string smenaText(int shift) {
    std::string n = std::to_string(shift);
    return lines({
        "select smena.id, smena.data, smena.smena, smena.i_id, smena.o_id, smena.w_id, ",
        "smena.cena,person.s_caption fio, ii1.marka, ot.s_caption vid_oper, (SELECT (CASE id_state WHEN 0 THEN "
        "'Готовая продукция' ELSE 'Заготовки' END)) as nmn, o.id, smena.kol_vo, smena.brak, ",
        "round((kol_vo::numeric-brak::numeric)*smena.cena::numeric, 2) as summa, smena.prize,time, smena.ok, date(vvod) "
        "as vvod, smena.id_doc, smena.id_doc_item, smena.f_gds_qty_use, smena.id_gds_use, ",
        "smena.id_cons_use, ii.marka as s_caption_color ",
        "from cmn_contractor.person person,cmn_inventory_items.inventory_items ii1, mnf_operation.operation "
        "o,accounts_dep.smena, mnf_operation.operation_type ot, mnf_app.app_spec as2, cmn_inventory_items.inventory_items ii ",
        "where smena.i_id=ii1.id and smena.o_id=o.id and ii.id = as2.id_ral and as2.id_ii = ii1.id and "
        "as2.id=smena.id_doc_item and ",
        ("o.id_type=ot.id and smena.smena=" + n + " and smena.data=:data and ok!=:OK and smena.w_id= person.id ").c_str(),
        "order by  ii1.marka, fio,ot.s_caption, o.id",
    });
}

void declareSmena(Dataset& d) {
    declare(d, {{"id", K::Integer}, {"data", K::Date}, {"smena", K::Integer}, {"i_id", K::Integer},
                {"o_id", K::Integer}, {"w_id", K::Integer}, {"cena", K::Decimal}, {"fio", K::Text},
                {"marka", K::Text}, {"vid_oper", K::Text}, {"nmn", K::Text}, {"id_1", K::Integer},
                {"kol_vo", K::Decimal}, {"brak", K::Integer}, {"summa", K::Decimal}, {"prize", K::Decimal},
                {"time", K::Integer}, {"ok", K::Text}, {"vvod", K::Date}, {"id_doc", K::Decimal},
                {"id_doc_item", K::Decimal}, {"f_gds_qty_use", K::Decimal}, {"id_gds_use", K::Decimal},
                {"id_cons_use", K::Decimal}, {"s_caption_color", K::Text}});
}

} // namespace

std::string TDataModule6::inventoryItemsText() {
    return lines({
        "select ii.*, (CASE ii.ral WHEN true THEN '+' END) as s_ral, it.s_caption as s_type, n.s_caption as s_nom,  "
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
        "order by ii.marka",
    });
}

TDataModule6::TDataModule6()
    : cmd_all(ADO_DB, "cmd_all"),
      Control(ADO_DB, "Control"),
      workers(ADO_DB, "workers",
              lines({"SELECT person.s_caption, s_second_name, s_first_name, s_third_name, b_employee, person.id, "
                     "staff.s_caption s_staffpos, ",
                     "staff.id staff_id, dep.s_caption s_department, dep.id dep_id , roles.s_caption s_role, roles.id "
                     "role_id ",
                     "FROM hrms_staffpos.staffpos staff, cmn_contractor.person person, cmn_department.department dep, "
                     "adm_role.roles roles ",
                     "where person.b_employee = true and staff.id=person.id_staffpos and dep.id=person.id_department and "
                     "roles.id = person.id_role ",
                     "order by s_caption"})),
      operation(ADO_DB, "operation",
                lines({"select distinct o.*, ot.s_caption s_type, ii.marka, os.s_caption s_state ",
                       "from mnf_operation.operation o, mnf_operation.operation_type ot, "
                       "cmn_inventory_items.inventory_items ii, mnf_operation.operation_state os  ",
                       "where ii.id=o.id_inventory_items and ot.id = o.id_type and o.id_proc_tech = :id_proc_tech and "
                       "os.id = o.id_state ",
                       "order by orderby"})),
      operation_type(ADO_DB, "operation_type", "select * from mnf_operation.operation_type order by s_caption"),
      Smena1(ADO_DB, "Smena1", smenaText(1)),
      Smena2(ADO_DB, "Smena2", smenaText(2)),
      Smena3(ADO_DB, "Smena3", smenaText(3)),
      Smena4(ADO_DB, "Smena4", smenaText(4)),
      DelSmena(ADO_DB, "DelSmena"),
      H_Tabel_ins(ADO_DB, "H_Tabel_ins"),
      department(ADO_DB, "department",
                 lines({"select d.*, d1.s_caption s_parent from cmn_department.department d, cmn_department.v_department d1 ",
                        "where d.id_parent = d1.id ", "order by s_caption;"})),
      inventory_items(ADO_DB, "inventory_items", inventoryItemsText()),
      ver(ADO_DB, "ver", "ver"),
      staffpos(ADO_DB, "staffpos",
               lines({"SELECT s.*, d.s_caption s_dep", "FROM hrms_staffpos.staffpos s, cmn_department.department d ",
                      "where d.id=s.id_department order by s.s_caption"})),
      nomenclature(ADO_DB, "nomenclature",
                   lines({"select n.*, d.s_caption s_department from cmn_inventory_items.nomenclature n, "
                          "cmn_department.department d where d.id=n.id_department",
                          "order by s_caption"})),
      role(ADO_DB, "role",
           "select *, case when b_active then '+' else '-' end as yesno from adm_role.roles order by s_caption"),
      proc_tech(ADO_DB, "proc_tech",
                lines({"select (case when sum(o.price) is null then 0 else sum(o.price) end) as full_price, pt.id, "
                       "pt.s_caption, ii.marka as s_ii, pt.id_inventory_items, pt.id_gds, ii2.marka s_gds",
                       "from mnf_proc_tech.proc_tech pt ",
                       "left outer join mnf_operation.operation o on pt.id = o.id_proc_tech",
                       "left join cmn_inventory_items.inventory_items ii on  ii.id = pt.id_inventory_items",
                       "left join cmn_inventory_items.inventory_items ii2 on  ii2.id = pt.id_gds ",
                       "group by pt.id, ii.marka, ii2.marka order by s_ii"})),
      jur_person(ADO_DB, "jur_person", lines({"select jp.* from cmn_contractor.jur_person jp  ", "order by jp.s_caption"})),
      stock(ADO_DB, "stock",
            lines({"select s.*, (s.count-s.reserve) as balance, ii.marka as ii_caption, d.s_caption d_caption ",
                   "from stk_stocks.stock s, cmn_inventory_items.inventory_items ii, ",
                   "cmn_department.department d ",
                   "where s.id_ii = ii.id and s.id_stock =d.id and (d.\"type\" =2 or d.\"type\" =1)"})),
      stock_in(ADO_DB, "stock_in",
               lines({"select si.*, jp.s_full_caption as jp_caption, d.s_caption as dep_caption, (select count(si2.id)",
                      " from stk_stocks.spec_in si2 where si2.accept = false and si.id=si2.id_stock_in) as cnt_accept",
                      "from stk_stocks.stock_in si, cmn_contractor.jur_person jp, cmn_department.department d  ",
                      "where si.id_jur_pers = jp.id and si.id_department = d.id and d.\"type\" <>0",
                      "group by si.id, jp.s_full_caption, d.s_caption;"})),
      msm(ADO_DB, "msm", "cmn_msm.msm"),
      app_doc(ADO_DB, "app_doc",
              lines({"SELECT ad.*, jp.s_full_caption s_jp_caption, p.s_caption s_person_caption, jp.id as id_jp",
                     "FROM mnf_app.app_doc ad, cmn_contractor.jur_person jp, cmn_contractor.person p where "
                     "ad.id_jur_person = jp.id and ad.id_person = p.id and ad.id_app_doc =0 ",
                     "order by d_date DESC"})),
      app_spec(ADO_DB, "app_spec",
               lines({"SELECT as1.id, as1.cnt-as1.done as cnt_done, as1.cnt, as1.done, as1.id_ii, ii.marka ii_s_caption, "
                      "m.s_identification as msm_s_caption, as1.id_app_doc, ii.ral_cons, as1.job_price, as1.gds_price,",
                      "(ii.ral_cons*cnt)::t_money as ral_need, ii2.marka as ral_s_caption, (ii.massa*as1.cnt)::t_money as "
                      "gds_need, ii1.marka as gds_s_caption, ii1.id as id_gds, ii1.id_type as id_type_gds,",
                      "case when ad.id_app_doc=0 then NULL else ad.id_app_doc end  as ad_id_app_doc, ad.d_mnf, ad.d_out, "
                      "ad.id_jur_person, ad.id_person, ad.id_app_spec, ",
                      "(select sum(distinct s.count-s.reserve) as stk_gds from stk_stocks.stock s, mnf_proc_tech.proc_tech "
                      "pt where s.id_ii = pt.id_gds and pt.id_inventory_items = ii.id),",
                      "(select sum(distinct s.count-s.reserve) as stk_ral from stk_stocks.stock s, mnf_proc_tech.proc_tech "
                      "pt where s.id_ii = as1.id_ral),",
                      "case when as1.accept then 'Да' else 'Нет' end as yesno,as1.accept, (ii.massa*as1.cnt)::t_money as "
                      "massa_gds, as1.id_ral,",
                      "case when as1.accept_stock=2 then 'Да' else 'Нет' end as yesno_stk,as1.accept_stock",
                      "FROM cmn_inventory_items.inventory_items ii, cmn_msm.msm m, cmn_inventory_items.inventory_items ii1, "
                      "mnf_proc_tech.proc_tech pt ",
                      "left join mnf_app.app_spec as1 on as1.id_ii = :ii_id2",
                      "left join mnf_app.app_doc ad on ad.id = as1.id_app_doc ",
                      "left join cmn_inventory_items.inventory_items ii2 on ii2.id = as1.id_ral",
                      "where m.id = ii.id_msm and pt.id_inventory_items = ii.id and ii.id = :ii_id1 and ii1.id=pt.id_gds",
                      "order by as1.id_app_doc DESC, as1.id desc"})),
      spec_out(ADO_DB, "spec_out",
               lines({"SELECT ii.marka, ii.id as ii_id, ii.id_nom, d.s_caption , id_stock_out, id_stock, cnt_gds, "
                      "d_datetime, so.accept, so.id, so.id_app_doc, m.s_identification as msm_caption, as2.id_ral,",
                      "case when so.accept then 'Да' else 'Нет' end as yesno, id_app_spec, ii.ral_cons, so.price, "
                      "so.price*so.cnt_gds::t_money as all_price_gds",
                      "FROM stk_stocks.spec_out so, cmn_inventory_items.inventory_items ii, cmn_msm.msm m, "
                      "cmn_department.department d, mnf_app.app_spec as2 ",
                      "where ii.id = so.id_gds and ii.id_msm = m.id and d.id = so.id_stock and as2.id=id_app_spec",
                      "order by id_app_doc desc, so.id_app_spec asc, ii.marka asc"})),
      user(ADO_DB, "user", "select * from adm_user.users u where s_name = :s_name") {
    declare(workers, {{"s_caption", K::Text}, {"s_second_name", K::Text}, {"s_first_name", K::Text},
                      {"s_third_name", K::Text}, {"b_employee", K::Boolean}, {"id", K::Integer},
                      {"s_staffpos", K::Text}, {"s_department", K::Text}, {"dep_id", K::Integer},
                      {"s_role", K::Text}, {"role_id", K::Decimal}, {"staff_id", K::Integer}});
    declare(operation, {{"id_type", K::Integer}, {"id", K::Integer}, {"id_state", K::Decimal}, {"price", K::Decimal},
                        {"id_inventory_items", K::Integer}, {"id_proc_tech", K::Decimal}, {"s_type", K::Text},
                        {"marka", K::Text}, {"s_state", K::Text}, {"orderby", K::Integer}});
    declare(operation_type, {{"s_caption", K::Text}, {"s_description", K::Text}, {"id", K::Integer}});
    for (Query* q : {&Smena1, &Smena2, &Smena3, &Smena4}) declareSmena(*q);
    declare(department, {{"s_caption", K::Text}, {"s_description", K::Text}, {"id_parent", K::Decimal},
                         {"type", K::Decimal}, {"s_type", K::Text}, {"id", K::Integer}, {"s_parent", K::Text}});
    declare(inventory_items,
            {{"s_type", K::Text}, {"marka", K::Text}, {"massa", K::Decimal}, {"id", K::Decimal}, {"id_nom", K::Integer},
             {"s_nom", K::Text}, {"id_type", K::Integer}, {"width", K::Decimal}, {"thick", K::Decimal},
             {"ral", K::Text}, {"s_ral", K::Text}, {"id_msm", K::Decimal}, {"ral_cons", K::Decimal},
             {"s_identification", K::Text}, {"tp_cnt", K::Integer}, {"cost_price", K::Decimal},
             {"id_gds", K::Decimal}, {"s_caption_gds", K::Text}, {"massa_kg", K::Decimal}});
    declare(ver, {{"d", K::Integer}, {"t", K::Integer}, {"delim", K::Text}});
    declare(staffpos, {{"id_department", K::Decimal}, {"s_caption", K::Text}, {"d_begin", K::Date},
                       {"d_end", K::Date}, {"s_description", K::Text}, {"id", K::Integer}, {"s_dep", K::Text}});
    declare(nomenclature, {{"s_caption", K::Text}, {"id", K::Integer}, {"id_department", K::Decimal},
                           {"s_department", K::Text}});
    declare(role, {{"id", K::Decimal}, {"s_name", K::Text}, {"s_caption", K::Text}, {"d_begin", K::Date},
                   {"d_end", K::Date}, {"b_active", K::Boolean}, {"yesno", K::Text}});
    declare(proc_tech, {{"s_ii", K::Text}, {"s_caption", K::Text}, {"full_price", K::Decimal},
                        {"id_inventory_items", K::Decimal}, {"id", K::Decimal}, {"id_gds", K::Decimal},
                        {"s_gds", K::Text}});
    declare(jur_person, {{"s_caption", K::Text}, {"s_full_caption", K::Text}, {"s_ogrn", K::Text},
                         {"s_inn", K::Text}, {"id", K::Integer}});
    declare(stock, {{"id", K::Integer}, {"id_stock", K::Decimal}, {"id_ii", K::Decimal}, {"count", K::Decimal},
                    {"price", K::Decimal}, {"ii_caption", K::Text}, {"d_caption", K::Text}, {"reserve", K::Decimal},
                    {"gds_price", K::Decimal}, {"job_price", K::Decimal}, {"balance", K::Decimal}});
    declare(stock_in, {{"id_jur_pers", K::Decimal}, {"date_in", K::Date}, {"d_datetime", K::Date},
                       {"jp_caption", K::Text}, {"id_department", K::Decimal}, {"dep_caption", K::Text},
                       {"id", K::Integer}, {"id_accomp_doc", K::Text}, {"cnt_accept", K::Integer}});
    declare(msm, {{"id", K::Decimal}, {"s_caption", K::Text}, {"s_identification", K::Text}, {"n_round", K::Integer}});
    declare(app_doc, {{"id", K::Integer}, {"d_date", K::DateTime}, {"id_jur_person", K::Decimal},
                      {"id_person", K::Decimal}, {"d_mnf", K::Date}, {"d_out", K::Date}, {"m_id", K::Decimal},
                      {"id_app_doc", K::Decimal}, {"id_app_spec", K::Decimal}, {"s_jp_caption", K::Text},
                      {"s_person_caption", K::Text}, {"id_jp", K::Integer}});
    declare(app_spec,
            {{"id", K::Integer}, {"cnt_done", K::Decimal}, {"cnt", K::Decimal}, {"id_ii", K::Decimal},
             {"ii_s_caption", K::Text}, {"msm_s_caption", K::Text}, {"yesno", K::Text}, {"accept", K::Boolean},
             {"massa_gds", K::Decimal}, {"id_ral", K::Decimal}, {"ral_s_caption", K::Text}, {"ral_need", K::Decimal},
             {"gds_need", K::Decimal}, {"stk_gds", K::Decimal}, {"stk_ral", K::Decimal}, {"ral_cons", K::Decimal},
             {"gds_s_caption", K::Text}, {"id_gds", K::Decimal}, {"job_price", K::Decimal}, {"gds_price", K::Decimal},
             {"id_app_doc", K::Integer}, {"ad_id_app_doc", K::Decimal}, {"id_type_gds", K::Integer},
             {"d_mnf", K::Date}, {"d_out", K::Date}, {"id_jur_person", K::Decimal}, {"id_person", K::Decimal},
             {"id_app_spec", K::Decimal}, {"yesno_stk", K::Text}, {"accept_stock", K::Integer}, {"done", K::Decimal}});
    app_spec.setFilter("cnt_done>0");
    declare(spec_out, {{"marka", K::Text}, {"id_stock_out", K::Integer}, {"cnt_gds", K::Decimal},
                       {"d_datetime", K::DateTime}, {"accept", K::Boolean}, {"id", K::Integer},
                       {"id_app_doc", K::Decimal}, {"msm_caption", K::Text}, {"yesno", K::Text},
                       {"id_app_spec", K::Decimal}, {"ral_cons", K::Decimal}, {"price", K::Decimal},
                       {"s_caption", K::Text}, {"ii_id", K::Decimal}, {"id_nom", K::Integer},
                       {"all_price_gds", K::Decimal}, {"id_ral", K::Decimal}, {"id_stock", K::Decimal}});
    declare(user, {{"id", K::Decimal}, {"s_name", K::Text}, {"s_caption", K::Text}, {"d_registered", K::Date},
                   {"d_closed", K::Date}, {"b_active", K::Boolean}, {"id_person", K::Decimal}});
}

std::string TDataModule6::NormalizeDecimal(std::string_view text) const {
    // Before the version row is read the separator is unknown; dropping the separator would
    // turn 12,5 into 125, so the server's own "." stands in.
    return velt::NormalizeDecimal(text, DbDecimalSeparator.empty() ? "." : DbDecimalSeparator);
}

void TDataModule6::ConnectAsUser(const ConnectionTarget& target, const std::string& login,
                                 const std::string& password) {
    ADO_DB.disconnect();
    ADO_DB.connect(target, login, password);
}

Query& TDataModule6::smena(int shift) {
    switch (shift) {
    case 1: return Smena1;
    case 2: return Smena2;
    case 3: return Smena3;
    case 4: return Smena4;
    }
    throw DbError("Нет смены " + std::to_string(shift));
}

std::vector<Dataset*> TDataModule6::sharedDatasets() {
    return {&workers, &operation, &operation_type, &Smena1, &Smena2, &Smena3, &Smena4, &department,
            &inventory_items, &ver, &staffpos, &nomenclature, &role, &proc_tech, &jur_person, &stock,
            &stock_in, &msm, &app_doc, &app_spec, &spec_out, &user};
}

} // namespace velt
