#include "kivo/results/relatoriocompleto.h"

#include "kivo/results/desenhoranking.h"
#include "kivo/results/ranking.h"
#include "kivo/results/relatorio.h"
#include "kivo/shell/dados.h"
#include "kivo/shell/database.h"
#include "kivo/weighting/analise.h"
#include "kivo/weighting/textosanalise.h"

#include "common/clock.h"
#include "common/formats.h"
#include "common/platform.h"
#include "common/store.h"
#include "common/traducao.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <functional>

namespace kivo {

namespace {

constexpr double TwipsPorPolegada = 1440.0;
constexpr double MargemPdf = 15;  // millimetres around the page, on a PDF and a printer alike

// The report's texts, translated where they are shown.
const char* const Titulo = QT_TRANSLATE_NOOP("kivo::relatoriocompleto", "Relatório completo");
const char* const Arquivo = QT_TRANSLATE_NOOP("kivo::relatoriocompleto", "Relatório completo kivo");
const char* const Caso = QT_TRANSLATE_NOOP("kivo::relatoriocompleto", "Case:  ");
const char* const Objetivo =
    QT_TRANSLATE_NOOP("kivo::relatoriocompleto", "Objetivo a alcançar ou Sintoma indesejado: ");
const char* const Data = QT_TRANSLATE_NOOP("kivo::relatoriocompleto", "Data: %1");
const char* const Melhor = QT_TRANSLATE_NOOP("kivo::relatoriocompleto", "Melhor opção: %1");
const char* const Nenhuma = QT_TRANSLATE_NOOP("kivo::relatoriocompleto", "(nenhuma)");
const char* const Continuacao = QT_TRANSLATE_NOOP("kivo::relatoriocompleto", "%1 (continuação)");
const char* const Rodape = QT_TRANSLATE_NOOP("kivo::relatoriocompleto", "KIVO - Relatório completo");

const char* const SecaoCriterios = QT_TRANSLATE_NOOP("kivo::relatoriocompleto", "Critérios");
const char* const ColNumero = QT_TRANSLATE_NOOP("kivo::relatoriocompleto", "Nº");
const char* const ColCriterio = QT_TRANSLATE_NOOP("kivo::relatoriocompleto", "Critério");
const char* const ColSinal = QT_TRANSLATE_NOOP("kivo::relatoriocompleto", "Sinal");
const char* const ColPeso = QT_TRANSLATE_NOOP("kivo::relatoriocompleto", "Peso");
const char* const ColParticipacao = QT_TRANSLATE_NOOP("kivo::relatoriocompleto", "Peso normalizado");
const char* const Beneficio = QT_TRANSLATE_NOOP("kivo::relatoriocompleto", "+ benefício");
const char* const Custo = QT_TRANSLATE_NOOP("kivo::relatoriocompleto", "- custo");

const char* const SecaoComparacao = QT_TRANSLATE_NOOP("kivo::relatoriocompleto", "Matriz de comparação");
const char* const SobreComparacao = QT_TRANSLATE_NOOP("kivo::relatoriocompleto",
                                                      "Cada célula: quantas vezes o critério da linha é tão importante "
                                                      "quanto o da coluna (colunas pelo número do critério).");

const char* const SecaoValores = QT_TRANSLATE_NOOP("kivo::relatoriocompleto", "Matriz de valores");
const char* const SobreValores = QT_TRANSLATE_NOOP(
    "kivo::relatoriocompleto", "Valor de cada alternativa sob cada critério (colunas pelo número do critério).");
const char* const ColAlternativa = QT_TRANSLATE_NOOP("kivo::relatoriocompleto", "Alternativa");

const char* const SecaoClassificacao = QT_TRANSLATE_NOOP("kivo::relatoriocompleto", "Classificação");
const char* const ColPosicao = QT_TRANSLATE_NOOP("kivo::relatoriocompleto", "Posição");
const char* const ColResultado = QT_TRANSLATE_NOOP("kivo::relatoriocompleto", "Resultado");

const char* const SecaoSensibilidade = QT_TRANSLATE_NOOP("kivo::relatoriocompleto", "Sensibilidade");
const char* const SobreSensibilidade =
    QT_TRANSLATE_NOOP("kivo::relatoriocompleto",
                      "Para cada critério, a faixa de peso (de 1 a 10, os outros pesos mantidos) em que %1 continua a "
                      "melhor opção, e a opção que passa a ser a melhor fora dela.");
const char* const SemMelhorOpcao = QT_TRANSLATE_NOOP(
    "kivo::relatoriocompleto", "Nenhuma alternativa tem resultado acima de 0: não há melhor opção a manter.");
const char* const ColMinimo = QT_TRANSLATE_NOOP("kivo::relatoriocompleto", "Peso mínimo");
const char* const ColMaximo = QT_TRANSLATE_NOOP("kivo::relatoriocompleto", "Peso máximo");
const char* const ColAbaixo = QT_TRANSLATE_NOOP("kivo::relatoriocompleto", "Melhor abaixo");
const char* const ColAcima = QT_TRANSLATE_NOOP("kivo::relatoriocompleto", "Melhor acima");

QString traduz(const char* fonte)
{
    return QCoreApplication::translate("kivo::relatoriocompleto", fonte);
}

const QString Nada = QStringLiteral("\u2014");  // an empty place in a table

QFont fonte(double pontos, bool negrito = false)
{
    QFont f(QStringLiteral("arial"));
    f.setPointSizeF(pontos);
    f.setBold(negrito);
    return f;
}

// A table as the report prints it: the first `fixas` columns come again in every group of columns
// when the others do not fit the width at once.
struct Coluna {
    QString titulo;
    Qt::Alignment alinhamento = Qt::AlignLeft;
    bool quebra = false;  // a text that wraps onto more lines when its column is narrow
};
struct Tabela {
    QString titulo;
    std::vector<Coluna> colunas;
    std::vector<QStringList> linhas;
    std::vector<bool> negrito;  // per row
    int fixas = 1;
    double pontos = 9;
};

// The pages laid out before any is drawn, so that each knows the total: each page a list of
// drawing steps in device units, with its origin at the top-left of the printable area.
class Composicao {
public:
    using Passo = std::function<void(QPainter&)>;

    explicit Composicao(const QPaintDevice& device)
        : device_(device),
          largura_(device.width()),
          altura_(device.height()),
          dpiX_(device.logicalDpiX()),
          dpiY_(device.logicalDpiY())
    {
        paginas_.emplace_back();
    }

    double largura() const { return largura_; }
    double pontos(double pt) const { return pt * dpiY_ / 72.0; }
    double twipsX(double t) const { return t * dpiX_ / TwipsPorPolegada; }
    double twipsY(double t) const { return t * dpiY_ / TwipsPorPolegada; }
    const QPaintDevice* device() const { return &device_; }
    const std::vector<std::vector<Passo>>& paginas() const { return paginas_; }

    // The footer's room at the foot of every page.
    double rodape() const { return pontos(22); }
    double base() const { return altura_ - rodape(); }
    double y = 0;

    bool cabe(double altura) const { return y + altura <= base() + 0.01; }
    bool noTopo() const { return y <= 0.01; }
    void novaPagina()
    {
        paginas_.emplace_back();
        y = 0;
    }
    void passo(Passo p) { paginas_.back().push_back(std::move(p)); }

    // Flags that keep a text within `largura`: words wrap; a word longer than the width breaks.
    int quebra(const QString& texto, const QFont& f, double larguraMaxima) const
    {
        const QFontMetricsF fm(f, &device_);
        for (const QString& palavra : texto.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            if (fm.horizontalAdvance(palavra) > larguraMaxima)
                return Qt::TextWrapAnywhere;
        return Qt::TextWordWrap;
    }
    double alturaTexto(const QString& texto, const QFont& f, double larguraMaxima) const
    {
        const QFontMetricsF fm(f, &device_);
        if (texto.isEmpty())
            return fm.height();
        return fm.boundingRect(QRectF(0, 0, std::max(1.0, larguraMaxima), 1e9), quebra(texto, f, larguraMaxima), texto)
            .height();
    }
    double largura(const QString& texto, const QFont& f) const
    {
        return QFontMetricsF(f, &device_).horizontalAdvance(texto);
    }

    void texto(const QRectF& r, const QString& t, const QFont& f,
               Qt::Alignment alinhamento = Qt::AlignLeft | Qt::AlignTop)
    {
        const int flags = int(alinhamento) | quebra(t, f, r.width());
        passo([r, t, f, flags](QPainter& p) {
            p.setFont(f);
            p.setPen(Qt::black);
            p.drawText(r, flags, t);
        });
    }
    void preenche(const QRectF& r, const QColor& cor)
    {
        passo([r, cor](QPainter& p) { p.fillRect(r, cor); });
    }
    void linha(const QPointF& a, const QPointF& b, const QColor& cor, double espessura)
    {
        passo([a, b, cor, espessura](QPainter& p) {
            p.setPen(QPen(cor, espessura));
            p.drawLine(a, b);
        });
    }

    // A paragraph across the width, moved whole to the next page when it does not fit.
    void paragrafo(const QString& t, const QFont& f, double recuo = 0, double depois = -1)
    {
        const double h = alturaTexto(t, f, largura_ - recuo);
        if (!cabe(h) && !noTopo())
            novaPagina();
        texto(QRectF(recuo, y, largura_ - recuo, h), t, f);
        y += h + (depois < 0 ? pontos(4) : depois);
    }

    // A section's heading: on a new page when the heading and `seguinte` more would not fit.
    void secao(const QString& t, double seguinte)
    {
        const QFont f = fonte(13, true);
        const double h = alturaTexto(t, f, largura_);
        if (!noTopo())
            y += pontos(10);
        if (!cabe(h + pontos(4) + seguinte) && !noTopo())
            novaPagina();
        texto(QRectF(0, y, largura_, h), t, f);
        y += h + pontos(4);
    }

    void tabela(const Tabela& t, const QString& continuacao);

private:
    // A table's fonts, its cells' padding and its columns' widths.
    struct MedidasTabela {
        QFont normal;
        QFont negrito;
        QFont fonteTitulo;
        double folga = 0;
        std::vector<double> larguras;

        const QFont& fonteDa(const Tabela& t, int linha) const
        {
            return linha < int(t.negrito.size()) && t.negrito[linha] ? negrito : normal;
        }
    };
    std::vector<double> largurasNaturais(const Tabela& t, const MedidasTabela& m) const;
    double cedemAsFixas(const Tabela& t, int fixas, const std::vector<double>& natural,
                        std::vector<double>& larguras) const;
    std::vector<std::vector<int>> gruposDeColunas(int fixas, double fixo, std::vector<double>& larguras) const;
    double alturaLinha(const Tabela& t, const MedidasTabela& m, const std::vector<int>& emUso,
                       const QStringList& celulas, const QFont& f, bool cabecalho) const;
    void tituloTabela(const QString& texto, const MedidasTabela& m);
    void cabecalhos(const Tabela& t, const MedidasTabela& m, const std::vector<int>& emUso, double altura);
    void grupoDaTabela(const Tabela& t, const QString& continuacao, const MedidasTabela& m,
                       const std::vector<int>& emUso, bool seguinte);

    const QPaintDevice& device_;
    double largura_;
    double altura_;
    double dpiX_;
    double dpiY_;
    std::vector<std::vector<Passo>> paginas_;
};

// Each column as wide as its widest text.
std::vector<double> Composicao::largurasNaturais(const Tabela& t, const MedidasTabela& m) const
{
    const int colunas = int(t.colunas.size());
    std::vector<double> natural(colunas, 0);
    for (int c = 0; c < colunas; ++c) {
        natural[c] = largura(t.colunas[c].titulo, m.negrito);
        for (int l = 0; l < int(t.linhas.size()); ++l)
            natural[c] = std::max(natural[c], largura(t.linhas[l].value(c), m.fonteDa(t, l)));
        natural[c] += 2 * m.folga + pontos(1);  // a hair more, so that rounding never wraps a text that fits
    }
    return natural;
}

// The fixed columns take at most 45% of the width; their wrapping columns give way. Returns the
// width the fixed columns take.
double Composicao::cedemAsFixas(const Tabela& t, int fixas, const std::vector<double>& natural,
                                std::vector<double>& larguras) const
{
    const int colunas = int(t.colunas.size());
    double fixo = 0;
    for (int c = 0; c < fixas; ++c)
        fixo += larguras[c];
    const double limiteFixo = (fixas == colunas ? 1.0 : 0.45) * largura_;
    if (fixo <= limiteFixo)
        return fixo;
    // The wrapping columns share what the others leave: each narrow one keeps its width, the wide
    // ones split the rest evenly.
    std::vector<int> flexiveis;
    double rigido = 0;
    for (int c = 0; c < fixas; ++c) {
        if (t.colunas[c].quebra)
            flexiveis.push_back(c);
        else
            rigido += larguras[c];
    }
    std::sort(flexiveis.begin(), flexiveis.end(), [&](int a, int b) { return natural[a] < natural[b]; });
    double sobra = std::max(limiteFixo - rigido, pontos(40) * double(flexiveis.size()));
    for (int i = 0; i < int(flexiveis.size()); ++i) {
        const int c = flexiveis[i];
        larguras[c] = std::max(pontos(30), std::min(natural[c], sobra / double(flexiveis.size() - i)));
        sobra -= larguras[c];
    }
    fixo = 0;
    for (int c = 0; c < fixas; ++c)
        fixo += larguras[c];
    return fixo;
}

// The columns after the fixed ones in groups that fit beside them; at least one group, maybe empty.
std::vector<std::vector<int>> Composicao::gruposDeColunas(int fixas, double fixo, std::vector<double>& larguras) const
{
    std::vector<std::vector<int>> grupos;
    std::vector<int> grupo;
    double ocupado = fixo;
    for (int c = fixas; c < int(larguras.size()); ++c) {
        larguras[c] = std::min(larguras[c], std::max(pontos(30), largura_ - fixo));
        if (!grupo.empty() && ocupado + larguras[c] > largura_ + 0.01) {
            grupos.push_back(grupo);
            grupo.clear();
            ocupado = fixo;
        }
        grupo.push_back(c);
        ocupado += larguras[c];
    }
    if (!grupo.empty() || grupos.empty())
        grupos.push_back(grupo);
    return grupos;
}

double Composicao::alturaLinha(const Tabela& t, const MedidasTabela& m, const std::vector<int>& emUso,
                               const QStringList& celulas, const QFont& f, bool cabecalho) const
{
    double h = 0;
    for (int c : emUso)
        h = std::max(h,
                     alturaTexto(cabecalho ? t.colunas[c].titulo : celulas.value(c), f, m.larguras[c] - 2 * m.folga));
    return h + 2 * m.folga;
}

void Composicao::tituloTabela(const QString& texto, const MedidasTabela& m)
{
    const double h = alturaTexto(texto, m.fonteTitulo, largura_);
    this->texto(QRectF(0, y, largura_, h), texto, m.fonteTitulo);
    y += h + pontos(3);
}

void Composicao::cabecalhos(const Tabela& t, const MedidasTabela& m, const std::vector<int>& emUso, double altura)
{
    double x = 0;
    double total = 0;
    for (int c : emUso)
        total += m.larguras[c];
    preenche(QRectF(0, y, total, altura), QColor(225, 230, 238));
    for (int c : emUso) {
        texto(QRectF(x + m.folga, y + m.folga, m.larguras[c] - 2 * m.folga, altura - 2 * m.folga), t.colunas[c].titulo,
              m.negrito, t.colunas[c].alinhamento | Qt::AlignBottom);
        x += m.larguras[c];
    }
    y += altura;
}

// The table with the columns `emUso`; `seguinte` for every group after the first.
void Composicao::grupoDaTabela(const Tabela& t, const QString& continuacao, const MedidasTabela& m,
                               const std::vector<int>& emUso, bool seguinte)
{
    const double cabecalho = alturaLinha(t, m, emUso, {}, m.negrito, true);
    const QString continua = continuacao.arg(t.titulo);

    // The heading, the column headings and the first row stay together.
    const double primeira = t.linhas.empty() ? 0 : alturaLinha(t, m, emUso, t.linhas[0], m.fonteDa(t, 0), false);
    const double alturaTitulo = alturaTexto(t.titulo, m.fonteTitulo, largura_) + pontos(3);
    if (!noTopo())
        y += pontos(4);
    // The section's own heading stands over the first group; later groups and pages repeat the
    // table's heading, marked as continued.
    if (!cabe((seguinte ? alturaTitulo : 0) + cabecalho + primeira) && !noTopo())
        novaPagina();
    if (seguinte || noTopo())
        tituloTabela(continua, m);
    cabecalhos(t, m, emUso, cabecalho);

    for (int l = 0; l < int(t.linhas.size()); ++l) {
        const QFont& f = m.fonteDa(t, l);
        const double h = alturaLinha(t, m, emUso, t.linhas[l], f, false);
        if (!cabe(h)) {
            novaPagina();
            tituloTabela(continua, m);
            cabecalhos(t, m, emUso, cabecalho);
        }
        double x = 0;
        for (int c : emUso) {
            texto(QRectF(x + m.folga, y + m.folga, m.larguras[c] - 2 * m.folga, h - 2 * m.folga), t.linhas[l].value(c),
                  f, t.colunas[c].alinhamento | Qt::AlignTop);
            x += m.larguras[c];
        }
        linha(QPointF(0, y + h), QPointF(x, y + h), QColor(200, 200, 200), pontos(0.4));
        y += h;
    }
}

void Composicao::tabela(const Tabela& t, const QString& continuacao)
{
    MedidasTabela m{fonte(t.pontos), fonte(t.pontos, true), fonte(11, true), pontos(2.5), {}};
    const int colunas = int(t.colunas.size());
    const std::vector<double> natural = largurasNaturais(t, m);
    const int fixas = std::clamp(t.fixas, 0, colunas);
    m.larguras = natural;
    const double fixo = cedemAsFixas(t, fixas, natural, m.larguras);
    const std::vector<std::vector<int>> grupos = gruposDeColunas(fixas, fixo, m.larguras);
    for (int g = 0; g < int(grupos.size()); ++g) {
        std::vector<int> emUso;
        for (int c = 0; c < fixas; ++c)
            emUso.push_back(c);
        emUso.insert(emUso.end(), grupos[g].begin(), grupos[g].end());
        grupoDaTabela(t, continuacao, m, emUso, g > 0);
    }
}

QString nomeCriterio(const sensibilidade::Caso& caso, int k)
{
    return ranking::nomeCriterio(k + 1, caso.criterios.at(k).nome);
}

QString nomeAlternativa(const sensibilidade::Caso& caso, int a)
{
    if (a == sensibilidade::SemMelhor || a < 0 || a >= int(caso.alternativas.size()))
        return traduz(Nenhuma);
    return ranking::nomeAlternativa(a + 1, caso.alternativas.at(a));
}

// Page 1's head: the picture, the title, the case and its goal, the date and the best option.
void primeiraPagina(Composicao& c, const DadosRelatorioCompleto& d)
{
    const QRectF imagem(0, 0, c.twipsX(2300), c.twipsY(1000));
    c.passo([imagem](QPainter& p) { desenhaImagem1(p, imagem); });
    const QFont grande = fonte(18, true);
    const double xTitulo = imagem.right() + c.pontos(18);
    const double hTitulo = c.alturaTexto(traduz(Titulo), grande, c.largura() - xTitulo);
    c.texto(QRectF(xTitulo, imagem.center().y() - hTitulo / 2, c.largura() - xTitulo, hTitulo), traduz(Titulo), grande);
    c.y = imagem.bottom() + c.pontos(24);

    const QFont texto = fonte(12);
    const QFont negrito = fonte(12, true);
    // The case: its label, then its name in bold on the same line.
    const QString rotuloCaso = traduz(Caso);
    const double larguraRotulo = c.largura(rotuloCaso, negrito);
    const double hCaso = std::max(c.alturaTexto(rotuloCaso, negrito, c.largura()),
                                  c.alturaTexto(d.caso, negrito, c.largura() - larguraRotulo));
    c.texto(QRectF(0, c.y, larguraRotulo + 1, hCaso), rotuloCaso, negrito);
    if (!d.caso.isEmpty())
        c.texto(QRectF(larguraRotulo, c.y, c.largura() - larguraRotulo, hCaso), d.caso, negrito);
    c.y += hCaso + c.pontos(10);
    // The goal: its label, and the goal in bold under it, indented.
    c.paragrafo(traduz(Objetivo), texto, 0, c.pontos(2));
    if (!d.objetivo.isEmpty())
        c.paragrafo(d.objetivo, negrito, c.twipsX(800));
    c.y += c.pontos(8);
    c.paragrafo(traduz(Data).arg(d.data), texto);
    const QString melhor = d.ranking.melhor >= 0 ? d.ranking.barras[d.ranking.melhor].nome : traduz(Nenhuma);
    c.paragrafo(traduz(Melhor).arg(melhor), fonte(13, true));
}

void criterios(Composicao& c, const DadosRelatorioCompleto& d)
{
    Tabela t;
    t.titulo = traduz(SecaoCriterios);
    t.colunas = {{traduz(ColNumero), Qt::AlignRight},
                 {traduz(ColCriterio), Qt::AlignLeft, true},
                 {traduz(ColSinal), Qt::AlignLeft},
                 {traduz(ColPeso), Qt::AlignRight},
                 {traduz(ColParticipacao), Qt::AlignRight}};
    t.fixas = int(t.colunas.size());
    for (int k = 0; k < int(d.decisao.criterios.size()); ++k) {
        const auto& criterio = d.decisao.criterios[k];
        t.linhas.push_back({QString::number(k + 1), nomeCriterio(d.decisao, k),
                            traduz(sensibilidade::sinal(criterio.sinal) > 0 ? Beneficio : Custo),
                            common::formatFixed(criterio.peso, 2),
                            common::formatFixed(k < int(d.participacoes.size()) ? d.participacoes[k] : 0.0, 4)});
    }
    c.tabela(t, traduz(Continuacao));
    c.y += c.pontos(4);
    c.paragrafo(d.consistencia, fonte(10));
}

// A matrix with one row per `rotulos` entry and one column per criterion number.
void matriz(Composicao& c, const QString& titulo, const QString& sobre, const QString& primeiraColuna,
            const QStringList& rotulos, int colunas, const std::function<QString(int, int)>& celula)
{
    c.secao(titulo, c.pontos(60));
    c.paragrafo(sobre, fonte(9));
    Tabela t;
    t.titulo = titulo;
    t.pontos = 8;
    t.colunas.push_back({primeiraColuna, Qt::AlignLeft, true});
    for (int k = 0; k < colunas; ++k)
        t.colunas.push_back({QString::number(k + 1), Qt::AlignRight});
    for (int r = 0; r < int(rotulos.size()); ++r) {
        QStringList linha{rotulos[r]};
        for (int k = 0; k < colunas; ++k)
            linha << celula(r, k);
        t.linhas.push_back(linha);
    }
    c.tabela(t, traduz(Continuacao));
}

void classificacao(Composicao& c, const DadosRelatorioCompleto& d)
{
    const ranking::Ranking& r = d.ranking;
    Tabela t;
    t.titulo = traduz(SecaoClassificacao);
    t.colunas = {{traduz(ColPosicao), Qt::AlignRight},
                 {traduz(ColAlternativa), Qt::AlignLeft, true},
                 {traduz(ColResultado), Qt::AlignRight}};
    t.fixas = int(t.colunas.size());
    for (int i = 0; i < int(r.barras.size()); ++i) {
        t.linhas.push_back({QString::number(i + 1), r.barras[i].nome, common::formatFixed(r.barras[i].resultado, 4)});
        t.negrito.push_back(i == r.melhor);
    }
    c.tabela(t, traduz(Continuacao));

    // The chart across the width, whole on one page.
    const QFont f = fonte(8);
    const ranking::Textos textos = ranking::textos();
    const double largura = c.largura();
    double altura = ranking::alturaNecessaria(r, largura, f, c.device(), textos);
    c.y += c.pontos(10);
    if (!c.cabe(altura) && !c.noTopo())
        c.novaPagina();
    altura = std::min(altura, c.base() - c.y);
    const ranking::Geometria g = ranking::mede(r, QRectF(0, c.y, largura, altura), f, c.device(), textos);
    c.passo([r, g, f, textos](QPainter& p) { ranking::desenha(p, r, g, f, textos); });
    c.y += altura;
}

void sensibilidadeResumo(Composicao& c, const DadosRelatorioCompleto& d)
{
    const bool temMelhor = d.melhor != sensibilidade::SemMelhor;
    c.secao(traduz(SecaoSensibilidade), c.pontos(60));
    c.paragrafo(
        temMelhor ? traduz(SobreSensibilidade).arg(nomeAlternativa(d.decisao, d.melhor)) : traduz(SemMelhorOpcao),
        fonte(10));
    Tabela t;
    t.titulo = traduz(SecaoSensibilidade);
    t.colunas = {{traduz(ColCriterio), Qt::AlignLeft, true}, {traduz(ColPeso), Qt::AlignRight},
                 {traduz(ColMinimo), Qt::AlignRight},        {traduz(ColMaximo), Qt::AlignRight},
                 {traduz(ColAbaixo), Qt::AlignLeft, true},   {traduz(ColAcima), Qt::AlignLeft, true}};
    t.fixas = int(t.colunas.size());
    for (int k = 0; k < int(d.decisao.criterios.size()); ++k) {
        const QString nome = QStringLiteral("%1 %2").arg(k + 1).arg(nomeCriterio(d.decisao, k));
        const QString peso = common::formatFixed(d.decisao.criterios[k].peso, 2);
        if (!temMelhor || k >= int(d.faixas.size())) {
            t.linhas.push_back({nome, peso, Nada, Nada, Nada, Nada});
            continue;
        }
        const sensibilidade::Faixa& f = d.faixas[k];
        t.linhas.push_back({nome, peso, common::formatFixed(f.minimo, 2), common::formatFixed(f.maximo, 2),
                            f.abaixo ? nomeAlternativa(d.decisao, f.abaixo->melhor) : Nada,
                            f.acima ? nomeAlternativa(d.decisao, f.acima->melhor) : Nada});
    }
    c.tabela(t, traduz(Continuacao));
}

void compoe(Composicao& c, const DadosRelatorioCompleto& d)
{
    const auto& caso = d.decisao;
    const int n = int(caso.criterios.size());
    primeiraPagina(c, d);

    c.secao(traduz(SecaoCriterios), c.pontos(40));
    criterios(c, d);

    QStringList nomesCriterios;
    for (int k = 0; k < n; ++k)
        nomesCriterios << QStringLiteral("%1 %2").arg(k + 1).arg(nomeCriterio(caso, k));
    matriz(c, traduz(SecaoComparacao), traduz(SobreComparacao), traduz(ColCriterio), nomesCriterios, n,
           [&](int r, int k) {
               if (r == k)
                   return Nada;
               return d.comparacoes.value(r).value(k);
           });

    QStringList nomesAlternativas;
    for (int a = 0; a < int(caso.alternativas.size()); ++a)
        nomesAlternativas << QStringLiteral("%1 %2").arg(a + 1).arg(nomeAlternativa(caso, a));
    matriz(c, traduz(SecaoValores), traduz(SobreValores), traduz(ColAlternativa), nomesAlternativas, n,
           [&](int a, int k) {
               const auto& valores = caso.criterios[k].valores;
               return a < int(valores.size()) ? common::numberText(valores[a]) : QString();
           });

    c.secao(traduz(SecaoClassificacao), c.pontos(60));
    classificacao(c, d);

    sensibilidadeResumo(c, d);
}

// The comparisons as the comparison screen shows them: a positive number as its plain text, else
// an empty cell.
QList<QStringList> leComparacoes(common::Database& db, int n)
{
    QList<QStringList> matriz;
    common::Recordset rs = dados::abreTabela(db, QStringLiteral("Criterios"));
    for (int r = 0; r < n && !rs.eof(); ++r, rs.moveNext()) {
        QStringList linha;
        for (int c = 1; c <= n; ++c) {
            const auto valor = common::readNumber(common::defaultText(rs.value(numbered(QStringLiteral("N"), c))));
            linha << (valor && *valor > 0 ? common::numberText(*valor) : QString());
        }
        matriz << linha;
    }
    return matriz;
}

}  // namespace

QString tituloRelatorioCompleto()
{
    return traduz(Titulo);
}

QString linhaConsistencia(const QList<QStringList>& comparacoes, const QStringList& nomes)
{
    return textoConsistencia(analise::consistencia(comparacoes), nomes);
}

std::optional<DadosRelatorioCompleto> leDadosRelatorioCompleto(Programa& programa, const QString& caso,
                                                               const QString& objetivo)
{
    auto decisao = sensibilidade::leCaso(programa.db);
    if (!decisao)
        return std::nullopt;
    DadosRelatorioCompleto d;
    d.caso = caso;
    d.objetivo = objetivo;
    d.data = common::shortDateText(common::Clock::today());
    d.dataInicio = programa.dataInicio;
    d.decisao = std::move(*decisao);
    const int n = int(d.decisao.criterios.size());

    common::Recordset criterios = dados::abreTabela(programa.db, QStringLiteral("Criterios"));
    for (int k = 0; k < n && !criterios.eof(); ++k, criterios.moveNext())
        d.participacoes.push_back(criterios.value(QStringLiteral("Pesos")).toDouble());
    d.comparacoes = leComparacoes(programa.db, n);
    QStringList nomes;
    for (const auto& c : d.decisao.criterios)
        nomes << c.nome;
    d.consistencia = linhaConsistencia(d.comparacoes, nomes);
    d.ranking = ranking::leRanking(programa.db, std::max(1, n));

    const sensibilidade::Sensibilidade analise(d.decisao);
    d.faixas = analise.faixas();
    d.melhor = analise.atual().melhor;
    return d;
}

int imprimeRelatorioCompleto(QPagedPaintDevice& device, const DadosRelatorioCompleto& dados)
{
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    painter.setRenderHint(QPainter::TextAntialiasing);
    Composicao c(device);
    compoe(c, dados);

    const auto& paginas = c.paginas();
    const int total = int(paginas.size());
    const QFont f = fonte(8);
    const double alturaRodape = QFontMetricsF(f, &device).height();
    const QRectF rodape(0, device.height() - alturaRodape, device.width(), alturaRodape);
    const QString esquerda = traduz(Rodape);
    for (int i = 0; i < total; ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            return 0;
        }
        for (const auto& passo : paginas[i])
            passo(painter);
        painter.setPen(QPen(QColor(160, 160, 160), c.pontos(0.5)));
        painter.drawLine(QPointF(0, rodape.top() - c.pontos(3)), QPointF(rodape.right(), rodape.top() - c.pontos(3)));
        painter.setPen(Qt::black);
        painter.setFont(f);
        painter.drawText(rodape, Qt::AlignLeft | Qt::AlignVCenter, esquerda);
        painter.drawText(rodape, Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("%1 / %2").arg(i + 1).arg(total));
        painter.drawText(rodape, Qt::AlignRight | Qt::AlignVCenter, dados.data);
    }
    return painter.end() ? total : 0;
}

void imprimeCompleto(QWidget* parent, const QComboBox* combo, Programa& programa, const QString& caso,
                     const QString& objetivo)
{
    const auto dados = leDadosRelatorioCompleto(programa, caso, objetivo);
    if (!dados) {
        // The result computation's own message for a missing weight, as the results screen says it.
        common::Messages::exclamation(
            parent,
            //: Stays Portuguese in English.
            traduz(QT_TRANSLATE_NOOP("kivo::relatoriocompleto", "Peso Não encontrado!")),
            //: Stays Portuguese in English.
            traduz(QT_TRANSLATE_NOOP("kivo::relatoriocompleto", "Verifique os pesos dos critérios")));
        return;
    }
    Impressao impressao;
    impressao.titulo = traduz(Rodape);
    impressao.arquivo = arquivoProposto(common::Clock::today(), traduz(Arquivo));
    impressao.margens = QMarginsF(MargemPdf, MargemPdf, MargemPdf, MargemPdf);
    impressao.desenha = [&dados](QPagedPaintDevice& device) { return imprimeRelatorioCompleto(device, *dados) > 0; };
    imprimeDocumento(parent, combo, impressao);
}

}  // namespace kivo
