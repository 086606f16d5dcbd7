#include "JobSettings.h"

#include "AppError.h"

#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>

void applyJobSettings(QPrinter& printer, const QPrinterInfo& info, const JobSettings& job)
{
    printer.setPrinterName(info.printerName());
    if (!printer.isValid() || printer.printerName() != info.printerName())
        throw AppError(QStringLiteral("Printer selected is not valid"));
    printer.setFullPage(true);
    if (info.supportsCustomPageSizes()) {
        // The driver receives whole tenths of a millimetre.
        const QSizeF millimetres(std::round(job.paperTenths.width()) / 10.0,
                                 std::round(job.paperTenths.height()) / 10.0);
        printer.setPageSize(QPageSize(millimetres, QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
    } else {
        // Qt would keep its own default (A4); the queue's paper is what it loads.
        printer.setPageSize(info.defaultPageSize());
    }
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setCopyCount(job.copies);
    printer.setPaperSource(QPrinter::Auto);
    printer.setDuplex(QPrinter::DuplexNone);
}
