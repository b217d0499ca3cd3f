// Results and values to and from spreadsheets: the CSV export from the menu, Ctrl+C on the grids,
// Ctrl+V of a column into the values screen, under pt_BR and en_US.

#include "tests/kivo/results/casefixture.h"

#include "kivo/results/calculo.h"
#include "kivo/results/frmResultado.h"
#include "kivo/shell/areatransferencia.h"
#include "kivo/shell/caso.h"
#include "kivo/shell/menu.h"
#include "kivo/shell/planilha.h"
#include "kivo/weighting/frmDados.h"
#include "kivo/weighting/frmValores.h"

#include "common/formats.h"
#include "common/widgets.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTableView>

namespace {

struct SemTela : kivo::calculo::Progresso {
    void etapa(int, Estado) override {}
    void alternativasAlteradas() override {}
};

QLineEdit* caixa(QObject* tela, int i)
{
    return named<QLineEdit>(tela, common::arrayName(QStringLiteral("txtValor"), i));
}

}  // namespace

class TestPlanilha : public QObject {
    Q_OBJECT

    std::unique_ptr<CaseFixture> f_;

    // Four alternatives (three in use), two criteria, computed.
    void calculado()
    {
        f_->alternativas({"Alfa", "Beta; e \"Gama\"", "Delta", "Fora"}, 3);
        f_->criterios({{"Custo", "-", 4, {10, 20, 30, 40}}, {"Prazo", "+", 8, {3, 9, 1, 5}}});
        SemTela semTela;
        kivo::calculo::calcula(f_->programa.db, 2, semTela);
        kivo::caso::gravaPropriedades(f_->programa.db, {"Compra", "Menos custo"});
    }

    static void usaLocale(bool brasil)
    {
        common::setUserLocale(brasil ? QLocale(QLocale::Portuguese, QLocale::Brazil)
                                     : QLocale(QLocale::English, QLocale::UnitedStates));
    }

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }
    void init() { testsupport::startTest(f_); }
    void cleanup() { testsupport::endTest(f_); }

    void the_csv_rows_equal_the_stored_results_data()
    {
        QTest::addColumn<bool>("brasil");
        QTest::newRow("pt_BR") << true;
        QTest::newRow("en_US") << false;
    }

    void the_csv_rows_equal_the_stored_results()
    {
        QFETCH(bool, brasil);
        usaLocale(brasil);
        calculado();
        const QString sep = brasil ? ";" : ",";
        const QString texto = kivo::planilha::textoCsv(kivo::planilha::leExportacao(f_->programa.db));
        QStringList linhas = texto.split(QStringLiteral("\r\n"));
        QCOMPARE(linhas.takeLast(), QString());
        QCOMPARE(linhas.size(), 2 + 3);
        QCOMPARE(linhas[0], QStringList({"Caso", "Compra", "Objetivo", "Menos custo", "Data",
                                         common::shortDateText(testsupport::Today)})
                                .join(sep));
        QCOMPARE(linhas[1], QStringList({"Número", "Alternativa", "Resultado", "Custo", "Prazo"}).join(sep));

        // Rows in result order, each as stored; the name with the separator and quotes is quoted.
        std::vector<std::pair<double, int>> ordem;
        for (int a = 1; a <= 3; ++a)
            ordem.push_back({-f_->numero("Alternativas", "Resultado", a), a});
        std::stable_sort(ordem.begin(), ordem.end());
        const QLocale locale = common::userLocale();
        for (int i = 0; i < 3; ++i) {
            const int a = ordem[i].second;
            QString nome = f_->campo("Alternativas", "Alternativa", a).toString();
            const QString campo = nome.contains(u'"') ? "\"" + nome.replace("\"", "\"\"") + "\"" : nome;
            QVERIFY2(linhas[2 + i].startsWith(QString::number(a) + sep + campo + sep), qPrintable(linhas[2 + i]));
            const QStringList numeros =
                linhas[2 + i].mid(QString(QString::number(a) + sep + campo + sep).size()).split(sep);
            QCOMPARE(numeros.size(), 3);
            bool ok = false;
            QCOMPARE(locale.toDouble(numeros[0], &ok), f_->numero("Alternativas", "Resultado", a));
            QVERIFY(ok);
            QCOMPARE(locale.toDouble(numeros[1]), f_->numero("Alternativas", "KIVO01", a));
            QCOMPARE(locale.toDouble(numeros[2]), f_->numero("Alternativas", "KIVO02", a));
            QVERIFY(numeros[0].contains(brasil ? "," : ".") || !numeros[0].contains(brasil ? "." : ","));
        }
    }

    void the_export_from_the_menu_writes_the_file_or_nothing()
    {
        calculado();
        f_->programa.db.close();
        kivo::caso::guardaCaso(f_->folder.file("CONTROLE.mdb"));
        kivo::Menu menu(f_->folder.path());
        QVERIFY(menu.Form_Load());
        const auto exporta = [&](const QString& path) {
            common::Messages::clearShown();
            common::Modal::setTestHandler([path](QDialog& d) {
                static_cast<QFileDialog&>(d).selectFile(path);
                return int(QDialog::Accepted);
            });
            named<QAction>(&menu, "mnuExportar")->trigger();
            common::Modal::setTestHandler({});
        };
        const QString bom = f_->folder.file("resultado.csv");
        exporta(bom);
        QCOMPARE(lastMessage().title, QStringLiteral("Resultados exportados"));
        const QByteArray bytes = testsupport::fileBytes(bom);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(QString::fromUtf8(bytes.mid(3)),
                 kivo::planilha::textoCsv(kivo::planilha::leExportacao(menu.programa().db)));

        // Nowhere to write: a message naming the file, no file.
        const QString ruim = f_->folder.file("não existe/resultado.csv");
        exporta(ruim);
        QCOMPARE(lastMessage().title, QStringLiteral("Arquivo não gravado!"));
        QVERIFY(lastMessage().text.contains(QDir::toNativeSeparators(ruim)));
        QVERIFY(!QFile::exists(ruim));
        // A folder in the way: refused, the folder left as it is.
        QVERIFY(QDir(f_->folder.path()).mkdir("pasta.csv"));
        exporta(f_->folder.file("pasta.csv"));
        QCOMPARE(lastMessage().title, QStringLiteral("Arquivo não gravado!"));
        QVERIFY(QFileInfo(f_->folder.file("pasta.csv")).isDir());
    }

    void ctrl_c_copies_the_selected_cells_of_the_results_grid_data()
    {
        QTest::addColumn<bool>("brasil");
        QTest::newRow("pt_BR") << true;
        QTest::newRow("en_US") << false;
    }

    void ctrl_c_copies_the_selected_cells_of_the_results_grid()
    {
        QFETCH(bool, brasil);
        usaLocale(brasil);
        f_->alternativas({"Alfa", "Beta"}, 2);
        f_->execute("UPDATE Alternativas SET RTO01 = 1.5 WHERE Numero = 2");
        kivo::frmResultado frm(f_->programa);
        frm.Form_Load();
        frm.show();
        auto* grade = named<QTableView>(&frm, "DBGrid1");
        QApplication::clipboard()->clear();
        grade->selectionModel()->select(grade->model()->index(1, 0),
                                        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        grade->setFocus();
        QTest::keyClick(grade, Qt::Key_C, Qt::ControlModifier);
        const QStringList linhas = QApplication::clipboard()->text().split(u'\n');
        QCOMPARE(linhas.size(), 2);  // one row, ended by a line break
        const QStringList celulas = linhas[0].split(u'\t');
        QCOMPARE(celulas.mid(0, 3), QStringList({"2", "Beta", "0"}));
        QVERIFY2(celulas.contains(brasil ? "1,5" : "1.5"), qPrintable(linhas[0]));
    }

    void ctrl_c_on_the_comparison_grid_copies_it_whole()
    {
        f_->criterios({{"Custo", "-", 4, {}}, {"Prazo", "+", 8, {}}, {"Risco", "+", 2, {}}});
        kivo::frmDados frm(f_->programa);
        QVERIFY(frm.Form_Load());
        frm.show();
        auto* grade = named<QTableView>(&frm, "MSFlexGrid1");
        QApplication::clipboard()->clear();
        grade->setFocus();
        QTest::keyClick(grade, Qt::Key_C, Qt::ControlModifier);
        const QString texto = QApplication::clipboard()->text();
        QCOMPARE(texto, kivo::celulasSelecionadas(grade));
        QCOMPARE(texto.count(u'\n'), grade->model()->rowCount());
        QVERIFY(texto.contains("Custo") && texto.contains("Risco"));
    }

    void ctrl_v_of_a_column_fills_the_value_boxes_data()
    {
        QTest::addColumn<bool>("brasil");
        QTest::newRow("pt_BR") << true;
        QTest::newRow("en_US") << false;
    }

    void ctrl_v_of_a_column_fills_the_value_boxes()
    {
        QFETCH(bool, brasil);
        usaLocale(brasil);
        f_->alternativas({"Alfa", "", "Gama", "Delta", "Épsilon"}, 5);
        f_->criterios({{"Custo", "+", 1, {1, 2, 3, 4, 5}}});
        kivo::frmValores frm(f_->programa);
        frm.Form_Load();
        frm.show();
        frm.optCriterio_Click(0);
        const auto cola = [&](const QString& texto) {
            QApplication::clipboard()->setText(texto);
            caixa(&frm, 2)->setFocus();
            QTest::keyClick(caixa(&frm, 2), Qt::Key_V, Qt::ControlModifier);
        };
        const auto textos = [&] {
            QStringList out;
            for (int i = 0; i < 5; ++i)
                out << caixa(&frm, i)->text();
            return out;
        };
        const QStringList antes = textos();

        // Anything but numbers: the screen's message for the box it would fill, nothing changed.
        cola(brasil ? "7,5\r\nabc\r\n" : "7.5\r\nabc\r\n");
        QCOMPARE(lastMessage().title, QStringLiteral("O valor deve ser numérico... não será salvo!"));
        QCOMPARE(lastMessage().text, QStringLiteral("Peso do item 04 não informado corretamente"));
        QCOMPARE(textos(), antes);
        cola(brasil ? "7.5\n8\n" : "7,5\n8\n");  // the other locale's decimal mark
        QCOMPARE(lastMessage().text, QStringLiteral("Peso do item 03 não informado corretamente"));
        QCOMPARE(textos(), antes);
        common::Messages::clearShown();
        cola("1\n2\n3\n4\n");  // only three boxes are shown from the third down
        QCOMPARE(lastMessage().title, QStringLiteral("Valores demais!"));
        QCOMPARE(textos(), antes);

        common::Messages::clearShown();
        cola(brasil ? "7,5\r\n8\r\n" : "7.5\r\n8\r\n");
        QVERIFY(common::Messages::shown().isEmpty());
        QCOMPARE(textos(), QStringList({antes[0], antes[1], brasil ? "7,5" : "7.5", "8", antes[4]}));
        frm.cmdGravar_Click();
        QCOMPARE(f_->numero("Criterios", "Valor03", 1), 7.5);
        QCOMPARE(f_->numero("Criterios", "Valor04", 1), 8.0);
        QCOMPARE(f_->numero("Criterios", "Valor05", 1), 5.0);
    }
};

QTEST_MAIN(TestPlanilha)
#include "test_planilha.moc"
