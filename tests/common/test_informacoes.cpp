#include "common/frmInformacoes.h"

#include "common/store.h"
#include "common/traducao.h"
#include "tests/support/testsupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using testsupport::named;

namespace {

// A machine whose answers the test chooses.
class SistemaFalso : public common::SistemaInfo {
public:
    std::optional<QString> computador = QStringLiteral("ESCRITORIO-01");
    std::optional<QString> usuario = QStringLiteral("marta");
    QSize tela{1024, 768};
    QString versao = QStringLiteral("Debian GNU/Linux 12 (bookworm)");

    std::optional<QString> nomeComputador() const override { return computador; }
    std::optional<QString> nomeUsuario() const override { return usuario; }
    QSize tamanhoTela() const override { return tela; }
    QString versaoSistema() const override { return versao; }
};

}  // namespace

class TestInformacoes : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::Folder> folder_;
    common::Database db_;
    SistemaFalso sistema_;
    short idioma_ = 3;
    QList<short> menu_;  // the languages the main menu was asked to show

    QString database() const { return folder_->file(QStringLiteral("PROGRAMA.mdb")); }

    std::unique_ptr<common::frmInformacoes> tela(common::Variante::Programa programa)
    {
        common::Variante v;
        v.programa = programa;
        v.pasta = QStringLiteral("/opt/programa");
        if (programa == common::Variante::Kivo) {
            v.idioma = &idioma_;
            v.falaIdioma = [this](short idioma) { menu_ << idioma; };
        }
        return std::make_unique<common::frmInformacoes>(db_, std::move(v), sistema_);
    }

    QVariant idiomaGravado()
    {
        common::Recordset rs = common::Recordset::openTable(db_, QStringLiteral("Parametro"));
        return rs.value("Idioma");
    }

    void gravaIdioma(const QVariant& idioma)
    {
        db_.execute(QStringLiteral("UPDATE Parametro SET Idioma = ?"), {idioma});
    }

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }

    void init()
    {
        testsupport::resetPlatform();
        folder_ = std::make_unique<testsupport::Folder>();
        QVERIFY(common::createDatabaseFile(
            database(), {QStringLiteral("CREATE TABLE Parametro (Codigo INTEGER PRIMARY KEY, VersaoBD TEXT, "
                                        "Idioma INTEGER)"),
                         QStringLiteral("INSERT INTO Parametro VALUES (1, '15.02.18', 3)")}));
        db_.open(database());
        sistema_ = SistemaFalso();
        idioma_ = 3;
        menu_.clear();
    }

    void cleanup() { db_.close(); }

    void the_labels_show_the_machine()
    {
        auto t = tela(common::Variante::Kivo);
        t->Form_Load();
        QCOMPARE(t->windowTitle(), QStringLiteral("Informações Gerais"));
        QCOMPARE(named<QLabel>(t.get(), "lblVAR")->text(), QStringLiteral("ESCRITORIO-01"));
        QCOMPARE(named<QLabel>(t.get(), "lblVIDEO")->text(), QStringLiteral(" 1024 x 768 DPI"));
        QCOMPARE(named<QLabel>(t.get(), "lblUSUARIO")->text(), QStringLiteral("marta"));
        QCOMPARE(named<QLabel>(t.get(), "lblWINDOWS")->text(), QStringLiteral("Debian GNU/Linux 12 (bookworm)"));
        QCOMPARE(named<QLabel>(t.get(), "lblBancoDados")->text(), QStringLiteral("15.02.18"));
        QCOMPARE(named<QLabel>(t.get(), "Label4")->text(), QStringLiteral("Versão do Windows:"));
        QVERIFY(named<QLabel>(t.get(), "Label7")->text().contains(QDir::toNativeSeparators(database())));
        QVERIFY(!t->findChild<QLabel*>(QStringLiteral("lblPasta")));
        QVERIFY(!t->findChild<QLabel*>(QStringLiteral("Label6")));
    }

    void failing_queries_leave_their_labels_as_designed()
    {
        sistema_.computador = std::nullopt;
        sistema_.usuario = std::nullopt;
        auto t = tela(common::Variante::Davo);
        t->Form_Load();
        QCOMPARE(named<QLabel>(t.get(), "lblVAR")->text(), QString());
        QCOMPARE(named<QLabel>(t.get(), "lblUSUARIO")->text(), QString());
        QCOMPARE(t->sUserID(), QString());

        // The name query offers room for 199 characters: a longer name is not returned at all.
        sistema_.computador = QString(199, u'A');
        QCOMPARE(t->GetComputer(), QString(199, u'A'));
        sistema_.computador = QString(200, u'A');
        QCOMPARE(t->GetComputer(), QString());
    }

    void the_resolution_reads_as_the_system_writes_it()
    {
        QCOMPARE(common::textoResolucao({1920, 1080}), QStringLiteral(" 1920 x 1080 DPI"));
        QCOMPARE(common::textoResolucao({0, 0}), QStringLiteral(" 0 x 0 DPI"));
    }

    void windows_versions_by_program_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("plataforma");
        QTest::addColumn<QString>("kivo");
        QTest::addColumn<QString>("davo");
        QTest::newRow("3 NT") << 3 << 51 << 2 << "Windows NT 3.x"
                              << "Windows NT 3.x";
        QTest::newRow("3") << 3 << 10 << 1 << "Windows 3.x"
                           << "Windows 3.x";
        QTest::newRow("4 NT") << 4 << 0 << 2 << "Windows NT 4.0"
                              << "Windows NT 4.0";
        QTest::newRow("95") << 4 << 0 << 1 << "Windows 95"
                            << "Windows 95";
        QTest::newRow("98") << 4 << 10 << 1 << "Windows 98"
                            << "Windows 98";
        QTest::newRow("5") << 5 << 1 << 2 << "Windows XP"
                           << "Windows 10";
        QTest::newRow("6") << 6 << 1 << 2 << "Windows 7"
                           << "Não Declarado";
        QTest::newRow("7") << 7 << 0 << 2 << "Windows 8"
                           << "Não Declarado";
        QTest::newRow("10") << 10 << 0 << 2 << "Não Declarado"
                            << "Não Declarado";
    }

    void windows_versions_by_program()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, plataforma);
        QFETCH(QString, kivo);
        QFETCH(QString, davo);
        QCOMPARE(common::nomeVersaoWindows(major, minor, plataforma, false), kivo);
        QCOMPARE(common::nomeVersaoWindows(major, minor, plataforma, true), davo);
    }

    void davo_shows_its_folder_and_version_and_only_closes()
    {
        auto t = tela(common::Variante::Davo);
        t->Form_Load();
        QCOMPARE(named<QLabel>(t.get(), "lblPasta")->text(), QDir::toNativeSeparators("/opt/programa"));
        QCOMPARE(named<QLabel>(t.get(), "Label9")->text(), QStringLiteral("Pasta do Software:"));
        QCOMPARE(named<QLabel>(t.get(), "Label6")->text(), QStringLiteral("Versão  2017"));
        QVERIFY(!t->findChild<QGroupBox*>(QStringLiteral("Frame3")));
        t->show();
        QTest::mouseClick(named<QPushButton>(t.get(), "cmdVOLTAR"), Qt::LeftButton);
        QCOMPARE(t->result(), int(QDialog::Accepted));
        QCOMPARE(idiomaGravado().toInt(), 3);
    }

    void the_stored_language_sets_the_options_data()
    {
        QTest::addColumn<QVariant>("gravado");
        QTest::addColumn<QString>("opcao");
        QTest::addColumn<int>("idioma");
        QTest::addColumn<QList<short>>("menu");
        QTest::newRow("English") << QVariant(1) << "opt1" << 1 << QList<short>{1};
        QTest::newRow("Spanish") << QVariant(2) << "opt2" << 2 << QList<short>{2};
        QTest::newRow("Portuguese") << QVariant(3) << "opt3" << 3 << QList<short>{};
        QTest::newRow("0") << QVariant(0) << "" << 3 << QList<short>{};
        QTest::newRow("7") << QVariant(7) << "" << 3 << QList<short>{};
        QTest::newRow("null") << QVariant() << "" << 3 << QList<short>{};
    }

    void the_stored_language_sets_the_options()
    {
        QFETCH(QVariant, gravado);
        QFETCH(QString, opcao);
        QFETCH(int, idioma);
        QFETCH(QList<short>, menu);
        gravaIdioma(gravado);
        idioma_ = 1;  // whatever the program ran in, the stored code decides
        auto t = tela(common::Variante::Kivo);
        t->Form_Load();
        for (const char* opt : {"opt1", "opt2", "opt3"})
            QCOMPARE(named<QRadioButton>(t.get(), opt)->isChecked(), opcao == QLatin1String(opt));
        QCOMPARE(int(idioma_), idioma);
        QCOMPARE(menu_, menu);
    }

    void the_return_button_stores_the_choice()
    {
        for (const char* opt : {"opt1", "opt2", "opt3", "opt1"}) {
            auto t = tela(common::Variante::Kivo);
            t->Form_Load();
            t->show();
            QApplication::setActiveWindow(t.get());
            QVERIFY(QTest::qWaitForWindowActive(t.get()));
            QTest::mouseClick(named<QRadioButton>(t.get(), opt), Qt::LeftButton);
            QTest::keyClick(t.get(), Qt::Key_V, Qt::AltModifier);  // "&Voltar"
            const int esperado = QString::fromLatin1(opt).right(1).toInt();
            QTRY_COMPARE(idiomaGravado().toInt(), esperado);
            QCOMPARE(int(idioma_), esperado);
            QCOMPARE(t->result(), int(QDialog::Accepted));
        }
    }

    void closing_otherwise_stores_nothing()
    {
        auto t = tela(common::Variante::Kivo);
        t->Form_Load();
        named<QRadioButton>(t.get(), "opt1")->setChecked(true);
        t->reject();
        QCOMPARE(idiomaGravado().toInt(), 3);
        QCOMPARE(int(idioma_), 3);
    }

    void no_option_chosen_keeps_the_stored_code()
    {
        gravaIdioma(7);
        auto t = tela(common::Variante::Kivo);
        t->Form_Load();
        t->cmdVOLTAR_Click();
        QCOMPARE(idiomaGravado().toInt(), 7);
        QCOMPARE(int(idioma_), 3);
    }

    // A language whose translation the program carries is offered without a line of code: after
    // the three every program speaks, by code, under its own name; another program's files, a
    // file that names no language and the three's own files add nothing.
    void a_translation_found_is_offered_under_its_own_name()
    {
        const QDir pasta(folder_->path());
        for (const char* arquivo : {"davo_fr.qm", "davo_en.qm", "davo_de.qm", "kivo_it.qm", "davo_zz9.qm", "davo.qm"}) {
            QFile f(pasta.filePath(QLatin1String(arquivo)));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QStringList codigos, nomes;
        for (const common::Lingua& l : common::linguas(QStringLiteral("davo"), folder_->path())) {
            codigos << l.codigo;
            nomes << l.nome;
        }
        QCOMPARE(codigos, QStringList({"en", "es", "pt", "de", "fr"}));
        QCOMPARE(nomes, QStringList({"English", "Español", "Português", "Deutsch", "Français"}));
        QCOMPARE(common::linguas(QStringLiteral("davo"), folder_->path()).at(4).local.language(), QLocale::French);
    }
};

QTEST_MAIN(TestInformacoes)
#include "test_informacoes.moc"
