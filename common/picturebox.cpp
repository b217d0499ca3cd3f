#include "common/picturebox.h"

#include <QPaintEvent>
#include <QPainter>

namespace common {

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
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
    painter.drawImage(event->rect(), image_, event->rect());
}

void PictureBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitImage();
}

void PictureBox::fitImage() const
{
    const QSize wanted = size().expandedTo(QSize(0, 0));
    if (!image_.isNull() && image_.size() == wanted)
        return;
    QImage fitted(wanted, QImage::Format_RGB32);
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
