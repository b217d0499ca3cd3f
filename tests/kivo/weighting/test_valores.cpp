// The values screen: which rows and options it shows, choosing a criterion, what it stores and
// what it never writes, the check of a box, and how it opens from the menu.

#include "tests/kivo/results/casefixture.h"

#include "kivo/shell/menu.h"
#include "kivo/weighting/frmValores.h"
#include "kivo/weighting/valores.h"

#include "common/formats.h"
#include "common/widgets.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

template <typename T>
T* at(QObject* screen, const char* array, int i)
{
    return named<T>(screen, common::arrayName(QLatin1String(array), i));
}

QLineEdit* caixa(QObject* screen, int i)
{
    return at<QLineEdit>(screen, "txtValor", i);
}
QRadioButton* opcao(QObject* screen, int i)
{
    return at<QRadioButton>(screen, "optCriterio", i);
}

// No empty band below the buttons: the window ends a margin under the lowest one, at any pixel
// ratio.
void semFaixaAbaixo(QWidget* screen)
{
    int fundo = 0;
    for (const QPushButton* botao : screen->findChildren<QPushButton*>())
        fundo = std::max(fundo, botao->geometry().bottom() + 1);
    QVERIFY(fundo > 0);
    QVERIFY2(screen->height() - fundo <= common::twips(300), qPrintable(QString::number(screen->height() - fundo)));
    QVERIFY(screen->height() >= fundo);
}

void clica(QRadioButton* opt)
{
    QTest::mouseClick(opt, Qt::LeftButton, {}, QPoint(8, opt->height() / 2));
}

}  // namespace

class TestValores : public QObject {
    Q_OBJECT

    std::unique_ptr<CaseFixture> f_;

    // Four alternatives, the second without a name; four criteria, the second without a name.
    void caso()
    {
        f_->alternativas({"Alfa", "", "Gama", "Delta"});
        f_->criterios({{"Custo", "+", 1, {1, 2, 3, 4}},
                       {"", "+", 1, {5, 6, 7, 8}},
                       {"Prazo", "-", 2, {2.5, 9, 10, 11}},
                       {" Risco ", "+", 4, {12, 13, 14, 15}}});
    }

    std::unique_ptr<kivo::frmValores> abre()
    {
        auto frm = std::make_unique<kivo::frmValores>(f_->programa);
        frm->Form_Load();
        return frm;
    }

    QStringList textos(QObject* screen)
    {
        QStringList out;
        for (int i = 0; i < 15; ++i)
            out << caixa(screen, i)->text();
        return out;
    }

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }
    void init() { testsupport::startTest(f_); }
    void cleanup() { testsupport::endTest(f_); }

    void rows_for_named_alternatives_options_for_named_criteria()
    {
        caso();
        auto frm = abre();
        QCOMPARE(frm->windowTitle(), QStringLiteral("Valores"));
        QCOMPARE(frm->criterioAtual(), short(0));
        for (int i = 0; i < 15; ++i) {
            const bool shown = i == 0 || i == 2 || i == 3;
            QCOMPARE(at<QLabel>(frm.get(), "Label1", i)->isVisibleTo(frm.get()), shown);
            QCOMPARE(at<QLabel>(frm.get(), "lblAlternativa", i)->isVisibleTo(frm.get()), shown);
            QCOMPARE(caixa(frm.get(), i)->isVisibleTo(frm.get()), shown);
            QCOMPARE(opcao(frm.get(), i)->isVisibleTo(frm.get()), i == 0 || i == 2 || i == 3);
            QVERIFY(!opcao(frm.get(), i)->isChecked());
        }
        QCOMPARE(at<QLabel>(frm.get(), "Label1", 0)->text(), QStringLiteral("Alternativa  1:"));
        QCOMPARE(at<QLabel>(frm.get(), "Label1", 14)->text(), QStringLiteral("Alternativa 15:"));
        QCOMPARE(at<QLabel>(frm.get(), "lblAlternativa", 2)->text(), QStringLiteral("Gama"));
        QCOMPARE(opcao(frm.get(), 3)->text(), QStringLiteral("Risco"));     // trimmed
        QCOMPARE(opcao(frm.get(), 3)->toolTip(), QStringLiteral("Risco"));  // the whole name, where the frame cuts it
        QCOMPARE(textos(frm.get()), QStringList(15, QString()));

        // Frames: 400 twips a row or option; the window 2000 below the taller.
        const int alt1 = 400 * 4 + 900, alt2 = 400 * 3 + 700;
        QCOMPARE(named<QGroupBox>(frm.get(), "Frame1")->height(), common::twips(alt1));
        QCOMPARE(named<QGroupBox>(frm.get(), "Frame2")->height(), common::twips(alt2));
        QCOMPARE(frm->height(), common::twips(alt1 + 2000));
        QCOMPARE(f_->programa.qtdeCriterios, short(4));
        semFaixaAbaixo(frm.get());
    }

    void a_short_count_still_shows_every_named_row()
    {
        f_->alternativas({"A", "B", "C", "D", "E", "F", "G", "H"}, QStringLiteral("2"));
        f_->criterios({{"X", "+", 1, {}},
                       {"Y", "+", 1, {}},
                       {"Z", "+", 1, {}},
                       {"W", "+", 1, {}},
                       {"V", "+", 1, {}},
                       {"U", "+", 1, {}}});
        auto frm = abre();
        QVERIFY(caixa(frm.get(), 7)->isVisibleTo(frm.get()));
        QCOMPARE(named<QGroupBox>(frm.get(), "Frame1")->height(), common::twips(400 * 2 + 900));
        // Frame2 is the taller here.
        QCOMPARE(frm->height(), common::twips(400 * 6 + 700 + 2000));
        semFaixaAbaixo(frm.get());
    }

    // The rules, without the screen: a criterion's values read by its number, and the writing of
    // the fields that hold a value, each with a number only.
    void values_are_read_and_written_without_a_window()
    {
        caso();
        f_->execute("UPDATE Criterios SET Valor03 = NULL, Valor04 = '' WHERE Numero = 1");
        f_->execute("DELETE FROM Criterios WHERE Numero = 2");
        common::Recordset criterios = common::Recordset::openTable(f_->programa.db, QStringLiteral("Criterios"));
        QVERIFY(!kivo::valores::le(criterios, 2));  // no record
        const auto lidos = kivo::valores::le(criterios, 1);
        QVERIFY(lidos);
        QCOMPARE(lidos->size(), 15);
        QCOMPARE(lidos->mid(0, 4),
                 (QList<std::optional<QString>>{QStringLiteral("1"), QStringLiteral("2"), std::nullopt, std::nullopt}));
        QStringList textos(15, QStringLiteral("7"));
        textos[1] = QStringLiteral("dois");
        textos[4] = QString();
        kivo::valores::grava(criterios, textos);
        QCOMPARE(f_->numero("Criterios", "Valor01", 1), 7.0);
        QCOMPARE(f_->numero("Criterios", "Valor02", 1), 2.0);  // not a number: kept
        QCOMPARE(f_->campo("Criterios", "Valor03", 1), QVariant());
        QCOMPARE(f_->campo("Criterios", "Valor04", 1), QVariant(QStringLiteral("")));
        QCOMPARE(kivo::valores::le(criterios, 1)->value(4), lidos->value(4));  // an empty text: kept
        QCOMPARE(f_->numero("Criterios", "Valor06", 3), 0.0);                  // another record: untouched
    }

    void choosing_criteria_stores_the_one_before()
    {
        caso();
        auto frm = abre();
        frm->optCriterio_Click(0);
        QCOMPARE(frm->criterioAtual(), short(1));
        QCOMPARE(textos(frm.get()).mid(0, 5), QStringList({"1", "2", "3", "4", "0"}));
        QVERIFY(opcao(frm.get(), 0)->font().bold());

        caixa(frm.get(), 0)->setText(QStringLiteral("10,5"));
        caixa(frm.get(), 1)->setText(QStringLiteral("20"));  // the hidden box of the blank alternative
        frm->optCriterio_Click(2);                           // option 2 is criterion 3
        QCOMPARE(frm->criterioAtual(), short(3));
        QCOMPARE(f_->numero("Criterios", "Valor01", 1), 10.5);
        QCOMPARE(f_->numero("Criterios", "Valor02", 1), 20.0);
        QCOMPARE(textos(frm.get()).mid(0, 4), QStringList({"2,5", "9", "10", "11"}));
        QVERIFY(!opcao(frm.get(), 0)->font().bold());
        QVERIFY(opcao(frm.get(), 2)->font().bold());
        QVERIFY(opcao(frm.get(), 2)->isChecked() && !opcao(frm.get(), 0)->isChecked());

        caixa(frm.get(), 2)->setText(QStringLiteral("0"));
        named<QPushButton>(frm.get(), "cmdGravar")->click();
        QCOMPARE(f_->numero("Criterios", "Valor03", 3), 0.0);
        QCOMPARE(f_->numero("Criterios", "Valor03", 2), 7.0);  // the blank criterion untouched
    }

    void fields_without_a_value_are_never_written()
    {
        caso();
        f_->execute("UPDATE Criterios SET Valor03 = NULL, Valor04 = '' WHERE Numero = 1");
        auto frm = abre();
        frm->optCriterio_Click(3);
        frm->optCriterio_Click(0);
        // No value: the box keeps what the criterion before showed.
        QCOMPARE(textos(frm.get()).mid(0, 4), QStringList({"1", "2", "14", "15"}));
        caixa(frm.get(), 2)->setText(QStringLiteral("33"));
        caixa(frm.get(), 0)->setText(QStringLiteral("44"));
        named<QPushButton>(frm.get(), "cmdGravar")->click();
        QCOMPARE(f_->campo("Criterios", "Valor03", 1), QVariant());
        QCOMPARE(f_->campo("Criterios", "Valor04", 1), QVariant(QStringLiteral("")));
        QCOMPARE(f_->numero("Criterios", "Valor01", 1), 44.0);
    }

    void a_box_that_is_not_a_number_is_refused_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("accepted");
        QTest::addColumn<double>("stored");
        QTest::newRow("pt_BR") << QLocale(QLocale::Portuguese, QLocale::Brazil) << "1,5" << 1.5;
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << "1.5" << 1.5;
    }

    void a_box_that_is_not_a_number_is_refused()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, accepted);
        QFETCH(double, stored);
        common::setUserLocale(locale);
        caso();
        auto frm = abre();
        frm->show();
        QVERIFY(QTest::qWaitForWindowActive(frm.get()));
        clica(opcao(frm.get(), 0));
        QCOMPARE(frm->criterioAtual(), short(1));

        QLineEdit* box = caixa(frm.get(), 2);
        // Thousands separators are no part of a number typed.
        for (const QString& typed : QStringList{"abc", "", "1,2,3"}) {
            common::Messages::clearShown();
            box->setFocus();
            box->clear();
            QTest::keyClicks(box, typed);
            QTest::keyClick(box, Qt::Key_Tab);
            QCOMPARE(lastMessage().icon, QMessageBox::Warning);
            QCOMPARE(lastMessage().title, QStringLiteral("O valor deve ser numérico... não será salvo!"));
            QCOMPARE(lastMessage().text, QStringLiteral("Peso do item 03 não informado corretamente"));
            QCOMPARE(QApplication::focusWidget(), box);
        }
        // Saving or choosing another criterion runs the same check first, and does nothing.
        common::Messages::clearShown();
        QTest::mouseClick(named<QPushButton>(frm.get(), "cmdGravar"), Qt::LeftButton);
        clica(opcao(frm.get(), 2));
        QCOMPARE(testsupport::shownTitles().size(), 2);
        QCOMPARE(frm->criterioAtual(), short(1));
        QVERIFY(opcao(frm.get(), 0)->isChecked() && !opcao(frm.get(), 2)->isChecked());
        QCOMPARE(f_->numero("Criterios", "Valor03", 1), 3.0);

        box->setText(accepted);
        QTest::keyClick(frm.get(), Qt::Key_G, Qt::AltModifier);  // pressed a moment later, as a click
        QTRY_COMPARE(f_->numero("Criterios", "Valor03", 1), stored);
    }

    // "Voltar" stores nothing and checks no box; with a value typed and not stored it asks first
    // (No, the default, stays; Yes leaves), as Esc does; with nothing typed it leaves at once.
    void voltar_and_esc_store_nothing_and_ask_before_losing_values()
    {
        caso();
        const QStringList antes = testsupport::databaseContents(f_->programa.db);
        auto frm = abre();
        frm->show();
        QVERIFY(QTest::qWaitForWindowActive(frm.get()));
        clica(opcao(frm.get(), 0));
        QTest::keyClick(frm.get(), Qt::Key_Escape);
        QVERIFY(!frm->isVisible());
        QVERIFY(common::Messages::shown().isEmpty());

        frm = abre();
        frm->show();
        QVERIFY(QTest::qWaitForWindowActive(frm.get()));
        clica(opcao(frm.get(), 0));
        QTest::mouseClick(caixa(frm.get(), 0), Qt::LeftButton);
        caixa(frm.get(), 0)->selectAll();
        QTest::keyClicks(caixa(frm.get(), 0), "abc");
        QTest::mouseClick(named<QPushButton>(frm.get(), "cmdSair"), Qt::LeftButton);
        QCOMPARE(testsupport::shownTitles(), QStringList{"Descartar alterações?"});  // no value message
        QCOMPARE(lastMessage().defaultButton, QMessageBox::No);
        QVERIFY(frm->isVisible());
        QTest::keyClick(caixa(frm.get(), 0), Qt::Key_V, Qt::AltModifier);
        QTRY_COMPARE(common::Messages::shown().size(), 2);
        QVERIFY(frm->isVisible());
        common::Messages::answerNext(QMessageBox::Yes);
        QTest::keyClick(caixa(frm.get(), 0), Qt::Key_Escape);
        QVERIFY(!frm->isVisible());
        QCOMPARE(testsupport::shownTitles(), QStringList(3, "Descartar alterações?"));
        QCOMPARE(testsupport::databaseContents(f_->programa.db), antes);
    }

    // Before a criterion is chosen the boxes are empty and take no click or key, so nothing typed
    // there is refused or overwritten; the first criterion chosen is chosen at once.
    void the_boxes_wait_for_a_criterion()
    {
        caso();
        const QStringList antes = testsupport::databaseContents(f_->programa.db);
        auto frm = abre();
        frm->show();
        QVERIFY(QTest::qWaitForWindowActive(frm.get()));
        QCOMPARE(textos(frm.get()), QStringList(15, QString()));
        for (int i = 0; i < 15; ++i)
            QVERIFY(!caixa(frm.get(), i)->isEnabled());
        QTest::mouseClick(caixa(frm.get(), 0), Qt::LeftButton);
        QVERIFY(QApplication::focusWidget() != caixa(frm.get(), 0));
        clica(opcao(frm.get(), 2));
        QVERIFY(common::Messages::shown().isEmpty());
        QCOMPARE(frm->criterioAtual(), short(3));
        QVERIFY(caixa(frm.get(), 0)->isEnabled());
        QCOMPARE(textos(frm.get()).mid(0, 4), QStringList({"2,5", "9", "10", "11"}));
        // Tabbing through the boxes as loaded complains of none, and leaving asks nothing.
        caixa(frm.get(), 0)->setFocus();
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::mouseClick(named<QPushButton>(frm.get(), "cmdSair"), Qt::LeftButton);
        QVERIFY(common::Messages::shown().isEmpty());
        QVERIFY(!frm->isVisible());
        QCOMPARE(testsupport::databaseContents(f_->programa.db), antes);
    }

    void tab_follows_the_reading_order_and_shift_tab_goes_back()
    {
        caso();
        auto frm = abre();
        frm->show();
        QVERIFY(QTest::qWaitForWindowActive(frm.get()));
        // No criterion yet: the boxes wait, the options are one stop.
        QCOMPARE(testsupport::tabChain(opcao(frm.get(), 0)), QStringList({"optCriterio(0)", "cmdGravar", "cmdSair"}));
        clica(opcao(frm.get(), 2));
        const QStringList ordem{"txtValor(0)", "txtValor(2)", "txtValor(3)", "optCriterio(2)", "cmdGravar", "cmdSair"};
        QCOMPARE(testsupport::tabChain(caixa(frm.get(), 0)), ordem);
        QStringList volta{ordem.front()};
        for (qsizetype i = ordem.size() - 1; i > 0; --i)
            volta << ordem[i];
        QCOMPARE(testsupport::tabChain(caixa(frm.get(), 0), true), volta);
        QVERIFY(common::Messages::shown().isEmpty());
    }

    void a_criterion_without_a_record_shows_empty_boxes_and_stores_nothing()
    {
        caso();
        f_->execute("DELETE FROM Criterios WHERE Numero = 2");
        auto frm = abre();
        // The second record in key order is now criterion 3's: its option is option 1.
        QCOMPARE(opcao(frm.get(), 1)->text(), QStringLiteral("Prazo"));
        frm->optCriterio_Click(0);
        frm->optCriterio_Click(1);  // seeks criterion 2: none
        QCOMPARE(frm->criterioAtual(), short(2));
        QCOMPARE(textos(frm.get()), QStringList(15, QString()));
        caixa(frm.get(), 0)->setText(QStringLiteral("5"));
        frm->cmdGravar_Click();
        frm->optCriterio_Click(0);
        QCOMPARE(f_->coluna("Criterios", "Valor01"), QStringList({"1", "2,5", "12"}) + QStringList(11, "0"));
    }

    void english_captions()
    {
        caso();
        f_->falaIdioma(kivo::Ingles);
        auto frm = abre();
        QCOMPARE(frm->windowTitle(), QStringLiteral("Values"));
        QCOMPARE(named<QGroupBox>(frm.get(), "Frame1")->title(), QStringLiteral("Alternatives "));
        QCOMPARE(named<QGroupBox>(frm.get(), "Frame2")->title(), QStringLiteral("Criteria "));
        QCOMPARE(named<QLabel>(frm.get(), "Label18")->text(), QStringLiteral("Description:"));
        QCOMPARE(named<QLabel>(frm.get(), "Label16")->text(), QStringLiteral("Values:"));
        QCOMPARE(named<QPushButton>(frm.get(), "cmdSair")->text(), QStringLiteral("Exit"));
        QCOMPARE(named<QPushButton>(frm.get(), "cmdGravar")->text(), QStringLiteral("Save"));
        QCOMPARE(at<QLabel>(frm.get(), "Label1", 0)->text(), QStringLiteral("Alternativa  1:"));

        f_->falaIdioma(kivo::Portugues);
        auto pt = abre();
        QCOMPARE(named<QGroupBox>(pt.get(), "Frame1")->title(), QStringLiteral("Alternativas:  "));
        QCOMPARE(named<QGroupBox>(pt.get(), "Frame2")->title(), QStringLiteral("Critérios:  "));
        QCOMPARE(named<QPushButton>(pt.get(), "cmdSair")->text(), QStringLiteral("&Voltar"));

        // Switched with a criterion chosen and a value typed: reworded, nothing lost.
        pt->show();
        clica(opcao(pt.get(), 0));
        caixa(pt.get(), 0)->setText(QStringLiteral("7"));
        f_->falaIdioma(kivo::Ingles);
        QTRY_COMPARE(named<QGroupBox>(pt.get(), "Frame2")->title(), QStringLiteral("Criteria "));
        QCOMPARE(named<QLabel>(pt.get(), "Label16")->text(), QStringLiteral("Values:"));
        QCOMPARE(pt->criterioAtual(), short(1));
        QVERIFY(opcao(pt.get(), 0)->isChecked());
        QCOMPARE(caixa(pt.get(), 0)->text(), QStringLiteral("7"));
    }

    void the_menu_opens_it_modally()
    {
        caso();
        kivo::Menu menu(f_->folder.path());
        QVERIFY(menu.Form_Load());
        QString aberta;
        common::Modal::setTestHandler([&](QDialog& dialog) {
            aberta = dialog.objectName();
            auto* frm = static_cast<kivo::frmValores*>(&dialog);
            frm->optCriterio_Click(3);
            caixa(frm, 3)->setText(QStringLiteral("7"));
            frm->cmdGravar_Click();
            return dialog.result();
        });
        named<QAction>(&menu, "mnuDados")->trigger();
        QCOMPARE(aberta, QStringLiteral("frmValores"));
        QCOMPARE(f_->numero("Criterios", "Valor04", 4), 7.0);
    }
};

QTEST_MAIN(TestValores)
#include "test_valores.moc"
