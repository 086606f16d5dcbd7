#include "TQRLabel.h"

#include "DeviceCoordinates.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

TQRLabel::TQRLabel(QObject* band, double left, double top, double width, double height, const QFont& font,
                   const QString& caption)
    : TQRPrintable(band, left, top, width, height), Caption(caption), Font(font)
{
}

QStringList TQRLabel::lines(const QString& caption)
{
    QString text = caption;
    text.remove(u'\n');
    return text.split(u'\r');
}

void TQRLabel::draw(QPainter& painter, const DeviceCoordinates& device, QPointF bandCorner)
{
    const QFont font(Font, painter.device());
    const QFontMetricsF metrics(font, painter.device());
    const QPoint origin = device.point(bandCorner + QPointF(Left, Top));
    const double height = device.size(QSizeF(0, Height)).height();
    const double tolerance = device.size(QSizeF(0, 1.0)).height(); // 0.1 mm
    const QStringList all = lines(Caption);
    QStringList drawn;
    for (const QString& line : all) {
        if ((drawn.size() + 1) * metrics.height() > height + tolerance)
            break;
        drawn.append(line);
    }
    double width = 0;
    for (const QString& line : drawn)
        width = std::max(width, metrics.horizontalAdvance(line));
    if (width <= 0)
        return;
    painter.fillRect(QRectF(origin, QSizeF(std::ceil(width), height)), Color);
    painter.setFont(font);
    painter.setPen(FontColor);
    painter.setBackgroundMode(Qt::TransparentMode);
    for (qsizetype i = 0; i < drawn.size(); ++i)
        if (!drawn.at(i).isEmpty())
            painter.drawText(QPointF(origin.x(), origin.y() + double(i) * metrics.height() + metrics.ascent()),
                             drawn.at(i));
}
