#include "davo/data/database.h"
#include "davo/screens/menu.h"

#include "common/formats.h"
#include "common/store.h"
#include "common/traducao.h"
#include "tests/support/testsupport.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include <unistd.h>

using testsupport::lastMessage;
using testsupport::named;

class TestDavoMenu : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::Folder> folder_;

    QString database() const { return folder_->file(QStringLiteral("DAVO.mdb")); }

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }

    void init()
    {
        testsupport::resetPlatform();
        folder_ = std::make_unique<testsupport::Folder>();
        QVERIFY(davo::createDatabase(database()));
    }

    void start_up_opens_the_database_and_shows_the_menu()
    {
        davo::Menu menu(folder_->path());
        QVERIFY(menu.Form_Load());
        QVERIFY(common::Messages::shown().isEmpty());
        QVERIFY(menu.programa().db.isOpen());
        QCOMPARE(menu.windowTitle(), QStringLiteral("Sistema Davo"));
        QCOMPARE(named<QLabel>(&menu, "StatusBar1.Panel1")->text(), QStringLiteral("Sistema Davo - Versão 2017"));
        QStringList top;
        for (QAction* a : menu.menuBar()->actions())
            top << a->text();
        QCOMPARE(top, QStringList({"&Atividades GUT", "&Histórico", "&Plano", "&Utilitários", "&Sair"}));
        QMenu* util = named<QMenu>(&menu, "mnuUtil");
        QVERIFY(util);
        QCOMPARE(util->actions().size(), 6);  // then a separator and the exports and import
        QCOMPARE(util->actions().at(0)->objectName(), QStringLiteral("mnuCompactar"));
        QCOMPARE(util->actions().at(0)->text(), QStringLiteral("&Compactar Banco de Dados"));
        QCOMPARE(util->actions().at(1)->text(), QStringLiteral("&Suporte"));
        QVERIFY(named<QLabel>(&menu, "Image1") && named<QLabel>(&menu, "Image2"));
    }

    void a_file_without_write_permission_opens_read_only_and_says_so()
    {
        {
            davo::Menu menu(folder_->path());
            QVERIFY(menu.Form_Load());
            QVERIFY(!named<QLabel>(&menu, "lblSomenteLeitura")->isVisibleTo(&menu));
        }
        if (::geteuid() == 0)
            QSKIP("the superuser writes any file; the store's tests open it read-only instead");
        QVERIFY(QFile::setPermissions(database(), QFile::ReadOwner));
        davo::Menu menu(folder_->path());
        QVERIFY(menu.Form_Load());
        QVERIFY(common::Messages::shown().isEmpty());
        QVERIFY(menu.programa().db.isReadOnly());
        QVERIFY(named<QLabel>(&menu, "lblSomenteLeitura")->isVisibleTo(&menu));
        QCOMPARE(named<QLabel>(&menu, "lblSomenteLeitura")->text(),
                 QStringLiteral("Somente leitura: nada pode ser gravado"));
        QFile::setPermissions(database(), QFile::ReadOwner | QFile::WriteOwner);
    }

    void the_date_format_must_be_day_month_year_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("dd/MM/yyyy") << "dd/MM/yyyy" << true;
        QTest::newRow("MM/dd/yyyy") << "MM/dd/yyyy" << true;
        QTest::newRow("d/M/yy") << "d/M/yy" << false;
        QTest::newRow("yyyy-MM-dd") << "yyyy-MM-dd" << false;
        QTest::newRow("dd.MM.yyyy") << "dd.MM.yyyy" << false;
    }

    void the_date_format_must_be_day_month_year()
    {
        QFETCH(QString, format);
        QFETCH(bool, accepted);
        common::setUserLocale(QLocale(QLocale::Portuguese, QLocale::Brazil), format);
        davo::Menu menu(folder_->path());
        QCOMPARE(menu.Form_Load(), accepted);
        if (!accepted) {
            QCOMPARE(lastMessage().icon, QMessageBox::Warning);
            QCOMPARE(lastMessage().title, QStringLiteral("FORMATO DATA ERRADO!"));
            QCOMPARE(lastMessage().text, QStringLiteral("Alterar o Formato da DATA para 'DD/MM/AAAA' "
                                                        "(Painel de Controle, Configurações Regionais)"));
            QVERIFY(!menu.programa().db.isOpen());
        } else {
            QVERIFY(common::Messages::shown().isEmpty());
        }
    }

    void the_locales_short_dates_decide_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("pt_BR") << "pt_BR" << true;
        QTest::newRow("en_US") << "en_US" << false;
    }

    void the_locales_short_dates_decide()
    {
        QFETCH(QString, locale);
        QFETCH(bool, accepted);
        common::setUserLocale(QLocale(locale));
        davo::Menu menu(folder_->path());
        QCOMPARE(menu.Form_Load(), accepted);
    }

    void in_english_the_date_check_takes_either_order_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("dd/MM/yyyy") << "dd/MM/yyyy" << true;
        QTest::newRow("MM/dd/yyyy") << "MM/dd/yyyy" << true;
        QTest::newRow("M/d/yy") << "M/d/yy" << false;
        QTest::newRow("yyyy-MM-dd") << "yyyy-MM-dd" << false;
    }

    // The language chosen last is spoken from the start, the format message with it; the check
    // itself is the same in every language.
    void in_english_the_date_check_takes_either_order()
    {
        QFETCH(QString, format);
        QFETCH(bool, accepted);
        davo::guardaLingua(QStringLiteral("en"));
        common::setUserLocale(QLocale(QLocale::English, QLocale::UnitedStates), format);
        {
            davo::Menu menu(folder_->path());
            QCOMPARE(menu.Form_Load(), accepted);
            QCOMPARE(named<QAction>(&menu, "mnuAtivGUT")->text(), QStringLiteral("GUT &Activities"));
            if (accepted) {
                QVERIFY(common::Messages::shown().isEmpty());
                QCOMPARE(named<QLabel>(&menu, "StatusBar1.Panel1")->text(),
                         QStringLiteral("Davo System - Version 2017"));
            } else {
                QCOMPARE(lastMessage().title, QStringLiteral("WRONG DATE FORMAT!"));
                QCOMPARE(lastMessage().text, QStringLiteral("Change the DATE format to 'DD/MM/YYYY' or 'MM/DD/YYYY' "
                                                            "(Control Panel, Regional Settings)"));
            }
        }
        common::instalaLingua(QStringLiteral("davo"), QStringLiteral("pt"));
    }

    void a_second_copy_is_refused()
    {
        davo::Menu first(folder_->path());
        QVERIFY(first.Form_Load());
        davo::Menu second(folder_->path());
        QVERIFY(!second.Form_Load());
        QCOMPARE(lastMessage().title, QStringLiteral("Programa Paralizado!"));
        QCOMPARE(lastMessage().text, QStringLiteral("Programa ativo pela segunda vez, será fechado!"));
        QVERIFY(first.programa().db.isOpen());
    }

    void a_missing_database_is_reported_and_the_menu_stays_safe()
    {
        QVERIFY(QFile::remove(database()));
        davo::Menu menu(folder_->path());
        QVERIFY(menu.Form_Load());  // the window shows all the same
        QCOMPARE(lastMessage().icon, QMessageBox::Critical);
        QCOMPARE(lastMessage().title, QStringLiteral("Erro"));
        QCOMPARE(lastMessage().text, QStringLiteral("Ocorreu um erro na Abertura de Arquivos.\n"
                                                    "Como referência, anote o seguinte número: \n"
                                                    "Número de Erro => 3024\n"
                                                    "Ref.: Não foi possível encontrar o arquivo '%1'.")
                                         .arg(database()));
        QVERIFY(named<QLabel>(&menu, "StatusBar1.Panel1")->text().isEmpty());  // the steps after it are skipped

        for (const char* entry : {"mnuAtivGUT", "mnuHistorico", "mnuCompactar", "mnuSuporte"}) {
            common::Messages::clearShown();
            named<QAction>(&menu, entry)->trigger();
            QCOMPARE(lastMessage().title, QStringLiteral("Erro"));
            QVERIFY2(lastMessage().text.contains(QStringLiteral("Número de Erro => 3420")), entry);
        }
        QVERIFY(!QFile::exists(database()));
    }

    void compaction_from_the_menu()
    {
        davo::Menu menu(folder_->path());
        QVERIFY(menu.Form_Load());
        {
            common::Recordset rs = common::Recordset::openTable(menu.programa().db, QStringLiteral("Atividades"));
            rs.addNew();
            rs.setValue("Ativo", "1");
            rs.setValue("Atividade", "Relatório mensal");
            rs.update();
        }
        named<QAction>(&menu, "mnuCompactar")->trigger();
        QCOMPARE(lastMessage().icon, QMessageBox::Warning);
        QCOMPARE(lastMessage().title, QStringLiteral("OK!"));
        QCOMPARE(lastMessage().text, QStringLiteral("Arquivo Compactado!"));
        QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList{"DAVO.mdb"});
        common::Recordset rs = common::Recordset::openTable(menu.programa().db, QStringLiteral("Atividades"));
        QCOMPARE(rs.text("Atividade"), QStringLiteral("Relatório mensal"));
    }

    void a_failed_compaction_is_reported_and_the_program_goes_on()
    {
        davo::Menu menu(folder_->path());
        QVERIFY(menu.Form_Load());
        // A folder already named like the temporary file cannot be replaced by the copy.
        QVERIFY(QDir(folder_->path()).mkdir(QStringLiteral("NovoDAVO.mdb")));
        named<QAction>(&menu, "mnuCompactar")->trigger();
        QCOMPARE(lastMessage().title, QStringLiteral("Erro"));
        QVERIFY(menu.programa().db.isOpen());
        QCOMPARE(common::Recordset::openTable(menu.programa().db, QStringLiteral("Parametro")).recordCount(), 1);
    }
};

QTEST_MAIN(TestDavoMenu)
#include "test_menu.moc"
