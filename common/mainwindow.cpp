#include "common/mainwindow.h"

#include <QApplication>
#include <QFont>
#include <QLinearGradient>
#include <QMainWindow>
#include <QPainter>
#include <QRectF>

namespace common {

void fillGradient(QPainter& painter, const QRectF& area, const Gradient& colours)
{
    QLinearGradient g(area.topLeft(), area.bottomLeft());
    g.setColorAt(0, colours.top);
    g.setColorAt(1, colours.bottom);
    painter.fillRect(area, g);
}

QPixmap drawPicture(const Picture& picture, qreal ratio)
{
    if (ratio <= 0)
        ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    // Drawn at the screen's own pixels, laid out in the window's coordinates.
    QPixmap pixmap((QSizeF(picture.size) * ratio).toSize());
    pixmap.setDevicePixelRatio(ratio);
    const QRect area(QPoint(0, 0), picture.size);
    QPainter p(&pixmap);
    fillGradient(p, QRectF(area), picture.colours);
    p.setPen(Qt::white);
    p.setFont(QFont(QStringLiteral("Arial"), picture.bigPoints, QFont::Bold));
    p.drawText(area.adjusted(0, 0, 0, -picture.bigLift), Qt::AlignCenter, picture.big);
    p.setFont(QFont(QStringLiteral("Arial"), picture.smallPoints));
    p.drawText(area.adjusted(0, 90, 0, 0), Qt::AlignCenter, picture.small);
    return pixmap;
}

void quitProgram(QMainWindow& window)
{
    window.close();
    QApplication::quit();
}

}  // namespace common
