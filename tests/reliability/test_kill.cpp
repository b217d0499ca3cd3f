// SQLite promises that a committed transaction survives a killed process and that an unfinished one
// leaves nothing. These tests hold the programs' own saving code to that: a writer saves without
// pause, is killed with SIGKILL at a random moment, and the file must then be sound, with every save
// it reported there whole and no save there in part.
//
// The moments come from a seed that each run prints; KILL_SEED=<seed> replays a failure.

#include "davo/data/database.h"
#include "kivo/shell/database.h"

#include "common/store.h"
#include "tests/support/testsupport.h"

#include <QProcess>
#include <QRandomGenerator>

#include <sqlite3.h>

namespace {

constexpr int Kills = 50;

// Reads the file with SQLite itself, apart from the code under test. It opens the file for writing,
// as the program's next start does, so that SQLite rolls back a transaction the kill cut short.
class Arquivo {
public:
    explicit Arquivo(const QString& path)
    {
        if (sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            qWarning("cannot open %s", qPrintable(path));
    }
    ~Arquivo() { sqlite3_close(db_); }

    QList<QVariantList> rows(const char* sql) const
    {
        QList<QVariantList> out;
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db_, sql, -1, &st, nullptr) != SQLITE_OK) {
            qWarning("%s: %s", sql, sqlite3_errmsg(db_));
            return out;
        }
        while (sqlite3_step(st) == SQLITE_ROW) {
            QVariantList row;
            for (int c = 0; c < sqlite3_column_count(st); ++c) {
                switch (sqlite3_column_type(st, c)) {
                case SQLITE_INTEGER:
                    row << qint64(sqlite3_column_int64(st, c));
                    break;
                case SQLITE_FLOAT:
                    row << sqlite3_column_double(st, c);
                    break;
                case SQLITE_NULL:
                    row << QVariant();
                    break;
                default:
                    row << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, c)));
                }
            }
            out << row;
        }
        sqlite3_finalize(st);
        return out;
    }

    QVariant value(const char* sql) const
    {
        const auto r = rows(sql);
        return r.isEmpty() ? QVariant() : r.first().value(0);
    }

private:
    sqlite3* db_ = nullptr;
};

// What the writer said it committed, by kind, the last number of each.
QHash<QString, long> reported(const QByteArray& output)
{
    QHash<QString, long> last;
    for (const QByteArray& line : output.split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() == 2)
            last[QString::fromLatin1(parts[0])] = parts[1].toLong();
    }
    return last;
}

}  // namespace

class TestKill : public QObject {
    Q_OBJECT

    quint32 seed_ = 0;
    QRandomGenerator random_;

    // Starts the writer, lets it run for a random while and kills it. Answers what it reported.
    QHash<QString, long> runAndKill(const QString& mode, const QString& path, int minMs, int maxMs)
    {
        QProcess writer;
        writer.setProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/gravador"));
        writer.setArguments({mode, path});
        writer.start();
        if (!writer.waitForStarted())
            qWarning("the writer did not start");
        QTest::qWait(random_.bounded(minMs, maxMs));
        writer.kill();  // SIGKILL
        writer.waitForFinished();
        if (writer.exitStatus() != QProcess::CrashExit)
            qWarning("the writer ended by itself: %s", writer.readAllStandardError().constData());
        return reported(writer.readAllStandardOutput());
    }

private slots:
    void initTestCase()
    {
        testsupport::useTestPlatform();
        const QByteArray fixed = qgetenv("KILL_SEED");
        seed_ = fixed.isEmpty() ? QRandomGenerator::system()->generate() : fixed.toUInt();
        qInfo("kill test seed: %u (KILL_SEED=%u replays it)", seed_, seed_);
        random_.seed(seed_);
    }

    void davo_activities_and_bookings_survive_every_kill()
    {
        testsupport::Folder folder;
        const QString path = folder.file(QStringLiteral("DAVO.mdb"));
        QVERIFY(davo::createDatabase(path));
        long activities = 0;
        long bookings = 0;
        for (int kill = 1; kill <= Kills; ++kill) {
            const auto said = runAndKill(QStringLiteral("davo"), path, 20, 160);
            Arquivo file(path);
            QCOMPARE(file.value("PRAGMA integrity_check").toString(), QStringLiteral("ok"));
            // Every save reported is there; one more may have committed before it could say so.
            activities += said.value(QStringLiteral("atividade"));
            bookings += said.value(QStringLiteral("apontamento"));
            const long rows = file.value("SELECT COUNT(*) FROM Atividades").toLongLong();
            QVERIFY2(rows == activities || rows == activities + 1, qPrintable(QString::number(kill)));
            activities = rows;
            const long booked = file.value("SELECT SUM(HorasTrab) FROM Atividades").toLongLong();
            QVERIFY2(booked == bookings || booked == bookings + 1, qPrintable(QString::number(kill)));
            bookings = booked;
            // No activity is there in part, and no booking moved only one of its two figures.
            QCOMPARE(file.value("SELECT COUNT(*) FROM Atividades WHERE Atividade IS NULL OR Obs IS NULL "
                                "OR DataFinal IS NULL OR HorasEst IS NULL")
                         .toLongLong(),
                     0);
            QCOMPARE(
                file.value("SELECT COUNT(*) FROM Atividades WHERE HorasTrab + HorasQFaltam <> HorasEst").toLongLong(),
                0);
        }
        QVERIFY2(activities > Kills, "the writer hardly wrote anything: the kills prove little");
    }

    void kivo_criteria_survive_every_kill()
    {
        testsupport::Folder folder;
        const QString path = folder.file(QStringLiteral("CONTROLE.mdb"));
        QVERIFY(kivo::createDatabase(path));
        long saves = 0;
        for (int kill = 1; kill <= Kills; ++kill) {
            const auto said = runAndKill(QStringLiteral("kivo"), path, 20, 160);
            Arquivo file(path);
            QCOMPARE(file.value("PRAGMA integrity_check").toString(), QStringLiteral("ok"));
            const auto versions = file.rows("SELECT DISTINCT Valor01, Valor15, Sinal FROM Criterios");
            QCOMPARE(versions.size(), 1);  // all 15 rows from one save: none in part
            const long last = versions.first().value(0).toLongLong();
            QCOMPARE(versions.first().value(1).toLongLong(), last);
            const long said_ = said.value(QStringLiteral("criterios"));
            QVERIFY2(said_ == 0 || last == said_ || last == said_ + 1, qPrintable(QString::number(kill)));
            QCOMPARE(file.value("SELECT COUNT(*) FROM Criterios").toLongLong(), 15);
            saves += said_;
        }
        QVERIFY2(saves > Kills, "the writer hardly wrote anything: the kills prove little");
    }

    void compaction_keeps_every_activity_through_every_kill()
    {
        testsupport::Folder folder;
        const QString path = folder.file(QStringLiteral("DAVO.mdb"));
        QVERIFY(davo::createDatabase(path));
        {
            common::Database db;
            db.open(path);
            common::Transaction t(db);
            for (int i = 1; i <= 500; ++i)
                db.execute(QStringLiteral("INSERT INTO Atividades (Ativo, Atividade, HorasEst) VALUES ('1', ?, ?)"),
                           {QStringLiteral("Atividade %1").arg(i), double(i)});
            t.commit();
        }
        long compactions = 0;
        for (int kill = 1; kill <= Kills; ++kill) {
            compactions +=
                runAndKill(QStringLiteral("compacta"), folder.path(), 10, 120).value(QStringLiteral("compactacao"));
            QVERIFY2(QFile::exists(path), qPrintable(QString::number(kill)));
            Arquivo file(path);
            QCOMPARE(file.value("PRAGMA integrity_check").toString(), QStringLiteral("ok"));
            QCOMPARE(file.value("SELECT COUNT(*) FROM Atividades").toLongLong(), 500);
            QCOMPARE(file.value("SELECT SUM(HorasEst) FROM Atividades").toLongLong(), 500 * 501 / 2);
        }
        QVERIFY2(compactions > 0, "no compaction ever finished: the kills prove little");
    }
};

QTEST_GUILESS_MAIN(TestKill)
#include "test_kill.moc"
