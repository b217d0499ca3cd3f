#include "davo/data/compaction.h"
#include "davo/data/database.h"

#include "common/store.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using davo::PassoCompactacao;

namespace {

void addActivities(common::Database& db, int count)
{
    common::Transaction t(db);
    common::Recordset rs = common::Recordset::openTable(db, QStringLiteral("Atividades"));
    for (int i = 1; i <= count; ++i) {
        rs.addNew();
        rs.setValue("Ativo", i % 3 == 0 ? "0" : "1");
        rs.setValue("Atividade", QStringLiteral("Atividade %1").arg(i));
        rs.setValue("GUT", i);
        rs.setValue("DataFinal", testsupport::Today.addDays(i));
        rs.update();
    }
    t.commit();
}

QStringList activities(common::Database& db)
{
    QStringList out;
    common::Recordset rs = common::Recordset::openTable(db, QStringLiteral("Atividades"));
    for (; !rs.eof(); rs.moveNext())
        out << rs.text("Codigo") + QLatin1Char(':') + rs.text("Atividade");
    return out;
}

}  // namespace

class TestCompaction : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::Folder> folder_;
    common::Database db_;
    QStringList before_;

    QString file(const char* name) const { return folder_->file(QLatin1String(name)); }

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }

    void init()
    {
        testsupport::resetPlatform();
        folder_ = std::make_unique<testsupport::Folder>();
        QVERIFY(davo::createDatabase(file("DAVO.mdb")));
        db_.open(file("DAVO.mdb"), QStringLiteral(";pwd=PanoRoxo"));
        addActivities(db_, 300);
        // Deleted rows leave free pages for the compaction to give back.
        db_.execute(QStringLiteral("DELETE FROM Atividades WHERE Codigo > 200"));
        before_ = activities(db_);
    }

    void cleanup() { db_.close(); }

    void a_fresh_database_has_its_tables()
    {
        QVERIFY(!davo::createDatabase(file("DAVO.mdb")));
        common::Recordset rs = common::Recordset::openTable(db_, QStringLiteral("Atividades"));
        const QStringList expected{"Codigo",    "Ativo",     "GUT",          "Atividade",    "G",
                                   "U",         "T",         "DataFinal",    "FaltamDias",   "TempoDisp",
                                   "HorasEst",  "HorasTrab", "HorasQFaltam", "HorasTrabDia", "Obs",
                                   "Concluida", "Reserva1",  "Reserva2",     "Reserva3",     "Reserva4"};
        QStringList fields;
        for (int c = 0; c < rs.fieldCount(); ++c)
            fields << rs.fieldName(c);
        QCOMPARE(fields, expected);
        QCOMPARE(common::Recordset::openTable(db_, QStringLiteral("Parametro")).recordCount(), 1);
    }

    void compaction_keeps_every_activity_and_shrinks_the_file()
    {
        const qint64 size = QFileInfo(file("DAVO.mdb")).size();
        davo::compactaBanco(db_, folder_->path());
        QVERIFY(db_.isOpen());
        QCOMPARE(activities(db_), before_);
        QVERIFY(QFileInfo(file("DAVO.mdb")).size() < size);
        QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList{"DAVO.mdb"});
        // The keys go on from where they were: a new activity does not take a freed key.
        common::Recordset rs = common::Recordset::openTable(db_, QStringLiteral("Atividades"));
        rs.addNew();
        rs.setValue("Ativo", "1");
        rs.update();
        rs.moveLast();
        QCOMPARE(rs.value("Codigo").toInt(), 301);
    }

    void the_compacted_file_keeps_the_permissions_of_the_old_one()
    {
        const auto ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
        QVERIFY(QFile::setPermissions(file("DAVO.mdb"), ownerOnly));
        davo::compactaBanco(db_, folder_->path());
        QCOMPARE(QFile::permissions(file("DAVO.mdb")) & ~(QFile::ReadUser | QFile::WriteUser), ownerOnly);
        QCOMPARE(activities(db_), before_);
    }

    void a_linked_database_is_compacted_where_the_link_points_and_stays_linked()
    {
        // DAVO.mdb in the program's folder is a link to the file kept elsewhere.
        testsupport::Folder elsewhere;
        const QString target = elsewhere.file(QStringLiteral("DAVO.mdb"));
        db_.close();
        QVERIFY(QFile::rename(file("DAVO.mdb"), target));
        QVERIFY(QFile::link(target, file("DAVO.mdb")));
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        const auto mode = QFile::permissions(target);
        const qint64 size = QFileInfo(target).size();
        db_.open(file("DAVO.mdb"));

        davo::compactaBanco(db_, folder_->path());
        QVERIFY(QFileInfo(file("DAVO.mdb")).isSymLink());
        QCOMPARE(QFileInfo(file("DAVO.mdb")).symLinkTarget(), target);
        QVERIFY(QFileInfo(target).size() < size);
        QCOMPARE(QFile::permissions(target), mode);
        QVERIFY(!QFile::exists(file("NovoDAVO.mdb")) && !QFile::exists(elsewhere.file(QStringLiteral("NovoDAVO.mdb"))));
        QCOMPARE(activities(db_), before_);

        // What is saved afterwards reaches the file the link points to.
        db_.execute(QStringLiteral("DELETE FROM Atividades WHERE Codigo = 1"));
        common::Database direct;
        direct.open(target);
        QCOMPARE(activities(direct).size(), before_.size() - 1);
    }

    void a_failure_at_any_step_loses_nothing_data()
    {
        QTest::addColumn<int>("step");
        QTest::newRow("close") << int(PassoCompactacao::Fechar);
        QTest::newRow("compact") << int(PassoCompactacao::Compactar);
        QTest::newRow("replace") << int(PassoCompactacao::Substituir);
        QTest::newRow("open exclusive") << int(PassoCompactacao::AbrirExclusivo);
        QTest::newRow("close exclusive") << int(PassoCompactacao::FecharExclusivo);
        QTest::newRow("open shared") << int(PassoCompactacao::AbrirCompartilhado);
    }

    void a_failure_at_any_step_loses_nothing()
    {
        QFETCH(int, step);
        bool failed = false;
        try {
            davo::compactaBanco(db_, folder_->path(), [step](PassoCompactacao p) {
                if (int(p) == step)
                    throw common::StoreError(common::StoreError::Engine, QStringLiteral("falha simulada"));
            });
        } catch (const common::StoreError& e) {
            failed = true;
            QCOMPARE(e.description(), QStringLiteral("falha simulada"));
        }
        QVERIFY(failed);
        QVERIFY(db_.isOpen());
        QCOMPARE(activities(db_), before_);
        QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList{"DAVO.mdb"});
    }

    void a_leftover_temporary_file_does_not_stop_the_compaction()
    {
        QFile leftover(file("NovoDAVO.mdb"));
        QVERIFY(leftover.open(QIODevice::WriteOnly));
        leftover.write("resto de uma compactação interrompida");
        leftover.close();
        davo::compactaBanco(db_, folder_->path());
        QCOMPARE(activities(db_), before_);
        QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList{"DAVO.mdb"});
    }
};

QTEST_MAIN(TestCompaction)
#include "test_compaction.moc"
