#include "common/clock.h"
#include "common/platform.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSysInfo>
#include <QTemporaryDir>

#include <unistd.h>

using common::Messages;

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }
    void init() { testsupport::resetPlatform(); }

    void message_boxes_are_recorded_and_answered()
    {
        Messages::exclamation(nullptr, QStringLiteral("Título!"), QStringLiteral("Texto"));
        QCOMPARE(testsupport::lastMessage().icon, QMessageBox::Warning);
        QCOMPARE(testsupport::lastMessage().title, QStringLiteral("Título!"));
        QCOMPARE(testsupport::lastMessage().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

        Messages::answerNext(QMessageBox::Yes);
        QVERIFY(Messages::askYesNo(nullptr, QStringLiteral("Pergunta"), QStringLiteral("Confirma?")));
        QVERIFY(!Messages::askYesNo(nullptr, QStringLiteral("Pergunta"), QStringLiteral("Confirma?")));
        QCOMPARE(Messages::shown().size(), 3);
        QCOMPARE(Messages::shown().at(2).answer, QMessageBox::No);
    }

    void the_clock_is_set_and_pauses_do_not_wait()
    {
        QCOMPARE(common::Clock::today(), testsupport::Today);
        QElapsedTimer timer;
        timer.start();
        QObject context;
        QStringList ran;
        common::Clock::after(5000, &context, [&] {
            ran << QStringLiteral("5000");
            common::Clock::after(250, &context, [&] { ran << QStringLiteral("250"); });
        });
        QVERIFY(ran.isEmpty());  // from the event loop, never within the call
        QVERIFY(testsupport::finishPauses());
        QCOMPARE(ran, QStringList({"5000", "250"}));
        QVERIFY(timer.elapsed() < 1000);
        QCOMPARE(common::Clock::pausedMilliseconds(), 5250);
        {
            // What follows a pause goes with its context.
            QObject gone;
            common::Clock::after(100, &gone, [&] { ran << QStringLiteral("gone"); });
            QCOMPARE(common::Clock::pendingPauses(), 1);
        }
        QCOMPARE(common::Clock::pendingPauses(), 0);
        QCoreApplication::processEvents();
        QCOMPARE(ran.size(), 2);
        common::Clock::setTestDate(QDate(2027, 1, 1));
        QCOMPARE(common::Clock::today(), QDate(2027, 1, 1));
    }

    void a_second_copy_is_refused_until_the_first_ends()
    {
        auto first = std::make_unique<common::SingleInstance>(QStringLiteral("prog"));
        QVERIFY(!first->anotherCopyRunning());
        common::SingleInstance second(QStringLiteral("prog"));
        QVERIFY(second.anotherCopyRunning());
        common::SingleInstance other(QStringLiteral("outro"));
        QVERIFY(!other.anotherCopyRunning());
        first.reset();
        common::SingleInstance third(QStringLiteral("prog"));
        QVERIFY(!third.anotherCopyRunning());
    }

    void a_lock_that_cannot_be_written_is_no_other_copy()
    {
        QTemporaryDir dir;
        common::SingleInstance::setLockFolder(dir.filePath(QStringLiteral("não existe")));
        common::SingleInstance lonely(QStringLiteral("prog"));
        QVERIFY(!lonely.anotherCopyRunning());
        testsupport::useTestPlatform();  // back to the test lock folder
    }

    void a_lock_left_by_a_dead_copy_is_taken_over()
    {
        QTemporaryDir dir;
        common::SingleInstance::setLockFolder(dir.path());
        {
            // A crashed copy leaves its lock file behind, naming a process that no longer runs.
            QFile stale(dir.filePath(QStringLiteral("prog-%1.lock").arg(::getuid())));
            QVERIFY(stale.open(QIODevice::WriteOnly));
            stale.write("999999999\nprog\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        }
        common::SingleInstance next(QStringLiteral("prog"));
        QVERIFY(!next.anotherCopyRunning());
        testsupport::useTestPlatform();
    }

    void another_users_lock_in_the_shared_folder_refuses_nothing()
    {
        QTemporaryDir runtime;
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QByteArray before = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        common::SingleInstance::setLockFolder(QString());

        // Somebody else made the lock under the old, predictable name, naming a live process.
        const QString shared = QDir::temp().filePath(QStringLiteral("prog-%1.lock").arg(::getuid()));
        const bool made = !QFile::exists(shared);
        if (made) {
            QFile squatter(shared);
            QVERIFY(squatter.open(QIODevice::WriteOnly));
            squatter.write("1\nprog\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        }
        QCOMPARE(common::SingleInstance::folder(), runtime.path());
        common::SingleInstance mine(QStringLiteral("prog"));
        const bool refused = mine.anotherCopyRunning();
        if (made)
            QFile::remove(shared);
        qputenv("XDG_RUNTIME_DIR", before);
        testsupport::useTestPlatform();
        QVERIFY(!refused);
    }
};

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
