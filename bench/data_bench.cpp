// Figures of the gateway: opening, filtering and sorting large datasets, and the
// production-request register view at two sizes.
#include <libpq-fe.h>
#include <malloc.h>

#include <memory>
#include <stdexcept>

#include "bench/bench.h"
#include "data/connection.h"
#include "data/query.h"
#include "tests/support/test_db.h"

namespace velt::bench {

namespace {

// Bytes in use on the heap, large (mapped) blocks included.
size_t heapInUse() {
    auto m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

const char* kNames =
    "(array['Лист стальной','Труба профильная','Кронштейн','Уголок','Швеллер','Ёмкость','Стойка','Рама сварная'])"
    "[1 + g % 8] || ' ' || (g % 977)::text || ' мм'";

void openBenchmark(Connection& c, test::TestDatabase& db) {
    db.exec(std::string("create table bench_rows as select g as id, ") + kNames +
            " as marka, (g * 1.25)::numeric(15,4) as price, date '2026-01-01' + (g % 365) as d,"
            " g % 2 = 0 as flag, g * 0.5::float8 as f, md5(g::text) as s, g % 100 as n"
            " from generate_series(1, 100000) g");
    const std::string sql = "select * from bench_rows";

    // Both sides keep their rows and free them outside the timing.
    PGresult* kept = nullptr;
    auto release = [&] {
        if (kept) PQclear(kept);
        kept = nullptr;
    };
    auto bare = [&] {
        kept = PQexec(c.handle(), sql.c_str());
        size_t total = 0;
        int rows = PQntuples(kept), cols = PQnfields(kept);
        for (int i = 0; i < rows; ++i)
            for (int j = 0; j < cols; ++j) total += PQgetlength(kept, i, j) + (PQgetvalue(kept, i, j)[0] != 0);
        if (!total) throw std::runtime_error("no data");
    };
    median(3, bare, release);  // warms the server's cache for both sides
    double base = median(7, bare, release);
    release();
    Query q(c, "bench_rows", sql);
    double ours = median(7, [&] {
        q.open();
        size_t total = 0;
        int cols = q.fieldCount();
        for (int i = 0; i < q.recordCount(); ++i)
            for (int j = 0; j < cols; ++j) {
                auto v = q.rawAt(i, j);
                total += v.size() + (!v.empty() && v[0] != 0);
            }
        if (!total) throw std::runtime_error("no data");
    }, [&] { q.close(); });

    q.close();
    size_t before = heapInUse();
    PGresult* held = PQexec(c.handle(), sql.c_str());
    size_t bareBytes = heapInUse() - before;
    PQclear(held);
    before = heapInUse();
    q.open();
    size_t oursBytes = heapInUse() - before;
    q.close();
    report("open_100k", ours, base, double(oursBytes) / double(bareBytes));
}

void filterAndSortBenchmarks(Connection& c) {
    Query q(c, "bench_rows", "select id, marka from bench_rows");
    q.open();
    int col = q.fieldIndex("marka");
    std::vector<std::string> values;
    for (int i = 0; i < q.recordCount(); ++i) values.emplace_back(q.rawAt(i, col));
    const std::string needle = "рама";  // as typed; the values hold "Рама"
    const std::string raw = "Рама";

    q.setFilter("marka like '%" + needle + "%'");
    q.setFiltered(true);  // the first filter builds the column's match keys
    int expected = q.recordCount();
    double ours = median(9, [&] {
        q.setFilter("marka like '%" + needle + "%' ");
        q.setFilter("marka like '%" + needle + "%'");
        if (q.recordCount() != expected) throw std::runtime_error("filter mismatch");
    });
    double base = median(9, [&] {
        std::vector<int> hits;
        for (int i = 0; i < int(values.size()); ++i)
            if (values[i].find(raw) != std::string::npos) hits.push_back(i);
        if (int(hits.size()) != expected) throw std::runtime_error("baseline mismatch");
        hits.clear();
        for (int i = 0; i < int(values.size()); ++i)
            if (values[i].find(raw) != std::string::npos) hits.push_back(i);
    });
    report("filter_like_100k", ours, base);
    q.setFiltered(false);

    double sortOurs = median(5, [&] { q.setSort("marka"); }, [&] {
        q.close();
        q.setSort("");
        q.open();
    });
    double sortBase = median(5, [&] {
        auto copy = values;
        std::sort(copy.begin(), copy.end());
    });
    report("sort_text_100k", sortOurs, sortBase);
}

void fillRegister(test::TestDatabase& db, int lines) {
    db.exec("select truncate_tables('mnf_app'); select truncate_tables('stk_stocks');"
            "delete from mnf_proc_tech.proc_tech; delete from cmn_inventory_items.inventory_items where id <> 0;");
    // 2k items: 1k materials, 800 products, 200 paints; one process per product; 5k stock rows.
    db.exec("insert into cmn_inventory_items.inventory_items(id, marka, id_type, id_msm, massa, ral, ral_cons)"
            " select g, 'ТМЦ ' || g, case when g <= 1000 then 0 when g <= 1800 then 2 else 3 end, 4,"
            " 1.5, g % 3 = 0, case when g % 3 = 0 then 0.2 else 0 end from generate_series(1, 2000) g");
    db.exec("insert into mnf_proc_tech.proc_tech(s_caption, id_inventory_items, id_gds)"
            " select 'ТП ' || g, g, g - 1000 from generate_series(1001, 1800) g");
    db.exec("insert into stk_stocks.stock(id_stock, id_ii, id_ral, count, reserve, price)"
            " select 1 + g % 2, 1 + g % 2000, 0, 100 + g % 50, g % 10, 10 from generate_series(1, 5000) g");
    db.exec("insert into mnf_app.app_doc(id_jur_person, id_person, d_mnf, d_out)"
            " select 1, 1, date '2026-01-01', date '2026-02-01' from generate_series(1, " +
            std::to_string(lines / 10) + ")");
    db.exec("insert into mnf_app.app_spec(id_app_doc, id_ii, cnt, id_ral, id_gds, price)"
            " select 1 + g % " + std::to_string(lines / 10) + ", 1001 + g % 800, 10, case when g % 2 = 0 then 1801 + g % 200 else 0 end,"
            " 1 + g % 800, 100 from generate_series(1, " + std::to_string(lines) + ") g");
    db.exec("analyze");
}

void registerBenchmark(Connection& c, test::TestDatabase& db) {
    Query q(c, "app_spec", "select * from mnf_app.v_app_spec55");
    auto measure = [&](int lines) {
        fillRegister(db, lines);
        q.close();
        q.open();  // warm the caches of the server
        if (q.recordCount() != lines) throw std::runtime_error("register row count");
        return median(7, [&] { q.open(); }, [&] { q.close(); });
    };
    double small = measure(2000);
    double large = measure(20000);
    report("register_20k", large, small);
}

} // namespace

void dataBenchmarks() {
    test::TestDatabase db;
    Connection c;
    c.connect(db.adminParams());
    openBenchmark(c, db);
    filterAndSortBenchmarks(c);
    registerBenchmark(c, db);
}

} // namespace velt::bench
