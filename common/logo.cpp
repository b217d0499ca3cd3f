#include "common/logo.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include <cmath>
#include <limits>
#include <optional>

namespace common {

namespace {

constexpr quint32 SystemColourBit = 0x80000000u;

// The Windows system colour indexes and the palette colours that play their part here.
struct SystemColour {
    int index;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

constexpr SystemColour SystemColours[] = {
    {0, QPalette::Active, QPalette::Midlight},          // scroll bar
    {1, QPalette::Active, QPalette::Dark},              // desktop
    {2, QPalette::Active, QPalette::Highlight},         // active caption
    {3, QPalette::Active, QPalette::Mid},               // inactive caption
    {4, QPalette::Active, QPalette::Window},            // menu
    {5, QPalette::Active, QPalette::Base},              // window
    {6, QPalette::Active, QPalette::Shadow},            // window frame
    {7, QPalette::Active, QPalette::WindowText},        // menu text
    {8, QPalette::Active, QPalette::Text},              // window text
    {9, QPalette::Active, QPalette::HighlightedText},   // caption text
    {10, QPalette::Active, QPalette::Button},           // active border
    {11, QPalette::Active, QPalette::Button},           // inactive border
    {12, QPalette::Active, QPalette::Dark},             // application workspace
    {13, QPalette::Active, QPalette::Highlight},        // highlight
    {14, QPalette::Active, QPalette::HighlightedText},  // highlighted text
    {15, QPalette::Active, QPalette::Button},           // button face
    {16, QPalette::Active, QPalette::Dark},             // button shadow
    {17, QPalette::Disabled, QPalette::Text},           // grey text
    {18, QPalette::Active, QPalette::ButtonText},       // button text
    {19, QPalette::Active, QPalette::WindowText},       // inactive caption text
    {20, QPalette::Active, QPalette::Light},            // button highlight
    {21, QPalette::Active, QPalette::Shadow},           // 3D dark shadow
    {22, QPalette::Active, QPalette::Midlight},         // 3D light
    {23, QPalette::Active, QPalette::ToolTipText},      // tooltip text
    {24, QPalette::Active, QPalette::ToolTipBase},      // tooltip background
    {26, QPalette::Active, QPalette::Link},             // hot-tracked item
    {27, QPalette::Active, QPalette::Highlight},        // active caption gradient
    {28, QPalette::Active, QPalette::Mid},              // inactive caption gradient
    {29, QPalette::Active, QPalette::Highlight},        // menu highlight
    {30, QPalette::Active, QPalette::Window},           // menu bar
};

constexpr int ButtonFace = 15;

QColor paletteColour(int index)
{
    const QPalette palette = qGuiApp ? QGuiApplication::palette() : QPalette();
    for (const SystemColour& c : SystemColours)
        if (c.index == index)
            return palette.color(c.group, c.role);
    return palette.color(QPalette::Active, QPalette::Button);
}

cLogo::Components split(quint32 value)
{
    const QColor colour = systemColour(value);
    return {qint16(colour.red()), qint16(colour.green()), qint16(colour.blue())};
}

// Raised by a step of the painting that cannot go on; Draw takes it and stops.
struct DrawFailed {};

// Rounds to the nearest integer, halves to the even neighbour, into a 16-bit integer.
qint16 roundToInt16(double value)
{
    if (!std::isfinite(value))
        throw DrawFailed{};
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    if (whole < std::numeric_limits<qint16>::min() || whole > std::numeric_limits<qint16>::max())
        throw DrawFailed{};
    return qint16(whole);
}

// a * b / c rounded half away from zero, as the system's multiply-divide does.
int mulDiv(int a, int b, int c)
{
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return int(product >= 0 ? (product + half) / c : (product - half) / c);
}

// The longest face name the font description holds.
constexpr int FaceNameSize = 33;

// The surface's font as the text drawing wants it: face, height in pixels from the size in whole
// points, weight 700 or 400, italic, underline and strike-through.
QFont uprightFont(const PictureBox& surface)
{
    const QFont current = surface.font();
    if (current.family().size() > FaceNameSize)
        throw DrawFailed{};
    QFont font(current.family());
    if (current.pointSizeF() > 0) {
        const int points = int(std::nearbyint(current.pointSizeF()));
        const int pixels = mulDiv(points, surface.logicalDpiY(), 72);
        if (pixels > 0)
            font.setPixelSize(pixels);
    } else if (current.pixelSize() > 0) {
        font.setPixelSize(current.pixelSize());
    }
    font.setWeight(current.bold() ? QFont::Bold : QFont::Normal);
    font.setItalic(current.italic());
    font.setUnderline(current.underline());
    font.setStrikeOut(current.strikeOut());
    return font;
}

constexpr int CaptionStart = 16;  // pixels above the bottom edge where a caption starts
constexpr int CaptionTop = 2;     // pixels kept free at the top edge
constexpr int SmallestCaption = 5;

// The caption in lines of at most `length` pixels, broken at blanks; a word longer than a line is
// broken inside itself.
QStringList wrapCaption(const QString& caption, const QFontMetricsF& metrics, qreal length)
{
    QStringList lines;
    QString line;
    const QStringList words = caption.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString word : words) {
        const QString joined = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (metrics.horizontalAdvance(joined) <= length) {
            line = joined;
            continue;
        }
        if (!line.isEmpty())
            lines << line;
        line.clear();
        while (metrics.horizontalAdvance(word) > length && word.size() > 1) {
            int n = int(word.size()) - 1;
            while (n > 1 && metrics.horizontalAdvance(word.left(n)) > length)
                --n;
            lines << word.left(n);
            word = word.mid(n);
        }
        line = word;
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines << line;
    return lines;
}

}  // namespace

CaptionLayout layCaption(const QString& caption, const QFont& font, int width, int height)
{
    const qreal length = height - CaptionStart - CaptionTop;
    const int given = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    CaptionLayout layout{font, {caption}, true};
    const QFontMetricsF asGiven(font);
    if (asGiven.horizontalAdvance(caption) <= length && asGiven.height() <= width)
        return layout;
    layout.asGiven = false;
    for (int pixels = given; pixels >= SmallestCaption; --pixels) {
        QFont smaller = font;
        smaller.setPixelSize(pixels);
        const QFontMetricsF metrics(smaller);
        const QStringList lines = wrapCaption(caption, metrics, length);
        layout.font = smaller;
        layout.lines = lines;
        const qreal across = metrics.height() + (lines.size() - 1) * metrics.lineSpacing();
        if (across <= width)
            break;
    }
    return layout;
}

QColor systemColour(quint32 value)
{
    if (value & SystemColourBit)
        return paletteColour(int(value & 0xFF));
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

cLogo::cLogo()
{
    // The triples are filled from the start: black to the face colour of buttons.
    start_ = split(startColor_);
    setEndColor(0x8000000Fu);
}

void cLogo::setCaption(const QString& caption)
{
    caption_ = caption;
}

QString cLogo::caption() const
{
    return caption_;
}

void cLogo::setDrawingObject(PictureBox* surface)
{
    surface_ = surface;
}

PictureBox* cLogo::drawingObject() const
{
    return surface_;
}

quint32 cLogo::startColor() const
{
    return startColor_;
}

void cLogo::setStartColor(quint32 colour)
{
    if (colour == startColor_)
        return;
    startColor_ = colour;
    start_ = split(colour);
    if (surface_)
        Draw();
}

quint32 cLogo::endColor() const
{
    return endColor_;
}

void cLogo::setEndColor(quint32 colour)
{
    if (colour == endColor_)
        return;
    endColor_ = colour;
    end_ = split(colour);
    if (surface_)
        Draw();
}

void cLogo::Draw()
{
    PictureBox* surface = surface_;
    if (!surface)
        return;
    QImage& image = surface->image();
    const int H = surface->height();
    const int W = surface->width();
    int S = H / 255;
    if (S == 0)
        S = 1;

    try {
        Components colour = start_;
        const double dR = double(end_.red) - start_.red;
        const double dG = double(end_.green) - start_.green;
        const double dB = double(end_.blue) - start_.blue;

        {
            // An empty picture (no height or no width) takes no painter; its bands paint nothing.
            std::optional<QPainter> painter;
            if (!image.isNull())
                painter.emplace(&image);
            int bottom = H;
            for (int y = H; y >= 0; y -= S) {
                const int top = bottom - S;
                const quint32 fill = quint32(colour.red) + quint32(colour.green) * 256u + quint32(colour.blue) * 65536u;
                if (painter)
                    painter->fillRect(QRect(0, top, W, S), systemColour(fill & 0x00FFFFFFu));
                bottom = top;
                // With no height the step divides nothing by nothing: the painting stops here.
                if (H == 0)
                    throw DrawFailed{};
                colour.red = roundToInt16(start_.red + double(H - y) * dR / H);
                colour.green = roundToInt16(start_.green + double(H - y) * dG / H);
                colour.blue = roundToInt16(start_.blue + double(H - y) * dB / H);
            }
        }

        const QFont font = uprightFont(*surface);
        // A caption longer than the tile takes a second line or a smaller font, and the whole
        // text as the tile's tooltip.
        const CaptionLayout layout = layCaption(caption_, font, W, H);
        if (!layout.asGiven)
            surface->setToolTip(caption_);
        if (!image.isNull()) {
            QPainter painter(&image);
            painter.setFont(layout.font);
            painter.setPen(surface->palette().color(QPalette::WindowText));
            // The text's top edge lies on x = 0 and its start 16 pixels above the bottom edge; it
            // runs upwards, further lines to the right of the first.
            painter.translate(0, H - CaptionStart);
            painter.rotate(-90);
            const QFontMetricsF metrics(layout.font);
            qreal y = metrics.ascent();
            for (const QString& line : layout.lines) {
                painter.drawText(QPointF(0, y), line);
                y += metrics.lineSpacing();
            }
        }
    } catch (const DrawFailed&) {
        // What was painted so far stays, and is shown when the surface next paints.
        surface->update();
        return;
    }
    surface->refresh();
}

}  // namespace common
