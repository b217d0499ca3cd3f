// How firm the best option is: every criterion's range of weights keeping the best option, to two
// decimals, for 15 criteria and 15 alternatives.
#include "bench/support.h"

#include "kivo/results/sensibilidade.h"
#include "kivo/shell/database.h"

#include "common/store.h"

#include <QFile>
#include <benchmark/benchmark.h>

namespace {

using namespace kivo::sensibilidade;

// 15 x 15, weights to two decimals, values 40 to 100 with a few zeros, one criterion in four a
// cost. `claro`: the first alternative leads every criterion, so no weight changes the best option
// and every range is walked from 1 to 10 in full, the slowest case.
Caso caso15(bool claro)
{
    quint32 semente = 20261208;
    const auto sorteio = [&semente](int limite) {
        semente = semente * 1664525u + 1013904223u;
        return static_cast<int>((semente >> 8) % static_cast<quint32>(limite));
    };
    Caso caso;
    for (int a = 0; a < 15; ++a)
        caso.alternativas.push_back(QStringLiteral("Alternativa %1").arg(a + 1));
    for (int k = 0; k < 15; ++k) {
        Criterio c;
        c.nome = QStringLiteral("Critério %1").arg(k + 1);
        c.sinal = (!claro && k % 4 == 3) ? QStringLiteral("-") : QStringLiteral("+");
        c.peso = (100 + sorteio(901)) / 100.0;
        for (int a = 0; a < 15; ++a)
            c.valores.push_back(claro && a == 0 ? 1000.0 : (sorteio(10) == 0 ? 0.0 : 40 + sorteio(61)));
        caso.criterios.push_back(c);
    }
    return caso;
}

// The whole analysis in memory: the alternatives' shares, the ranking, every criterion's range.
void Analise15x15(benchmark::State& state)
{
    const Caso caso = caso15(state.range(0) == 1);
    int mudancas = 0;
    for (auto _ : state) {
        Sensibilidade s(caso);
        const auto faixas = s.faixas();
        benchmark::DoNotOptimize(Sensibilidade::maisEstreita(faixas));
        mudancas = 0;
        for (const Faixa& f : faixas)
            mudancas += f.abaixo.has_value() + f.acima.has_value();
    }
    state.counters["changes"] = mudancas;
}
BENCHMARK(Analise15x15)->Arg(0)->Arg(1)->ArgNames({"no_change"})->Unit(benchmark::kMillisecond);

// What opening the screen computes: the case read from CONTROLE.mdb, the analysis, and the chart's
// 901 weights of one criterion.
void LeituraAnaliseGrafico15x15(benchmark::State& state)
{
    const QString path = benchsupport::folder() + "/CONTROLE.mdb";
    QFile::remove(path);
    kivo::createDatabase(path);
    common::Database db;
    db.open(path, ";pwd=PanoRoxo");
    const Caso caso = caso15(false);
    for (int a = 0; a < 15; ++a)
        db.execute("UPDATE Alternativas SET Alternativa = ?, Qtde = '15' WHERE Numero = ?",
                   {caso.alternativas[a], a + 1});
    for (int k = 0; k < 15; ++k) {
        const Criterio& c = caso.criterios[k];
        db.execute("UPDATE Criterios SET Identifica = ?, Sinal = ?, Peso = ?, Qtde = '15' WHERE Numero = ?",
                   {c.nome, c.sinal, c.peso, k + 1});
        for (int a = 0; a < 15; ++a)
            db.execute(
                QStringLiteral("UPDATE Criterios SET %1 = ? WHERE Numero = ?").arg(kivo::numbered("Valor", a + 1)),
                {c.valores[a], k + 1});
    }
    for (auto _ : state) {
        Sensibilidade s(*leCaso(db));
        const auto faixas = s.faixas();
        const int k = std::max(0, Sensibilidade::maisEstreita(faixas));
        benchmark::DoNotOptimize(s.curvas(k));
    }
}
BENCHMARK(LeituraAnaliseGrafico15x15)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN_WITH_QT()
