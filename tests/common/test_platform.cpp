#include "common/platform.h"
#include "tests/support/testsupport.h"

#include <QLockFile>

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
        common::Clock::pause(5000);
        common::Clock::pause(250);
        QVERIFY(timer.elapsed() < 1000);
        QCOMPARE(common::Clock::pausedMilliseconds(), 5250);
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
};

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
