// davo's main window from construction to shown.
#include "bench/support.h"

#include "davo/data/database.h"
#include "davo/screens/menu.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void DavoMainWindow(benchmark::State& state)
{
    const QString folder = benchsupport::folder();
    davo::createDatabase(folder + "/DAVO.mdb");
    for (auto _ : state) {
        davo::Menu menu(folder);
        if (!menu.Form_Load())
            state.SkipWithError("start-up failed");
        menu.show();
        QApplication::processEvents();
    }
}
BENCHMARK(DavoMainWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    benchsupport::start(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
