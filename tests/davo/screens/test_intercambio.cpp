// Activities in and out through the real menu and its file dialog, the list's CSV against its grid,
// and an activity rated again from the list's panel.

#include "davo/data/database.h"
#include "davo/data/intercambio.h"
#include "davo/screens/frmAtividadesGUT.h"
#include "davo/screens/frmGravidade.h"
#include "davo/screens/frmTendencia.h"
#include "davo/screens/gradeatividades.h"
#include "davo/screens/menu.h"

#include "common/formats.h"
#include "common/store.h"
#include "tests/davo/davofixture.h"
#include "tests/support/testsupport.h"

#include <QAction>
#include <QFile>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

using davo::GradeAtividades;
using testsupport::lastMessage;
using testsupport::named;
using testsupport::Today;

namespace {

void adiciona(common::Database& db, const QString& nome, int dias, double g, double t, double horasEst = 12,
              const QString& ativo = QStringLiteral("1"))
{
    common::Recordset rs = common::Recordset::openTable(db, QStringLiteral("Atividades"));
    rs.addNew();
    rs.setValue("Ativo", ativo);
    rs.setValue("GUT", g * t);
    rs.setValue("Atividade", nome);
    rs.setValue("G", g);
    rs.setValue("U", 1);
    rs.setValue("T", t);
    rs.setValue("DataFinal", Today.addDays(dias));
    rs.setValue("FaltamDias", dias);
    rs.setValue("TempoDisp", 6 * dias);
    rs.setValue("HorasEst", horasEst);
    rs.setValue("HorasTrab", 2);
    rs.setValue("HorasQFaltam", horasEst - 2);
    rs.setValue("HorasTrabDia", 0);
    rs.setValue("Obs", QString());
    rs.update();
}

QByteArray umaTarefa(const QString& nome)
{
    return QStringLiteral(
               "BEGIN:VCALENDAR\r\nBEGIN:VTODO\r\nSUMMARY:%1\r\nDUE;VALUE=DATE:20261213\r\n"
               "END:VTODO\r\nEND:VCALENDAR\r\n")
        .arg(nome)
        .toUtf8();
}

// The user of the file dialog: types `arquivo` into its file-name box and presses Enter.
std::function<int(QDialog&)> digitaArquivo(const QString& arquivo, bool* aberto = nullptr)
{
    return [arquivo, aberto](QDialog& d) {
        auto* dialogo = qobject_cast<QFileDialog*>(&d);
        if (!dialogo)
            return int(QDialog::Rejected);
        if (aberto)
            *aberto = true;
        dialogo->show();
        auto* nome = dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!nome)
            return int(QDialog::Rejected);
        // The user goes to the folder, then types the name (a slash typed into the box would
        // move the dialog from folder to folder as it completes).
        dialogo->setDirectory(QFileInfo(arquivo).absolutePath());
        nome->setFocus();
        nome->selectAll();
        QTest::keyClicks(nome, QFileInfo(arquivo).fileName());
        // The dialog's name completer takes the first Enter; the user presses it again.
        for (int vez = 0; vez < 3 && dialogo->isVisible(); ++vez)
            QTest::keyClick(nome, Qt::Key_Return);
        return dialogo->result();
    };
}

QList<QStringList> leCsv(const QString& arquivo)
{
    QByteArray bytes = testsupport::fileBytes(arquivo);
    if (!bytes.startsWith("\xEF\xBB\xBF"))
        return {};
    const QString texto = QString::fromUtf8(bytes.mid(3));
    QList<QStringList> linhas;
    for (const QString& linha : texto.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        linhas << linha.split(davo::separadorCsv());
    return linhas;
}

}  // namespace

class TestIntercambioTelas : public QObject {
    Q_OBJECT

    std::unique_ptr<DavoFixture> f_;

    // The program's main window on the fixture's folder, started.
    std::unique_ptr<davo::Menu> menu()
    {
        f_->programa.db.close();
        auto m = std::make_unique<davo::Menu>(f_->folder.path());
        if (!m->Form_Load())
            return {};
        return m;
    }

    static QAction* item(davo::Menu& m, const char* nome) { return named<QAction>(&m, QLatin1String(nome)); }

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }
    void init() { testsupport::startTest(f_); }
    void cleanup() { testsupport::endTest(f_); }

    void the_menu_offers_the_exports_and_the_import()
    {
        auto m = menu();
        QVERIFY(m);
        QMenu* util = named<QMenu>(m.get(), "mnuUtil");
        QVERIFY(util->actions().contains(item(*m, "mnuExportarICS")));
        QVERIFY(util->actions().contains(item(*m, "mnuImportarICS")));
        QMenu* csv = named<QMenu>(m.get(), "mnuExportarCSV");
        QVERIFY(csv && util->actions().contains(csv->menuAction()));
        QCOMPARE(csv->actions(),
                 QList<QAction*>({item(*m, "mnuExportarCSVLista"), item(*m, "mnuExportarCSVHistorico")}));
        QStringList letras;
        for (QAction* a : util->actions())
            if (!a->isSeparator())
                letras << a->text().section(QLatin1Char('&'), 1).left(1).toLower();
        QCOMPARE(QSet<QString>(letras.begin(), letras.end()).size(), letras.size());  // one access key each
    }

    void an_export_imports_into_an_empty_database_from_the_menu()
    {
        adiciona(f_->programa.db, "Orçamento, fase 1; revisão", 4, 3.5, 4);
        adiciona(f_->programa.db, "Concluída", -3, 2, 2, 6, "0");
        auto origem = menu();
        QVERIFY(origem);
        const QString ics = f_->folder.file("atividades.ics");
        bool aberto = false;
        common::Modal::setTestHandler(digitaArquivo(ics, &aberto));
        item(*origem, "mnuExportarICS")->trigger();
        QVERIFY(aberto);
        QCOMPARE(lastMessage().title, QStringLiteral("Arquivo gravado"));
        QVERIFY(testsupport::fileBytes(ics).startsWith("BEGIN:VCALENDAR\r\n"));
        origem.reset();  // one copy of the program at a time

        // Another program's folder, empty, imports it.
        DavoFixture destino;
        destino.programa.db.close();
        davo::Menu outro(destino.folder.path());
        QVERIFY(outro.Form_Load());
        common::Messages::answerNext(QMessageBox::Yes);
        item(outro, "mnuImportarICS")->trigger();
        const auto& vistos = common::Messages::shown();
        QCOMPARE(testsupport::shownTitles(),
                 QStringList({"Arquivo gravado", "Confirma a importação?", "Importação concluída"}));
        QCOMPARE(vistos.at(vistos.size() - 2).title, QStringLiteral("Confirma a importação?"));
        QCOMPARE(vistos.at(vistos.size() - 2).text, QStringLiteral("2 atividades a importar"));
        QCOMPARE(lastMessage().text, QStringLiteral("2 atividades importadas."));
        common::Recordset rs = common::Recordset::openWhere(outro.programa().db, davo::ListaAtivas);
        QCOMPARE(rs.recordCount(), 1);
        QCOMPARE(rs.text("Atividade"), QStringLiteral("Orçamento, fase 1; revisão"));
        QCOMPARE(rs.text("G"), QStringLiteral("3,5"));
        QCOMPARE(common::Recordset::openWhere(outro.programa().db, davo::ListaConcluidas).recordCount(), 1);
        QVERIFY(davo::atividadesNaoAvaliadas(outro.programa().db).isEmpty());
    }

    void a_refused_or_declined_import_changes_nothing()
    {
        adiciona(f_->programa.db, "a", 4, 2, 2);
        auto m = menu();
        QVERIFY(m);
        const QString banco = f_->folder.file("DAVO.mdb");
        const QByteArray antes = testsupport::fileBytes(banco);

        const QString texto = f_->folder.file("tarefas.txt");
        QFile file(texto);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Comprar pão\nPagar contas\n");
        file.close();
        common::Modal::setTestHandler(digitaArquivo(texto));
        item(*m, "mnuImportarICS")->trigger();
        QCOMPARE(lastMessage().title, QStringLiteral("Arquivo não reconhecido!"));
        QVERIFY(lastMessage().text.contains(QStringLiteral("tarefas.txt")));
        QCOMPARE(common::Messages::shown().size(), 1);

        // An iCalendar file, but the user answers No.
        const QString ics = f_->folder.file("tarefas.ics");
        QVERIFY(davo::gravaArquivo(ics, umaTarefa("b")));
        common::Modal::setTestHandler(digitaArquivo(ics));
        common::Messages::answerNext(QMessageBox::No);
        item(*m, "mnuImportarICS")->trigger();
        QCOMPARE(lastMessage().text, QStringLiteral("1 atividade a importar"));
        m.reset();
        QCOMPARE(testsupport::fileBytes(banco), antes);
    }

    void an_existing_file_is_replaced_only_after_yes()
    {
        auto m = menu();
        QVERIFY(m);
        const QString csv = f_->folder.file("lista.csv");
        QVERIFY(davo::gravaArquivo(csv, "antes"));
        common::Modal::setTestHandler(digitaArquivo(csv));
        item(*m, "mnuExportarCSVLista")->trigger();  // no answer queued: No
        QCOMPARE(lastMessage().title, QStringLiteral("Arquivo existente!"));
        QCOMPARE(lastMessage().defaultButton, QMessageBox::No);
        QCOMPARE(testsupport::fileBytes(csv), QByteArray("antes"));
        common::Messages::answerNext(QMessageBox::Yes);
        item(*m, "mnuExportarCSVLista")->trigger();
        QCOMPARE(lastMessage().title, QStringLiteral("Arquivo gravado"));
        QVERIFY(testsupport::fileBytes(csv).startsWith("\xEF\xBB\xBF"));
    }

    // Qt's own texts speak Portuguese with the screens: the file dialog, and the standard buttons of
    // the question before a file is replaced.
    void the_file_dialog_and_the_buttons_speak_portuguese()
    {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_pt_BR.qm")))
            QSKIP("Qt's translations (package qt6-translations-l10n) are not installed");
        auto m = menu();
        QVERIFY(m);
        const QString csv = f_->folder.file("lista.csv");
        QVERIFY(davo::gravaArquivo(csv, "antes"));
        QString rotulo;
        const auto digita = digitaArquivo(csv);
        common::Modal::setTestHandler([&](QDialog& d) {
            if (auto* nome = d.findChild<QLabel*>(QStringLiteral("fileNameLabel")))
                rotulo = nome->text();
            return digita(d);
        });
        item(*m, "mnuExportarCSVLista")->trigger();
        QCOMPARE(rotulo, QStringLiteral("&Nome do arquivo:"));
        QCOMPARE(lastMessage().title, QStringLiteral("Arquivo existente!"));
        QStringList botoes = lastMessage().buttonTexts;
        botoes.replaceInStrings(QStringLiteral("&"), QString());
        botoes.sort();
        QCOMPARE(botoes, QStringList({"Não", "Sim"}));
    }

    void the_list_csv_rows_equal_the_grid_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("pt_BR") << QLocale(QLocale::Portuguese, QLocale::Brazil);
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
    }

    void the_list_csv_rows_equal_the_grid()
    {
        QFETCH(QLocale, locale);
        common::setUserLocale(locale, QStringLiteral("dd/MM/yyyy"));
        adiciona(f_->programa.db, "Relatório", 4, 3.5, 4, 7.5);
        adiciona(f_->programa.db, "Hoje", 0, 1.7, 2);
        adiciona(f_->programa.db, "Concluída", -3, 2, 2, 6, "0");
        davo::gravaImportacao(f_->programa.db, *davo::leImportacao(umaTarefa("De outro programa")), Today);
        auto m = menu();
        QVERIFY(m);
        const QString csv = f_->folder.file("lista.csv");
        common::Modal::setTestHandler(digitaArquivo(csv));
        item(*m, "mnuExportarCSVLista")->trigger();
        const QList<QStringList> linhas = leCsv(csv);

        davo::frmAtividadesGUT lista(m->programa());
        lista.Form_Load();
        QCOMPARE(linhas.size(), lista.QtdeAtividades() + 1);
        QCOMPARE(linhas[0].first(), QStringLiteral("Ativo"));
        QCOMPARE(linhas[0].last(), QStringLiteral("Horas a Trab. p/dia"));
        for (int r = 0; r < lista.QtdeAtividades(); ++r) {
            QStringList grade;
            for (int c = 1; c < GradeAtividades::Colunas; ++c)
                grade << lista.grade().index(r, c).data().toString();
            QCOMPARE(linhas[r + 1], grade);
        }
        QCOMPARE(linhas[3][GradeAtividades::ColunaAtividade - 1],  // five days left: the last
                 GradeAtividades::marcaNaoAvaliada() + QStringLiteral("De outro programa"));
    }

    void rating_again_from_the_panel_reorders_the_list()
    {
        adiciona(f_->programa.db, "Primeira", 5, 3, 3);
        davo::gravaImportacao(f_->programa.db, *davo::leImportacao(umaTarefa("Importada")), Today);
        davo::frmAtividadesGUT lista(f_->programa);
        lista.Form_Load();
        lista.show();
        QVERIFY(QTest::qWaitForWindowExposed(&lista));
        auto descricao = [&](int row) {
            return lista.grade().index(row, GradeAtividades::ColunaAtividade).data().toString();
        };
        QCOMPARE(descricao(0), QStringLiteral("Primeira"));
        QCOMPARE(descricao(1), GradeAtividades::marcaNaoAvaliada() + QStringLiteral("Importada"));

        auto* grid = named<QTableView>(&lista, "MSFlexGrid1");
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(lista.grade().index(1, GradeAtividades::ColunaAtividade)).center());
        auto* cmdReavaliar = named<QPushButton>(&lista, "cmdReavaliar");
        QVERIFY(cmdReavaliar->isVisible());
        QCOMPARE(cmdReavaliar->text(), QStringLiteral("&Reavaliar"));
        named<QPlainTextEdit>(&lista, "txtObs")->setPlainText("nota ainda não gravada");

        // A first try given up at the gravity stores nothing.
        common::Modal::setTestHandler([](QDialog& d) {
            d.close();
            return int(QDialog::Rejected);
        });
        QTest::mouseClick(cmdReavaliar, Qt::LeftButton);
        QCOMPARE(descricao(1), GradeAtividades::marcaNaoAvaliada() + QStringLiteral("Importada"));

        QStringList abertos;
        common::Modal::setTestHandler([&abertos](QDialog& d) {
            d.show();
            abertos << d.objectName();
            if (auto* g = qobject_cast<davo::frmGravidade*>(&d)) {
                for (int q = 1; q <= 14; ++q)
                    QTest::mouseClick(g->opcao(q, 5), Qt::LeftButton);
                g->cmdGravar_Click();
            } else if (auto* t = qobject_cast<davo::frmTendencia*>(&d)) {
                QTest::mouseClick(t->opcao(5), Qt::LeftButton);
                t->cmdGravar_Click();
            }
            return d.result();
        });
        QTest::mouseClick(cmdReavaliar, Qt::LeftButton);
        QCOMPARE(abertos, QStringList({"frmGravidade", "frmTendencia"}));
        // G 5 × T 5 × U: it now comes first, without its mark.
        QCOMPARE(descricao(0), QStringLiteral("Importada"));
        QCOMPARE(descricao(1), QStringLiteral("Primeira"));
        QCOMPARE(lista.grade().index(0, 3).data().toString(), QStringLiteral("5"));
        QCOMPARE(lista.grade().index(0, 5).data().toString(), QStringLiteral("5"));
        QCOMPARE(lista.grade().fundo(0, GradeAtividades::ColunaAtividade), GradeAtividades::Amarelo);
        // The panel stays on it, with what was typed, for "&Gravar".
        QVERIFY(cmdReavaliar->isVisible());
        QCOMPARE(named<QPlainTextEdit>(&lista, "txtObs")->toPlainText(), QStringLiteral("nota ainda não gravada"));
        QTest::mouseClick(named<QPushButton>(&lista, "cmdGravar"), Qt::LeftButton);
        common::Recordset rs = common::Recordset::openWhere(f_->programa.db, davo::ListaAtivas);
        QCOMPARE(rs.text("Atividade"), QStringLiteral("Importada"));
        QCOMPARE(rs.text("Obs"), QStringLiteral("nota ainda não gravada"));
        QCOMPARE(rs.value("G").toDouble(), 5.0);
    }
};

QTEST_MAIN(TestIntercambioTelas)
#include "test_intercambio.moc"
