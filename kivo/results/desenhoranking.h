#pragma once

// The ranking chart drawn: where its title, bars, axis and legend stand in an area, and the drawing
// itself, which needs a painter only, so the results screen and the complete report draw the same
// chart.

#include "kivo/results/ranking.h"

#include <QColor>
#include <QRectF>

#include <utility>
#include <vector>

class QFont;
class QPaintDevice;
class QPainter;

namespace kivo::ranking {

// Where everything stands when the chart fills `area`.
struct Geometria {
    QRectF area;        // the whole chart
    QRectF plotagem;    // the bars' area, the value axis under it
    double minimo = 0;  // the value at the left edge of plotagem
    double maximo = 0;  // at the right edge
    double passo = 0;   // between two marks of the axis
    int decimais = 0;   // of the marks' numbers
    double linha = 0;   // the text line height
    double larguraNomes = 0;
    std::vector<QRectF> linhas;               // per bar, its row (name, bar, result)
    std::vector<std::vector<QRectF>> partes;  // per bar, per segment; empty rectangle for a zero part
    std::vector<QRectF> legenda;              // per criterion, the legend's colour square
    std::vector<QRectF> textosLegenda;        // and its text
    QRectF areaLegenda;

    double x(double valor) const;
};

// The height the chart needs at width `largura` with text in `fonte` measured on `device`.
double alturaNecessaria(const Ranking& ranking, double largura, const QFont& fonte, const QPaintDevice* device,
                        const Textos& t);
// Lays the chart out in `area`; rectangles are aligned on the device's pixels (devicePixelRatio).
Geometria mede(const Ranking& ranking, const QRectF& area, const QFont& fonte, const QPaintDevice* device,
               const Textos& t);
// Draws the chart as measured. `realce`: a bar and segment drawn outlined (hovered), {-1, -1} none.
void desenha(QPainter& painter, const Ranking& ranking, const Geometria& g, const QFont& fonte, const Textos& t,
             int realceBarra = -1, int realceSegmento = -1);

// The segment under a point: {bar, segment}, {-1, -1} when none.
std::pair<int, int> segmentoEm(const Geometria& g, const QPointF& ponto);
// The colour of criterion k (0-based).
QColor cor(int criterio);

}  // namespace kivo::ranking
