#pragma once

#include "JpegDecoder.h"

#include <QByteArray>
#include <QImage>

class QPainter;
class QRectF;

// A JPEG picture: its stream and headers, read at load; its pixels, decoded at
// the first draw and kept. An empty stream loads (no headers to read) and fails
// when drawn, as libjpeg-turbo finds no input.
class JpegImage
{
public:
    // Throws AppError when the headers cannot be read; see readJpegHeader.
    explicit JpegImage(QByteArray stream);

    const QByteArray& stream() const { return data; }
    const JpegHeader& header() const { return info; }
    int width() const { return info.width; }
    int height() const { return info.height; }
    bool grayscale() const { return info.grayscale; }
    bool progressive() const { return info.progressive; }

    // Decodes on the first call (throws AppError on a decoder error) and keeps
    // the result; a failed decode is tried again at the next call.
    const QImage& pixels();
    // Draws the picture stretched to fill the target exactly.
    void draw(QPainter& painter, const QRectF& target);

private:
    QByteArray data;
    JpegHeader info;
    QImage decoded;
};
