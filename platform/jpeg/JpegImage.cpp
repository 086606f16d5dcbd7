#include "JpegImage.h"

#include <QPainter>

JpegImage::JpegImage(QByteArray stream) : data(std::move(stream))
{
    if (!data.isEmpty())
        info = readJpegHeader(data);
}

const QImage& JpegImage::pixels()
{
    if (decoded.isNull())
        decoded = decodeJpeg(data);
    return decoded;
}

void JpegImage::draw(QPainter& painter, const QRectF& target)
{
    painter.drawImage(target, pixels());
}
