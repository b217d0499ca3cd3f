#include "davo/screens/graficoplano.h"

#include "davo/data/plano.h"
#include "davo/data/prazos.h"

#include "common/formats.h"

#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <cmath>

namespace davo {

namespace {

constexpr double HorasNaEscala = 8;     // the scale's top: the capacity and some room above it
constexpr double LarguraDaBarra = 0.7;  // of each day's slot

// The hatching of hours past a deadline, over `r`.
void hachuraAtraso(QPainter& painter, const QRectF& r, const QColor& cor)
{
    painter.save();
    painter.setClipRect(r);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(cor, 1.2));
    for (double x = r.left() - r.height(); x < r.right(); x += 5)
        painter.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()));
    painter.restore();
}

// The days under the bars of the plotting area `a`: each day's number, and the month under the
// first day and each first.
void pintaDias(QPainter& painter, const Plano* plano, const QRectF& a, const QFontMetrics& fm)
{
    if (!plano || !plano->inicio.isValid())
        return;
    const double vaga = a.width() / GraficoPlano::Dias;
    for (int d = 0; d < GraficoPlano::Dias; ++d) {
        const QDate dia = plano->inicio.addDays(d);
        const QRectF celula(a.left() + d * vaga, a.bottom() + 4, vaga, fm.height());
        painter.drawText(celula, Qt::AlignCenter, common::dateText(dia).left(2));
        if (d == 0 || dia.day() == 1)
            painter.drawText(QRectF(celula.left(), celula.bottom(), 6 * vaga, fm.height()),
                             Qt::AlignLeft | Qt::AlignVCenter, common::dateText(dia).mid(3));
    }
}

}  // namespace

GraficoPlano::GraficoPlano(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("graPlano"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void GraficoPlano::setPlano(const Plano* plano)
{
    plano_ = plano;
    update();
}

QSize GraficoPlano::sizeHint() const
{
    return {860, 340};
}

QSize GraficoPlano::minimumSizeHint() const
{
    return {560, 240};
}

QRectF GraficoPlano::area() const
{
    const QFontMetrics fm(font());
    const double esquerda = fm.horizontalAdvance(QStringLiteral("00 h")) + 12;
    const double acima = fm.height() + 10;       // the legend
    const double abaixo = 2 * fm.height() + 10;  // day numbers, and the month under the first of each
    return QRectF(esquerda, acima, std::max(1.0, width() - esquerda - 12), std::max(1.0, height() - acima - abaixo));
}

double GraficoPlano::yDe(double horas) const
{
    const QRectF a = area();
    return a.bottom() - horas / HorasNaEscala * a.height();
}

double GraficoPlano::alturaCapacidade() const
{
    return yDe(HorasPorDia);
}

QColor GraficoPlano::cor(int atividade)
{
    // Neighbours in the plan far apart on the colour wheel, none too dark or too pale.
    const double matiz = std::fmod(0.08 + atividade * 0.618033988749895, 1.0);
    return QColor::fromHsvF(float(matiz), atividade % 2 ? 0.45f : 0.6f, atividade % 3 == 2 ? 0.78f : 0.92f);
}

std::vector<GraficoPlano::Barra> GraficoPlano::barras() const
{
    std::vector<Barra> out;
    if (!plano_)
        return out;
    const QRectF a = area();
    const double vaga = a.width() / Dias;
    const double largura = vaga * LarguraDaBarra;
    for (int d = 0; d < Dias; ++d) {
        const double x = a.left() + d * vaga + (vaga - largura) / 2;
        double base = 0;
        for (const Parcela& p : plano_->doDia(d)) {
            const double y0 = yDe(base);
            const double y1 = yDe(base + p.horas);
            out.push_back({d, p.atividade, p.horas, p.atrasadas, QRectF(x, y1, largura, y0 - y1)});
            base += p.horas;
        }
    }
    return out;
}

void GraficoPlano::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const QRectF a = area();
    const QFontMetrics fm(font());
    const QColor texto = palette().color(QPalette::Text);
    const QColor atraso(176, 0, 0);

    // The scale: a faint line every two hours.
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int h = 0; h <= int(HorasNaEscala); h += 2) {
        const double y = yDe(h);
        painter.setPen(QPen(h == 0 ? texto : palette().color(QPalette::Mid), 0));
        painter.drawLine(QPointF(a.left(), y), QPointF(a.right(), y));
        painter.setPen(texto);
        painter.drawText(QRectF(0, y - fm.height() / 2.0, a.left() - 6, fm.height()), Qt::AlignRight | Qt::AlignVCenter,
                         tr("%1 h").arg(h));
    }

    pintaDias(painter, plano_, a, fm);

    // The bars, each activity in its colour; the hours past its deadline are the top of its share,
    // hatched.
    for (const Barra& b : barras()) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillRect(b.retangulo, cor(b.atividade));
        if (b.atrasadas > 0) {
            const double alto = b.retangulo.height() * b.atrasadas / b.horas;
            hachuraAtraso(painter, QRectF(b.retangulo.left(), b.retangulo.top(), b.retangulo.width(), alto), atraso);
        }
        painter.setPen(QPen(palette().color(QPalette::Base), 0));
        painter.drawLine(b.retangulo.topLeft(), b.retangulo.topRight());  // parts of a bar kept apart
    }

    // The capacity line, over the bars.
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double yCapacidade = alturaCapacidade();
    painter.setPen(QPen(QColor(0, 0, 0), 1.5, Qt::DashLine));
    painter.drawLine(QPointF(a.left(), yCapacidade), QPointF(a.right(), yCapacidade));

    // The legend over the chart.
    const QString capacidade = tr("Capacidade: %1 horas por dia").arg(common::numberText(HorasPorDia));
    const QString hachura = tr("Horas depois da Data Final");
    double x = a.left();
    const double meio = (a.top() - 4) / 2;
    painter.drawLine(QPointF(x, meio), QPointF(x + 24, meio));
    x += 30;
    painter.setPen(texto);
    painter.drawText(QPointF(x, meio + fm.ascent() / 2.0 - 1), capacidade);
    x += fm.horizontalAdvance(capacidade) + 24;
    const QRectF amostra(x, meio - fm.ascent() / 2.0, 18, fm.ascent());
    painter.fillRect(amostra, palette().color(QPalette::Mid));
    hachuraAtraso(painter, amostra, atraso);
    painter.setPen(texto);
    painter.drawText(QPointF(amostra.right() + 6, meio + fm.ascent() / 2.0 - 1), hachura);
}

bool GraficoPlano::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip || !plano_)
        return QWidget::event(event);
    // Pointing at a bar names its activity and its hours that day.
    const auto* ajuda = static_cast<QHelpEvent*>(event);
    for (const Barra& b : barras()) {
        if (!b.retangulo.contains(ajuda->pos()))
            continue;
        const AtividadePlano& a = plano_->atividades[size_t(b.atividade)];
        QString texto =
            tr("«%1»\n%2: %3 h").arg(a.atividade, common::dateText(plano_->inicio.addDays(b.dia)), textoHoras(b.horas));
        if (b.atrasadas > 0)
            texto += tr(", %1 h depois da Data Final (%2)").arg(textoHoras(b.atrasadas), common::dateText(a.dataFinal));
        QToolTip::showText(ajuda->globalPos(), texto, this);
        return true;
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}

}  // namespace davo
