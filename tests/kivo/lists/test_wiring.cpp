// The list screens driven as the user drives them: keys typed into the boxes, buttons pressed by
// their access keys and by the mouse. A button never skips the check of the box the focus is in.

#include "tests/kivo/lists/listfixture.h"

#include <QApplication>
#include <QRegularExpression>

using testsupport::accessKey;
using testsupport::shownTitles;

class TestListWiring : public QObject {
    Q_OBJECT

    std::unique_ptr<ListFixture> f_;

    std::unique_ptr<QDialog> open(const QString& screen)
    {
        auto frm = f_->load(screen);
        frm->show();
        if (!QTest::qWaitForWindowActive(frm.get()))
            qWarning("the screen did not become active");
        return frm;
    }

    // Retypes a box as the user does: into it with the mouse, everything selected, the new text.
    static void retype(QLineEdit* box, const QString& text)
    {
        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        QTest::keyClicks(box, text);
    }

    static void press(QDialog* frm, bool byKey, char key, const char* button)
    {
        if (byKey)
            accessKey(frm, key);
        else
            QTest::mouseClick(named<QPushButton>(frm, button), Qt::LeftButton);
    }

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }
    void init()
    {
        testsupport::startTest(f_);
        f_->execute("UPDATE Alternativas SET Qtde = 4, Alternativa = 'A'");
        f_->execute("UPDATE Criterios SET Qtde = 4, Identifica = 'C', Sinal = '+'");
    }
    void cleanup() { testsupport::endTest(f_); }

    void a_refused_count_is_never_saved_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<QString>("title");
        const QString a("frmAlternativas"), c("frmCriterios");
        const QString ta("Qtde de Alternativas não aceita!"), tc("Qtde de Critérios não aceita!");
        QTest::newRow("alternatives, Alt+G") << a << true << ta;
        QTest::newRow("alternatives, mouse") << a << false << ta;
        QTest::newRow("criteria, Alt+G") << c << true << tc;
        QTest::newRow("criteria, mouse") << c << false << tc;
    }

    void a_refused_count_is_never_saved()
    {
        QFETCH(QString, screen);
        QFETCH(bool, byKey);
        QFETCH(QString, title);
        auto frm = open(screen);
        retype(qtdeBox(frm.get()), "99");
        press(frm.get(), byKey, 'g', "cmdSair");
        QCOMPARE(shownTitles(), QStringList{title});  // once
        QVERIFY(frm->isVisible());
        QCOMPARE(frm->result(), int(QDialog::Rejected));
        QCOMPARE(f_->stored(screen.mid(3), "Qtde"), QStringList(15, "4"));
        QCOMPARE(QApplication::focusWidget(), qtdeBox(frm.get()));
        QCOMPARE(qtdeBox(frm.get())->text(), QString());

        // Letters are refused without a word; the screen stays open all the same.
        QTest::keyClicks(qtdeBox(frm.get()), "dez");
        press(frm.get(), byKey, 'g', "cmdSair");
        QCOMPARE(common::Messages::shown().size(), 1);
        QVERIFY(frm->isVisible());
        QCOMPARE(f_->stored(screen.mid(3), "Qtde"), QStringList(15, "4"));

        QTest::keyClicks(qtdeBox(frm.get()), "5");
        press(frm.get(), byKey, 'g', "cmdSair");
        QCOMPARE(common::Messages::shown().size(), 1);
        QCOMPARE(frm->result(), int(QDialog::Accepted));
        QCOMPARE(f_->stored(screen.mid(3), "Qtde"), QStringList(5, "5") + QStringList(10, "4"));
    }

    void a_wrong_sign_neither_blocks_nor_loops_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("Alt+G") << true;
        QTest::newRow("mouse") << false;
    }

    // The sign box is checked before the save only: help and the clear run at once, with no
    // message, however often they are pressed; the save shows the message once, empties the box
    // and saves all the same (the result computation refuses the missing sign).
    void a_wrong_sign_neither_blocks_nor_loops()
    {
        QFETCH(bool, byKey);
        auto frm = open("frmCriterios");
        auto* sinal = at<QLineEdit>(frm.get(), "txtSinal", 1);
        retype(sinal, "x");
        for (int vez = 0; vez < 2; ++vez) {
            const QStringList seen = whileOpen([&] { press(frm.get(), byKey, 'a', "cmdAjuda"); },
                                               [](QDialog& ajuda) { return QStringList{ajuda.objectName()}; });
            QCOMPARE(seen, QStringList{"frmCriteriosAj"});
        }
        QVERIFY(common::Messages::shown().isEmpty());
        QCOMPARE(QApplication::focusWidget(), sinal);
        const QStringList antes = testsupport::databaseContents(f_->programa.db);
        common::Messages::answerNext(QMessageBox::No);
        press(frm.get(), byKey, 'l', "cmdLimpar");
        QCOMPARE(shownTitles(), QStringList{"Limpar histórico anterior"});  // the clear's own question
        QCOMPARE(testsupport::databaseContents(f_->programa.db), antes);
        common::Messages::clearShown();

        press(frm.get(), byKey, 'g', "cmdSair");
        QCOMPARE(shownTitles(), QStringList{"Só aceito + ou -"});
        QCOMPARE(testsupport::lastMessage().text, QStringLiteral("Sinal do item 02 não informado corretamente"));
        QCOMPARE(frm->result(), int(QDialog::Accepted));
        QCOMPARE(sinal->text(), QString());
        QStringList depois = antes;
        for (int i = 0; i < depois.size(); ++i)
            if (depois[i].startsWith("Criterios: ") && depois[i].contains(QRegularExpression("[:,] Numero=2(,|$)")))
                depois[i].replace("Sinal=+", "Sinal=");
        QCOMPARE(testsupport::databaseContents(f_->programa.db), depois);
    }

    void an_untouched_count_of_0_saves_nothing_and_closes_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("Alt+G") << true;
        QTest::newRow("mouse") << false;
    }

    // After a clear the stored count is 0: "Gravar e Sair" closes at once and writes nothing. A
    // count refused and emptied by its check does not refuse the save either: the count in force is
    // saved.
    void an_untouched_count_of_0_saves_nothing_and_closes()
    {
        QFETCH(bool, byKey);
        f_->execute("UPDATE Alternativas SET Qtde = 0, Alternativa = ''");
        auto frm = open("frmAlternativas");
        QCOMPARE(qtdeBox(frm.get())->text(), QStringLiteral("0"));
        qtdeBox(frm.get())->setFocus();
        const QStringList antes = testsupport::databaseContents(f_->programa.db);
        press(frm.get(), byKey, 'g', "cmdSair");
        QVERIFY(common::Messages::shown().isEmpty());
        QCOMPARE(frm->result(), int(QDialog::Accepted));
        QVERIFY(!frm->isVisible());
        QCOMPARE(testsupport::databaseContents(f_->programa.db), antes);

        frm = open("frmAlternativas");
        retype(qtdeBox(frm.get()), "2");
        press(frm.get(), byKey, 'g', "cmdSair");
        QCOMPARE(shownTitles(), QStringList{"Qtde de Alternativas não aceita!"});
        QVERIFY(frm->isVisible());
        press(frm.get(), byKey, 'g', "cmdSair");
        QCOMPARE(common::Messages::shown().size(), 1);
        QCOMPARE(frm->result(), int(QDialog::Accepted));
        QCOMPARE(testsupport::databaseContents(f_->programa.db), antes);
    }

    // Both clears ask first, with No as the default button; No changes nothing.
    void every_clear_asks_and_defaults_to_no()
    {
        for (const QString screen : {"frmCriterios", "frmAlternativas"}) {
            common::Messages::clearShown();
            auto frm = open(screen);
            const QStringList antes = testsupport::databaseContents(f_->programa.db);
            QTest::mouseClick(named<QPushButton>(frm.get(), "cmdLimpar"), Qt::LeftButton);
            QCOMPARE(shownTitles(), QStringList{"Limpar histórico anterior"});
            QCOMPARE(lastMessage().text, QStringLiteral("Confirma a limpeza?"));
            QCOMPARE(lastMessage().buttons, QMessageBox::Yes | QMessageBox::No);
            QCOMPARE(lastMessage().defaultButton, QMessageBox::No);
            QCOMPARE(testsupport::databaseContents(f_->programa.db), antes);
            QCOMPARE(at<QLineEdit>(frm.get(), screen == "frmCriterios" ? "txtIdentifica" : "txtAlternativa", 0)->text(),
                     QString(screen == "frmCriterios" ? "C" : "A"));
            common::Messages::answerNext(QMessageBox::Yes);
            accessKey(frm.get(), 'l');
            QCOMPARE(f_->stored(screen.mid(3), screen == "frmCriterios" ? "Identifica" : "Alternativa"),
                     QStringList(15, ""));
        }
    }

    void esc_asks_before_text_not_stored_is_lost_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("box");
        QTest::newRow("alternatives") << "frmAlternativas"
                                      << "txtAlternativa(1)";
        QTest::newRow("criteria") << "frmCriterios"
                                  << "txtIdentifica(2)";
        QTest::newRow("criteria count") << "frmCriterios"
                                        << "txtQtde";
    }

    // Esc or the close button with nothing typed closes at once; with text typed and not stored it
    // asks, No (the default) keeps the screen and the text, Yes closes and stores nothing.
    void esc_asks_before_text_not_stored_is_lost()
    {
        QFETCH(QString, screen);
        QFETCH(QString, box);
        const QStringList antes = testsupport::databaseContents(f_->programa.db);
        auto frm = open(screen);
        QTest::keyClick(frm.get(), Qt::Key_Escape);
        QVERIFY(!frm->isVisible());
        QVERIFY(common::Messages::shown().isEmpty());

        frm = open(screen);
        retype(named<QLineEdit>(frm.get(), box), "5");
        QTest::keyClick(named<QLineEdit>(frm.get(), box), Qt::Key_Escape);
        QCOMPARE(shownTitles(), QStringList{"Descartar alterações?"});
        QCOMPARE(lastMessage().defaultButton, QMessageBox::No);
        QVERIFY(frm->isVisible());
        QCOMPARE(named<QLineEdit>(frm.get(), box)->text(), QStringLiteral("5"));
        common::Messages::answerNext(QMessageBox::Yes);
        frm->close();
        QVERIFY(!frm->isVisible());
        QCOMPARE(shownTitles(), QStringList(2, "Descartar alterações?"));  // no check on the way out
        QCOMPARE(testsupport::databaseContents(f_->programa.db), antes);
    }

    void tab_follows_the_reading_order_and_shift_tab_goes_back_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("alternatives") << "frmAlternativas"
                                      << QStringList{"txtQtde",           "txtAlternativa(0)", "txtAlternativa(1)",
                                                     "txtAlternativa(2)", "txtAlternativa(3)", "cmdSair",
                                                     "cmdLimpar"};
        QTest::newRow("criteria") << "frmCriterios"
                                  << QStringList{"txtQtde",     "txtIdentifica(0)", "txtSinal(0)", "txtIdentifica(1)",
                                                 "txtSinal(1)", "txtIdentifica(2)", "txtSinal(2)", "txtIdentifica(3)",
                                                 "txtSinal(3)", "cmdSair",          "cmdLimpar",   "cmdAjuda"};
    }

    void tab_follows_the_reading_order_and_shift_tab_goes_back()
    {
        QFETCH(QString, screen);
        QFETCH(QStringList, order);
        auto frm = open(screen);
        QWidget* first = named<QWidget>(frm.get(), order.front());
        QCOMPARE(testsupport::tabChain(first), order);
        QStringList back{order.front()};
        for (qsizetype i = order.size() - 1; i > 0; --i)
            back << order[i];
        QCOMPARE(testsupport::tabChain(first, true), back);
        QVERIFY(common::Messages::shown().isEmpty());
    }

    void every_button_of_the_alternatives_screen()
    {
        auto frm = open("frmAlternativas");
        common::Messages::answerNext(QMessageBox::No);
        accessKey(frm.get(), 'l');
        QCOMPARE(shownTitles(), QStringList{"Limpar histórico anterior"});
        QCOMPARE(f_->stored("Alternativas", "Alternativa").first(), QStringLiteral("A"));
        common::Messages::answerNext(QMessageBox::Yes);
        QTest::mouseClick(named<QPushButton>(frm.get(), "cmdLimpar"), Qt::LeftButton);
        QCOMPARE(common::Messages::shown().size(), 2);
        QCOMPARE(f_->stored("Alternativas", "Alternativa"), QStringList(15, ""));

        retype(at<QLineEdit>(frm.get(), "txtAlternativa", 0), "Nova");
        accessKey(frm.get(), 'g');
        QCOMPARE(frm->result(), int(QDialog::Accepted));
        QCOMPARE(f_->stored("Alternativas", "Alternativa").first(), QStringLiteral("Nova"));
    }

    void every_button_of_the_criteria_screen()
    {
        auto frm = open("frmCriterios");
        // Help, by key and by mouse; its Voltar the same.
        for (bool byKey : {true, false}) {
            const QStringList seen =
                whileOpen([&] { press(frm.get(), byKey, 'a', "cmdAjuda"); },
                          [&](QDialog& ajuda) {
                              ajuda.show();
                              if (!QTest::qWaitForWindowActive(&ajuda))
                                  return QStringList{"inactive"};
                              press(&ajuda, byKey, 'v', "cmdSair");
                              return QStringList{ajuda.objectName(), QString::number(ajuda.isVisible())};
                          });
            QCOMPARE(seen, QStringList({"frmCriteriosAj", "0"}));
        }
        QVERIFY(common::Messages::shown().isEmpty());

        common::Messages::answerNext(QMessageBox::Yes);
        accessKey(frm.get(), 'l');
        QCOMPARE(shownTitles(), QStringList{"Limpar histórico anterior"});
        QCOMPARE(f_->stored("Criterios", "Identifica"), QStringList(15, ""));
        retype(at<QLineEdit>(frm.get(), "txtIdentifica", 2), "Prazo");
        common::Messages::answerNext(QMessageBox::Yes);
        QTest::mouseClick(named<QPushButton>(frm.get(), "cmdLimpar"), Qt::LeftButton);
        QCOMPARE(at<QLineEdit>(frm.get(), "txtIdentifica", 2)->text(), QString());

        retype(at<QLineEdit>(frm.get(), "txtIdentifica", 0), "Custo");
        retype(at<QLineEdit>(frm.get(), "txtSinal", 0), "-");
        QTest::mouseClick(named<QPushButton>(frm.get(), "cmdSair"), Qt::LeftButton);
        QCOMPARE(frm->result(), int(QDialog::Accepted));
        QCOMPARE(f_->stored("Criterios", "Identifica").first(), QStringLiteral("Custo"));
        QCOMPARE(f_->stored("Criterios", "Sinal").first(), QStringLiteral("-"));
    }
};

QTEST_MAIN(TestListWiring)
#include "test_wiring.moc"
