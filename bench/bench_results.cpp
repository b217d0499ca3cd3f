// The result computation for the largest case, 15 criteria by 15 alternatives, pauses excluded
// (the clock only counts them), beside a floor: bare SQLite, no Qt, writing the same rows with
// prepared statements and one transaction per stage.
#include "bench/support.h"

#include "kivo/results/calculo.h"
#include "kivo/shell/database.h"

#include "common/clock.h"
#include "common/platform.h"
#include "common/store.h"

#include <QFile>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <string>
#include <vector>

namespace {

constexpr int N = 15;

double valor(int k, int a)
{
    return (a * 7 + k * 3) % 11 + 0.5 * (k % 3);
}

double peso(int k)
{
    return 1 + (k * 13) % 10;
}

// A CONTROLE.mdb holding the full case, made afresh for each benchmark.
QString caso(const QString& name)
{
    const QString path = benchsupport::folder() + "/" + name;
    QFile::remove(path);
    kivo::createDatabase(path);
    common::Database db;
    db.open(path);
    common::Transaction t(db);
    for (int i = 1; i <= N; ++i) {
        db.execute("UPDATE Alternativas SET Alternativa = ?, Qtde = 15 WHERE Numero = ?",
                   {QStringLiteral("Alternativa de teste %1").arg(i), i});
        db.execute("UPDATE Criterios SET Identifica = ?, Sinal = ?, Peso = ?, Qtde = 15 WHERE Numero = ?",
                   {QStringLiteral("Critério %1").arg(i), i % 4 == 0 ? "-" : "+", peso(i), i});
        for (int a = 1; a <= N; ++a)
            db.execute(QStringLiteral("UPDATE Criterios SET %1 = ? WHERE Numero = ?").arg(kivo::numbered("Valor", a)),
                       {valor(i, a), i});
    }
    t.commit();
    return path;
}

struct SemTela : kivo::calculo::Progresso {
    void etapa(int, Estado) override {}
    void alternativasAlteradas() override {}
};

void Computation15x15(benchmark::State& state)
{
    const QString path = caso("resultado.mdb");
    common::Database db;
    db.open(path, ";pwd=PanoRoxo");
    SemTela tela;
    for (auto _ : state) {
        const auto d = kivo::calculo::calcula(db, N, tela);
        benchmark::DoNotOptimize(d.melhor);
    }
    common::Clock::resetPaused();
    state.counters["rows"] = 105 + N * N * N;
}
BENCHMARK(Computation15x15)->Unit(benchmark::kMillisecond);

// --- the floor ---------------------------------------------------------------------------------

class Sql {
public:
    Sql(sqlite3* db, const std::string& text) : db_(db) { sqlite3_prepare_v2(db, text.c_str(), -1, &stmt_, nullptr); }
    ~Sql() { sqlite3_finalize(stmt_); }
    Sql& bind(int at, double v)
    {
        sqlite3_bind_double(stmt_, at, v);
        return *this;
    }
    Sql& bind(int at, int v)
    {
        sqlite3_bind_int(stmt_, at, v);
        return *this;
    }
    Sql& bind(int at, const std::string& v)
    {
        sqlite3_bind_text(stmt_, at, v.c_str(), int(v.size()), SQLITE_STATIC);
        return *this;
    }
    void run()
    {
        sqlite3_step(stmt_);
        sqlite3_reset(stmt_);
    }

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

std::string two(int k)
{
    return (k < 10 ? "0" : "") + std::to_string(k);
}

void exec(sqlite3* db, const char* sql)
{
    sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

void BareSqliteFloor15x15(benchmark::State& state)
{
    const QString path = caso("piso.mdb");
    // Closed last, after every statement below is finalised.
    struct Conexao {
        sqlite3* db = nullptr;
        ~Conexao() { sqlite3_close_v2(db); }
    } conexao;
    sqlite3_open_v2(path.toUtf8().constData(), &conexao.db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3* db = conexao.db;

    std::string zeroAlt = "UPDATE Alternativas SET Resultado = 0";
    for (int k = 1; k <= N; ++k)
        for (const char* p : {"RTO", "RTOi", "Total", "Normal", "Pesos", "KIVO"})
            zeroAlt += std::string(", ") + p + two(k) + " = 0";
    zeroAlt += " WHERE Numero = ?";
    Sql zeraAlt(db, zeroAlt);
    Sql zeraCrit(db,
                 "UPDATE Criterios SET RTO = 0, RTO_Inv = 0, Total = 0, Pesos = 0, Emach = 0, PesoFinal = 0 "
                 "WHERE Numero = ?");
    const std::string pares =
        " (Numero, Indice, CriterioA, DescrA, %A, %B, DescrB, CriterioB, RTO, inv_RTO) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";
    auto insert = [&](const std::string& table, const std::string& what) {
        std::string s = "INSERT INTO " + table + pares;
        for (size_t at; (at = s.find('%')) != std::string::npos;)
            s.replace(at, 1, what);
        return s;
    };
    Sql insRto(db, insert("RTO", "Peso"));
    Sql somaCrit(db, "UPDATE Criterios SET RTO = ?, RTO_Inv = ?, Total = ?, Pesos = ? WHERE Numero = ?");
    std::vector<std::unique_ptr<Sql>> insC, notas;
    std::string kivo = "UPDATE Alternativas SET ";
    for (int k = 1; k <= N; ++k) {
        insC.push_back(std::make_unique<Sql>(db, insert("c" + two(k), "Valor")));
        notas.push_back(std::make_unique<Sql>(db, "UPDATE Alternativas SET RTO" + two(k) + " = ?, RTOi" + two(k) +
                                                      " = ?, Total" + two(k) + " = ?, Normal" + two(k) + " = ?, Pesos" +
                                                      two(k) + " = ? WHERE Numero = ?"));
        kivo += "KIVO" + two(k) + " = ?, ";
    }
    Sql resultado(db, kivo + "Resultado = ? WHERE Numero = ?");
    std::vector<std::string> nomes, criterios;
    for (int i = 1; i <= N; ++i) {
        nomes.push_back("Alternativa de teste " + std::to_string(i));
        criterios.push_back("Critério " + std::to_string(i));
    }

    for (auto _ : state) {
        exec(db, "BEGIN");
        exec(db, "DELETE FROM RTO");
        for (int i = 1; i <= N; ++i) {
            zeraCrit.bind(1, i).run();
            zeraAlt.bind(1, i).run();
        }
        for (int k = 1; k <= N; ++k)
            exec(db, ("DELETE FROM c" + two(k)).c_str());
        exec(db, "COMMIT");

        exec(db, "BEGIN");
        int par = 0;
        for (int i = 1; i < N; ++i)
            for (int j = i + 1; j <= N; ++j)
                insRto.bind(1, ++par)
                    .bind(2, j - i)
                    .bind(3, i)
                    .bind(4, criterios[i - 1])
                    .bind(5, peso(i))
                    .bind(6, peso(j))
                    .bind(7, criterios[j - 1])
                    .bind(8, j)
                    .bind(9, peso(i) / peso(j))
                    .bind(10, peso(j) / peso(i))
                    .run();
        for (int i = 1; i <= N; ++i)
            somaCrit.bind(1, 1.0).bind(2, 1.0).bind(3, 2.0).bind(4, 1.0 / N).bind(5, i).run();
        exec(db, "COMMIT");

        for (int k = 1; k <= N; ++k) {
            exec(db, "BEGIN");
            par = 0;
            for (int a = 1; a <= N; ++a)
                for (int b = 1; b <= N; ++b)
                    insC[k - 1]
                        ->bind(1, ++par)
                        .bind(2, b)
                        .bind(3, a)
                        .bind(4, nomes[a - 1])
                        .bind(5, valor(k, a))
                        .bind(6, valor(k, b))
                        .bind(7, nomes[b - 1])
                        .bind(8, b)
                        .bind(9, valor(k, a) / valor(k, b))
                        .bind(10, valor(k, b) / valor(k, a))
                        .run();
            exec(db, "COMMIT");
        }
        for (int k = 1; k <= N; ++k) {
            exec(db, "BEGIN");
            for (int a = 1; a <= N; ++a)
                notas[k - 1]->bind(1, 1.0).bind(2, 1.0).bind(3, 2.0).bind(4, 0.5).bind(5, 1.0 / N).bind(6, a).run();
            exec(db, "COMMIT");
        }
        exec(db, "BEGIN");
        for (int a = 1; a <= N; ++a) {
            for (int k = 1; k <= N; ++k)
                resultado.bind(k, 0.01 * k);
            resultado.bind(N + 1, 0.15).bind(N + 2, a).run();
        }
        exec(db, "COMMIT");
    }
    state.counters["rows"] = 105 + N * N * N;
}
BENCHMARK(BareSqliteFloor15x15)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN_WITH_QT()
