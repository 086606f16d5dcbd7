#pragma once

#include <QByteArray>
#include <QImage>

// Encodes test pictures with libjpeg-turbo, so the tests make every kind of JPEG
// they read. CMYK kinds carry an Adobe marker and store inverted samples, as
// Adobe writers do.
enum class JpegKind { Baseline, Progressive, Grayscale, AdobeCmyk, AdobeYcck };

QByteArray encodeJpeg(const QImage& image, JpegKind kind, int quality = 95);
QImage solidImage(int width, int height, QRgb colour);
