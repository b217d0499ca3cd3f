// The list screens driven as the user drives them: keys typed into the boxes, buttons pressed by
// their access keys and by the mouse. A button never skips the check of the box the focus is in.

#include "tests/kivo/lists/listfixture.h"

#include <QApplication>

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

    void a_wrong_sign_is_never_saved_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("Alt+G") << true;
        QTest::newRow("mouse") << false;
    }

    void a_wrong_sign_is_never_saved()
    {
        QFETCH(bool, byKey);
        auto frm = open("frmCriterios");
        auto* sinal = at<QLineEdit>(frm.get(), "txtSinal", 1);
        retype(sinal, "x");
        press(frm.get(), byKey, 'g', "cmdSair");
        QCOMPARE(shownTitles(), QStringList{"Só aceito + ou -"});
        QCOMPARE(testsupport::lastMessage().text, QStringLiteral("Sinal do item 02 não informado corretamente"));
        QVERIFY(frm->isVisible());
        QCOMPARE(f_->stored("Criterios", "Sinal"), QStringList(15, "+"));
        QCOMPARE(sinal->text(), QString());

        QTest::keyClicks(sinal, "-");
        press(frm.get(), byKey, 'g', "cmdSair");
        QCOMPARE(common::Messages::shown().size(), 1);
        QCOMPARE(frm->result(), int(QDialog::Accepted));
        QCOMPARE(f_->stored("Criterios", "Sinal"), QStringList({"+", "-"}) + QStringList(13, "+"));
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
            const QStringList seen = whileOpen([&] { press(frm.get(), byKey, 'a', "cmdAjuda"); }, [&](QDialog& ajuda) {
                ajuda.show();
                if (!QTest::qWaitForWindowActive(&ajuda))
                    return QStringList{"inactive"};
                press(&ajuda, byKey, 'v', "cmdSair");
                return QStringList{ajuda.objectName(), QString::number(ajuda.isVisible())};
            });
            QCOMPARE(seen, QStringList({"frmCriteriosAj", "0"}));
        }
        QVERIFY(common::Messages::shown().isEmpty());

        accessKey(frm.get(), 'l');
        QVERIFY(common::Messages::shown().isEmpty());  // cleared without asking
        QCOMPARE(f_->stored("Criterios", "Identifica"), QStringList(15, ""));
        retype(at<QLineEdit>(frm.get(), "txtIdentifica", 2), "Prazo");
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
