// davo's screens driven as the user drives them: keys typed into the boxes, buttons pressed by their
// access keys and by the mouse, rows picked in the grids. And what a failing write does: it is
// reported, it leaves no record, and the program ends with code 1 through its event loop.

#include "davo/data/database.h"
#include "davo/screens/frmAtividadesGUT.h"
#include "davo/screens/frmGravidade.h"
#include "davo/screens/frmHistorico.h"
#include "davo/screens/frmNovaAtiv.h"
#include "davo/screens/frmTendencia.h"
#include "davo/screens/gradeatividades.h"
#include "davo/screens/menu.h"

#include "common/formats.h"
#include "common/maskeddatebox.h"
#include "common/store.h"
#include "common/traducao.h"
#include "tests/davo/davofixture.h"
#include "tests/support/testsupport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

using testsupport::accessKey;
using testsupport::named;
using testsupport::shownTitles;
using testsupport::Today;

namespace {

bool mostra(QWidget* tela)
{
    tela->show();
    return QTest::qWaitForWindowActive(tela);
}

void clica(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton);
}

// Into a box with the mouse, then the text typed.
void digita(QWidget* tela, const char* caixa, const QString& texto)
{
    auto* box = named<QLineEdit>(tela, QLatin1String(caixa));
    clica(box);
    box->selectAll();
    QTest::keyClicks(box, texto);
}

// A click on row `linha` of a grid, where the user sees it.
void clicaLinha(QWidget* tela, const char* grade, int linha, int coluna)
{
    auto* grid = named<QTableView>(tela, QLatin1String(grade));
    const QRect celula = grid->visualRect(grid->model()->index(linha, coluna));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, celula.center());
}

// The user of the questionnaires: every gravity answer in the first column but the costs' in the
// last (gravity 1.7), tendency 4; the gravity saved by its access key, the tendency by the mouse.
int respondeQuestionario(QDialog& d)
{
    if (!mostra(&d))
        return -1;
    if (auto* g = qobject_cast<davo::frmGravidade*>(&d)) {
        for (int q = 1; q <= 14; ++q)
            clica(g->opcao(q, q == 11 ? 5 : 1));
        accessKey(g, 'g');
    } else if (auto* t = qobject_cast<davo::frmTendencia*>(&d)) {
        clica(t->opcao(4));
        clica(named<QPushButton>(t, "cmdGravar"));
    }
    return d.result();
}

QString dia(int dias)
{
    return common::dateText(Today.addDays(dias));
}

}  // namespace

class TestDavoWiring : public QObject {
    Q_OBJECT

    std::unique_ptr<DavoFixture> f_;

    void adiciona(const QString& nome, const QString& ativo = QStringLiteral("1"), double horasTrab = 5)
    {
        common::Recordset rs = common::Recordset::openTable(f_->programa.db, QStringLiteral("Atividades"));
        rs.addNew();
        rs.setValue("Ativo", ativo);
        rs.setValue("GUT", 8);
        rs.setValue("Atividade", nome);
        rs.setValue("G", 2);
        rs.setValue("U", 1);
        rs.setValue("T", 4);
        rs.setValue("DataFinal", Today.addDays(10));
        rs.setValue("FaltamDias", 10);
        rs.setValue("TempoDisp", 60);
        rs.setValue("HorasEst", 30);
        rs.setValue("HorasTrab", horasTrab);
        rs.setValue("HorasQFaltam", 30 - horasTrab);
        rs.setValue("HorasTrabDia", 0);
        rs.update();
    }

    QStringList campo(const char* nome)
    {
        QStringList out;
        common::Recordset rs = common::Recordset::openTable(f_->programa.db, QStringLiteral("Atividades"));
        for (; !rs.eof(); rs.moveNext())
            out << rs.text(QLatin1String(nome));
        return out;
    }

    // A write into Atividades the engine refuses, as a full disk would.
    void escritaFalha()
    {
        f_->programa.db.execute(QStringLiteral(
            "CREATE TRIGGER falha BEFORE INSERT ON Atividades BEGIN SELECT RAISE(ABORT, 'disco cheio'); END"));
    }

    // The new-activity screen filled in as the user fills it, questionnaires included.
    static void preenche(QDialog& nova)
    {
        digita(&nova, "txtAtividade", QStringLiteral("Relatorio de custos"));
        auto* data = named<common::MaskedDateBox>(&nova, "mskDtFinal");
        clica(data);
        data->setText(dia(10));
        accessKey(&nova, 't');                             // Tendências: the only T
        clica(named<QPushButton>(&nova, "cmdGravidade"));  // G is also Gravar's
        digita(&nova, "txtHorasEst", QStringLiteral("30"));
        digita(&nova, "txtHorasJaTrab", QStringLiteral("0"));
    }

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }

    void init()
    {
        testsupport::startTest(f_);
        common::Modal::setTestHandler(respondeQuestionario);
    }

    void cleanup()
    {
        common::instalaLingua(QStringLiteral("davo"), QStringLiteral("pt"));
        testsupport::endTest(f_);
    }

    void the_new_activity_screen_by_keys_and_clicks()
    {
        davo::frmNovaAtiv nova(f_->programa);
        QVERIFY(mostra(&nova));
        // A past deadline: the box's check refuses it, and Gravar does not run after it.
        auto* data = named<common::MaskedDateBox>(&nova, "mskDtFinal");
        clica(data);
        data->setText(dia(-1));
        clica(named<QPushButton>(&nova, "cmdGravar"));
        QCOMPARE(shownTitles(), QStringList{"Data Final incorreta!"});
        QCOMPARE(QApplication::focusWidget(), data);
        QCOMPARE(campo("Atividade"), QStringList());

        common::Messages::clearShown();
        preenche(nova);
        QCOMPARE(named<QLabel>(&nova, "lblG")->text(), QStringLiteral("1,7"));
        QCOMPARE(named<QLabel>(&nova, "lblT")->text(), QStringLiteral("4"));
        QCOMPARE(named<QLabel>(&nova, "lblU")->text(), QStringLiteral("3"));
        clica(named<QPushButton>(&nova, "cmdGravar"));
        QVERIFY(common::Messages::shown().isEmpty());
        QCOMPARE(nova.result(), int(QDialog::Accepted));
        QCOMPARE(campo("Atividade"), QStringList{"Relatorio de custos"});
        QCOMPARE(campo("DataFinal"), QStringList{dia(10)});

        davo::frmNovaAtiv outra(f_->programa);
        QVERIFY(mostra(&outra));
        accessKey(&outra, 'v');
        QVERIFY(!outra.isVisible());
        QCOMPARE(outra.result(), int(QDialog::Rejected));
        QCOMPARE(campo("Atividade").size(), 1);
    }

    void hours_are_read_as_the_locale_means_them_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("horas");
        QTest::addColumn<double>("lidas");  // -1: refused with the screen's message
        QTest::newRow("pt_BR 1.500") << "pt_BR"
                                     << "1.500" << 1500.0;
        QTest::newRow("pt_BR 1.5") << "pt_BR"
                                   << "1.5" << -1.0;
        QTest::newRow("pt_BR 1,5") << "pt_BR"
                                   << "1,5" << 1.5;
        QTest::newRow("de_DE 1.500") << "de_DE"
                                     << "1.500" << 1500.0;
        QTest::newRow("de_DE 2.25") << "de_DE"
                                    << "2.25" << -1.0;
        QTest::newRow("en_US 1,500") << "en_US"
                                     << "1,500" << 1500.0;
        QTest::newRow("en_US 1,5") << "en_US"
                                   << "1,5" << -1.0;
        QTest::newRow("en_US 1.5") << "en_US"
                                   << "1.5" << 1.5;
    }

    void hours_are_read_as_the_locale_means_them()
    {
        QFETCH(QString, locale);
        QFETCH(QString, horas);
        QFETCH(double, lidas);
        common::setUserLocale(QLocale(locale));
        davo::frmNovaAtiv nova(f_->programa);
        QVERIFY(mostra(&nova));
        preenche(nova);
        digita(&nova, "txtHorasEst", horas);
        clica(named<QPushButton>(&nova, "cmdGravar"));
        if (lidas < 0) {
            QCOMPARE(shownTitles(), QStringList{"Horas Estimadas incorretas!"});
            QCOMPARE(campo("Atividade"), QStringList());
            return;
        }
        QVERIFY(common::Messages::shown().isEmpty());
        common::Recordset rs = common::Recordset::openTable(f_->programa.db, QStringLiteral("Atividades"));
        QCOMPARE(rs.value("HorasEst").toDouble(), lidas);
        QCOMPARE(rs.value("HorasQFaltam").toDouble(), lidas);
    }

    void the_activity_list_by_keys_and_clicks()
    {
        adiciona(QStringLiteral("primeira"));
        adiciona(QStringLiteral("segunda"));
        davo::frmAtividadesGUT lista(f_->programa);
        lista.Form_Load();
        QVERIFY(mostra(&lista));

        clicaLinha(&lista, "MSFlexGrid1", 0, davo::GradeAtividades::ColunaAtividade);
        QVERIFY(named<QWidget>(&lista, "Frame3")->isVisible());
        digita(&lista, "txtHorasJaTrab", QStringLiteral("2"));
        accessKey(&lista, 'g');
        QCOMPARE(campo("HorasTrab"), QStringList({"7", "5"}));
        QVERIFY(!named<QWidget>(&lista, "Frame3")->isVisible());

        clicaLinha(&lista, "MSFlexGrid1", 1, davo::GradeAtividades::ColunaAtividade);
        auto* chkFim = named<QCheckBox>(&lista, "chkFim");
        QTest::mouseClick(chkFim, Qt::LeftButton, {}, QPoint(8, chkFim->height() / 2));  // on the box
        QVERIFY(chkFim->isChecked());
        clica(named<QPushButton>(&lista, "cmdGravar"));
        QCOMPARE(campo("Ativo").count(QStringLiteral("0")), 1);
        QCOMPARE(lista.QtdeAtividades(), 1);

        QStringList abertas;
        common::Modal::setTestHandler([&](QDialog& d) {
            abertas << d.objectName();
            return int(QDialog::Rejected);
        });
        accessKey(&lista, 'n');
        clica(named<QPushButton>(&lista, "cmdNovaAtiv"));
        QCOMPARE(abertas, QStringList({"frmNovaAtiv", "frmNovaAtiv"}));

        accessKey(&lista, 'v');
        QVERIFY(!lista.isVisible());
        QVERIFY(common::Messages::shown().isEmpty());
    }

    void the_history_by_keys_and_clicks()
    {
        adiciona(QStringLiteral("concluída"), QStringLiteral("0"));
        davo::frmHistorico historico(f_->programa);
        historico.Form_Load();
        QVERIFY(mostra(&historico));
        clicaLinha(&historico, "DBGrid1", 0, 3);
        QVERIFY(named<QWidget>(&historico, "Frame1")->isVisible());
        QVERIFY(!named<QWidget>(&historico, "cmdGravar")->isVisible());
        accessKey(&historico, 'r');
        QVERIFY(named<QCheckBox>(&historico, "chkFim")->isChecked());
        QVERIFY(named<QWidget>(&historico, "cmdGravar")->isVisible());
        accessKey(&historico, 'g');
        QCOMPARE(campo("Ativo"), QStringList{"1"});
        QVERIFY(!named<QWidget>(&historico, "Frame1")->isVisible());

        clica(named<QPushButton>(&historico, "Command1"));
        QVERIFY(!historico.isVisible());
    }

    void the_language_clicked_on_the_information_screen_is_spoken_at_once_data()
    {
        QTest::addColumn<QString>("opcao");
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<QStringList>("textos");
        // The menu as the information screen closes, that screen, then the list and the new
        // activity opened afterwards.
        QTest::newRow("English")
            << "opt1"
            << "en" << QStringList{"GUT &Activities", "&Utilities", "&Support", "&Quit",          "Davo System",
                                   "Information",     "Language: ", "&Return",  "GUT Activities", "Add &New Activity",
                                   "New Activity",    "Activity:",  "&Save"};
        QTest::newRow("Spanish") << "opt2"
                                 << "es"
                                 << QStringList{"&Actividades GUT",
                                                "&Utilidades",
                                                "&Soporte",
                                                "Sa&lir",
                                                "Sistema Davo",
                                                "Información general",
                                                "Idioma: ",
                                                "&Volver",
                                                "Actividades GUT",
                                                "Incluir &nueva actividad",
                                                "Inclusión de nueva actividad",
                                                "Actividad:",
                                                "G&uardar"};
        QTest::newRow("Portuguese") << "opt3"
                                    << "pt"
                                    << QStringList{"&Atividades GUT",
                                                   "&Utilitários",
                                                   "&Suporte",
                                                   "&Sair",
                                                   "Sistema Davo",
                                                   "Informações Gerais",
                                                   "Idioma: ",
                                                   "&Voltar",
                                                   "Atividades GUT",
                                                   "Incluir &Nova Atividade",
                                                   "Inclusão de Nova Atividade",
                                                   "Atividade:",
                                                   "&Gravar"};
    }

    void the_language_clicked_on_the_information_screen_is_spoken_at_once()
    {
        QFETCH(QString, opcao);
        QFETCH(QString, codigo);
        QFETCH(QStringList, textos);
        // Another language than the one chosen first, so that the click changes something.
        davo::guardaLingua(codigo == QLatin1String("en") ? QStringLiteral("es") : QStringLiteral("en"));
        f_->programa.db.close();
        davo::Menu menu(f_->folder.path());
        QVERIFY(menu.Form_Load());
        QVERIFY(mostra(&menu));
        auto legendasMenu = [&menu] {
            return QStringList{named<QAction>(&menu, "mnuAtivGUT")->text(), named<QMenu>(&menu, "mnuUtil")->title(),
                               named<QAction>(&menu, "mnuSuporte")->text(), named<QAction>(&menu, "mnuSair")->text(),
                               menu.windowTitle()};
        };
        QStringList vistos;
        QStringList opcoes;
        common::Modal::setTestHandler([&](QDialog& d) {
            if (!mostra(&d))
                return -1;
            if (d.objectName() == QLatin1String("frmInformacoes")) {
                for (const char* opt : {"opt1", "opt2", "opt3"})
                    opcoes << named<QRadioButton>(&d, opt)->text();
                clica(named<QRadioButton>(&d, opcao));
                QCoreApplication::processEvents();  // the change reaches every window
                vistos << legendasMenu() << d.windowTitle() << named<QGroupBox>(&d, "Frame3")->title()
                       << named<QPushButton>(&d, "cmdVOLTAR")->text();
                clica(named<QPushButton>(&d, "cmdVOLTAR"));
            } else if (d.objectName() == QLatin1String("frmAtividadesGUT")) {
                vistos << d.windowTitle() << named<QPushButton>(&d, "cmdNovaAtiv")->text();
                clica(named<QPushButton>(&d, "cmdNovaAtiv"));
                d.reject();
            } else if (d.objectName() == QLatin1String("frmNovaAtiv")) {
                vistos << d.windowTitle() << named<QLabel>(&d, "Label1")->text()
                       << named<QPushButton>(&d, "cmdGravar")->text();
                d.reject();
            }
            return d.result();
        });
        const QImage figura = named<QLabel>(&menu, "Image1")->pixmap().toImage();
        named<QAction>(&menu, "mnuSuporte")->trigger();
        named<QAction>(&menu, "mnuAtivGUT")->trigger();
        QCOMPARE(vistos, textos);
        QVERIFY(named<QLabel>(&menu, "Image1")->pixmap().toImage() != figura);  // the picture's words too
        // Each language under its own name, in every language.
        QCOMPARE(opcoes, QStringList({"English", "Español", "Português"}));
        QCOMPARE(davo::linguaGuardada(), codigo);
        QCOMPARE(legendasMenu(), textos.mid(0, 5));
        // Numbers and dates stay the user's.
        QCOMPARE(common::numberText(1.5), QStringLiteral("1,5"));
        QCOMPARE(common::shortDateText(Today), QStringLiteral("08/12/2026"));
    }

    void a_language_change_rewords_the_new_activity_screen_and_keeps_what_was_typed()
    {
        adiciona(QStringLiteral("antiga"));
        davo::frmNovaAtiv nova(f_->programa);
        QVERIFY(mostra(&nova));
        preenche(nova);
        digita(&nova, "txtObs", QStringLiteral("ligar antes"));
        auto conteudo = [&nova] {
            QStringList out;
            for (const char* caixa : {"txtAtividade", "mskDtFinal", "txtHorasEst", "txtHorasJaTrab", "txtObs"})
                out << named<QLineEdit>(&nova, caixa)->text();
            for (const char* rotulo : {"lblG", "lblT", "lblU", "lblGUT"})
                out << named<QLabel>(&nova, rotulo)->text();
            return out;
        };
        const QStringList digitado = conteudo();
        QVERIFY(!named<QLabel>(&nova, "lblGUT")->text().isEmpty());
        QVERIFY(named<QLabel>(&nova, "lblImpacto")->text().startsWith(QStringLiteral("Com esta atividade")));

        const std::tuple<const char*, const char*, const char*, const char*> linguas[] = {
            {"en", "New Activity", "&Tendency", "With this activity"},
            {"es", "Inclusión de nueva actividad", "&Tendencias", "Con esta actividad"},
            {"pt", "Inclusão de Nova Atividade", "&Tendências", "Com esta atividade"}};
        for (const auto& [codigo, titulo, botao, impacto] : linguas) {
            QVERIFY(common::instalaLingua(QStringLiteral("davo"), QLatin1String(codigo)));
            QTRY_COMPARE(nova.windowTitle(), QString::fromUtf8(titulo));
            QCOMPARE(named<QPushButton>(&nova, "cmdTendencias")->text(), QString::fromUtf8(botao));
            QVERIFY(named<QLabel>(&nova, "lblImpacto")->text().startsWith(QString::fromUtf8(impacto)));
            QCOMPARE(conteudo(), digitado);
        }
    }

    void every_text_has_a_finished_translation_data()
    {
        QTest::addColumn<QString>("arquivo");
        QTest::addColumn<int>("minimo");  // fewer messages: the file lost the texts of a source
        QTest::newRow("English") << QStringLiteral(DAVO_TRANSLATIONS "/davo_en.ts") << 100;
        QTest::newRow("Spanish") << QStringLiteral(DAVO_TRANSLATIONS "/davo_es.ts") << 100;
        QTest::newRow("common, English") << QStringLiteral(DAVO_TRANSLATIONS "/common_en.ts") << 40;
        QTest::newRow("common, Spanish") << QStringLiteral(DAVO_TRANSLATIONS "/common_es.ts") << 40;
    }

    void every_text_has_a_finished_translation()
    {
        QFETCH(QString, arquivo);
        QFETCH(int, minimo);
        int mensagens = 0;
        const QString lingua =
            arquivo.endsWith(QLatin1String("_en.ts")) ? QStringLiteral("English") : QStringLiteral("Spanish");
        const QStringList faltam = testsupport::incompleteTranslations(arquivo, lingua, &mensagens);
        QVERIFY2(faltam.isEmpty(), qPrintable(faltam.join(QLatin1Char('\n'))));
        QVERIFY(mensagens > minimo);
    }

    void a_failing_write_leaves_no_record_and_ends_the_program()
    {
        escritaFalha();
        davo::frmNovaAtiv nova(f_->programa);
        const int code = testsupport::inEventLoop([&] {
            QVERIFY(mostra(&nova));
            preenche(nova);
            clica(named<QPushButton>(&nova, "cmdGravar"));
        });
        QCOMPARE(code, 1);
        QCOMPARE(testsupport::lastMessage().icon, QMessageBox::Critical);
        QVERIFY(testsupport::lastMessage().text.contains(QStringLiteral("disco cheio")));
        QCOMPARE(common::Messages::shown().size(), 1);
        QCOMPARE(campo("Atividade"), QStringList());
        QVERIFY(nova.isVisible());  // not closed as if it had stored
    }

    // common's wording of a failure follows the language as davo's own texts do: the actionable
    // message of a full disk and the report of a failure that ends the program.
    void under_english_a_refused_write_is_worded_in_english()
    {
        adiciona(QStringLiteral("relatório"));
        QVERIFY(common::instalaLingua(QStringLiteral("davo"), QStringLiteral("en")));
        const QString arquivo = f_->folder.file(QStringLiteral("DAVO.mdb"));
        davo::frmAtividadesGUT lista(f_->programa);
        lista.Form_Load();
        QVERIFY(mostra(&lista));
        clicaLinha(&lista, "MSFlexGrid1", 0, davo::GradeAtividades::ColunaAtividade);
        named<QPlainTextEdit>(&lista, "txtObs")->setPlainText(QString(20000, QLatin1Char('o')));
        // A full disk: the long observation needs room the file no longer has.
        f_->programa.db.execute(QStringLiteral("PRAGMA max_page_count = %1").arg(QFileInfo(arquivo).size() / 4096));
        clica(named<QPushButton>(&lista, "cmdGravar"));
        QVERIFY(!common::Exit::requested());
        QCOMPARE(shownTitles(), QStringList{QStringLiteral("Disk full!")});
        QCOMPARE(testsupport::lastMessage().text,
                 QStringLiteral("The disk is full: could not write to %1. Nothing was changed; free some space and "
                                "try again.")
                     .arg(QDir::toNativeSeparators(arquivo)));

        f_->programa.db.execute(QStringLiteral("PRAGMA max_page_count = 1000000"));
        f_->programa.db.execute(QStringLiteral(
            "CREATE TRIGGER falha BEFORE UPDATE ON Atividades BEGIN SELECT RAISE(ABORT, 'disco cheio'); END"));
        const int code = testsupport::inEventLoop([&] { clica(named<QPushButton>(&lista, "cmdGravar")); });
        QCOMPARE(code, 1);
        QCOMPARE(testsupport::lastMessage().icon, QMessageBox::Critical);
        QVERIFY2(testsupport::lastMessage().text.startsWith(
                     QStringLiteral("Unexpected error; the program will close.\n\nError ")),
                 qPrintable(testsupport::lastMessage().text));
    }

    void a_failure_under_the_menu_ends_exec_with_1_and_leaves_the_database_intact()
    {
        adiciona(QStringLiteral("antiga"));
        escritaFalha();
        f_->programa.db.close();
        QStringList abertas;
        {
            davo::Menu menu(f_->folder.path());
            QVERIFY(menu.Form_Load());
            common::Modal::setTestHandler([&](QDialog& d) {
                abertas << d.objectName();
                if (d.objectName() == QLatin1String("frmAtividadesGUT")) {
                    if (mostra(&d))
                        accessKey(&d, 'n');
                    return d.result();
                }
                if (d.objectName() == QLatin1String("frmNovaAtiv")) {
                    if (mostra(&d)) {
                        preenche(static_cast<QDialog&>(d));
                        clica(named<QPushButton>(&d, "cmdGravar"));
                    }
                    return d.result();
                }
                return respondeQuestionario(d);
            });
            const int code = testsupport::inEventLoop([&] {
                menu.show();
                named<QAction>(&menu, "mnuAtivGUT")->trigger();
            });
            QCOMPARE(code, 1);
        }  // the menu, its database with it, goes as main's would after exec
        QCOMPARE(abertas, QStringList({"frmAtividadesGUT", "frmNovaAtiv", "frmTendencia", "frmGravidade"}));
        QCOMPARE(shownTitles(), QStringList{QCoreApplication::applicationName()});  // reported once
        QVERIFY(!QFile::exists(f_->folder.file(QStringLiteral("DAVO.mdb-journal"))));
        QVERIFY(!QFile::exists(f_->folder.file(QStringLiteral("DAVO.mdb-wal"))));
        f_->programa.db.open(f_->folder.file(QStringLiteral("DAVO.mdb")), QStringLiteral(";pwd=PanoRoxo"));
        QCOMPARE(campo("Atividade"), QStringList{"antiga"});
    }
};

QTEST_MAIN(TestDavoWiring)
#include "test_wiring.moc"
