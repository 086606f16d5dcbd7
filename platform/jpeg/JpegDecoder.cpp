#include "JpegDecoder.h"

#include "AppError.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

namespace {

// Our own failure codes, kept apart from libjpeg's (which are all >= 0).
constexpr int tooManyScans = -1;
constexpr int tooLarge = -2;
constexpr int outOfMemory = -3;

// libjpeg reports errors by calling error_exit, which must not return; we jump
// back to the frame that called setjmp. Those frames hold no C++ objects with
// destructors, so nothing is skipped by the jump.
struct ErrorManager
{
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    int code;
};

[[noreturn]] void fail(j_common_ptr cinfo, int code)
{
    auto* errors = reinterpret_cast<ErrorManager*>(cinfo->err);
    errors->code = code;
    std::longjmp(errors->jump, 1);
}

void onError(j_common_ptr cinfo)
{
    fail(cinfo, cinfo->err->msg_code);
}

void onMessage(j_common_ptr, int) {}

void onProgress(j_common_ptr cinfo)
{
    if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > maxJpegScans)
        fail(cinfo, tooManyScans);
}

struct Decompressor
{
    jpeg_decompress_struct cinfo;
    ErrorManager errors;
    jpeg_progress_mgr progress;
};

void prepare(Decompressor* d)
{
    std::memset(d, 0, sizeof *d);
    d->cinfo.err = jpeg_std_error(&d->errors.pub);
    d->errors.pub.error_exit = onError;
    d->errors.pub.emit_message = onMessage;
    d->progress.progress_monitor = onProgress;
}

void start(Decompressor* d, const QByteArray* stream)
{
    jpeg_create_decompress(&d->cinfo);
    d->cinfo.progress = &d->progress;
    // Bounds libjpeg's own working memory (progressive coefficient buffers).
    d->cinfo.mem->max_memory_to_use = 1024L * 1024 * 1024;
    jpeg_mem_src(&d->cinfo, reinterpret_cast<const unsigned char*>(stream->constData()),
                 static_cast<unsigned long>(stream->size()));
    jpeg_read_header(&d->cinfo, TRUE);
    if (qint64(d->cinfo.image_width) * d->cinfo.image_height > maxJpegPixels)
        fail(reinterpret_cast<j_common_ptr>(&d->cinfo), tooLarge);
}

// Both return 0 or a failure code; d->cinfo keeps the picture's size for the message.
int parseInto(Decompressor* d, const QByteArray* stream, JpegHeader* header)
{
    prepare(d);
    if (setjmp(d->errors.jump)) {
        jpeg_destroy_decompress(&d->cinfo);
        return d->errors.code;
    }
    start(d, stream);
    header->width = int(d->cinfo.image_width);
    header->height = int(d->cinfo.image_height);
    header->grayscale = d->cinfo.num_components == 1;
    header->progressive = d->cinfo.progressive_mode;
    jpeg_destroy_decompress(&d->cinfo);
    return 0;
}

bool allocate(QImage* image, int width, int height, QImage::Format format)
{
    *image = QImage(width, height, format);
    return !image->isNull();
}

// a * b / 255, rounded, without a division.
inline int multiply255(int a, int b)
{
    const int t = a * b + 128;
    return (t + (t >> 8)) >> 8;
}

// CMYK samples as stored, converted in place; Adobe writers store them inverted.
void cmykRowToRgb32(uchar* row, int width, bool inverted)
{
    const int flip = inverted ? 0 : 255;
    auto* pixel = reinterpret_cast<quint32*>(row);
    for (int x = 0; x < width; ++x) {
        const uchar* s = row + 4 * x;
        const int k = s[3] ^ flip;
        pixel[x] = qRgb(multiply255(s[0] ^ flip, k), multiply255(s[1] ^ flip, k), multiply255(s[2] ^ flip, k));
    }
}

int decodeInto(Decompressor* d, const QByteArray* stream, QImage* image)
{
    prepare(d);
    if (setjmp(d->errors.jump)) {
        jpeg_destroy_decompress(&d->cinfo);
        return d->errors.code;
    }
    start(d, stream);
    const J_COLOR_SPACE space = d->cinfo.jpeg_color_space;
    const bool grey = d->cinfo.num_components == 1;
    const bool cmyk = space == JCS_CMYK || space == JCS_YCCK;
    if (grey)
        d->cinfo.out_color_space = JCS_GRAYSCALE;
    else if (cmyk)
        d->cinfo.out_color_space = JCS_CMYK;
    else
        d->cinfo.out_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    jpeg_start_decompress(&d->cinfo);
    const int width = int(d->cinfo.output_width);
    if (!allocate(image, width, int(d->cinfo.output_height),
                  grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32))
        fail(reinterpret_cast<j_common_ptr>(&d->cinfo), outOfMemory);
    const bool inverted = d->cinfo.saw_Adobe_marker;
    while (d->cinfo.output_scanline < d->cinfo.output_height) {
        uchar* row = image->scanLine(int(d->cinfo.output_scanline));
        JSAMPROW rows[1] = {row};
        jpeg_read_scanlines(&d->cinfo, rows, 1);
        if (cmyk)
            cmykRowToRgb32(row, width, inverted);
    }
    jpeg_finish_decompress(&d->cinfo);
    jpeg_destroy_decompress(&d->cinfo);
    return 0;
}

AppError errorFor(int code, const Decompressor& d)
{
    switch (code) {
    case tooManyScans:
        return AppError(QStringLiteral("JPEG image has more than %1 scans").arg(maxJpegScans));
    case tooLarge:
        return AppError(QStringLiteral("JPEG image too large: %1 x %2 pixels")
                            .arg(d.cinfo.image_width)
                            .arg(d.cinfo.image_height));
    case outOfMemory:
        return AppError(QStringLiteral("Out of memory decoding a JPEG image of %1 x %2 pixels")
                            .arg(d.cinfo.output_width)
                            .arg(d.cinfo.output_height));
    default:
        return AppError(QStringLiteral("JPEG error #%1").arg(code));
    }
}

} // namespace

JpegHeader readJpegHeader(const QByteArray& stream)
{
    Decompressor d;
    JpegHeader header;
    if (const int code = parseInto(&d, &stream, &header))
        throw errorFor(code, d);
    return header;
}

QImage decodeJpeg(const QByteArray& stream)
{
    Decompressor d;
    QImage image;
    if (const int code = decodeInto(&d, &stream, &image))
        throw errorFor(code, d);
    return image;
}
