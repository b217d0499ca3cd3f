// What the list screens show and say: signs, weights, captions, help, and the menu that opens them.

#include "tests/kivo/lists/listfixture.h"

#include "kivo/shell/menu.h"

#include <QAction>

class TestListDisplay : public QObject {
    Q_OBJECT

    std::unique_ptr<ListFixture> f_;

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }
    void init() { testsupport::startTest(f_); }
    void cleanup() { testsupport::endTest(f_); }

    void a_wrong_sign_is_reported_with_its_row()
    {
        auto frm = f_->load("frmCriterios");
        auto* criterios = static_cast<kivo::frmCriterios*>(frm.get());
        const QList<std::pair<int, QString>> typed{{2, ""}, {0, "a"}, {11, "*"}, {14, " "}, {4, "+"}, {5, "-"}};
        for (const auto& [row, text] : typed) {
            at<QLineEdit>(frm.get(), "txtSinal", row)->setText(text);
            criterios->txtSinal_LostFocus(row);
        }
        QStringList texts;
        for (const auto& m : common::Messages::shown()) {
            QCOMPARE(m.icon, QMessageBox::Warning);
            QCOMPARE(m.title, QStringLiteral("Só aceito + ou -"));
            texts << m.text;
        }
        QCOMPARE(texts,
                 QStringList(
                     {"Sinal do item 03 não informado corretamente", "Sinal do item 01 não informado corretamente",
                      "Sinal do item 12 não informado corretamente", "Sinal do item 15 não informado corretamente"}));
        QCOMPARE(at<QLineEdit>(frm.get(), "txtSinal", 11)->text(), QString());
        QCOMPARE(at<QLineEdit>(frm.get(), "txtSinal", 4)->text(), QStringLiteral("+"));
    }

    void weights_show_with_two_decimals_in_the_users_locale()
    {
        f_->execute("UPDATE Criterios SET Peso = 0.5 WHERE Numero = 7");
        f_->execute("UPDATE Criterios SET Peso = 10 WHERE Numero = 8");
        for (const char* locale : {"pt_BR", "en_US"}) {
            common::setUserLocale(QLocale(QLatin1String(locale)));
            auto frm = f_->load("frmCriterios");
            const bool br = QByteArray(locale) == "pt_BR";
            QCOMPARE(at<QLabel>(frm.get(), "lblPeso", 6)->text(), br ? QStringLiteral("0,50") : QStringLiteral("0.50"));
            QCOMPARE(at<QLabel>(frm.get(), "lblPeso", 7)->text(),
                     br ? QStringLiteral("10,00") : QStringLiteral("10.00"));
            QCOMPARE(at<QLabel>(frm.get(), "lblPeso", 8)->text(), QString());  // empty after a clear
        }
    }

    void captions_follow_the_language_data()
    {
        QTest::addColumn<short>("idioma");
        QTest::newRow("English") << short(1);
        QTest::newRow("Portuguese") << short(3);  // Spanish: tests/kivo/shell/test_idioma.cpp
    }

    void captions_follow_the_language()
    {
        QFETCH(short, idioma);
        f_->falaIdioma(idioma);
        QStringList shown;
        for (const char* screen : {"frmAlternativas", "frmCriterios"}) {
            auto frm = f_->load(QLatin1String(screen));
            shown << frm->windowTitle();
            for (const char* name :
                 {"Label16", "Label17", "Label18", "Label1(8)", "Label1(9)", "cmdSair", "cmdLimpar", "cmdAjuda"})
                if (QObject* o = frm->findChild<QObject*>(QLatin1String(name)))
                    shown << o->property("text").toString();
        }
        QCOMPARE(shown,
                 idioma == 1
                     ? QStringList({"Alternatives", "Qtde de Alternativas:", "Description",
                                    "Alternative 9:", "Alternative 10:", "Save and Exit", "Clear previous history",
                                    "Criterias", "Number of items:", "    Signal         Weight", "Description",
                                    "Criteria 9:", "Criteria 10:", "Save and Exit", "Clear previous history", "&Ajuda"})
                     : QStringList(
                           {"Alternativas", "Qtde de Alternativas:", "Descrição",
                            "Alternativa  9:", "Alternativa  10:", "&Gravar e Sair", "&Limpar histórico anterior",
                            "Critérios", "Qtde Critérios:", "  Sinal (+-)         Peso", "Descrição",
                            "Critério  9:", "Critério 10:", "&Gravar e Sair", "&Limpar histórico anterior", "&Ajuda"}));
    }

    // A switch of language with a list screen open rewords it and keeps what the user typed.
    void a_language_switch_rewords_the_open_list_and_keeps_what_was_typed()
    {
        for (const char* screen : {"frmAlternativas", "frmCriterios"}) {
            const bool criterios = QByteArray(screen) == "frmCriterios";
            auto frm = f_->load(QLatin1String(screen));
            frm->show();
            typeCount(frm.get(), "5");
            QLineEdit* descricao = at<QLineEdit>(frm.get(), criterios ? "txtIdentifica" : "txtAlternativa", 0);
            QTest::keyClicks(descricao, QStringLiteral("Custo"));
            if (criterios)
                QTest::keyClicks(at<QLineEdit>(frm.get(), "txtSinal", 0), QStringLiteral("-"));

            f_->falaIdioma(kivo::Ingles);
            QTRY_COMPARE(frm->windowTitle(), QLatin1String(criterios ? "Criterias" : "Alternatives"));
            QCOMPARE(at<QLabel>(frm.get(), "Label1", 0)->text(),
                     QLatin1String(criterios ? "Criteria 1:" : "Alternative 1:"));
            f_->falaIdioma(kivo::Espanhol);
            QTRY_COMPARE(named<QPushButton>(frm.get(), "cmdSair")->text(), QStringLiteral("&Grabar y Salir"));
            QCOMPARE(at<QLabel>(frm.get(), "Label1", 9)->text(),
                     QLatin1String(criterios ? "Criterio 10:" : "Alternativa 10:"));
            QCOMPARE(descricao->text(), QStringLiteral("Custo"));
            QCOMPARE(qtdeBox(frm.get())->text(), QStringLiteral("5"));
            if (criterios)
                QCOMPARE(at<QLineEdit>(frm.get(), "txtSinal", 0)->text(), QStringLiteral("-"));
            verifyLayout(frm.get(), 5);
            f_->falaIdioma(kivo::Portugues);
        }
    }

    void help_opens_modally_and_voltar_closes_it()
    {
        auto frm = f_->load("frmCriterios");
        auto* criterios = static_cast<kivo::frmCriterios*>(frm.get());
        const QStringList seen =
            whileOpen([&] { criterios->cmdAjuda_Click(); },
                      [](QDialog& ajuda) {
                          ajuda.show();  // up as the user sees it, without a loop of its own
                          auto* voltar = named<QPushButton>(&ajuda, "cmdSair");
                          QStringList out{ajuda.objectName(), ajuda.windowTitle(), voltar->text(),
                                          named<QLabel>(&ajuda, "Label1")->text(), QString::number(ajuda.isModal())};
                          voltar->click();
                          out << QString::number(ajuda.isVisible());
                          return out;
                      });
        QCOMPARE(seen.mid(0, 3), QStringList({"frmCriteriosAj", "Ajuda da Tela Critérios", "&Voltar"}));
        for (const char* words : {"3 a 15", "Descrição", "quanto mais, melhor", "quanto menos, melhor", "Pesos"})
            QVERIFY2(seen.value(3).contains(QString::fromUtf8(words)), words);
        QCOMPARE(seen.mid(4), QStringList({"1", "0"}));  // modal, and Voltar closed it
    }

    void the_menu_opens_the_list_screens_modally()
    {
        f_->execute("UPDATE Alternativas SET Qtde = 7");
        f_->execute("UPDATE Criterios SET Qtde = 11");
        kivo::Menu menu(f_->folder.path());
        QVERIFY(menu.Form_Load());
        menu.show();
        QStringList seen;
        for (const char* item : {"mnuAlternativas", "mnuCriterios"})
            seen += whileOpen([&] { named<QAction>(&menu, item)->trigger(); },
                              [](QDialog& screen) {
                                  return QStringList{screen.objectName(), QString::number(screen.isModal()),
                                                     qtdeBox(&screen)->text()};
                              });
        QCOMPARE(seen, QStringList({"frmAlternativas", "1", "7", "frmCriterios", "1", "11"}));
        QCOMPARE(menu.programa().qtdeCriterios, short(11));
        QVERIFY(menu.findChildren<QDialog*>().isEmpty());  // made afresh each time, gone once closed
    }
};

QTEST_MAIN(TestListDisplay)
#include "test_display.moc"
