// The printed report: the page read back from a PDF (texts, order, columns, the best option's
// label), the printer list, and the PDF entry's save dialog.

#include "kivo/results/relatorio.h"
#include "kivo/shell/caso.h"
#include "kivo/shell/database.h"
#include "kivo/shell/idioma.h"

#include "common/formats.h"
#include "tests/support/testsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

using testsupport::lastMessage;

namespace {

// A run of words on one line of the page, with the left edge and top of its first word in points.
struct Texto {
    QString text;
    double x = 0;
    double y = 0;
    double fim = 0;  // right edge of its last word
};

// The page's texts as pdftotext reads them: words on one line whose gap is less than a few points
// make one text; texts come top to bottom, then left to right.
QList<Texto> leTextos(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        qWarning("pdftotext failed: %s", p.readAllStandardError().constData());
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"[\\d.]+\">([^<]*)</word>"));
    struct Palavra {
        QString text;
        double x0, y0, x1;
    };
    QList<Palavra> palavras;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        QString t = m.captured(4);
        t.replace(QLatin1String("&amp;"), QLatin1String("&")).replace(QLatin1String("&lt;"), QLatin1String("<"));
        palavras.append({t, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble()});
    }
    std::sort(palavras.begin(), palavras.end(), [](const Palavra& a, const Palavra& b) {
        return std::abs(a.y0 - b.y0) > 0.5 ? a.y0 < b.y0 : a.x0 < b.x0;
    });
    QList<Texto> textos;
    double fim = 0;
    for (const Palavra& w : palavras) {
        if (!textos.isEmpty() && std::abs(textos.last().y - w.y0) <= 0.5 && w.x0 - fim < 6)
            textos.last().text += QLatin1Char(' ') + w.text;
        else
            textos.append({w.text, w.x0, w.y0, 0});
        fim = textos.last().fim = w.x1;
    }
    return textos;
}

QStringList soTextos(const QList<Texto>& textos)
{
    QStringList out;
    for (const Texto& t : textos)
        out << t.text;
    return out;
}

const Texto* acha(const QList<Texto>& textos, const QString& text)
{
    for (const Texto& t : textos)
        if (t.text == text)
            return &t;
    return nullptr;
}

// A place in points from twips.
double pontos(int twips)
{
    return twips / 20.0;
}

}  // namespace

class TestRelatorio : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::Folder> folder_;

    // The page drawn straight into a PDF of the given resolution, read back.
    QList<Texto> pagina(const kivo::DadosRelatorio& dados, int resolucao = 1200)
    {
        const QString arquivo = folder_->file(QStringLiteral("pagina.pdf"));
        {
            QPdfWriter writer(arquivo);
            writer.setResolution(resolucao);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageMargins(QMarginsF(0, 0, 0, 0));
            if (!kivo::imprimeRelatorio(writer, dados))
                qWarning("the page was not finished");
        }
        return leTextos(arquivo);
    }

    // The page's data, with the program speaking `idioma`.
    static kivo::DadosRelatorio dados(short idioma, const std::vector<kivo::LinhaRelatorio>& linhas)
    {
        kivo::instalaIdioma(idioma);
        kivo::DadosRelatorio d;
        d.linhas = linhas;
        d.linhas.resize(15);
        d.melhor = kivo::melhorOpcao(d.linhas);
        d.dataInicio = common::shortDateText(testsupport::Today);
        return d;
    }

    // The page's texts outside the table rows, and the rows' own, in order.
    static QStringList esperado(short idioma, const QStringList& linhas)
    {
        const bool en = idioma == kivo::Ingles;
        QStringList out{en ? "* Result" : "Resultado *",
                        "Case:",
                        en ? "Goal to achieve or undesired symptom:" : "Objetivo a alcançar ou Sintoma indesejado:",
                        en ? "Factors" : "Fatores",
                        "*",
                        en ? "Observation" : "Observação"};
        out += linhas;
        out << (en ? "KIVO - session started on 08/12/2026" : "KIVO - sessão iniciada em 08/12/2026");
        return out;
    }

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }
    void init()
    {
        testsupport::resetPlatform();
        folder_ = std::make_unique<testsupport::Folder>();
    }
    void cleanup()
    {
        common::Modal::setTestHandler({});
        kivo::setBuscaImpressoras({});
        kivo::instalaIdioma(kivo::Portugues);
        folder_.reset();
    }

    void the_page_prints_its_texts_in_order_in_each_language_data()
    {
        QTest::addColumn<short>("idioma");
        QTest::newRow("English") << short(kivo::Ingles);
        QTest::newRow("Spanish") << short(kivo::Espanhol);
        QTest::newRow("Portuguese") << short(kivo::Portugues);
    }
    void the_page_prints_its_texts_in_order_in_each_language()
    {
        QFETCH(short, idioma);
        common::setUserLocale(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("dd/MM/yyyy"));
        const auto d = dados(idioma, {{"Fornecedor", 0.25}, {"Transporte", 0.5}, {"Estoque", 0.25}});
        const bool en = idioma == kivo::Ingles;
        QStringList linhas{"Fornecedor",
                           "0,25",
                           "Transporte",
                           "0,50",
                           en ? "Root cause or primary FCS" : "Causa Raíz ou principal FCS",
                           "Estoque",
                           "0,25"};
        for (int i = 3; i < 15; ++i)
            linhas << "0,00";  // the slots not in use print too, with no name
        QCOMPARE(soTextos(pagina(d)), esperado(idioma, linhas));
    }

    void columns_and_footer_stand_where_the_twips_say_at_any_resolution_data()
    {
        QTest::addColumn<int>("resolucao");
        QTest::newRow("300 dpi") << 300;
        QTest::newRow("600 dpi") << 600;
        QTest::newRow("1200 dpi") << 1200;
    }
    void columns_and_footer_stand_where_the_twips_say_at_any_resolution()
    {
        QFETCH(int, resolucao);
        const auto textos = pagina(dados(kivo::Portugues, {{"Primeira", 0.7}, {"Segunda", 0.3}}), resolucao);
        const QList<std::pair<QString, int>> lugares{
            {"Resultado *", 5000}, {"Case:", 2000}, {"Objetivo a alcançar ou Sintoma indesejado:", 2000},
            {"Fatores", 2000},     {"*", 7700},     {"Observação", 9000},
            {"Primeira", 2000},    {"0,70", 7800},  {"Causa Raíz ou principal FCS", 9000},
            {"Segunda", 2000},     {"0,30", 7800},
        };
        for (const auto& [text, x] : lugares) {
            const Texto* t = acha(textos, text);
            QVERIFY2(t, qPrintable(text));
            QVERIFY2(std::abs(t->x - pontos(x)) < 1, qPrintable(QStringLiteral("%1 at %2").arg(text).arg(t->x)));
        }
        const Texto& rodape = textos.last();
        QVERIFY(rodape.text.startsWith("KIVO - "));
        QVERIFY(std::abs(rodape.x - pontos(6500)) < 1);
        // The footer's own text is short enough to end well inside an A4 or Letter page.
        QVERIFY(rodape.fim < 500);
        // One row every 250 twips.
        QVERIFY(std::abs(acha(textos, "Segunda")->y - acha(textos, "Primeira")->y - pontos(250)) < 0.2);
        // The footer 1000 twips below the last row's top; its text is smaller, so its top sits lower.
        const double ultima = acha(textos, "Primeira")->y + 14 * pontos(250);
        QVERIFY(rodape.y - ultima > pontos(1000) - 1 && rodape.y - ultima < pontos(1000) + 1.5);
    }

    void long_names_are_cut_and_results_keep_sign_and_two_decimals_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("numeros");
        QTest::newRow("pt_BR") << QLocale(QLocale::Portuguese, QLocale::Brazil)
                               << QStringList{"-2,50", "1234,57", "0,00", "-0,01"};
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates)
                               << QStringList{"-2.50", "1234.57", "0.00", "-0.01"};
    }
    void long_names_are_cut_and_results_keep_sign_and_two_decimals()
    {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, numeros);
        common::setUserLocale(locale);
        const QString longo = QStringLiteral("Atraso recorrente do fornecedor de matéria-prima importada da Ásia");
        const QString setenta = longo + QString(70 - longo.size(), QLatin1Char('x'));
        QCOMPARE(setenta.size(), 70);
        const auto textos = soTextos(
            pagina(dados(kivo::Ingles, {{setenta, -2.5}, {"Custo", 1234.567}, {"Prazo", -0.001}, {"Risco", -0.006}})));
        QVERIFY(textos.contains(setenta.left(55)));
        QVERIFY(!textos.join(' ').contains(setenta.left(56)));
        for (const QString& n : numeros)
            QVERIFY2(textos.contains(n), qPrintable(n));
    }

    void the_root_cause_stands_on_the_best_options_line()
    {
        // Two equal greatest results: the first one in key order is the best.
        const auto d = dados(kivo::Portugues, {{"A", 0.1}, {"B", 0.4}, {"C", 0.4}, {"D", -0.9}});
        QCOMPARE(d.melhor, 1);
        const auto textos = pagina(d);
        const Texto* rotulo = acha(textos, "Causa Raíz ou principal FCS");
        QVERIFY(rotulo);
        QVERIFY(std::abs(rotulo->y - acha(textos, "B")->y) < 0.5);
        QCOMPARE(soTextos(textos).count("Causa Raíz ou principal FCS"), 1);
    }

    void with_no_result_above_zero_there_is_no_best_option()
    {
        QCOMPARE(kivo::melhorOpcao({{"A", 0}, {"B", -1}, {"C", 0}}), -1);
        QCOMPARE(kivo::melhorOpcao({}), -1);
        QVERIFY(!soTextos(pagina(dados(kivo::Portugues, {}))).contains("Causa Raíz ou principal FCS"));
    }

    void the_printer_list_puts_the_default_first_and_the_pdf_entry_last()
    {
        QComboBox combo;
        kivo::setBuscaImpressoras([] { return kivo::Impressoras{"Sala 2", {"Recepção", "Sala 2", "Diretoria"}}; });
        kivo::preencheImpressoras(&combo);
        QStringList itens;
        for (int i = 0; i < combo.count(); ++i)
            itens << combo.itemText(i);
        QCOMPARE(itens, QStringList({"Sala 2", "Recepção", "Diretoria", "Arquivo PDF…"}));
        QCOMPARE(combo.currentIndex(), 0);
    }

    void with_no_printer_only_the_pdf_entry_is_there_and_selected_data()
    {
        QTest::addColumn<short>("idioma");
        QTest::addColumn<QString>("entrada");
        QTest::newRow("English") << short(kivo::Ingles) << "PDF file…";
        QTest::newRow("Spanish") << short(kivo::Espanhol) << "Arquivo PDF…";
        QTest::newRow("Portuguese") << short(kivo::Portugues) << "Arquivo PDF…";
    }
    void with_no_printer_only_the_pdf_entry_is_there_and_selected()
    {
        QFETCH(short, idioma);
        QFETCH(QString, entrada);
        QComboBox combo;
        combo.addItem("left from before");
        kivo::setBuscaImpressoras([] { return kivo::Impressoras{}; });
        kivo::instalaIdioma(idioma);
        kivo::preencheImpressoras(&combo);
        QCOMPARE(combo.count(), 1);
        QCOMPARE(combo.currentText(), entrada);
    }
};

// The print button's work on a stored case: the PDF entry's dialog and file, a printer that is gone.
class TestImprime : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::Folder> folder_;
    std::unique_ptr<kivo::Programa> programa_;
    QComboBox combo_;

    // Runs the print button's work; the save dialog, when it opens, is answered by `answer`.
    QString imprime(const std::function<int(QFileDialog&)>& answer)
    {
        return testsupport::answerFileDialog([&] { kivo::imprime(nullptr, &combo_, *programa_); }, answer);
    }

    static std::function<int(QFileDialog&)> salvaEm(const QString& arquivo) { return testsupport::acceptFile(arquivo); }

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }
    void init()
    {
        testsupport::resetPlatform();
        folder_ = std::make_unique<testsupport::Folder>();
        programa_ = std::make_unique<kivo::Programa>();
        kivo::createDatabase(folder_->file("CONTROLE.mdb"));
        programa_->db.open(folder_->file("CONTROLE.mdb"), ";pwd=PanoRoxo");
        programa_->dataInicio = common::shortDateText(testsupport::Today);
        const QStringList nomes{"Fornecedor", "Transporte", "Estoque"};
        const QList<double> resultados{0.2, -0.3, 0.6};
        for (int i = 0; i < 3; ++i)
            programa_->db.execute("UPDATE Alternativas SET Alternativa = ?, Resultado = ? WHERE Numero = ?",
                                  {nomes[i], resultados[i], i + 1});
        kivo::setBuscaImpressoras([] { return kivo::Impressoras{}; });
        kivo::preencheImpressoras(&combo_);
    }
    void cleanup()
    {
        common::Modal::setTestHandler({});
        kivo::setBuscaImpressoras({});
        kivo::instalaIdioma(kivo::Portugues);
        programa_.reset();
        folder_.reset();
    }

    void the_stored_rows_are_read_in_key_order_with_the_best_option()
    {
        const kivo::DadosRelatorio d = kivo::leDadosRelatorio(*programa_);
        QCOMPARE(int(d.linhas.size()), 15);
        QCOMPARE(d.linhas[1].alternativa, QString("Transporte"));
        QCOMPARE(d.linhas[1].resultado, -0.3);
        QCOMPARE(d.linhas[14].alternativa, QString());
        QCOMPARE(d.melhor, 2);
        QCOMPARE(d.dataInicio, QString("08/12/2026"));
    }

    void cancelling_the_save_dialog_writes_nothing()
    {
        const QString proposto = imprime([](QFileDialog&) { return int(QDialog::Rejected); });
        const QString documentos = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(proposto, QDir(QFileInfo(documentos).isDir() ? documentos : QDir::homePath())
                               .filePath("Resultado kivo 2026-12-08.pdf"));
        QVERIFY(common::Messages::shown().isEmpty());
        QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList{"CONTROLE.mdb"});
    }

    void the_pdf_entry_writes_the_page_and_says_where_it_is()
    {
        const QString arquivo = folder_->file("relatório.pdf");
        QFile antigo(arquivo);  // a file of that name is replaced whole
        QVERIFY(antigo.open(QIODevice::WriteOnly));
        antigo.write("old");
        antigo.close();
        kivo::caso::gravaPropriedades(programa_->db, {"Atrasos na entrega", "Reduzir os atrasos"});

        imprime(salvaEm(arquivo));
        QCOMPARE(lastMessage().icon, QMessageBox::Information);
        QCOMPARE(lastMessage().title, QString("Relatório gravado"));
        QVERIFY(lastMessage().text.contains(QDir::toNativeSeparators(arquivo)));
        QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList({"CONTROLE.mdb", "relatório.pdf"}));
        const auto textos = leTextos(arquivo);
        // The case's name after its label, its goal under the goal label.
        QCOMPARE(soTextos(textos).mid(0, 15),
                 QStringList({"Resultado *", "Case:", "Atrasos na entrega",
                              "Objetivo a alcançar ou Sintoma indesejado:", "Reduzir os atrasos", "Fatores", "*",
                              "Observação", "Fornecedor", "0,20", "Transporte", "-0,30", "Estoque", "0,60",
                              "Causa Raíz ou principal FCS"}));
    }

    void a_file_that_cannot_be_written_is_named_in_a_message()
    {
        kivo::instalaIdioma(kivo::Ingles);
        const QString arquivo = folder_->file("no such folder/report.pdf");
        imprime(salvaEm(arquivo));
        QCOMPARE(lastMessage().icon, QMessageBox::Warning);
        QCOMPARE(lastMessage().title, QString("File not saved!"));
        QVERIFY(lastMessage().text.contains(QDir::toNativeSeparators(arquivo)));
        QVERIFY(!QFileInfo::exists(folder_->file("no such folder")));
    }

    void a_printer_that_is_gone_is_named_in_a_message()
    {
        kivo::setBuscaImpressoras([] { return kivo::Impressoras{"Impressora que sumiu", {"Impressora que sumiu"}}; });
        kivo::preencheImpressoras(&combo_);
        QCOMPARE(combo_.currentText(), QString("Impressora que sumiu"));
        bool dialogo = false;
        common::Modal::setTestHandler([&](QDialog&) {
            dialogo = true;
            return int(QDialog::Rejected);
        });
        kivo::imprime(nullptr, &combo_, *programa_);
        QVERIFY(!dialogo);
        QCOMPARE(lastMessage().title, QString("Impressora indisponível!"));
        QVERIFY(lastMessage().text.contains("\"Impressora que sumiu\""));
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int status = 0;
    {
        TestRelatorio t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestImprime t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}

#include "test_relatorio.moc"
