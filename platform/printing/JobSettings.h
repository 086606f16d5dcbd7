#pragma once

#include <QSizeF>

class QPrinter;
class QPrinterInfo;

// What a print job asks of the printer.
struct JobSettings
{
    QSizeF paperTenths; // width x length, in tenths of a millimetre
    int copies = 1;
};

// Selects the printer and writes the job settings: full page (the painter's
// origin at the paper's corner), the paper
// size only when the queue takes custom sizes (otherwise its own paper, with the
// same positions), portrait, the copies, automatic paper source, one-sided.
// Throws "Printer selected is not valid" when Qt cannot use the printer.
void applyJobSettings(QPrinter& printer, const QPrinterInfo& info, const JobSettings& job);
