// Logo decoding: our JPEG layer (headers at load, pixels at the first draw)
// against libjpeg-turbo's own decode as djpeg runs it, in-process, so that
// process start-up does not swamp a picture of a few kilobytes.
//   bench_decode RESOURCES-FOLDER
#include "JpegImage.h"
#include "JpegWriter.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {

// What djpeg does with a picture: decode every scanline to RGB, into memory of
// its own.
size_t djpegDecode(const QByteArray& stream)
{
    std::vector<unsigned char> out;
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(stream.constData()), stream.size());
    jpeg_read_header(&cinfo, TRUE);
    jpeg_start_decompress(&cinfo);
    const bool cmyk = cinfo.out_color_space == JCS_CMYK;
    const size_t width = cinfo.output_width;
    out.resize(width * (cmyk ? 3 : cinfo.output_components) * cinfo.output_height);
    std::vector<unsigned char> cmykRow(cmyk ? width * 4 : 0);
    while (cinfo.output_scanline < cinfo.output_height) {
        const size_t y = cinfo.output_scanline;
        JSAMPROW row = cmyk ? cmykRow.data() : out.data() + y * width * cinfo.output_components;
        jpeg_read_scanlines(&cinfo, &row, 1);
        // djpeg's PPM writer turns CMYK into RGB, pixel by pixel.
        for (size_t x = 0; cmyk && x < width; ++x) {
            const unsigned char* p = &cmykRow[4 * x];
            for (int c = 0; c < 3; ++c)
                out[(y * width + x) * 3 + c] = (unsigned char)((double)p[c] * (double)p[3] / 255.0 + 0.5);
        }
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return out.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

template <typename Work>
double timeRound(int iterations, Work work)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < iterations; ++i)
        work();
    return timer.nsecsElapsed() / 1e3 / iterations;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_decode RESOURCES-FOLDER\n");
        return 2;
    }
    const QString resources = QString::fromLocal8Bit(argv[1]);
    const QByteArray logo = readFile(resources + QStringLiteral("/carriers/10086.jpg"));
    const QImage picture = JpegImage(logo).pixels().convertToFormat(QImage::Format_RGB32);
    const struct { const char* kind; QByteArray stream; } files[] = {
        {"baseline 192x92 (carrier logo)", logo},
        {"progressive 80x151 (background)", readFile(resources + QStringLiteral("/images/background.jpg"))},
        {"greyscale 192x92", encodeJpeg(picture, JpegKind::Grayscale, 90)},
        {"Adobe CMYK 192x92", encodeJpeg(picture, JpegKind::AdobeCmyk, 90)},
    };
    std::printf("%-34s %10s %10s %8s\n", "logo decode", "ours us", "djpeg us", "ratio");
    size_t sink = 0;
    for (const auto& file : files) {
        // Rounds of ours and of the floor alternate, so both meet the same
        // machine; the best round of each counts.
        double ours = 1e30, floor = 1e30;
        for (int round = 0; round < 20; ++round) {
            ours = std::min(ours, timeRound(100, [&] {
                                JpegImage image(file.stream);
                                image.pixels();
                            }));
            floor = std::min(floor, timeRound(100, [&] { sink += djpegDecode(file.stream); }));
        }
        std::printf("%-34s %10.1f %10.1f %8.2f\n", file.kind, ours, floor, ours / floor);
    }
    std::printf("(goal: ratio <= 1.2)%s\n", sink ? "" : " ");
    return 0;
}
