// davo's activity list opened over many activities: the recomputation pass, the query, the grid
// and the headings, painted.
#include "bench/support.h"

#include "davo/data/database.h"
#include "davo/screens/frmAtividadesGUT.h"

#include "common/platform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {

davo::Programa& programa(int activities)
{
    // Kept to the end of the process: closing at exit would run after Qt's own teardown.
    static auto* open = new std::map<int, std::unique_ptr<davo::Programa>>;
    auto& p = (*open)[activities];
    if (!p) {
        p = std::make_unique<davo::Programa>();
        p->pasta = benchsupport::davoFolder(activities);
        p->db.open(p->pasta + "/DAVO.mdb", ";pwd=PanoRoxo");
    }
    return *p;
}

// Opening the list as the user does: the first opening of a day rewrites every open activity's
// figures; later openings that day find them current.
void ActivityListOpens(benchmark::State& state)
{
    davo::Programa& p = programa(static_cast<int>(state.range(0)));
    const bool newDay = state.range(1) != 0;
    QDate day = common::Clock::today();
    for (auto _ : state) {
        if (newDay) {
            state.PauseTiming();
            day = day.addDays(1);
            common::Clock::setTestDate(day);
            state.ResumeTiming();
        }
        davo::frmAtividadesGUT lista(p);
        lista.Form_Load();
        lista.show();
        QApplication::processEvents();  // the grid's visible rows and the headings are painted
    }
    state.counters["peak_MiB"] = benchsupport::peakMemoryMiB();
}
BENCHMARK(ActivityListOpens)
    ->ArgsProduct({{1000, 10000}, {1, 0}})
    ->ArgNames({"activities", "newday"})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN_WITH_QT()
