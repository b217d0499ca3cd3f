// Each program's main window from construction to shown.
#include "bench/support.h"

#include "davo/data/database.h"
#include "davo/screens/menu.h"
#include "kivo/shell/database.h"
#include "kivo/shell/menu.h"

#include <QApplication>
#include <QDir>
#include <benchmark/benchmark.h>

namespace {

template <typename MainWindow>
void mainWindow(benchmark::State& state, bool (*createDatabase)(const QString&), const char* file)
{
    const QString folder = benchsupport::folder() + QLatin1Char('/') + QLatin1String(file);
    QDir().mkpath(folder);
    createDatabase(folder + QLatin1Char('/') + QLatin1String(file));
    for (auto _ : state) {
        MainWindow menu(folder);
        if (!menu.Form_Load())
            state.SkipWithError("start-up failed");
        menu.show();
        QApplication::processEvents();
    }
}

void KivoMainWindow(benchmark::State& state)
{
    mainWindow<kivo::Menu>(state, kivo::createDatabase, "CONTROLE.mdb");
}
BENCHMARK(KivoMainWindow)->Unit(benchmark::kMillisecond);

void DavoMainWindow(benchmark::State& state)
{
    mainWindow<davo::Menu>(state, davo::createDatabase, "DAVO.mdb");
}
BENCHMARK(DavoMainWindow)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN_WITH_QT()
