// Cases as files: new, open, save as and the recent list through the real menu and Qt's own file
// dialog; the case in use at the next start; the name and goal screen and old files.

#include "kivo/shell/caso.h"
#include "kivo/shell/database.h"
#include "kivo/shell/menu.h"

#include "common/store.h"
#include "tests/support/testsupport.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

using testsupport::lastMessage;
using testsupport::named;

namespace {

// The Modal handler that answers the next file dialog with `path`, typed into its file-name box
// and confirmed with Enter, as a keyboard user does.
void respondeDialogo(const QString& path)
{
    common::Modal::setTestHandler([path](QDialog& dialog) {
        auto* fd = qobject_cast<QFileDialog*>(&dialog);
        if (!fd)
            return int(QDialog::Rejected);
        fd->show();
        auto* nome = fd->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!nome)
            return int(QDialog::Rejected);
        nome->selectAll();
        QTest::keyClicks(nome, path);
        QTest::keyClick(nome, Qt::Key_Return);
        return fd->result();
    });
}

// The same answer, given to the dialog directly.
void escolhe(const QString& path)
{
    common::Modal::setTestHandler([path](QDialog& dialog) {
        static_cast<QFileDialog&>(dialog).selectFile(path);
        return int(QDialog::Accepted);
    });
}

void aciona(kivo::Menu& menu, const char* item)
{
    named<QAction>(&menu, QLatin1String(item))->trigger();
}

// Every table's rows as text, to compare two cases.
QStringList conteudo(const QString& path)
{
    common::Database db;
    db.open(path);
    QStringList out;
    for (const char* table : {"Parametro", "Alternativas", "Criterios", "RTO", "c01", "Caso"}) {
        common::Recordset rs = common::Recordset::openTable(db, QLatin1String(table));
        for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
            QStringList row;
            for (int c = 0; c < rs.fieldCount(); ++c)
                row << rs.text(rs.fieldName(c));
            out << QLatin1String(table) + QLatin1Char(':') + row.join(u'|');
        }
    }
    return out;
}

}  // namespace

class TestKivoCaso : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::Folder> folder_;

    QString padrao() const { return folder_->file(QStringLiteral("CONTROLE.mdb")); }

    std::unique_ptr<kivo::Menu> inicia()
    {
        auto menu = std::make_unique<kivo::Menu>(folder_->path());
        if (!menu->Form_Load())
            qWarning("start-up refused");
        return menu;
    }

    QStringList recentes(kivo::Menu& menu)
    {
        QStringList out;
        for (int i = 0; i < 5; ++i) {
            QAction* a = named<QAction>(&menu, QStringLiteral("mnuRecente(%1)").arg(i));
            if (a && a->isVisible())
                out << a->text();
        }
        return out;
    }

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }
    void init()
    {
        testsupport::resetPlatform();
        folder_ = std::make_unique<testsupport::Folder>();
        QVERIFY(kivo::createDatabase(padrao()));
    }
    void cleanup() { common::Modal::setTestHandler({}); }

    void the_case_menu_comes_first_with_its_items()
    {
        auto menu = inicia();
        auto* mnuCaso = named<QMenu>(menu.get(), "mnuCaso");
        QVERIFY(mnuCaso);
        QCOMPARE(menu->menuBar()->actions().first(), mnuCaso->menuAction());
        QCOMPARE(mnuCaso->title(), QStringLiteral("Cas&o"));
        QStringList itens;
        for (QAction* a : mnuCaso->actions())
            if (!a->isSeparator() && a->isVisible())
                itens << a->objectName();
        QCOMPARE(itens, QStringList({"mnuNovoCaso", "mnuAbrirCaso", "mnuSalvarComo", "mnuPropriedades", "mnuExportar",
                                     "mnuRecente(0)"}));
        QCOMPARE(recentes(*menu), QStringList{"&1 " + QDir::toNativeSeparators(padrao())});
        QCOMPARE(menu->windowTitle(), QStringLiteral("KIVO - CONTROLE"));
    }

    void a_case_made_filled_saved_as_and_reopened_holds_the_same_data()
    {
        auto menu = inicia();
        const QString novo = folder_->file(QStringLiteral("Fornecedores.mdb"));
        respondeDialogo(novo);
        aciona(*menu, "mnuNovoCaso");
        QVERIFY(common::Messages::shown().isEmpty());
        QCOMPARE(menu->programa().db.path(), novo);
        QCOMPARE(menu->windowTitle(), QStringLiteral("KIVO - Fornecedores"));

        // Filled: a name and goal through the screen, data as the screens store it.
        common::Modal::setTestHandler([](QDialog& tela) {
            tela.show();
            auto* nome = named<QLineEdit>(&tela, "txtNome");
            if (nome->text() != QLatin1String("Fornecedores"))
                return int(QDialog::Rejected);
            nome->selectAll();
            QTest::keyClicks(nome, QStringLiteral("Escolha do fornecedor"));
            QTest::keyClick(nome, Qt::Key_Tab);
            QTest::keyClicks(named<QLineEdit>(&tela, "txtObjetivo"), QStringLiteral("Entregas no prazo"));
            QTest::mouseClick(named<QPushButton>(&tela, "cmdGravar"), Qt::LeftButton);
            return tela.result();
        });
        aciona(*menu, "mnuPropriedades");
        QCOMPARE(menu->windowTitle(), QStringLiteral("KIVO - Escolha do fornecedor"));
        common::Database& db = menu->programa().db;
        db.execute(
            "UPDATE Alternativas SET Alternativa = 'Alfa', Qtde = 3, Resultado = 0.25, KIVO01 = -0.5 WHERE Numero = 1");
        db.execute("UPDATE Criterios SET Identifica = 'Custo', Sinal = '-', Peso = 7.5, Valor01 = 12 WHERE Numero = 1");
        db.execute("INSERT INTO RTO (Numero, Indice, RTO) VALUES (1, 1, 0.5)");
        const QStringList antes = conteudo(novo);

        const QString copia = folder_->file(QStringLiteral("Fornecedores 2.mdb"));
        respondeDialogo(copia);
        aciona(*menu, "mnuSalvarComo");
        QVERIFY(common::Messages::shown().isEmpty());
        QCOMPARE(menu->programa().db.path(), copia);
        QCOMPARE(conteudo(copia), antes);
        QCOMPARE(conteudo(novo), antes);
        QCOMPARE(menu->windowTitle(), QStringLiteral("KIVO - Escolha do fornecedor"));
        QCOMPARE(kivo::caso::lePropriedades(db).objetivo, QStringLiteral("Entregas no prazo"));

        // Work goes on in the copy; the first file keeps what it had.
        db.execute("UPDATE Alternativas SET Alternativa = 'Beta' WHERE Numero = 1");
        QCOMPARE(conteudo(novo), antes);

        respondeDialogo(novo);
        aciona(*menu, "mnuAbrirCaso");
        QCOMPARE(menu->programa().db.path(), novo);
        QCOMPARE(conteudo(novo), antes);
        QCOMPARE(recentes(*menu),
                 QStringList({"&1 " + QDir::toNativeSeparators(novo), "&2 " + QDir::toNativeSeparators(copia),
                              "&3 " + QDir::toNativeSeparators(padrao())}));
    }

    void new_and_save_as_never_replace_a_file_that_exists()
    {
        auto menu = inicia();
        const QString outro = folder_->file(QStringLiteral("Outro.mdb"));
        QVERIFY(kivo::createDatabase(outro));
        const QByteArray bytes = testsupport::fileBytes(outro);
        for (const char* item : {"mnuNovoCaso", "mnuSalvarComo"}) {
            common::Messages::clearShown();
            common::Modal::setTestHandler([&](QDialog& d) {
                static_cast<QFileDialog&>(d).selectFile(outro);
                return int(QDialog::Accepted);
            });
            aciona(*menu, item);
            QCOMPARE(common::Messages::shown().size(), 1);
            QVERIFY2(lastMessage().text.contains(QDir::toNativeSeparators(outro)), item);
            QVERIFY(lastMessage().text.contains(QStringLiteral("já existe")));
            QCOMPARE(testsupport::fileBytes(outro), bytes);
            QCOMPARE(menu->programa().db.path(), padrao());
        }
        // A cancelled dialog does nothing.
        common::Messages::clearShown();
        common::Modal::setTestHandler([](QDialog&) { return int(QDialog::Rejected); });
        aciona(*menu, "mnuAbrirCaso");
        QVERIFY(common::Messages::shown().isEmpty());
        QCOMPARE(menu->programa().db.path(), padrao());
    }

    void a_file_that_is_no_kivo_case_is_refused_and_the_case_stays()
    {
        auto menu = inicia();
        menu->programa().db.execute("UPDATE Alternativas SET Alternativa = 'Fica' WHERE Numero = 1");
        for (const testsupport::BadFile& bad : testsupport::badDatabaseFiles()) {
            const QString path = folder_->file(bad.name + QStringLiteral(".mdb"));
            bad.make(padrao(), kivo::esquema(), path);
            const QByteArray before = testsupport::fileBytes(path);
            common::Messages::clearShown();
            common::Modal::setTestHandler([&](QDialog& d) {
                static_cast<QFileDialog&>(d).selectFile(path);
                return int(QDialog::Accepted);
            });
            aciona(*menu, "mnuAbrirCaso");
            QCOMPARE(lastMessage().title, QStringLiteral("Caso não aberto!"));
            QVERIFY2(lastMessage().text.contains(QDir::toNativeSeparators(path)), qPrintable(bad.name));
            QCOMPARE(menu->programa().db.path(), padrao());
            QVERIFY2(testsupport::fileBytes(path) == before, qPrintable(bad.name));
            QCOMPARE(recentes(*menu).size(), 1);
        }
        common::Recordset rs = common::Recordset::openTable(menu->programa().db, "Alternativas");
        QCOMPARE(rs.text("Alternativa"), QStringLiteral("Fica"));
    }

    void the_recent_list_keeps_five_in_order_and_drops_a_vanished_file()
    {
        auto menu = inicia();
        QStringList casos;
        for (int i = 1; i <= 7; ++i) {
            casos.prepend(folder_->file(QStringLiteral("caso%1.mdb").arg(i)));
            escolhe(casos.first());
            aciona(*menu, "mnuNovoCaso");
            QCOMPARE(menu->programa().db.path(), casos.first());
        }
        QStringList esperado;
        for (int i = 0; i < 5; ++i)
            esperado << QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(casos[i]));
        QCOMPARE(recentes(*menu), esperado);

        // The third one reopens from the list and comes first.
        aciona(*menu, "mnuRecente(2)");
        QCOMPARE(menu->programa().db.path(), casos[2]);
        QCOMPARE(kivo::caso::recentes().first(), casos[2]);

        // A vanished one is dropped with a message; the case in use stays.
        QVERIFY(QFile::remove(casos[4]));
        const int onde = kivo::caso::recentes().indexOf(casos[4]);
        QVERIFY(onde > 0);
        common::Messages::clearShown();
        aciona(*menu, qPrintable(QStringLiteral("mnuRecente(%1)").arg(onde)));
        QCOMPARE(lastMessage().title, QStringLiteral("Caso não encontrado!"));
        QVERIFY(lastMessage().text.contains(QDir::toNativeSeparators(casos[4])));
        QVERIFY(!kivo::caso::recentes().contains(casos[4]));
        QCOMPARE(recentes(*menu).size(), 4);
        QCOMPARE(menu->programa().db.path(), casos[2]);
    }

    void the_last_case_reopens_at_start_else_the_default_file_with_a_message()
    {
        const QString ultimo = folder_->file(QStringLiteral("Último.mdb"));
        {
            auto menu = inicia();
            escolhe(ultimo);
            aciona(*menu, "mnuNovoCaso");
            menu->programa().db.execute("UPDATE Parametro SET Idioma = 1");
        }
        {
            auto menu = inicia();
            QVERIFY(common::Messages::shown().isEmpty());
            QCOMPARE(menu->programa().db.path(), ultimo);
            QCOMPARE(menu->programa().idioma, short(kivo::Ingles));  // the case's language, as at any start
            QCOMPARE(menu->windowTitle(), QStringLiteral("KIVO - Último"));
        }
        // Gone: the default file, and the user is told.
        QVERIFY(QFile::remove(ultimo));
        {
            auto menu = inicia();
            QCOMPARE(menu->programa().db.path(), padrao());
            QCOMPARE(common::Messages::shown().size(), 1);
            QCOMPARE(lastMessage().title, QStringLiteral("Caso não encontrado!"));
            QVERIFY(lastMessage().text.contains(QDir::toNativeSeparators(ultimo)));
            QVERIFY(lastMessage().text.contains(QDir::toNativeSeparators(padrao())));
            QVERIFY(!kivo::caso::recentes().contains(ultimo));
        }
        // Not a case any more: the default file too, with the reason, and the file untouched.
        QFile texto(ultimo);
        QVERIFY(texto.open(QIODevice::WriteOnly));
        texto.write("lista de compras\n");
        texto.close();
        kivo::caso::guardaCaso(ultimo);
        common::Messages::clearShown();
        {
            auto menu = inicia();
            QCOMPARE(menu->programa().db.path(), padrao());
            QCOMPARE(lastMessage().title, QStringLiteral("Caso não encontrado!"));
            QVERIFY(lastMessage().text.contains(QStringLiteral("não pôde ser aberto")));
        }
        QCOMPARE(testsupport::fileBytes(ultimo), QByteArray("lista de compras\n"));
    }

    void an_old_file_gains_the_goal_on_its_first_save_and_keeps_working()
    {
        common::Database db;
        db.open(padrao());
        db.execute("UPDATE Alternativas SET Alternativa = 'Antiga' WHERE Numero = 1");
        const QStringList tabelas = db.fields("Alternativas");
        QVERIFY_THROWS_EXCEPTION(common::StoreError, db.fields("Caso"));
        const kivo::caso::Propriedades antes = kivo::caso::lePropriedades(db);
        QCOMPARE(antes.nome, QStringLiteral("CONTROLE"));
        QCOMPARE(antes.objetivo, QString());
        QVERIFY_THROWS_EXCEPTION(common::StoreError, db.fields("Caso"));  // reading adds nothing

        kivo::caso::gravaPropriedades(db, {QStringLiteral(" Atrasos "), QStringLiteral("Menos atrasos; sem custo")});
        const kivo::caso::Propriedades depois = kivo::caso::lePropriedades(db);
        QCOMPARE(depois.nome, QStringLiteral("Atrasos"));
        QCOMPARE(depois.objetivo, QStringLiteral("Menos atrasos; sem custo"));
        kivo::caso::gravaPropriedades(db, {QString(), QStringLiteral("Outro")});
        QCOMPARE(kivo::caso::lePropriedades(db).nome, QStringLiteral("CONTROLE"));
        QCOMPARE(common::Recordset::openTable(db, "Caso").recordCount(), 1);
        QCOMPARE(db.fields("Alternativas"), tabelas);
        db.close();

        kivo::caso::verificaCaso(padrao());  // still a case
        auto menu = inicia();
        QVERIFY(common::Messages::shown().isEmpty());
        QCOMPARE(common::Recordset::openTable(menu->programa().db, "Alternativas").text("Alternativa"),
                 QStringLiteral("Antiga"));
    }

    void leaving_the_case_screen_with_changes_asks_first()
    {
        auto menu = inicia();
        int perguntas = 0;
        common::Modal::setTestHandler([&](QDialog& tela) {
            tela.show();
            QTest::keyClicks(named<QLineEdit>(&tela, "txtObjetivo"), QStringLiteral("Algo"));
            QTest::keyClick(&tela, Qt::Key_Escape);  // No (the default): the screen stays
            perguntas = common::Messages::shown().size();
            const bool aberta = tela.isVisible();
            common::Messages::answerNext(QMessageBox::Yes);
            QTest::mouseClick(named<QPushButton>(&tela, "cmdSair"), Qt::LeftButton);
            return aberta && !tela.isVisible() ? int(QDialog::Rejected) : -1;
        });
        aciona(*menu, "mnuPropriedades");
        QCOMPARE(perguntas, 1);
        QCOMPARE(common::Messages::shown().size(), 2);
        QCOMPARE(lastMessage().buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(kivo::caso::lePropriedades(menu->programa().db).objetivo, QString());
    }
};

QTEST_MAIN(TestKivoCaso)
#include "test_caso.moc"
