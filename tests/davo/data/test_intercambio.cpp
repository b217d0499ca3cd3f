#include "davo/data/database.h"
#include "davo/data/icalendar.h"
#include "davo/data/intercambio.h"
#include "davo/data/prazos.h"

#include "common/formats.h"
#include "common/store.h"
#include "tests/davo/davofixture.h"
#include "tests/support/testsupport.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

using testsupport::Today;

namespace {

struct Atividade {
    QString nome;
    int dias = 10;
    double g = 2;
    double t = 3;
    double horasEst = 30;
    double horasTrab = 0;
    QString ativo = QStringLiteral("1");
    QVariant obs = QString();
};

void adiciona(common::Database& db, const Atividade& a)
{
    common::Recordset rs = common::Recordset::openTable(db, QStringLiteral("Atividades"));
    rs.addNew();
    rs.setValue("Ativo", a.ativo);
    rs.setValue("Atividade", a.nome);
    rs.setValue("G", a.g);
    rs.setValue("T", a.t);
    rs.setValue("U", 1);
    rs.setValue("GUT", a.g * a.t);
    rs.setValue("DataFinal", Today.addDays(a.dias));
    rs.setValue("FaltamDias", 1);
    rs.setValue("TempoDisp", 6);
    rs.setValue("HorasEst", a.horasEst);
    rs.setValue("HorasTrab", a.horasTrab);
    rs.setValue("HorasQFaltam", davo::horasQFaltam(a.horasEst, a.horasTrab));
    rs.setValue("HorasTrabDia", 0);
    rs.setValue("Obs", a.obs);
    rs.update();
}

// Every activity of a database, as the fields that must survive a round trip, in list order and
// then in history order.
QList<QStringList> atividades(common::Database& db)
{
    const QStringList campos{"Ativo",        "Atividade",  "G",         "U",        "T",         "GUT",
                             "DataFinal",    "FaltamDias", "TempoDisp", "HorasEst", "HorasTrab", "HorasQFaltam",
                             "HorasTrabDia", "Obs"};
    QList<QStringList> out;
    for (const common::TableRows& consulta : {davo::ListaAtivas, davo::ListaConcluidas}) {
        common::Recordset rs = common::Recordset::openWhere(db, consulta);
        for (; !rs.eof(); rs.moveNext()) {
            QStringList linha;
            for (const QString& c : campos)
                linha << rs.text(c);
            out << linha;
        }
    }
    return out;
}

QStringList naoAvaliadas(common::Database& db)
{
    const QSet<qint64> codigos = davo::atividadesNaoAvaliadas(db);
    QStringList nomes;
    common::Recordset rs = common::Recordset::openTable(db, QStringLiteral("Atividades"));
    for (; !rs.eof(); rs.moveNext())
        if (codigos.contains(rs.value("Codigo").toLongLong()))
            nomes << rs.text("Atividade");
    return nomes;
}

QStringList valores(const QByteArray& ics, const QString& propriedade)
{
    QStringList out;
    const auto calendarios = davo::ical::le(ics);
    if (!calendarios)
        return out;
    for (const auto& c : *calendarios)
        for (const auto& todo : c.filhos)
            for (const auto& p : todo.propriedades)
                if (p.nome == propriedade)
                    out << p.valor;
    return out;
}

const QDateTime Agora(Today, QTime(14, 30), QTimeZone::utc());

// A to-do list another program wrote, its deadlines in several forms.
QByteArray estrangeiro()
{
    return "BEGIN:VCALENDAR\r\n"
           "VERSION:2.0\r\n"
           "PRODID:-//Outro Programa//Tarefas 5.0//EN\r\n"
           "BEGIN:VTIMEZONE\r\n"
           "TZID:Asia/Tokyo\r\n"
           "BEGIN:STANDARD\r\n"
           "DTSTART:19700101T000000\r\n"
           "TZOFFSETFROM:+0900\r\n"
           "TZOFFSETTO:+0900\r\n"
           "END:STANDARD\r\n"
           "END:VTIMEZONE\r\n"
           "BEGIN:VEVENT\r\n"
           "UID:evento-1\r\n"
           "SUMMARY:Reunião (um evento\\, não uma tarefa)\r\n"
           "DTSTART:20261215T100000Z\r\n"
           "END:VEVENT\r\n"
           "BEGIN:VTODO\r\n"
           "UID:data@outro\r\n"
           "SUMMARY:Só a data\r\n"
           "DUE;VALUE=DATE:20261220\r\n"
           "STATUS:NEEDS-ACTION\r\n"
           "PRIORITY:1\r\n"
           "END:VTODO\r\n"
           "BEGIN:VTODO\r\n"
           "UID:utc@outro\r\n"
           "SUMMARY:Em UTC\\, tarde da noite\r\n"
           "DUE:20261221T013000Z\r\n"  // 20/12 at 22:30 in São Paulo
           "STATUS:IN-PROCESS\r\n"
           "END:VTODO\r\n"
           "BEGIN:VTODO\r\n"
           "UID:toquio@outro\r\n"
           "SUMMARY:Em Tóquio\r\n"
           "DUE;TZID=Asia/Tokyo:20261222T080000\r\n"  // 21/12 at 20:00 in São Paulo
           "STATUS:CANCELLED\r\n"
           "END:VTODO\r\n"
           "BEGIN:VTODO\r\n"
           "UID:windows@outro\r\n"
           "SUMMARY:Fuso do Windows\r\n"
           "DUE;TZID=\"W. Europe Standard Time\":20261224T003000\r\n"  // 23/12 at 20:30 in São Paulo
           "STATUS:COMPLETED\r\n"
           "COMPLETED:20261201T120000Z\r\n"
           "DESCRIPTION:Primeira linha\\nSegunda linha\\; com ponto e vírgula\r\n"
           "END:VTODO\r\n"
           "BEGIN:VTODO\r\n"
           "UID:flutuante@outro\r\n"
           "SUMMARY:Hora flutuante\r\n"
           "DUE:20261223T235900\r\n"
           "END:VTODO\r\n"
           "BEGIN:VTODO\r\n"
           "UID:sem-prazo@outro\r\n"
           "SUMMARY:Sem prazo\r\n"
           "DTSTART:20261210T090000Z\r\n"
           "END:VTODO\r\n"
           "BEGIN:VTODO\r\n"
           "UID:sem-prazo-2@outro\r\n"
           "SUMMARY:Prazo ilegível\r\n"
           "DUE:amanhã\r\n"
           "END:VTODO\r\n"
           "END:VCALENDAR\r\n";
}

}  // namespace

class TestIntercambio : public QObject {
    Q_OBJECT

    std::unique_ptr<DavoFixture> f_;

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }
    void init() { testsupport::startTest(f_); }
    void cleanup() { testsupport::endTest(f_); }

    void texts_fold_and_unfold_exactly_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::newRow("longo") << QString(QStringLiteral("Relatório mensal de custos ")).repeated(12);
        QTest::newRow("acentos") << QString(QStringLiteral("ãçéíõúÁÊÇ")).repeated(40);
        QTest::newRow("vírgulas") << QString(QStringLiteral("a,b;c\\d,,;\\;")).repeated(20);
        QTest::newRow("linhas") << QStringLiteral("primeira\nsegunda\n\nquarta, com vírgula\n");
        QTest::newRow("emoji") << QString(QStringLiteral("x🚀é")).repeated(50);
        QTest::newRow("curto") << QStringLiteral("a");
        QTest::newRow("vazio") << QString();
    }

    void texts_fold_and_unfold_exactly()
    {
        QFETCH(QString, texto);
        davo::ical::Escritor w;
        w.inicia("VCALENDAR");
        w.inicia("VTODO");
        w.texto("SUMMARY", texto);
        w.termina("VTODO");
        w.termina("VCALENDAR");
        const QByteArray bytes = w.bytes();

        QVERIFY(bytes.endsWith("\r\n"));
        const QList<QByteArray> linhas = bytes.left(bytes.size() - 2).split('\n');
        for (const QByteArray& l : linhas) {
            QVERIFY2(l.endsWith('\r') || l == linhas.last(), "every line ends in CRLF");
            const QByteArray fisica = l.endsWith('\r') ? l.chopped(1) : l;
            QVERIFY2(fisica.size() <= 75, fisica.constData());
            QStringDecoder utf8(QStringDecoder::Utf8);
            (void)QString(utf8(fisica));
            QVERIFY2(!utf8.hasError(), "no character split by a fold");
        }
        const QStringList resumo = valores(bytes, "SUMMARY");
        QCOMPARE(resumo.size(), 1);
        QCOMPARE(davo::ical::desescapaTexto(resumo.first()), texto);
    }

    void export_then_import_into_an_empty_database_gives_the_same_activities()
    {
        common::Database& db = f_->programa.db;
        const QString longa = QString(QStringLiteral("Revisão do orçamento, fase %1; ")).repeated(8);
        adiciona(db, {.nome = "Relatório, custos; e \\ barra",
                      .dias = 3,
                      .g = 3.5,
                      .t = 4,
                      .horasEst = 12,
                      .horasTrab = 4,
                      .obs = QStringLiteral("linha 1\nlinha 2, com vírgula; fim")});
        adiciona(db, {.nome = longa, .dias = 0, .g = 1.7, .t = 2, .horasEst = 8});
        adiciona(db, {.nome = "Atrasada", .dias = -2, .g = 5, .t = 5, .horasEst = 40, .horasTrab = 50});
        adiciona(db, {.nome = "Concluída",
                      .dias = -10,
                      .g = 2.3,
                      .t = 1,
                      .horasEst = 6,
                      .horasTrab = 6,
                      .ativo = "0",
                      .obs = QVariant()});
        // An activity imported earlier and not yet rated keeps its mark.
        auto foreign = davo::leImportacao(
            "BEGIN:VCALENDAR\r\nBEGIN:VTODO\r\nUID:x@outro\r\nSUMMARY:De fora\r\n"
            "DUE;VALUE=DATE:20261230\r\nEND:VTODO\r\nEND:VCALENDAR\r\n");
        QVERIFY(foreign);
        davo::gravaImportacao(db, *foreign, Today);

        const QByteArray ics = davo::exportaICalendar(db, Today, Agora);
        QVERIFY(!QString::fromUtf8(ics).contains(QRegularExpression("[^\r]\n")));
        QCOMPARE(valores(ics, "DTSTAMP").value(0), QStringLiteral("20261208T143000Z"));
        QCOMPARE(valores(ics, "STATUS"),
                 QStringList({"NEEDS-ACTION", "NEEDS-ACTION", "NEEDS-ACTION", "NEEDS-ACTION", "COMPLETED"}));
        // The list's order: overdue, today, in three days, the foreign one; 1 to 9 over the four.
        QCOMPARE(valores(ics, "PRIORITY"), QStringList({"1", "4", "6", "9"}));
        QCOMPARE(valores(ics, "PERCENT-COMPLETE"), QStringList({"100", "0", "33", "100"}));
        QVERIFY(valores(ics, "X-DAVO-G").contains("3.5"));
        QCOMPARE(valores(ics, "X-DAVO-NAOAVALIADA"), QStringList({"TRUE"}));
        QVERIFY(valores(ics, "UID").contains("x@outro"));

        DavoFixture outro;
        auto importacao = davo::leImportacao(ics);
        QVERIFY(importacao);
        QCOMPARE(importacao->tarefas.size(), 5);
        QCOMPARE(importacao->ignoradas(), 0);
        davo::gravaImportacao(outro.programa.db, *importacao, Today);
        davo::AtualizaPrazos(db, Today);
        davo::AtualizaPrazos(outro.programa.db, Today);
        QCOMPARE(atividades(outro.programa.db), atividades(db));
        QCOMPARE(naoAvaliadas(outro.programa.db), QStringList({"De fora"}));

        // The UIDs are the file's: the same at every export, and kept by the copy.
        const QStringList uids = valores(ics, "UID");
        QCOMPARE(QSet<QString>(uids.begin(), uids.end()).size(), 5);
        QCOMPARE(valores(davo::exportaICalendar(db, Today, Agora.addDays(1)), "UID"), uids);
        QCOMPARE(valores(davo::exportaICalendar(outro.programa.db, Today, Agora), "UID"), uids);
    }

    void foreign_to_dos_give_local_deadlines_and_states()
    {
        const auto importacao = davo::leImportacao(estrangeiro(), QTimeZone("America/Sao_Paulo"));
        QVERIFY(importacao);
        QCOMPARE(importacao->semPrazo, 2);
        QCOMPARE(importacao->resumo(), QStringLiteral("5 atividades a importar, 2 ignoradas (sem prazo)"));
        QStringList nomes, datas, estados;
        for (const auto& t : importacao->tarefas) {
            nomes << t.atividade;
            datas << t.dataFinal.toString("dd/MM");
            estados << (t.concluida ? "0" : "1");
            QVERIFY(!t.avaliada);
            QCOMPARE(t.g, 1.0);
            QCOMPARE(t.t, 1.0);
            QCOMPARE(t.horasEst, 0.0);
        }
        QCOMPARE(nomes, QStringList(
                            {"Só a data", "Em UTC, tarde da noite", "Em Tóquio", "Fuso do Windows", "Hora flutuante"}));
        QCOMPARE(datas, QStringList({"20/12", "20/12", "21/12", "23/12", "23/12"}));
        QCOMPARE(estados, QStringList({"1", "1", "0", "0", "1"}));
        QCOMPARE(importacao->tarefas[3].obs, QStringLiteral("Primeira linha\nSegunda linha; com ponto e vírgula"));

        common::Database& db = f_->programa.db;
        davo::gravaImportacao(db, *importacao, Today);
        common::Recordset lista = common::Recordset::openWhere(db, davo::ListaAtivas);
        QCOMPARE(lista.recordCount(), 3);
        QCOMPARE(lista.value("G").toDouble(), 1.0);
        QCOMPARE(lista.value("HorasEst").toDouble(), 0.0);
        QCOMPARE(lista.value("GUT").toDouble(), 1.0);
        QCOMPARE(naoAvaliadas(db).size(), 5);
    }

    void the_summary_counts_what_is_left_out_data()
    {
        QTest::addColumn<QByteArray>("todos");
        QTest::addColumn<QString>("resumo");
        const QByteArray ok = "BEGIN:VTODO\r\nSUMMARY:a\r\nDUE:20261220\r\nEND:VTODO\r\n";
        const QByteArray semPrazo = "BEGIN:VTODO\r\nSUMMARY:a\r\nEND:VTODO\r\n";
        const QByteArray semDescricao = "BEGIN:VTODO\r\nSUMMARY:  \r\nDUE:20261220\r\nEND:VTODO\r\n";
        QTest::newRow("uma") << ok << "1 atividade a importar";
        QTest::newRow("uma ignorada") << ok + ok + semPrazo << "2 atividades a importar, 1 ignorada (sem prazo)";
        QTest::newRow("sem descrição") << ok + semDescricao + semDescricao
                                       << "1 atividade a importar, 2 ignoradas (sem descrição)";
        QTest::newRow("as duas") << semPrazo + semDescricao
                                 << "0 atividades a importar, 2 ignoradas (1 sem prazo, 1 sem descrição)";
    }

    void the_summary_counts_what_is_left_out()
    {
        QFETCH(QByteArray, todos);
        QFETCH(QString, resumo);
        const auto importacao = davo::leImportacao("BEGIN:VCALENDAR\r\n" + todos + "END:VCALENDAR\r\n");
        QVERIFY(importacao);
        QCOMPARE(importacao->resumo(), resumo);
    }

    void files_that_are_not_icalendar_are_refused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("vazio") << QByteArray();
        QTest::newRow("texto") << QByteArray("Comprar pão\nPagar contas\n");
        QTest::newRow("csv") << QByteArray("Atividade;Data Final\r\nComprar pão;20/12/2026\r\n");
        QTest::newRow("vcard") << QByteArray("BEGIN:VCARD\r\nFN:Fulano\r\nEND:VCARD\r\n");
        QTest::newRow("cortado") << QByteArray("BEGIN:VCALENDAR\r\nBEGIN:VTODO\r\nSUMMARY:a\r\nDUE:20261220\r\n");
        QTest::newRow("trocado") << QByteArray("BEGIN:VCALENDAR\r\nBEGIN:VTODO\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
        QTest::newRow("binário") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    }

    void files_that_are_not_icalendar_are_refused()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!davo::leImportacao(bytes));
    }

    void lenient_reading_of_line_ends_folds_and_case()
    {
        // Bare LF, a fold with a tab, lower-case names, a Latin-1 file.
        const QByteArray ics =
            "begin:vcalendar\n"
            "begin:vtodo\n"
            "summary:Relat\xf3rio de \n"
            "\tcustos\n"
            "due;value=date:20261220\n"
            "status:completed\n"
            "end:vtodo\n"
            "end:vcalendar\n";
        const auto importacao = davo::leImportacao(ics);
        QVERIFY(importacao);
        QCOMPARE(importacao->tarefas.size(), 1);
        QCOMPARE(importacao->tarefas[0].atividade, QStringLiteral("Relatório de custos"));
        QVERIFY(importacao->tarefas[0].concluida);
    }

    void a_long_summary_is_cut_as_the_screen_cuts()
    {
        QString longa = QString(QLatin1Char('a')).repeated(davo::TextoMaximo - 1) + QStringLiteral("🚀fim");
        davo::ical::Escritor w;
        w.inicia("VCALENDAR");
        w.inicia("VTODO");
        w.texto("SUMMARY", longa);
        w.propriedade("DUE;VALUE=DATE", "20261220");
        w.termina("VTODO");
        w.termina("VCALENDAR");
        const auto importacao = davo::leImportacao(w.bytes());
        QVERIFY(importacao);
        QCOMPARE(importacao->tarefas[0].atividade, QString(QLatin1Char('a')).repeated(davo::TextoMaximo - 1));
    }

    void rating_again_reorders_and_takes_the_mark_away()
    {
        common::Database& db = f_->programa.db;
        adiciona(db, {.nome = "primeira", .dias = 5, .g = 3, .t = 3, .horasEst = 0});
        auto importacao = davo::leImportacao(
            "BEGIN:VCALENDAR\r\nBEGIN:VTODO\r\nSUMMARY:importada\r\n"
            "DUE;VALUE=DATE:20261213\r\nEND:VTODO\r\nEND:VCALENDAR\r\n");
        davo::gravaImportacao(db, *importacao, Today);
        davo::AtualizaPrazos(db, Today);
        auto ordem = [&] {
            QStringList nomes;
            common::Recordset rs = common::Recordset::openWhere(db, davo::ListaAtivas);
            for (; !rs.eof(); rs.moveNext())
                nomes << rs.text("Atividade");
            return nomes;
        };
        QCOMPARE(ordem(), QStringList({"primeira", "importada"}));  // GUT 9 before 1
        QCOMPARE(naoAvaliadas(db), QStringList({"importada"}));

        const QVariant codigo = davo::atividadesNaoAvaliadas(db).values().first();
        QVERIFY(davo::gravaAvaliacao(db, codigo, 4.2, 5, Today));
        QCOMPARE(ordem(), QStringList({"importada", "primeira"}));  // GUT 21 before 9
        QVERIFY(naoAvaliadas(db).isEmpty());
        common::Recordset rs;
        QVERIFY(davo::abreAtividade(db, codigo, rs));
        QCOMPARE(rs.value("G").toDouble(), 4.2);
        QCOMPARE(rs.value("T").toDouble(), 5.0);
        QCOMPARE(rs.value("U").toInt(), 1);
        QCOMPARE(rs.value("GUT").toDouble(), 21.0);
        QVERIFY(!davo::gravaAvaliacao(db, 9999, 1, 1, Today));
    }

    void an_old_file_without_the_side_tables_keeps_working()
    {
        common::Database& db = f_->programa.db;
        adiciona(db, {"a"});
        QVERIFY(davo::atividadesNaoAvaliadas(db).isEmpty());
        QVERIFY(!db.fields("Atividades").contains("NaoAvaliada"));
        common::Recordset rs = common::Recordset::openTable(db, "Atividades");
        QVERIFY(davo::gravaAvaliacao(db, rs.value("Codigo"), 2, 2, Today));
        // Atividades keeps its fields: the marks live beside it.
        auto importacao = davo::leImportacao(
            "BEGIN:VCALENDAR\r\nBEGIN:VTODO\r\nSUMMARY:b\r\n"
            "DUE;VALUE=DATE:20261213\r\nEND:VTODO\r\nEND:VCALENDAR\r\n");
        const QStringList campos = db.fields("Atividades");
        davo::gravaImportacao(db, *importacao, Today);
        QCOMPARE(db.fields("Atividades"), campos);
        QCOMPARE(naoAvaliadas(db), QStringList({"b"}));
    }

    void csv_follows_the_locale_and_quotes_what_it_must_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QByteArray>("esperado");
        QTest::newRow("pt_BR") << QLocale(QLocale::Portuguese, QLocale::Brazil)
                               << QByteArray(
                                      "\xEF\xBB\xBFGUT;Atividade\r\n1,5;\"a;b\"\r\n2;\"diz \"\"oi\"\"\"\r\n"
                                      "-3;'=1+1\r\n");
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates)
                               << QByteArray(
                                      "\xEF\xBB\xBFGUT,Atividade\r\n1.5,a;b\r\n2,\"diz \"\"oi\"\"\"\r\n"
                                      "-3,'=1+1\r\n");
    }

    void csv_follows_the_locale_and_quotes_what_it_must()
    {
        QFETCH(QLocale, locale);
        QFETCH(QByteArray, esperado);
        common::setUserLocale(locale);
        const QList<QStringList> linhas{{"GUT", "Atividade"},
                                        {common::numberText(1.5), "a;b"},
                                        {common::numberText(2), "diz \"oi\""},
                                        {common::numberText(-3), "=1+1"}};
        QCOMPARE(davo::csv(linhas), esperado);
    }

    void the_history_csv_is_its_grid_and_files_are_written_whole()
    {
        common::Database& db = f_->programa.db;
        adiciona(db, {.nome = "aberta"});
        adiciona(db, {.nome = "março", .dias = -270, .g = 2.5, .ativo = "0"});
        adiciona(db, {.nome = "maio", .dias = -210, .ativo = "0"});
        const QList<QStringList> linhas = davo::linhasHistorico(db);
        QCOMPARE(linhas.size(), 3);
        QCOMPARE(linhas[0].mid(0, 4), QStringList({"Codigo", "Ativo", "GUT", "Atividade"}));
        QCOMPARE(linhas[1][3], QStringLiteral("maio"));
        QCOMPARE(linhas[2][4], QStringLiteral("2,5"));

        const QString arquivo = f_->folder.file("historico.csv");
        QVERIFY(davo::gravaArquivo(arquivo, "antes"));
        // A folder in the way of the file: nothing is written, and what was there stays.
        QVERIFY(!davo::gravaArquivo(f_->folder.file("nao/existe.csv"), davo::csv(linhas)));
        QVERIFY(!QFile::exists(f_->folder.file("nao/existe.csv")));
        QVERIFY(davo::gravaArquivo(arquivo, davo::csv(linhas)));
        QCOMPARE(testsupport::fileBytes(arquivo), davo::csv(linhas));
    }
};

QTEST_MAIN(TestIntercambio)
#include "test_intercambio.moc"
