#pragma once

#include <QObject>
#include <QPointF>

class DeviceCoordinates;
class QPainter;

// An element of a band, placed in tenths of a millimetre from the band's corner.
class TQRPrintable : public QObject
{
    Q_OBJECT
public:
    TQRPrintable(QObject* band, double left, double top, double width, double height);
    double Left;
    double Top;
    double Width;
    double Height;

    // Draws the element with the band's corner at bandCorner (tenths of a
    // millimetre on the paper). May throw AppError.
    virtual void draw(QPainter& painter, const DeviceCoordinates& device, QPointF bandCorner) = 0;
};
