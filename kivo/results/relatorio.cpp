#include "kivo/results/relatorio.h"
#include "kivo/shell/caso.h"
#include "kivo/shell/kivo.h"

#include "common/clock.h"
#include "common/formats.h"
#include "common/platform.h"

#include <QBuffer>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace kivo {

namespace {

constexpr double TwipsPorPolegada = 1440.0;
constexpr int TamanhoNome = 55;  // characters of a name the table prints

// The first 55 characters of a name, never splitting a character made of two UTF-16 units.
QString cortaNome(const QString& nome)
{
    if (nome.size() <= TamanhoNome)
        return nome;
    int n = TamanhoNome;
    if (nome.at(n - 1).isHighSurrogate())
        --n;
    return nome.left(n);
}

// The page as a printer sees it: a font, a current position in twips where the next text starts,
// text that either ends its line (down by the font's height, back to the left edge) or stays on it
// (the position moves past the text).
class Pagina {
public:
    explicit Pagina(QPainter& painter)
        : painter_(painter),
          dpiX_(painter.device()->logicalDpiX()),
          dpiY_(painter.device()->logicalDpiY()),
          fonte_(QStringLiteral("arial"))
    {
        painter_.setPen(Qt::black);
        aplicaFonte();
    }

    double x(double twips) const { return twips * dpiX_ / TwipsPorPolegada; }
    double y(double twips) const { return twips * dpiY_ / TwipsPorPolegada; }

    void tamanho(double pontos)
    {
        fonte_.setPointSizeF(pontos);
        aplicaFonte();
    }
    void negrito(bool sim)
    {
        fonte_.setBold(sim);
        aplicaFonte();
    }
    void posicao(double xTwips, double yTwips)
    {
        x_ = xTwips;
        y_ = yTwips;
    }
    void colunaX(double xTwips) { x_ = xTwips; }
    void linhaY(double yTwips) { y_ = yTwips; }
    double linhaY() const { return y_; }

    // Prints `text` at the current position; `fimDeLinha` moves to the start of the next line.
    void imprime(const QString& text, bool fimDeLinha = true)
    {
        const QFontMetricsF metrics(painter_.font(), painter_.device());
        if (!text.isEmpty())
            painter_.drawText(QPointF(x(x_), y(y_) + metrics.ascent()), text);
        if (fimDeLinha) {
            x_ = 0;
            y_ += metrics.height() * TwipsPorPolegada / dpiY_;
        } else {
            x_ += metrics.horizontalAdvance(text) * TwipsPorPolegada / dpiX_;
        }
    }

private:
    void aplicaFonte() { painter_.setFont(fonte_); }

    QPainter& painter_;
    double dpiX_;
    double dpiY_;
    QFont fonte_;
    double x_ = 0;
    double y_ = 0;
};

std::function<Impressoras()>& buscaImpressoras()
{
    static std::function<Impressoras()> busca;
    return busca;
}

// The page size of the PDF: Letter where the user measures in inches, A4 elsewhere.
QPageSize tamanhoPagina()
{
    return QPageSize(common::userLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                           : QPageSize::A4);
}

void imprimeNaImpressora(QWidget* parent, const QString& nome, const Impressao& impressao)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(nome);
    bool ok = !info.isNull();
    if (ok) {
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setDocName(impressao.titulo);
        printer.setFullPage(false);
        if (impressao.margens)
            printer.setPageMargins(*impressao.margens, QPageLayout::Millimeter);
        ok = impressao.desenha(printer) && printer.printerState() != QPrinter::Error;
    }
    if (!ok)
        common::Messages::exclamation(
            parent, QCoreApplication::translate("kivo::relatorio", "Impressora indisponível!"),
            QCoreApplication::translate(
                "kivo::relatorio",
                "Não foi possível imprimir o relatório na impressora \"%1\".\r\n"
                "Verifique se ela está ligada e instalada, ou escolha outra impressora na lista.")
                .arg(nome));
}

// The page as PDF bytes, in memory, so that a file is only ever written whole.
QByteArray paginaPdf(const Impressao& impressao, bool* ok)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(tamanhoPagina());
        writer.setPageMargins(impressao.margens.value_or(QMarginsF(0, 0, 0, 0)), QPageLayout::Millimeter);
        writer.setTitle(impressao.titulo);
        writer.setCreator(QStringLiteral("KIVO"));
        *ok = impressao.desenha(writer);
    }
    buffer.close();
    return bytes;
}

void gravaPdf(QWidget* parent, const Impressao& impressao)
{
    QFileDialog dialog(parent, QCoreApplication::translate("kivo::relatorio", "Gravar o relatório em PDF"));
    dialog.setObjectName(QStringLiteral("dlgArquivoPdf"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QCoreApplication::translate("kivo::relatorio", "Arquivos PDF (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    const QFileInfo proposto(impressao.arquivo);
    dialog.setDirectory(proposto.absolutePath());
    dialog.selectFile(proposto.fileName());
    if (common::Modal::exec(dialog) != QDialog::Accepted)
        return;
    const QString arquivo = dialog.selectedFiles().value(0);
    if (arquivo.isEmpty())
        return;

    // Written beside the chosen name and renamed over it only once it is whole.
    bool ok = false;
    const QByteArray pdf = paginaPdf(impressao, &ok);
    if (ok) {
        QSaveFile file(arquivo);
        ok = file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size() && file.commit();
    }
    const QString nativo = QDir::toNativeSeparators(QFileInfo(arquivo).absoluteFilePath());
    if (!ok) {
        common::Messages::exclamation(
            parent, QCoreApplication::translate("kivo::relatorio", "Arquivo não gravado!"),
            QCoreApplication::translate("kivo::relatorio",
                                        "Não foi possível gravar o relatório no arquivo \"%1\".\r\n"
                                        "Escolha outra pasta ou outro nome e tente de novo.")
                .arg(nativo));
        return;
    }
    common::Messages::show(
        parent, QMessageBox::Information, QCoreApplication::translate("kivo::relatorio", "Relatório gravado"),
        QCoreApplication::translate("kivo::relatorio", "O relatório foi gravado no arquivo:\r\n%1").arg(nativo));
}

}  // namespace

int melhorOpcao(const std::vector<LinhaRelatorio>& linhas)
{
    int melhor = -1;
    double maior = 0;
    for (int i = 0; i < int(linhas.size()); ++i)
        if (linhas[i].resultado > maior) {
            maior = linhas[i].resultado;
            melhor = i;
        }
    return melhor;
}

DadosRelatorio leDadosRelatorio(Programa& programa)
{
    DadosRelatorio dados;
    dados.dataInicio = programa.dataInicio;
    const caso::Propriedades propriedades = caso::lePropriedades(programa.db);
    dados.caso = propriedades.nome;
    dados.objetivo = propriedades.objetivo;
    common::Recordset rs = common::Recordset::openTable(programa.db, QStringLiteral("Alternativas"));
    for (rs.moveFirst(); !rs.eof(); rs.moveNext())
        dados.linhas.push_back(
            {rs.text(QStringLiteral("Alternativa")), rs.value(QStringLiteral("Resultado")).toDouble()});
    dados.melhor = melhorOpcao(dados.linhas);
    return dados;
}

void desenhaImagem1(QPainter& painter, const QRectF& area)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    common::fillGradient(painter, area, CoresImagem);

    // The lettering is part of the picture: drawn as outlines, centred, its size following the
    // picture's height (and narrowed when it would not fit the width).
    const auto letreiro = [&](const QString& text, bool bold, double altura, double base) {
        QFont font(QStringLiteral("arial"));
        font.setBold(bold);
        font.setPointSizeF(100);
        QPainterPath path;
        path.addText(0, 0, font, text);
        const QRectF caixa = path.boundingRect();
        if (caixa.isEmpty())
            return;
        const double escala = std::min(altura / caixa.height(), area.width() * 0.9 / caixa.width());
        QTransform t;
        t.translate(area.center().x(), area.top() + base);
        t.scale(escala, escala);
        t.translate(-caixa.center().x(), 0);
        painter.fillPath(t.map(path), Qt::white);
    };
    letreiro(QStringLiteral("KIVO"), true, area.height() * 0.40, area.height() * 0.62);
    letreiro(QCoreApplication::translate("kivo::relatorio", "Apoio à decisão multicritério"), false,
             area.height() * 0.12, area.height() * 0.84);
    painter.restore();
}

QPixmap imagem1(const QSize& size)
{
    QPixmap pixmap(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::TextAntialiasing);
    desenhaImagem1(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

void desenhaRelatorio(QPainter& painter, const DadosRelatorio& dados)
{
    Pagina pagina(painter);

    pagina.posicao(1, 1);
    desenhaImagem1(painter, QRectF(pagina.x(1000), pagina.y(300), pagina.x(2300), pagina.y(1000)));

    pagina.posicao(5000, 1000);
    pagina.tamanho(18);
    pagina.negrito(true);
    pagina.imprime(QCoreApplication::translate("kivo::relatorio", "Resultado *"));

    pagina.negrito(false);
    pagina.tamanho(12);
    pagina.colunaX(2000);
    pagina.imprime({});
    pagina.imprime({});

    pagina.colunaX(2000);
    pagina.negrito(true);
    pagina.imprime(QCoreApplication::translate("kivo::relatorio", "Case:  %1").arg(dados.caso));
    pagina.negrito(false);
    pagina.imprime({});
    pagina.imprime({});

    pagina.colunaX(2000);
    pagina.imprime(QCoreApplication::translate("kivo::relatorio", "Objetivo a alcançar ou Sintoma indesejado: "));
    pagina.colunaX(2800);
    pagina.negrito(true);
    pagina.imprime(dados.objetivo);
    pagina.negrito(false);
    pagina.imprime({});
    pagina.imprime({});

    pagina.tamanho(11);
    double linha = pagina.linhaY() + 100;

    pagina.colunaX(2000);
    pagina.imprime(QCoreApplication::translate("kivo::relatorio", "Fatores"), false);
    pagina.colunaX(7700);
    pagina.imprime(QStringLiteral("*"), false);
    pagina.colunaX(9000);
    pagina.imprime(QCoreApplication::translate("kivo::relatorio", "Observação"));
    pagina.tamanho(10);

    for (int i = 0; i < int(dados.linhas.size()); ++i) {
        linha += 250;
        pagina.linhaY(linha);
        pagina.colunaX(2000);
        pagina.imprime(cortaNome(dados.linhas[i].alternativa), false);
        pagina.colunaX(7800);
        pagina.imprime(common::formatFixed(dados.linhas[i].resultado, 2), false);
        // The root cause stands beside the best option of the last run, when there is one.
        if (i == dados.melhor) {
            pagina.colunaX(9000);
            pagina.imprime(QCoreApplication::translate("kivo::relatorio", "Causa Raíz ou principal FCS"));
        }
    }

    pagina.posicao(6500, linha + 1000);
    pagina.tamanho(9);
    pagina.imprime(
        QCoreApplication::translate("kivo::relatorio", "KIVO - sessão iniciada em %1").arg(dados.dataInicio));
}

bool imprimeRelatorio(QPagedPaintDevice& device, const DadosRelatorio& dados)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::TextAntialiasing);
    desenhaRelatorio(painter, dados);
    return painter.end();
}

Impressoras impressorasDoSistema()
{
    if (buscaImpressoras())
        return buscaImpressoras()();
    return {QPrinterInfo::defaultPrinterName(), QPrinterInfo::availablePrinterNames()};
}

void setBuscaImpressoras(std::function<Impressoras()> busca)
{
    buscaImpressoras() = std::move(busca);
}

QString entradaPdf()
{
    return QCoreApplication::translate("kivo::relatorio", "Arquivo PDF…");
}

void preencheImpressoras(QComboBox* combo)
{
    const Impressoras impressoras = impressorasDoSistema();
    combo->clear();
    // Each printer carries its name as its data; the PDF entry carries none.
    if (!impressoras.padrao.isEmpty())
        combo->addItem(impressoras.padrao, impressoras.padrao);
    for (const QString& nome : impressoras.todas)
        if (nome != impressoras.padrao && !nome.isEmpty())
            combo->addItem(nome, nome);
    combo->addItem(entradaPdf());
    combo->setCurrentIndex(0);
}

QString arquivoProposto(const QDate& date, const QString& nome)
{
    QString pasta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (pasta.isEmpty() || !QFileInfo(pasta).isDir())
        pasta = QDir::homePath();
    return QDir(pasta).filePath(QStringLiteral("%1 %2.pdf").arg(nome, date.toString(Qt::ISODate)));
}

void imprimeDocumento(QWidget* parent, const QComboBox* combo, const Impressao& impressao)
{
    const QVariant impressora = combo && combo->currentIndex() >= 0 ? combo->currentData() : QVariant();
    if (impressora.isValid() && !impressora.toString().isEmpty())
        imprimeNaImpressora(parent, impressora.toString(), impressao);
    else
        gravaPdf(parent, impressao);
}

void imprime(QWidget* parent, const QComboBox* combo, Programa& programa)
{
    const DadosRelatorio dados = leDadosRelatorio(programa);
    Impressao impressao;
    impressao.titulo = QCoreApplication::translate("kivo::relatorio", "KIVO - Resultado");
    impressao.arquivo = arquivoProposto(common::Clock::today());
    impressao.desenha = [&dados](QPagedPaintDevice& device) { return imprimeRelatorio(device, dados); };
    imprimeDocumento(parent, combo, impressao);
}

}  // namespace kivo
