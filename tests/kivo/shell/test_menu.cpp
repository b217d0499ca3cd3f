#include "kivo/shell/database.h"
#include "kivo/shell/menu.h"

#include "common/store.h"
#include "tests/support/tabchain.h"
#include "tests/support/testsupport.h"

#include <QAction>
#include <QGuiApplication>
#include <QDialog>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMap>
#include <QMenuBar>
#include <QStatusBar>

using testsupport::lastMessage;
using testsupport::named;

class TestKivoMenu : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::Folder> folder_;

    QString database() const { return folder_->file(QStringLiteral("CONTROLE.mdb")); }

    void setIdioma(const QVariant& idioma)
    {
        common::Database db;
        db.open(database());
        db.execute(QStringLiteral("UPDATE Parametro SET Idioma = ?"), {idioma});
    }

    QStringList captions(kivo::Menu& menu)
    {
        QStringList out;
        for (QAction* a : menu.menuBar()->actions())
            out << a->text();
        return out;
    }

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }

    void init()
    {
        testsupport::resetPlatform();
        folder_ = std::make_unique<testsupport::Folder>();
        QVERIFY(kivo::createDatabase(database()));
    }

    void a_fresh_database_has_its_tables_and_slots()
    {
        QVERIFY(!kivo::createDatabase(database()));  // an existing file is never replaced
        common::Database db;
        db.open(database());
        for (const char* table : {"Alternativas", "Criterios"}) {
            common::Recordset rs = common::Recordset::openTable(db, QLatin1String(table));
            QCOMPARE(rs.recordCount(), 15);
            QCOMPARE(rs.text("Qtde"), QString());
        }
        common::Recordset criterios = common::Recordset::openTable(db, QStringLiteral("Criterios"));
        criterios.moveLast();
        QCOMPARE(criterios.value("Numero").toInt(), 15);
        QCOMPARE(criterios.value("Valor15").toDouble(), 0.0);
        QCOMPARE(criterios.value("Peso").toString(), QString());
        common::Recordset alternativas = common::Recordset::openTable(db, QStringLiteral("Alternativas"));
        QCOMPARE(alternativas.value("KIVO15").toDouble(), 0.0);
        QCOMPARE(alternativas.value("RTOi01").toDouble(), 0.0);
        QCOMPARE(common::Recordset::openTable(db, QStringLiteral("RTO")).recordCount(), 0);
        QCOMPARE(common::Recordset::openTable(db, QStringLiteral("c15")).recordCount(), 0);
        QCOMPARE(common::Recordset::openTable(db, QStringLiteral("Parametro")).value("Idioma").toInt(), 3);
    }

    void start_up_opens_the_database_and_shows_the_menu()
    {
        kivo::Menu menu(folder_->path());
        QVERIFY(menu.Form_Load());
        QVERIFY(common::Messages::shown().isEmpty());
        QCOMPARE(menu.windowTitle(), QStringLiteral("KIVO - CONTROLE"));
        QCOMPARE(menu.objectName(), QStringLiteral("Menu"));
        QVERIFY(menu.programa().db.isOpen());
        QCOMPARE(menu.programa().idioma, short(3));
        QCOMPARE(menu.programa().dataInicio, QStringLiteral("08/12/2026"));
        QCOMPARE(captions(menu), QStringList({"Cas&o", "&Alternativas", "&Critérios", "&Pesos", "&Valores",
                                              "&Resultado", "&Informações", "&Sair"}));
        QCOMPARE(menu.statusBar()->objectName(), QStringLiteral("StatusBar1"));
        QCOMPARE(named<QLabel>(&menu, "StatusBar1.Panel2")->text(), QStringLiteral("Versão: 15.02.18"));
        QVERIFY(named<QLabel>(&menu, "Image1"));
        for (const char* item :
             {"mnuAlternativas", "mnuCriterios", "mnuPesos", "mnuDados", "mnuResultados", "mnuUtil", "mnuSair"})
            QVERIFY2(named<QAction>(&menu, item) && named<QAction>(&menu, item)->isEnabled(), item);
    }

    void the_stored_language_sets_the_menu_captions_data()
    {
        QTest::addColumn<QVariant>("idioma");
        QTest::addColumn<short>("code");
        QTest::addColumn<bool>("english");
        QTest::newRow("1") << QVariant(1) << short(1) << true;
        QTest::newRow("2") << QVariant(2) << short(2) << false;  // Spanish captions, checked below
        QTest::newRow("3") << QVariant(3) << short(3) << false;
        QTest::newRow("null") << QVariant() << short(3) << false;
        QTest::newRow("7") << QVariant(7) << short(3) << false;
    }

    void the_stored_language_sets_the_menu_captions()
    {
        QFETCH(QVariant, idioma);
        QFETCH(short, code);
        QFETCH(bool, english);
        setIdioma(idioma);
        kivo::Menu menu(folder_->path());
        QVERIFY(menu.Form_Load());
        QCOMPARE(menu.programa().idioma, code);
        const QStringList expected = english ? QStringList({"Cas&e", "Alternatives", "Criteria", "Weights", "Values",
                                                            "Results", "Information", "Quit"})
                                     : code == 2 ? QStringList({"Cas&o", "&Alternativas", "&Criterios", "&Pesos",
                                                                "&Valores", "&Resultados", "&Información", "&Salir"})
                                                 : QStringList({"Cas&o", "&Alternativas", "&Critérios", "&Pesos",
                                                                "&Valores", "&Resultado", "&Informações", "&Sair"});
        QCOMPARE(captions(menu), expected);
        QCOMPARE(named<QLabel>(&menu, "StatusBar1.Panel2")->text(), english     ? QStringLiteral("Version: 15.02.18")
                                                                    : code == 2 ? QStringLiteral("Versión: 15.02.18")
                                                                                : QStringLiteral("Versão: 15.02.18"));
    }

    void a_missing_database_ends_in_the_error_report()
    {
        QVERIFY(QFile::remove(database()));
        kivo::Menu menu(folder_->path());
        QVERIFY(!menu.Form_Load());
        QCOMPARE(lastMessage().icon, QMessageBox::Critical);
        QCOMPARE(lastMessage().title, QStringLiteral("Erro"));
        QVERIFY(lastMessage().text.startsWith(
            QStringLiteral("Ocorreu um erro no aplicativo.\r\nComo referência, anote o seguinte número: \r\nRef.: ")));
        QVERIFY(lastMessage().text.contains(QStringLiteral("CONTROLE.mdb")));
        QVERIFY(!QFile::exists(database()));
    }

    void a_text_file_is_reported_and_left_unchanged()
    {
        QVERIFY(QFile::remove(database()));
        QFile f(database());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("não sou um banco\n");
        f.close();
        kivo::Menu menu(folder_->path());
        QVERIFY(!menu.Form_Load());
        QCOMPARE(lastMessage().title, QStringLiteral("Erro"));
        QVERIFY(lastMessage().text.contains(QStringLiteral("Ref.: Formato de banco de dados não reconhecido")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("não sou um banco\n"));
    }

    void an_empty_or_missing_parametro_is_reported()
    {
        {
            common::Database db;
            db.open(database());
            db.execute(QStringLiteral("DELETE FROM Parametro"));
        }
        kivo::Menu empty(folder_->path());
        QVERIFY(!empty.Form_Load());
        QVERIFY(lastMessage().text.endsWith(QStringLiteral("Ref.: Nenhum registro atual.")));
        {
            common::Database db;
            db.open(database());
            db.execute(QStringLiteral("DROP TABLE Parametro"));
        }
        kivo::Menu missing(folder_->path());
        QVERIFY(!missing.Form_Load());
        QVERIFY(lastMessage().text.contains(QStringLiteral("Parametro")));
    }

    void a_second_copy_is_refused_in_the_stored_language_data()
    {
        QTest::addColumn<int>("idioma");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("English") << 1 << "Paralyzed Software!"
                                 << "Active program for the second time, will be closed!";
        QTest::newRow("Spanish") << 2 << "Programa Paralizado!"
                                 << "Programa activo por segunda vez, se cerrará !";
        QTest::newRow("Portuguese") << 3 << "Programa Paralizado!"
                                    << "Programa ativo pela segunda vez, será fechado!";
    }

    void a_second_copy_is_refused_in_the_stored_language()
    {
        QFETCH(int, idioma);
        QFETCH(QString, title);
        QFETCH(QString, text);
        setIdioma(idioma);
        kivo::Menu first(folder_->path());
        QVERIFY(first.Form_Load());
        kivo::Menu second(folder_->path());
        QVERIFY(!second.Form_Load());
        QCOMPARE(lastMessage().icon, QMessageBox::Warning);
        QCOMPARE(lastMessage().title, title);
        QCOMPARE(lastMessage().text, text);
        QVERIFY(first.programa().db.isOpen());  // the first copy goes on
    }

    void the_menu_follows_the_language_chosen_on_the_information_screen()
    {
        kivo::Menu menu(folder_->path());
        QVERIFY(menu.Form_Load());
        const QStringList portugues{"Cas&o",    "&Alternativas", "&Critérios",   "&Pesos",
                                    "&Valores", "&Resultado",    "&Informações", "&Sair"};
        const QStringList ingles{"Cas&e",  "Alternatives", "Criteria",    "Weights",
                                 "Values", "Results",      "Information", "Quit"};
        const QStringList espanhol{"Cas&o",    "&Alternativas", "&Criterios",   "&Pesos",
                                   "&Valores", "&Resultados",   "&Información", "&Salir"};
        QCOMPARE(captions(menu), portugues);

        // Every switch between the three languages, each through the screen's own buttons.
        const std::pair<const char*, QStringList> escolhas[] = {
            {"opt1", ingles}, {"opt3", portugues}, {"opt2", espanhol},
            {"opt1", ingles}, {"opt2", espanhol},  {"opt3", portugues},
        };
        // The information screen's picture, by the language it opened in: its words follow it.
        QMap<QString, QSet<QByteArray>> figuras;
        QString aberta = QStringLiteral("opt3");
        for (const auto& [opcao, esperado] : escolhas) {
            QString titulo;
            common::Modal::setTestHandler([&, opcao = opcao](QDialog& tela) {
                titulo = tela.windowTitle();
                const QImage figura = named<QLabel>(&tela, "Image1")->pixmap().toImage();
                figuras[aberta] << QByteArray(reinterpret_cast<const char*>(figura.constBits()), figura.sizeInBytes());
                tela.show();
                QTest::mouseClick(named<QRadioButton>(&tela, opcao), Qt::LeftButton);
                QTest::mouseClick(named<QPushButton>(&tela, "cmdVOLTAR"), Qt::LeftButton);
                return tela.result();
            });
            named<QAction>(&menu, "mnuUtil")->trigger();
            QCOMPARE(captions(menu), esperado);
            aberta = QString::fromLatin1(opcao);
            common::Database db;
            db.open(database());
            QCOMPARE(common::Recordset::openTable(db, QStringLiteral("Parametro")).value("Idioma").toInt(),
                     QString::fromLatin1(opcao).right(1).toInt());
        }
        common::Modal::setTestHandler({});
        QVERIFY(common::Messages::shown().isEmpty());
        QCOMPARE(figuras.size(), 3);
        QSet<QByteArray> todas;
        for (const QSet<QByteArray>& umaLingua : figuras) {
            QCOMPARE(umaLingua.size(), 1);  // the same language, the same picture
            todas += umaLingua;
        }
        QCOMPARE(todas.size(), 3);  // each language its own
    }

    void the_information_screen_speaks_the_current_language()
    {
        setIdioma(1);
        kivo::Menu menu(folder_->path());
        QVERIFY(menu.Form_Load());
        QStringList textos;
        common::Modal::setTestHandler([&](QDialog& tela) {
            textos << tela.windowTitle() << named<QLabel>(&tela, "Label1")->text()
                   << named<QGroupBox>(&tela, "Frame1")->title() << named<QPushButton>(&tela, "cmdVOLTAR")->text()
                   << named<QLabel>(&tela, "lblBancoDados")->text();
            return int(QDialog::Rejected);
        });
        named<QAction>(&menu, "mnuUtil")->trigger();
        common::Modal::setTestHandler({});
        QCOMPARE(textos,
                 (QStringList{"Information", "Computer name:", "Computer specification: ", "&Return", "15.02.18"}));
    }

    // Tab goes through each screen in reading order and reaches every control that takes the focus;
    // Shift+Tab goes the same way back.
    void tab_follows_the_reading_order_data()
    {
        QTest::addColumn<QString>("item");  // the menu item that opens the screen
        QTest::addColumn<bool>("calcula");  // the results computed first
        QTest::addColumn<QString>("tela");
        QTest::addColumn<QStringList>("ordem");
        QTest::newRow("results") << "mnuResultados" << false << "frmResultado"
                                 << QStringList{"DBGrid1", "cmdCalcular", "Combo1", "cmdPrinter", "cmdSair"};
        QTest::newRow("results computed")
            << "mnuResultados" << true << "frmResultado"
            << QStringList{"DBGrid1", "cmdSensibilidade", "Combo1", "cmdRelatorio", "cmdPrinter", "cmdSair"};
        QTest::newRow("sensitivity") << "mnuResultados" << true << "frmSensibilidade"
                                     << QStringList{"grdSensibilidade", "cmdSair"};
        QTest::newRow("case") << "mnuPropriedades" << false << "frmCaso"
                              << QStringList{"txtNome", "txtObjetivo", "cmdGravar", "cmdSair"};
        // The language options are one stop, at the one chosen (Portuguese); the arrows move among them.
        QTest::newRow("information") << "mnuUtil" << false << "frmInformacoes" << QStringList{"opt3", "cmdVOLTAR"};
    }

    void tab_follows_the_reading_order()
    {
        QFETCH(QString, item);
        QFETCH(bool, calcula);
        QFETCH(QString, tela);
        QFETCH(QStringList, ordem);
        {
            // A case the results screen can rank.
            common::Database db;
            db.open(database());
            db.execute(QStringLiteral("UPDATE Alternativas SET Qtde = 2"));
            db.execute(QStringLiteral("UPDATE Alternativas SET Alternativa = 'Alfa' WHERE Numero = 1"));
            db.execute(QStringLiteral("UPDATE Alternativas SET Alternativa = 'Beta' WHERE Numero = 2"));
            db.execute(QStringLiteral("UPDATE Criterios SET Qtde = 2"));
            db.execute(
                QStringLiteral("UPDATE Criterios SET Identifica = 'Custo', Sinal = '-', Peso = 3, "
                               "Valor01 = 1, Valor02 = 2 WHERE Numero = 1"));
            db.execute(
                QStringLiteral("UPDATE Criterios SET Identifica = 'Prazo', Sinal = '+', Peso = 5, "
                               "Valor01 = 4, Valor02 = 2 WHERE Numero = 2"));
        }
        kivo::Menu menu(folder_->path());
        QVERIFY(menu.Form_Load());
        QString inicial;
        QStringList frente, tras, controles;
        common::Modal::setTestHandler([&](QDialog& d) {
            d.show();
            d.activateWindow();
            if (!QTest::qWaitFor([&d] { return QGuiApplication::focusWindow() == d.windowHandle(); }))
                return int(QDialog::Rejected);
            if (calcula && d.objectName() == QLatin1String("frmResultado")) {
                QTest::mouseClick(named<QPushButton>(&d, "cmdCalcular"), Qt::LeftButton);
                testsupport::finishPauses();
                if (tela == QLatin1String("frmSensibilidade"))
                    testsupport::accessKey(&d, 'e');
            }
            if (d.objectName() == tela) {
                inicial = d.focusWidget() ? d.focusWidget()->objectName() : QStringLiteral("<none>");
                controles = testsupport::tabControls(&d);
                frente = testsupport::tabChain(d.focusWidget());
                tras = testsupport::tabChain(d.focusWidget(), true);
            }
            return int(QDialog::Rejected);
        });
        named<QAction>(&menu, item)->trigger();
        common::Modal::setTestHandler({});
        QCOMPARE(inicial, ordem.first());
        QCOMPARE(frente, ordem);
        QStringList volta{ordem.first()};
        for (qsizetype i = ordem.size() - 1; i > 0; --i)
            volta << ordem.at(i);
        QCOMPARE(tras, volta);
        QStringList todos = ordem;
        todos.sort();
        QCOMPARE(controles, todos);
        QVERIFY(common::Messages::shown().isEmpty());
    }

    void quitting_closes_the_window()
    {
        kivo::Menu menu(folder_->path());
        QVERIFY(menu.Form_Load());
        menu.show();
        named<QAction>(&menu, "mnuSair")->trigger();
        QVERIFY(!menu.isVisible());
        QVERIFY(common::Messages::shown().isEmpty());
    }
};

QTEST_MAIN(TestKivoMenu)
#include "test_menu.moc"
