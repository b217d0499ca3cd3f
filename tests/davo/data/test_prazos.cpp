#include "davo/data/database.h"
#include "davo/data/gut.h"
#include "davo/data/prazos.h"

#include "common/clock.h"
#include "common/store.h"
#include "tests/davo/davofixture.h"
#include "tests/support/testsupport.h"

#include <QVariantMap>

using testsupport::Today;

class TestPrazos : public QObject {
    Q_OBJECT

    std::unique_ptr<DavoFixture> f_;

    // Adds one activity; returns its key.
    QVariant adiciona(const QVariantMap& campos)
    {
        common::Recordset rs = common::Recordset::openTable(f_->programa.db, QStringLiteral("Atividades"));
        rs.addNew();
        for (auto it = campos.begin(); it != campos.end(); ++it)
            rs.setValue(it.key(), it.value());
        rs.update();
        rs.requery();
        rs.moveLast();
        return rs.value(QStringLiteral("Codigo"));
    }

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }

    void init() { testsupport::startTest(f_); }

    void cleanup() { testsupport::endTest(f_); }

    void deadline_figures_data()
    {
        for (const char* c :
             {"dias", "estimadas", "trabalhadas", "faltamDias", "tempoDisp", "horasQFaltam", "horasTrabDia"})
            QTest::addColumn<double>(c);
        QTest::newRow("today") << 0.0 << 10.0 << 0.0 << 0.4 << 3.0 << 10.0 << 25.0;
        QTest::newRow("tomorrow") << 1.0 << 10.0 << 0.0 << 1.0 << 6.0 << 10.0 << 10.0;
        QTest::newRow("three days past") << -3.0 << 10.5 << 0.5 << -3.0 << -18.0 << 10.0 << -10.0 / 3;
        QTest::newRow("worked above the estimate") << 5.0 << 10.0 << 12.0 << 5.0 << 30.0 << 0.0 << 0.0;
    }

    void deadline_figures()
    {
        QFETCH(double, dias);
        QFETCH(double, estimadas);
        QFETCH(double, trabalhadas);
        QFETCH(double, faltamDias);
        QFETCH(double, tempoDisp);
        QFETCH(double, horasQFaltam);
        QFETCH(double, horasTrabDia);
        // Written into a record being added, as the new-activity screen does.
        common::Recordset rs = common::Recordset::openTable(f_->programa.db, QStringLiteral("Atividades"));
        rs.addNew();
        rs.setValue("DataFinal", Today.addDays(dias));
        davo::aplicaPrazo(rs, Today);
        QCOMPARE(rs.value("FaltamDias").toDouble(), faltamDias);
        QCOMPARE(rs.value("TempoDisp").toDouble(), tempoDisp);
        QCOMPARE(davo::horasQFaltam(estimadas, trabalhadas), horasQFaltam);
        QCOMPARE(davo::horasTrabDia(horasQFaltam, faltamDias), horasTrabDia);
        rs.cancelUpdate();
    }

    void daily_load_data()
    {
        QTest::addColumn<QList<double>>("porDia");  // in list order; negative: overdue
        QTest::addColumn<double>("carga");
        QTest::newRow("fewer than six, all summed") << QList<double>{1.5, 2, 0.25} << 3.75;
        QTest::newRow("exactly six") << QList<double>{1, 1, 1, 1, 1, 1} << 6.0;
        QTest::newRow("six point two") << QList<double>{1.2, 1, 1, 1, 1, 1} << 6.2;
        QTest::newRow("overdue counts by its size") << QList<double>{-2, 1.5} << 3.5;
        QTest::newRow("only the first six") << QList<double>{1, 1, 1, 1, 1, 0.5, 40, 40} << 5.5;
    }

    void daily_load()
    {
        QFETCH(QList<double>, porDia);
        QFETCH(double, carga);
        for (int i = 0; i < porDia.size(); ++i)
            adiciona({{"Ativo", "1"}, {"FaltamDias", porDia[i] < 0 ? -5 : i + 1}, {"HorasTrabDia", porDia[i]}});
        adiciona({{"Ativo", "0"}, {"FaltamDias", -10}, {"HorasTrabDia", 99}});  // finished: not listed

        common::Recordset lista = common::Recordset::openWhere(f_->programa.db, davo::ListaAtivas);
        const double soma = davo::CargaHoraDia(lista);
        QVERIFY2(qAbs(soma - carga) < 1e-9, qPrintable(QString::number(soma)));
        QCOMPARE(soma > davo::LimiteCarga, carga > 6.1);
        QCOMPARE(lista.absolutePosition(), 0);
    }

    void the_recomputation_pass()
    {
        const QList<QVariantMap> antes{
            {{"Ativo", "1"}, {"DataFinal", Today.addDays(40)}, {"HorasQFaltam", 12}},
            {{"Ativo", "1"}, {"DataFinal", Today.addDays(32)}, {"HorasQFaltam", 4}},
            {{"Ativo", "1"}, {"DataFinal", Today.addDays(29)}, {"HorasQFaltam", 6}},
            {{"Ativo", "0"}, {"DataFinal", Today.addDays(35)}, {"HorasQFaltam", 3}},  // finished
            {{"Ativo", "1"}, {"HorasQFaltam", 5}},                                    // no deadline
        };
        QList<QVariant> codigos;
        for (QVariantMap campos : antes) {
            campos.insert({{"FaltamDias", 9}, {"TempoDisp", 54}, {"HorasTrabDia", 0.5}});  // stale
            codigos << adiciona(campos);
        }
        common::Clock::setTestDate(Today.addDays(32));
        davo::AtualizaPrazos(f_->programa.db, common::Clock::today());

        const QList<QList<double>> depois{
            {8, 48, 12, 1.5}, {0.4, 3, 4, 10}, {-3, -18, 6, -2}, {9, 54, 3, 0.5}, {9, 54, 5, 0.5}};
        common::Recordset rs = common::Recordset::openTable(f_->programa.db, QStringLiteral("Atividades"));
        rs.setIndex(QStringLiteral("PrimaryKey"));
        for (int i = 0; i < codigos.size(); ++i) {
            rs.seek(QStringLiteral("="), codigos[i]);
            const QList<double> lido{rs.value("FaltamDias").toDouble(), rs.value("TempoDisp").toDouble(),
                                     rs.value("HorasQFaltam").toDouble(), rs.value("HorasTrabDia").toDouble()};
            QCOMPARE(lido, depois[i]);
        }
    }

    // Rows written to the file so far by this connection.
    int escritas()
    {
        common::Recordset rs =
            common::Recordset::openQuery(f_->programa.db, QStringLiteral("SELECT total_changes() AS n"));
        return rs.value(QStringLiteral("n")).toInt();
    }

    QVariantMap le(const QVariant& codigo)
    {
        common::Recordset rs = common::Recordset::openTable(f_->programa.db, QStringLiteral("Atividades"));
        rs.setIndex(QStringLiteral("PrimaryKey"));
        rs.seek(QStringLiteral("="), codigo);
        QVariantMap campos;
        for (int c = 0; c < rs.fieldCount(); ++c)
            campos.insert(rs.fieldName(c), rs.value(rs.fieldName(c)));
        return campos;
    }

    void muda(const QVariant& codigo, const char* campo, const QVariant& valor)
    {
        common::Recordset rs = common::Recordset::openTable(f_->programa.db, QStringLiteral("Atividades"));
        rs.setIndex(QStringLiteral("PrimaryKey"));
        rs.seek(QStringLiteral("="), codigo);
        rs.edit();
        rs.setValue(QLatin1String(campo), valor);
        rs.update();
    }

    // An activity as the new-activity screen stores it on `dia`, G 2 and T 3.
    QVariant criada(const QDate& dia, int diasAtePrazo, double horas, const QString& ativo = QStringLiteral("1"))
    {
        const davo::Prazo p = davo::calculaPrazo(dia.addDays(diasAtePrazo), dia);
        const short u = davo::urgenciaAtividade(horas, p.tempoDisp);
        return adiciona({{"Ativo", ativo},
                         {"G", 2},
                         {"T", 3},
                         {"U", u},
                         {"GUT", davo::gut(2, 3, u)},
                         {"DataFinal", dia.addDays(diasAtePrazo)},
                         {"FaltamDias", p.faltamDias},
                         {"TempoDisp", p.tempoDisp},
                         {"HorasQFaltam", horas},
                         {"HorasTrabDia", davo::horasTrabDia(horas, p.faltamDias)}});
    }

    void the_pass_keeps_urgency_and_score_current()
    {
        const QVariant ativa = criada(Today, 10, 30);   // 30 of 60 hours: U 3
        const QVariant feita = criada(Today, 10, 0);    // nothing left: U 1
        const QVariant atrasada = criada(Today, 3, 2);  // overdue by then
        const QVariant semG = criada(Today, 10, 30);
        const QVariant semT = criada(Today, 10, 30);
        const QVariant concluida = criada(Today, 10, 30, QStringLiteral("0"));
        QCOMPARE(le(ativa).value("U").toInt(), 3);
        muda(semG, "G", QVariant());
        muda(semT, "T", QVariant());
        const QVariantMap concluidaAntes = le(concluida);

        // Nine days on, 30 hours are needed in the 6 left.
        common::Clock::setTestDate(Today.addDays(9));
        davo::AtualizaPrazos(f_->programa.db, common::Clock::today());
        QVariantMap r = le(ativa);
        QCOMPARE(r.value("TempoDisp").toDouble(), 6.0);
        QCOMPARE(r.value("U").toInt(), 5);
        QCOMPARE(r.value("GUT").toDouble(), 2.0 * 3 * 5);
        QCOMPARE(r.value("HorasQFaltam").toDouble(), 30.0);  // the pass never changes it
        QCOMPARE(le(feita).value("U").toInt(), 1);
        QCOMPARE(le(feita).value("GUT").toDouble(), 6.0);
        QCOMPARE(le(atrasada).value("TempoDisp").toDouble(), -36.0);
        QCOMPARE(le(atrasada).value("U").toInt(), 5);

        // Without a number for G or T there is no score to compute: U and GUT stay, the deadline
        // figures do not.
        for (const QVariant& codigo : {semG, semT}) {
            r = le(codigo);
            QCOMPARE(r.value("U").toInt(), 3);
            QCOMPARE(r.value("GUT").toDouble(), 18.0);
            QCOMPARE(r.value("FaltamDias").toDouble(), 1.0);
        }
        QCOMPARE(le(concluida), concluidaAntes);

        // Reopened, it comes back with the score of the next pass.
        muda(concluida, "Ativo", QStringLiteral("1"));
        davo::AtualizaPrazos(f_->programa.db, common::Clock::today());
        QCOMPARE(le(concluida).value("U").toInt(), 5);
        QCOMPARE(le(concluida).value("GUT").toDouble(), 30.0);
    }

    void the_pass_writes_only_what_changed()
    {
        // A score stored from its shown text, 1.7 × 4 × 3 = 20,4: already current.
        adiciona({{"Ativo", "1"},
                  {"G", "1,7"},
                  {"T", 4},
                  {"U", 3},
                  {"GUT", "20,4"},
                  {"DataFinal", Today.addDays(10)},
                  {"FaltamDias", 10},
                  {"TempoDisp", 60},
                  {"HorasQFaltam", 30},
                  {"HorasTrabDia", 3}});
        for (int i = 1; i <= 5; ++i)
            criada(Today, i * 7, 4 * i);
        const int antes = escritas();
        davo::AtualizaPrazos(f_->programa.db, Today);
        QCOMPARE(escritas(), antes);  // everything is current on the day it was stored

        common::Clock::setTestDate(Today.addDays(1));
        davo::AtualizaPrazos(f_->programa.db, common::Clock::today());
        QCOMPARE(escritas(), antes + 6);  // a day later every open activity moves, once
        davo::AtualizaPrazos(f_->programa.db, common::Clock::today());
        QCOMPARE(escritas(), antes + 6);
    }

    void one_urgency_rule()
    {
        // A stored G or T that is not a number leaves no score to compute.
        QCOMPARE(davo::numero(QVariant(QStringLiteral("três"))), std::nullopt);
        QCOMPARE(davo::numero(QVariant()), std::nullopt);
        QCOMPARE(davo::numero(QVariant(QDate(2026, 1, 1))), std::nullopt);
        QCOMPARE(davo::numero(QVariant(3.5)), 3.5);
        QCOMPARE(davo::numero(QVariant(4)), 4.0);

        QCOMPARE(davo::urgenciaAtividade(30, 60), short(3));
        QCOMPARE(davo::urgenciaAtividade(30, 6), short(5));
        QCOMPARE(davo::urgenciaAtividade(2, 6), short(2));    // 28 of 30 hours booked, a day left
        QCOMPARE(davo::urgenciaAtividade(0, 6), short(1));    // nothing left to do
        QCOMPARE(davo::urgenciaAtividade(0, -12), short(1));  // overdue, nothing left
        QCOMPARE(davo::urgenciaAtividade(1, -12), short(5));  // overdue with work left
        QCOMPARE(davo::urgenciaAtividade(1, 3), short(2));    // due today: 1 of the 3 hours
        // Scores that read the same are the same, whatever the order of the factors.
        QCOMPARE(davo::gut(1.7, 4, 3), davo::gut(3.4, 2, 3));
        QVERIFY(davo::gut(1.7, 4, 3) == 20.4);
    }

    void the_load_is_compared_as_shown()
    {
        QVERIFY(0.2 + 4.9 + 0.9 > davo::LimiteCarga);  // the sum itself lies just above
        QCOMPARE(davo::cargaMostrada(0.2 + 4.9 + 0.9), 6.0);
        QVERIFY(!(davo::cargaMostrada(0.2 + 4.9 + 0.9) > davo::LimiteCarga));
        QCOMPARE(davo::cargaMostrada(6.04), 6.0);
        QCOMPARE(davo::cargaMostrada(6.05), 6.1);
        QCOMPARE(davo::cargaMostrada(3.75), 3.8);
    }

    void urgency_score_and_gravity()
    {
        QCOMPARE(davo::urgencia(0), short(1));
        QCOMPARE(davo::urgencia(0.5), short(3));
        QCOMPARE(davo::urgencia(1), short(4));
        QCOMPARE(davo::urgencia(1.1), short(5));
        QCOMPARE(davo::urgencia(50), short(5));
        QCOMPARE(davo::urgencia(davo::entradaUrgencia(30, 60)), short(3));
        QCOMPARE(davo::urgencia(davo::entradaUrgencia(6, -18)), short(5));  // overdue with work left
        QCOMPARE(davo::urgencia(davo::entradaUrgencia(0, -18)), short(1));  // overdue, nothing left
        QCOMPARE(davo::gut(3.5, 4, 1), 14.0);

        std::array<int, davo::QuestoesGravidade> respostas;
        respostas.fill(1);
        QCOMPARE(davo::gravidade(respostas), 1.0);
        respostas[10] = 5;  // great additional costs weigh 5
        QCOMPARE(davo::pontosGravidade(respostas), 48);
        respostas.fill(5);
        QCOMPARE(davo::gravidade(respostas), 5.0);
        respostas[13] = 0;  // unanswered
        QVERIFY(!davo::gravidade(respostas));
    }
};

QTEST_MAIN(TestPrazos)
#include "test_prazos.moc"
