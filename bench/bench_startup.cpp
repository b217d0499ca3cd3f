// kivo's main window from construction to shown.
#include "bench/support.h"

#include "kivo/shell/database.h"
#include "kivo/shell/menu.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void KivoMainWindow(benchmark::State& state)
{
    const QString folder = benchsupport::folder();
    kivo::createDatabase(folder + "/CONTROLE.mdb");
    for (auto _ : state) {
        kivo::Menu menu(folder);
        if (!menu.Form_Load())
            state.SkipWithError("start-up failed");
        menu.show();
        QApplication::processEvents();
    }
}
BENCHMARK(KivoMainWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    benchsupport::start(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
