#include "TQRPrintable.h"

TQRPrintable::TQRPrintable(QObject* band, double left, double top, double width, double height)
    : QObject(band), Left(left), Top(top), Width(width), Height(height)
{
}
