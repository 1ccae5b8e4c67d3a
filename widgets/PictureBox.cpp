#include "widgets/PictureBox.h"

#include <QPainter>
#include <cmath>

PictureBox::PictureBox(QWidget *parent) : QLabel(parent) {}

void PictureBox::paintEvent(QPaintEvent *event)
{
    const QPixmap picture = pixmap();
    if (picture.isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const qreal scale = devicePixelRatioF() / picture.devicePixelRatioF();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, scale != std::floor(scale));
    painter.drawPixmap(QPointF(0, 0), picture);
}

