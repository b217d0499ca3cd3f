// kivo's data rules without a window: the stored count, saving the rows of a list, and the two
// ways of clearing the history.

#include "kivo/shell/dados.h"

#include "tests/kivo/lists/listfixture.h"

class TestKivoDados : public QObject {
    Q_OBJECT

    std::unique_ptr<ListFixture> f_;

    QStringList stored(const char* table, const char* field)
    {
        return f_->stored(QLatin1String(table), QLatin1String(field));
    }

    void fill()
    {
        f_->execute(QStringLiteral("UPDATE Alternativas SET Alternativa = 'A', Qtde = 4, Resultado = 7.5"));
        f_->execute(
            QStringLiteral("UPDATE Criterios SET Identifica = 'C', Sinal = '+', Peso = 2, N01 = 10, N15 = 10, "
                           "Valor01 = 12, Valor15 = 12, Emach = 1.5, PesoFinal = 2.5, RTO = 1, RTO_Inv = 1, "
                           "Total = 1, Pesos = 1"));
    }

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }
    void init() { testsupport::startTest(f_); }
    void cleanup() { testsupport::endTest(f_); }

    void the_stored_count_is_rounded_kept_in_range_and_3_when_no_number_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("minimo");
        QTest::addColumn<int>("maximo");
        QTest::addColumn<int>("count");
        for (const QString& locale : {QStringLiteral("pt_BR"), QStringLiteral("en_US")}) {
            const QByteArray l = locale.toLatin1() + ": ";
            QTest::newRow(l + "empty") << locale << QVariant(QStringLiteral("")) << 1 << 15 << 3;
            QTest::newRow(l + "null") << locale << QVariant() << 0 << 15 << 3;
            QTest::newRow(l + "text") << locale << QVariant(QStringLiteral("abc")) << 0 << 15 << 3;
            QTest::newRow(l + "number") << locale << QVariant(6) << 0 << 15 << 6;
            QTest::newRow(l + "rounded") << locale << QVariant(6.6) << 0 << 15 << 7;
            QTest::newRow(l + "above") << locale << QVariant(40) << 1 << 15 << 15;
            QTest::newRow(l + "below") << locale << QVariant(-2) << 1 << 15 << 1;
            QTest::newRow(l + "wide") << locale << QVariant(1e9) << -32768 << 32767 << 32767;
        }
        QTest::newRow("pt_BR: typed decimal") << "pt_BR" << QVariant(QStringLiteral("4,6")) << 0 << 15 << 5;
        QTest::newRow("en_US: typed decimal") << "en_US" << QVariant(QStringLiteral("4.4")) << 0 << 15 << 4;
    }
    void the_stored_count_is_rounded_kept_in_range_and_3_when_no_number()
    {
        QFETCH(QString, locale);
        QFETCH(QVariant, stored);
        QFETCH(int, minimo);
        QFETCH(int, maximo);
        QFETCH(int, count);
        common::setUserLocale(QLocale(locale));
        QCOMPARE(kivo::dados::qtdeGravada(stored, minimo, maximo), count);
    }

    void saving_a_list_writes_its_rows_from_the_first_down()
    {
        common::Recordset alternativas = kivo::dados::abreTabela(f_->programa.db, QStringLiteral("Alternativas"));
        kivo::dados::gravaAlternativas(f_->programa.db, alternativas, {QStringLiteral("X"), QStringLiteral("Y")},
                                       QStringLiteral("2"));
        QCOMPARE(stored("Alternativas", "Alternativa").mid(0, 3), QStringList({"X", "Y", ""}));
        QCOMPARE(stored("Alternativas", "Qtde").mid(0, 3), QStringList({"2", "2", ""}));

        common::Recordset criterios = kivo::dados::abreTabela(f_->programa.db, QStringLiteral("Criterios"));
        kivo::dados::gravaCriterios(f_->programa.db, criterios, {{"Custo", "-"}, {"Prazo", "+"}, {"Risco", "-"}},
                                    QStringLiteral("3"));
        QCOMPARE(stored("Criterios", "Identifica").mid(0, 4), QStringList({"Custo", "Prazo", "Risco", ""}));
        QCOMPARE(stored("Criterios", "Sinal").mid(0, 3), QStringList({"-", "+", "-"}));
        QCOMPARE(stored("Criterios", "Qtde").mid(0, 3), QStringList({"3", "3", "3"}));
    }

    void clearing_from_the_alternatives_empties_both_lists_but_keeps_the_results()
    {
        fill();
        common::Recordset alternativas = kivo::dados::abreTabela(f_->programa.db, QStringLiteral("Alternativas"));
        kivo::dados::limpaHistoricoAlternativas(f_->programa.db, alternativas);
        QCOMPARE(stored("Alternativas", "Alternativa"), QStringList(15, ""));
        QCOMPARE(stored("Alternativas", "Qtde"), QStringList(15, "0"));
        QCOMPARE(stored("Alternativas", "Resultado"), QStringList(15, "7,5"));
        for (const char* field : {"Identifica", "Sinal", "Peso"})
            QCOMPARE(stored("Criterios", field), QStringList(15, ""));
        for (const char* field : {"N01", "N15", "Valor01", "Valor15", "Emach", "PesoFinal", "RTO", "Pesos"})
            QCOMPARE(stored("Criterios", field), QStringList(15, "0"));
    }

    void clearing_from_the_criteria_keeps_the_values_and_the_alternatives()
    {
        fill();
        common::Recordset criterios = kivo::dados::abreTabela(f_->programa.db, QStringLiteral("Criterios"));
        kivo::dados::limpaHistoricoCriterios(f_->programa.db, criterios);
        for (const char* field : {"Identifica", "Sinal", "Peso"})
            QCOMPARE(stored("Criterios", field), QStringList(15, ""));
        for (const char* field : {"N01", "N15", "RTO", "RTO_Inv", "Total", "Pesos"})
            QCOMPARE(stored("Criterios", field), QStringList(15, "0"));
        QCOMPARE(stored("Criterios", "Valor01"), QStringList(15, "12"));
        QCOMPARE(stored("Criterios", "PesoFinal"), QStringList(15, "2,5"));
        QCOMPARE(stored("Alternativas", "Alternativa"), QStringList(15, "A"));
    }
};

QTEST_MAIN(TestKivoDados)
#include "test_dados.moc"
