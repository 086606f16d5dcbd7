#include "PdfPage.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {
QString output(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
    return QString::fromUtf8(process.readAllStandardOutput());
}
}

PdfPage::PdfPage(const QString& file) : path(file)
{
    const QString info = output(QStringLiteral("pdfinfo"), {file});
    const QRegularExpression pagesLine(QStringLiteral("Pages:\\s+(\\d+)"));
    pages = pagesLine.match(info).captured(1).toInt();
    const QRegularExpression sizeLine(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts"));
    const auto size = sizeLine.match(info);
    pagePoints = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble());

    const QString boxes = output(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")});
    const QRegularExpression wordTag(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    for (auto it = wordTag.globalMatch(boxes); it.hasNext();) {
        const auto m = it.next();
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        QString text = m.captured(5);
        text.replace(QLatin1String("&amp;"), QLatin1String("&")).replace(QLatin1String("&lt;"), QLatin1String("<"));
        words.append({text, QRectF(topLeft, bottomRight)});
    }
    for (const QString& line : output(QStringLiteral("pdftotext"), {file, QStringLiteral("-")}).split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty() && trimmed != QLatin1String("\f"))
            lines.append(trimmed);
    }
    const QStringList list = output(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file}).split(u'\n');
    for (const QString& row : list.mid(2)) {
        const QStringList f = row.split(u' ', Qt::SkipEmptyParts);
        if (f.size() < 14 || f.at(2) != QLatin1String("image"))
            continue;
        const QSize pixels(f.at(3).toInt(), f.at(4).toInt());
        images.append({pixels, QSizeF(pixels.width() / f.at(12).toDouble() * 25.4,
                                      pixels.height() / f.at(13).toDouble() * 25.4)});
    }
}

const PdfWord* PdfPage::word(const QString& text) const
{
    for (const PdfWord& w : words)
        if (w.text == text)
            return &w;
    return nullptr;
}

QImage PdfPage::renderTop(double millimetres) const
{
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("page"));
    const int width = int(mm(pagePoints.width()) * 10 + 0.5);
    output(QStringLiteral("pdftoppm"),
           {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-gray"), QStringLiteral("-png"),
            QStringLiteral("-singlefile"), QStringLiteral("-x"), QStringLiteral("0"), QStringLiteral("-y"),
            QStringLiteral("0"), QStringLiteral("-W"), QString::number(width), QStringLiteral("-H"),
            QString::number(int(millimetres * 10)), path, stem});
    return QImage(stem + QStringLiteral(".png"));
}
