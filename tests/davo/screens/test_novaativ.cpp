#include "davo/data/database.h"
#include "davo/data/prazos.h"
#include "davo/screens/frmGravidade.h"
#include "davo/screens/frmNovaAtiv.h"
#include "davo/screens/frmTendencia.h"

#include "common/formats.h"
#include "common/maskeddatebox.h"
#include "common/store.h"
#include "tests/davo/davofixture.h"
#include "tests/support/testsupport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using testsupport::lastMessage;
using testsupport::named;
using testsupport::shownTitles;
using testsupport::Today;

namespace {

// The new-activity screen, and the user who answers its questionnaires when they open.
class NovaAtiv : public davo::frmNovaAtiv {
public:
    explicit NovaAtiv(davo::Programa& programa) : frmNovaAtiv(programa)
    {
        common::Modal::setTestHandler([this](QDialog& d) { return responde(d); });
    }
    ~NovaAtiv() override { common::Modal::setTestHandler({}); }

    int gravidade = 1;  // the column of every gravity answer but the additional costs'
    int custos = 5;     // gravity 1.7 with the rest at 1
    int tendencia = 4;
    bool grava = true;         // false: the questionnaire is closed by its frame button
    bool semRespostas = true;  // every opening started unanswered

    void preenche(const QString& dataFinal, const QString& est, const QString& trab,
                  const QString& atividade = QStringLiteral("Relatório de custos"), const QString& obs = {})
    {
        findChild<QLineEdit*>("txtAtividade")->setText(atividade);
        findChild<common::MaskedDateBox*>("mskDtFinal")->setText(dataFinal);
        findChild<QLineEdit*>("txtHorasEst")->setText(est);
        findChild<QLineEdit*>("txtHorasJaTrab")->setText(trab);
        findChild<QLineEdit*>("txtObs")->setText(obs);
    }
    QString texto(const char* nome) { return findChild<QLabel*>(QLatin1String(nome))->text(); }
    QString data() { return findChild<common::MaskedDateBox*>("mskDtFinal")->Text(); }

private:
    int responde(QDialog& questionario)
    {
        questionario.show();
        if (auto* g = qobject_cast<davo::frmGravidade*>(&questionario)) {
            for (int q = 1; q <= 14; ++q) {
                for (int a = 1; a <= 5; ++a)
                    semRespostas = semRespostas && !g->opcao(q, a)->isChecked();
                g->opcao(q, q == 11 ? custos : gravidade)->click();
            }
            grava ? g->cmdGravar_Click() : void(g->close());
        } else if (auto* t = qobject_cast<davo::frmTendencia*>(&questionario)) {
            t->opcao(tendencia)->click();
            grava ? t->cmdGravar_Click() : void(t->close());
        }
        return questionario.result();
    }
};

QString dia(int dias)
{
    return common::dateText(Today.addDays(dias));
}

}  // namespace

class TestNovaAtiv : public QObject {
    Q_OBJECT

    std::unique_ptr<DavoFixture> f_;

    common::Recordset atividades()
    {
        return common::Recordset::openTable(f_->programa.db, QStringLiteral("Atividades"));
    }

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }

    void init() { testsupport::startTest(f_); }

    void cleanup() { testsupport::endTest(f_); }

    // Esc or the close button never throws away what was typed without asking, No the default;
    // an empty screen and "&Voltar" close at once, storing nothing.
    void esc_asks_before_it_discards_what_was_typed()
    {
        NovaAtiv f(f_->programa);
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QTest::keyClick(&f, Qt::Key_Escape);
        QVERIFY(!f.isVisible());
        QVERIFY(common::Messages::shown().isEmpty());

        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QTest::keyClicks(named<QLineEdit>(&f, "txtAtividade"), QStringLiteral("Orcamento"));
        QTest::keyClick(&f, Qt::Key_Escape);  // answered No
        QVERIFY(f.isVisible());
        QCOMPARE(shownTitles(), QStringList{"Descartar alterações?"});
        QCOMPARE(lastMessage().defaultButton, QMessageBox::No);
        QCOMPARE(named<QLineEdit>(&f, "txtAtividade")->text(), QStringLiteral("Orcamento"));
        QVERIFY(!f.close());
        QVERIFY(f.isVisible());
        common::Messages::answerNext(QMessageBox::Yes);
        QTest::keyClick(&f, Qt::Key_Escape);
        QVERIFY(!f.isVisible());

        common::Messages::clearShown();
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        named<QLabel>(&f, "lblG")->setText(QStringLiteral("3,0"));  // a rating counts as an answer
        QTest::mouseClick(named<QPushButton>(&f, "Command1"), Qt::LeftButton);
        QVERIFY(!f.isVisible());
        QVERIFY(common::Messages::shown().isEmpty());
        QCOMPARE(atividades().recordCount(), 0);
    }

    void nothing_filled_in_is_refused()
    {
        NovaAtiv f(f_->programa);
        QCOMPARE(f.windowTitle(), QStringLiteral("Inclusão de Nova Atividade"));
        QCOMPARE(f.data(), QStringLiteral("__/__/____"));
        QCOMPARE(f.texto("lblG") + f.texto("lblT") + f.texto("lblU") + f.texto("lblGUT"), QString());
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        named<QPushButton>(&f, "cmdGravar")->setFocus();
        f.cmdGravar_Click();
        QCOMPARE(shownTitles(),
                 QStringList({"Falta calcular a Tendência!", "Falta calcular a Gravidade!",
                              "Falta digitar o número de horas já trabalhadas!", "Falta Data Final da Atividade!"}));
        const auto& shown = common::Messages::shown();
        QCOMPARE(shown[0].text,
                 QStringLiteral("Primeiro calcule o valor da Tendência, para depois poder salvar a nova tarefa"));
        QCOMPARE(shown[1].text,
                 QStringLiteral("Primeiro calcule o valor da Gravidade, para depois poder salvar a nova tarefa"));
        QCOMPARE(shown[2].text,
                 QStringLiteral(
                     "Primeiro coloque o valor das horas já trabalhadas, para depois poder salvar a nova tarefa"));
        QCOMPARE(shown[3].text, QStringLiteral("Digite a Data Final para depois poder salvar a nova tarefa"));
        QCOMPARE(shown[3].icon, QMessageBox::Warning);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtHorasJaTrab"));
        QCOMPARE(atividades().recordCount(), 0);

        // Gravity and tendency shown, but never turned into a score.
        common::Messages::clearShown();
        f.preenche(dia(10), "30", "0");
        named<QLabel>(&f, "lblG")->setText(QStringLiteral("3,0"));
        named<QLabel>(&f, "lblT")->setText(QStringLiteral("2"));
        f.cmdGravar_Click();
        QCOMPARE(shownTitles(), QStringList{"Falta calcular o GUT!"});
        QCOMPARE(lastMessage().text,
                 QStringLiteral("Primeiro calcule a Gravidade e a Tendência, para depois poder salvar a nova tarefa"));
        QCOMPARE(atividades().recordCount(), 0);
    }

    void an_entry_is_stored_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("dias");
        QTest::addColumn<QString>("est");
        QTest::addColumn<QString>("trab");
        QTest::addColumn<QString>("u");
        QTest::addColumn<QString>("gut");
        QTest::addColumn<QList<double>>("figuras");  // FaltamDias, TempoDisp, HorasQFaltam, HorasTrabDia
        // 30 hours still to work in the 60 available: x = 0.5, urgency 3.
        QTest::newRow("ten days, pt_BR") << "pt_BR" << 10 << "30"
                                         << "0"
                                         << "3"
                                         << "20,4" << QList<double>{10, 60, 30, 3};
        QTest::newRow("ten days, en_US") << "en_US" << 10 << "30.5"
                                         << " 0.5 "
                                         << "3"
                                         << "20.4" << QList<double>{10, 60, 30, 3};
        // 4 hours in the 3 left today: urgency 5; on the deadline day a day counts 0.4.
        QTest::newRow("today, pt_BR") << "pt_BR" << 0 << "4,5"
                                      << "0,5"
                                      << "5"
                                      << "34" << QList<double>{0.4, 3, 4, 10};
        QTest::newRow("worked above the estimate") << "en_US" << 5 << "10"
                                                   << "12.5"
                                                   << "1"
                                                   << "6.8" << QList<double>{5, 30, 0, 0};
    }

    void an_entry_is_stored()
    {
        QFETCH(QString, locale);
        QFETCH(int, dias);
        QFETCH(QString, est);
        QFETCH(QString, trab);
        QFETCH(QString, u);
        QFETCH(QString, gut);
        QFETCH(QList<double>, figuras);
        common::setUserLocale(QLocale(locale));
        NovaAtiv f(f_->programa);
        f.preenche(dia(dias), est, trab, QStringLiteral("Relatório de custos"), QStringLiteral("pedir ao financeiro"));
        f.mskDtFinal_LostFocus();  // a deadline of today stands
        f.cmdGravidade_Click();
        QCOMPARE(f.texto("lblU"), QString());  // the tendency is still missing
        f.cmdTendencias_Click();
        QCOMPARE(f.texto("lblT"), QStringLiteral("4"));
        QCOMPARE(f.texto("lblU"), u);
        QCOMPARE(f.texto("lblGUT"), gut);

        f.cmdGravar_Click();
        QVERIFY(common::Messages::shown().isEmpty());
        QCOMPARE(f.result(), int(QDialog::Accepted));
        common::Recordset rs = atividades();
        QCOMPARE(rs.recordCount(), 1);
        QCOMPARE(rs.text("Ativo"), QStringLiteral("1"));
        QCOMPARE(rs.value("G").toDouble(), 1.7);
        QCOMPARE(rs.value("T").toDouble(), 4.0);
        QCOMPARE(rs.value("U").toString(), u);
        QCOMPARE(rs.value("GUT").toDouble(), 1.7 * 4 * u.toInt());
        QCOMPARE(rs.text("Atividade"), QStringLiteral("Relatório de custos"));
        QCOMPARE(rs.value("DataFinal").toDate(), Today.addDays(dias));
        QCOMPARE(rs.value("HorasEst").toDouble(), common::readNumber(est).value());
        QCOMPARE(rs.value("HorasTrab").toDouble(), common::readNumber(trab).value());
        const QList<double> lidas{rs.value("FaltamDias").toDouble(), rs.value("TempoDisp").toDouble(),
                                  rs.value("HorasQFaltam").toDouble(), rs.value("HorasTrabDia").toDouble()};
        QCOMPARE(lidas, figuras);
        QCOMPARE(rs.text("Obs"), QStringLiteral("pedir ao financeiro"));
    }

    void the_list_finds_a_new_activity_current()
    {
        // The screen and the list's pass apply one urgency rule: on the day it is stored, the pass
        // finds nothing to change.
        for (const char* locale : {"pt_BR", "en_US"}) {
            common::setUserLocale(QLocale(QLatin1String(locale)));
            const QLocale l = common::userLocale();
            NovaAtiv f(f_->programa);
            f.preenche(dia(6), l.toString(20.5), l.toString(0.5));  // 20 of the 36 hours: U 3
            f.cmdGravidade_Click();
            f.cmdTendencias_Click();
            f.cmdGravar_Click();
        }
        QCOMPARE(atividades().recordCount(), 2);
        auto campos = [this] {
            QList<QVariantList> todos;
            for (common::Recordset rs = atividades(); !rs.eof(); rs.moveNext())
                todos << QVariantList{rs.value("U"), rs.value("GUT"), rs.value("FaltamDias"), rs.value("TempoDisp"),
                                      rs.value("HorasTrabDia")};
            return todos;
        };
        const QList<QVariantList> antes = campos();
        QCOMPARE(antes.first().first().toInt(), 3);
        QCOMPARE(antes.first().at(1).toDouble(), 1.7 * 4 * 3);
        davo::AtualizaPrazos(f_->programa.db, Today);
        QCOMPARE(campos(), antes);
    }

    void the_deadline_box()
    {
        NovaAtiv f(f_->programa);
        f.mskDtFinal_LostFocus();  // left empty
        QCOMPARE(f.data(), QStringLiteral("23/12/2026"));
        QVERIFY(common::Messages::shown().isEmpty());
        f.preenche(dia(-1), "", "");
        f.mskDtFinal_LostFocus();
        QCOMPARE(lastMessage().title, QStringLiteral("Data Final incorreta!"));
        QCOMPARE(lastMessage().text,
                 QStringLiteral("Data Final não pode ser anterior a data de hoje, redefinir essa data."));
        QCOMPARE(f.data(), QStringLiteral("__/__/____"));

        // The same when the focus really leaves the box.
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        named<QWidget>(&f, "mskDtFinal")->setFocus();
        named<QWidget>(&f, "txtHorasEst")->setFocus();
        QCOMPARE(f.data(), QStringLiteral("23/12/2026"));
        QCOMPARE(common::Messages::shown().size(), 1);
    }

    void description_and_hours_must_be_usable_data()
    {
        QTest::addColumn<QStringList>("entrada");  // locale, description, estimate, worked
        QTest::addColumn<QStringList>("titulos");
        QTest::addColumn<QString>("foco");
        const QString semAtividade("Falta digitar a Atividade!"), estimativa("Horas Estimadas incorretas!");
        QTest::newRow("no description") << QStringList{"pt_BR", "  ", "8", "0"} << QStringList{semAtividade}
                                        << "txtAtividade";
        QTest::newRow("no estimate") << QStringList{"pt_BR", "A", "", "0"}
                                     << QStringList{"Falta digitar o número de horas estimadas!"} << "txtHorasEst";
        QTest::newRow("estimate negative")
            << QStringList{"pt_BR", "A", "-1,5", "0"} << QStringList{estimativa} << "txtHorasEst";
        QTest::newRow("all at once") << QStringList{"en_US", "", "oito", "2h"}
                                     << QStringList{semAtividade, estimativa, "Horas Já Trab. incorretas!"}
                                     << "txtAtividade";
    }

    void description_and_hours_must_be_usable()
    {
        QFETCH(QStringList, entrada);
        QFETCH(QStringList, titulos);
        QFETCH(QString, foco);
        common::setUserLocale(QLocale(entrada[0]));
        NovaAtiv f(f_->programa);
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.preenche(dia(3), entrada[2], entrada[3], entrada[1]);
        f.cmdGravidade_Click();
        f.cmdTendencias_Click();
        f.cmdGravar_Click();
        QCOMPARE(shownTitles(), titulos);
        QVERIFY(lastMessage().text.endsWith(QStringLiteral("para depois poder salvar a nova tarefa")));
        QCOMPARE(QApplication::focusWidget()->objectName(), foco);
        QCOMPARE(atividades().recordCount(), 0);
    }

    void the_urgency_follows_deadline_and_hours()
    {
        for (const char* locale : {"pt_BR", "en_US"}) {
            common::setUserLocale(QLocale(QLatin1String(locale)));
            const QLocale l = common::userLocale();
            NovaAtiv f(f_->programa);
            f.tendencia = 2;
            f.preenche(dia(1), "6", "0");  // 6 hours to work in the 6 of tomorrow: x = 1
            f.cmdGravidade_Click();
            f.cmdTendencias_Click();
            QCOMPARE(f.texto("lblU") + ' ' + f.texto("lblGUT"), "4 " + l.toString(13.6));
            f.findChild<QLineEdit*>("txtHorasJaTrab")->setText(l.toString(5.5));
            QCOMPARE(f.texto("lblU"), QStringLiteral("1"));
            f.findChild<QLineEdit*>("txtHorasEst")->setText(QStringLiteral("9"));  // 3.5 hours left
            QCOMPARE(f.texto("lblU"), QStringLiteral("3"));
            f.findChild<common::MaskedDateBox*>("mskDtFinal")->setText(dia(0));  // due today
            QCOMPARE(f.texto("lblU"), QStringLiteral("5"));
            f.findChild<common::MaskedDateBox*>("mskDtFinal")->setText(QString());  // no deadline
            QCOMPARE(f.texto("lblU") + ' ' + f.texto("lblGUT"), "1 " + l.toString(3.4));
        }
    }

    void questionnaires_closed_and_going_back()
    {
        NovaAtiv f(f_->programa);
        f.show();
        f.preenche(dia(10), "30", "0");
        f.grava = false;
        f.cmdGravidade_Click();
        f.cmdTendencias_Click();
        QCOMPARE(f.texto("lblG") + f.texto("lblT") + f.texto("lblU"), QString());
        f.grava = true;
        f.cmdGravidade_Click();
        f.grava = false;
        f.gravidade = f.custos = 5;
        f.cmdGravidade_Click();  // opened again: unanswered, and closed it keeps the gravity
        QVERIFY(f.semRespostas);
        QCOMPARE(f.texto("lblG"), QStringLiteral("1,7"));

        named<QPushButton>(&f, "Command1")->click();
        QVERIFY(!f.isVisible());
        QCOMPARE(f.result(), int(QDialog::Rejected));
        QCOMPARE(atividades().recordCount(), 0);
    }

    void tab_follows_the_reading_order()
    {
        davo::frmNovaAtiv nova(f_->programa);
        nova.show();
        QVERIFY(QTest::qWaitForWindowActive(&nova));
        // Row by row, as the form reads; Shift+Tab goes back.
        const QStringList ordem{"txtAtividade",   "mskDtFinal", "cmdGravidade", "txtHorasEst", "cmdTendencias",
                                "txtHorasJaTrab", "txtObs",     "cmdGravar",    "Command1"};
        QCOMPARE(testsupport::tabOrder(&nova, named<QWidget>(&nova, "txtAtividade")), ordem);
    }
};

QTEST_MAIN(TestNovaAtiv)
#include "test_novaativ.moc"
