#include "DeviceCoordinates.h"

#include <cmath>

DeviceCoordinates::DeviceCoordinates(double dpiX, double dpiY) : dpiX(dpiX), dpiY(dpiY) {}

QPoint DeviceCoordinates::point(QPointF tenths) const
{
    return QPoint(int(std::lround(tenths.x() * dpiX / 254.0)), int(std::lround(tenths.y() * dpiY / 254.0)));
}

QSize DeviceCoordinates::size(QSizeF tenths) const
{
    return QSize(int(std::lround(tenths.width() * dpiX / 254.0)), int(std::lround(tenths.height() * dpiY / 254.0)));
}

QRect DeviceCoordinates::rect(QRectF tenths) const
{
    return QRect(point(tenths.topLeft()), size(tenths.size()));
}
