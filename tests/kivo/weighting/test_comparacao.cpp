// The comparison screen: what it loads and shows, what a click on the grid asks, what it stores, and
// the menu item that opens it.

#include "tests/kivo/weighting/dadosfixture.h"

#include "kivo/shell/menu.h"
#include "kivo/weighting/comparacoes.h"

#include "common/logo.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>

using kivo::GradeDados;

class TestComparacao : public QObject {
    Q_OBJECT

    std::unique_ptr<DadosFixture> f_;

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }
    void init() { testsupport::startTest(f_); }
    void cleanup() { testsupport::endTest(f_); }

    // Loading ---------------------------------------------------------------------------------

    void an_empty_count_gives_three_criteria_laid_out_in_twips()
    {
        f_->programa.qtdeCriterios = 9;
        f_->execute("UPDATE Criterios SET Identifica = 'Custo' WHERE Numero = 1");
        auto frm = f_->load();
        QCOMPARE(f_->programa.qtdeCriterios, short(3));
        QCOMPARE(frm->windowTitle(), QStringLiteral("Identificação dos Pesos"));
        GradeDados& g = cells(frm.get());
        QCOMPARE(g.rows(), 3);
        QCOMPARE(g.cols(), 4);
        QTableView* view = grid(frm.get());
        QCOMPARE(view->width(), common::twips(2750 + 350 * 3));
        QCOMPARE(view->height(), common::twips(270 * 3));
        QCOMPARE(view->columnWidth(0), common::twips(2650));
        for (int k = 1; k <= 3; ++k) {
            QCOMPARE(view->columnWidth(k), common::twips(350));
            QCOMPARE(g.alinhamento(k), 2);
            QVERIFY(banner(frm.get(), k)->isVisibleTo(frm.get()));
            QCOMPARE(banner(frm.get(), k)->x(), common::twips(2970 + 345 * (k - 1)));
        }
        QVERIFY(!banner(frm.get(), 4)->isVisibleTo(frm.get()));
        QCOMPARE(banner(frm.get(), 1)->toolTip(), QStringLiteral("Custo"));
        QCOMPARE(cell(frm.get(), 0, 0), QStringLiteral("Custo"));
        QCOMPARE(g.index(0, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("Custo"));  // the whole name
        QVERIFY(g.index(0, 1).data(Qt::ToolTipRole).isNull());
        // Grey mirror cells below the diagonal, the blue diagonal, the rest unpainted.
        const quint32 expected[3][3] = {{GradeDados::Azul, GradeDados::Janela, GradeDados::Janela},
                                        {GradeDados::Cinza, GradeDados::Azul, GradeDados::Janela},
                                        {GradeDados::Cinza, GradeDados::Cinza, GradeDados::Azul}};
        for (int r = 0; r < 3; ++r)
            for (int c = 1; c <= 3; ++c)
                QCOMPARE(g.fundo(r, c), expected[r][c - 1]);
        QCOMPARE(common::systemColour(GradeDados::Cinza),
                 QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text));
        QVERIFY(!named<QGroupBox>(frm.get(), "Frame1")->isVisibleTo(frm.get()));
        QCOMPARE(named<QLabel>(frm.get(), "lblConsistencia")->text(), QString());
        QCOMPARE(named<QLabel>(frm.get(), "lblSintoma")->text(), QString());
    }

    void captions_follow_the_language_data()
    {
        QTest::addColumn<short>("idioma");
        QTest::addColumn<QStringList>("expected");
        const QStringList pt{"Identificação dos Pesos",
                             "O critério: ",
                             "é: ",
                             "Do que o critério: ",
                             "Para a função objetivo ",
                             "Comparação: ",
                             "Muito &Mais",
                             "Ma&is",
                             "&De forma igual",
                             "M&enos",
                             "M&uito menos",
                             "&Gravar",
                             "&Analizar",
                             "&Voltar"};
        QTest::newRow("English") << short(1)
                                 << QStringList{"Registration of events",
                                                "The criteria:",
                                                "it is",
                                                "Than the criteria:",
                                                "for the objective function",
                                                "Comparison",
                                                "Much &more",
                                                "M&uch",
                                                "&The same",
                                                "&Less",
                                                "Much l&ess",
                                                "&Write",
                                                "&Analyze",
                                                "&Return"};
        QTest::newRow("Spanish") << short(2)
                                 << QStringList{"Identificación de los Pesos",
                                                "El criterio: ",
                                                "es: ",
                                                "Que el criterio: ",
                                                "Para la función objetivo ",
                                                "Comparación: ",
                                                "Mucho &más",
                                                "Má&s",
                                                "&Igual",
                                                "M&enos",
                                                "M&ucho menos",
                                                "&Grabar",
                                                "&Analizar",
                                                "&Volver"};
        QTest::newRow("Portuguese") << short(3) << pt;
    }

    void captions_follow_the_language()
    {
        QFETCH(short, idioma);
        QFETCH(QStringList, expected);
        f_->falaIdioma(idioma);
        auto frm = f_->load();
        QStringList shown{frm->windowTitle()};
        for (const char* label : {"Label1", "Label2", "Label3", "Label4"})
            shown << named<QLabel>(frm.get(), label)->text();
        shown << named<QGroupBox>(frm.get(), "Frame1")->title();
        for (int k = 1; k <= 5; ++k)
            shown << option(frm.get(), k)->text();
        for (const char* button : {"cmdGravar", "cmdCalcular", "cmdSair"})
            shown << named<QPushButton>(frm.get(), button)->text();
        QCOMPARE(shown, expected);
        // From left to right: opt5 .. opt1.
        for (int k = 1; k < 5; ++k)
            QVERIFY(option(frm.get(), k + 1)->x() < option(frm.get(), k)->x());
    }

    void a_null_name_shows_nothing_in_the_grid_vago_in_the_frame_and_on_its_banner()
    {
        f_->criterios({"Preço", "", "Prazo"});
        f_->execute("UPDATE Criterios SET Identifica = NULL WHERE Numero = 2");
        auto frm = f_->load();
        QCOMPARE(cell(frm.get(), 1, 0), QString());
        QCOMPARE(banner(frm.get(), 2)->toolTip(), QStringLiteral("Vago"));
        clickCell(frm.get(), 0, 2);
        QCOMPARE(named<QLabel>(frm.get(), "lblFatorX")->text(), QStringLiteral("Preço"));
        QCOMPARE(named<QLabel>(frm.get(), "lblFatorY")->text(), QStringLiteral("vago"));
        clickCell(frm.get(), 1, 3);
        QCOMPARE(named<QLabel>(frm.get(), "lblFatorX")->text(), QStringLiteral("vago"));
    }

    void stored_comparisons_show_again_as_stored_in_the_users_locale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("fifth");
        QTest::addColumn<QString>("tenth");
        QTest::newRow("pt_BR") << "pt_BR"
                               << "0,2"
                               << "0,1";
        QTest::newRow("en_US") << "en_US"
                               << "0.2"
                               << "0.1";
    }

    void stored_comparisons_show_again_as_stored_in_the_users_locale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, fifth);
        QFETCH(QString, tenth);
        common::setUserLocale(QLocale(locale));
        f_->criterios({"A", "B", "C", "D"});
        f_->compara(1, 2, 5);
        f_->compara(2, 1, 0.2);
        f_->compara(1, 4, 0.1);
        f_->compara(4, 1, 10);
        f_->compara(3, 2, 7);   // not a reciprocal: shown as stored
        f_->compara(1, 5, 10);  // beyond the count: not shown
        f_->compara(5, 1, 10);
        auto frm = f_->load();
        const QStringList expected{"", "5", "", tenth, fifth, "", "", "", "", "7", "", "", "10", "", "", ""};
        QStringList shown;
        for (int r = 0; r < 4; ++r)
            for (int c = 1; c <= 4; ++c)
                shown << cell(frm.get(), r, c);
        QCOMPARE(shown, expected);
    }

    void a_table_that_does_not_match_the_count_is_reported_and_the_screen_stays_closed_data()
    {
        QTest::addColumn<QStringList>("sql");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty table") << QStringList{"DELETE FROM Criterios"}
                                     << "A tabela Criterios tem 0 registro(s), mas são 3 critérios.";
        QTest::newRow("fewer rows") << QStringList{"UPDATE Criterios SET Qtde = 6",
                                                   "DELETE FROM Criterios WHERE Numero > 4"}
                                    << "A tabela Criterios tem 4 registro(s), mas são 6 critérios.";
        QTest::newRow("missing field") << QStringList{"UPDATE Criterios SET Qtde = 5",
                                                      "ALTER TABLE Criterios DROP COLUMN N04"}
                                       << "A tabela Criterios não tem o campo N04.";
        QTest::newRow("count 0") << QStringList{"UPDATE Criterios SET Qtde = 0"}
                                 << "A quantidade de critérios gravada (0) deve ser de 1 a 15.";
        QTest::newRow("count 16") << QStringList{"UPDATE Criterios SET Qtde = 16"}
                                  << "A quantidade de critérios gravada (16) deve ser de 1 a 15.";
    }

    void a_table_that_does_not_match_the_count_is_reported_and_the_screen_stays_closed()
    {
        QFETCH(QStringList, sql);
        QFETCH(QString, text);
        f_->compara(1, 2, 5);
        for (const QString& statement : sql)
            f_->execute(statement);
        kivo::Menu menu(f_->folder.path());
        if (QTest::currentDataTag() == QLatin1String("missing field")) {
            // kivo refuses such a file as it starts, before any screen can open on it.
            QVERIFY(!menu.Form_Load());
            QCOMPARE(lastMessage().title, QStringLiteral("Erro"));
            QVERIFY(lastMessage().text.contains(QStringLiteral("N04")));
            return;
        }
        QVERIFY(menu.Form_Load());
        bool opened = false;
        common::Modal::setTestHandler([&](QDialog&) {
            opened = true;
            return 0;
        });
        named<QAction>(&menu, "mnuPesos")->trigger();
        QVERIFY(!opened);
        QCOMPARE(lastMessage().icon, QMessageBox::Warning);
        QCOMPARE(lastMessage().title, QStringLiteral("Tabela de critérios incompatível!"));
        QCOMPARE(lastMessage().text, text);
        if (!f_->stored("N02", 1).isEmpty())
            QCOMPARE(f_->stored("N02", 1), QStringList{"5"});  // nothing written
        QCOMPARE(menu.programa().qtdeCriterios, short(3));
    }

    void the_menu_item_opens_the_screen_modally()
    {
        f_->criterios({"A", "B"});
        kivo::Menu menu(f_->folder.path());
        QVERIFY(menu.Form_Load());
        QString title;
        common::Modal::setTestHandler([&](QDialog& dialog) {
            title = dialog.objectName() + " " + dialog.windowTitle();
            return 0;
        });
        named<QAction>(&menu, "mnuPesos")->trigger();
        QCOMPARE(title, QStringLiteral("frmDados Identificação dos Pesos"));
        QCOMPARE(menu.programa().qtdeCriterios, short(2));
        QVERIFY(common::Messages::shown().isEmpty());
    }

    // Clicks ----------------------------------------------------------------------------------

    void a_pair_above_the_diagonal_is_asked_and_turns_yellow()
    {
        f_->criterios({"Preço", "Prazo", "Qualidade"});
        auto frm = f_->load();
        auto* frame = named<QGroupBox>(frm.get(), "Frame1");
        option(frm.get(), 2)->setChecked(true);
        clickCell(frm.get(), 0, 2);
        QVERIFY(frame->isVisibleTo(frm.get()));
        QCOMPARE(named<QLabel>(frm.get(), "lblFatorX")->text(), QStringLiteral("Preço"));
        QCOMPARE(named<QLabel>(frm.get(), "lblFatorY")->text(), QStringLiteral("Prazo"));
        QCOMPARE(cells(frm.get()).fundo(0, 2), GradeDados::Amarelo);
        for (int k = 1; k <= 5; ++k)
            QVERIFY(!option(frm.get(), k)->isChecked());  // whatever the cell holds

        // The diagonal, a grey mirror cell and a name hide the frame; the yellow cell stays yellow.
        for (const QPoint& other : {QPoint(1, 2), QPoint(2, 1), QPoint(1, 0)}) {
            clickCell(frm.get(), 1, 3);
            QVERIFY(frame->isVisibleTo(frm.get()));
            clickCell(frm.get(), other.x(), other.y());
            QVERIFY(!frame->isVisibleTo(frm.get()));
        }
        QCOMPARE(cells(frm.get()).fundo(0, 2), GradeDados::Amarelo);
        QCOMPARE(cells(frm.get()).fundo(2, 1), GradeDados::Cinza);
        QCOMPARE(cells(frm.get()).fundo(1, 2), GradeDados::Azul);
    }

    void much_more_puts_ten_and_its_reciprocal_in_the_users_locale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("mirror");
        QTest::newRow("pt_BR") << "pt_BR"
                               << "0,1";
        QTest::newRow("en_US") << "en_US"
                               << "0.1";
    }

    void much_more_puts_ten_and_its_reciprocal_in_the_users_locale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, mirror);
        common::setUserLocale(QLocale(locale));
        f_->falaIdioma(kivo::Ingles);
        auto frm = f_->load();
        clickCell(frm.get(), 0, 3);
        QCOMPARE(option(frm.get(), 1)->text(), QStringLiteral("Much &more"));
        option(frm.get(), 1)->setChecked(true);
        named<QPushButton>(frm.get(), "cmdGravar")->click();
        QCOMPARE(cell(frm.get(), 0, 3), QStringLiteral("10"));
        QCOMPARE(cell(frm.get(), 2, 1), mirror);
        QCOMPARE(cells(frm.get()).fundo(0, 3), GradeDados::Branco);
        QCOMPARE(cells(frm.get()).fundo(2, 1), GradeDados::Cinza);
        QVERIFY(!named<QGroupBox>(frm.get(), "Frame1")->isVisibleTo(frm.get()));
        QCOMPARE(f_->stored("N03", 1), QStringList{"0"});  // nothing stored yet
    }

    void each_option_puts_its_pair_of_values()
    {
        const QStringList asked{"10", "5", "1", "0,2", "0,1"};
        const QStringList mirrored{"0,1", "0,2", "1", "5", "10"};
        auto frm = f_->load();
        for (int k = 1; k <= 5; ++k) {
            answer(frm.get(), 2, 3, k);
            QCOMPARE(cell(frm.get(), 1, 3), asked[k - 1]);
            QCOMPARE(cell(frm.get(), 2, 2), mirrored[k - 1]);
        }
    }

    // Keys ------------------------------------------------------------------------------------

    void a_four_criteria_matrix_answered_by_keys_alone()
    {
        f_->criterios({"A", "B", "C", "D"});
        auto frm = f_->load();
        frm->show();
        frm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frm.get()));
        auto* frame = named<QGroupBox>(frm.get(), "Frame1");
        QTableView* view = grid(frm.get());
        QCOMPARE(QApplication::focusWidget(), view);
        int presses = 0;
        const auto press = [&](Qt::Key key, Qt::KeyboardModifiers mod = {}) {
            ++presses;
            QTest::keyClick(QApplication::focusWidget(), key, mod);
        };
        // Each pair: Enter, Space or F2 asks it, an access key chooses, Alt+G stores and goes on: three
        // keys. The arrows move among the options and Space chooses the one they stand on.
        using Teclas = QList<QPair<Qt::Key, Qt::KeyboardModifiers>>;
        const Qt::KeyboardModifiers alt = Qt::AltModifier;
        struct Passo {
            QPoint celula;  // where the keyboard stands before the pair is asked
            Qt::Key abre;
            Teclas escolhe;
            int opcao;
        };
        const QList<Passo> passos{
            {{0, 2}, Qt::Key_Return, {{Qt::Key_M, alt}}, 1},                          // A × B "Muito Mais"
            {{0, 3}, Qt::Key_Space, {{Qt::Key_I, alt}}, 2},                           // A × C "Mais"
            {{0, 4}, Qt::Key_Enter, {{Qt::Key_D, alt}}, 3},                           // A × D "De forma igual"
            {{1, 3}, Qt::Key_Return, {{Qt::Key_Right, {}}, {Qt::Key_Space, {}}}, 4},  // B × C
            {{1, 4}, Qt::Key_F2, {{Qt::Key_Space, {}}}, 5},                           // B × D: opt5, where it starts
            {{2, 4}, Qt::Key_Return, {{Qt::Key_E, alt}}, 4},                          // C × D "Menos"
        };
        for (const Passo& p : passos) {
            const int antes = presses;
            QCOMPARE(view->currentIndex(), view->model()->index(p.celula.x(), p.celula.y()));
            QCOMPARE(QApplication::focusWidget(), view);
            press(p.abre);
            QVERIFY(frame->isVisible());
            QCOMPARE(cells(frm.get()).fundo(p.celula.x(), p.celula.y()), GradeDados::Amarelo);
            for (const auto& [tecla, mod] : p.escolhe) {
                for (int k = 1; k <= 5; ++k)
                    QVERIFY(!option(frm.get(), k)->isChecked());  // none chosen for the user
                press(tecla, mod);
            }
            QTRY_VERIFY2(option(frm.get(), p.opcao)->isChecked(), qPrintable(QString::number(p.opcao)));
            press(Qt::Key_G, Qt::AltModifier);
            QTRY_VERIFY(!frame->isVisible());
            QCOMPARE(presses - antes, 2 + int(p.escolhe.size()));
        }
        // Every pair answered: the keyboard stays on the last one, and the screen is left by Alt+V.
        QCOMPARE(view->currentIndex(), view->model()->index(2, 4));
        QTest::keyClick(frm.get(), Qt::Key_V, Qt::AltModifier);
        QTRY_COMPARE(frm->result(), int(QDialog::Accepted));
        QCOMPARE(f_->stored("N01", 4), QStringList({"0", "0,1", "0,2", "1"}));
        QCOMPARE(f_->stored("N02", 4), QStringList({"10", "0", "5", "10"}));
        QCOMPARE(f_->stored("N03", 4), QStringList({"5", "0,2", "0", "5"}));
        QCOMPARE(f_->stored("N04", 4), QStringList({"1", "0,1", "0,2", "0"}));
    }

    void tab_follows_the_reading_order_and_shift_tab_goes_back()
    {
        f_->criterios({"A", "B", "C"});
        auto frm = f_->load();
        frm->show();
        QVERIFY(QTest::qWaitForWindowActive(frm.get()));
        QTableView* view = grid(frm.get());
        const QStringList fechado{"MSFlexGrid1", "cmdCalcular", "cmdSair"};
        QCOMPARE(testsupport::tabChain(view), fechado);
        // A pair asked: the options (one stop: the arrows move among them), then its button.
        QTest::keyClick(view, Qt::Key_Return);
        const QStringList aberto{"opt5", "cmdGravar", "cmdCalcular", "cmdSair", "MSFlexGrid1"};
        QCOMPARE(testsupport::tabChain(option(frm.get(), 5)), aberto);
        QCOMPARE(testsupport::tabChain(option(frm.get(), 5), true),
                 QStringList({"opt5", "MSFlexGrid1", "cmdSair", "cmdCalcular", "cmdGravar"}));
    }

    void the_window_grows_with_its_grid_and_opens_again_at_the_size_it_was_left()
    {
        f_->criterios({"A", "B", "C"});
        auto frm = f_->load();
        frm->show();
        QVERIFY(QTest::qWaitForWindowExposed(frm.get()));
        QTableView* view = grid(frm.get());
        const QSize base = frm->size();
        const QSize grade = view->size();
        const int sair = named<QPushButton>(frm.get(), "cmdSair")->y();
        QCOMPARE(frm->minimumSize(), base);
        QVERIFY(frm->maximumSize().width() > base.width());
        // At the laid-out size the columns keep their own width.
        QCOMPARE(view->columnWidth(1), common::twips(350));
        const int linha = view->rowHeight(0);
        const int consistencia = named<QLabel>(frm.get(), "lblConsistencia")->width();
        frm->resize(base + QSize(300, 200));
        QTRY_COMPARE(view->size(), grade + QSize(300, 200));
        QCOMPARE(named<QPushButton>(frm.get(), "cmdSair")->y(), sair + 200);
        // The cells grow with the grid, as far as it holds them, and their banners with them.
        int largura = 0;
        for (int c = 0; c < view->model()->columnCount(); ++c)
            largura += view->columnWidth(c);
        QVERIFY(view->columnWidth(1) > common::twips(350));
        QVERIFY(view->rowHeight(0) > linha);
        QVERIFY(largura <= view->width() && largura >= view->width() - 2 * view->columnWidth(1));
        QVERIFY(3 * view->rowHeight(0) <= view->height());
        QVERIFY(std::abs(banner(frm.get(), 2)->x() - banner(frm.get(), 1)->geometry().right() - 1) <= 1);
        QVERIFY(std::abs(banner(frm.get(), 1)->x() - view->x() - view->columnViewportPosition(1)) <= 2);
        QCOMPARE(named<QLabel>(frm.get(), "lblConsistencia")->width(), consistencia + 300);
        const int coluna = view->columnWidth(1);
        named<QPushButton>(frm.get(), "cmdSair")->click();
        frm.reset();

        frm = f_->load();
        QCOMPARE(frm->size(), base + QSize(300, 200));
        QCOMPARE(grid(frm.get())->size(), grade + QSize(300, 200));
        QCOMPARE(grid(frm.get())->columnWidth(1), coluna);
    }

    void in_a_large_window_fifteen_criteria_and_their_analysis_fill_the_grid()
    {
        QStringList nomes;
        for (int k = 1; k <= 15; ++k)
            nomes << QStringLiteral("Critério %1").arg(k);
        f_->criterios(nomes);
        auto frm = f_->load();
        frm->show();
        QVERIFY(QTest::qWaitForWindowExposed(frm.get()));
        frm->resize(frm->size() + QSize(800, 300));
        QTableView* view = grid(frm.get());
        QTRY_VERIFY(view->columnWidth(1) >= common::twips(350) * 13 / 10);
        named<QPushButton>(frm.get(), "cmdCalcular")->click();
        // The result columns join in: every column still within the grid, each banner over its own.
        int largura = 0;
        for (int c = 0; c < view->model()->columnCount(); ++c)
            largura += view->columnWidth(c);
        QVERIFY(largura <= view->width());
        QVERIFY(view->columnWidth(1) > common::twips(350));
        QVERIFY(view->columnWidth(16) > common::twips(400));
        for (int k : {1, 15, 20})
            QVERIFY2(std::abs(banner(frm.get(), k)->x() - view->x() - view->columnViewportPosition(k)) <=
                         view->columnWidth(k) / 3,
                     qPrintable(QString::number(k)));
        QVERIFY(banner(frm.get(), 20)->geometry().right() < frm->width());
    }

    void after_an_answer_the_keyboard_goes_to_the_next_pair_unanswered_round_to_the_first()
    {
        f_->criterios({"A", "B", "C"});
        f_->compara(1, 3, 5);
        f_->compara(3, 1, 0.2);
        auto frm = f_->load();
        QTableView* view = grid(frm.get());
        QCOMPARE(view->currentIndex(), view->model()->index(0, 2));  // A × C is answered already
        answer(frm.get(), 2, 3, 1);                                  // B × C, the last pair, by the mouse
        QCOMPARE(view->currentIndex(), view->model()->index(0, 2));  // round to A × B
        answer(frm.get(), 1, 2, 0);                                  // no option: still unanswered, and the only one
        QCOMPARE(view->currentIndex(), view->model()->index(0, 2));
        // The clicked cell is asked as before; no option preselected.
        clickCell(frm.get(), 0, 3);
        for (int k = 1; k <= 5; ++k)
            QVERIFY(!option(frm.get(), k)->isChecked());
        QCOMPARE(named<QLabel>(frm.get(), "lblFatorY")->text(), QStringLiteral("C"));
    }

    // Saving ----------------------------------------------------------------------------------

    void no_option_empties_both_cells_and_they_are_stored_as_zero()
    {
        f_->compara(1, 3, 10);
        f_->compara(3, 1, 0.1);
        f_->compara(1, 2, 5);
        f_->compara(2, 1, 0.2);
        auto frm = f_->load();
        answer(frm.get(), 1, 3, 0);
        QCOMPARE(cell(frm.get(), 0, 3), QString());
        QCOMPARE(cell(frm.get(), 2, 1), QString());
        named<QPushButton>(frm.get(), "cmdSair")->click();
        QCOMPARE(frm->result(), int(QDialog::Accepted));
        QCOMPARE(f_->stored("N03"), QStringList{"0"} + QStringList(14, "0"));
        QCOMPARE(f_->stored("N01", 3), QStringList({"0", "0,2", "0"}));
        QCOMPARE(f_->stored("N02", 3), QStringList({"5", "0", "0"}));
    }

    void leaving_stores_the_rows_and_fields_in_use_only()
    {
        f_->execute("UPDATE Criterios SET N04 = 7, N01 = 3 WHERE Numero >= 3");
        auto frm = f_->load();  // three criteria
        answer(frm.get(), 1, 2, 4);
        named<QPushButton>(frm.get(), "cmdSair")->click();
        QCOMPARE(f_->stored("N02", 4), QStringList({"0,2", "0", "0", "0"}));
        QCOMPARE(f_->stored("N01", 4), QStringList({"0", "5", "3", "3"}));
        QCOMPARE(f_->stored("N04", 4), QStringList({"0", "0", "7", "7"}));  // beyond the count: untouched
        QCOMPARE(f_->stored("Peso", 1), QStringList{""});
    }

    void closing_the_window_otherwise_stores_nothing()
    {
        auto frm = f_->load();
        frm->show();
        QVERIFY(QTest::qWaitForWindowActive(frm.get()));
        const QStringList antes = testsupport::databaseContents(f_->programa.db);
        // Nothing answered yet: Esc closes at once.
        QTest::keyClick(frm.get(), Qt::Key_Escape);
        QVERIFY(!frm->isVisible());
        QVERIFY(common::Messages::shown().isEmpty());

        frm = f_->load();
        frm->show();
        QVERIFY(QTest::qWaitForWindowActive(frm.get()));
        answer(frm.get(), 1, 2, 1);
        QCOMPARE(cell(frm.get(), 0, 2), QStringLiteral("10"));
        // An answer not stored: Esc asks first, No by default, and No keeps the screen and its answer.
        QTest::keyClick(frm.get(), Qt::Key_Escape);
        QCOMPARE(testsupport::shownTitles(), QStringList{"Descartar alterações?"});
        QCOMPARE(lastMessage().defaultButton, QMessageBox::No);
        QVERIFY(frm->isVisible());
        QCOMPARE(cell(frm.get(), 0, 2), QStringLiteral("10"));
        // The window's close button asks the same; Yes discards.
        common::Messages::answerNext(QMessageBox::Yes);
        frm->close();
        QCOMPARE(common::Messages::shown().size(), 2);
        QVERIFY(!frm->isVisible());
        frm.reset();
        QCOMPARE(testsupport::databaseContents(f_->programa.db), antes);
    }

    // The rules, without the screen ---------------------------------------------------------

    void the_table_is_checked_against_the_count_without_a_window()
    {
        using kivo::comparacoes::Recusa;
        common::Recordset tabela = kivo::comparacoes::abreTabela(f_->programa.db);
        QCOMPARE(kivo::comparacoes::quantidade(tabela), 3);  // an empty count
        QCOMPARE(kivo::comparacoes::verificaTabela(f_->programa.db, 15).tipo, Recusa::Nenhuma);
        for (int n : {0, 16}) {
            const Recusa r = kivo::comparacoes::verificaTabela(f_->programa.db, n);
            QCOMPARE(r.tipo, Recusa::Quantidade);
            QCOMPARE(r.quantidade, n);
        }
        f_->execute("ALTER TABLE Criterios DROP COLUMN N04");
        QCOMPARE(kivo::comparacoes::verificaTabela(f_->programa.db, 3).tipo, Recusa::Nenhuma);
        const Recusa campo = kivo::comparacoes::verificaTabela(f_->programa.db, 4);
        QCOMPARE(campo.tipo, Recusa::Campo);
        QCOMPARE(campo.campo, QStringLiteral("N04"));

        f_->execute("DELETE FROM Criterios WHERE Numero > 4");
        common::Recordset linhas = common::Recordset::openWhere(f_->programa.db, kivo::comparacoes::consultaLinhas());
        QCOMPARE(kivo::comparacoes::verificaRegistros(linhas, 4).tipo, Recusa::Nenhuma);
        const Recusa registros = kivo::comparacoes::verificaRegistros(linhas, 6);
        QCOMPARE(registros.tipo, Recusa::Registros);
        QCOMPARE(registros.registros, 4);
        QCOMPARE(registros.quantidade, 6);
    }

    void the_rows_are_read_and_written_without_a_window()
    {
        f_->criterios({"A", "B"});
        f_->execute("UPDATE Criterios SET Identifica = NULL WHERE Numero = 3");
        f_->compara(1, 2, 5);
        f_->compara(2, 1, -1);  // none below zero
        f_->compara(1, 3, 0.2);
        f_->execute("UPDATE Criterios SET Peso = 3");
        common::Recordset linhas = common::Recordset::openWhere(f_->programa.db, kivo::comparacoes::consultaLinhas());
        const kivo::comparacoes::Gravados lidos = kivo::comparacoes::le(linhas, 3);
        QCOMPARE(lidos.nomes, (QList<std::optional<QString>>{QStringLiteral("A"), QStringLiteral("B"), std::nullopt}));
        QCOMPARE(lidos.comparacoes, (std::vector<std::vector<double>>{{0, 5, 0.2}, {0, 0, 0}, {0, 0, 0}}));

        // The matrix as the grid shows it, in the user's locale; an empty cell is stored as 0.
        kivo::comparacoes::grava(f_->programa.db, linhas, {{"", "0,2"}, {"5", ""}});
        QCOMPARE(f_->stored("N01", 3), QStringList({"0", "5", "0"}));
        QCOMPARE(f_->stored("N02", 3), QStringList({"0,2", "0", "0"}));
        QCOMPARE(f_->stored("N03", 1), QStringList{"0,2"});        // beyond the matrix: untouched
        QCOMPARE(f_->stored("Peso", 2), QStringList({"3", "3"}));  // the comparisons alone

        const kivo::comparacoes::Pesos pesos{{"-1,00", "4,00"}, {"10,00", ""}};
        kivo::comparacoes::grava(f_->programa.db, linhas, {{"", "0,2"}, {"5", ""}}, &pesos);
        QCOMPARE(f_->stored("Emach", 2), QStringList({"-1", "4"}));
        QCOMPARE(f_->stored("PesoFinal", 2), QStringList({"10", "0"}));
        QCOMPARE(f_->stored("Peso", 2), QStringList({"10", ""}));
    }

    void an_analysis_stores_all_it_wrote_or_nothing()
    {
        f_->execute("UPDATE Criterios SET Peso = 3");
        common::Recordset linhas = common::Recordset::openWhere(f_->programa.db, kivo::comparacoes::consultaLinhas());
        const QStringList antes = testsupport::databaseContents(f_->programa.db);
        {
            kivo::comparacoes::GravacaoAnalise gravacao(f_->programa.db, linhas, {{"", "10"}, {"0,1", ""}});
            QCOMPARE(f_->stored("N02", 1), QStringList{"10"});
            gravacao.gravaPesos({{"", "10"}, {"0,1", ""}}, {{"-1,00", "4,00"}, {"10,00", "1,00"}});
        }
        QCOMPARE(testsupport::databaseContents(f_->programa.db), antes);  // not concluded: undone
        {
            kivo::comparacoes::GravacaoAnalise gravacao(f_->programa.db, linhas, {{"", "10"}, {"0,1", ""}});
            gravacao.conclui();
        }
        QCOMPARE(f_->stored("N02", 2), QStringList({"10", "0"}));
        QCOMPARE(f_->stored("Peso", 1), QStringList{"3"});  // the comparisons alone
    }
};

QTEST_MAIN(TestComparacao)
#include "test_comparacao.moc"
