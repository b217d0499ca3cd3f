#include "common/picturebox.h"

#include <QPaintEvent>
#include <QPainter>

namespace common {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    fitImage();
}

QImage& PictureBox::image()
{
    fitImage();
    return image_;
}

const QImage& PictureBox::image() const
{
    fitImage();
    return image_;
}

void PictureBox::clear()
{
    fitImage();
    image_.fill(palette().color(backgroundRole()));
}

void PictureBox::refresh()
{
    if (isVisible())
        repaint();
    else
        update();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    fitImage();
    QPainter painter(this);
    // The picture holds device pixels: the part to repaint is taken at the picture's own ratio.
    const QRect area = event->rect();
    const qreal ratio = image_.devicePixelRatio();
    painter.drawImage(QRectF(area), image_,
                      QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio));
}

void PictureBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitImage();
}

void PictureBox::fitImage() const
{
    // One picture pixel per device pixel, so drawing stays sharp on a scaled screen; painters on
    // the picture still work in the widget's coordinates.
    const qreal ratio = devicePixelRatioF();
    const QSize wanted = (QSizeF(size().expandedTo(QSize(0, 0))) * ratio).toSize();
    if (!image_.isNull() && image_.size() == wanted && image_.devicePixelRatio() == ratio)
        return;
    QImage fitted(wanted, QImage::Format_RGB32);
    fitted.setDevicePixelRatio(ratio);
    fitted.fill(palette().color(backgroundRole()));
    if (!image_.isNull() && !fitted.isNull()) {
        QPainter painter(&fitted);
        painter.drawImage(0, 0, image_);
    }
    image_ = fitted;
}

void PictureBox::useLightLettering()
{
    QFont fonte = font();
    fonte.setPointSize(7);
    fonte.setBold(true);
    setFont(fonte);
    QPalette cores = palette();
    cores.setColor(QPalette::WindowText, Qt::white);
    setPalette(cores);
}

}  // namespace common
