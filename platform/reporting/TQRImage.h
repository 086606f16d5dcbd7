#pragma once

#include "TPicture.h"
#include "TQRPrintable.h"

// A picture element: the picture is stretched to fill the element's box exactly,
// whatever its own proportions; nothing is drawn around it.
class TQRImage : public TQRPrintable
{
    Q_OBJECT
public:
    TQRImage(QObject* band, double left, double top, double width, double height);
    TPicture Picture;

    void draw(QPainter& painter, const DeviceCoordinates& device, QPointF bandCorner) override;
};
