// Finding one activity by its code, as the list and the history open it, and what their saves and
// the new-activity screen write, without a window.

#include "davo/data/atividades.h"
#include "davo/data/database.h"

#include "common/formats.h"
#include "common/store.h"
#include "tests/support/testsupport.h"

using testsupport::Today;

namespace {

// A fresh DAVO.mdb, open.
struct Arquivo {
    testsupport::Folder folder;
    common::Database db;

    Arquivo()
    {
        const QString path = folder.file(QStringLiteral("DAVO.mdb"));
        QVERIFY(davo::createDatabase(path));
        db.open(path, QStringLiteral(";pwd=PanoRoxo"));
    }

    // An activity as the new-activity screen stores it: 30 hours estimated, 5 worked, due in 10 days.
    QVariant adiciona(const QString& nome, const QString& ativo = QStringLiteral("1"))
    {
        davo::incluiAtividade(db, {nome, common::dateText(Today.addDays(10)), "30", "5", {}, "2", "4", "1", "8"},
                              Today);
        common::Recordset rs = common::Recordset::openTable(db, QStringLiteral("Atividades"));
        rs.moveLast();
        if (ativo != QLatin1String("1")) {
            rs.edit();
            rs.setValue("Ativo", ativo);
            rs.update();
        }
        return rs.value("Codigo");
    }
};

davo::LeituraEdicao le(const QString& horasEst, const QString& horasTrab, const QDate& data = Today.addDays(5))
{
    return davo::leEdicao({QStringLiteral("nota"), data, horasEst, horasTrab, true}, Today);
}

}  // namespace

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

    void a_new_activity_is_stored_open_with_its_figures()
    {
        Arquivo a;
        davo::incluiAtividade(a.db, {"relatório", "18/12/2026", "30,5", "6,5", "anexos", "1,7", "4", "3", "20,4"},
                              Today);
        common::Recordset rs = common::Recordset::openTable(a.db, QStringLiteral("Atividades"));
        QCOMPARE(rs.recordCount(), 1);
        QCOMPARE(rs.text("Ativo"), QStringLiteral("1"));
        QCOMPARE(rs.text("Atividade"), QStringLiteral("relatório"));
        QCOMPARE(rs.value("DataFinal").toDate(), Today.addDays(10));
        QCOMPARE(rs.value("FaltamDias").toDouble(), 10.0);
        QCOMPARE(rs.value("TempoDisp").toDouble(), 60.0);
        QCOMPARE(rs.value("HorasEst").toDouble(), 30.5);
        QCOMPARE(rs.value("HorasTrab").toDouble(), 6.5);
        QCOMPARE(rs.value("HorasQFaltam").toDouble(), 24.0);
        QCOMPARE(rs.value("HorasTrabDia").toDouble(), 2.4);
        QCOMPARE(rs.value("G").toDouble(), 1.7);
        QCOMPARE(rs.value("GUT").toDouble(), 20.4);
        QCOMPARE(rs.text("Obs"), QStringLiteral("anexos"));
    }

    // The list's save: hours below zero or unreadable refuse it, naming the fields in the order
    // checked; a deadline before today or no date is not taken, the rest is.
    void the_list_edit_is_read_and_refused_before_any_write()
    {
        QCOMPARE(le("-1", "2").recusados, QStringList{davo::CampoHorasEst});
        QCOMPARE(le("30", "-0,5").recusados, QStringList{davo::CampoHorasTrab});
        QCOMPARE(le("-2", "-1").recusados, QStringList({davo::CampoHorasEst, davo::CampoHorasTrab}));
        QCOMPARE(le("30", "2h").recusados, QStringList{davo::CampoHorasTrab});
        QCOMPARE(le("30", "1.5").recusados, QStringList{davo::CampoHorasTrab});
        QVERIFY(!le("-1", "2").aceita());

        // Empty boxes keep the estimate and book nothing.
        davo::LeituraEdicao vazia = le(" ", "");
        QVERIFY(vazia.aceita());
        QVERIFY(!vazia.edicao.horasEst && !vazia.edicao.horasTrabalhadas);
        QCOMPARE(vazia.edicao.obs, QStringLiteral("nota"));
        QVERIFY(vazia.edicao.finaliza);

        const davo::LeituraEdicao hoje = le("40", "2,5", Today);
        QCOMPARE(hoje.novaData, davo::NovaDataFinal::Aceita);
        QCOMPARE(hoje.edicao.dataFinal, std::optional<QDate>(Today));
        QCOMPARE(hoje.edicao.horasEst, std::optional<double>(40));
        QCOMPARE(hoje.edicao.horasTrabalhadas, std::optional<double>(2.5));
        const davo::LeituraEdicao ontem = le("40", "2", Today.addDays(-1));
        QCOMPARE(ontem.novaData, davo::NovaDataFinal::Anterior);
        QVERIFY(ontem.aceita() && !ontem.edicao.dataFinal);
        const davo::LeituraEdicao nenhuma = le("40", "2", QDate());
        QCOMPARE(nenhuma.novaData, davo::NovaDataFinal::Invalida);
        QVERIFY(nenhuma.aceita() && !nenhuma.edicao.dataFinal);
        // A refused save still says what the deadline would have done.
        QCOMPARE(le("-1", "2", QDate()).novaData, davo::NovaDataFinal::Invalida);
    }

    // Booking adds to the hours worked; the hours still to work, the urgency and the score follow;
    // finishing sets Ativo to '0', anything else to '1'. Nothing else is touched.
    void the_list_save_books_hours_and_sets_ativo()
    {
        Arquivo a;
        const QVariant codigo = a.adiciona(QStringLiteral("relatório"));
        a.adiciona(QStringLiteral("outra"));
        const QStringList antes = testsupport::databaseContents(a.db);
        common::Recordset rs;
        QVERIFY(davo::abreAtividade(a.db, codigo, rs));
        davo::gravaEdicao(a.db, rs, {QStringLiteral("faltam os anexos"), std::nullopt, std::nullopt, 22.0, false},
                          Today.addDays(4));
        QVERIFY(!rs.isOpen());
        QVERIFY(davo::abreAtividade(a.db, codigo, rs));
        QCOMPARE(rs.value("HorasTrab").toDouble(), 27.0);
        QCOMPARE(rs.value("HorasEst").toDouble(), 30.0);
        QCOMPARE(rs.value("HorasQFaltam").toDouble(), 3.0);
        QCOMPARE(rs.value("DataFinal").toDate(), Today.addDays(10));
        QCOMPARE(rs.value("FaltamDias").toDouble(), 6.0);
        QCOMPARE(rs.value("HorasTrabDia").toDouble(), 0.5);
        QCOMPARE(rs.value("U").toInt(), 1);  // 3 of 36 hours
        QCOMPARE(rs.value("GUT").toDouble(), 8.0);
        QCOMPARE(rs.text("Obs"), QStringLiteral("faltam os anexos"));
        QCOMPARE(rs.text("Ativo"), QStringLiteral("1"));
        auto semRelatorio = [](QStringList linhas) {
            linhas.removeIf([](const QString& l) { return l.contains(QStringLiteral("relatório")); });
            return linhas;
        };
        QCOMPARE(semRelatorio(testsupport::databaseContents(a.db)), semRelatorio(antes));

        // A new deadline and estimate, more worked than estimated, and the activity finished.
        davo::gravaEdicao(a.db, rs, {QString(), Today.addDays(20), 20.0, std::nullopt, true}, Today);
        QVERIFY(davo::abreAtividade(a.db, codigo, rs));
        QCOMPARE(rs.text("Ativo"), QStringLiteral("0"));
        QCOMPARE(rs.value("DataFinal").toDate(), Today.addDays(20));
        QCOMPARE(rs.value("FaltamDias").toDouble(), 20.0);
        QCOMPARE(rs.value("HorasQFaltam").toDouble(), 0.0);
        QCOMPARE(rs.value("HorasTrab").toDouble(), 27.0);
        QCOMPARE(rs.text("Obs"), QString());
    }

    // The history's save reopens the selected activity only; with nothing selected it writes nothing.
    void the_history_save_reopens_the_selected_activity()
    {
        Arquivo a;
        const QVariant feita = a.adiciona(QStringLiteral("feita"), QStringLiteral("0"));
        a.adiciona(QStringLiteral("outra feita"), QStringLiteral("0"));
        const QStringList antes = testsupport::databaseContents(a.db);
        common::Recordset rs;
        QVERIFY(!davo::reabreAtividade(rs));
        QCOMPARE(testsupport::databaseContents(a.db), antes);

        QVERIFY(davo::abreAtividade(a.db, feita, rs));
        QVERIFY(davo::reabreAtividade(rs));
        QVERIFY(!rs.isOpen());
        QVERIFY(!davo::reabreAtividade(rs));
        common::Recordset lista = common::Recordset::openWhere(a.db, davo::ListaConcluidas);
        QCOMPARE(lista.recordCount(), 1);
        QCOMPARE(lista.text("Atividade"), QStringLiteral("outra feita"));
        QVERIFY(davo::abreAtividade(a.db, feita, rs));
        QCOMPARE(rs.text("Ativo"), QStringLiteral("1"));
        QCOMPARE(rs.value("HorasTrab").toDouble(), 5.0);
    }
};

QTEST_MAIN(TestDavoDatabase)
#include "test_database.moc"
