// The result computation without a window: its arithmetic, the work tables and figures it writes,
// the order of its stages and pauses, and the runs it refuses.

#include "tests/kivo/results/casefixture.h"

#include "kivo/results/calculo.h"

#include "common/clock.h"
#include "common/formats.h"

#include <cmath>
#include <optional>

using namespace kivo::calculo;

namespace {

// Notes every stage with the milliseconds paused so far.
struct Registro : Progresso {
    QStringList eventos;
    void etapa(int item, Estado estado) override
    {
        static const char* nomes[] = {"inicia", "cinza", "marca"};
        eventos << QStringLiteral("%1 %2 @%3")
                       .arg(QLatin1String(nomes[estado]))
                       .arg(item)
                       .arg(common::Clock::pausedMilliseconds());
    }
    void alternativasAlteradas() override
    {
        eventos << QStringLiteral("grade @%1").arg(common::Clock::pausedMilliseconds());
    }
};

bool perto(double a, double b)
{
    return std::fabs(a - b) < 1e-12;
}

}  // namespace

class TestCalculo : public QObject {
    Q_OBJECT

    std::unique_ptr<CaseFixture> f_;

    // The case of the examples: weights 1, 2, 4; values 1, 2, 4 under the first criterion.
    void exemplo(const QVariant& peso2 = 2)
    {
        f_->alternativas({"Alfa", "Beta", "Gama"});
        f_->criterios({{"Custo", "-", 1, {1, 2, 4}}, {"Prazo", "+", peso2, {3, 3, 3}}, {"Risco", "+", 4, {2, 1, 1}}});
    }

    // A run as the results screen makes it, the event loop turning until its end is told.
    Termino rodada(Registro* registro = nullptr)
    {
        Registro local;
        Rodada execucao;
        std::optional<Termino> fim;
        execucao.inicia(f_->programa.db, f_->programa.qtdeCriterios, registro ? *registro : local,
                        [&fim](const Termino& t) { fim = t; });
        if (!testsupport::finishPauses() || !fim)
            qWarning("the run did not end");
        return fim.value_or(Termino{});
    }

    Desfecho roda(Registro* registro = nullptr)
    {
        const Termino t = rodada(registro);
        if (t.falha)
            qWarning("the run failed: %s", qPrintable(*t.falha));
        return t.desfecho;
    }

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }
    void init() { testsupport::startTest(f_); }
    void cleanup() { testsupport::endTest(f_); }

    // --- the arithmetic ---------------------------------------------------------------------------

    void weights_1_2_4_give_the_criteria_shares()
    {
        const SomasCriterios s = pesosDosCriterios({1, 2, 4});
        QCOMPARE(s.rto[1], 0.75);
        QCOMPARE(s.rto[2], 0.5);
        QCOMPARE(s.rtoInv[2], 2.0);
        QCOMPARE(s.total[2], 2.5);
        QCOMPARE(s.total[3], 6.0);
        QCOMPARE(s.soma, 9.25);
        QCOMPARE(common::formatFixed(s.pesos[1], 4), QStringLiteral("0,0811"));
        QCOMPARE(common::formatFixed(s.pesos[2], 4), QStringLiteral("0,2703"));
        QCOMPARE(common::formatFixed(s.pesos[3], 4), QStringLiteral("0,6486"));
        QVERIFY(perto(s.pesos[1] + s.pesos[2] + s.pesos[3], 1));
        // One criterion carries the whole weight; zero weights carry none.
        QCOMPARE(pesosDosCriterios({7}).pesos[1], 1.0);
        QCOMPARE(pesosDosCriterios({0, 0}).pesos[1], 0.0);
    }

    void values_give_the_alternatives_shares()
    {
        const NotasCriterio c = notasDasAlternativas({1, 2, 4});
        QCOMPARE(c.total[1], 3.5);
        QCOMPARE(c.total[2], 7.0);
        QCOMPARE(c.total[3], 14.0);
        QVERIFY(perto(c.normal[1], 1 / 3.0) && perto(c.normal[3], 4 / 3.0));
        QVERIFY(perto(c.pesos[1], 1 / 7.0) && perto(c.pesos[2], 2 / 7.0) && perto(c.pesos[3], 4 / 7.0));

        const NotasCriterio iguais = notasDasAlternativas({5, 5, 5});
        QCOMPARE(iguais.total[1], 6.0);
        for (int a = 1; a <= 3; ++a)
            QVERIFY(iguais.normal[a] == 0 && iguais.pesos[a] == 0);

        // A zero value: no quotient divides by it, and as first member its quotients are 0.
        const NotasCriterio zero = notasDasAlternativas({0, 2, 4});
        QCOMPARE(zero.total[1], 0.0);
        QCOMPARE(zero.total[2], 3.0);
        QCOMPARE(zero.total[3], 6.0);
        QVERIFY(perto(zero.pesos[2], 1 / 3.0) && perto(zero.pesos[3], 2 / 3.0));
    }

    void signs_weighted_sums_and_the_best_option()
    {
        QCOMPARE(sinal(QStringLiteral("+")), 1);
        for (const QVariant& s : {QVariant(QStringLiteral("-")), QVariant(QStringLiteral("")),
                                  QVariant(QStringLiteral(" +")), QVariant(QStringLiteral("+ ")), QVariant()})
            QCOMPARE(sinal(s), -1);
        QCOMPARE(contribuicao(0.5, -1, 0.25), -0.125);
        const std::vector<double> r = resultados({0.25, 0.75}, {1, -1}, {{0.5, 0.5}, {0.2, 0.8}});
        QCOMPARE(r.size(), size_t(2));
        QVERIFY(perto(r[0], 0.125 - 0.15) && perto(r[1], 0.125 - 0.6));
        QCOMPARE(melhorOpcao({0.1, 0.3, 0.3, 0.2}), 1);  // a tie names the first
        QCOMPARE(melhorOpcao({0, -0.1}), -1);            // none above 0
    }

    void weights_as_stored_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("pt_BR") << QLocale(QLocale::Portuguese, QLocale::Brazil);
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
    }

    void weights_as_stored()
    {
        QFETCH(QLocale, locale);
        common::setUserLocale(locale);
        double w = 0;
        QVERIFY(pesoNumerico(3, &w) && w == 3);
        QVERIFY(pesoNumerico(2.5, &w) && w == 2.5);
        QVERIFY(pesoNumerico(locale.toString(7.25), &w) && w == 7.25);
        for (const QVariant& v : {QVariant(), QVariant(QStringLiteral("")), QVariant(QStringLiteral("  ")),
                                  QVariant(QStringLiteral("abc"))})
            QVERIFY(!pesoNumerico(v));
    }

    // --- the run on the database ------------------------------------------------------------------

    void the_example_fills_the_work_tables_and_figures_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("pt_BR") << QLocale(QLocale::Portuguese, QLocale::Brazil);
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
    }

    void the_example_fills_the_work_tables_and_figures()
    {
        QFETCH(QLocale, locale);
        common::setUserLocale(locale);
        exemplo(locale.toString(2.0));  // a weight kept as the text the user's locale writes
        marcaTudo(*f_);
        const Desfecho d = roda();
        QCOMPARE(d.fim, Desfecho::Concluido);

        // RTO: the pairs (1,2), (1,3), (2,3).
        QCOMPARE(f_->coluna("RTO", "CriterioA"), QStringList({"1", "1", "2"}));
        QCOMPARE(f_->coluna("RTO", "CriterioB"), QStringList({"2", "3", "3"}));
        QCOMPARE(f_->coluna("RTO", "Indice"), QStringList({"1", "2", "1"}));
        QCOMPARE(f_->coluna("RTO", "DescrB"), QStringList({"Prazo", "Risco", "Risco"}));
        QCOMPARE(f_->numero("RTO", "PesoB", 1), 2.0);
        for (int r = 1; r <= 3; ++r) {
            QCOMPARE(f_->numero("RTO", "RTO", r), std::vector<double>({0.5, 0.25, 0.5})[r - 1]);
            QCOMPARE(f_->numero("RTO", "inv_RTO", r), std::vector<double>({2, 4, 2})[r - 1]);
        }
        QCOMPARE(f_->numero("Criterios", "Total", 1), 0.75);
        QCOMPARE(f_->numero("Criterios", "RTO_Inv", 3), 6.0);
        QCOMPARE(f_->numero("Criterios", "Pesos", 3), 6 / 9.25);
        QCOMPARE(f_->numero("Criterios", "PesoFinal", 1), 0.0);  // zeroed before the run
        QCOMPARE(f_->numero("Criterios", "Pesos", 4), 0.0);

        // c01: every ordered pair, a = b included, in order.
        QCOMPARE(f_->linhas("c01"), 9);
        QCOMPARE(f_->coluna("c01", "CriterioA"), QStringList({"1", "1", "1", "2", "2", "2", "3", "3", "3"}));
        QCOMPARE(f_->coluna("c01", "Indice"), QStringList({"1", "2", "3", "1", "2", "3", "1", "2", "3"}));
        QCOMPARE(f_->campo("c01", "DescrB", 6), QVariant("Gama"));
        QCOMPARE(f_->numero("c01", "RTO", 3), 0.25);
        QCOMPARE(f_->numero("c01", "inv_RTO", 3), 4.0);
        QCOMPARE(f_->linhas("c04"), 0);

        const double w1 = 0.75 / 9.25, w3 = 6 / 9.25;
        QCOMPARE(f_->numero("Alternativas", "Total01", 1), 3.5);
        QVERIFY(perto(f_->numero("Alternativas", "Pesos01", 3), 4 / 7.0));
        QCOMPARE(f_->numero("Alternativas", "Pesos02", 2), 0.0);  // all equal: the criterion adds nothing
        QCOMPARE(f_->numero("Alternativas", "KIVO02", 2), 0.0);
        const NotasCriterio risco = notasDasAlternativas({2, 1, 1});
        QCOMPARE(f_->numero("Alternativas", "Normal03", 1), risco.normal[1]);
        QCOMPARE(f_->numero("Alternativas", "KIVO03", 1), (w3 * 1) * risco.pesos[1]);
        for (int a = 1; a <= 3; ++a) {
            const double esperado =
                ((w1 * -1) * notasDasAlternativas({1, 2, 4}).pesos[a] + 0.0) + (w3 * 1) * risco.pesos[a];
            QCOMPARE(f_->numero("Alternativas", "Resultado", a), 0 + esperado);
        }
        QCOMPARE(d.melhor, 1);
        QCOMPARE(d.nomeMelhor, QStringLiteral("Alfa"));
        // Rows beyond m are cleared and stay 0.
        for (const char* field : {"Resultado", "RTO01", "Pesos01", "KIVO01", "Total15", "KIVO15"})
            QCOMPARE(f_->numero("Alternativas", field, 4), 0.0);
    }

    void a_zero_value_leaves_its_quotients_unwritten()
    {
        f_->alternativas({"A", "B", "C"});
        f_->criterios({{"X", "+", 1, {0, 2, 4}}, {"Y", "+", 1, {1, 1, 2}}});
        QCOMPARE(roda().fim, Desfecho::Concluido);
        // (1,1) both divide by 0; (1,2) RTO = 0/2; (2,1) only its inverse 0/2.
        QCOMPARE(f_->coluna("c01", "RTO").mid(0, 4), QStringList({"<null>", "0", "0", "<null>"}));
        QCOMPARE(f_->coluna("c01", "inv_RTO").mid(0, 4), QStringList({"<null>", "<null>", "<null>", "0"}));
        QCOMPARE(f_->numero("Alternativas", "Total01", 1), 0.0);
        QCOMPARE(f_->numero("Alternativas", "Total01", 2), 3.0);
        QVERIFY(perto(f_->numero("Alternativas", "Pesos01", 3), 2 / 3.0));
    }

    void only_minus_criteria_name_no_best_option()
    {
        exemplo();
        f_->execute("UPDATE Criterios SET Sinal = '-'");
        const Desfecho d = roda();
        QCOMPARE(d.melhor, 0);
        QCOMPARE(d.nomeMelhor, QString());
        for (int a = 1; a <= 3; ++a)
            QVERIFY(f_->numero("Alternativas", "Resultado", a) <= 0);
    }

    void a_tie_names_the_lower_number_and_a_minus_subtracts()
    {
        f_->alternativas({"Primeira", "Segunda", "Terceira"});
        f_->criterios({{"A", "+", 8, {4, 4, 1}}, {"B", "-", 1, {1, 1, 2}}, {"C", "-", 1, {3, 3, 1}}});
        const Desfecho d = roda();
        QCOMPARE(f_->numero("Alternativas", "Resultado", 1), f_->numero("Alternativas", "Resultado", 2));
        QCOMPARE(d.melhor, 1);
        QCOMPARE(d.nomeMelhor, QStringLiteral("Primeira"));
        QVERIFY(f_->numero("Alternativas", "KIVO02", 3) < 0);
        QVERIFY(f_->numero("Alternativas", "KIVO03", 1) < 0);
    }

    void one_criterion_ranks_by_its_shares()
    {
        f_->alternativas({"A", "B", "C"});
        f_->criterios({{"Único", "+", QStringLiteral(""), {1, 2, 4}}});  // a single criterion needs no weight
        const Desfecho d = roda();
        QCOMPARE(d.fim, Desfecho::Concluido);
        QCOMPARE(f_->linhas("RTO"), 0);
        QCOMPARE(f_->numero("Criterios", "Pesos", 1), 1.0);
        QVERIFY(perto(f_->numero("Alternativas", "Resultado", 1), 1 / 7.0));
        QVERIFY(perto(f_->numero("Alternativas", "Resultado", 3), 4 / 7.0));
        QCOMPARE(d.nomeMelhor, QStringLiteral("C"));
    }

    // An empty or mistyped sign would count the criterion as a cost: the run refuses it, naming
    // the criterion, before it writes anything.
    void a_sign_other_than_plus_or_minus_stops_before_anything_is_written()
    {
        bool marcado = false;
        for (const QVariant& sinal : {QVariant(QStringLiteral("")), QVariant(QStringLiteral("x")), QVariant(),
                                      QVariant(QStringLiteral(" +"))}) {
            if (!marcado)
                marcaTudo(*f_);
            marcado = true;
            exemplo();
            f_->execute("UPDATE Criterios SET Sinal = ? WHERE Numero = 3", {sinal});
            f_->execute("UPDATE Criterios SET Sinal = '' WHERE Numero > 3");  // beyond n: not looked at
            const QStringList antes = testsupport::databaseContents(f_->programa.db);
            const Desfecho d = roda();
            QCOMPARE(d.fim, Desfecho::SinalInvalido);
            QCOMPARE(d.criterioSemSinal, 3);
            QCOMPARE(d.nomeSemSinal, f_->campo("Criterios", "Identifica", 3).toString());
            QCOMPARE(testsupport::databaseContents(f_->programa.db), antes);
            QCOMPARE(common::Clock::pausedMilliseconds(), qint64(0));
        }
    }

    void a_missing_weight_stops_before_anything_is_written_data()
    {
        QTest::addColumn<int>("criterio");
        QTest::addColumn<QVariant>("peso");
        QTest::newRow("criterion 1 empty") << 1 << QVariant(QStringLiteral(""));
        QTest::newRow("criterion 1 not a number") << 1 << QVariant(QStringLiteral("dois"));
        QTest::newRow("criterion 1 null") << 1 << QVariant();
        QTest::newRow("criterion 3 empty") << 3 << QVariant(QStringLiteral(""));
        QTest::newRow("criterion 3 not a number") << 3 << QVariant(QStringLiteral("4x"));
    }

    void a_missing_weight_stops_before_anything_is_written()
    {
        QFETCH(int, criterio);
        QFETCH(QVariant, peso);
        exemplo();
        f_->execute("UPDATE Criterios SET Peso = ? WHERE Numero = ?", {peso, criterio});
        f_->execute("UPDATE Criterios SET Peso = '' WHERE Numero > 3");  // beyond n: not looked at
        marcaTudo(*f_);
        Registro registro;
        const Desfecho d = roda(&registro);
        QCOMPARE(d.fim, Desfecho::PesoInvalido);
        QCOMPARE(d.criterioSemPeso, criterio);
        QVERIFY(registro.eventos.isEmpty());
        QCOMPARE(common::Clock::pausedMilliseconds(), qint64(0));
        QCOMPARE(f_->coluna("RTO", "Indice"), QStringList{"99"});
        QCOMPARE(f_->coluna("c01", "Indice"), QStringList{"99"});
        QCOMPARE(f_->coluna("Alternativas", "Resultado"), QStringList(15, "99"));
        QCOMPARE(f_->coluna("Alternativas", "KIVO01"), QStringList(15, "99"));
        QCOMPARE(f_->coluna("Criterios", "PesoFinal"), QStringList(15, "99"));
    }

    void fewer_alternatives_keep_the_other_rows_at_zero()
    {
        f_->alternativas({"A", "B", "C", "D", "E", "F"}, 4);  // E and F are named yet beyond the count
        f_->criterios({{"X", "+", 3, {1, 2, 3, 4, 9, 9}}, {"Y", "-", 5, {4, 3, 2, 1, 9, 9}}});
        marcaTudo(*f_);
        roda();
        QCOMPARE(f_->linhas("c01"), 16);
        QCOMPARE(f_->linhas("c03"), 0);
        for (int a = 5; a <= 15; ++a)
            for (const char* field :
                 {"Resultado", "RTO01", "RTOi01", "Total02", "Normal02", "Pesos02", "KIVO01", "KIVO02", "KIVO15"})
                QCOMPARE(f_->numero("Alternativas", field, a), 0.0);
        QVERIFY(f_->numero("Alternativas", "Resultado", 4) != 0);
    }

    void fifteen_by_fifteen()
    {
        QStringList nomes;
        std::vector<Criterio> lista;
        std::vector<double> pesos;
        std::vector<int> sinais;
        std::vector<std::vector<double>> partes;
        for (int i = 1; i <= 15; ++i)
            nomes << QStringLiteral("Alternativa %1").arg(i);
        for (int k = 1; k <= 15; ++k) {
            std::vector<double> v;
            for (int a = 1; a <= 15; ++a)
                v.push_back((a * 7 + k * 3) % 11 + 0.5 * (k % 3));
            const QString s = k % 4 == 0 ? "-" : "+";
            lista.push_back({QStringLiteral("Critério %1").arg(k), s, 1 + (k * 13) % 10, v});
            pesos.push_back(1 + (k * 13) % 10);
            sinais.push_back(sinal(s));
            const NotasCriterio c = notasDasAlternativas(v);
            partes.push_back(std::vector<double>(c.pesos.begin() + 1, c.pesos.begin() + 16));
        }
        f_->alternativas(nomes);
        f_->criterios(lista);
        const Desfecho d = roda();
        QCOMPARE(f_->linhas("RTO"), 105);
        for (int k = 1; k <= 15; ++k)
            QCOMPARE(f_->linhas(kivo::numbered("c", k)), 225);
        double soma = 0;
        for (int k = 1; k <= 15; ++k)
            soma += f_->numero("Criterios", "Pesos", k);
        QVERIFY(perto(soma, 1));
        const SomasCriterios s = pesosDosCriterios(pesos);
        const std::vector<double> esperado =
            resultados(std::vector<double>(s.pesos.begin() + 1, s.pesos.begin() + 16), sinais, partes);
        for (int a = 1; a <= 15; ++a)
            QCOMPARE(f_->numero("Alternativas", "Resultado", a), esperado[a - 1]);
        QCOMPARE(d.melhor, melhorOpcao(esperado) + 1);
    }

    void stages_report_in_order_with_their_pauses()
    {
        exemplo();
        Registro registro;
        // The first stage runs at once; the others follow from the event loop, the caller gone on.
        Rodada execucao;
        bool fim = false;
        QVERIFY(execucao.inicia(f_->programa.db, 3, registro, [&fim](const Termino&) { fim = true; }));
        QCOMPARE(registro.eventos, QStringList({"inicia -1 @0", "grade @0"}));
        QVERIFY(execucao.emAndamento());
        QVERIFY(!execucao.inicia(f_->programa.db, 3, registro, {}));  // one run at a time
        QVERIFY(testsupport::finishPauses());
        QVERIFY(fim && !execucao.emAndamento());
        QCOMPARE(registro.eventos, QStringList({
                                       "inicia -1 @0", "grade @0", "marca -1 @1000",  // clearing
                                       "inicia 0 @1000", "marca 0 @2000",             // criteria weights
                                       "inicia 1 @2000", "cinza 1 @2500",             // pair tables
                                       "inicia 2 @2500", "cinza 2 @3000", "inicia 3 @3000", "cinza 3 @3500",
                                       "marca 1 @5000", "marca 2 @5500", "marca 3 @6000",  // scores
                                   }));
        // 4.5 s plus 1 s per criterion.
        QCOMPARE(common::Clock::pausedMilliseconds(), qint64(4500 + 3 * 1000));
    }

    void a_failing_stage_keeps_what_the_earlier_ones_stored()
    {
        exemplo();
        f_->execute("CREATE TRIGGER cheio BEFORE INSERT ON c02 BEGIN SELECT RAISE(ABORT, 'disco cheio'); END");
        Registro registro;
        const Termino t = rodada(&registro);
        QVERIFY(t.falha && t.falha->contains(QStringLiteral("disco cheio")));
        QVERIFY(!t.outra);
        QCOMPARE(f_->linhas("RTO"), 3);
        QCOMPARE(f_->linhas("c01"), 9);
        QCOMPARE(f_->linhas("c02"), 0);
        QCOMPARE(registro.eventos.last(), QStringLiteral("inicia 2 @2500"));
        // At once, the failure is thrown.
        QVERIFY_THROWS_EXCEPTION(common::StoreError, calcula(f_->programa.db, 3, registro));
        QCOMPARE(f_->linhas("c01"), 9);
    }

    // --- the set-up as the results screen opens ---------------------------------------------------

    void opening_clears_the_results_keeps_the_figures_and_reads_the_count()
    {
        exemplo();
        f_->execute("UPDATE Alternativas SET Resultado = 0.5, Pesos01 = 0.25");
        f_->execute("UPDATE Criterios SET Qtde = 2");
        QCOMPARE(preparaResultados(f_->programa.db), std::optional<int>(2));
        QCOMPARE(f_->coluna("Alternativas", "Resultado"), QStringList(15, "0"));
        QCOMPARE(f_->coluna("Alternativas", "Pesos01"), QStringList(15, "0,25"));

        // No criteria: no count, the results cleared all the same.
        f_->execute("UPDATE Alternativas SET Resultado = 0.5");
        f_->execute("DELETE FROM Criterios");
        QCOMPARE(preparaResultados(f_->programa.db), std::nullopt);
        QCOMPARE(f_->coluna("Alternativas", "Resultado"), QStringList(15, "0"));
    }

    void opening_without_the_work_table_writes_nothing()
    {
        exemplo();
        f_->execute("UPDATE Alternativas SET Resultado = 0.5");
        f_->execute("DROP TABLE RTO");
        const QStringList antes = testsupport::databaseContents(f_->programa.db);
        QVERIFY_THROWS_EXCEPTION(common::StoreError, preparaResultados(f_->programa.db));
        QCOMPARE(testsupport::databaseContents(f_->programa.db), antes);
    }
};

QTEST_MAIN(TestCalculo)
#include "test_calculo.moc"
