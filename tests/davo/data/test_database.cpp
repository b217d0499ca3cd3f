// Finding one activity by its code, as the list and the history open it.

#include "davo/data/database.h"

#include "common/store.h"
#include "tests/support/testsupport.h"

class TestDavoDatabase : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }
    void init() { testsupport::resetPlatform(); }

    void an_activity_is_found_by_its_code_and_a_missing_one_answers_false()
    {
        testsupport::Folder folder;
        const QString path = folder.file(QStringLiteral("DAVO.mdb"));
        QVERIFY(davo::createDatabase(path));
        common::Database db;
        db.open(path, QStringLiteral(";pwd=PanoRoxo"));
        {
            common::Transaction t(db);
            common::Recordset rs = common::Recordset::openTable(db, QStringLiteral("Atividades"));
            for (const char* nome : {"Primeira", "Segunda"}) {
                rs.addNew();
                rs.setValue("Ativo", "1");
                rs.setValue("Atividade", QString::fromLatin1(nome));
                rs.update();
            }
            t.commit();
        }

        common::Recordset rs;
        QVERIFY(davo::abreAtividade(db, 2, rs));
        QCOMPARE(rs.text(QStringLiteral("Atividade")), QStringLiteral("Segunda"));
        QVERIFY(!davo::abreAtividade(db, 99, rs));
        QVERIFY(davo::abreAtividade(db, 1, rs));
        QCOMPARE(rs.text(QStringLiteral("Atividade")), QStringLiteral("Primeira"));
    }
};

QTEST_MAIN(TestDavoDatabase)
#include "test_database.moc"
