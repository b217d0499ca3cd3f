#include "kivo/shell/database.h"
#include "kivo/shell/menu.h"

#include "tests/support/testsupport.h"

#include <QFile>

using testsupport::lastMessage;

// Whatever file lies where CONTROLE.mdb should be, kivo reports it and changes none of its bytes.
class TestKivoArquivos : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }
    void init() { testsupport::resetPlatform(); }

    void a_file_that_is_no_usable_database_is_reported_and_left_alone()
    {
        testsupport::Folder good;
        const QString model = good.file(QStringLiteral("CONTROLE.mdb"));
        QVERIFY(kivo::createDatabase(model));
        for (const testsupport::BadFile& bad : testsupport::badDatabaseFiles()) {
            testsupport::Folder folder;
            const QString path = folder.file(QStringLiteral("CONTROLE.mdb"));
            bad.make(model, kivo::esquema(), path);
            const QByteArray before = testsupport::fileBytes(path);
            common::Messages::clearShown();
            {
                kivo::Menu menu(folder.path());
                QVERIFY2(!menu.Form_Load(), qPrintable(bad.name));
            }
            QCOMPARE(lastMessage().icon, QMessageBox::Critical);
            QCOMPARE(lastMessage().title, QStringLiteral("Erro"));
            const QString reason = lastMessage().text.section(QStringLiteral("Ref.: "), 1);
            QVERIFY2(reason.size() > 10, qPrintable(bad.name + QStringLiteral(": ") + reason));
            QVERIFY2(testsupport::fileBytes(path) == before, qPrintable(bad.name));
        }
    }
};

QTEST_MAIN(TestKivoArquivos)
#include "test_arquivos.moc"
