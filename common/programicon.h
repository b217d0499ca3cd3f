#pragma once

// The programs' icons. Each is a few plain shapes on a 256-unit square, so that the scalable file
// of the desktop's icon theme, its pictures of every size and the windows' own icon all come from
// one drawing.

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <vector>

namespace common {

struct IconShape {
    enum Kind { Rect, Line };
    Kind kind = Rect;
    QRectF rect;  // Rect: the rectangle, corners rounded by `radius`
    qreal radius = 0;
    QPolygonF points;   // Line: the points joined, round ends
    QColor fill;        // Rect only; invalid: not filled
    QColor fillBottom;  // valid: the fill runs from `fill` at the top to this at the bottom
    QColor stroke;      // invalid: no outline
    qreal strokeWidth = 0;
};

using IconDrawing = std::vector<IconShape>;

// The drawing of "kivo" or "davo"; empty for any other name.
IconDrawing programIconDrawing(const QString& program);

// The drawing as a square picture of `size` pixels, transparent around it.
QImage renderIcon(const IconDrawing& drawing, int size);
// The drawing as an SVG document.
QByteArray iconSvg(const IconDrawing& drawing);
// The window icon: the drawing at the sizes desktops ask for.
QIcon programIcon(const QString& program);

}  // namespace common
