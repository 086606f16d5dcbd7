#pragma once

#include <QString>
#include <QStringList>

// The printers of the system's print service (CUPS) as they are now.
struct InstalledPrinters
{
    QStringList names;
    QString defaultName; // empty when no printer is the default
};

// Asks the print service afresh at every call. Throws AppError when the service
// cannot be reached: a print that silently went nowhere would tell the clerk
// nothing while no receipt comes out.
InstalledPrinters installedPrinters();

// Throws AppError with the print service's own message when the last job handed
// over was refused (a queue that does not accept jobs, for one). Call it right
// after the job is handed over, on the same thread.
void checkLastJobAccepted();
