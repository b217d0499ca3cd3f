#include "kivo/results/graficoresultado.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace kivo {

GraficoResultado::GraficoResultado(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void GraficoResultado::mostra(ranking::Ranking ranking)
{
    ranking_ = std::move(ranking);
    textos_ = ranking::textos();
    realce_ = {-1, -1};
    update();
}

QSize GraficoResultado::sizeHint() const
{
    return {520, 640};
}

ranking::Geometria GraficoResultado::geometria() const
{
    return ranking::mede(ranking_, QRectF(rect()).adjusted(8, 4, -8, -6), font(), this, textos_);
}

QString GraficoResultado::dicaEm(const QPointF& ponto) const
{
    const auto [barra, segmento] = ranking::segmentoEm(geometria(), ponto);
    return ranking::dica(ranking_, barra, segmento, textos_);
}

void GraficoResultado::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (ranking_.vazio())
        return;
    const ranking::Geometria g = geometria();
    ranking::desenha(painter, ranking_, g, font(), textos_, realce_.first, realce_.second);
}

bool GraficoResultado::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* ajuda = static_cast<QHelpEvent*>(event);
        const ranking::Geometria g = geometria();
        const auto [barra, segmento] = ranking::segmentoEm(g, ajuda->pos());
        if (barra < 0) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(ajuda->globalPos(), ranking::dica(ranking_, barra, segmento, textos_), this,
                               g.partes[barra][segmento].toAlignedRect());
        }
        return true;
    }
    return QWidget::event(event);
}

// The chart drawn again in the new language; the tooltip shown goes, the next one is reworded.
void GraficoResultado::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        textos_ = ranking::textos();
        if (QToolTip::isVisible() && underMouse())
            QToolTip::hideText();
        update();
    }
    QWidget::changeEvent(event);
}

void GraficoResultado::mouseMoveEvent(QMouseEvent* event)
{
    const auto sob = ranking_.vazio() ? std::pair{-1, -1} : ranking::segmentoEm(geometria(), event->position());
    if (sob != realce_) {
        realce_ = sob;
        update();
    }
    QWidget::mouseMoveEvent(event);
}

void GraficoResultado::leaveEvent(QEvent* event)
{
    if (realce_.first >= 0) {
        realce_ = {-1, -1};
        update();
    }
    QWidget::leaveEvent(event);
}

}  // namespace kivo
