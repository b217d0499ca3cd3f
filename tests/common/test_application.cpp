// The application object's last-resort catch: a failure that escapes a handler is reported and the
// program leaves through the event loop, never from inside the dispatch.

#include "common/application.h"
#include "common/platform.h"
#include "common/store.h"
#include "tests/support/testsupport.h"

#include <QEvent>

namespace {

// An object whose events fail, as an unguarded handler would.
class Quebra : public QObject {
public:
    int eventos = 0;
    bool event(QEvent* e) override
    {
        if (e->type() != QEvent::User)
            return QObject::event(e);
        ++eventos;
        throw common::StoreError(common::StoreError::Engine, QStringLiteral("disco cheio"));
    }
};

}  // namespace

class TestApplication : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }
    void init() { testsupport::resetPlatform(); }

    void an_escaped_failure_ends_exec_with_code_1()
    {
        Quebra q;
        bool depois = false;
        const int code = testsupport::inEventLoop([&] {
            QCoreApplication::postEvent(&q, new QEvent(QEvent::User));
            QCoreApplication::postEvent(&q, new QEvent(QEvent::User));  // dispatched, if at all, after the exit
            QEvent now(QEvent::User);                                   // a sent event stays the sender's
            QCoreApplication::sendEvent(&q, &now);
            depois = true;
        });
        QCOMPARE(code, 1);
        QVERIFY(depois);  // the process lives on to return from exec
        QCOMPARE(testsupport::shownTitles(), QStringList{QStringLiteral("teste")});
        QVERIFY(testsupport::lastMessage().text.contains(QStringLiteral("Erro 3000: disco cheio")));
    }
};

int main(int argc, char** argv)
{
    common::Application app(argc, argv, QStringLiteral("teste"));
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_application.moc"
