// Hostile input in every box of kivo's screens: each text of the shared table typed into a box and
// saved through the screen's own button. The screen either refuses it with its own message (or
// empties a count box, as it does for any text that is no count) and stores nothing, or stores
// exactly what the box shows, cut at the box's length limit; no other stored field changes.

#include "tests/kivo/results/casefixture.h"

#include "kivo/lists/alternativas.h"
#include "kivo/lists/criterios.h"
#include "kivo/weighting/frmValores.h"

#include "common/formats.h"
#include "common/widgets.h"
#include "tests/support/hostile.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using testsupport::hostileInputs;
using testsupport::snapshot;

namespace {

const QStringList Tabelas{QStringLiteral("Alternativas"), QStringLiteral("Criterios"), QStringLiteral("Parametro")};

QLineEdit* caixa(QObject* tela, const char* array, int i)
{
    return named<QLineEdit>(tela, common::arrayName(QLatin1String(array), i));
}

// Puts the focus in `box`, replaces its text with `text` as a paste does, and saves with a real
// click on `botao`: the box's lost-focus check runs first, as it does for the user.
void digitaEGrava(QDialog& tela, QLineEdit* box, const QString& text, const char* botao)
{
    if (!tela.isActiveWindow()) {
        tela.show();
        if (!QTest::qWaitForWindowActive(&tela))
            qWarning("the screen did not become active");
    }
    box->setFocus();
    box->setText(text);
    QTest::mouseClick(named<QPushButton>(&tela, QLatin1String(botao)), Qt::LeftButton);
}

}  // namespace

class TestHostil : public QObject {
    Q_OBJECT

    std::unique_ptr<CaseFixture> f_;
    int tentativas_ = 0;

    void caso()
    {
        f_->alternativas({"Alfa", "Beta", "Gama", "Delta"});
        f_->criterios({{"Custo", "+", 1, {1, 2, 3, 4}},
                       {"Prazo", "-", 2, {5, 6, 7, 8}},
                       {"Risco", "+", 4, {9, 10, 11, 12}},
                       {"Valor", "+", 3, {13, 14, 15, 16}}});
    }

    // Every case of the table under both locales (one for a box without numbers); `um` runs one case
    // and must leave the database as before once it undid the change it allowed.
    void todos(const char* tela, const std::function<void(const QString&)>& um, bool numeros = true)
    {
        const QList<const char*> locales = numeros ? QList<const char*>{"pt_BR", "en_US"} : QList<const char*>{"pt_BR"};
        testsupport::tryEveryInput(f_->programa.db, Tabelas, tela, locales, QString(), um, {}, tentativas_);
    }

    // A text box of a list screen: stored as shown, the box cut at its limit at a whole character.
    void descricao(const QString& tabela, const QString& campo, const char* array, int limite)
    {
        const QString original = f_->campo(tabela, campo, 2).toString();
        todos(
            array,
            [&](const QString& texto) {
                std::unique_ptr<QDialog> tela;
                if (tabela == QLatin1String("Alternativas"))
                    tela = std::make_unique<kivo::frmAlternativas>(f_->programa);
                else
                    tela = std::make_unique<kivo::frmCriterios>(f_->programa);
                if (auto* a = qobject_cast<kivo::frmAlternativas*>(tela.get()))
                    a->Form_Load();
                else
                    qobject_cast<kivo::frmCriterios*>(tela.get())->Form_Load();
                QLineEdit* box = caixa(tela.get(), array, 1);
                digitaEGrava(*tela, box, texto, "cmdSair");
                QCOMPARE(tela->result(), int(QDialog::Accepted));
                QCOMPARE(box->text(), testsupport::cutAt(texto, limite));
                QVERIFY(testsupport::wholeCharacters(box->text()));
                QCOMPARE(f_->campo(tabela, campo, 2).toString(), box->text());
                f_->execute(QStringLiteral("UPDATE %1 SET %2 = ? WHERE Numero = 2").arg(tabela, campo), {original});
            },
            false);  // a description holds no number: one locale is enough
    }

    // A count box: a count it accepts is stored as the box shows it; anything else is emptied or
    // reported, and nothing is stored.
    void contagem(bool criterios)
    {
        const QString tabela = criterios ? QStringLiteral("Criterios") : QStringLiteral("Alternativas");
        todos(criterios ? "frmCriterios.txtQtde" : "frmAlternativas.txtQtde", [&](const QString& texto) {
            std::unique_ptr<QDialog> tela;
            if (criterios) {
                auto frm = std::make_unique<kivo::frmCriterios>(f_->programa);
                frm->Form_Load();
                tela = std::move(frm);
            } else {
                auto frm = std::make_unique<kivo::frmAlternativas>(f_->programa);
                frm->Form_Load();
                tela = std::move(frm);
            }
            QLineEdit* box = named<QLineEdit>(tela.get(), "txtQtde");
            digitaEGrava(*tela, box, texto, "cmdSair");
            if (tela->result() == QDialog::Accepted) {
                const auto mostrado = common::readNumber(box->text());
                QVERIFY(mostrado);
                QVERIFY(*mostrado >= 3 && *mostrado <= 15);
                QCOMPARE(box->text(), QString::number(*mostrado));
                QCOMPARE(f_->numero(tabela, QStringLiteral("Qtde"), 1), *mostrado);
                f_->execute(QStringLiteral("UPDATE %1 SET Qtde = 4").arg(tabela));
            } else {
                QVERIFY(box->text().isEmpty() || lastMessage().title.contains(QStringLiteral("não aceita")));
            }
            f_->programa.qtdeCriterios = 4;
        });
    }

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }
    void init()
    {
        testsupport::resetPlatform();
        f_ = std::make_unique<CaseFixture>();
        caso();
    }
    void cleanup()
    {
        common::Modal::setTestHandler({});
        f_.reset();
    }
    void cleanupTestCase() { qInfo("kivo: %d inputs tried in all", tentativas_); }

    void alternatives_descriptions() { descricao("Alternativas", "Alternativa", "txtAlternativa", 30); }
    void criteria_descriptions() { descricao("Criterios", "Identifica", "txtIdentifica", 35); }
    void alternatives_count() { contagem(false); }
    void criteria_count() { contagem(true); }

    // A sign other than "+" or "-" is reported and emptied, and saved so (the result computation
    // refuses it); the first character of the text is all a one-character box takes.
    void criteria_signs()
    {
        todos("txtSinal", [&](const QString& texto) {
            kivo::frmCriterios tela(f_->programa);
            tela.Form_Load();
            QLineEdit* box = caixa(&tela, "txtSinal", 1);
            digitaEGrava(tela, box, texto, "cmdSair");
            const QString cortado = testsupport::cutAt(texto, 1);
            if (cortado == QLatin1String("+") || cortado == QLatin1String("-")) {
                QCOMPARE(tela.result(), int(QDialog::Accepted));
                QCOMPARE(f_->campo("Criterios", "Sinal", 2).toString(), cortado);
                f_->execute(QStringLiteral("UPDATE Criterios SET Sinal = '-' WHERE Numero = 2"));
            } else if (cortado.isEmpty()) {
                // Emptied by the user: the check says so, and the empty sign is saved.
                QCOMPARE(tela.result(), int(QDialog::Accepted));
                QCOMPARE(f_->campo("Criterios", "Sinal", 2).toString(), QString());
                f_->execute(QStringLiteral("UPDATE Criterios SET Sinal = '-' WHERE Numero = 2"));
            } else {
                QCOMPARE(tela.result(), int(QDialog::Accepted));
                QCOMPARE(lastMessage().title, QStringLiteral("Só aceito + ou -"));
                QCOMPARE(box->text(), QString());
                QCOMPARE(f_->campo("Criterios", "Sinal", 2).toString(), QString());
                f_->execute(QStringLiteral("UPDATE Criterios SET Sinal = '-' WHERE Numero = 2"));
            }
        });
    }

    // A value that is a number is stored as the box shows it; any other is reported and not
    // stored.
    void values()
    {
        todos("txtValor", [&](const QString& texto) {
            kivo::frmValores tela(f_->programa);
            tela.Form_Load();
            tela.show();
            QVERIFY(QTest::qWaitForWindowActive(&tela));
            auto* opt = named<QRadioButton>(&tela, common::arrayName(QStringLiteral("optCriterio"), 0));
            QTest::mouseClick(opt, Qt::LeftButton, {}, QPoint(8, opt->height() / 2));
            QCOMPARE(tela.criterioAtual(), short(1));
            QLineEdit* box = caixa(&tela, "txtValor", 1);
            digitaEGrava(tela, box, texto, "cmdGravar");
            const auto mostrado = common::readNumber(box->text());
            if (mostrado) {
                QCOMPARE(f_->numero("Criterios", "Valor02", 1), *mostrado);
                QCOMPARE(lastMessage().title, QString());
                f_->execute(QStringLiteral("UPDATE Criterios SET Valor02 = 2 WHERE Numero = 1"));
            } else {
                QCOMPARE(lastMessage().title, QStringLiteral("O valor deve ser numérico... não será salvo!"));
            }
        });
    }

    // Typed key by key, as the user types: the SQL fragment stored whole in a description.
    void typed_by_keys()
    {
        kivo::frmAlternativas tela(f_->programa);
        tela.Form_Load();
        tela.show();
        QVERIFY(QTest::qWaitForWindowActive(&tela));
        QLineEdit* box = caixa(&tela, "txtAlternativa", 0);
        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        QTest::keyClicks(box, QStringLiteral("'; DROP TABLE Alternativas; --"));
        QTest::mouseClick(named<QPushButton>(&tela, "cmdSair"), Qt::LeftButton);
        QCOMPARE(f_->coluna("Alternativas", "Alternativa").mid(0, 4),
                 QStringList({"'; DROP TABLE Alternativas; --", "Beta", "Gama", "Delta"}));
        QCOMPARE(f_->linhas("Criterios"), 15);
    }
};

QTEST_MAIN(TestHostil)
#include "test_hostil.moc"
