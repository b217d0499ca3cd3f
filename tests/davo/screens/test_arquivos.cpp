#include "davo/data/database.h"
#include "davo/screens/menu.h"

#include "common/formats.h"
#include "tests/support/testsupport.h"

#include <QAction>
#include <QFile>

using testsupport::lastMessage;

// Whatever file lies where DAVO.mdb should be, davo reports it, changes none of its bytes and opens
// no screen on it.
class TestDavoArquivos : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }
    void init()
    {
        testsupport::resetPlatform();
        common::setUserLocale(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("dd/MM/yyyy"));
    }

    void a_file_that_is_no_usable_database_is_reported_and_left_alone()
    {
        testsupport::Folder good;
        const QString model = good.file(QStringLiteral("DAVO.mdb"));
        QVERIFY(davo::createDatabase(model));
        for (const testsupport::BadFile& bad : testsupport::badDatabaseFiles()) {
            testsupport::Folder folder;
            const QString path = folder.file(QStringLiteral("DAVO.mdb"));
            bad.make(model, davo::esquema(), path);
            const QByteArray before = testsupport::fileBytes(path);
            common::Messages::clearShown();
            {
                davo::Menu menu(folder.path());
                QVERIFY2(menu.Form_Load(), qPrintable(bad.name));  // the window shows all the same
                QCOMPARE(lastMessage().title, QStringLiteral("Erro"));
                const QString reason = lastMessage().text.section(QStringLiteral("Ref.: "), 1);
                QVERIFY2(reason.size() > 10, qPrintable(bad.name + QStringLiteral(": ") + reason));
                QVERIFY2(!menu.programa().db.isOpen(), qPrintable(bad.name));
                common::Messages::clearShown();
                menu.findChild<QAction*>(QStringLiteral("mnuAtivGUT"))->trigger();
                QVERIFY(lastMessage().text.contains(QStringLiteral("3420")));
            }
            QVERIFY2(testsupport::fileBytes(path) == before, qPrintable(bad.name));
        }
    }
};

QTEST_MAIN(TestDavoArquivos)
#include "test_arquivos.moc"
