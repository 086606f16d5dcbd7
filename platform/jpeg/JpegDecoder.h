#pragma once

#include <QByteArray>
#include <QImage>

// What the headers of a JPEG stream say about the picture.
struct JpegHeader
{
    int width = 0;
    int height = 0;
    bool grayscale = false;
    bool progressive = false;
};

// The largest picture we agree to decode: 8192 x 8192 pixels (256 MiB as RGB32).
// A header announcing more fails before any pixel memory is allocated.
inline constexpr qint64 maxJpegPixels = qint64(8192) * 8192;
// A progressive stream with more scans than this is refused: such streams take
// unbounded time to decode and no real picture has them.
inline constexpr int maxJpegScans = 1000;

// Both throw AppError: "JPEG error #<libjpeg-turbo message code>" for decoder
// errors, or a plain message for a picture that is too large or has too many
// scans. Decoder warnings (a truncated scan, for one) are ignored.
JpegHeader readJpegHeader(const QByteArray& stream);
// Grey pictures decode to Format_Grayscale8, all others to Format_RGB32, with
// Adobe CMYK and YCCK converted to RGB.
QImage decodeJpeg(const QByteArray& stream);
