#include "davo/screens/frmGravidade.h"
#include "davo/screens/frmTendencia.h"

#include "common/formats.h"
#include "tests/support/testsupport.h"

#include <QFrame>
#include <QLabel>
#include <QRadioButton>

using testsupport::lastMessage;
using testsupport::named;

class TestQuestionarios : public QObject {
    Q_OBJECT

    // Answers statements 1 to `ate` with `coluna`, statement 11 with `custos`.
    static void responde(davo::frmGravidade& f, int coluna, int custos, int ate = 14)
    {
        for (int q = 1; q <= ate; ++q)
            f.opcao(q, q == 11 ? custos : coluna)->click();
    }

    static QString texto(QObject* f, const char* nome) { return named<QLabel>(f, QLatin1String(nome))->text(); }

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }
    void init() { testsupport::resetPlatform(); }

    void the_gravity_window()
    {
        davo::frmGravidade f(nullptr);
        QCOMPARE(f.windowTitle(), QStringLiteral("Gravidade"));
        QFrame* frame1 = named<QFrame>(&f, "Frame1");
        QCOMPARE(texto(frame1, "Label21"), QStringLiteral("Gravidade (potenciais danos; seriedade do problema)"));
        QCOMPARE(texto(frame1, "Label18"), QStringLiteral("DT    D      I"));
        QCOMPARE(texto(named<QFrame>(frame1, "Frame2"), "Label2"), QStringLiteral("       C     CT"));
        QVERIFY(named<QLabel>(frame1, "Label18")->toolTip().contains(QStringLiteral("DT: Discordo totalmente")));
        QVERIFY(named<QLabel>(frame1, "Label2")->toolTip().contains(QStringLiteral("CT: Concordo totalmente")));
        QCOMPARE(texto(frame1, "lblQuestao(8)"), QStringLiteral("acabará or gerar outros problemas"));
        for (int q = 1; q <= 14; ++q) {
            // Rows 1 to 13 each in a frame of their own, the last one on the main frame.
            QWidget* dono = q < 14 ? named<QFrame>(frame1, QStringLiteral("Frame%1").arg(q + 2)) : frame1;
            for (int a = 1; a <= 5; ++a) {
                auto* opt = dono->findChild<QRadioButton*>(QStringLiteral("opt%1(%2)").arg(q).arg(a),
                                                           Qt::FindDirectChildrenOnly);
                QVERIFY(opt && opt == f.opcao(q, a) && opt->text().isEmpty() && !opt->isChecked());
            }
        }
    }

    void gravity_scores_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("coluna");
        QTest::addColumn<int>("custos");
        QTest::addColumn<QString>("mostra");
        QTest::newRow("column 1, pt_BR") << "pt_BR" << 1 << 1 << "1,0";
        QTest::newRow("column 1, en_US") << "en_US" << 1 << 1 << "1.0";
        QTest::newRow("column 5") << "pt_BR" << 5 << 5 << "5,0";
        QTest::newRow("column 3") << "en_US" << 3 << 3 << "3.0";
        QTest::newRow("costs at 5, pt_BR") << "pt_BR" << 1 << 5 << "1,7";
        QTest::newRow("costs at 5, en_US") << "en_US" << 1 << 5 << "1.7";
    }

    void gravity_scores()
    {
        QFETCH(QString, locale);
        QFETCH(int, coluna);
        QFETCH(int, custos);
        QFETCH(QString, mostra);
        common::setUserLocale(QLocale(locale));
        QLabel lblG;
        davo::frmGravidade f(&lblG);
        responde(f, coluna, custos);
        QCOMPARE(texto(&f, "lblNG1"), mostra);
        f.cmdGravar_Click();
        QCOMPARE(lblG.text(), mostra);
        QVERIFY(common::Messages::shown().isEmpty());
        QCOMPARE(f.result(), int(QDialog::Accepted));
    }

    void answers_are_exclusive_per_question_and_recomputed()
    {
        davo::frmGravidade f(nullptr);
        responde(f, 1, 1);
        QCOMPARE(texto(&f, "lblNG1"), QStringLiteral("1,0"));
        f.opcao(11, 5)->click();
        QCOMPARE(texto(&f, "lblNG1"), QStringLiteral("1,7"));
        QVERIFY(!f.opcao(11, 1)->isChecked() && f.opcao(10, 1)->isChecked() && f.opcao(12, 1)->isChecked());
    }

    void thirteen_answers_give_no_gravity()
    {
        QLabel lblG(QStringLiteral("4,2"));  // what the new-activity screen showed before
        davo::frmGravidade f(&lblG);
        f.show();
        responde(f, 5, 5, 13);
        QCOMPARE(texto(&f, "lblNG1"), QString());
        f.cmdGravar_Click();
        QCOMPARE(lastMessage().icon, QMessageBox::Warning);
        QCOMPARE(lastMessage().title, QStringLiteral("Faltou calcular a Gravidade!"));
        QCOMPARE(lastMessage().text, QStringLiteral("Antes de salvar, calcule a Gravidade dessa nova atividade."));
        QCOMPARE(lblG.text(), QStringLiteral("4,2"));
        QVERIFY(!f.isVisible());
    }

    void the_tendency_choice()
    {
        QLabel lblT;
        davo::frmTendencia f(&lblT);
        QCOMPARE(f.windowTitle(), QString());
        QFrame* frame17 = named<QFrame>(&f, "Frame17");
        QCOMPARE(texto(named<QFrame>(frame17, "Frame22"), "Label32"), QStringLiteral("    T"));
        QCOMPARE(texto(frame17, "lblDanos(2)"), QStringLiteral("Os danos se manterão, independentemente do tempo:"));
        for (int i = 1; i <= 5; ++i)
            QCOMPARE(named<QRadioButton>(frame17, QStringLiteral("optT1(%1)").arg(i)), f.opcao(i));
        f.opcao(4)->click();
        QCOMPARE(texto(&f, "lblNG2"), QStringLiteral("4"));
        f.opcao(2)->click();
        QCOMPARE(texto(&f, "lblNG2"), QStringLiteral("2"));
        f.cmdGravar_Click();
        QCOMPARE(lblT.text(), QStringLiteral("2"));

        davo::frmTendencia vazia(&lblT);  // every opening starts with nothing chosen
        QCOMPARE(texto(&vazia, "lblNG2"), QString());
        vazia.cmdGravar_Click();
        QCOMPARE(lastMessage().title, QStringLiteral("Faltou calcular a Tendência!"));
        QCOMPARE(lastMessage().text, QStringLiteral("Antes de salvar, volte e Calcule a Tendência"));
        QCOMPARE(lblT.text(), QStringLiteral("2"));
    }

    void closing_the_window_hands_nothing_over()
    {
        QLabel lblG, lblT;
        davo::frmGravidade g(&lblG);
        g.show();
        responde(g, 2, 2);
        g.close();
        davo::frmTendencia t(&lblT);
        t.show();
        t.opcao(3)->click();
        t.close();
        QCOMPARE(lblG.text() + lblT.text(), QString());
    }

    // Tab goes round each questionnaire in reading order, one stop per group of options.
    void tab_follows_the_reading_order()
    {
        QLabel destino;
        davo::frmGravidade gravidade(&destino);
        gravidade.show();
        QVERIFY(QTest::qWaitForWindowActive(&gravidade));
        QStringList questoes;
        for (int q = 1; q <= 14; ++q)
            questoes << QStringLiteral("opt%1(1)").arg(q);
        QCOMPARE(testsupport::tabOrder(&gravidade, named<QWidget>(&gravidade, "opt1(1)")),
                 questoes << QStringLiteral("cmdGravar"));
        davo::frmTendencia tendencia(&destino);
        tendencia.show();
        QVERIFY(QTest::qWaitForWindowActive(&tendencia));
        QCOMPARE(testsupport::tabOrder(&tendencia, named<QWidget>(&tendencia, "optT1(1)")),
                 (QStringList{"optT1(1)", "cmdGravar"}));
    }
};

QTEST_MAIN(TestQuestionarios)
#include "test_questionarios.moc"
