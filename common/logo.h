#pragma once

// The banner tile: a vertical colour gradient filling a picture box, from the start colour at the
// bottom edge towards the end colour at the top, with a caption over it reading upwards. One cLogo
// paints many tiles: point it at a surface, set the caption, ask it to draw.
//
// Colours are 0x00BBGGRR values (red in the low byte). A value with the top bit set names a system
// colour by its index in the low byte (0x8000000F is the face colour of buttons); it is turned into
// plain RGB when it is set, and a later change of the colour scheme is not followed until the
// colour is set again to a different value.

#include "common/picturebox.h"

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QPointer>
#include <QString>

namespace common {

// The RGB colour a colour value stands for: a system colour (top bit set) is looked up in the
// application's palette, any other value is read as 0x00BBGGRR.
QColor systemColour(quint32 value);

// How a caption is set upright on a tile `width` x `height` pixels: the lines it takes (broken at
// blanks, a word longer than the tile inside itself) and the font, the given one or the largest
// smaller one down to 5 pixels with which every line runs within the tile's length (16 pixels
// above the bottom edge to 2 below the top) and the lines side by side within its width.
// `asGiven` tells that the caption took one line in the given font.
struct CaptionLayout {
    QFont font;
    QStringList lines;
    bool asGiven = true;
};
CaptionLayout layCaption(const QString& caption, const QFont& font, int width, int height);

class cLogo {
public:
    // Red, green and blue of a colour after system colours are resolved, 0 to 255 each.
    struct Components {
        qint16 red = 0;
        qint16 green = 0;
        qint16 blue = 0;
        bool operator==(const Components&) const = default;
    };

    cLogo();

    void setCaption(const QString& caption);
    QString caption() const;

    // The surface the tile is painted on; not owned. Setting it does not draw.
    void setDrawingObject(PictureBox* surface);
    PictureBox* drawingObject() const;

    // The colours as they were set (a system colour stays a system colour). Setting a colour to a
    // different value resolves it and, when a surface is set, draws the tile again at once;
    // setting the value it already has does nothing.
    quint32 startColor() const;
    void setStartColor(quint32 colour);
    quint32 endColor() const;
    void setEndColor(quint32 colour);

    Components startComponents() const { return start_; }
    Components endComponents() const { return end_; }

    // Paints the tile on the surface. A failure part way (a surface of no height, a font the
    // system cannot make) ends the painting quietly and keeps what was painted so far.
    void Draw();

private:
    QString caption_;
    QPointer<PictureBox> surface_;
    quint32 startColor_ = 0;
    quint32 endColor_ = 0;
    Components start_;
    Components end_;
};

}  // namespace common
