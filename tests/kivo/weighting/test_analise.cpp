// The analysis: the weights of the worked examples, the fixed figures of the extreme criteria, the
// two failures and their messages, what is stored, and how consistent the answers are.

#include "tests/kivo/weighting/dadosfixture.h"

#include "kivo/weighting/analise.h"
#include "kivo/weighting/textosanalise.h"

#include <tuple>

using kivo::GradeDados;
namespace analise = kivo::analise;

namespace {

// A matrix of texts from numbers, 0 standing for an empty cell.
analise::Matriz matriz(const std::vector<std::vector<double>>& valores)
{
    analise::Matriz m;
    for (const auto& linha : valores) {
        QStringList textos;
        for (double v : linha)
            textos << (v > 0 ? common::numberText(v) : QString());
        m << textos;
    }
    return m;
}

// The worked example: 1 "Much less" than 2, 1 "The same" as 3, 2 "Much" more than 3.
const std::vector<std::vector<double>> Exemplo{{0, 0.1, 1}, {10, 0, 5}, {1, 0.2, 0}};

// Four criteria in order, one step apart: A "Mais" than B and C, which are the same and each
// "Mais" than D; A "Muito Mais" than D.
const std::vector<std::vector<double>> Cadeia{{0, 5, 5, 10}, {0.2, 0, 1, 5}, {0.2, 1, 0, 5}, {0.1, 0.2, 0.2, 0}};

QStringList coluna(kivo::frmDados* frm, int col, int rows)
{
    QStringList out;
    for (int r = 0; r < rows; ++r)
        out << cell(frm, r, col);
    return out;
}

QStringList linha(kivo::frmDados* frm, int row, int cols)
{
    QStringList out;
    for (int c = 1; c <= cols; ++c)
        out << cell(frm, row, c);
    return out;
}

}  // namespace

class TestAnalise : public QObject {
    Q_OBJECT

    std::unique_ptr<DadosFixture> f_;

    // The screen loaded with these names and stored comparisons, the analysis run by its button.
    std::unique_ptr<kivo::frmDados> analisa(const QStringList& nomes, const std::vector<std::vector<double>>& m)
    {
        f_->criterios(nomes);
        for (size_t r = 0; r < m.size(); ++r)
            for (size_t c = 0; c < m.size(); ++c)
                f_->compara(int(r + 1), int(c + 1), m[r][c]);
        auto frm = f_->load();
        named<QPushButton>(frm.get(), "cmdCalcular")->click();
        return frm;
    }

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }
    void init() { testsupport::startTest(f_); }
    void cleanup() { testsupport::endTest(f_); }

    // The weights -----------------------------------------------------------------------------

    void the_worked_example_answered_by_clicks_and_keys()
    {
        f_->criterios({"Custo", "Prazo", "Qualidade"});
        f_->execute("UPDATE Criterios SET Peso = '7,5'");
        auto frm = f_->load();
        frm->show();
        frm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frm.get()));
        // 1 "Much less" than 2 and 2 "Much" more than 3 by the mouse, 1 "The same" as 3 by the keys.
        answer(frm.get(), 1, 2, 5);
        answer(frm.get(), 2, 3, 2);
        clickCell(frm.get(), 0, 3);
        option(frm.get(), 3)->setChecked(true);
        // An access key presses its button as a click of the mouse does, a moment later.
        QTest::keyClick(frm.get(), Qt::Key_G, Qt::AltModifier);
        QTRY_COMPARE(cell(frm.get(), 0, 3), QStringLiteral("1"));
        QCOMPARE(cell(frm.get(), 2, 1), QStringLiteral("1"));
        QTest::keyClick(frm.get(), Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(!named<QPushButton>(frm.get(), "cmdCalcular")->isVisible());
        QCOMPARE(coluna(frm.get(), 4, 3), QStringList({"1,1", "15", "1,2"}));       // R
        QCOMPARE(linha(frm.get(), 3, 3), QStringList({"11", "0,3", "6"}));          // C
        QCOMPARE(coluna(frm.get(), 5, 3), QStringList({"0,00", "5,00", "0,04"}));   // H
        QCOMPARE(linha(frm.get(), 4, 3), QStringList({"5,00", "0,00", "2,66"}));    // V
        QCOMPARE(coluna(frm.get(), 6, 3), QStringList({"4,00", "-1,00", "1,56"}));  // E
        QCOMPARE(coluna(frm.get(), 7, 3), QStringList({"0,00", "1,00", "0,49"}));   // N
        QCOMPARE(coluna(frm.get(), 8, 3), QStringList({"1,00", "10,00", "5,41"}));  // W, not 5,40
        QCOMPARE(f_->stored("PesoFinal", 4), QStringList({"1", "10", "5,41", "0"}));
        QCOMPARE(f_->stored("Peso", 4), QStringList({"1", "10", "5,41", "7,5"}));
        QCOMPARE(f_->stored("Emach", 3), QStringList({"4", "-1", "1,56"}));
        QCOMPARE(f_->stored("N02", 3), QStringList({"0,1", "0", "0,2"}));
        QCOMPARE(named<QLabel>(frm.get(), "lblConsistencia")->text(),
                 QStringLiteral("Razão de consistência: 0,04 — aceitável"));

        // Leaving stores the comparisons again; the result cells are no comparisons.
        QTest::keyClick(frm.get(), Qt::Key_V, Qt::AltModifier);
        QTRY_COMPARE(frm->result(), int(QDialog::Accepted));
        QCOMPARE(f_->stored("N03", 3), QStringList({"1", "5", "0"}));
        QCOMPARE(f_->stored("N04", 3), QStringList(3, "0"));
    }

    void the_grid_widens_with_its_colours_banners_and_captions_data()
    {
        QTest::addColumn<short>("idioma");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("English")
            << short(1)
            << QStringList{"Points to Column", "Normatization V 0-5", "Points to Row", "Normatization H 0-5", "Emach",
                           "1-Normalization",  "Final Weight"};
        const QStringList pt{"Pontos da Coluna", "Normatização V 0-5", "Pontos da Linha", "Normatização H 0-5", "Emach",
                             "1-Normalização",   "Peso Final"};
        QTest::newRow("Spanish") << short(2) << QStringList{"Puntos de la Columna",
                                                            "Normalización V 0-5",
                                                            "Puntos de la Fila",
                                                            "Normalización H 0-5",
                                                            "Emach",
                                                            "1-Normalización",
                                                            "Peso Final"};
        QTest::newRow("Portuguese") << short(3) << pt;
    }

    void the_grid_widens_with_its_colours_banners_and_captions()
    {
        QFETCH(short, idioma);
        QFETCH(QStringList, captions);
        f_->falaIdioma(idioma);
        auto frm = analisa({"A", "B", "C"}, Exemplo);
        const int n = 3;
        GradeDados& g = cells(frm.get());
        QTableView* view = grid(frm.get());
        QCOMPARE(g.rows(), n + 2);
        QCOMPARE(g.cols(), n + 6);
        QCOMPARE(view->width(), common::twips(2750 + 350 * n + 2400));
        QCOMPARE(view->height(), common::twips(270 * n + 500));
        QCOMPARE(view->currentIndex(), g.index(n + 1, n + 1));
        const int widths[5] = {400, 400, 500, 500, 600};
        const quint32 colours[5] = {GradeDados::Amarelo, GradeDados::Amarelo, GradeDados::Ciano, GradeDados::Amarelo,
                                    GradeDados::Verde};
        const int banners[5] = {0, 400, 850, 1350, 1950};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(view->columnWidth(n + 1 + i), common::twips(widths[i]));
            QCOMPARE(g.alinhamento(n + 1 + i), i < 2 ? 2 : 9);
            for (int r = 0; r < n; ++r)
                QCOMPARE(g.fundo(r, n + 1 + i), colours[i]);
            QCOMPARE(banner(frm.get(), n + 1 + i)->x(), common::twips(2970 + 345 * n + banners[i]));
            QVERIFY(banner(frm.get(), n + 1 + i)->isVisibleTo(frm.get()));
            QCOMPARE(banner(frm.get(), n + 1 + i)->toolTip(), captions[2 + i]);
        }
        QVERIFY(!banner(frm.get(), n + 6)->isVisibleTo(frm.get()));
        for (int c = 1; c <= n; ++c) {
            QCOMPARE(g.fundo(n, c), GradeDados::Amarelo);
            QCOMPARE(g.fundo(n + 1, c), GradeDados::Amarelo);
        }
        QCOMPARE(cell(frm.get(), n, 0), captions[0]);
        QCOMPARE(cell(frm.get(), n + 1, 0), captions[1]);
        // The result cells are no pair to answer.
        clickCell(frm.get(), 0, n + 2);
        QVERIFY(!named<QGroupBox>(frm.get(), "Frame1")->isVisibleTo(frm.get()));
        clickCell(frm.get(), n, 2);
        QVERIFY(!named<QGroupBox>(frm.get(), "Frame1")->isVisibleTo(frm.get()));
    }

    void two_criteria_much_less_give_the_extreme_weights()
    {
        auto frm = analisa({"A", "B"}, {{0, 0.1}, {10, 0}});
        QCOMPARE(coluna(frm.get(), 7, 2), QStringList({"1,00", "10,00"}));
        QCOMPARE(f_->stored("PesoFinal", 2), QStringList({"1", "10"}));
        QCOMPARE(f_->stored("Emach", 2), QStringList({"4", "-1"}));
        QCOMPARE(named<QLabel>(frm.get(), "lblConsistencia")->text(),
                 QStringLiteral("Razão de consistência: 0,00 — aceitável"));
    }

    void the_most_and_the_least_important_criteria_get_fixed_figures()
    {
        // Criterion 2 wins every comparison and criterion 4 loses every one.
        const analise::Resultado r =
            analise::calcula(matriz({{0, 0.2, 1, 5}, {5, 0, 10, 10}, {1, 0.1, 0, 5}, {0.2, 0.1, 0.2, 0}}));
        QCOMPARE(r.falha, analise::Falha::Nenhuma);
        const QStringList mais{r.h[1], r.v[1], r.emach[1], r.normal[1], r.peso[1]};
        const QStringList menos{r.h[3], r.v[3], r.emach[3], r.normal[3], r.peso[3]};
        QCOMPARE(mais, QStringList({"5,00", "0,00", "-1,00", "1,00", "10,00"}));
        QCOMPARE(menos, QStringList({"0,00", "5,00", "4,00", "0,00", "1,00"}));
    }

    void the_extremes_tie_on_four_decimals()
    {
        // 1.00001 and 1.00002 are equal to four decimals: the first stays both extremes.
        const analise::Resultado r = analise::calcula(matriz({{0, 1.00001}, {1.00002, 0}}));
        QCOMPARE(r.falha, analise::Falha::LinhasIguais);
        QCOMPARE(r.pontosLinha, QStringList({"1,00001", "1,00002"}));
        QVERIFY(r.h.isEmpty());
    }

    void the_stages_read_the_text_of_the_stage_before_in_any_locale()
    {
        common::setUserLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        const analise::Resultado r = analise::calcula(matriz(Exemplo));
        QCOMPARE(r.pontosLinha, QStringList({"1.1", "15", "1.2"}));
        QCOMPARE(r.peso, QStringList({"1.00", "10.00", "5.41"}));
        // "#0.00" rounds a half away from zero on the value as written, on both sides of zero.
        QCOMPARE(common::formatFixed(0.125, 2) + " " + common::formatFixed(-0.125, 2), QStringLiteral("0.13 -0.13"));
    }

    // Failures --------------------------------------------------------------------------------

    void a_failure_keeps_the_points_stores_the_comparisons_and_nothing_more_data()
    {
        QTest::addColumn<QStringList>("nomes");
        QTest::addColumn<QList<QList<double>>>("m");
        QTest::addColumn<int>("scaled");     // how many H values the grid holds
        QTest::addColumn<QString>("linha");  // the consistency line still speaks of the answers
        const QString aceitavel = QStringLiteral("Razão de consistência: 0,00 — aceitável");
        QTest::newRow("one criterion") << QStringList{"A"} << QList<QList<double>>{{0}} << 0 << aceitavel;
        QTest::newRow("all the same") << QStringList{"A", "B", "C"}
                                      << QList<QList<double>>{{0, 1, 1}, {1, 0, 1}, {1, 1, 0}} << 0 << aceitavel;
        QTest::newRow("nothing answered")
            << QStringList{"A", "B", "C"} << QList<QList<double>>{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}} << 0
            << "Razão de consistência: faltam 3 comparações; a razão precisa de todas.";
        // Rows differ, columns equal: only stored comparisons that are not reciprocal get here.
        QTest::newRow("columns equal")
            << QStringList{"A", "B", "C"} << QList<QList<double>>{{0, 10, 1}, {10, 0, 10}, {1, 1, 0}} << 1
            << "Razão de consistência: 2,20 — acima de 0,10. Mudar A × C de «De forma igual» para «Mais» levaria "
               "a razão a 0,83";
    }

    void a_failure_keeps_the_points_stores_the_comparisons_and_nothing_more()
    {
        QFETCH(QStringList, nomes);
        QFETCH(QList<QList<double>>, m);
        QFETCH(int, scaled);
        QFETCH(QString, linha);
        f_->execute("UPDATE Criterios SET Peso = '3', PesoFinal = 2, Emach = 1");
        std::vector<std::vector<double>> valores;
        for (const auto& l : m)
            valores.emplace_back(l.begin(), l.end());
        auto frm = analisa(nomes, valores);
        const int n = int(nomes.size());
        QCOMPARE(common::Messages::shown().size(), 1);
        QCOMPARE(lastMessage().title, QStringLiteral("Valores incompletos!"));
        QVERIFY(!named<QPushButton>(frm.get(), "cmdCalcular")->isVisibleTo(frm.get()));
        QCOMPARE(cells(frm.get()).cols(), n + 6);
        for (int k = 0; k < n; ++k) {
            QVERIFY(!cell(frm.get(), k, n + 1).isEmpty());  // the points are there
            QVERIFY(!cell(frm.get(), n, k + 1).isEmpty());
            QCOMPARE(cell(frm.get(), k, n + 2).isEmpty(), k >= scaled);
            for (int c = n + 3; c <= n + 5; ++c)
                QCOMPARE(cell(frm.get(), k, c), QString());
            QCOMPARE(cell(frm.get(), n + 1, k + 1), QString());
        }
        QCOMPARE(f_->stored("Peso", n), QStringList(n, "3"));
        QCOMPARE(f_->stored("PesoFinal", n), QStringList(n, "2"));
        QCOMPARE(f_->stored("Emach", n), QStringList(n, "1"));
        QCOMPARE(named<QLabel>(frm.get(), "lblConsistencia")->text(), linha);
        // The comparisons were stored first.
        for (int c = 1; c <= n; ++c) {
            QStringList expected;
            for (int r = 0; r < n; ++r)
                expected << common::numberText(m[r][c - 1]);
            QCOMPARE(f_->stored(kivo::numbered("N", c), n), expected);
        }
    }

    void each_failure_speaks_the_interface_language_data()
    {
        QTest::addColumn<short>("idioma");
        QTest::addColumn<bool>("colunas");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("rows, English") << short(1) << false << "Values incomplete"
                                       << "Fully populate the spreadsheet before analyzing";
        QTest::newRow("columns, English") << short(1) << true << "Values incomplete"
                                          << "Fully populate the spreadsheet before analyzing";
        QTest::newRow("rows, Spanish") << short(2) << false << "Valores incompleta!"
                                       << "Rellenar completamente la hoja de cálculo antes de analizar";
        QTest::newRow("columns, Spanish") << short(2) << true << "Valores incompla!"
                                          << "Rellenar completamente la hoja de cálculo antes de analizar ";
        QTest::newRow("rows, Portuguese") << short(3) << false << "Valores incompletos!"
                                          << "Preencher totalmente a planilha antes de analizar";
        QTest::newRow("columns, Portuguese") << short(3) << true << "Valores incompletos!"
                                             << "Preencher totalmente a planilha antes de analizar";
        QTest::newRow("rows, 7") << short(7) << false << ""
                                 << "";
        QTest::newRow("columns, 7") << short(7) << true << ""
                                    << "";
    }

    void each_failure_speaks_the_interface_language()
    {
        QFETCH(short, idioma);
        QFETCH(bool, colunas);
        QFETCH(QString, title);
        QFETCH(QString, text);
        f_->falaIdioma(idioma);
        const auto m = colunas ? std::vector<std::vector<double>>{{0, 10, 1}, {10, 0, 10}, {1, 1, 0}}
                               : std::vector<std::vector<double>>{{0, 1, 1}, {1, 0, 1}, {1, 1, 0}};
        auto frm = analisa({"A", "B", "C"}, m);
        if (title.isEmpty()) {
            QVERIFY(common::Messages::shown().isEmpty());
            QCOMPARE(cell(frm.get(), 0, 5).isEmpty(), !colunas);
            return;
        }
        QCOMPARE(common::Messages::shown().size(), 1);
        QCOMPARE(lastMessage().icon, QMessageBox::Warning);
        QCOMPARE(lastMessage().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(lastMessage().title, title);
        QCOMPARE(lastMessage().text, text);
    }

    // What is stored --------------------------------------------------------------------------

    void the_weight_is_stored_as_a_number_whatever_the_locale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("pt_BR") << "pt_BR";
        QTest::newRow("en_US") << "en_US";
    }

    void the_weight_is_stored_as_a_number_whatever_the_locale()
    {
        QFETCH(QString, locale);
        common::setUserLocale(QLocale(locale));
        f_->execute("UPDATE Criterios SET Peso = ''");
        analisa({"A", "B", "C"}, Exemplo);
        common::Recordset q =
            common::Recordset::openQuery(f_->programa.db,
                                         "SELECT typeof(Peso) AS a, Peso, typeof(PesoFinal) AS b, typeof(Emach) AS c "
                                         "FROM Criterios ORDER BY Numero");
        QStringList types;
        QList<double> pesos;
        for (; !q.eof() && pesos.size() < 4; q.moveNext()) {
            types << q.text("a") + q.text("b") + q.text("c");
            pesos << (q.text("a") == "real" ? q.value("Peso").toDouble() : -1);
        }
        QCOMPARE(types, QStringList(3, "realrealreal") + QStringList{"textrealreal"});
        QCOMPARE(pesos, QList<double>({1, 10, 5.41, -1}));  // the fourth keeps its empty text
        // Read under the other locale, the weight is the same number.
        common::setUserLocale(QLocale(locale == "pt_BR" ? "en_US" : "pt_BR"));
        QCOMPARE(common::Recordset::openTable(f_->programa.db, "Criterios").value("Peso").toDouble(), 1.0);
        QCOMPARE(f_->stored("Peso", 3).last(), common::numberText(5.41));
    }

    void the_weights_of_all_criteria_or_of_none_are_stored()
    {
        f_->execute("UPDATE Criterios SET Peso = '3'");
        f_->execute(
            "CREATE TRIGGER recusa BEFORE UPDATE OF Peso ON Criterios WHEN NEW.Numero = 3 "
            "BEGIN SELECT RAISE(ABORT, 'recusado'); END");
        auto frm = analisa({"A", "B", "C"}, Exemplo);
        QCOMPARE(lastMessage().icon, QMessageBox::Critical);  // the failure is reported
        QVERIFY(lastMessage().text.contains("recusado"));
        QCOMPARE(f_->stored("Peso", 3), QStringList(3, "3"));
        QCOMPARE(f_->stored("PesoFinal", 3), QStringList(3, "0"));
    }

    // Consistency -----------------------------------------------------------------------------

    void the_worked_example_is_acceptable()
    {
        const analise::Consistencia c = analise::consistencia(matriz(Exemplo));
        QCOMPARE(c.faltando, 0);
        QVERIFY(std::abs(c.lambdaMax - 3.0536215758) < 1e-8);
        QCOMPARE(common::formatFixed(c.razao, 2), QStringLiteral("0,04"));
        QVERIFY(c.aceitavel);
        QVERIFY(c.ciclo.empty());
        QVERIFY(!c.sugestao);
        f_->falaIdioma(kivo::Ingles);
        QCOMPARE(kivo::textoConsistencia(c, {"A", "B", "C"}), QStringLiteral("Consistency ratio: 0,04 — acceptable"));
        f_->falaIdioma(kivo::Espanhol);
        QCOMPARE(kivo::textoConsistencia(c, {"A", "B", "C"}),
                 QStringLiteral("Razón de consistencia: 0,04 — aceptable"));
    }

    void the_random_index_is_the_five_step_scale_s_own()
    {
        // The stored table came from ten million matrices an order (all of them up to 5); a sample
        // of another seed, 450,000 / n² matrices, comes within 0.02 of it: four standard errors
        // or more.
        for (int n = 3; n <= 15; ++n) {
            const double media = analise::indiceConsistenciaMedio(n, 450000 / (n * n), 7000 + n);
            QVERIFY2(
                std::abs(media - analise::indiceAleatorio(n)) <= 0.02,
                qPrintable(QStringLiteral("n = %1: %2 against %3").arg(n).arg(media).arg(analise::indiceAleatorio(n))));
        }
        // Three criteria have 125 answer sets in all: the exact mean, far from the 1-9 scale's 0.58.
        QCOMPARE(common::formatFixed(analise::indiceConsistenciaExato(3), 3), QStringLiteral("0,654"));
        QCOMPARE(analise::indiceAleatorio(3), 0.65);
        QCOMPARE(analise::indiceAleatorio(2), 0.0);
        QCOMPARE(analise::indiceAleatorio(16), analise::indiceAleatorio(15));
    }

    void a_chain_answered_one_step_apart_is_acceptable()
    {
        const analise::Consistencia c = analise::consistencia(Cadeia);
        QVERIFY(c.ciclo.empty());
        QVERIFY(c.aceitavel);
        QVERIFY(!c.sugestao);
        QCOMPARE(kivo::textoConsistencia(c, {"A", "B", "C", "D"}),
                 QStringLiteral("Razão de consistência: 0,03 — aceitável"));

        // A "Muito Mais" than all, B "Mais" than C and D, C the same as D: ordered answers that
        // the 1-9 scale's index (0.90 for four) would put at 0,13.
        const analise::Consistencia d =
            analise::consistencia(matriz({{0, 10, 10, 10}, {0.1, 0, 5, 5}, {0.1, 0.2, 0, 1}, {0.1, 0.2, 1, 0}}));
        QVERIFY(d.aceitavel);
        QCOMPARE(common::formatFixed(d.razao, 2), QStringLiteral("0,10"));
        QCOMPARE(common::formatFixed((d.lambdaMax - 4) / 3 / 0.90, 2), QStringLiteral("0,13"));

        // Four strictly ordered, each "Mais" than the next: two steps down would be 25 times, and
        // the scale stops at 10. No cycle, but the ratio says what the answers hold.
        const analise::Consistencia e =
            analise::consistencia(matriz({{0, 5, 10, 10}, {0.2, 0, 5, 10}, {0.1, 0.2, 0, 5}, {0.1, 0.1, 0.2, 0}}));
        QVERIFY(e.ciclo.empty());
        QCOMPARE(common::formatFixed(e.razao, 2), QStringLiteral("0,13"));
        QVERIFY(!e.aceitavel);
    }

    void a_cycle_is_named_whatever_the_ratio_and_its_mending_suggested()
    {
        // Three criteria each "Mais" than the next, the last "Mais" than the first: every row has
        // the same points, so no weights, but the line names the cycle.
        auto frm = analisa({"Custo", "Prazo", "Risco"}, {{0, 5, 0.2}, {0.2, 0, 5}, {5, 0.2, 0}});
        QCOMPARE(lastMessage().title, QStringLiteral("Valores incompletos!"));
        const analise::Consistencia c = analise::consistencia(matriz({{0, 5, 0.2}, {0.2, 0, 5}, {5, 0.2, 0}}));
        QCOMPARE(c.ciclo, (std::vector<int>{0, 1, 2}));
        QVERIFY(!c.aceitavel);
        // Each pair moved to "the same" mends as much and breaks the cycle: the first pair wins.
        QVERIFY(c.sugestao);
        QCOMPARE(std::tuple(c.sugestao->linha, c.sugestao->coluna, c.sugestao->de, c.sugestao->para),
                 std::tuple(0, 1, 2, 3));
        QCOMPARE(named<QLabel>(frm.get(), "lblConsistencia")->text(),
                 "Razão de consistência: " + common::formatFixed(c.razao, 2) +
                     " — as respostas formam um ciclo: Custo > Prazo > Risco > Custo. Mudar Custo × Prazo de "
                     "«Mais» para «De forma igual» levaria a razão a " +
                     common::formatFixed(c.sugestao->razao, 2));

        // A cycle among three of four criteria, the fourth "the same" as all; each cycle step
        // moved down ties and none breaks it: the first pair in grid order.
        f_->falaIdioma(kivo::Ingles);
        const std::vector<std::vector<double>> quatro{{0, 1, 1, 1}, {1, 0, 10, 0.1}, {1, 0.1, 0, 10}, {1, 10, 0.1, 0}};
        frm = analisa({"Custo", "Prazo", "Risco", "Qualidade"}, quatro);
        const analise::Consistencia d = analise::consistencia(matriz(quatro));
        QCOMPARE(d.ciclo, (std::vector<int>{1, 2, 3}));
        QCOMPARE(named<QLabel>(frm.get(), "lblConsistencia")->text(),
                 "Consistency ratio: " + common::formatFixed(d.razao, 2) +
                     " — the answers go round in a cycle: Prazo > Risco > Qualidade > Prazo. Changing Prazo × Risco "
                     "from “Much more” to “Much” would bring the ratio to " +
                     common::formatFixed(d.sugestao->razao, 2));
        f_->falaIdioma(kivo::Espanhol);
        QCOMPARE(kivo::textoConsistencia(d, {"A", "", "C", "D"}),
                 "Razón de consistencia: " + common::formatFixed(d.razao, 2) +
                     " — las respuestas forman un ciclo: criterio 2 > C > D > criterio 2. Cambiar criterio 2 × C "
                     "de «Mucho más» a «Más» llevaría la razón a " +
                     common::formatFixed(d.sugestao->razao, 2));

        // A longer cycle, "the same" ordering nothing: A > B, B > C, C > D, D > A, A = C, B = D.
        const analise::Consistencia e =
            analise::consistencia(matriz({{0, 5, 1, 0.2}, {0.2, 0, 5, 1}, {1, 0.2, 0, 5}, {5, 1, 0.2, 0}}));
        QCOMPARE(e.ciclo, (std::vector<int>{0, 1, 2, 3}));
        QVERIFY(!e.aceitavel);
    }

    void one_wrong_answer_is_the_pair_suggested_and_mending_it_gives_the_ratio_shown()
    {
        // The chain with A against D answered "Muito menos" where it should be "Muito Mais".
        std::vector<std::vector<double>> errada = Cadeia;
        errada[0][3] = 0.1;
        const analise::Consistencia c = analise::consistencia(errada);
        QVERIFY(!c.aceitavel);
        QVERIFY(c.sugestao);
        QCOMPARE(std::tuple(c.sugestao->linha, c.sugestao->coluna, c.sugestao->de, c.sugestao->para),
                 std::tuple(0, 3, 5, 4));
        QVERIFY(c.sugestao->razao < c.razao);
        errada[0][3] = 0.2;
        const analise::Consistencia mendada = analise::consistencia(errada);
        QCOMPARE(mendada.razao, c.sugestao->razao);
        QVERIFY(kivo::textoConsistencia(c, {"A", "B", "C", "D"})
                    .endsWith(". Mudar A × D de «Muito menos» para «Menos» levaria a razão a " +
                              common::formatFixed(mendada.razao, 2)));
        // A stored answer off the five values is never the one moved.
        errada[0][3] = 0.15;
        const analise::Consistencia fora = analise::consistencia(errada);
        QVERIFY(!fora.sugestao || !(fora.sugestao->linha == 0 && fora.sugestao->coluna == 3));
    }

    void the_suggestion_is_reached_by_a_click_and_changes_nothing_data()
    {
        QTest::addColumn<short>("idioma");
        QTest::newRow("English") << short(1);
        QTest::newRow("Spanish") << short(2);
        QTest::newRow("Portuguese") << short(3);
    }

    void the_suggestion_is_reached_by_a_click_and_changes_nothing()
    {
        QFETCH(short, idioma);
        f_->falaIdioma(idioma);
        std::vector<std::vector<double>> errada = Cadeia;
        errada[0][3] = 0.1;
        errada[3][0] = 10;
        auto frm = analisa({"Custo", "Prazo", "Risco", "Qualidade"}, errada);
        frm->show();
        frm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frm.get()));
        QLabel* linha = named<QLabel>(frm.get(), "lblConsistencia");
        const QString antes = linha->text();
        auto caption = [&](int k) { return option(frm.get(), k)->text().remove('&'); };
        QVERIFY2(antes.contains(caption(5)) && antes.contains(caption(4)) && antes.contains("Custo × Qualidade"),
                 qPrintable(antes));
        const QStringList guardado = f_->stored("N04", 4);

        QTest::mouseClick(linha, Qt::LeftButton, {}, QPoint(10, 8));
        QGroupBox* frame = named<QGroupBox>(frm.get(), "Frame1");
        QVERIFY(frame->isVisible());
        QCOMPARE(grid(frm.get())->currentIndex(), cells(frm.get()).index(0, 4));
        QCOMPARE(named<QLabel>(frm.get(), "lblFatorX")->text(), QStringLiteral("Custo"));
        QCOMPARE(named<QLabel>(frm.get(), "lblFatorY")->text(), QStringLiteral("Qualidade"));
        QCOMPARE(cells(frm.get()).fundo(0, 4), GradeDados::Amarelo);
        for (int k = 1; k <= 5; ++k)
            QVERIFY(!option(frm.get(), k)->isChecked());
        QCOMPARE(cell(frm.get(), 0, 4), QStringLiteral("0,1"));
        QCOMPARE(linha->text(), antes);
        QCOMPARE(f_->stored("N04", 4), guardado);

        // The keyboard stands on the answer suggested: Space chooses it, the frame's access key
        // writes it, and the line gives the ratio it promised.
        QVERIFY(option(frm.get(), 4)->hasFocus());
        QTest::keyClick(option(frm.get(), 4), Qt::Key_Space);
        const QString gravar = named<QPushButton>(frm.get(), "cmdGravar")->text();
        QTest::keyClick(frm.get(), Qt::Key(gravar.at(gravar.indexOf('&') + 1).toUpper().unicode()), Qt::AltModifier);
        QTRY_COMPARE(cell(frm.get(), 0, 4), QStringLiteral("0,2"));
        QCOMPARE(cell(frm.get(), 3, 1), QStringLiteral("5"));
        const QString prometida = antes.section(' ', -1);
        QVERIFY2(linha->text().contains(": " + prometida + " — "), qPrintable(linha->text()));

        // Answered as the chain should be, the line suggests nothing and a click on it leaves the
        // grid alone.
        answer(frm.get(), 1, 4, 1);
        QVERIFY2(!linha->text().contains(" × "), qPrintable(linha->text()));
        QTest::mouseClick(linha, Qt::LeftButton, {}, QPoint(10, 8));
        QVERIFY(!frame->isVisible());
        QCOMPARE(cell(frm.get(), 0, 4), QStringLiteral("10"));
        QCOMPARE(linha->focusPolicy(), Qt::NoFocus);
    }

    // A switch of language with the screen open rewords it, what it worded from the names and the
    // answers too, and leaves the answers, the pair asked and the option chosen as they were.
    void a_language_switch_rewords_the_open_screen_and_keeps_the_answers()
    {
        f_->criterios({"A", "", "C"});
        f_->execute("UPDATE Criterios SET Identifica = NULL WHERE Numero = 2");
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                f_->compara(r + 1, c + 1, Exemplo[size_t(r)][size_t(c)]);
        auto frm = f_->load();
        frm->show();
        named<QPushButton>(frm.get(), "cmdCalcular")->click();
        clickCell(frm.get(), 0, 2);
        QTest::mouseClick(option(frm.get(), 2), Qt::LeftButton, {}, QPoint(6, option(frm.get(), 2)->height() / 2));
        QLabel* consistencia = named<QLabel>(frm.get(), "lblConsistencia");
        QCOMPARE(consistencia->text(), QStringLiteral("Razão de consistência: 0,04 — aceitável"));
        const QList<QStringList> respostas{linha(frm.get(), 0, 8), linha(frm.get(), 1, 8), linha(frm.get(), 2, 8)};

        f_->falaIdioma(kivo::Espanhol);
        QTRY_COMPARE(frm->windowTitle(), QStringLiteral("Identificación de los Pesos"));
        QCOMPARE(option(frm.get(), 2)->text(), QStringLiteral("Má&s"));
        QCOMPARE(consistencia->text(), QStringLiteral("Razón de consistencia: 0,04 — aceptable"));
        QCOMPARE(named<QLabel>(frm.get(), "lblFatorX")->text(), QStringLiteral("A"));
        QCOMPARE(named<QLabel>(frm.get(), "lblFatorY")->text(), QStringLiteral("vacante"));
        QCOMPARE(banner(frm.get(), 2)->toolTip(), QStringLiteral("Vacante"));
        QCOMPARE(banner(frm.get(), 4)->toolTip(), QStringLiteral("Puntos de la Fila"));
        QCOMPARE(cell(frm.get(), 3, 0), QStringLiteral("Puntos de la Columna"));

        f_->falaIdioma(kivo::Ingles);
        QTRY_COMPARE(frm->windowTitle(), QStringLiteral("Registration of events"));
        QCOMPARE(consistencia->text(), QStringLiteral("Consistency ratio: 0,04 — acceptable"));
        QCOMPARE(named<QLabel>(frm.get(), "lblFatorY")->text(), QStringLiteral("vago"));
        QCOMPARE(cell(frm.get(), 4, 0), QStringLiteral("Normatization V 0-5"));
        QVERIFY(named<QGroupBox>(frm.get(), "Frame1")->isVisible());
        QVERIFY(option(frm.get(), 2)->isChecked());
        QCOMPARE(QList<QStringList>({linha(frm.get(), 0, 8), linha(frm.get(), 1, 8), linha(frm.get(), 2, 8)}),
                 respostas);
    }

    void unanswered_pairs_are_counted()
    {
        // The pair 1-3 is left unanswered; the spreads are not zero, so the weights come.
        auto frm = analisa({"A", "B", "C"}, {{0, 0.1, 0}, {10, 0, 5}, {0, 0.2, 0}});
        QVERIFY(common::Messages::shown().isEmpty());
        QCOMPARE(named<QLabel>(frm.get(), "lblConsistencia")->text(),
                 QStringLiteral("Razão de consistência: falta 1 comparação; a razão precisa de todas."));
        analise::Consistencia c;
        c.faltando = 4;
        f_->falaIdioma(kivo::Ingles);
        QCOMPARE(kivo::textoConsistencia(c, {}),
                 QStringLiteral("Consistency ratio: 4 comparisons unanswered; the ratio needs them all."));
        f_->falaIdioma(kivo::Espanhol);
        QCOMPARE(kivo::textoConsistencia(c, {}),
                 QStringLiteral("Razón de consistencia: faltan 4 comparaciones; la razón las necesita todas."));
        // Even incomplete, the answers' cycle is known to whoever reports it.
        c = analise::consistencia(matriz({{0, 5, 0.2, 0}, {0.2, 0, 5, 0}, {5, 0.2, 0, 0}, {0, 0, 0, 0}}));
        QCOMPARE(c.faltando, 3);
        QCOMPARE(c.ciclo, (std::vector<int>{0, 1, 2}));
        QVERIFY(!c.sugestao);
    }

    void a_consistent_matrix_has_lambda_n()
    {
        // w = (8, 4, 2, 1): every a[i][j] = w[i] / w[j].
        const double w[] = {8, 4, 2, 1};
        std::vector<std::vector<double>> a(4, std::vector<double>(4));
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j)
                a[i][j] = w[i] / w[j];
        QVERIFY(std::abs(analise::lambdaMaximo(a) - 4) < 1e-12);
        const analise::Consistencia c = analise::consistencia(a);
        QVERIFY(c.razao < 1e-9);
        QVERIFY(c.aceitavel);
    }
};

QTEST_MAIN(TestAnalise)
#include "test_analise.moc"
