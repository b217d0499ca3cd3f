#include "common/programicon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

namespace common {

namespace {

constexpr qreal Canvas = 256;

IconShape rect(QRectF r, qreal radius, QColor fill, QColor fillBottom = {})
{
    IconShape s;
    s.kind = IconShape::Rect;
    s.rect = r;
    s.radius = radius;
    s.fill = fill;
    s.fillBottom = fillBottom;
    return s;
}

IconShape outline(QRectF r, qreal radius, QColor stroke, qreal width)
{
    IconShape s;
    s.kind = IconShape::Rect;
    s.rect = r;
    s.radius = radius;
    s.stroke = stroke;
    s.strokeWidth = width;
    return s;
}

IconShape line(QPolygonF points, QColor stroke, qreal width)
{
    IconShape s;
    s.kind = IconShape::Line;
    s.points = std::move(points);
    s.stroke = stroke;
    s.strokeWidth = width;
    return s;
}

const QRectF Tile(16, 16, 224, 224);
constexpr qreal TileRadius = 44;

// kivo: the blue of its main window's picture, and the ranking of the alternatives as three bars,
// the best one in gold.
IconDrawing kivoDrawing()
{
    const QColor white(Qt::white);
    return {
        rect(Tile, TileRadius, QColor(16, 42, 96), QColor(96, 152, 216)),
        rect(QRectF(52, 132, 40, 68), 6, white),
        rect(QRectF(108, 96, 40, 104), 6, white),
        rect(QRectF(164, 56, 40, 144), 6, QColor(248, 196, 56)),
        rect(QRectF(40, 204, 176, 12), 6, white),
    };
}

// davo: the green of its main window's picture, and a list of activities by priority, the first
// one ticked off in the orange of its second picture.
IconDrawing davoDrawing()
{
    const QColor white(Qt::white);
    const QColor orange(232, 136, 48);
    IconDrawing d{rect(Tile, TileRadius, QColor(0, 64, 48), QColor(64, 168, 120))};
    const qreal widths[] = {112, 88, 64};
    for (int row = 0; row < 3; ++row) {
        const qreal top = 60 + row * 52;
        d.push_back(outline(QRectF(52, top, 36, 36), 6, white, 8));
        d.push_back(rect(QRectF(104, top + 8, widths[row], 20), 10, white));
    }
    d.push_back(line(QPolygonF{{58, 74}, {70, 88}, {96, 52}}, orange, 12));
    return d;
}

QString number(qreal v)
{
    return QString::number(v, 'g', 6);
}

QString colour(const QColor& c)
{
    return c.name(QColor::HexRgb);
}

}  // namespace

IconDrawing programIconDrawing(const QString& program)
{
    if (program == QLatin1String("kivo"))
        return kivoDrawing();
    if (program == QLatin1String("davo"))
        return davoDrawing();
    return {};
}

QImage renderIcon(const IconDrawing& drawing, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / Canvas, size / Canvas);
    for (const IconShape& s : drawing) {
        if (s.stroke.isValid())
            p.setPen(QPen(s.stroke, s.strokeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        else
            p.setPen(Qt::NoPen);
        if (s.kind == IconShape::Line) {
            p.setBrush(Qt::NoBrush);
            p.drawPolyline(s.points);
            continue;
        }
        if (s.fill.isValid() && s.fillBottom.isValid()) {
            QLinearGradient g(0, s.rect.top(), 0, s.rect.bottom());
            g.setColorAt(0, s.fill);
            g.setColorAt(1, s.fillBottom);
            p.setBrush(g);
        } else if (s.fill.isValid()) {
            p.setBrush(s.fill);
        } else {
            p.setBrush(Qt::NoBrush);
        }
        p.drawRoundedRect(s.rect, s.radius, s.radius);
    }
    return image;
}

QByteArray iconSvg(const IconDrawing& drawing)
{
    QString defs;
    QString body;
    int gradients = 0;
    for (const IconShape& s : drawing) {
        QString stroke;
        if (s.stroke.isValid())
            stroke =
                QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\" stroke-linecap=\"round\" stroke-linejoin=\"round\"")
                    .arg(colour(s.stroke), number(s.strokeWidth));
        if (s.kind == IconShape::Line) {
            QStringList points;
            for (const QPointF& pt : s.points)
                points << number(pt.x()) + QLatin1Char(',') + number(pt.y());
            body += QStringLiteral("  <polyline points=\"%1\" fill=\"none\"%2/>\n")
                        .arg(points.join(QLatin1Char(' ')), stroke);
            continue;
        }
        QString fill = QStringLiteral("none");
        if (s.fill.isValid() && s.fillBottom.isValid()) {
            const QString id = QStringLiteral("fill%1").arg(++gradients);
            defs += QStringLiteral(
                        "    <linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"%2\" x2=\"0\" "
                        "y2=\"%3\">\n"
                        "      <stop offset=\"0\" stop-color=\"%4\"/>\n"
                        "      <stop offset=\"1\" stop-color=\"%5\"/>\n"
                        "    </linearGradient>\n")
                        .arg(id, number(s.rect.top()), number(s.rect.bottom()), colour(s.fill), colour(s.fillBottom));
            fill = QStringLiteral("url(#%1)").arg(id);
        } else if (s.fill.isValid()) {
            fill = colour(s.fill);
        }
        body += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" fill=\"%6\"%7/>\n")
                    .arg(number(s.rect.x()), number(s.rect.y()), number(s.rect.width()), number(s.rect.height()),
                         number(s.radius), fill, stroke);
    }
    QString svg = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n");
    if (!defs.isEmpty())
        svg += QStringLiteral("  <defs>\n") + defs + QStringLiteral("  </defs>\n");
    svg += body + QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

QIcon programIcon(const QString& program)
{
    const IconDrawing drawing = programIconDrawing(program);
    QIcon icon;
    if (drawing.empty())
        return icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(renderIcon(drawing, size)));
    return icon;
}

}  // namespace common
