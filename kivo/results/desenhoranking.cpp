#include "kivo/results/desenhoranking.h"

#include "common/formats.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace kivo::ranking {

namespace {

// Fifteen fills told apart on screen and on paper.
const QColor Cores[15] = {
    QColor(31, 119, 180), QColor(255, 127, 14),  QColor(44, 160, 44),   QColor(214, 39, 40),  QColor(148, 103, 189),
    QColor(140, 86, 75),  QColor(227, 119, 194), QColor(127, 127, 127), QColor(188, 189, 34), QColor(23, 190, 207),
    QColor(57, 59, 121),  QColor(230, 85, 13),   QColor(49, 163, 84),   QColor(132, 60, 57),  QColor(82, 84, 163),
};
const QColor CorMelhor(255, 243, 196);  // the best option's row
const QColor CorGrade(222, 222, 222);

// Lines of text by their height in rows of the chart.
constexpr double LinhaTitulo = 1.6;
constexpr double LinhaRotulos = 1.3;  // "custos" / "benefícios" over the bars
constexpr double LinhaEixo = 1.5;     // the marks' numbers under the bars
constexpr double LinhaLegenda = 1.3;
constexpr double LinhaBarraMaxima = 2.4;
constexpr double LinhaBarraPapel = 1.9;
constexpr int DecimaisResultado = 4;

// A step of 1, 2 or 5 times a power of ten giving about `marcas` marks over `amplitude`.
double passoRedondo(double amplitude, int marcas)
{
    const double bruto = amplitude / std::max(1, marcas);
    const double potencia = std::pow(10.0, std::floor(std::log10(bruto)));
    for (double fator : {1.0, 2.0, 5.0})
        if (bruto <= fator * potencia * (1 + 1e-9))
            return fator * potencia;
    return 10 * potencia;
}

QString textoLegenda(const Criterio& c)
{
    return QStringLiteral("%1 %2 (%3)").arg(c.numero).arg(c.nome, c.custo ? QStringLiteral("-") : QStringLiteral("+"));
}

// The legend in columns, read downwards: as many columns as the widest entry lets fit.
struct Colunas {
    int colunas = 1;
    int linhas = 0;
    double largura = 0;  // of one column
};

Colunas colunasLegenda(const Ranking& r, double largura, const QFontMetricsF& fm)
{
    Colunas c;
    const double linha = fm.height();
    double maior = 0;
    for (const Criterio& k : r.criterios)
        maior = std::max(maior, fm.horizontalAdvance(textoLegenda(k)));
    // A name too long for a third of the width is shortened there; the others set the columns.
    c.largura = std::min(std::max(largura / 3, linha * 8), maior + linha * 2.0);
    c.largura = std::min(largura, c.largura);
    c.colunas = std::max(1, int(largura / std::max(1.0, c.largura)));
    c.colunas = std::min<int>(c.colunas, std::max<int>(1, int(r.criterios.size())));
    c.linhas = (int(r.criterios.size()) + c.colunas - 1) / c.colunas;
    c.largura = largura / c.colunas;
    return c;
}

QPainterPath estrela(const QPointF& centro, double raio)
{
    QPainterPath p;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? raio : raio * 0.45;
        const double angulo = -M_PI / 2 + i * M_PI / 5;
        const QPointF ponto(centro.x() + r * std::cos(angulo), centro.y() + r * std::sin(angulo));
        if (i == 0)
            p.moveTo(ponto);
        else
            p.lineTo(ponto);
    }
    p.closeSubpath();
    return p;
}

}  // namespace

QColor cor(int criterio)
{
    return Cores[((criterio % 15) + 15) % 15];
}

double Geometria::x(double valor) const
{
    if (maximo - minimo <= 0)
        return plotagem.left();
    return plotagem.left() + (valor - minimo) / (maximo - minimo) * plotagem.width();
}

double alturaNecessaria(const Ranking& ranking, double largura, const QFont& fonte, const QPaintDevice* device,
                        const Textos&)
{
    const QFontMetricsF fm(fonte, device);
    const double linha = fm.height();
    const Colunas legenda = colunasLegenda(ranking, largura, fm);
    return linha * (LinhaTitulo + LinhaRotulos + LinhaEixo + 0.6 + legenda.linhas * LinhaLegenda +
                    std::max<size_t>(ranking.barras.size(), 1) * LinhaBarraPapel) +
           linha * 0.4;
}

namespace {

// Rounds a coordinate to the device's pixels.
struct Encaixe {
    double dpr = 1;
    double operator()(double v) const { return std::round(v * dpr) / dpr; }
};

// The legend at the foot: each criterion's colour square and its text, in columns read downwards.
void medeLegenda(Geometria& g, const Ranking& ranking, const QFontMetricsF& fm, const Encaixe& encaixa)
{
    const QRectF& area = g.area;
    const double linha = g.linha;
    const Colunas legenda = colunasLegenda(ranking, area.width(), fm);
    const double alturaLegenda = legenda.linhas * linha * LinhaLegenda;
    g.areaLegenda = QRectF(area.left(), area.bottom() - alturaLegenda, area.width(), alturaLegenda);
    const double quadrado = linha * 0.75;
    for (int k = 0; k < int(ranking.criterios.size()); ++k) {
        const int coluna = k / std::max(1, legenda.linhas);
        const int fila = k % std::max(1, legenda.linhas);
        const double x = area.left() + coluna * legenda.largura;
        const double y = g.areaLegenda.top() + fila * linha * LinhaLegenda + (linha * LinhaLegenda - quadrado) / 2;
        g.legenda.push_back(QRectF(encaixa(x), encaixa(y), encaixa(quadrado), encaixa(quadrado)));
        const double texto = x + quadrado + linha * 0.4;
        g.textosLegenda.push_back(
            QRectF(texto, y + quadrado / 2 - linha, x + legenda.largura - linha * 0.3 - texto, linha * 2));
    }
}

// The bars' area between the names on the left and the results on the right, over the marks'
// numbers and the legend. Returns the height of one bar's row.
double medePlotagem(Geometria& g, const Ranking& ranking, const QFont& fonte, const QPaintDevice* device,
                    const Encaixe& encaixa)
{
    const QRectF& area = g.area;
    const double linha = g.linha;
    const double espacoEstrela = linha * 1.1;
    double nomes = 0;
    QFont negrito = fonte;
    negrito.setBold(true);
    const QFontMetricsF fmNegrito(negrito, device);
    double valores = 0;
    for (const Barra& b : ranking.barras) {
        nomes = std::max(nomes, fmNegrito.horizontalAdvance(b.nome));
        valores = std::max(valores, fmNegrito.horizontalAdvance(common::formatFixed(b.resultado, DecimaisResultado)));
    }
    g.larguraNomes = std::min(nomes + espacoEstrela, area.width() * 0.3);
    valores += linha * 0.6;

    const double topo = area.top() + linha * (LinhaTitulo + LinhaRotulos);
    const double base = g.areaLegenda.top() - linha * (LinhaEixo + 0.6);
    const int m = std::max<int>(1, int(ranking.barras.size()));
    const double altura = std::min((base - topo) / m, linha * LinhaBarraMaxima);
    const double esquerda = area.left() + g.larguraNomes + linha * 0.6;
    g.plotagem = QRectF(QPointF(encaixa(esquerda), encaixa(topo)),
                        QPointF(encaixa(area.right() - valores), encaixa(topo + altura * m)));
    return altura;
}

// The value axis: every bar's both ends and 0, in round marks.
void medeEixo(Geometria& g, const Ranking& ranking)
{
    double baixo = 0;
    double alto = 0;
    for (const Barra& b : ranking.barras)
        for (const Segmento& s : b.segmentos) {
            baixo = std::min({baixo, s.inicio, s.fim});
            alto = std::max({alto, s.inicio, s.fim});
        }
    if (alto - baixo < 1e-12)
        alto = baixo + 1;
    const int marcas = std::clamp(int(g.plotagem.width() / (g.linha * 4.5)), 2, 8);
    g.passo = passoRedondo(alto - baixo, marcas);
    g.minimo = std::floor(baixo / g.passo - 1e-9) * g.passo;
    g.maximo = std::ceil(alto / g.passo + 1e-9) * g.passo;
    if (baixo >= 0)
        g.minimo = 0;
    if (alto <= 0)
        g.maximo = 0;
    g.decimais = std::clamp(int(std::ceil(-std::log10(g.passo) - 1e-9)), 0, 6);
}

// Every bar's row, `altura` high, and the rectangles of its parts on the axis.
void medeBarras(Geometria& g, const Ranking& ranking, double altura, const Encaixe& encaixa)
{
    const QRectF& area = g.area;
    for (int i = 0; i < int(ranking.barras.size()); ++i) {
        const QRectF fila(area.left(), g.plotagem.top() + i * altura, area.width(), altura);
        g.linhas.push_back(
            QRectF(QPointF(fila.left(), encaixa(fila.top())), QPointF(fila.right(), encaixa(fila.bottom()))));
        const double espessura = std::min(altura * 0.64, g.linha * 1.5);
        const double y0 = encaixa(fila.center().y() - espessura / 2);
        const double y1 = encaixa(fila.center().y() + espessura / 2);
        std::vector<QRectF> partes;
        for (const Segmento& s : ranking.barras[i].segmentos) {
            if (s.contribuicao == 0) {
                partes.push_back(QRectF());
                continue;
            }
            const double x0 = encaixa(g.x(std::min(s.inicio, s.fim)));
            const double x1 = encaixa(g.x(std::max(s.inicio, s.fim)));
            partes.push_back(QRectF(QPointF(x0, y0), QPointF(x1, y1)));
        }
        g.partes.push_back(std::move(partes));
    }
}

// What every part of the drawing uses: the painter, the layout, the fonts and the line widths.
struct Pintura {
    QPainter& p;
    const Geometria& g;
    const QFont& fonte;
    QFont negrito;
    double linha = 0;
    double fina = 0;  // the thinnest line the device shows
};

// The best option's star.
void desenhaEstrela(Pintura& d, const QPointF& centro)
{
    d.p.setRenderHint(QPainter::Antialiasing, true);
    d.p.setPen(QPen(QColor(150, 110, 0), d.fina));
    d.p.setBrush(QColor(240, 185, 20));
    d.p.drawPath(estrela(centro, d.linha * 0.42));
    d.p.setRenderHint(QPainter::Antialiasing, false);
    d.p.setBrush(Qt::NoBrush);
}

// The title, and the key of the best option's star.
void desenhaTitulo(Pintura& d, const Ranking& ranking, const Textos& t)
{
    QPainter& p = d.p;
    const QRectF& area = d.g.area;
    p.setPen(Qt::black);
    p.setFont(d.negrito);
    const QRectF titulo(area.left(), area.top(), area.width(), d.linha * LinhaTitulo);
    p.drawText(titulo, Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetricsF(d.negrito, p.device()).elidedText(t.titulo, Qt::ElideRight, area.width() * 0.7));
    p.setFont(d.fonte);
    if (ranking.melhor >= 0) {
        const double largura = QFontMetricsF(d.fonte, p.device()).horizontalAdvance(t.melhor);
        const QRectF chave(area.right() - largura, titulo.top(), largura, titulo.height());
        p.drawText(chave, Qt::AlignRight | Qt::AlignVCenter, t.melhor);
        desenhaEstrela(d, QPointF(chave.left() - d.linha * 0.6, chave.center().y()));
    }
}

// The marks with their numbers and the grid, and which side of zero is which.
void desenhaEixo(Pintura& d, const Textos& t)
{
    QPainter& p = d.p;
    const Geometria& g = d.g;
    const QRectF& area = g.plotagem;
    const double linha = d.linha;
    for (double v = g.minimo; v <= g.maximo + g.passo / 2; v += g.passo) {
        const double x = std::round(g.x(v) * 2) / 2;
        const bool zero = std::abs(v) < g.passo / 1000;
        p.setPen(QPen(zero ? QColor(60, 60, 60) : CorGrade, zero ? d.fina * 2 : d.fina));
        p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom() + linha * 0.25));
        p.setPen(Qt::black);
        p.drawText(QRectF(x - linha * 3, area.bottom() + linha * 0.25, linha * 6, linha * 1.2),
                   Qt::AlignHCenter | Qt::AlignTop, common::formatFixed(zero ? 0.0 : v, g.decimais));
    }

    const double zero = g.x(0);
    p.setPen(QColor(90, 90, 90));
    const QRectF rotulos(area.left(), area.top() - linha * LinhaRotulos, area.width(), linha * LinhaRotulos);
    if (g.minimo < 0)
        p.drawText(QRectF(rotulos.left(), rotulos.top(), zero - rotulos.left() - linha * 0.3, rotulos.height()),
                   Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("\u2190 ") + t.custos);
    if (g.maximo > 0)
        p.drawText(QRectF(zero + linha * 0.3, rotulos.top(), rotulos.right() - zero - linha * 0.3, rotulos.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, t.beneficios + QStringLiteral(" \u2192"));
}

// A bar's parts in their criteria's colours, a thin white line between neighbours, and the part
// `realce` outlined (-1 for none).
void desenhaPartes(Pintura& d, const Barra& b, const std::vector<QRectF>& partes, int realce)
{
    QPainter& p = d.p;
    const double zero = d.g.x(0);
    for (int s = 0; s < int(partes.size()); ++s) {
        if (partes[s].isEmpty())
            continue;
        p.fillRect(partes[s], cor(b.segmentos[s].criterio));
    }
    p.setPen(QPen(Qt::white, d.fina));
    for (int s = 0; s < int(partes.size()); ++s)
        if (!partes[s].isEmpty() && partes[s].width() > d.fina * 3) {
            const double borda = b.segmentos[s].contribuicao < 0 ? partes[s].left() : partes[s].right();
            if (std::abs(borda - zero) > d.fina)
                p.drawLine(QPointF(borda, partes[s].top()), QPointF(borda, partes[s].bottom()));
        }
    if (realce >= 0 && realce < int(partes.size()) && !partes[realce].isEmpty()) {
        p.setPen(QPen(Qt::black, d.fina * 2));
        p.drawRect(partes[realce]);
    }
}

// Bar i: the alternative's name (with the star for the best option), its parts, the net result as
// a mark across the bar and as a figure at the right.
void desenhaBarra(Pintura& d, const Ranking& ranking, int i, int realce)
{
    QPainter& p = d.p;
    const Geometria& g = d.g;
    const double linha = d.linha;
    const Barra& b = ranking.barras[i];
    const QRectF& fila = g.linhas[i];
    const bool melhor = i == ranking.melhor;
    p.setFont(melhor ? d.negrito : d.fonte);
    const QFontMetricsF medida(melhor ? d.negrito : d.fonte, p.device());
    const double espacoEstrela = linha * 1.1;
    const QRectF nome(fila.left() + espacoEstrela, fila.top(), g.larguraNomes - espacoEstrela, fila.height());
    p.setPen(Qt::black);
    p.drawText(nome, Qt::AlignRight | Qt::AlignVCenter, medida.elidedText(b.nome, Qt::ElideRight, nome.width()));
    if (melhor)
        desenhaEstrela(d, QPointF(fila.left() + espacoEstrela / 2, fila.center().y()));

    const auto& partes = g.partes[i];
    desenhaPartes(d, b, partes, realce);
    if (!partes.empty()) {
        QRectF barra;
        for (const QRectF& r : partes)
            if (!r.isEmpty())
                barra = barra.isNull() ? r : barra.united(r);
        const double x = std::round(g.x(b.resultado) * 2) / 2;
        const double meio = fila.center().y();
        const double meiaAltura = barra.isNull() ? linha * 0.5 : barra.height() * 0.5 + linha * 0.2;
        p.setPen(QPen(Qt::black, d.fina * 2.5));
        p.drawLine(QPointF(x, meio - meiaAltura), QPointF(x, meio + meiaAltura));
    }
    const QRectF& area = g.plotagem;
    p.setPen(Qt::black);
    p.drawText(
        QRectF(area.right() + linha * 0.4, fila.top(), g.area.right() - area.right() - linha * 0.4, fila.height()),
        Qt::AlignLeft | Qt::AlignVCenter, common::formatFixed(b.resultado, DecimaisResultado));
}

void desenhaLegenda(Pintura& d, const Ranking& ranking)
{
    QPainter& p = d.p;
    p.setFont(d.fonte);
    const QFontMetricsF fm(d.fonte, p.device());
    for (int k = 0; k < int(ranking.criterios.size()) && k < int(d.g.legenda.size()); ++k) {
        const QRectF& q = d.g.legenda[k];
        p.fillRect(q, cor(k));
        p.setPen(Qt::black);
        const QRectF& texto = d.g.textosLegenda[k];
        p.drawText(texto, Qt::AlignLeft | Qt::AlignVCenter,
                   fm.elidedText(textoLegenda(ranking.criterios[k]), Qt::ElideRight, texto.width()));
    }
}

}  // namespace

Geometria mede(const Ranking& ranking, const QRectF& area, const QFont& fonte, const QPaintDevice* device,
               const Textos&)
{
    Geometria g;
    g.area = area;
    const QFontMetricsF fm(fonte, device);
    g.linha = fm.height();
    const Encaixe encaixa{std::max(1.0, device->devicePixelRatioF())};
    // The legend at the foot, the marks' numbers over it, the bars above.
    medeLegenda(g, ranking, fm, encaixa);
    const double altura = medePlotagem(g, ranking, fonte, device, encaixa);
    medeEixo(g, ranking);
    medeBarras(g, ranking, altura, encaixa);
    return g;
}

void desenha(QPainter& p, const Ranking& ranking, const Geometria& g, const QFont& fonte, const Textos& t,
             int realceBarra, int realceSegmento)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(fonte);
    Pintura d{p,     g,       fonte,
              fonte, g.linha, std::max(1.0 / std::max(1.0, p.device()->devicePixelRatioF()), g.linha * 0.05)};
    d.negrito.setBold(true);

    desenhaTitulo(d, ranking, t);
    // The best option's row under everything.
    if (ranking.melhor >= 0 && ranking.melhor < int(g.linhas.size()))
        p.fillRect(g.linhas[ranking.melhor], CorMelhor);
    desenhaEixo(d, t);
    for (int i = 0; i < int(ranking.barras.size()) && i < int(g.linhas.size()); ++i)
        desenhaBarra(d, ranking, i, i == realceBarra ? realceSegmento : -1);
    desenhaLegenda(d, ranking);
    p.restore();
}

std::pair<int, int> segmentoEm(const Geometria& g, const QPointF& ponto)
{
    for (int b = 0; b < int(g.partes.size()); ++b)
        for (int s = 0; s < int(g.partes[b].size()); ++s) {
            const QRectF& r = g.partes[b][s];
            if (!r.isEmpty() && r.contains(ponto))
                return {b, s};
        }
    return {-1, -1};
}

}  // namespace kivo::ranking
