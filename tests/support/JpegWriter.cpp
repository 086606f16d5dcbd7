#include "JpegWriter.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

QImage solidImage(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QByteArray encodeJpeg(const QImage& source, JpegKind kind, int quality)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);

    const bool grey = kind == JpegKind::Grayscale;
    const bool cmyk = kind == JpegKind::AdobeCmyk || kind == JpegKind::AdobeYcck;
    cinfo.image_width = JDIMENSION(image.width());
    cinfo.image_height = JDIMENSION(image.height());
    cinfo.input_components = grey ? 1 : cmyk ? 4 : 3;
    cinfo.in_color_space = grey ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    if (kind == JpegKind::AdobeYcck)
        jpeg_set_colorspace(&cinfo, JCS_YCCK);
    jpeg_set_quality(&cinfo, quality, TRUE);
    if (kind == JpegKind::Progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);

    std::vector<unsigned char> row(size_t(image.width()) * 4);
    while (cinfo.next_scanline < cinfo.image_height) {
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(int(cinfo.next_scanline)));
        for (int x = 0; x < image.width(); ++x) {
            const int r = qRed(pixels[x]), g = qGreen(pixels[x]), b = qBlue(pixels[x]);
            if (grey) {
                row[size_t(x)] = (unsigned char)qGray(pixels[x]);
            } else if (cmyk) {
                const int k = 255 - std::max({r, g, b});
                const int div = 255 - k;
                const int c = div ? (255 - r - k) * 255 / div : 0;
                const int m = div ? (255 - g - k) * 255 / div : 0;
                const int y = div ? (255 - b - k) * 255 / div : 0;
                unsigned char* s = &row[size_t(x) * 4];
                s[0] = (unsigned char)(255 - c);
                s[1] = (unsigned char)(255 - m);
                s[2] = (unsigned char)(255 - y);
                s[3] = (unsigned char)(255 - k);
            } else {
                row[size_t(x) * 3] = (unsigned char)r;
                row[size_t(x) * 3 + 1] = (unsigned char)g;
                row[size_t(x) * 3 + 2] = (unsigned char)b;
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray result(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return result;
}
