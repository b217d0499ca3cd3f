// How firm the best option is: the ranking made again in memory, the range of every criterion's
// weight that keeps the best option, the case read from the database, and the screen.

#include "kivo/results/frmSensibilidade.h"
#include "kivo/results/sensibilidade.h"
#include "kivo/shell/database.h"
#include "kivo/shell/idioma.h"
#include "kivo/shell/kivo.h"

#include "common/formats.h"
#include "common/store.h"
#include "tests/support/testsupport.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <cmath>
#include <functional>

using namespace kivo::sensibilidade;
using testsupport::lastMessage;
using testsupport::named;

namespace {

Criterio criterio(const QString& nome, const QString& sinal, double peso, std::vector<double> valores)
{
    return Criterio{nome, sinal, peso, std::move(valores)};
}

// Two benefits, three alternatives. With weights w1 and w2 the first criterion's share is
// p = w1² / (w1² + w2²), and the results are A = (4 - 3p) / 6, B = (1 + p) / 6, C = (1 + 2p) / 6:
// A is best while p < 0.6, that is while w1 < w2 x sqrt(1.5), C above.
Caso casoDaMao(double w1 = 4, double w2 = 5)
{
    return Caso{{criterio("Qualidade", "+", w1, {1, 2, 3}), criterio("Prazo", "+", w2, {4, 1, 1})},
                {"Alfa", "Beta", "Gama Ltda."}};
}

// A benefit and a cost. Shares 6/12, 5/12, 1/12 and 8/10, 1/10, 1/10; A is best while
// w1 / w2 > sqrt(8.4), else B, the cheapest with the better benefit.
Caso casoComCusto(double w1 = 10, double w2 = 2)
{
    return Caso{{criterio("Receita", "+", w1, {6, 5, 1}), criterio("Custo", "-", w2, {8, 1, 1})},
                {"Alfa", "Beta", "Gama"}};
}

// A and B mirror each other: with equal weights their results are exactly equal.
Caso casoEmpatado(double w1, double w2)
{
    return Caso{{criterio("Um", "+", w1, {1, 2, 1}), criterio("Dois", "+", w2, {2, 1, 1})}, {"A", "B", "C"}};
}

// 15 criteria, 15 alternatives, weights to two decimals in [1, 10], values 0 to 100 with some
// zeros and two equal columns, one criterion in four a cost.
Caso caso15()
{
    quint32 semente = 20261208;
    const auto sorteio = [&semente](int limite) {
        semente = semente * 1664525u + 1013904223u;
        return static_cast<int>((semente >> 8) % static_cast<quint32>(limite));
    };
    Caso caso;
    for (int a = 0; a < 15; ++a)
        caso.alternativas.push_back(QStringLiteral("Alternativa %1").arg(a + 1));
    for (int k = 0; k < 15; ++k) {
        Criterio c;
        c.nome = QStringLiteral("Critério %1").arg(k + 1);
        c.sinal = k % 4 == 3 ? QStringLiteral("-") : QStringLiteral("+");
        c.peso = (100 + sorteio(901)) / 100.0;
        for (int a = 0; a < 15; ++a)
            c.valores.push_back(k == 7 ? 5.0 : (sorteio(10) == 0 ? 0.0 : 40 + sorteio(61)));
        caso.criterios.push_back(c);
    }
    return caso;
}

// The result as a reader of the method would write it: criterion share w(k) x sum of 1/w(j) over
// the others, divided by the sum of those; alternative share value / sum of values.
std::vector<double> resultadosDireto(const Caso& caso)
{
    const size_t n = caso.criterios.size(), m = caso.alternativas.size();
    std::vector<double> total(n, 0.0);
    double soma = 0;
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = 0; j < n; ++j)
            if (j != i)
                total[i] += caso.criterios[i].peso / caso.criterios[j].peso;
        soma += total[i];
    }
    std::vector<double> r(m, 0.0);
    for (size_t k = 0; k < n; ++k) {
        const auto& v = caso.criterios[k].valores;
        double somaV = 0;
        for (double x : v)
            somaV += x;
        const bool iguais = *std::max_element(v.begin(), v.end()) == *std::min_element(v.begin(), v.end());
        for (size_t a = 0; a < m; ++a)
            r[a] += sinal(caso.criterios[k].sinal) * total[k] / soma * (iguais ? 0.0 : v[a] / somaV);
    }
    return r;
}

void verificaFaixa(const Faixa& f, double minimo, double maximo, std::optional<Mudanca> abaixo,
                   std::optional<Mudanca> acima)
{
    QCOMPARE(common::formatFixed(f.minimo, 2), common::formatFixed(minimo, 2));
    QCOMPARE(common::formatFixed(f.maximo, 2), common::formatFixed(maximo, 2));
    QCOMPARE(f.abaixo.has_value(), abaixo.has_value());
    if (abaixo) {
        QCOMPARE(common::formatFixed(f.abaixo->peso, 2), common::formatFixed(abaixo->peso, 2));
        QCOMPARE(f.abaixo->melhor, abaixo->melhor);
    }
    QCOMPARE(f.acima.has_value(), acima.has_value());
    if (acima) {
        QCOMPARE(common::formatFixed(f.acima->peso, 2), common::formatFixed(acima->peso, 2));
        QCOMPARE(f.acima->melhor, acima->melhor);
    }
}

}  // namespace

class TestSensibilidade : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::Folder> folder_;
    std::unique_ptr<common::Database> db_;

    // Stores `caso` as the lists, the weighting and the values screens leave it; `peso(k)` gives
    // what is written into Peso.
    void grava(const Caso& caso, const std::function<QVariant(int)>& peso = {})
    {
        const int m = static_cast<int>(caso.alternativas.size());
        const int n = static_cast<int>(caso.criterios.size());
        for (int a = 0; a < m; ++a)
            db_->execute("UPDATE Alternativas SET Alternativa = ?, Qtde = ? WHERE Numero = ?",
                         {caso.alternativas[a], QString::number(m), a + 1});
        for (int k = 0; k < n; ++k) {
            const Criterio& c = caso.criterios[k];
            QStringList campos{"Identifica = ?", "Sinal = ?", "Peso = ?", "Qtde = ?"};
            QVariantList valores{c.nome, c.sinal, peso ? peso(k) : QVariant(c.peso), QString::number(n)};
            for (int a = 0; a < m; ++a) {
                campos << kivo::numbered("Valor", a + 1) + " = ?";
                valores << c.valores[a];
            }
            valores << k + 1;
            db_->execute("UPDATE Criterios SET " + campos.join(", ") + " WHERE Numero = ?", valores);
        }
    }

    // Opens the screen on what is stored, in language `idioma`; `jogada` plays the user on the open
    // window.
    void abre(short idioma, const std::function<void(kivo::frmSensibilidade&)>& jogada)
    {
        bool aberta = false;
        common::Modal::setTestHandler([&](QDialog& dialog) {
            aberta = true;
            dialog.show();
            if (QTest::qWaitForWindowExposed(&dialog))
                jogada(static_cast<kivo::frmSensibilidade&>(dialog));
            return dialog.result();
        });
        kivo::instalaIdioma(idioma);
        kivo::abreSensibilidade(nullptr, *db_);
        common::Modal::setTestHandler({});
        QVERIFY(aberta);
    }

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }
    void init()
    {
        testsupport::resetPlatform();
        folder_ = std::make_unique<testsupport::Folder>();
        QVERIFY(kivo::createDatabase(folder_->file("CONTROLE.mdb")));
        db_ = std::make_unique<common::Database>();
        db_->open(folder_->file("CONTROLE.mdb"), ";pwd=PanoRoxo");
    }
    void cleanup()
    {
        common::Modal::setTestHandler({});
        kivo::instalaIdioma(kivo::Portugues);
        db_.reset();
        folder_.reset();
    }

    // --- The ranking -----------------------------------------------------------------------------

    void shares_follow_the_computation()
    {
        // Weights 1, 2, 4: totals 0.75, 2.5 and 6 of a grand sum 9.25.
        const auto p = pesosDosCriterios({1, 2, 4});
        QCOMPARE(p, (std::vector<double>{0.75 / 9.25, 2.5 / 9.25, 6 / 9.25}));
        QCOMPARE(common::formatFixed(p[0], 4), common::formatFixed(0.0811, 4));
        QCOMPARE(pesosDosCriterios({7}), std::vector<double>{1.0});  // one criterion weighs all
        QCOMPARE(pesosDosCriterios({0, 0}), (std::vector<double>{0, 0}));

        const auto w = pesosDasAlternativas({1, 2, 4});
        for (int a = 0; a < 3; ++a)
            QVERIFY(std::abs(w[a] - (1 << a) / 7.0) < 1e-15);
        QCOMPARE(pesosDasAlternativas({3, 3, 3}), (std::vector<double>{0, 0, 0}));
        const auto comZero = pesosDasAlternativas({0, 1, 3});  // a zero value: its quotients count 0
        QCOMPARE(comZero[0], 0.0);
        QVERIFY(std::abs(comZero[2] - 0.75) < 1e-15);

        QCOMPARE(sinal("+"), 1);
        for (const char* outro : {"-", "", " +", "++"})
            QCOMPARE(sinal(outro), -1);

        // One criterion weighs all whatever its weight: the shares of its values rank, and no
        // weight changes the best option.
        const Sensibilidade um(Caso{{criterio("Só", "+", 3, {1, 2, 4})}, {"X", "Y", "Z"}});
        QCOMPARE(um.atual().melhor, 2);
        QVERIFY(std::abs(um.atual().resultados[2] - 4 / 7.0) < 1e-15);
        verificaFaixa(um.faixa(0), 1, 10, std::nullopt, std::nullopt);

        // Only costs: nothing above 0, no best option.
        const Caso custos{{criterio("C", "-", 3, {1, 2}), criterio("D", "", 5, {2, 1})}, {"X", "Y"}};
        QCOMPARE(classifica(custos).melhor, SemMelhor);
    }

    void two_criteria_three_alternatives_by_hand()
    {
        const Sensibilidade s(casoDaMao());
        const double p = 16.0 / 41.0;
        const std::vector<double> esperados{(4 - 3 * p) / 6, (1 + p) / 6, (1 + 2 * p) / 6};
        for (int a = 0; a < 3; ++a)
            QVERIFY(std::abs(s.atual().resultados[a] - esperados[a]) < 1e-15);
        QCOMPARE(s.atual().melhor, 0);

        // First criterion: A up to 5 x sqrt(1.5) = 6.1237, then C.
        verificaFaixa(s.faixa(0), 1.00, 6.12, std::nullopt, Mudanca{6.13, 2});
        // Second: A down to 4 / sqrt(1.5) = 3.2660, C below.
        verificaFaixa(s.faixa(1), 3.27, 10.00, Mudanca{3.26, 2}, std::nullopt);

        // A weight with more than two decimals: the walks start at the hundredths on either side.
        verificaFaixa(Sensibilidade(casoDaMao(4.005, 5)).faixa(0), 1.00, 6.12, std::nullopt, Mudanca{6.13, 2});

        const auto faixas = s.faixas();
        QCOMPARE(Sensibilidade::maisEstreita(faixas), 1);  // 1.74 from 5 against 2.13 from 4
        QCOMPARE(common::formatFixed(*faixas[1].margem(), 2), common::formatFixed(1.74, 2));
        QCOMPARE(common::formatFixed(*faixas[0].margem(), 2), common::formatFixed(2.13, 2));

        // The chart's lines pass through the current ranking at the current weight.
        const Curvas curvas = s.curvas(1, 10);  // weights 1, 2, ... 10
        QCOMPARE(curvas.pesos.size(), size_t(10));
        QCOMPARE(curvas.pesos[4], 5.0);
        for (int a = 0; a < 3; ++a)
            QCOMPARE(curvas.resultados[a][4], s.atual().resultados[a]);
    }

    void a_clear_winner_keeps_every_range_whole()
    {
        const Caso caso{{criterio("Um", "+", 2, {10, 1, 1}), criterio("Dois", "+", 9, {10, 1, 2}),
                         criterio("Três", "-", 5, {1, 1, 1})},  // equal values: adds nothing
                        {"A", "B", "C"}};
        const Sensibilidade s(caso);
        QCOMPARE(s.atual().melhor, 0);
        const auto faixas = s.faixas();
        for (const Faixa& f : faixas)
            verificaFaixa(f, 1, 10, std::nullopt, std::nullopt);
        QCOMPARE(Sensibilidade::maisEstreita(faixas), -1);
        QVERIFY(!faixas[0].margem());
    }

    void a_rising_cost_weight_helps_the_cheapest()
    {
        const Sensibilidade s(casoComCusto());
        QCOMPARE(s.atual().melhor, 0);
        // The cost's weight from 2 up to 3.45 keeps A; at 3.46 B, whose cost is lowest, wins.
        verificaFaixa(s.faixa(1), 1.00, 3.45, std::nullopt, Mudanca{3.46, 1});
        verificaFaixa(s.faixa(0), 5.80, 10.00, Mudanca{5.79, 1}, std::nullopt);
        const auto diferenca = [&s](double peso) {
            const auto r = s.resultadosCom(1, peso);
            return r[1] - r[0];
        };
        QVERIFY(diferenca(1) < diferenca(3) && diferenca(3) < diferenca(6) && diferenca(6) < diferenca(10));
        QCOMPARE(s.melhorCom(1, 10), 1);
    }

    void on_a_tie_the_lower_number_stays_best()
    {
        // Equal weights: A and B tie exactly, and A, the lower number, is best.
        const Sensibilidade empate(casoEmpatado(5, 5));
        QCOMPARE(empate.atual().resultados[0], empate.atual().resultados[1]);
        QCOMPARE(empate.atual().melhor, 0);
        verificaFaixa(empate.faixa(0), 1.00, 5.00, std::nullopt, Mudanca{5.01, 1});
        verificaFaixa(empate.faixa(1), 5.00, 10.00, Mudanca{4.99, 1}, std::nullopt);

        // B best: at the tie weight 5.00 A already takes over, so B's range starts at 5.01.
        const Sensibilidade b(casoEmpatado(6, 5));
        QCOMPARE(b.atual().melhor, 1);
        verificaFaixa(b.faixa(0), 5.01, 10.00, Mudanca{5.00, 0}, std::nullopt);
    }

    void fifteen_by_fifteen_agrees_with_itself_everywhere()
    {
        const Caso caso = caso15();
        const Sensibilidade s(caso);
        const Classificacao& atual = s.atual();

        // The ranking at the current weights: as the method reads, and as each criterion's walk
        // sees it at its own current weight.
        const auto direto = resultadosDireto(caso);
        double somaPesos = 0;
        for (double p : atual.pesos)
            somaPesos += p;
        QVERIFY(std::abs(somaPesos - 1) < 1e-12);
        for (int a = 0; a < 15; ++a)
            QVERIFY2(std::abs(atual.resultados[a] - direto[a]) < 1e-12, qPrintable(QString::number(a)));
        QCOMPARE(classifica(caso).resultados, atual.resultados);
        for (int k = 0; k < 15; ++k)
            QCOMPARE(s.resultadosCom(k, caso.criterios[k].peso), atual.resultados);
        QVERIFY(atual.melhor != SemMelhor);

        // Every range, checked weight by weight to two decimals.
        const auto faixas = s.faixas();
        int mudancas = 0;
        for (int k = 0; k < 15; ++k) {
            const Faixa& f = faixas[k];
            QCOMPARE(f.peso, caso.criterios[k].peso);
            QVERIFY(f.minimo <= f.peso && f.peso <= f.maximo);
            const int baixo = static_cast<int>(std::lround(f.minimo * 100));
            const int alto = static_cast<int>(std::lround(f.maximo * 100));
            for (int c = baixo; c <= alto; ++c)
                QCOMPARE(s.melhorCom(k, c / 100.0), atual.melhor);
            QCOMPARE(f.abaixo.has_value(), baixo > 100);
            QCOMPARE(f.acima.has_value(), alto < 1000);
            if (f.abaixo) {
                QCOMPARE(std::lround(f.abaixo->peso * 100), long(baixo - 1));
                QCOMPARE(s.melhorCom(k, f.abaixo->peso), f.abaixo->melhor);
                QVERIFY(f.abaixo->melhor != atual.melhor);
                ++mudancas;
            }
            if (f.acima) {
                QCOMPARE(std::lround(f.acima->peso * 100), long(alto + 1));
                QCOMPARE(s.melhorCom(k, f.acima->peso), f.acima->melhor);
                QVERIFY(f.acima->melhor != atual.melhor);
                ++mudancas;
            }
        }
        QVERIFY(mudancas > 0);  // the case is close enough to have thresholds

        const int estreita = Sensibilidade::maisEstreita(faixas);
        QVERIFY(estreita >= 0);
        for (const Faixa& f : faixas)
            if (f.margem())
                QVERIFY(*faixas[estreita].margem() <= *f.margem() + 1e-9);
    }

    // --- Reading the case ------------------------------------------------------------------------

    void the_case_is_read_as_the_computation_reads_it_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("pt_BR") << QLocale(QLocale::Portuguese, QLocale::Brazil);
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
    }
    void the_case_is_read_as_the_computation_reads_it()
    {
        QFETCH(QLocale, locale);
        common::setUserLocale(locale);
        const Caso caso = casoComCusto(7.25, 3);
        // The first weight as the text of a grid cell in the user's locale, the second a number.
        grava(caso, [](int k) { return k == 0 ? QVariant(common::formatFixed(7.25, 2)) : QVariant(3.0); });
        db_->execute("UPDATE Alternativas SET Alternativa = 'fora' WHERE Numero = 4");
        db_->execute("UPDATE Criterios SET Identifica = 'fora', Peso = '' WHERE Numero = 3");

        const auto lido = leCaso(*db_);
        QVERIFY(lido);
        QCOMPARE(lido->alternativas, caso.alternativas);
        QCOMPARE(lido->criterios.size(), size_t(2));
        for (int k = 0; k < 2; ++k) {
            QCOMPARE(lido->criterios[k].nome, caso.criterios[k].nome);
            QCOMPARE(lido->criterios[k].sinal, caso.criterios[k].sinal);
            QCOMPARE(lido->criterios[k].peso, caso.criterios[k].peso);
            QCOMPARE(lido->criterios[k].valores, caso.criterios[k].valores);
        }

        // A count that is not a number is 3.
        db_->execute("UPDATE Criterios SET Qtde = 'x' WHERE Numero = 1");
        db_->execute("UPDATE Criterios SET Peso = 1 WHERE Numero = 3");
        QCOMPARE(leCaso(*db_)->criterios.size(), size_t(3));
    }

    void every_weight_is_checked()
    {
        grava(casoDaMao());
        for (const QVariant& ruim : {QVariant(QStringLiteral("")), QVariant(), QVariant(QStringLiteral("muito"))}) {
            db_->execute("UPDATE Criterios SET Peso = ? WHERE Numero = 1", {ruim});  // never a B
            QVERIFY(!leCaso(*db_));
            db_->execute("UPDATE Criterios SET Peso = 4 WHERE Numero = 1");
            QVERIFY(leCaso(*db_));
        }

        // The screen then does not open: the computation's message instead.
        db_->execute("UPDATE Criterios SET Peso = '' WHERE Numero = 2");
        bool aberta = false;
        common::Modal::setTestHandler([&](QDialog&) {
            aberta = true;
            return 0;
        });
        kivo::instalaIdioma(kivo::Ingles);
        kivo::abreSensibilidade(nullptr, *db_);
        QVERIFY(!aberta);
        QCOMPARE(lastMessage().title, QStringLiteral("Peso Não encontrado!"));
        QCOMPARE(lastMessage().text, QStringLiteral("Verifique os pesos dos critérios"));
        QCOMPARE(lastMessage().icon, QMessageBox::Warning);
    }

    // --- The screen ------------------------------------------------------------------------------

    void choosing_a_row_moves_the_chart()
    {
        grava(casoDaMao());
        abre(kivo::Portugues, [](kivo::frmSensibilidade& tela) {
            QCOMPARE(tela.windowTitle(), QStringLiteral("Sensibilidade"));
            QCOMPARE(
                named<QLabel>(&tela, "lblFirmeza")->text(),
                QStringLiteral("Melhor opção: Alfa. A melhor opção muda se o peso de Prazo passar de 5,00 "
                               "para 3,26. Com esse peso, a melhor opção passa a ser Gama Ltda." /* one full stop */));
            auto* grade = named<QTableWidget>(&tela, "grdSensibilidade");
            auto* grafico = named<kivo::GraficoSensibilidade>(&tela, "graSensibilidade");
            QCOMPARE(grade->rowCount(), 2);
            const QStringList linha0{"Qualidade", "+", "4,00", "1,00", "6,12", "\u2014", "Gama Ltda.", "2,13"};
            const QStringList linha1{"Prazo", "+", "5,00", "3,27", "10,00", "Gama Ltda.", "\u2014", "1,74"};
            for (int c = 0; c < grade->columnCount(); ++c) {
                QCOMPARE(grade->item(0, c)->text(), linha0[c]);
                QCOMPARE(grade->item(1, c)->text(), linha1[c]);
                QVERIFY(!grade->item(0, c)->font().bold());
                QVERIFY(grade->item(1, c)->font().bold());  // the narrowest margin
            }
            QCOMPARE(grade->horizontalHeaderItem(3)->text(), QStringLiteral("Peso mínimo"));

            // The chart starts on the narrowest criterion, and follows a click and the arrow keys.
            QCOMPARE(grafico->criterio(), 1);
            QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, grade->visualItemRect(grade->item(0, 2)).center());
            QCOMPARE(grade->currentRow(), 0);
            QCOMPARE(grafico->criterio(), 0);
            QCOMPARE(grafico->curvas().resultados.size(), size_t(3));
            QTest::keyClick(grade, Qt::Key_Down);
            QCOMPARE(grafico->criterio(), 1);

            // Something is drawn: the chart is not blank.
            const QImage imagem = grafico->grab().toImage();
            int coloridos = 0;
            for (int y = 0; y < imagem.height(); y += 2)
                for (int x = 0; x < imagem.width(); x += 2) {
                    const QColor c = imagem.pixelColor(x, y);
                    coloridos += c.saturation() > 100;
                }
            QVERIFY(coloridos > 50);

            // Another language with the screen open: the texts follow, the row chosen and the chart
            // stay.
            kivo::instalaIdioma(kivo::Ingles);
            QTRY_COMPARE(tela.windowTitle(), QStringLiteral("Sensitivity"));
            QCOMPARE(named<QLabel>(&tela, "lblFirmeza")->text(),
                     QStringLiteral("Best option: Alfa. The best option changes if the weight of Prazo goes from "
                                    "5,00 to 3,26. At that weight the best option becomes Gama Ltda."));
            QCOMPARE(grade->horizontalHeaderItem(3)->text(), QStringLiteral("Lowest weight"));
            QCOMPARE(named<QPushButton>(&tela, "cmdSair")->text(), QStringLiteral("&Return"));
            QCOMPARE(grade->currentRow(), 1);
            QCOMPARE(grafico->criterio(), 1);
            for (int c = 0; c < grade->columnCount(); ++c) {
                QCOMPARE(grade->item(0, c)->text(), linha0[c]);
                QVERIFY(grade->item(1, c)->font().bold());
            }
            kivo::instalaIdioma(kivo::Espanhol);
            QTRY_COMPARE(tela.windowTitle(), QStringLiteral("Sensibilidad"));
            QCOMPARE(grade->horizontalHeaderItem(6)->text(), QStringLiteral("Mejor arriba"));
            QVERIFY(named<QLabel>(&tela, "lblFirmeza")->text().startsWith(QStringLiteral("Mejor opción: Alfa.")));
            QCOMPARE(grafico->criterio(), 1);

            QTest::mouseClick(named<QPushButton>(&tela, "cmdSair"), Qt::LeftButton);
            QCOMPARE(tela.result(), int(QDialog::Accepted));
        });
        QVERIFY(!QTest::currentTestFailed());
        QVERIFY(common::Messages::shown().isEmpty());
    }

    void the_screen_speaks_the_interface_language_data()
    {
        QTest::addColumn<short>("idioma");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QString>("firmeza");
        QTest::addColumn<QString>("peso");
        QTest::newRow("English, en_US") << short(1) << QLocale(QLocale::English, QLocale::UnitedStates) << "Sensitivity"
                                        << "Best option: Alfa. The best option changes if the weight of Custo goes "
                                           "from 2.00 to 3.46. At that weight the best option becomes Beta."
                                        << "2.00";
        QTest::newRow("Spanish, pt_BR") << short(2) << QLocale(QLocale::Portuguese, QLocale::Brazil) << "Sensibilidad"
                                        << "Mejor opción: Alfa. La mejor opción cambia si el peso de Custo pasa de "
                                           "2,00 a 3,46. Con ese peso, la mejor opción pasa a ser Beta."
                                        << "2,00";
    }
    void the_screen_speaks_the_interface_language()
    {
        QFETCH(short, idioma);
        QFETCH(QLocale, locale);
        QFETCH(QString, titulo);
        QFETCH(QString, firmeza);
        QFETCH(QString, peso);
        common::setUserLocale(locale);
        grava(casoComCusto());
        kivo::instalaIdioma(idioma);
        bool aberta = false;
        common::Modal::setTestHandler([&](QDialog& tela) {
            aberta = true;
            [&] {
                QCOMPARE(tela.windowTitle(), titulo);
                QCOMPARE(named<QLabel>(&tela, "lblFirmeza")->text(), firmeza);
                QCOMPARE(named<QTableWidget>(&tela, "grdSensibilidade")->item(1, 2)->text(), peso);
            }();
            return 0;
        });
        kivo::abreSensibilidade(nullptr, *db_);  // in the language installed
        common::Modal::setTestHandler({});
        QVERIFY(aberta);
    }

    // The window grows: the table widens with it, the chart takes the width and the height; the size
    // is there again at the next opening.
    void the_window_grows_with_its_table_and_chart()
    {
        grava(casoDaMao());
        QSize maior;
        abre(kivo::Portugues, [&](kivo::frmSensibilidade& tela) {
            QVERIFY(tela.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
            auto* grade = named<QTableWidget>(&tela, "grdSensibilidade");
            auto* grafico = named<kivo::GraficoSensibilidade>(&tela, "graSensibilidade");
            const QSize grade0 = grade->size();
            const QSize grafico0 = grafico->size();
            tela.resize(tela.size() + QSize(300, 200));
            QCOMPARE(grade->size(), grade0 + QSize(300, 0));  // every row already in view
            QCOMPARE(grafico->width(), grafico0.width() + 300);
            QVERIFY(grafico->height() >= grafico0.height() + 200);  // more, as the sentence above needs fewer lines
            maior = tela.size();
            QTest::mouseClick(named<QPushButton>(&tela, "cmdSair"), Qt::LeftButton);
        });
        abre(kivo::Portugues, [&](kivo::frmSensibilidade& tela) {
            QCOMPARE(tela.size(), maior);
            tela.close();
        });
        QVERIFY(!QTest::currentTestFailed());
    }

    void with_no_best_option_only_the_chart_is_left()
    {
        // The first criterion without a name: the screen names it by its number.
        grava(Caso{{criterio("", "-", 4, {1, 2, 3}), criterio("Risco", "-", 6, {3, 1, 2})}, {"A", "B", "C"}});
        abre(kivo::Portugues, [](kivo::frmSensibilidade& tela) {
            QCOMPARE(named<QLabel>(&tela, "lblFirmeza")->text(),
                     QStringLiteral("Nenhuma alternativa tem resultado acima de 0: não há melhor opção."));
            auto* grade = named<QTableWidget>(&tela, "grdSensibilidade");
            for (int c = 0; c < grade->columnCount(); ++c)
                QCOMPARE(grade->isColumnHidden(c), c >= 3);
            QCOMPARE(tela.maisEstreita(), -1);
            QCOMPARE(named<kivo::GraficoSensibilidade>(&tela, "graSensibilidade")->criterio(), 0);
            QCOMPARE(grade->item(0, 0)->text(), QStringLiteral("Critério 1"));
            // In English at once, the table's column hidden as before.
            kivo::instalaIdioma(kivo::Ingles);
            QTRY_COMPARE(grade->item(0, 0)->text(), QStringLiteral("Criterion 1"));
            QCOMPARE(named<QLabel>(&tela, "lblFirmeza")->text(),
                     QStringLiteral("No alternative has a result above 0: there is no best option."));
            QCOMPARE(grade->item(1, 0)->text(), QStringLiteral("Risco"));
            for (int c = 0; c < grade->columnCount(); ++c)
                QCOMPARE(grade->isColumnHidden(c), c >= 3);
            kivo::instalaIdioma(kivo::Portugues);
            QTRY_COMPARE(grade->item(0, 0)->text(), QStringLiteral("Critério 1"));
            // Alt+S leaves.
            tela.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&tela));
            QTest::keyClick(&tela, Qt::Key_S, Qt::AltModifier);
            QTRY_COMPARE(tela.result(), int(QDialog::Accepted));  // the button's press shows first
        });
        QVERIFY(!QTest::currentTestFailed());
    }
};

QTEST_MAIN(TestSensibilidade)
#include "test_sensibilidade.moc"
