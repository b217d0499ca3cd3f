// What the results screen offers once a run is complete: the sensitivity of its ranking, which must
// rank exactly as the run did, and the printed report, here into a PDF file.

#include "tests/kivo/results/casefixture.h"

#include "kivo/results/frmResultado.h"
#include "kivo/results/graficoresultado.h"
#include "kivo/results/relatorio.h"
#include "kivo/results/sensibilidade.h"

#include "common/formats.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTableView>
#include <QFile>
#include <QFileDialog>
#include <QHelpEvent>
#include <QPushButton>
#include <QToolTip>

class TestDepoisDoCalculo : public QObject {
    Q_OBJECT

    std::unique_ptr<CaseFixture> f_;

    // 15 criteria by 15 alternatives, the values and weights spread out so no two results tie.
    void caso15x15()
    {
        QStringList nomes;
        for (int a = 1; a <= 15; ++a)
            nomes << QStringLiteral("Alternativa %1").arg(a);
        f_->alternativas(nomes);
        std::vector<Criterio> criterios;
        for (int c = 1; c <= 15; ++c) {
            std::vector<double> valores;
            for (int a = 1; a <= 15; ++a)
                valores.push_back(1 + ((a * 7 + c * 13) % 23) + a * 0.01 * c);
            criterios.push_back(
                {QStringLiteral("Critério %1").arg(c), c % 4 == 0 ? "-" : "+", 1 + (c * 3) % 10 + c * 0.01, valores});
        }
        f_->criterios(criterios);
    }

    std::unique_ptr<kivo::frmResultado> calcula()
    {
        auto frm = std::make_unique<kivo::frmResultado>(f_->programa);
        frm->Form_Load();
        frm->show();
        QTest::mouseClick(named<QPushButton>(frm.get(), "cmdCalcular"), Qt::LeftButton);
        testsupport::finishPauses();
        return frm;
    }

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }
    void init()
    {
        testsupport::resetPlatform();
        f_ = std::make_unique<CaseFixture>();
    }
    void cleanup()
    {
        common::Modal::setTestHandler({});
        kivo::setBuscaImpressoras({});
        f_.reset();
    }

    void the_sensitivity_ranks_as_the_run_did()
    {
        caso15x15();
        auto frm = calcula();
        auto* cmdSensibilidade = named<QPushButton>(frm.get(), "cmdSensibilidade");
        QVERIFY(cmdSensibilidade->isVisible());

        const auto caso = kivo::sensibilidade::leCaso(f_->programa.db);
        QVERIFY(caso.has_value());
        const kivo::sensibilidade::Sensibilidade analise(*caso);
        const auto& atual = analise.atual();
        for (int a = 0; a < 15; ++a)
            QVERIFY2(std::abs(atual.resultados[a] - f_->numero("Alternativas", "Resultado", a + 1)) <= 1e-12,
                     qPrintable(QString::number(a + 1)));
        QVERIFY(atual.melhor >= 0);
        QCOMPARE(f_->programa.db.isOpen(), true);

        QString aberta;
        common::Modal::setTestHandler([&](QDialog& tela) {
            aberta = tela.objectName();
            return 0;
        });
        QTest::mouseClick(cmdSensibilidade, Qt::LeftButton);
        QCOMPARE(aberta, QStringLiteral("frmSensibilidade"));
    }

    void the_sensitivity_button_waits_for_a_complete_run()
    {
        f_->alternativas({"Alfa", "Beta", "Gama"});
        f_->criterios({{"Custo", "-", QString(), {1, 2, 4}}, {"Prazo", "+", 2, {3, 3, 3}}});
        auto frm = std::make_unique<kivo::frmResultado>(f_->programa);
        frm->Form_Load();
        frm->show();
        QVERIFY(!named<QPushButton>(frm.get(), "cmdSensibilidade")->isVisible());
        QTest::mouseClick(named<QPushButton>(frm.get(), "cmdCalcular"), Qt::LeftButton);  // a weight is missing
        QVERIFY(!named<QPushButton>(frm.get(), "cmdSensibilidade")->isVisible());
    }

    void the_print_button_writes_the_report_into_a_pdf()
    {
        kivo::setBuscaImpressoras([] { return kivo::Impressoras{}; });  // a machine with no printer
        caso15x15();
        auto frm = calcula();
        auto* combo = named<QComboBox>(frm.get(), "Combo1");
        QCOMPARE(combo->currentText(), QStringLiteral("Arquivo PDF…"));

        const QString arquivo = f_->folder.file(QStringLiteral("Resultado.pdf"));
        common::Modal::setTestHandler([&](QDialog& dialog) {
            static_cast<QFileDialog&>(dialog).selectFile(arquivo);
            return int(QDialog::Accepted);
        });
        QTest::mouseClick(named<QPushButton>(frm.get(), "cmdPrinter"), Qt::LeftButton);
        QVERIFY(QFile::exists(arquivo));
        QVERIFY(testsupport::fileBytes(arquivo).startsWith("%PDF"));
        QVERIFY(lastMessage().text.contains(QDir::toNativeSeparators(arquivo)));
    }

    void the_chart_waits_for_a_complete_run_then_shows_the_stored_contributions()
    {
        // Three criteria, the first a cost.
        f_->alternativas({"Alfa", "Beta", "Gama"});
        f_->criterios({{"Custo", "-", 1, {1, 2, 4}}, {"Prazo", "+", 2, {3, 1, 2}}, {"Risco", "+", 4, {2, 1, 1}}});
        auto frm = std::make_unique<kivo::frmResultado>(f_->programa);
        frm->Form_Load();
        frm->show();
        auto* grafico = named<kivo::GraficoResultado>(frm.get(), "graResultado");
        QVERIFY(!grafico->isVisible());
        QVERIFY(grafico->ranking().vazio());
        QVERIFY(!named<QPushButton>(frm.get(), "cmdRelatorio")->isVisible());
        const int largura = frm->width();

        QTest::mouseClick(named<QPushButton>(frm.get(), "cmdCalcular"), Qt::LeftButton);
        QVERIFY(testsupport::finishPauses());
        QVERIFY(grafico->isVisible());
        QVERIFY(named<QPushButton>(frm.get(), "cmdRelatorio")->isVisible());
        // The window grew to hold the chart beside the grid; nothing of it covers the grid.
        QVERIFY(frm->width() > largura);
        QVERIFY(grafico->geometry().left() >= named<QTableView>(frm.get(), "DBGrid1")->geometry().right());
        QVERIFY(frm->rect().contains(grafico->geometry()));

        const kivo::ranking::Ranking& r = grafico->ranking();
        QCOMPARE(int(r.barras.size()), 3);
        QCOMPARE(int(r.criterios.size()), 3);
        QVERIFY(r.criterios[0].custo && !r.criterios[1].custo);
        const kivo::ranking::Geometria g = grafico->geometria();
        const double zero = g.x(0);
        for (int b = 0; b < 3; ++b) {
            const auto& barra = r.barras[b];
            if (b > 0)
                QVERIFY(barra.resultado <= r.barras[b - 1].resultado);  // result order
            QCOMPARE(barra.resultado, f_->numero("Alternativas", "Resultado", barra.numero));
            for (int k = 0; k < 3; ++k) {
                const double guardada = f_->numero("Alternativas", kivo::numbered("KIVO", k + 1), barra.numero);
                QCOMPARE(barra.segmentos[k].contribuicao, guardada);
                const QRectF parte = g.partes[b][k];
                if (guardada == 0)
                    continue;
                // Costs left of zero, benefits right, each as long as its contribution.
                QVERIFY(k == 0 ? parte.right() <= zero + 0.5 : parte.left() >= zero - 0.5);
                QVERIFY(std::abs(parte.width() - std::abs(g.x(guardada) - zero)) <= 1.01);
            }
        }
        QCOMPARE(r.barras[r.melhor].nome, named<QLabel>(frm.get(), "lblMelhor")->text());

        // Hovering a part tells its criterion, weight and contribution.
        const auto& melhor = r.barras[r.melhor];
        int k = 2;
        while (k >= 0 && g.partes[r.melhor][k].isEmpty())
            --k;
        QVERIFY(k >= 0);
        const QPoint ponto = g.partes[r.melhor][k].center().toPoint();
        const QString dica = grafico->dicaEm(ponto);
        QVERIFY(dica.contains(melhor.nome));
        QVERIFY(dica.contains(r.criterios[k].nome));
        QVERIFY(dica.contains(QStringLiteral("Peso: ") + common::formatFixed(r.criterios[k].peso, 2)));
        QVERIFY(
            dica.contains(QStringLiteral("Contribuição: ") + common::formatFixed(melhor.segmentos[k].contribuicao, 4)));
        QTest::mouseMove(grafico, ponto);
        QHelpEvent ajuda(QEvent::ToolTip, ponto, grafico->mapToGlobal(ponto));
        QApplication::sendEvent(grafico, &ajuda);
        QTRY_COMPARE(QToolTip::text(), dica);
        QCOMPARE(grafico->dicaEm(QPointF(1, 1)), QString());
    }

    void the_full_report_button_writes_the_complete_report_into_a_pdf()
    {
        kivo::setBuscaImpressoras([] { return kivo::Impressoras{}; });
        caso15x15();
        f_->falaIdioma(kivo::Ingles);
        auto frm = calcula();
        QCOMPARE(named<QPushButton>(frm.get(), "cmdRelatorio")->text(), QStringLiteral("&Full report"));
        const QString arquivo = f_->folder.file(QStringLiteral("Completo.pdf"));
        common::Modal::setTestHandler([&](QDialog& dialog) {
            static_cast<QFileDialog&>(dialog).selectFile(arquivo);
            return int(QDialog::Accepted);
        });
        QVERIFY(QTest::qWaitForWindowActive(frm.get()));
        testsupport::accessKey(frm.get(), 'F');
        QTRY_VERIFY(QFile::exists(arquivo));
        QVERIFY(testsupport::fileBytes(arquivo).startsWith("%PDF"));
        QCOMPARE(lastMessage().title, QStringLiteral("Report saved"));
    }
};

QTEST_MAIN(TestDepoisDoCalculo)
#include "test_depois.moc"
