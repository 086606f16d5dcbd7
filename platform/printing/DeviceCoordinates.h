#pragma once

#include <QPointF>
#include <QRect>
#include <QSizeF>

// The one conversion from report geometry (tenths of a millimetre from the
// paper's top-left corner) to device pixels: x * R / 254, rounded, where R is the
// device resolution in dots per inch. Printers are driven full page (the
// painter's origin at the paper's corner), so there are no unprintable offsets
// to take off.
class DeviceCoordinates
{
public:
    DeviceCoordinates(double dpiX, double dpiY);
    QPoint point(QPointF tenths) const;
    QSize size(QSizeF tenths) const;
    QRect rect(QRectF tenths) const;

private:
    double dpiX;
    double dpiY;
};
