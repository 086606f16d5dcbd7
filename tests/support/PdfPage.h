#pragma once

#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

// Reads a printed job's PDF with poppler-utils: its page size, its words with
// their boxes, its text lines, its pictures, and a rendering of a region.
struct PdfWord
{
    QString text;
    QRectF box; // points from the page's top-left corner
};

struct PdfImage
{
    QSize pixels;
    QSizeF millimetres; // the size at which the page shows it
};

class PdfPage
{
public:
    explicit PdfPage(const QString& file);
    int pages = 0;
    QSizeF pagePoints;
    QList<PdfWord> words;
    QStringList lines;
    QList<PdfImage> images;
    const PdfWord* word(const QString& text) const;
    // The top region of the page, at 10 pixels per millimetre.
    QImage renderTop(double millimetres) const;

    static double mm(double points) { return points * 25.4 / 72.0; }

private:
    QString path;
};
