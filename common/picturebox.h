#pragma once

// A picture box: a widget that keeps its own picture. Whatever is drawn into image() stays there
// and is what the widget shows whenever it is painted; refresh() makes new drawing show at once.

#include <QImage>
#include <QWidget>

namespace common {

class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The picture, always as large as the widget (width() x height() times the screen's
    // device-pixel ratio, 32-bit RGB, the ratio set on it so painters use widget coordinates). A new
    // size keeps what fits of the old picture and fills the rest with the background colour.
    QImage& image();
    const QImage& image() const;

    // Fills the whole picture with the background colour.
    void clear();
    // Shows the picture as it is now: repainted at once when visible, scheduled otherwise.
    void refresh();
    // Small bold white letters, for a heading drawn on a dark banner.
    void useLightLettering();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Brings the picture to the widget's size; a hidden widget gets no resize event.
    void fitImage() const;

    mutable QImage image_;
};

}  // namespace common
