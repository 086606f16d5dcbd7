#include "TQRImage.h"

#include "DeviceCoordinates.h"

#include <QPainter>

TQRImage::TQRImage(QObject* band, double left, double top, double width, double height)
    : TQRPrintable(band, left, top, width, height)
{
}

void TQRImage::draw(QPainter& painter, const DeviceCoordinates& device, QPointF bandCorner)
{
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    Picture.draw(painter, QRectF(device.rect(QRectF(bandCorner + QPointF(Left, Top), QSizeF(Width, Height)))));
}
