#pragma once

#include <QPointF>
#include <QRect>
#include <QSizeF>

// The one conversion from report geometry (tenths of a millimetre from the
// paper's top-left corner) to device pixels: ((x - ox) * R / 254), rounded, where
// R is the device resolution in dots per inch and ox the unprintable offset in
// tenths of a millimetre. Sizes use the same factors without the offsets.
class DeviceCoordinates
{
public:
    DeviceCoordinates(double dpiX, double dpiY, QPointF offsetTenths = {});
    QPoint point(QPointF tenths) const;
    QSize size(QSizeF tenths) const;
    QRect rect(QRectF tenths) const;

private:
    double dpiX;
    double dpiY;
    QPointF offset;
};
