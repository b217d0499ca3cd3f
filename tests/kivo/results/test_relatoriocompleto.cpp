// The complete report: a 15 x 15 decision run and printed into a PDF, read back with pdftotext:
// its sections in order in each language, the tables continued under their headings, the pages
// numbered, every word within the printable area; and the print button's dialog and messages.

#include "tests/kivo/results/casefixture.h"

#include "kivo/results/calculo.h"
#include "kivo/results/relatorio.h"
#include "kivo/results/relatoriocompleto.h"

#include "common/formats.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

namespace {

class SemTela : public kivo::calculo::Progresso {
public:
    void etapa(int, Estado) override {}
    void alternativasAlteradas() override {}
};

QString pdftotext(const QStringList& argumentos)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), argumentos);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        qWarning("pdftotext failed: %s", p.readAllStandardError().constData());
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The pages as pdftotext lays them out, each with its lines trimmed and runs of blanks made one.
QList<QStringList> paginas(const QString& pdf)
{
    QString texto = pdftotext({QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (texto.endsWith(QLatin1Char('\f')))
        texto.chop(1);
    QList<QStringList> out;
    static const QRegularExpression brancos(QStringLiteral("\\s+"));
    for (const QString& pagina : texto.split(QLatin1Char('\f'))) {
        QStringList linhas;
        for (QString linha : pagina.split(QLatin1Char('\n'))) {
            linha = linha.simplified();
            if (!linha.isEmpty())
                linhas << linha.replace(brancos, QStringLiteral(" "));
        }
        out << linhas;
    }
    return out;
}

// Every word's box in points, with the page's size.
struct Palavra {
    QString texto;
    double x0, y0, x1, y1;
    double largura, altura;  // of its page
};
QList<Palavra> palavras(const QString& pdf)
{
    const QString html = pdftotext({QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    static const QRegularExpression pagina(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">"));
    static const QRegularExpression palavra(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<Palavra> out;
    double largura = 0;
    double altura = 0;
    int at = 0;
    while (true) {
        const auto p = pagina.match(html, at);
        const auto w = palavra.match(html, at);
        if (!w.hasMatch())
            break;
        if (p.hasMatch() && p.capturedStart() < w.capturedStart()) {
            largura = p.captured(1).toDouble();
            altura = p.captured(2).toDouble();
            at = p.capturedEnd();
            continue;
        }
        out.append({w.captured(5), w.captured(1).toDouble(), w.captured(2).toDouble(), w.captured(3).toDouble(),
                    w.captured(4).toDouble(), largura, altura});
        at = w.capturedEnd();
    }
    return out;
}

// The index of the first line at or after `desde` that starts with `inicio`, -1 for none.
int linha(const QStringList& linhas, const QString& inicio, int desde = 0)
{
    for (int i = std::max(0, desde); i < linhas.size(); ++i)
        if (linhas[i].startsWith(inicio))
            return i;
    return -1;
}

struct Secoes {
    QString titulo, caso, objetivo, data, melhor, criterios, consistencia, comparacao, valores, classificacao, grafico,
        sensibilidade, continuacao, cabecalhoValores, criterioSemNome, alternativaSemNome;
};

Secoes secoes(short idioma)
{
    switch (idioma) {
    case kivo::Ingles:
        return {"Full report",
                "Case:",
                "Goal to achieve or undesired symptom:",
                "Date: 08/12/2026",
                "Best option: ",
                "Criteria",
                "Consistency ratio:",
                "Comparison matrix",
                "Values matrix",
                "Ranking",
                "Contribution of each criterion to the result",
                "Sensitivity",
                "(continued)",
                "Alternative 1 2 3",
                "Criterion 5",
                "Alternative 4"};
    case kivo::Espanhol:
        return {"Informe completo",
                "Caso:",
                "Objetivo a alcanzar o síntoma no deseado:",
                "Fecha: 08/12/2026",
                "Mejor opción: ",
                "Criterios",
                "Razón de consistencia:",
                "Matriz de comparación",
                "Matriz de valores",
                "Clasificación",
                "Contribución de cada criterio al resultado",
                "Sensibilidad",
                "(continuación)",
                "Alternativa 1 2 3",
                "Criterio 5",
                "Alternativa 4"};
    default:
        return {"Relatório completo",
                "Case:",
                "Objetivo a alcançar ou Sintoma indesejado:",
                "Data: 08/12/2026",
                "Melhor opção: ",
                "Critérios",
                "Razão de consistência:",
                "Matriz de comparação",
                "Matriz de valores",
                "Classificação",
                "Contribuição de cada critério ao resultado",
                "Sensibilidade",
                "(continuação)",
                "Alternativa 1 2 3",
                "Critério 5",
                "Alternativa 4"};
    }
}

}  // namespace

class TestRelatorioCompleto : public QObject {
    Q_OBJECT

    std::unique_ptr<CaseFixture> f_;
    QComboBox combo_;

    // 15 criteria by 15 alternatives, every pair compared, one criterion in four a cost, names
    // of every length up to one that must wrap.
    void caso15x15()
    {
        common::Transaction transacao(f_->programa.db);  // one write to the file, not hundreds
        QStringList nomes;
        for (int a = 1; a <= 15; ++a)
            nomes << QStringLiteral("Fornecedor %1").arg(a);
        nomes[6] = QStringLiteral("Fornecedor regional de matéria-prima importada com entrega semanal garantida");
        f_->alternativas(nomes);
        std::vector<Criterio> criterios;
        for (int c = 1; c <= 15; ++c) {
            std::vector<double> valores;
            for (int a = 1; a <= 15; ++a)
                valores.push_back(1 + ((a * 7 + c * 13) % 23) + a * 0.01 * c);
            criterios.push_back(
                {QStringLiteral("Critério %1").arg(c), c % 4 == 0 ? "-" : "+", 1 + (c * 3) % 10 + c * 0.01, valores});
        }
        criterios[2].nome = QStringLiteral("Prazo de entrega acordado em contrato, com multa por atraso");
        f_->criterios(criterios);
        const double escala[] = {10, 5, 1, 0.2, 0.1};
        for (int r = 1; r <= 15; ++r)
            for (int c = r + 1; c <= 15; ++c) {
                const double v = escala[(r * 3 + c) % 5];
                f_->execute(QStringLiteral("UPDATE Criterios SET %1 = ? WHERE Numero = ?").arg(kivo::numbered("N", c)),
                            {v, r});
                f_->execute(QStringLiteral("UPDATE Criterios SET %1 = ? WHERE Numero = ?").arg(kivo::numbered("N", r)),
                            {1 / v, c});
            }
        transacao.commit();
        SemTela tela;
        QCOMPARE(kivo::calculo::calcula(f_->programa.db, 15, tela).fim, kivo::calculo::Desfecho::Concluido);
    }

    // The print button's work with the PDF entry; the save dialog answered by `answer`. Returns the
    // file the dialog proposed.
    QString imprime(const std::function<int(QFileDialog&)>& answer)
    {
        return testsupport::answerFileDialog([&] { kivo::imprimeCompleto(nullptr, &combo_, f_->programa); }, answer);
    }

    static std::function<int(QFileDialog&)> salvaEm(const QString& arquivo) { return testsupport::acceptFile(arquivo); }

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }
    void init()
    {
        testsupport::startTest(f_);
        f_->programa.dataInicio = common::shortDateText(testsupport::Today);
        kivo::setBuscaImpressoras([] { return kivo::Impressoras{}; });
        kivo::preencheImpressoras(&combo_);
    }
    void cleanup()
    {
        kivo::setBuscaImpressoras({});
        testsupport::endTest(f_);
    }

    void every_section_in_order_on_numbered_pages_in_each_language_data()
    {
        QTest::addColumn<short>("idioma");
        QTest::newRow("English") << short(kivo::Ingles);
        QTest::newRow("Spanish") << short(kivo::Espanhol);
        QTest::newRow("Portuguese") << short(kivo::Portugues);
    }
    void every_section_in_order_on_numbered_pages_in_each_language()
    {
        QFETCH(short, idioma);
        caso15x15();
        // A criterion and an alternative left without a name after the run.
        f_->execute("UPDATE Criterios SET Identifica = '' WHERE Numero = 5");
        f_->execute("UPDATE Alternativas SET Alternativa = '' WHERE Numero = 4");
        f_->falaIdioma(idioma);
        const QString arquivo = f_->folder.file(QStringLiteral("completo.pdf"));
        imprime(salvaEm(arquivo));
        QCOMPARE(lastMessage().icon, QMessageBox::Information);

        const QList<QStringList> pags = paginas(arquivo);
        const int total = pags.size();
        QVERIFY2(total >= 3, qPrintable(QString::number(total)));
        // Each page ends with its number of the total.
        for (int p = 0; p < total; ++p)
            QVERIFY2(
                pags[p].last().contains(QRegularExpression(QStringLiteral("\\b%1 ?/ ?%2\\b").arg(p + 1).arg(total))),
                qPrintable(pags[p].last()));

        // The sections in their order, across the pages.
        QStringList tudo;
        for (const QStringList& p : pags)
            tudo += p;
        const Secoes s = secoes(idioma);
        const QString melhor = f_->campo(
                                     "Alternativas", "Alternativa",
                                     1 +
                                         [&] {
                                             int m = 0;
                                             for (int a = 1; a < 15; ++a)
                                                 if (f_->numero("Alternativas", "Resultado", a + 1) >
                                                     f_->numero("Alternativas", "Resultado", m + 1))
                                                     m = a;
                                             return m;
                                         }())
                                   .toString();
        int em = -1;
        for (const QString& secao :
             {s.titulo, s.caso, s.objetivo, s.data, s.melhor + melhor, s.criterios, s.consistencia, s.comparacao,
              s.valores, s.classificacao, s.grafico, s.sensibilidade}) {
            const int achada =
                std::max(linha(tudo, secao, em + 1), linha(tudo, QStringLiteral("KIVO ") + secao, em + 1));
            QVERIFY2(achada > em, qPrintable(QStringLiteral("%1 after line %2").arg(secao).arg(em)));
            em = achada;
        }
        // Page 1 holds the case and the best option; with no case given, the labels stand alone.
        QVERIFY(linha(pags[0], s.melhor + melhor) >= 0);
        QCOMPARE(pags[0][linha(pags[0], s.caso)], s.caso);

        // A table that goes on over a page break: its heading again, marked, then its column headings.
        int continuadas = 0;
        for (int p = 1; p < total; ++p) {
            const int i = [&] {
                for (int l = 0; l < pags[p].size(); ++l)
                    if (pags[p][l].endsWith(s.continuacao))
                        return l;
                return -1;
            }();
            if (i < 0)
                continue;
            ++continuadas;
            QVERIFY(i + 1 < pags[p].size());
        }
        QVERIFY(continuadas >= 1);
        // Every alternative in the ranking, the long name whole (wrapped, not cut).
        const QString texto = tudo.join(QLatin1Char(' '));
        for (const char* palavra : {"Fornecedor 15", "regional", "semanal", "garantida", "multa", "atraso"})
            QVERIFY2(texto.contains(QString::fromUtf8(palavra)), palavra);
        // The ones without a name are called by their number, in the installed language: in the tables
        // (the criteria, the values matrix) and in the ranking (its chart's legend, its rows).
        const auto temLinha = [&](const QString& padrao) {
            const QRegularExpression re(padrao);
            return std::any_of(tudo.cbegin(), tudo.cend(), [&](const QString& l) { return re.match(l).hasMatch(); });
        };
        const QString criterio = QRegularExpression::escape(s.criterioSemNome);
        const QString alternativa = QRegularExpression::escape(s.alternativaSemNome);
        QVERIFY2(temLinha(QStringLiteral("^5 %1 [^(]").arg(criterio)), qPrintable(s.criterioSemNome));
        QVERIFY2(temLinha(QStringLiteral("^4 %1 ").arg(alternativa)), qPrintable(s.alternativaSemNome));
        QVERIFY2(texto.contains(s.criterioSemNome + QStringLiteral(" (+)")), qPrintable(s.criterioSemNome));
        QVERIFY2(temLinha(QStringLiteral("^(\\d+ )?%1 -?[\\d.,]+$").arg(alternativa)),
                 qPrintable(s.alternativaSemNome));
    }

    void nothing_falls_outside_the_printable_area()
    {
        caso15x15();
        const QString arquivo = f_->folder.file(QStringLiteral("margens.pdf"));
        imprime(salvaEm(arquivo));
        const auto todas = palavras(arquivo);
        QVERIFY(todas.size() > 500);
        const double margem = 15 / 25.4 * 72;  // the report's 15 mm
        for (const Palavra& w : todas)
            QVERIFY2(
                w.x0 >= margem - 0.5 && w.x1 <= w.largura - margem + 0.5 && w.y0 >= margem - 0.5 &&
                    w.y1 <= w.altura - margem + 0.5,
                qPrintable(QStringLiteral("%1 at %2,%3-%4,%5").arg(w.texto).arg(w.x0).arg(w.y0).arg(w.x1).arg(w.y1)));
    }

    void the_report_has_its_own_file_name_and_a_cancel_writes_nothing()
    {
        caso15x15();
        const QString proposto = imprime([](QFileDialog&) { return int(QDialog::Rejected); });
        QCOMPARE(QFileInfo(proposto).fileName(), QStringLiteral("Relatório completo kivo 2026-12-08.pdf"));
        QVERIFY(common::Messages::shown().isEmpty());
        QCOMPARE(QDir(f_->folder.path()).entryList(QDir::Files), QStringList{"CONTROLE.mdb"});
    }

    void a_file_that_cannot_be_written_is_named_in_a_message()
    {
        caso15x15();
        f_->falaIdioma(kivo::Ingles);
        const QString arquivo = f_->folder.file("no such folder/report.pdf");
        imprime(salvaEm(arquivo));
        QCOMPARE(lastMessage().icon, QMessageBox::Warning);
        QCOMPARE(lastMessage().title, QString("File not saved!"));
        QVERIFY(lastMessage().text.contains(QDir::toNativeSeparators(arquivo)));
    }

    void a_printer_that_is_gone_is_named_in_a_message()
    {
        caso15x15();
        kivo::setBuscaImpressoras([] { return kivo::Impressoras{"Impressora que sumiu", {"Impressora que sumiu"}}; });
        kivo::preencheImpressoras(&combo_);
        bool dialogo = false;
        common::Modal::setTestHandler([&](QDialog&) {
            dialogo = true;
            return int(QDialog::Rejected);
        });
        kivo::imprimeCompleto(nullptr, &combo_, f_->programa);
        QVERIFY(!dialogo);
        QCOMPARE(lastMessage().title, QString("Impressora indisponível!"));
        QVERIFY(lastMessage().text.contains("\"Impressora que sumiu\""));
    }

    void a_missing_weight_prints_nothing_and_says_so()
    {
        caso15x15();
        f_->execute("UPDATE Criterios SET Peso = '' WHERE Numero = 2");
        bool dialogo = false;
        common::Modal::setTestHandler([&](QDialog&) {
            dialogo = true;
            return int(QDialog::Rejected);
        });
        kivo::imprimeCompleto(nullptr, &combo_, f_->programa);
        QVERIFY(!dialogo);
        QCOMPARE(lastMessage().title, QStringLiteral("Peso Não encontrado!"));
    }

    void the_case_and_goal_print_after_their_labels()
    {
        caso15x15();
        const auto dados = kivo::leDadosRelatorioCompleto(f_->programa, QStringLiteral("Compra de insumos 2027"),
                                                          QStringLiteral("Reduzir o atraso das entregas"));
        QVERIFY(dados.has_value());
        const QString arquivo = f_->folder.file(QStringLiteral("caso.pdf"));
        {
            QPdfWriter writer(arquivo);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
            QVERIFY(kivo::imprimeRelatorioCompleto(writer, *dados) >= 3);
        }
        const QStringList primeira = paginas(arquivo).value(0);
        QVERIFY(primeira.contains(QStringLiteral("Case: Compra de insumos 2027")));
        const int objetivo = linha(primeira, QStringLiteral("Objetivo a alcançar ou Sintoma indesejado:"));
        QVERIFY(objetivo >= 0);
        QCOMPARE(primeira.value(objetivo + 1), QStringLiteral("Reduzir o atraso das entregas"));
    }
};

QTEST_MAIN(TestRelatorioCompleto)
#include "test_relatoriocompleto.moc"
