#pragma once

#include "TQRPrintable.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

// A text element: exactly as wide as its text, as high as laid out; an opaque
// white box; left-aligned with the top of the character cells at its top edge.
// Line feeds are removed and the text is cut into lines at carriage returns;
// only the lines that end no lower than 0.1 mm below the bottom edge are drawn.
// An empty line draws nothing; nothing is wrapped, shortened or clipped.
class TQRLabel : public TQRPrintable
{
    Q_OBJECT
public:
    TQRLabel(QObject* band, double left, double top, double width, double height, const QFont& font,
             const QString& caption);
    QString Caption;
    QFont Font;
    QColor Color = Qt::white;
    QColor FontColor = Qt::black;

    // The caption as printed lines, before the height rule.
    static QStringList lines(const QString& caption);
    void draw(QPainter& painter, const DeviceCoordinates& device, QPointF bandCorner) override;
};
