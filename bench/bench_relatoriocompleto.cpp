// The complete report of a 15 x 15 decision rendered into a PDF in memory: reading the stored
// decision (with its sensitivity ranges), laying the pages out and drawing them.
#include "bench/support.h"

#include "kivo/results/calculo.h"
#include "kivo/results/relatoriocompleto.h"
#include "kivo/shell/database.h"

#include "common/store.h"

#include <QBuffer>
#include <QFile>
#include <QPdfWriter>
#include <benchmark/benchmark.h>

namespace {

class SemTela : public kivo::calculo::Progresso {
public:
    void etapa(int, Estado) override {}
    void alternativasAlteradas() override {}
};

// 15 criteria by 15 alternatives, every pair compared, one criterion in four a cost, run once.
void preparaCaso(kivo::Programa& programa)
{
    const QString path = benchsupport::folder() + "/CONTROLE.mdb";
    QFile::remove(path);
    kivo::createDatabase(path);
    programa.db.open(path, ";pwd=PanoRoxo");
    common::Database& db = programa.db;
    {
        common::Transaction t(db);
        for (int a = 1; a <= 15; ++a)
            db.execute("UPDATE Alternativas SET Alternativa = ?, Qtde = '15' WHERE Numero = ?",
                       {QStringLiteral("Fornecedor %1").arg(a), a});
        const double escala[] = {10, 5, 1, 0.2, 0.1};
        for (int c = 1; c <= 15; ++c) {
            db.execute("UPDATE Criterios SET Identifica = ?, Sinal = ?, Peso = ?, Qtde = '15' WHERE Numero = ?",
                       {QStringLiteral("Critério %1").arg(c), c % 4 == 0 ? "-" : "+", 1 + (c * 3) % 9 + c * 0.01, c});
            for (int a = 1; a <= 15; ++a)
                db.execute(
                    QStringLiteral("UPDATE Criterios SET %1 = ? WHERE Numero = ?").arg(kivo::numbered("Valor", a)),
                    {1 + ((a * 7 + c * 13) % 23) + a * 0.01 * c, c});
            for (int r = c + 1; r <= 15; ++r) {
                const double v = escala[(c * 3 + r) % 5];
                db.execute(QStringLiteral("UPDATE Criterios SET %1 = ? WHERE Numero = ?").arg(kivo::numbered("N", r)),
                           {v, c});
                db.execute(QStringLiteral("UPDATE Criterios SET %1 = ? WHERE Numero = ?").arg(kivo::numbered("N", c)),
                           {1 / v, r});
            }
        }
        t.commit();
    }
    SemTela tela;
    kivo::calculo::calcula(db, 15, tela);
    programa.qtdeCriterios = 15;
}

void RelatorioCompleto15x15(benchmark::State& state)
{
    kivo::Programa programa;
    preparaCaso(programa);
    int paginas = 0;
    qint64 bytes = 0;
    for (auto _ : state) {
        const auto dados = kivo::leDadosRelatorioCompleto(programa);
        QByteArray pdf;
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
            paginas = kivo::imprimeRelatorioCompleto(writer, *dados);
        }
        bytes = pdf.size();
        benchmark::DoNotOptimize(pdf.data());
    }
    state.counters["pages"] = paginas;
    state.counters["bytes"] = double(bytes);
}
BENCHMARK(RelatorioCompleto15x15)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN_WITH_QT()
