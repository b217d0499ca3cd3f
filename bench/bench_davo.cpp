// davo's activity list opened over many activities: the recomputation pass, the query, the grid
// and the headings, painted; and the floor under it, SQLite alone doing the same pass and query.
// Beside them, the plan of the coming weeks over ten thousand open activities.
#include "bench/support.h"

#include "davo/data/database.h"
#include "davo/data/plano.h"
#include "davo/data/prazos.h"
#include "davo/screens/frmAtividadesGUT.h"
#include "davo/screens/frmPlano.h"

#include "common/clock.h"
#include "common/platform.h"
#include "common/store.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

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

// The floor: bare SQLite on the same file doing the same work as the opening above, with no record
// set, screen or grid: the recomputation pass (read the open activities' figures, rewrite those
// that changed, in one transaction) and a step through every cell of the list's query.
void ActivityListFloor(benchmark::State& state)
{
    const QByteArray path = (benchsupport::davoFolder(static_cast<int>(state.range(0))) + "/DAVO.mdb").toUtf8();
    const bool newDay = state.range(1) != 0;
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                    nullptr);  // as the store opens it
    auto prepare = [db](const QString& sql) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
            qFatal("%s", sqlite3_errmsg(db));
        return statement;
    };
    sqlite3_stmt* pass = prepare(
        "Select Codigo, DataFinal, HorasQFaltam, FaltamDias, TempoDisp, HorasTrabDia "
        "FROM Atividades WHERE Ativo = '1'");
    sqlite3_stmt* write =
        prepare("UPDATE Atividades SET FaltamDias = ?, TempoDisp = ?, HorasTrabDia = ? WHERE Codigo = ?");
    sqlite3_stmt* list = prepare(davo::ListaAtivas.sql());
    auto number = [](sqlite3_stmt* s, int c) {
        const int type = sqlite3_column_type(s, c);
        return type == SQLITE_INTEGER || type == SQLITE_FLOAT;
    };
    QDate day = common::Clock::today();
    for (auto _ : state) {
        if (newDay) {
            state.PauseTiming();
            day = day.addDays(1);
            state.ResumeTiming();
        }
        sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        while (sqlite3_step(pass) == SQLITE_ROW) {
            if (!number(pass, 1) || !number(pass, 2))
                continue;
            const davo::Prazo p = davo::calculaPrazo(QDate::fromJulianDay(sqlite3_column_int64(pass, 1)), day);
            const double figures[] = {p.faltamDias, p.tempoDisp,
                                      davo::horasTrabDia(sqlite3_column_double(pass, 2), p.faltamDias)};
            bool current = true;
            for (int i = 0; i < 3; ++i)
                current = current && number(pass, 3 + i) && sqlite3_column_double(pass, 3 + i) == figures[i];
            if (current)
                continue;
            for (int i = 0; i < 3; ++i)
                sqlite3_bind_double(write, i + 1, figures[i]);
            sqlite3_bind_int64(write, 4, sqlite3_column_int64(pass, 0));
            sqlite3_step(write);
            sqlite3_reset(write);
        }
        sqlite3_reset(pass);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);

        qint64 seen = 0;
        const int columns = sqlite3_column_count(list);
        while (sqlite3_step(list) == SQLITE_ROW) {
            for (int c = 0; c < columns; ++c) {
                switch (sqlite3_column_type(list, c)) {
                case SQLITE_INTEGER:
                    seen += sqlite3_column_int64(list, c);
                    break;
                case SQLITE_FLOAT:
                    seen += static_cast<qint64>(sqlite3_column_double(list, c));
                    break;
                case SQLITE_TEXT:
                    benchmark::DoNotOptimize(sqlite3_column_text(list, c));
                    seen += sqlite3_column_bytes(list, c);
                    break;
                default:
                    break;
                }
            }
        }
        sqlite3_reset(list);
        benchmark::DoNotOptimize(seen);
    }
    sqlite3_finalize(pass);
    sqlite3_finalize(write);
    sqlite3_finalize(list);
    sqlite3_close(db);
}
BENCHMARK(ActivityListFloor)
    ->ArgsProduct({{1000, 10000}, {1, 0}})
    ->ArgNames({"activities", "newday"})
    ->Unit(benchmark::kMillisecond);

// A DAVO.mdb of `count` open activities due over the next 90 days, 1 to 40 hours still to work each.
davo::Programa& programaAberto(int count)
{
    static auto* open = new std::map<int, std::unique_ptr<davo::Programa>>;
    auto& p = (*open)[count];
    if (p)
        return *p;
    p = std::make_unique<davo::Programa>();
    p->pasta = benchsupport::folder() + QStringLiteral("/davo-abertas-%1").arg(count);
    QDir().mkpath(p->pasta);
    davo::createDatabase(p->pasta + "/DAVO.mdb");
    p->db.open(p->pasta + "/DAVO.mdb", ";pwd=PanoRoxo");
    QRandomGenerator random(27);
    const QDate today = common::Clock::today();
    common::Transaction t(p->db);
    common::Recordset rs = common::Recordset::openTable(p->db, QStringLiteral("Atividades"));
    for (int i = 0; i < count; ++i) {
        const double horas = 1 + random.bounded(40);
        rs.addNew();
        rs.setValue("Ativo", "1");
        rs.setValue("GUT", 1 + random.bounded(125));
        rs.setValue("Atividade", QStringLiteral("Atividade aberta número %1").arg(i + 1));
        rs.setValue("G", 2);
        rs.setValue("U", 1);
        rs.setValue("T", 3);
        rs.setValue("DataFinal", today.addDays(random.bounded(90)));
        rs.setValue("FaltamDias", 1);
        rs.setValue("TempoDisp", 6);
        rs.setValue("HorasEst", horas);
        rs.setValue("HorasTrab", 0);
        rs.setValue("HorasQFaltam", horas);
        rs.setValue("HorasTrabDia", horas);
        rs.update();
    }
    t.commit();
    davo::AtualizaPrazos(p->db, today);
    return *p;
}

// The plan alone, over activities already read.
void PlanLaysOpenActivities(benchmark::State& state)
{
    davo::Programa& p = programaAberto(static_cast<int>(state.range(0)));
    const std::vector<davo::AtividadePlano> abertas = davo::atividadesAbertas(p.db);
    const QDate today = common::Clock::today();
    for (auto _ : state) {
        davo::Plano plano = davo::planeja(abertas, today);
        benchmark::DoNotOptimize(plano.previsoes.data());
    }
    state.counters["late"] = double(davo::planeja(abertas, today).atrasadas());
}
BENCHMARK(PlanLaysOpenActivities)->Arg(10000)->ArgName("activities")->Unit(benchmark::kMillisecond);

// The plan as the screens make it: the open activities read in the list's order, then laid.
void PlanFromTheDatabase(benchmark::State& state)
{
    davo::Programa& p = programaAberto(static_cast<int>(state.range(0)));
    const QDate today = common::Clock::today();
    for (auto _ : state) {
        davo::Plano plano = davo::planeja(davo::atividadesAbertas(p.db), today);
        benchmark::DoNotOptimize(plano.previsoes.data());
    }
}
BENCHMARK(PlanFromTheDatabase)->Arg(10000)->ArgName("activities")->Unit(benchmark::kMillisecond);

// What the new-activity screen does at each key typed in its deadline or hours: the plan again with
// one more activity, compared with the plan it opened with.
void PlanWhatIf(benchmark::State& state)
{
    davo::Programa& p = programaAberto(static_cast<int>(state.range(0)));
    const QDate today = common::Clock::today();
    const davo::Plano plano = davo::planeja(davo::atividadesAbertas(p.db), today);
    const davo::AtividadePlano nova{QVariant(), QStringLiteral("nova"), today.addDays(30), 12};
    for (auto _ : state)
        benchmark::DoNotOptimize(davo::impacto(plano, nova).size());
}
BENCHMARK(PlanWhatIf)->Arg(10000)->ArgName("activities")->Unit(benchmark::kMillisecond);

// The plan screen opened and painted: the pass, the plan, the chart and the late activities' table.
void PlanScreenOpens(benchmark::State& state)
{
    davo::Programa& p = programaAberto(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        davo::frmPlano tela(p);
        tela.Form_Load();
        tela.show();
        QApplication::processEvents();
    }
}
BENCHMARK(PlanScreenOpens)->Arg(10000)->ArgName("activities")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN_WITH_QT()
