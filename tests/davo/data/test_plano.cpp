// The plan of the coming days, worked out by hand: six hours a day for all activities together,
// earliest deadline first, six hours for each day before a deadline (three of today when it is due
// today, none when it is overdue) before an activity is late.

#include "davo/data/database.h"
#include "davo/data/plano.h"

#include "common/formats.h"
#include "common/store.h"
#include "tests/davo/davofixture.h"
#include "tests/support/testsupport.h"

#include <QVariantMap>

using davo::AtividadePlano;
using davo::Plano;
using testsupport::Today;

namespace {

AtividadePlano atividade(const char* nome, int dias, double horas)
{
    return {QVariant(), QString::fromUtf8(nome), Today.addDays(dias), horas};
}

// A day of the plan as "name hours[/late]" entries, in the order laid.
QStringList dia(const Plano& plano, int d)
{
    QStringList out;
    for (const davo::Parcela& p : plano.doDia(d)) {
        QString s = plano.atividades[size_t(p.atividade)].atividade + ' ' + QString::number(p.horas);
        if (p.atrasadas > 0)
            s += '/' + QString::number(p.atrasadas);
        if (p.dia != d)
            s += QStringLiteral(" (day %1)").arg(p.dia);
        out << s;
    }
    return out;
}

// Per activity, in the order given: "name finish-day late-hours".
QStringList previsoes(const Plano& plano)
{
    QStringList out;
    for (size_t i = 0; i < plano.atividades.size(); ++i)
        out << QStringLiteral("%1 %2 %3")
                   .arg(plano.atividades[i].atividade)
                   .arg(Today.daysTo(plano.termino(int(i))))
                   .arg(plano.previsoes[i].horasAtraso);
    return out;
}

}  // namespace

class TestPlano : public QObject {
    Q_OBJECT

    std::unique_ptr<DavoFixture> f_;

    void adiciona(const QVariantMap& campos)
    {
        QVariantMap registro{{"Ativo", "1"}, {"GUT", 8},       {"G", 2},         {"U", 1},
                             {"T", 4},       {"HorasEst", 10}, {"HorasTrab", 0}, {"HorasQFaltam", 10}};
        for (auto it = campos.begin(); it != campos.end(); ++it)
            registro[it.key()] = it.value();
        common::Recordset rs = common::Recordset::openTable(f_->programa.db, QStringLiteral("Atividades"));
        rs.addNew();
        for (auto it = registro.begin(); it != registro.end(); ++it)
            rs.setValue(it.key(), it.value());
        rs.update();
    }

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }

    void init() { testsupport::startTest(f_); }

    void cleanup() { testsupport::endTest(f_); }

    void everything_fits()
    {
        // Given in another order than their deadlines: B's 10 hours follow A's 5.
        const Plano p = davo::planeja({atividade("B", 5, 10), atividade("A", 3, 5)}, Today);
        QCOMPARE(p.dias(), 3);
        QCOMPARE(dia(p, 0), QStringList({"A 5", "B 1"}));
        QCOMPARE(dia(p, 1), QStringList({"B 6"}));
        QCOMPARE(dia(p, 2), QStringList({"B 3"}));
        QVERIFY(p.doDia(3).empty() && p.doDia(-1).empty());
        QCOMPARE(p.horasDoDia(0), 6.0);
        QCOMPARE(previsoes(p), QStringList({"B 2 0", "A 0 0"}));
        QCOMPARE(p.atrasadas(), 0);
        QCOMPARE(p.horasAtraso(), 0.0);
    }

    void one_activity_late_by_known_hours()
    {
        // B may use the 12 hours of today and tomorrow; after A's 4 it ends at hour 14: 2 late.
        const Plano p = davo::planeja({atividade("A", 1, 4), atividade("B", 2, 10), atividade("C", 10, 2)}, Today);
        QCOMPARE(dia(p, 0), QStringList({"A 4", "B 2"}));
        QCOMPARE(dia(p, 1), QStringList({"B 6"}));
        QCOMPARE(dia(p, 2), QStringList({"B 2/2", "C 2"}));
        QCOMPARE(previsoes(p), QStringList({"A 0 0", "B 2 2", "C 2 0"}));
        QCOMPARE(p.atrasadas(), 1);
        QCOMPARE(p.horasAtraso(), 2.0);
        QCOMPARE(p.termino(1), QDate(2026, 12, 10));
    }

    void overdue_and_due_today()
    {
        // Overdue: no hour before its deadline, every hour late, and laid first.
        Plano p = davo::planeja({atividade("Y", 1, 4), atividade("X", -3, 4)}, Today);
        QCOMPARE(dia(p, 0), QStringList({"X 4/4", "Y 2"}));
        QCOMPARE(dia(p, 1), QStringList({"Y 2/2"}));
        QCOMPARE(previsoes(p), QStringList({"Y 1 2", "X 0 4"}));
        QCOMPARE(p.horasAtraso(), 6.0);

        // Due today: three hours of today, the rest late though laid today.
        p = davo::planeja({atividade("T", 0, 5)}, Today);
        QCOMPARE(dia(p, 0), QStringList({"T 5/2"}));
        QCOMPARE(previsoes(p), QStringList({"T 0 2"}));
        p = davo::planeja({atividade("W", 0, 2), atividade("Z", 0, 2), atividade("amanhã", 1, 2)}, Today);
        QCOMPARE(dia(p, 0), QStringList({"W 2", "Z 2/1", "amanhã 2"}));
        QCOMPARE(previsoes(p), QStringList({"W 0 0", "Z 0 1", "amanhã 0 0"}));
    }

    void equal_deadlines_keep_the_order_given()
    {
        Plano p = davo::planeja({atividade("Q", 1, 4), atividade("P", 1, 4)}, Today);
        QCOMPARE(previsoes(p), QStringList({"Q 0 0", "P 1 2"}));
        p = davo::planeja({atividade("P", 1, 4), atividade("Q", 1, 4)}, Today);
        QCOMPARE(previsoes(p), QStringList({"P 0 0", "Q 1 2"}));

        // Read from the file: the list's order, the higher score first among equal deadlines;
        // finished activities, and those without a deadline or hours, are not planned.
        adiciona({{"Atividade", "menor GUT"},
                  {"DataFinal", Today.addDays(1)},
                  {"FaltamDias", 1},
                  {"GUT", 8},
                  {"HorasQFaltam", 4}});
        adiciona({{"Atividade", "maior GUT"},
                  {"DataFinal", Today.addDays(1)},
                  {"FaltamDias", 1},
                  {"GUT", 12},
                  {"HorasQFaltam", 4}});
        adiciona({{"Atividade", "concluída"}, {"DataFinal", Today}, {"FaltamDias", 0.4}, {"Ativo", "0"}});
        adiciona({{"Atividade", "sem prazo"}, {"FaltamDias", 1}});
        adiciona({{"Atividade", "sem horas"},
                  {"DataFinal", Today.addDays(3)},
                  {"FaltamDias", 3},
                  {"HorasQFaltam", QVariant()}});
        p = davo::planeja(davo::atividadesAbertas(f_->programa.db), Today);
        QCOMPARE(previsoes(p), QStringList({"maior GUT 0 0", "menor GUT 1 2"}));
        QVERIFY(!p.atividades[0].codigo.isNull());
    }

    void no_open_activities()
    {
        adiciona({{"Atividade", "concluída"}, {"DataFinal", Today}, {"FaltamDias", 0.4}, {"Ativo", "0"}});
        const Plano p = davo::planeja(davo::atividadesAbertas(f_->programa.db), Today);
        QVERIFY(p.atividades.empty() && p.parcelas.empty());
        QCOMPARE(p.dias(), 0);
        QVERIFY(p.doDia(0).empty());
        QCOMPARE(p.atrasadas(), 0);
        QCOMPARE(p.horasAtraso(), 0.0);
        // Nothing added to an empty plan pushes anything.
        QVERIFY(davo::impacto(p, atividade("nova", 1, 50)).empty());
    }

    void odd_hours()
    {
        // Nothing left to do: finished today, on time, no hours laid. Tenths of hours fill a day
        // exactly. A vast estimate runs the finish to the last date there is, and what follows it
        // late, without laying its hours into millions of days.
        std::vector<AtividadePlano> lista{atividade("nada", -2, 0), atividade("negativa", 1, -5)};
        for (int k = 0; k < 60; ++k)
            lista.push_back(atividade("décimo", 1, 0.1));
        lista.push_back(atividade("vasta", 2, 1e20));
        lista.push_back(atividade("depois", 3, 1));
        const Plano p = davo::planeja(lista, Today);
        QCOMPARE(p.previsoes[0].ultimoDia, 0);
        QVERIFY(!p.previsoes[0].atrasa() && !p.previsoes[1].atrasa());
        QCOMPARE(p.doDia(0).size(), size_t(60));
        QVERIFY(std::abs(p.horasDoDia(0) - 6) < 1e-9);
        QCOMPARE(p.atrasadas(), 2);
        QCOMPARE(p.termino(62), QDate(9999, 12, 31));
        QCOMPARE(p.termino(63), QDate(9999, 12, 31));
        QCOMPARE(p.previsoes[63].horasAtraso, 1.0);
        QCOMPARE(p.dias(), davo::DiasDetalhados);
        QCOMPARE(p.horasDoDia(davo::DiasDetalhados - 1), 6.0);
    }

    void one_more_activity()
    {
        // "Relatório mensal" fits its 12 hours with 4 to spare; 8 hours due tomorrow put it 4 late.
        // An already late activity is pushed further; one due before the new one is not touched.
        const Plano p = davo::planeja({atividade("antes", 0, 1), atividade("Relatório mensal", 2, 8),
                                       atividade("atrasada", 3, 14), atividade("longe", 30, 5)},
                                      Today);
        QCOMPARE(previsoes(p), QStringList({"antes 0 0", "Relatório mensal 1 0", "atrasada 3 5", "longe 4 0"}));
        const auto e = davo::impacto(p, atividade("nova", 1, 7));
        QCOMPARE(e.size(), size_t(2));
        QCOMPARE(e[0].atividade, 1);
        QCOMPARE(e[0].horas, 4.0);
        QCOMPARE(e[1].atividade, 2);
        QCOMPARE(e[1].horas, 7.0);
        // Due with the others of its deadline, it comes after them.
        QVERIFY(davo::impacto(p, atividade("nova", 3, 20)).empty());
        QVERIFY(davo::impacto(p, atividade("nova", 10, 0)).empty());
    }

    void hours_as_shown()
    {
        QCOMPARE(davo::textoHoras(4), QStringLiteral("4"));
        QCOMPARE(davo::textoHoras(3.96), QStringLiteral("4"));
        QCOMPARE(davo::textoHoras(2.5), QStringLiteral("2,5"));
        QCOMPARE(davo::textoHoras(1234.5), QStringLiteral("1234,5"));
        common::setUserLocale(QLocale(QStringLiteral("en_US")));
        QCOMPARE(davo::textoHoras(2.5), QStringLiteral("2.5"));
        QCOMPARE(davo::textoHoras(0.04), QStringLiteral("0"));
    }
};

QTEST_MAIN(TestPlano)
#include "test_plano.moc"
