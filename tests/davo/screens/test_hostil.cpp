// Hostile input in every box of davo's screens that takes text: each text of the shared table
// typed into a box and saved through the screen's own button. The screen either refuses it with its
// own message and stores nothing, or stores exactly what the box shows; the other activities never
// change.

#include "davo/screens/frmAtividadesGUT.h"
#include "davo/screens/frmGravidade.h"
#include "davo/screens/frmNovaAtiv.h"
#include "davo/screens/frmTendencia.h"
#include "davo/screens/gradeatividades.h"

#include "common/formats.h"
#include "common/maskeddatebox.h"
#include "common/store.h"
#include "tests/davo/davofixture.h"
#include "tests/support/hostile.h"
#include "tests/support/testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

using testsupport::hostileInputs;
using testsupport::lastMessage;
using testsupport::named;
using testsupport::snapshot;
using testsupport::Today;

namespace {

const QStringList Tabelas{QStringLiteral("Atividades"), QStringLiteral("Parametro")};

// Answers the questionnaires as they open: gravity 1 throughout, tendency 4.
int responde(QDialog& questionario)
{
    questionario.show();
    if (auto* g = qobject_cast<davo::frmGravidade*>(&questionario)) {
        for (int q = 1; q <= 14; ++q)
            g->opcao(q, 1)->click();
        g->cmdGravar_Click();
    } else if (auto* t = qobject_cast<davo::frmTendencia*>(&questionario)) {
        t->opcao(4)->click();
        t->cmdGravar_Click();
    }
    return questionario.result();
}

void clica(QWidget* tela, const char* botao)
{
    QTest::mouseClick(named<QPushButton>(tela, QLatin1String(botao)), Qt::LeftButton);
}

// A number box's text as the program reads it: nothing when it is no number.
std::optional<double> numero(const QString& texto)
{
    return common::readNumber(texto);
}

}  // namespace

class TestHostil : public QObject {
    Q_OBJECT

    std::unique_ptr<DavoFixture> f_;
    int tentativas_ = 0;

    void adiciona(const QString& nome, int dias, double est, double trab, const QString& obs)
    {
        common::Recordset rs = common::Recordset::openTable(f_->programa.db, QStringLiteral("Atividades"));
        rs.addNew();
        rs.setValue("Ativo", QStringLiteral("1"));
        rs.setValue("GUT", 8);
        rs.setValue("Atividade", nome);
        rs.setValue("G", 2);
        rs.setValue("U", 1);
        rs.setValue("T", 4);
        rs.setValue("DataFinal", Today.addDays(dias));
        rs.setValue("FaltamDias", 1);
        rs.setValue("TempoDisp", 1);
        rs.setValue("HorasEst", est);
        rs.setValue("HorasTrab", trab);
        rs.setValue("HorasQFaltam", est - trab);
        rs.setValue("HorasTrabDia", 0);
        rs.setValue("Obs", obs);
        rs.update();
    }

    int quantas() { return common::Recordset::openTable(f_->programa.db, QStringLiteral("Atividades")).recordCount(); }

    // The last activity stored.
    common::Recordset ultima()
    {
        common::Recordset rs = common::Recordset::openTable(f_->programa.db, QStringLiteral("Atividades"));
        rs.moveLast();
        return rs;
    }

    // Every case of the table under both locales; after each, `desfaz` undoes the change the case
    // was allowed to make, and the database must then be as before.
    void todos(const char* caixa, const std::function<void(const QString&)>& um, const std::function<void()>& desfaz)
    {
        testsupport::tryEveryInput(f_->programa.db, Tabelas, caixa, {"pt_BR", "en_US"}, QStringLiteral("dd/MM/yyyy"),
                                   um, desfaz, tentativas_);
    }

    // ---- the new-activity screen

    // Fills every box with a usable value, then `caixa` with `texto`, answers the questionnaires
    // and saves with a real click. Returns whether an activity was added.
    bool novaAtividade(const char* caixa, const QString& texto, QString* mostrado = nullptr)
    {
        const int antes = quantas();
        davo::frmNovaAtiv tela(f_->programa);
        common::Modal::setTestHandler(responde);
        tela.show();
        if (!QTest::qWaitForWindowActive(&tela))
            qWarning("HOSTIL: the screen did not become active");
        named<QLineEdit>(&tela, "txtAtividade")->setText(QStringLiteral("Relatório"));
        named<common::MaskedDateBox>(&tela, "mskDtFinal")->setText(common::dateText(Today.addDays(10)));
        named<QLineEdit>(&tela, "txtHorasEst")->setText(QStringLiteral("10"));
        named<QLineEdit>(&tela, "txtHorasJaTrab")->setText(QStringLiteral("2"));
        clica(&tela, "cmdGravidade");
        clica(&tela, "cmdTendencias");
        auto* box = named<QLineEdit>(&tela, QLatin1String(caixa));
        box->setFocus();
        if (auto* data = qobject_cast<common::MaskedDateBox*>(box))
            data->setText(texto);
        else
            box->setText(texto);
        clica(&tela, "cmdGravar");
        common::Modal::setTestHandler({});
        if (mostrado)
            *mostrado = box->text();
        const bool gravou = quantas() == antes + 1;
        if (gravou) {
            common::Recordset rs = ultima();
            // The score and the urgency stored are those the screen shows.
            const auto gut = numero(named<QLabel>(&tela, "lblGUT")->text());
            if (!gut || rs.value("GUT").toDouble() != *gut ||
                rs.value("U").toDouble() != named<QLabel>(&tela, "lblU")->text().toDouble())
                qWarning("HOSTIL: GUT or urgency stored differ from those shown");
            if (!gut)
                return gravou;
            if (auto* data = qobject_cast<common::MaskedDateBox*>(box))
                if (rs.value("DataFinal").toDate() != data->date())
                    qWarning("HOSTIL: the deadline stored is not the one shown");
        } else if (lastMessage().title.isEmpty()) {
            qWarning("HOSTIL: refused without a message");
        }
        return gravou;
    }

    void apagaUltima()
    {
        common::Recordset rs = ultima();
        f_->programa.db.execute(QStringLiteral("DELETE FROM Atividades WHERE Codigo = ?"), {rs.value("Codigo")});
    }

    // The warnings above fail the case through this message handler.
    static inline bool avisou_ = false;
    static void capturaAvisos(QtMsgType type, const QMessageLogContext&, const QString& msg)
    {
        if (type == QtWarningMsg && msg.startsWith(QLatin1String("HOSTIL:")))
            avisou_ = true;
        fprintf(stderr, "%s\n", qPrintable(msg));
    }

    // ---- the list's editing panel

    QString original_;
    QVariantList linha_;

    QVariantList campos(int codigo)
    {
        common::Recordset rs = common::Recordset::openTable(f_->programa.db, QStringLiteral("Atividades"));
        rs.setIndex(QStringLiteral("PrimaryKey"));
        rs.seek(QStringLiteral("="), codigo);
        QVariantList out;
        for (int c = 0; c < rs.fieldCount(); ++c)
            out << rs.value(rs.fieldName(c));
        return out;
    }

    void restaura(int codigo, const QVariantList& valores)
    {
        common::Recordset rs = common::Recordset::openTable(f_->programa.db, QStringLiteral("Atividades"));
        rs.setIndex(QStringLiteral("PrimaryKey"));
        rs.seek(QStringLiteral("="), codigo);
        rs.edit();
        for (int c = 1; c < rs.fieldCount(); ++c)
            rs.setValue(rs.fieldName(c), valores[c]);
        rs.update();
    }

    static void selecionaLinha(davo::frmAtividadesGUT& tela, const QString& nome)
    {
        auto* grid = named<QTableView>(&tela, "MSFlexGrid1");
        for (int r = 0; r < tela.grade().rowCount(); ++r)
            if (tela.grade().index(r, davo::GradeAtividades::ColunaAtividade).data().toString() == nome) {
                grid->setCurrentIndex(tela.grade().index(r, davo::GradeAtividades::ColunaAtividade));
                tela.MSFlexGrid1_Click();
                return;
            }
        qWarning("HOSTIL: no row for %s", qPrintable(nome));
    }

    // Edits the activity "Beta" on the list: `caixa` gets `texto`, saved with a real click.
    QString edita(davo::frmAtividadesGUT& tela, const char* caixa, const QString& texto)
    {
        selecionaLinha(tela, QStringLiteral("Beta"));
        QWidget* box = named<QWidget>(&tela, QLatin1String(caixa));
        box->setFocus();
        if (auto* obs = qobject_cast<QPlainTextEdit*>(box))
            obs->setPlainText(texto);
        else if (auto* data = qobject_cast<common::MaskedDateBox*>(box))
            data->setText(texto);
        else
            static_cast<QLineEdit*>(box)->setText(texto);
        const QString mostrado = qobject_cast<QPlainTextEdit*>(box) ? static_cast<QPlainTextEdit*>(box)->toPlainText()
                                                                    : static_cast<QLineEdit*>(box)->text();
        clica(&tela, "cmdGravar");
        return mostrado;
    }

    QVariant valor(int codigo, const char* campo)
    {
        common::Recordset rs = common::Recordset::openTable(f_->programa.db, QStringLiteral("Atividades"));
        rs.setIndex(QStringLiteral("PrimaryKey"));
        rs.seek(QStringLiteral("="), codigo);
        return rs.value(QLatin1String(campo));
    }

    static constexpr int Beta = 2;

    // Every case typed into the panel's box `caixa` while "Beta" is chosen; `confere` gets the text
    // the box showed and the record's fields before the save.
    void painel(const char* caixa,
                const std::function<void(const QString& mostrado, const QVariantList& antes)>& confere)
    {
        davo::frmAtividadesGUT tela(f_->programa);
        tela.Form_Load();
        tela.show();
        QVERIFY(QTest::qWaitForWindowActive(&tela));
        const QVariantList antes = campos(Beta);
        todos(
            caixa,
            [&](const QString& texto) {
                const QString mostrado = edita(tela, caixa, texto);
                confere(mostrado, antes);
            },
            [&] { restaura(Beta, antes); });
    }

private slots:
    void initTestCase()
    {
        testsupport::useTestPlatform();
        qInstallMessageHandler(capturaAvisos);
    }
    void init()
    {
        testsupport::resetPlatform();
        avisou_ = false;
        f_ = std::make_unique<DavoFixture>();
        adiciona(QStringLiteral("Alfa"), 5, 20, 4, QStringLiteral("primeira"));
        adiciona(QStringLiteral("Beta"), 12, 30, 10, QStringLiteral("segunda"));
        adiciona(QStringLiteral("Gama"), 30, 8, 0, QString());
    }
    void cleanup()
    {
        common::Modal::setTestHandler({});
        f_.reset();
        QVERIFY2(!avisou_, "a case warned");
    }
    void cleanupTestCase() { qInfo("davo: %d inputs tried in all", tentativas_); }

    // A description is required; any other is stored as typed.
    void new_activity_description()
    {
        todos(
            "frmNovaAtiv.txtAtividade",
            [&](const QString& texto) {
                QString mostrado;
                if (novaAtividade("txtAtividade", texto, &mostrado)) {
                    QVERIFY(!texto.trimmed().isEmpty());
                    QCOMPARE(mostrado, testsupport::cutAt(texto, 32767));
                    QVERIFY(testsupport::wholeCharacters(mostrado));
                    QCOMPARE(ultima().text("Atividade"), mostrado);
                } else {
                    QVERIFY(texto.trimmed().isEmpty());
                    QCOMPARE(lastMessage().title, QStringLiteral("Falta digitar a Atividade!"));
                }
            },
            [&] {
                if (quantas() > 3)
                    apagaUltima();
            });
    }

    void new_activity_observations()
    {
        todos(
            "frmNovaAtiv.txtObs",
            [&](const QString& texto) {
                QString mostrado;
                QVERIFY(novaAtividade("txtObs", texto, &mostrado));
                QCOMPARE(mostrado, testsupport::cutAt(texto, 32767));
                QVERIFY(testsupport::wholeCharacters(mostrado));
                QCOMPARE(ultima().text("Obs"), mostrado);
            },
            [&] {
                if (quantas() > 3)
                    apagaUltima();
            });
    }

    // Hours are stored as the number the box shows, or refused with the screen's message.
    void new_activity_hours()
    {
        for (const char* caixa : {"txtHorasEst", "txtHorasJaTrab"}) {
            const QString campo = caixa == QLatin1String("txtHorasEst") ? "HorasEst" : "HorasTrab";
            todos(
                caixa,
                [&](const QString& texto) {
                    QString mostrado;
                    const bool gravou = novaAtividade(caixa, texto, &mostrado);
                    const auto n = numero(mostrado);
                    QCOMPARE(gravou, n.has_value() && *n >= 0);
                    if (gravou)
                        QCOMPARE(ultima().value(campo).toDouble(), *n);
                },
                [&] {
                    if (quantas() > 3)
                        apagaUltima();
                });
            if (QTest::currentTestFailed())
                return;
        }
    }

    // Whatever the mask makes of a text, the deadline stored is the date the box shows.
    void new_activity_deadline()
    {
        todos(
            "frmNovaAtiv.mskDtFinal",
            [&](const QString& texto) {
                QString mostrado;
                if (novaAtividade("mskDtFinal", texto, &mostrado))
                    QCOMPARE(ultima().value("DataFinal").toDate(), common::readDate(mostrado));
            },
            [&] {
                if (quantas() > 3)
                    apagaUltima();
            });
    }

    // The list's notes are stored exactly as the box shows them.
    void list_observations()
    {
        painel("txtObs", [&](const QString& mostrado, const QVariantList&) {
            const QString guardado = valor(Beta, "Obs").toString();
            if (guardado != mostrado) {
                qsizetype i = 0;
                while (i < std::min(guardado.size(), mostrado.size()) && guardado[i] == mostrado[i])
                    ++i;
                qInfo("stored %lld units, shown %lld, first difference at %lld", guardado.size(), mostrado.size(), i);
            }
            QCOMPARE(valor(Beta, "Obs").toString(), mostrado);
            QCOMPARE(lastMessage().title, QString());
        });
    }

    // An estimate of zero or more is stored as the box shows it; one below zero is refused with the
    // screen's message; a text that is no number leaves the stored estimate as it was.
    void list_estimate()
    {
        painel("txtHorasEst", [&](const QString& mostrado, const QVariantList& antes) {
            const auto n = numero(mostrado);
            const double anterior = antes[10].toDouble();  // HorasEst
            if (n && *n >= 0)
                QCOMPARE(valor(Beta, "HorasEst").toDouble(), *n);
            else
                QCOMPARE(valor(Beta, "HorasEst").toDouble(), anterior);
            if (n && *n < 0)
                QCOMPARE(lastMessage().title, davo::horasEstimadasIncorretas().titulo);
        });
    }

    // Hours worked are added to those booked; below zero is refused with the screen's message.
    void list_hours_worked()
    {
        painel("txtHorasJaTrab", [&](const QString& mostrado, const QVariantList& antes) {
            const auto n = numero(mostrado);
            const double anterior = antes[11].toDouble();  // HorasTrab
            if (n && *n >= 0)
                QCOMPARE(valor(Beta, "HorasTrab").toDouble(), anterior + *n);
            else
                QCOMPARE(valor(Beta, "HorasTrab").toDouble(), anterior);
            if (n && *n < 0)
                QCOMPARE(lastMessage().title, davo::horasJaTrabIncorretas().titulo);
        });
    }

    // A deadline is stored when the box shows a real date from today on; otherwise the stored one
    // stays and the screen says so.
    void list_deadline()
    {
        painel("mskDtFinal", [&](const QString& mostrado, const QVariantList& antes) {
            const QDate data = common::readDate(mostrado);
            if (data.isValid() && data >= Today) {
                QCOMPARE(valor(Beta, "DataFinal").toDate(), data);
            } else {
                QCOMPARE(valor(Beta, "DataFinal").toDate(), antes[7].toDate());
                QCOMPARE(lastMessage().title, QStringLiteral("Data Final incompatível!"));
            }
        });
    }

    // Typed key by key, as the user types: the SQL fragment stored whole, the hours read in the
    // user's decimals, the other activities untouched.
    void typed_by_keys()
    {
        const QStringList antes = snapshot(f_->programa.db, Tabelas);
        davo::frmNovaAtiv tela(f_->programa);
        common::Modal::setTestHandler(responde);
        tela.show();
        QVERIFY(QTest::qWaitForWindowActive(&tela));
        const auto digita = [&](const char* caixa, const QString& texto) {
            auto* box = named<QLineEdit>(&tela, QLatin1String(caixa));
            QTest::mouseClick(box, Qt::LeftButton);
            QTest::keyClick(box, Qt::Key_Home);
            QTest::keyClicks(box, texto);
        };
        digita("txtAtividade", QStringLiteral("'; DROP TABLE Atividades; --"));
        digita("mskDtFinal", common::dateText(Today.addDays(10)).remove(QLatin1Char('/')));
        digita("txtHorasEst", QStringLiteral("1,5"));
        digita("txtHorasJaTrab", QStringLiteral("0"));
        digita("txtObs", QStringLiteral("\\'\""));
        clica(&tela, "cmdGravidade");
        clica(&tela, "cmdTendencias");
        clica(&tela, "cmdGravar");
        QCOMPARE(quantas(), 4);
        common::Recordset rs = ultima();
        QCOMPARE(rs.text("Atividade"), QStringLiteral("'; DROP TABLE Atividades; --"));
        QCOMPARE(rs.value("HorasEst").toDouble(), 1.5);
        QCOMPARE(rs.value("DataFinal").toDate(), Today.addDays(10));
        QCOMPARE(rs.text("Obs"), QStringLiteral("\\'\""));
        QStringList depois = snapshot(f_->programa.db, Tabelas);
        depois.removeAt(3);  // the new activity, after the three there were
        QCOMPARE(depois, antes);
    }
};

QTEST_MAIN(TestHostil)
#include "test_hostil.moc"
