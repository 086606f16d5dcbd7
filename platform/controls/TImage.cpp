#include "TImage.h"

#include "Guard.h"

#include <QPainter>

TImage::TImage(QWidget* parent) : QWidget(parent) {}

void TImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    guarded([&] { Picture.draw(painter, QRectF(rect())); });
}
