// What the list screens store: saving the rows in use, and the two clears with their reach.

#include "tests/kivo/lists/listfixture.h"

#include "kivo/shell/erro.h"

#include <tuple>

class TestListStorage : public QObject {
    Q_OBJECT

    std::unique_ptr<ListFixture> f_;

    void fillEverything()
    {
        f_->execute("UPDATE Alternativas SET Alternativa = 'A', Qtde = 4, Resultado = 7.5");
        f_->execute(
            "UPDATE Criterios SET Identifica = 'C', Sinal = '+', Peso = 2.5, Qtde = 6, N01 = 10, N15 = 0.2, "
            "Valor01 = 12, Valor15 = 3, Emach = 1.5, PesoFinal = 2.5, RTO = 1, RTO_Inv = 2, Total = 3, "
            "Pesos = 4");
    }

    void verifyCriteriaCleared(const QStringList& zeroed)
    {
        for (const char* field : {"Identifica", "Sinal", "Peso"})
            QCOMPARE(f_->stored("Criterios", field), QStringList(15, ""));
        for (const QString& field : zeroed)
            QCOMPARE(f_->stored("Criterios", field), QStringList(15, "0"));
        QCOMPARE(f_->stored("Criterios", "Qtde"), QStringList(15, "6"));
    }

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }
    void init() { testsupport::startTest(f_); }
    void cleanup() { testsupport::endTest(f_); }

    void saving_alternatives_writes_the_rows_in_use_and_closes()
    {
        f_->execute("UPDATE Alternativas SET Alternativa = 'antiga', Qtde = 9");
        auto frm = f_->load("frmAlternativas");
        typeCount(frm.get(), "5");
        QCOMPARE(at<QLineEdit>(frm.get(), "txtAlternativa", 0)->maxLength(), 30);
        for (int i = 0; i < 15; ++i)  // hidden rows are not saved
            at<QLineEdit>(frm.get(), "txtAlternativa", i)->setText(i == 1 ? QString() : QString("Nova %1").arg(i + 1));
        named<QPushButton>(frm.get(), "cmdSair")->click();
        QCOMPARE(frm->result(), int(QDialog::Accepted));
        QCOMPARE(f_->stored("Alternativas", "Alternativa"),
                 QStringList({"Nova 1", "", "Nova 3", "Nova 4", "Nova 5"}) + QStringList(10, "antiga"));
        QCOMPARE(f_->stored("Alternativas", "Qtde"), QStringList(5, "5") + QStringList(10, "9"));
    }

    // A file that may only be read: the save is refused in the interface language, naming the file;
    // the screen stays open with what was typed, and the program goes on.
    void a_save_the_file_refuses_is_told_and_the_screen_stays()
    {
        const QString arquivo = f_->folder.file(QStringLiteral("CONTROLE.mdb"));
        f_->programa.db.openReadOnly(arquivo);
        kivo::usaMensagensFalha();
        const QByteArray antes = testsupport::fileBytes(arquivo);
        for (const auto& [idioma, titulo, texto] :
             {std::tuple{kivo::Ingles, "Read only!",
                         "The file %1 is read only: it could not be written. Nothing was changed; allow writing to "
                         "the file and its folder and try again."},
              std::tuple{kivo::Espanhol, "Solo lectura!",
                         "El archivo %1 es de solo lectura: no se pudo grabar en él. No se cambió nada; permita "
                         "grabar en el archivo y en su carpeta e intente de nuevo."},
              std::tuple{kivo::Portugues, "Somente leitura!",
                         "O arquivo %1 é somente leitura: não foi possível gravar nele. Nada foi alterado; dê "
                         "permissão de gravação ao arquivo e à sua pasta e tente de novo."}}) {
            f_->falaIdioma(idioma);
            common::Messages::clearShown();
            auto frm = f_->load("frmAlternativas");
            frm->show();
            typeCount(frm.get(), "4");
            at<QLineEdit>(frm.get(), "txtAlternativa", 0)->setText("Primeira");
            QTest::mouseClick(named<QPushButton>(frm.get(), "cmdSair"), Qt::LeftButton);
            QVERIFY(!common::Exit::requested());
            QVERIFY(frm->isVisible());
            QCOMPARE(lastMessage().icon, QMessageBox::Warning);
            QCOMPARE(lastMessage().title, QString::fromUtf8(titulo));
            QCOMPARE(lastMessage().text, QString::fromUtf8(texto).arg(arquivo));
            QCOMPARE(at<QLineEdit>(frm.get(), "txtAlternativa", 0)->text(), QStringLiteral("Primeira"));
        }
        common::setFailureWording({});
        QCOMPARE(testsupport::fileBytes(arquivo), antes);
    }

    void saving_criteria_writes_the_rows_in_use_and_never_the_weights()
    {
        f_->execute("UPDATE Criterios SET Identifica = 'antigo', Sinal = '+', Qtde = 8, Peso = 3");
        // A null description or sign reads as the empty text instead of failing the load.
        f_->execute("UPDATE Criterios SET Identifica = NULL WHERE Numero = 2");
        f_->execute("UPDATE Criterios SET Sinal = NULL, Identifica = NULL, Peso = NULL WHERE Numero = 15");
        auto frm = f_->load("frmCriterios");
        QCOMPARE(at<QLineEdit>(frm.get(), "txtIdentifica", 1)->text(), QString());
        QCOMPARE(at<QLineEdit>(frm.get(), "txtSinal", 14)->text(), QString());
        QCOMPARE(at<QLabel>(frm.get(), "lblPeso", 14)->text(), QString());
        QCOMPARE(at<QLineEdit>(frm.get(), "txtIdentifica", 0)->maxLength(), 35);
        QCOMPARE(at<QLineEdit>(frm.get(), "txtSinal", 0)->maxLength(), 1);
        QVERIFY(at<QLineEdit>(frm.get(), "txtSinal", 0)->alignment() & Qt::AlignHCenter);

        typeCount(frm.get(), "4");
        for (int i = 2; i < 15; ++i)
            at<QLineEdit>(frm.get(), "txtIdentifica", i)->setText(QStringLiteral("Novo %1").arg(i + 1));
        at<QLineEdit>(frm.get(), "txtSinal", 3)->clear();  // a missing sign does not block saving
        named<QPushButton>(frm.get(), "cmdSair")->click();
        QCOMPARE(frm->result(), int(QDialog::Accepted));
        QCOMPARE(f_->stored("Criterios", "Identifica"),
                 QStringList({"antigo", "", "Novo 3", "Novo 4"}) + QStringList(10, "antigo") + QStringList{"<null>"});
        QCOMPARE(f_->stored("Criterios", "Sinal"),
                 QStringList({"+", "+", "+", ""}) + QStringList(10, "+") + QStringList{"<null>"});
        QCOMPARE(f_->stored("Criterios", "Qtde"), QStringList(4, "4") + QStringList(11, "8"));
        QCOMPARE(f_->stored("Criterios", "Peso").first(), QStringLiteral("3"));
    }

    void clearing_alternatives_asks_then_empties_them_and_the_criteria()
    {
        fillEverything();
        auto frm = f_->load("frmAlternativas");
        common::Messages::answerNext(QMessageBox::No);
        named<QPushButton>(frm.get(), "cmdLimpar")->click();
        QCOMPARE(lastMessage().title, QStringLiteral("Limpar histórico anterior"));
        QCOMPARE(lastMessage().text, QStringLiteral("Confirma a limpeza?"));
        QCOMPARE(lastMessage().buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(at<QLineEdit>(frm.get(), "txtAlternativa", 0)->text(), QStringLiteral("A"));
        QCOMPARE(f_->stored("Criterios", "N01").last(), QStringLiteral("10"));

        common::Messages::answerNext(QMessageBox::Yes);
        named<QPushButton>(frm.get(), "cmdLimpar")->click();
        QCOMPARE(qtdeBox(frm.get())->text(), QStringLiteral("4"));  // the screen keeps its count, rows emptied
        verifyLayout(frm.get(), 4);
        QCOMPARE(at<QLineEdit>(frm.get(), "txtAlternativa", 3)->text(), QString());
        QCOMPARE(f_->stored("Alternativas", "Alternativa"), QStringList(15, ""));
        QCOMPARE(f_->stored("Alternativas", "Qtde"), QStringList(15, "0"));
        QCOMPARE(f_->stored("Alternativas", "Resultado"), QStringList(15, "7,5"));
        verifyCriteriaCleared(
            {"N01", "N15", "Valor01", "Valor15", "Emach", "PesoFinal", "RTO", "RTO_Inv", "Total", "Pesos"});
    }

    void clearing_criteria_keeps_the_values_and_the_alternatives()
    {
        fillEverything();
        auto frm = f_->load("frmCriterios");
        common::Messages::answerNext(QMessageBox::Yes);
        named<QPushButton>(frm.get(), "cmdLimpar")->click();
        QCOMPARE(testsupport::shownTitles(), QStringList{"Limpar histórico anterior"});
        verifyLayout(frm.get(), 6);
        QCOMPARE(at<QLineEdit>(frm.get(), "txtIdentifica", 14)->text(), QString());
        QCOMPARE(at<QLineEdit>(frm.get(), "txtSinal", 0)->text() + at<QLabel>(frm.get(), "lblPeso", 5)->text(), "");
        verifyCriteriaCleared({"N01", "N15", "RTO", "RTO_Inv", "Total", "Pesos"});
        QCOMPARE(f_->stored("Criterios", "Valor01"), QStringList(15, "12"));
        QCOMPARE(f_->stored("Criterios", "Emach"), QStringList(15, "1,5"));
        QCOMPARE(f_->stored("Criterios", "PesoFinal"), QStringList(15, "2,5"));
        QCOMPARE(f_->stored("Alternativas", "Alternativa"), QStringList(15, "A"));
        QCOMPARE(f_->stored("Alternativas", "Qtde"), QStringList(15, "4"));
    }
};

QTEST_MAIN(TestListStorage)
#include "test_storage.moc"
