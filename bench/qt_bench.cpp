// Figures of the Qt front: the client's start-up to the login window, and a grid over a
// large dataset with its first screen painted.
#include <QApplication>
#include <QPixmap>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <stdexcept>

#include "bench/bench.h"
#include "data/connection.h"
#include "data/query.h"
#include "qt/grid_view.h"
#include "tests/support/test_db.h"
#include "ui/form.h"

extern char** environ;

namespace velt::bench {

namespace {

void runProcess(const std::vector<std::string>& argv, const std::vector<std::string>& env) {
    std::vector<char*> args, envp;
    for (auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    for (auto& e : env) envp.push_back(const_cast<char*>(e.c_str()));
    for (char** e = environ; *e; ++e) envp.push_back(*e);
    envp.push_back(nullptr);
    pid_t pid;
    if (posix_spawn(&pid, args[0], nullptr, nullptr, args.data(), envp.data()) != 0)
        throw std::runtime_error("cannot start " + argv[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error(argv[0] + " failed");
}

} // namespace

void startupBenchmark(const std::string& binaryDir) {
    test::TestDatabase db;
    auto& cluster = test::TestCluster::instance();
    std::string svcFile = cluster.root() + "/svc-bench-" + db.name() + ".conf";
    std::ofstream(svcFile) << "[bench]\nhost=" << cluster.socketDir() << "\nport=" << cluster.port()
                           << "\ndbname=" << db.name() << "\n";
    std::vector<std::string> env = {"QT_QPA_PLATFORM=offscreen", "PGSERVICEFILE=" + svcFile,
                                    "XDG_CONFIG_HOME=" + cluster.root() + "/config"};
    auto client = [&] { runProcess({binaryDir + "/velt-erp", "--quit-when-shown", "bench"}, env); };
    auto empty = [&] { runProcess({binaryDir + "/velt-empty-dialog"}, env); };
    client();
    empty();
    double ours = median(5, client), base = median(5, empty);
    report("startup", ours, base);
    std::remove(svcFile.c_str());
}

void gridBenchmark() {
    test::TestDatabase db;
    Connection c;
    c.connect(db.adminParams());
    db.exec("create table bench_rows as select g as id, 'Изделие ' || g as marka, (g * 1.25)::numeric(15,4) as price,"
            " date '2026-01-01' + (g % 365) as d, g % 2 = 0 as flag, g * 0.5::float8 as f, md5(g::text) as s,"
            " g % 100 as n from generate_series(1, 100000) g");
    Query q(c, "bench_rows", "select * from bench_rows");
    q.open();  // warms the server
    q.close();
    double base = median(7, [&] { q.open(); }, [&] { q.close(); });
    ui::Form form("TBench", "Сетка");
    ui::Grid& grid = form.add<ui::Grid>("DBGrid1");
    grid.setColumns({{"№", "id"}, {"Марка", "marka"}, {"Цена", "price"}, {"Дата", "d"}, {"Флаг", "flag", ui::Align::Center, true},
                     {"f", "f"}, {"Код", "s"}, {"n", "n"}});
    grid.setDataset(&q);
    double ours = median(7, [&] {
        q.open();
        qt::GridView view(grid);
        view.resize(1000, 600);
        QPixmap pixmap(view.size());
        view.render(&pixmap);
    }, [&] { q.close(); });
    grid.setDataset(nullptr);
    report("grid_100k", ours, base);
}

} // namespace velt::bench
