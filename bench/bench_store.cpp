// The record store on the programs' own files: the kivo criteria walk and edit, and davo's list of
// open activities.
#include "bench/support.h"

#include "davo/data/database.h"
#include "davo/data/prazos.h"
#include "kivo/shell/database.h"

#include "common/clock.h"
#include "common/platform.h"
#include "common/store.h"

#include <QFile>
#include <benchmark/benchmark.h>

namespace {

// Opens `Criterios`, walks its 15 rows and edits each, as the criteria and comparison screens do.
void CriteriosWalkAndEdit(benchmark::State& state)
{
    const QString path = benchsupport::folder() + "/CONTROLE.mdb";
    QFile::remove(path);
    kivo::createDatabase(path);
    common::Database db;
    db.open(path, ";pwd=PanoRoxo");
    int n = 0;
    for (auto _ : state) {
        common::Transaction t(db);
        common::Recordset rs = common::Recordset::openTable(db, "Criterios");
        rs.setIndex("PrimaryKey");
        for (int i = 0; !rs.eof(); ++i) {
            rs.edit();
            rs.setValue("Identifica", QStringLiteral("Critério %1").arg(i + 1));
            rs.setValue("Sinal", "+");
            rs.setValue("Qtde", "15");
            rs.setValue(kivo::numbered("N", 1 + (i + n) % 15), (n % 2) ? 5 : 0.2);
            rs.update();
            rs.moveNext();
        }
        t.commit();
        ++n;
    }
}
BENCHMARK(CriteriosWalkAndEdit)->Unit(benchmark::kMicrosecond);

common::Database& activities(int count)
{
    // Kept to the end of the process: closing at exit would run after Qt's own teardown.
    static auto* open = new std::map<int, std::unique_ptr<common::Database>>;
    auto& db = (*open)[count];
    if (!db) {
        db = std::make_unique<common::Database>();
        db->open(benchsupport::davoFolder(count) + "/DAVO.mdb", ";pwd=PanoRoxo");
    }
    return *db;
}

// The list of open activities, in priority order.
void ActiveActivitiesQuery(benchmark::State& state)
{
    common::Database& db = activities(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        common::Recordset rs = common::Recordset::openWhere(db, davo::ListaAtivas);
        benchmark::DoNotOptimize(rs.recordCount());
    }
}
BENCHMARK(ActiveActivitiesQuery)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The recomputation pass: the first pass of a day rewrites every open activity; the next ones of
// the same day find nothing to change.
void RecomputationPass(benchmark::State& state)
{
    common::Database& db = activities(static_cast<int>(state.range(0)));
    const bool newDay = state.range(1) != 0;
    QDate day = common::Clock::today();
    for (auto _ : state) {
        if (newDay)
            day = day.addDays(1);
        davo::AtualizaPrazos(db, day);
    }
}
BENCHMARK(RecomputationPass)
    ->ArgsProduct({{1000, 10000}, {1, 0}})
    ->ArgNames({"activities", "newday"})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN_WITH_QT()
