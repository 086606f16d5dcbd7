#include "TQRBand.h"

TQRBand::TQRBand(QObject* report, double height, double width) : QObject(report), Height(height), Width(width) {}
