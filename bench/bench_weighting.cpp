// The analysis of the criteria's comparisons: 15 criteria, every pair answered, from the click on
// "Analizar" to the stored weights (the screen is never shown, so nothing is painted), beside its
// floor: bare SQLite writing the same 15 rows (comparisons, Emach, PesoFinal, Peso) in one
// transaction, on the same file. And the consistency line with its suggestion for 15 criteria.
#include "bench/support.h"

#include "kivo/shell/database.h"
#include "kivo/weighting/analise.h"
#include "kivo/weighting/textosanalise.h"
#include "kivo/weighting/frmDados.h"
#include "kivo/weighting/gradedados.h"

#include "common/formats.h"
#include "common/store.h"

#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

constexpr int N = 15;

// Two full sets of answers: the second reverses every preference of the first, so each run writes
// changed comparisons and changed weights.
double resposta(int variante, int r, int c)
{
    static constexpr double Escala[5] = {10, 5, 1, 0.2, 0.1};
    if (r == c)
        return 0;
    if (r > c)
        return 1 / resposta(variante, c, r);
    const double v = Escala[(r * 7 + c * 3) % 5];
    return variante == 0 ? v : 1 / v;
}

QString pasta()
{
    const QString folder = benchsupport::folder() + QStringLiteral("/kivo-pesos");
    QDir().mkpath(folder);
    const QString file = folder + QStringLiteral("/CONTROLE.mdb");
    QFile::remove(file);
    kivo::createDatabase(file);
    common::Database db;
    db.open(file);
    db.execute(QStringLiteral("UPDATE Criterios SET Qtde = 15, Identifica = 'Critério ' || Numero"));
    for (int r = 1; r <= N; ++r)
        for (int c = 1; c <= N; ++c)
            db.execute(QStringLiteral("UPDATE Criterios SET %1 = ? WHERE Numero = ?").arg(kivo::numbered("N", c)),
                       {resposta(0, r, c), r});
    return folder;
}

void AnalysisOf15Criteria(benchmark::State& state)
{
    kivo::Programa programa;
    programa.pasta = pasta();
    programa.db.open(programa.pasta + QStringLiteral("/CONTROLE.mdb"), QStringLiteral(";pwd=PanoRoxo"));
    int variante = 1;
    for (auto _ : state) {
        state.PauseTiming();
        {
            // The screen as the user leaves it: the stored answers reversed by clicks.
            auto frm = std::make_unique<kivo::frmDados>(programa);
            if (!frm->Form_Load())
                state.SkipWithError("the screen did not open");
            for (int r = 1; r <= N; ++r)
                for (int c = 1; c <= N; ++c)
                    if (r != c)
                        frm->grade().setTexto(r - 1, c, common::numberText(resposta(variante, r, c)));
            state.ResumeTiming();
            frm->cmdCalcular_Click();
            state.PauseTiming();
            if (frm->grade().texto(0, N + 5).isEmpty())
                state.SkipWithError("no weights");
        }
        variante = 1 - variante;
        state.ResumeTiming();
    }
}
BENCHMARK(AnalysisOf15Criteria)->Unit(benchmark::kMicrosecond);

// The consistency line of 15 criteria, every pair answered and the answers poor, so every one-step
// move of every answer (up to 210) is tried for the suggestion: from the grid's texts to the
// words of the line, as the screen shows it after each answer.
void ConsistencyLineOf15Criteria(benchmark::State& state)
{
    kivo::analise::Matriz matriz;
    for (int r = 1; r <= N; ++r) {
        QStringList linha;
        for (int c = 1; c <= N; ++c)
            linha << (r == c ? QString() : common::numberText(resposta(0, r, c)));
        matriz << linha;
    }
    QStringList nomes;
    for (int k = 1; k <= N; ++k)
        nomes << QStringLiteral("Critério %1").arg(k);
    for (auto _ : state) {
        const kivo::analise::Consistencia c = kivo::analise::consistencia(matriz);
        if (!c.sugestao)
            state.SkipWithError("no suggestion: the answers are not poor");
        benchmark::DoNotOptimize(kivo::textoConsistencia(c, nomes));
    }
}
BENCHMARK(ConsistencyLineOf15Criteria)->Unit(benchmark::kMillisecond);

void BareSqliteFloor(benchmark::State& state)
{
    const QString file = pasta() + QStringLiteral("/CONTROLE.mdb");
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        state.SkipWithError("cannot open");
        return;
    }
    QString sql = QStringLiteral("UPDATE Criterios SET ");
    for (int c = 1; c <= N; ++c)
        sql += kivo::numbered("N", c) + QStringLiteral(" = ?, ");
    sql += QStringLiteral("Emach = ?, PesoFinal = ?, Peso = ? WHERE Numero = ?");
    sqlite3_stmt* update = nullptr;
    sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &update, nullptr);
    int variante = 1;
    for (auto _ : state) {
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        for (int r = 1; r <= N; ++r) {
            for (int c = 1; c <= N; ++c)
                sqlite3_bind_double(update, c, resposta(variante, r, c));
            const double peso = 1 + (r + variante * 7) % 10;
            sqlite3_bind_double(update, N + 1, peso / 3 - 1);
            sqlite3_bind_double(update, N + 2, peso);
            sqlite3_bind_double(update, N + 3, peso);
            sqlite3_bind_int(update, N + 4, r);
            sqlite3_step(update);
            sqlite3_reset(update);
        }
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        variante = 1 - variante;
    }
    sqlite3_finalize(update);
    sqlite3_close(db);
}
BENCHMARK(BareSqliteFloor)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN_WITH_QT()
