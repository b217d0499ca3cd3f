// davo's compaction of a database of 10,000 activities, beside its floor: SQLite alone making the
// same compacted copy with VACUUM INTO, syncing it, renaming it over the file and syncing the folder.
#include "bench/support.h"

#include "davo/data/compaction.h"

#include "common/store.h"

#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int Activities = 10000;

// A folder of its own holding a copy of the 10,000-activity DAVO.mdb.
QString copia()
{
    static const QString folder = [] {
        const QString f = benchsupport::folder() + QStringLiteral("/compactacao");
        QDir().mkpath(f);
        QFile::remove(f + QStringLiteral("/DAVO.mdb"));
        QFile::copy(benchsupport::davoFolder(Activities) + QStringLiteral("/DAVO.mdb"),
                    f + QStringLiteral("/DAVO.mdb"));
        return f;
    }();
    return folder;
}

void sincroniza(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_RDONLY);
    ::fsync(fd);
    ::close(fd);
}

void DavoCompaction(benchmark::State& state)
{
    const QString folder = copia();
    common::Database db;
    db.open(folder + QStringLiteral("/DAVO.mdb"));
    for (auto _ : state)
        davo::compactaBanco(db, folder);
    state.counters["activities"] = Activities;
}
BENCHMARK(DavoCompaction)->Unit(benchmark::kMillisecond)->UseRealTime();

void BareVacuumIntoFloor(benchmark::State& state)
{
    const QByteArray folder = QFile::encodeName(copia());
    const QByteArray original = folder + "/DAVO.mdb";
    const QByteArray novo = folder + "/NovoDAVO.mdb";
    for (auto _ : state) {
        sqlite3* db = nullptr;
        sqlite3_open_v2(original.constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, "VACUUM INTO ?", -1, &st, nullptr);
        sqlite3_bind_text(st, 1, novo.constData(), -1, SQLITE_STATIC);
        sqlite3_step(st);
        sqlite3_finalize(st);
        sqlite3_close(db);
        sincroniza(novo);
        std::rename(novo.constData(), original.constData());
        sincroniza(folder);
    }
}
BENCHMARK(BareVacuumIntoFloor)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN_WITH_QT()
