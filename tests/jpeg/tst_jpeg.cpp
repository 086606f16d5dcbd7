// The JPEG layer on libjpeg-turbo: headers at load, pixels at the first draw,
// the file rules of picture loading, and the decoder's own message codes.
#include "TestHelpers.h"
#include "AppError.h"
#include "JpegWriter.h"
#include "TPicture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>

namespace {

QString jpegError(int code)
{
    return QStringLiteral("JPEG error #%1").arg(code);
}

QByteArray pngBytes()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.write(solidImage(8, 8, qRgb(1, 2, 3)));
    return bytes;
}

// A baseline stream whose frame header announces another size.
QByteArray withFrameSize(QByteArray stream, int width, int height)
{
    const qsizetype sof = stream.indexOf(QByteArray("\xFF\xC0", 2));
    stream[sof + 5] = char(height >> 8);
    stream[sof + 6] = char(height & 0xFF);
    stream[sof + 7] = char(width >> 8);
    stream[sof + 8] = char(width & 0xFF);
    return stream;
}


bool near(QRgb a, QRgb b, int tolerance = 12)
{
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance
        && qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

} // namespace

class JpegTest : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir dir;

    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s", qPrintable(path));
        file.write(bytes);
        return path;
    }

private slots:
    void load_data()
    {
        const QImage red = solidImage(40, 20, qRgb(255, 0, 0));
        const QByteArray baseline = encodeJpeg(red, JpegKind::Baseline);
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("grey");
        QTest::addColumn<bool>("progressive");
        QTest::newRow("baseline -> 40x20") << baseline << "" << 40 << 20 << false << false;
        QTest::newRow("progressive -> progressive")
            << encodeJpeg(red, JpegKind::Progressive) << "" << 40 << 20 << false << true;
        QTest::newRow("greyscale -> grey") << encodeJpeg(red, JpegKind::Grayscale) << "" << 40 << 20 << true << false;
        QTest::newRow("Adobe CMYK -> loads") << encodeJpeg(red, JpegKind::AdobeCmyk) << "" << 40 << 20 << false << false;
        QTest::newRow("zero bytes -> loads, no headers") << QByteArray() << "" << 0 << 0 << false << false;
        QTest::newRow("PNG bytes -> JERR_NO_SOI") << pngBytes() << jpegError(JERR_NO_SOI) << 0 << 0 << false << false;
        QTest::newRow("one byte -> JERR_NO_SOI") << QByteArray("\xFF", 1) << jpegError(JERR_NO_SOI) << 0 << 0 << false << false;
        QTest::newRow("headers cut at 30 bytes -> JERR_NO_IMAGE")
            << baseline.left(30) << jpegError(JERR_NO_IMAGE) << 0 << 0 << false << false;
        QTest::newRow("SOI only -> JERR_NO_IMAGE")
            << QByteArray("\xFF\xD8", 2) << jpegError(JERR_NO_IMAGE) << 0 << 0 << false << false;
        QTest::newRow("60000x60000 announced -> too large")
            << withFrameSize(baseline, 60000, 60000) << "JPEG image too large: 60000 x 60000 pixels" << 0 << 0
            << false << false;
    }
    void load()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, grey);
        QFETCH(bool, progressive);
        const QString path = write(QStringLiteral("logo.jpg"), bytes);
        TPicture picture;
        QCOMPARE(caughtMessage([&] { picture.LoadFromFile(path); }), error);
        QCOMPARE(picture.isEmpty(), !error.isEmpty());
        if (error.isEmpty()) {
            QCOMPARE(picture.jpeg()->width(), width);
            QCOMPARE(picture.jpeg()->height(), height);
            QCOMPARE(picture.jpeg()->grayscale(), grey);
            QCOMPARE(picture.jpeg()->progressive(), progressive);
            QCOMPARE(picture.jpeg()->stream(), bytes);
        }
    }

    void decode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QRgb>("colour");
        const QRgb blue = qRgb(20, 60, 220), green = qRgb(30, 200, 40), grey = qRgb(128, 128, 128);
        QTest::newRow("baseline blue -> blue") << encodeJpeg(solidImage(24, 16, blue), JpegKind::Baseline) << blue;
        QTest::newRow("progressive green -> green") << encodeJpeg(solidImage(24, 16, green), JpegKind::Progressive) << green;
        QTest::newRow("greyscale -> grey") << encodeJpeg(solidImage(24, 16, grey), JpegKind::Grayscale) << grey;
        QTest::newRow("Adobe CMYK red -> red")
            << encodeJpeg(solidImage(24, 16, qRgb(230, 20, 20)), JpegKind::AdobeCmyk) << qRgb(230, 20, 20);
        QTest::newRow("Adobe YCCK yellow -> yellow")
            << encodeJpeg(solidImage(24, 16, qRgb(240, 220, 10)), JpegKind::AdobeYcck) << qRgb(240, 220, 10);
    }
    void decode()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QRgb, colour);
        JpegImage image(bytes);
        const QImage& pixels = image.pixels();
        QCOMPARE(pixels.size(), QSize(24, 16));
        QVERIFY2(near(pixels.pixel(12, 8), colour),
                 qPrintable(QStringLiteral("got #%1").arg(pixels.pixel(12, 8) & 0xFFFFFF, 6, 16, QLatin1Char('0'))));
        QCOMPARE(image.pixels().cacheKey(), pixels.cacheKey()); // decoded once, then kept
    }

    void zeroBytesFailAtDraw()
    {
        TPicture picture;
        picture.LoadFromFile(write(QStringLiteral("empty.jpg"), QByteArray()));
        QImage page(50, 50, QImage::Format_RGB32);
        QPainter painter(&page);
        QCOMPARE(caughtMessage([&] { picture.draw(painter, QRectF(0, 0, 50, 50)); }), jpegError(JERR_INPUT_EMPTY));
    }

    void truncatedScanDecodesWithGreyRest()
    {
        QImage noise(64, 64, QImage::Format_RGB32);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                noise.setPixel(x, y, qRgb((x * 37 + y * 91) % 256, (x * x + y) % 256, (y * 53) % 256));
        const QByteArray full = encodeJpeg(noise, JpegKind::Baseline);
        const QImage whole = JpegImage(full).pixels();
        JpegImage cut(full.left(full.size() / 2));
        const QImage& pixels = cut.pixels(); // the decoder's warning is ignored
        QCOMPARE(pixels.size(), QSize(64, 64));
        for (int x = 0; x < 64; ++x) {
            QCOMPARE(pixels.pixel(x, 0), whole.pixel(x, 0));
            QVERIFY(near(pixels.pixel(x, 63), qRgb(128, 128, 128), 2));
        }
    }

    void drawStretchesToTheTarget()
    {
        QImage source(20, 10, QImage::Format_RGB32);
        source.fill(qRgb(255, 0, 0));
        QPainter(&source).fillRect(10, 0, 10, 10, QColor(0, 0, 255));
        JpegImage image(encodeJpeg(source, JpegKind::Baseline, 100));
        QImage page(300, 200, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        image.draw(painter, QRectF(100, 50, 100, 100));
        painter.end();
        QVERIFY(near(page.pixel(110, 60), qRgb(255, 0, 0), 30));
        QVERIFY(near(page.pixel(190, 140), qRgb(0, 0, 255), 30));
        QCOMPARE(page.pixel(99, 100), qRgb(255, 255, 255));
        QCOMPARE(page.pixel(100, 151), qRgb(255, 255, 255));
    }

    void fileRules_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("error");
        QTest::newRow("missing -> Cannot open file <path>") << "missing.jpg" << "Cannot open file %1";
        QTest::newRow("folder named .jpg -> Cannot open file <path>") << "folder.jpg" << "Cannot open file %1";
        QTest::newRow(".png -> unknown extension") << "logo.png" << "Unknown picture file extension (.png)";
        QTest::newRow("no extension -> unknown extension") << "logo" << "Unknown picture file extension (.)";
        QTest::newRow(".JPG -> loads") << "LOGO.JPG" << "";
        QTest::newRow(".jpeg -> loads") << "logo.jpeg" << "";
    }
    void fileRules()
    {
        QFETCH(QString, name);
        QFETCH(QString, error);
        const QByteArray good = encodeJpeg(solidImage(8, 8, qRgb(9, 9, 9)), JpegKind::Baseline);
        for (const char* present : {"logo.png", "logo", "LOGO.JPG", "logo.jpeg"})
            write(QString::fromLatin1(present), good);
        QDir(dir.path()).mkdir(QStringLiteral("folder.jpg"));
        const QString path = dir.filePath(name);
        TPicture picture;
        QCOMPARE(caughtMessage([&] { picture.LoadFromFile(path); }), error.contains(u'%') ? error.arg(path) : error);
    }

    void failedLoadKeepsThePreviousPicture()
    {
        TPicture picture;
        picture.LoadFromFile(write(QStringLiteral("good.jpg"), encodeJpeg(solidImage(40, 20, qRgb(1, 1, 1)), JpegKind::Baseline)));
        const QString png = write(QStringLiteral("png.jpg"), pngBytes());
        const QString cut = write(QStringLiteral("cut.jpg"), QByteArray("\xFF\xD8\xFF", 3));
        for (const QString& path : {dir.filePath(QStringLiteral("none.jpg")), png, cut}) {
            QVERIFY(!caughtMessage([&] { picture.LoadFromFile(path); }).isEmpty());
            QVERIFY(!picture.isEmpty());
            QCOMPARE(picture.jpeg()->width(), 40);
        }
    }

    void artwork_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("progressive");
        QTest::newRow("background -> 80x151 progressive") << ":/images/background.jpg" << QSize(80, 151) << true;
        QTest::newRow("default logo -> 192x90 baseline") << ":/images/default-logo.jpg" << QSize(192, 90) << false;
    }
    void artwork()
    {
        QFETCH(QString, resource);
        QFETCH(QSize, size);
        QFETCH(bool, progressive);
        TPicture picture;
        picture.LoadFromFile(resource);
        QCOMPARE(QSize(picture.jpeg()->width(), picture.jpeg()->height()), size);
        QCOMPARE(picture.jpeg()->progressive(), progressive);
        QVERIFY(!picture.jpeg()->grayscale());
        QCOMPARE(picture.jpeg()->pixels().size(), size);
    }
};

QTEST_MAIN(JpegTest)
#include "tst_jpeg.moc"
