#include "bench/support.h"

#include "davo/data/database.h"

#include "common/clock.h"
#include "common/formats.h"
#include "common/platform.h"
#include "common/store.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace benchsupport {

namespace {

void start()
{
    common::Messages::setTestMode(true);
    common::Clock::setTestDate(QDate(2026, 12, 8));
    common::setUserLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
    static QTemporaryDir locks;
    common::SingleInstance::setLockFolder(locks.path());
}

}  // namespace

QString folder()
{
    static QTemporaryDir dir;
    return dir.path();
}

namespace {

void addActivities(common::Database& db, int count)
{
    QRandomGenerator random(42);
    const QDate today = common::Clock::today();
    common::Transaction t(db);
    common::Recordset rs = common::Recordset::openTable(db, QStringLiteral("Atividades"));
    for (int i = 0; i < count; ++i) {
        const double g = 1 + random.bounded(41) / 10.0;
        const int t5 = 1 + random.bounded(5);
        const int u = 1 + random.bounded(5);
        const double est = 1 + random.bounded(80);
        rs.addNew();
        rs.setValue("Ativo", i % 10 == 9 ? "0" : "1");
        rs.setValue("GUT", g * t5 * u);
        rs.setValue("Atividade", QStringLiteral("Atividade de teste número %1").arg(i + 1));
        rs.setValue("G", g);
        rs.setValue("U", u);
        rs.setValue("T", t5);
        rs.setValue("DataFinal", today.addDays(random.bounded(-20, 120)));
        rs.setValue("FaltamDias", 1);
        rs.setValue("TempoDisp", 6);
        rs.setValue("HorasEst", est);
        rs.setValue("HorasTrab", 0);
        rs.setValue("HorasQFaltam", est);
        rs.setValue("HorasTrabDia", est);
        rs.setValue("Obs", QStringLiteral("Observação %1").arg(i + 1));
        rs.update();
    }
    t.commit();
}

}  // namespace

QString davoFolder(int count)
{
    const QString path = folder() + QStringLiteral("/davo-%1").arg(count);
    if (!QFile::exists(path + QStringLiteral("/DAVO.mdb"))) {
        QDir().mkpath(path);
        davo::createDatabase(path + QStringLiteral("/DAVO.mdb"));
        common::Database db;
        db.open(path + QStringLiteral("/DAVO.mdb"));
        addActivities(db, count);
    }
    return path;
}

int run(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's chatter would bury the figures.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type >= QtCriticalMsg)
            fprintf(stderr, "%s\n", qPrintable(text));
    });
    QApplication app(argc, argv);
    start();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

double peakMemoryMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

}  // namespace benchsupport
