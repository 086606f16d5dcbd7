#include "PrintService.h"

#include "AppError.h"

#include <cups/cups.h>

InstalledPrinters installedPrinters()
{
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    const ipp_status_t status = cupsLastError();
    InstalledPrinters printers;
    for (int i = 0; i < count; ++i) {
        printers.names.append(QString::fromUtf8(dests[i].name));
        if (dests[i].is_default)
            printers.defaultName = QString::fromUtf8(dests[i].name);
    }
    cupsFreeDests(count, dests);
    // With no queue at all the service answers "not found"; any other error
    // means it did not answer.
    if (count == 0 && status > IPP_STATUS_OK_EVENTS_COMPLETE && status != IPP_STATUS_ERROR_NOT_FOUND)
        throw AppError(QStringLiteral("Cannot reach the print service at %1 (%2)")
                           .arg(QString::fromUtf8(cupsServer()), QString::fromUtf8(cupsLastErrorString())));
    return printers;
}

void checkLastJobAccepted()
{
    if (cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
        throw AppError(QString::fromUtf8(cupsLastErrorString()));
}
