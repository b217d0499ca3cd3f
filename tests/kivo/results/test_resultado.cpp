// The results screen: what it shows as it opens, during a run and after one, and how it opens from
// the menu.

#include "tests/kivo/results/casefixture.h"

#include "kivo/results/frmResultado.h"
#include "kivo/results/graficoresultado.h"
#include "kivo/results/relatorio.h"
#include "kivo/shell/menu.h"

#include "common/clock.h"
#include "common/datasource.h"
#include "common/formats.h"
#include "common/widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>

namespace {

QCheckBox* progresso(QObject* screen, int item)
{
    return item < 0 ? named<QCheckBox>(screen, "chkLimpar")
                    : named<QCheckBox>(screen, common::arrayName(QStringLiteral("chkProcessando"), item));
}

// Notes, with the milliseconds paused so far, every progress box that appears or changes.
class Observador : public QObject {
public:
    QStringList eventos;

    explicit Observador(QWidget* screen)
    {
        for (int i = -1; i <= 15; ++i) {
            QCheckBox* box = progresso(screen, i);
            box->installEventFilter(this);
            connect(box, &QCheckBox::stateChanged, this, [this, box](int state) {
                static const char* nomes[] = {"vazio", "cinza", "marcado"};
                nota(box, QLatin1String(nomes[state]));
            });
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ShowToParent)
            nota(static_cast<QWidget*>(watched), QStringLiteral("visível"));
        return false;
    }

private:
    void nota(QWidget* box, const QString& what)
    {
        eventos << QStringLiteral("%1 %2 @%3").arg(box->objectName(), what).arg(common::Clock::pausedMilliseconds());
    }
};

}  // namespace

class TestResultado : public QObject {
    Q_OBJECT

    std::unique_ptr<CaseFixture> f_;

    void exemplo()
    {
        f_->alternativas({"Alfa", "Beta", "Gama"});
        f_->criterios({{"Custo", "-", 1, {1, 2, 4}}, {"Prazo", "+", 2, {3, 3, 3}}, {"Risco", "+", 4, {2, 1, 1}}});
    }

    std::unique_ptr<kivo::frmResultado> abre()
    {
        auto frm = std::make_unique<kivo::frmResultado>(f_->programa);
        frm->Form_Load();
        return frm;
    }

    static QString celula(kivo::frmResultado* frm, int row, const QString& heading)
    {
        QAbstractItemModel* model = named<QTableView>(frm, "DBGrid1")->model();
        for (int c = 0; c < model->columnCount(); ++c)
            if (model->headerData(c, Qt::Horizontal).toString() == heading)
                return model->index(row, c).data().toString();
        return QStringLiteral("<no column %1>").arg(heading);
    }

    static void verificaAntes(kivo::frmResultado* frm)
    {
        QVERIFY(!named<QGroupBox>(frm, "Frame1")->isVisibleTo(frm));
        QVERIFY(!named<QGroupBox>(frm, "Frame2")->isVisibleTo(frm));
        QVERIFY(named<QPushButton>(frm, "cmdCalcular")->isVisibleTo(frm));
        for (int i = -1; i <= 15; ++i)
            QVERIFY(!progresso(frm, i)->isVisibleTo(frm));
    }

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }
    void init() { testsupport::startTest(f_); }
    void cleanup() { testsupport::endTest(f_); }

    void opening_clears_the_results_and_keeps_the_figures()
    {
        exemplo();
        f_->execute("UPDATE Alternativas SET Resultado = 0.5, Pesos01 = 0.25, Normal15 = 3");
        auto frm = abre();
        frm->show();
        QVERIFY(QTest::qWaitForWindowExposed(frm.get()));
        verificaAntes(frm.get());
        QCOMPARE(frm->windowTitle(), QStringLiteral("Resultado"));
        QCOMPARE(f_->coluna("Alternativas", "Resultado"), QStringList(15, "0"));
        QCOMPARE(f_->coluna("Alternativas", "Pesos01"), QStringList(15, "0,25"));

        auto* grid = named<QTableView>(frm.get(), "DBGrid1");
        QAbstractItemModel* model = grid->model();
        QCOMPARE(model->columnCount(), 78);
        QCOMPARE(model->rowCount(), 15);
        QStringList headings;
        for (int c = 0; c < 8; ++c)
            headings << model->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(headings, QStringList({"Numero", "Alternativa", "Resultado", "RTO01", "RTOi01", "Total01", "Normal01",
                                        "Pesos01"}));
        QCOMPARE(model->headerData(77, Qt::Horizontal).toString(), QStringLiteral("Pesos15"));
        QCOMPARE(celula(frm.get(), 1, "Alternativa"), QStringLiteral("Beta"));
        QCOMPARE(celula(frm.get(), 0, "Pesos01"), QStringLiteral("0,25"));
        // The name and the result are readable at once; the figures of criteria beyond n are hidden.
        QVERIFY(grid->columnViewportPosition(2) + grid->columnWidth(2) <= grid->viewport()->width());
        QVERIFY(grid->columnWidth(1) >= common::twips(3000));
        QVERIFY(!grid->isColumnHidden(3 + 5 * 2));
        QVERIFY(grid->isColumnHidden(3 + 5 * 3));
        QCOMPARE(f_->programa.qtdeCriterios, short(3));

        for (const char* control : {"Label7", "Combo1", "cmdPrinter", "cmdSair", "Image1"})
            QVERIFY(frm->findChild<QWidget*>(QLatin1String(control)));
        QCOMPARE(named<QLabel>(frm.get(), "Label7")->text(), QStringLiteral("Impressora:"));
        QCOMPARE(named<QPushButton>(frm.get(), "cmdPrinter")->text(), QStringLiteral("&Imprimir"));
        QCOMPARE(progresso(frm.get(), 0)->text(), QStringLiteral("Processando Pesos"));
        QCOMPARE(progresso(frm.get(), 15)->text(), QStringLiteral("Critério 15"));
    }

    // The captions of the language at opening, and of another one chosen with the screen open after
    // a run: the run's results, its best option and its chart stay, reworded.
    void english_captions_and_a_switch_after_a_run()
    {
        exemplo();
        kivo::setBuscaImpressoras([] { return kivo::Impressoras{"Laser", {"Laser", "Jato"}}; });
        f_->falaIdioma(kivo::Ingles);
        auto frm = abre();
        QCOMPARE(frm->windowTitle(), QStringLiteral("Results"));
        QAbstractItemModel* model = named<QTableView>(frm.get(), "DBGrid1")->model();
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Numero"));
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Alternatives"));
        QCOMPARE(model->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Results"));
        QCOMPARE(model->headerData(3, Qt::Horizontal).toString(), QStringLiteral("RTO01"));
        const std::pair<const char*, const char*> captions[] = {{"Label7", "Printer:"},
                                                                {"chkLimpar", "Preparing Tables"},
                                                                {"chkProcessando(0)", "Procesando weights"},
                                                                {"chkProcessando(1)", "Critério 1"}};
        for (const auto& [name, text] : captions)
            QCOMPARE(frm->findChild<QAbstractButton*>(name) ? frm->findChild<QAbstractButton*>(name)->text()
                                                            : named<QLabel>(frm.get(), name)->text(),
                     QString::fromUtf8(text));
        QCOMPARE(named<QPushButton>(frm.get(), "cmdCalcular")->text(), QStringLiteral("&Solve"));
        QCOMPARE(named<QPushButton>(frm.get(), "cmdPrinter")->text(), QStringLiteral("To Print"));
        QCOMPARE(named<QPushButton>(frm.get(), "cmdSair")->text(), QStringLiteral("&Return"));
        QCOMPARE(named<QGroupBox>(frm.get(), "Frame1")->title(), QStringLiteral("Calculating: "));
        QCOMPARE(named<QGroupBox>(frm.get(), "Frame2")->title(), QStringLiteral("Best option: "));

        frm->cmdCalcular_Click();
        QVERIFY(testsupport::finishPauses());
        auto* combo = named<QComboBox>(frm.get(), "Combo1");
        QCOMPARE(combo->count(), 3);
        combo->setCurrentIndex(2);  // the PDF file
        auto* grafico = named<kivo::GraficoResultado>(frm.get(), "graResultado");
        const kivo::ranking::Ranking& r = grafico->ranking();
        QVERIFY(r.melhor >= 0);
        const QString resultado = celula(frm.get(), 0, "Results");
        QVERIFY(resultado != QStringLiteral("0"));
        // A point on a part of the best option's bar, for its tooltip.
        const auto ponto = [&] {
            const kivo::ranking::Geometria g = grafico->geometria();
            for (const QRectF& parte : g.partes[r.melhor])
                if (!parte.isEmpty())
                    return parte.center();
            return QPointF();
        };
        QVERIFY(grafico->dicaEm(ponto()).contains(QStringLiteral("Weight: ")));

        f_->falaIdioma(kivo::Espanhol);
        QTRY_COMPARE(named<QGroupBox>(frm.get(), "Frame2")->title(), QStringLiteral("Mejor opción: "));
        QCOMPARE(frm->windowTitle(), QStringLiteral("Resultado"));
        QCOMPARE(named<QPushButton>(frm.get(), "cmdSensibilidade")->text(), QStringLiteral("S&ensibilidad"));
        QCOMPARE(named<QPushButton>(frm.get(), "cmdRelatorio")->text(), QStringLiteral("Inf&orme completo"));
        QCOMPARE(progresso(frm.get(), 1)->text(), QStringLiteral("Criterio 1"));
        QCOMPARE(progresso(frm.get(), 0)->text(), QStringLiteral("Procesando Pesos"));
        QCOMPARE(named<QLabel>(frm.get(), "lblMelhor")->text(), QStringLiteral("Alfa"));
        QCOMPARE(celula(frm.get(), 0, "Resultado"), resultado);
        QCOMPARE(celula(frm.get(), 1, "Alternativa"), QStringLiteral("Beta"));
        QVERIFY(grafico->dicaEm(ponto()).contains(QStringLiteral("Contribución: ")));
        QCOMPARE(combo->currentIndex(), 2);

        f_->falaIdioma(kivo::Ingles);
        QTRY_COMPARE(frm->windowTitle(), QStringLiteral("Results"));
        QCOMPARE(named<QTableView>(frm.get(), "DBGrid1")->model()->headerData(1, Qt::Horizontal).toString(),
                 QStringLiteral("Alternatives"));
        QCOMPARE(named<QPushButton>(frm.get(), "cmdRelatorio")->text(), QStringLiteral("&Full report"));
        QCOMPARE(progresso(frm.get(), 1)->text(), QStringLiteral("Critério 1"));
        QCOMPARE(celula(frm.get(), 0, "Results"), resultado);
        QVERIFY(grafico->dicaEm(ponto()).contains(QStringLiteral("Weight: ")));
        QCOMPARE(combo->currentIndex(), 2);
        QCOMPARE(combo->currentText(), QStringLiteral("PDF file…"));
        // Nothing of the run went: the best option, the chart and the buttons that follow a run.
        QCOMPARE(named<QLabel>(frm.get(), "lblMelhor")->text(), QStringLiteral("Alfa"));
        QVERIFY(named<QGroupBox>(frm.get(), "Frame2")->isVisibleTo(frm.get()));
        QVERIFY(!named<QGroupBox>(frm.get(), "Frame1")->isVisibleTo(frm.get()));
        QVERIFY(!named<QPushButton>(frm.get(), "cmdCalcular")->isVisibleTo(frm.get()));
        QVERIFY(grafico->isVisibleTo(frm.get()));
        QCOMPARE(int(grafico->ranking().barras.size()), 3);
        QVERIFY(common::Messages::shown().isEmpty());
        kivo::setBuscaImpressoras({});
    }

    void a_click_on_calcular_runs_and_names_the_best_option_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("pt_BR") << QLocale(QLocale::Portuguese, QLocale::Brazil);
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
    }

    void a_click_on_calcular_runs_and_names_the_best_option()
    {
        QFETCH(QLocale, locale);
        common::setUserLocale(locale);
        exemplo();
        auto frm = abre();
        frm->show();
        QVERIFY(QTest::qWaitForWindowExposed(frm.get()));
        Observador observador(frm.get());
        auto* cmdCalcular = named<QPushButton>(frm.get(), "cmdCalcular");
        QTest::mouseClick(cmdCalcular, Qt::LeftButton);
        QVERIFY(testsupport::finishPauses());

        // During: each box appears as its stage starts; a criterion goes grey, then checked.
        QCOMPARE(observador.eventos,
                 QStringList({"chkLimpar visível @0", "chkLimpar marcado @1000", "chkProcessando(0) visível @1000",
                              "chkProcessando(0) marcado @2000", "chkProcessando(1) visível @2000",
                              "chkProcessando(1) cinza @2500", "chkProcessando(2) visível @2500",
                              "chkProcessando(2) cinza @3000", "chkProcessando(3) visível @3000",
                              "chkProcessando(3) cinza @3500", "chkProcessando(1) marcado @5000",
                              "chkProcessando(2) marcado @5500", "chkProcessando(3) marcado @6000"}));
        QCOMPARE(common::Clock::pausedMilliseconds(), qint64(7500));

        // After: the frame and the button go, the best option shows, the grid has the results.
        QVERIFY(!named<QGroupBox>(frm.get(), "Frame1")->isVisible());
        QVERIFY(!cmdCalcular->isVisible());
        QVERIFY(named<QGroupBox>(frm.get(), "Frame2")->isVisible());
        QCOMPARE(named<QLabel>(frm.get(), "lblMelhor")->text(), QStringLiteral("Alfa"));
        const double resultado = f_->numero("Alternativas", "Resultado", 1);
        QVERIFY(resultado > 0);
        QCOMPARE(celula(frm.get(), 0, "Resultado"), common::numberText(resultado));  // the general format
        QVERIFY(common::Messages::shown().isEmpty());
    }

    void the_frame_makes_room_for_every_criterion()
    {
        exemplo();
        auto frm = abre();
        frm->show();
        QVERIFY(QTest::qWaitForWindowActive(frm.get()));
        // The access key presses the button as a click would, a moment later.
        QTest::keyClick(frm.get(), Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(named<QGroupBox>(frm.get(), "Frame2")->isVisible());
        // n x 225 + 900 twips, as it was during the run.
        QCOMPARE(named<QGroupBox>(frm.get(), "Frame1")->height(), common::twips(3 * 225 + 900));
    }

    void no_result_above_zero_leaves_the_best_option_empty()
    {
        exemplo();
        f_->execute("UPDATE Criterios SET Sinal = '-'");
        auto frm = abre();
        frm->cmdCalcular_Click();
        QVERIFY(testsupport::finishPauses());
        QVERIFY(named<QGroupBox>(frm.get(), "Frame2")->isVisibleTo(frm.get()));
        QCOMPARE(named<QLabel>(frm.get(), "lblMelhor")->text(), QString());
    }

    void a_missing_weight_stops_the_run_and_keeps_the_button()
    {
        exemplo();
        f_->execute("UPDATE Criterios SET Peso = '' WHERE Numero = 1");
        auto frm = abre();
        named<QPushButton>(frm.get(), "cmdCalcular")->click();
        QCOMPARE(lastMessage().icon, QMessageBox::Warning);
        QCOMPARE(lastMessage().title, QStringLiteral("Peso Não encontrado!"));
        QCOMPARE(lastMessage().text, QStringLiteral("Verifique os pesos dos critérios"));
        QVERIFY(named<QGroupBox>(frm.get(), "Frame1")->isVisibleTo(frm.get()));
        QVERIFY(named<QPushButton>(frm.get(), "cmdCalcular")->isVisibleTo(frm.get()));
        QVERIFY(!named<QGroupBox>(frm.get(), "Frame2")->isVisibleTo(frm.get()));
        QCOMPARE(f_->linhas("c01"), 0);

        // Weight given: the same screen runs again, its boxes from the start.
        f_->execute("UPDATE Criterios SET Peso = 1 WHERE Numero = 1");
        named<QPushButton>(frm.get(), "cmdCalcular")->click();
        QVERIFY(testsupport::finishPauses());
        QCOMPARE(named<QLabel>(frm.get(), "lblMelhor")->text(), QStringLiteral("Alfa"));
        QCOMPARE(progresso(frm.get(), 3)->checkState(), Qt::Checked);
        QVERIFY(!progresso(frm.get(), 4)->isVisibleTo(frm.get()));
    }

    // An empty or mistyped sign would count its criterion as a cost: the run names the criterion
    // in the user's language and writes nothing.
    void a_missing_sign_stops_the_run_before_anything_is_written()
    {
        const QStringList esperado[] = {
            {"Sign missing!", "Enter the sign, + or -, of criterion 02 (Prazo) on the Criteria screen"},
            {"¡Signo no informado!", "Informe el signo, + o -, del criterio 02 (Prazo) en la pantalla Criterios"},
            {"Sinal não informado!", "Informe o sinal, + ou -, do critério 02 (Prazo) na tela Critérios"},
        };
        exemplo();
        f_->execute("UPDATE Criterios SET Sinal = '' WHERE Numero = 2");
        for (short idioma = 1; idioma <= 3; ++idioma) {
            f_->falaIdioma(idioma);
            auto frm = abre();
            frm->show();
            QVERIFY(QTest::qWaitForWindowActive(frm.get()));
            const QStringList antes = testsupport::databaseContents(f_->programa.db);
            common::Messages::clearShown();
            QTest::mouseClick(named<QPushButton>(frm.get(), "cmdCalcular"), Qt::LeftButton);
            QCOMPARE(common::Messages::shown().size(), 1);
            QCOMPARE(lastMessage().icon, QMessageBox::Warning);
            QCOMPARE(QStringList({lastMessage().title, lastMessage().text}), esperado[idioma - 1]);
            QCOMPARE(testsupport::databaseContents(f_->programa.db), antes);
            QVERIFY(named<QPushButton>(frm.get(), "cmdCalcular")->isVisible());
        }
    }

    // Clicks given while the run goes on are thrown away, not carried out once it ends: "Sair"
    // does not close the screen afterwards, "Imprimir" prints nothing.
    void clicks_during_a_run_are_discarded()
    {
        exemplo();
        auto frm = abre();
        frm->show();
        QVERIFY(QTest::qWaitForWindowActive(frm.get()));
        auto* cmdSair = named<QPushButton>(frm.get(), "cmdSair");
        auto* cmdPrinter = named<QPushButton>(frm.get(), "cmdPrinter");
        // The user clicks as the first stage shows, while the run still has its stages to go.
        struct Usuario : QObject {
            QList<QPushButton*> botoes;
            bool eventFilter(QObject*, QEvent* event) override
            {
                if (event->type() == QEvent::ShowToParent)
                    for (QPushButton* b : botoes)
                        for (auto tipo : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                            const QPointF centro = QRectF(b->rect()).center();
                            QCoreApplication::postEvent(
                                b, new QMouseEvent(tipo, centro, b->mapToGlobal(centro), Qt::LeftButton,
                                                   tipo == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                                   Qt::NoModifier));
                        }
                return false;
            }
        } usuario;
        usuario.botoes = {cmdPrinter, cmdSair};
        progresso(frm.get(), -1)->installEventFilter(&usuario);
        int cliques = 0;
        for (QPushButton* b : usuario.botoes)
            connect(b, &QPushButton::clicked, frm.get(), [&cliques] { ++cliques; });

        QTest::mouseClick(named<QPushButton>(frm.get(), "cmdCalcular"), Qt::LeftButton);
        QVERIFY(testsupport::finishPauses());
        QVERIFY(named<QGroupBox>(frm.get(), "Frame2")->isVisible());
        QCOMPARE(cliques, 0);
        QVERIFY(frm->isVisible());
        QCOMPARE(frm->result(), int(QDialog::Rejected));
        QVERIFY(common::Messages::shown().isEmpty());
        const QStringList depois = testsupport::databaseContents(f_->programa.db);

        // Afterwards the buttons answer as usual.
        QTest::mouseClick(cmdSair, Qt::LeftButton);
        QCOMPARE(cliques, 1);
        QVERIFY(!frm->isVisible());
        QCOMPARE(testsupport::databaseContents(f_->programa.db), depois);
    }

    // Real clicks on "Sair" and "Imprimir", Escape and a close, while the run pauses between two
    // stages: none is carried out, during the run or after it, and the window stays open.
    void input_during_a_pause_is_thrown_away()
    {
        exemplo();
        auto frm = abre();
        frm->show();
        QVERIFY(QTest::qWaitForWindowActive(frm.get()));
        QStringList dialogos;
        common::Modal::setTestHandler([&dialogos](QDialog& dialog) {
            dialogos << QLatin1String(dialog.metaObject()->className());
            return int(QDialog::Rejected);
        });
        auto* cmdSair = named<QPushButton>(frm.get(), "cmdSair");
        auto* cmdPrinter = named<QPushButton>(frm.get(), "cmdPrinter");
        int cliques = 0;
        for (QPushButton* b : {cmdSair, cmdPrinter})
            connect(b, &QPushButton::clicked, frm.get(), [&cliques] { ++cliques; });

        QTest::mouseClick(named<QPushButton>(frm.get(), "cmdCalcular"), Qt::LeftButton);
        // The pause that follows the first criterion's pair table.
        QVERIFY(testsupport::spinUntil([&] { return progresso(frm.get(), 1)->isVisible(); }));
        QCOMPARE(common::Clock::pendingPauses(), 1);
        QCOMPARE(common::Clock::pausedMilliseconds(), qint64(2500));
        QTest::mouseClick(cmdSair, Qt::LeftButton);
        QTest::mouseClick(cmdPrinter, Qt::LeftButton);
        QTest::keyClick(frm.get(), Qt::Key_Escape);
        QVERIFY(!frm->close());
        QVERIFY(frm->isVisible());

        QVERIFY(testsupport::finishPauses());
        QVERIFY(named<QGroupBox>(frm.get(), "Frame2")->isVisible());
        QCOMPARE(cliques, 0);
        QVERIFY(frm->isVisible());
        QCOMPARE(frm->result(), int(QDialog::Rejected));
        QCOMPARE(dialogos, QStringList());
        QVERIFY(common::Messages::shown().isEmpty());

        // Afterwards the window closes as usual.
        QVERIFY(frm->close());
        QVERIFY(!frm->isVisible());
    }

    void a_store_failure_is_reported_and_the_screen_stays_usable()
    {
        exemplo();
        f_->execute("CREATE TRIGGER cheio BEFORE INSERT ON c02 BEGIN SELECT RAISE(ABORT, 'disco cheio'); END");
        auto frm = abre();
        named<QPushButton>(frm.get(), "cmdCalcular")->click();
        QVERIFY(testsupport::finishPauses());
        QCOMPARE(lastMessage().icon, QMessageBox::Critical);
        QCOMPARE(lastMessage().title, QStringLiteral("Erro"));
        QVERIFY(lastMessage().text.startsWith(
            QStringLiteral("Ocorreu um erro no aplicativo.\r\nComo referência, anote o seguinte número: \r\nRef.: ")));
        QVERIFY(lastMessage().text.contains(QStringLiteral("disco cheio")));
        QCOMPARE(f_->linhas("c01"), 9);  // the stages before the failure stay stored
        QVERIFY(named<QGroupBox>(frm.get(), "Frame1")->isVisibleTo(frm.get()));
        QVERIFY(named<QPushButton>(frm.get(), "cmdCalcular")->isVisibleTo(frm.get()));
        QCOMPARE(progresso(frm.get(), 2)->checkState(), Qt::Unchecked);

        f_->execute("DROP TRIGGER cheio");
        frm->cmdCalcular_Click();
        QVERIFY(testsupport::finishPauses());
        QCOMPARE(f_->linhas("c02"), 9);
        QCOMPARE(named<QLabel>(frm.get(), "lblMelhor")->text(), QStringLiteral("Alfa"));
    }

    void reopening_after_a_run()
    {
        exemplo();
        {
            auto frm = abre();
            frm->cmdCalcular_Click();
            QVERIFY(testsupport::finishPauses());
        }
        const QString pesos = f_->campo("Alternativas", "Pesos01", 3).toString();
        auto frm = abre();
        verificaAntes(frm.get());
        QCOMPARE(f_->coluna("Alternativas", "Resultado"), QStringList(15, "0"));
        QCOMPARE(f_->campo("Alternativas", "Pesos01", 3).toString(), pesos);
        QCOMPARE(celula(frm.get(), 2, "Resultado"), QStringLiteral("0"));
        QVERIFY(celula(frm.get(), 2, "Pesos01") != QStringLiteral("0"));
    }

    // The window grows: the grid takes the room, the frames and buttons follow its bottom edge, the
    // chart shares the width once it shows; each size is there again at the next opening.
    void the_window_grows_with_its_grid_and_chart()
    {
        exemplo();
        const QSize mais(400, 300);
        QSize antes, depois;
        {
            auto frm = abre();
            frm->show();
            QVERIFY(QTest::qWaitForWindowExposed(frm.get()));
            QVERIFY(frm->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
            auto* grade = named<QTableView>(frm.get(), "DBGrid1");
            auto* sair = named<QPushButton>(frm.get(), "cmdSair");
            auto* grafico = named<kivo::GraficoResultado>(frm.get(), "graResultado");
            QCOMPARE(frm->size(), frm->minimumSize());  // opens at its designed size
            const QSize grade0 = grade->size();
            const QPoint sair0 = sair->pos();
            frm->resize(frm->size() + mais);
            QCOMPARE(grade->size(), grade0 + mais);
            QCOMPARE(sair->pos(), sair0 + QPoint(0, mais.height()));
            antes = frm->size();

            // The run widens the window by the chart, which stands beside the grid and as tall.
            QTest::mouseClick(named<QPushButton>(frm.get(), "cmdCalcular"), Qt::LeftButton);
            QVERIFY(testsupport::finishPauses());
            QCOMPARE(frm->width(), antes.width() + common::twips(8400));
            QVERIFY(grafico->isVisible());
            const int vao = grafico->x() - grade->geometry().right();
            QVERIFY(vao > 0);
            QVERIFY(grafico->height() > grade->height());
            const QSize grade1 = grade->size();
            const QSize grafico1 = grafico->size();
            frm->resize(frm->size() + QSize(200, 100));
            QCOMPARE(grade->size(), grade1 + QSize(100, 100));
            QCOMPARE(grafico->size(), grafico1 + QSize(100, 100));
            QCOMPARE(grafico->x() - grade->geometry().right(), vao);
            QVERIFY(frm->rect().contains(grafico->geometry()));
            depois = frm->size();
            QTest::mouseClick(sair, Qt::LeftButton);
        }
        auto frm = abre();
        frm->show();
        QVERIFY(QTest::qWaitForWindowExposed(frm.get()));
        QCOMPARE(frm->size(), antes);
        QCOMPARE(named<QTableView>(frm.get(), "DBGrid1")->size().height(), common::twips(5400) + mais.height());
        QTest::mouseClick(named<QPushButton>(frm.get(), "cmdCalcular"), Qt::LeftButton);
        QVERIFY(testsupport::finishPauses());
        QCOMPARE(frm->size(), depois);
        frm->close();
    }

    void the_menu_opens_it_modally()
    {
        exemplo();
        f_->execute("UPDATE Alternativas SET Resultado = 7");
        kivo::Menu menu(f_->folder.path());
        QVERIFY(menu.Form_Load());
        QString aberta;
        common::Modal::setTestHandler([&](QDialog& dialog) {
            aberta = dialog.objectName();
            named<QPushButton>(&dialog, "cmdCalcular")->click();
            testsupport::finishPauses();
            named<QPushButton>(&dialog, "cmdSair")->click();
            return dialog.result();
        });
        named<QAction>(&menu, "mnuResultados")->trigger();
        QCOMPARE(aberta, QStringLiteral("frmResultado"));
        QVERIFY(f_->numero("Alternativas", "Resultado", 1) > 0);
        QVERIFY(common::Messages::shown().isEmpty());
    }
};

QTEST_MAIN(TestResultado)
#include "test_resultado.moc"
