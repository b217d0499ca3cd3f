// What the results screen offers once a run is complete: the sensitivity of its ranking, which must
// rank exactly as the run did, and the printed report, here into a PDF file.

#include "tests/kivo/results/casefixture.h"

#include "kivo/results/frmResultado.h"
#include "kivo/results/relatorio.h"
#include "kivo/results/sensibilidade.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>

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
            criterios.push_back({QStringLiteral("Critério %1").arg(c), c % 4 == 0 ? "-" : "+",
                                 1 + (c * 3) % 10 + c * 0.01, valores});
        }
        f_->criterios(criterios);
    }

    std::unique_ptr<kivo::frmResultado> calcula()
    {
        auto frm = std::make_unique<kivo::frmResultado>(f_->programa);
        frm->Form_Load();
        frm->show();
        QTest::mouseClick(named<QPushButton>(frm.get(), "cmdCalcular"), Qt::LeftButton);
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
};

QTEST_MAIN(TestDepoisDoCalculo)
#include "test_depois.moc"
