#include "davo/data/database.h"
#include "davo/data/gut.h"
#include "davo/data/prazos.h"

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

    void init()
    {
        testsupport::resetPlatform();
        f_ = std::make_unique<DavoFixture>();
    }

    void cleanup() { f_.reset(); }

    void deadline_figures_data()
    {
        for (const char* c : {"dias", "estimadas", "trabalhadas", "faltamDias", "tempoDisp", "horasQFaltam", "horasTrabDia"})
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

        common::Recordset lista = common::Recordset::openQuery(f_->programa.db, davo::ListaAtivas);
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
            {{"Ativo", "1"}, {"HorasQFaltam", 5}},                                     // no deadline
        };
        QList<QVariant> codigos;
        for (QVariantMap campos : antes) {
            campos.insert({{"FaltamDias", 9}, {"TempoDisp", 54}, {"HorasTrabDia", 0.5}});  // stale
            codigos << adiciona(campos);
        }
        common::Clock::setTestDate(Today.addDays(32));
        davo::AtualizaPrazos(f_->programa.db, common::Clock::today());

        const QList<QList<double>> depois{{8, 48, 12, 1.5}, {0.4, 3, 4, 10}, {-3, -18, 6, -2},
                                          {9, 54, 3, 0.5}, {9, 54, 5, 0.5}};
        common::Recordset rs = common::Recordset::openTable(f_->programa.db, QStringLiteral("Atividades"));
        rs.setIndex(QStringLiteral("PrimaryKey"));
        for (int i = 0; i < codigos.size(); ++i) {
            rs.seek(QStringLiteral("="), codigos[i]);
            const QList<double> lido{rs.value("FaltamDias").toDouble(), rs.value("TempoDisp").toDouble(),
                                     rs.value("HorasQFaltam").toDouble(), rs.value("HorasTrabDia").toDouble()};
            QCOMPARE(lido, depois[i]);
        }
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
