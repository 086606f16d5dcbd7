#include "TQuickRep.h"

#include "AppError.h"
#include "DeviceCoordinates.h"
#include "Guard.h"
#include "JobSettings.h"
#include "PrintService.h"
#include "ProgressWindow.h"
#include "TQRBand.h"
#include "TQRPrintable.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScopedValueRollback>
#include <optional>

namespace {
QString defaultPrinterOf(const InstalledPrinters& printers)
{
    if (printers.defaultName.isEmpty())
        throw AppError(QStringLiteral("There is no default printer currently selected"));
    return printers.defaultName;
}
}

TQuickRep::TQuickRep(QObject* owner) : QObject(owner) {}

void TQuickRep::checkDefaultPrinter() const
{
    const InstalledPrinters printers = installedPrinters();
    if (!printers.names.isEmpty())
        defaultPrinterOf(printers);
}

void TQuickRep::setUpPrinter(QPrinter& printer, const QString& printerName) const
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    if (info.isNull())
        throw AppError(QStringLiteral("Printer selected is not valid"));
    applyJobSettings(printer, info, {QSizeF(Page.Width, Page.Length), Copies});
    printer.setDocName(ReportTitle);
}

void TQuickRep::Print()
{
    if (isRunning)
        return;
    const QScopedValueRollback<bool> runningNow(isRunning, true);
    const InstalledPrinters printers = installedPrinters();
    if (printers.names.isEmpty())
        return;
    std::optional<ProgressWindow> progress;
    if (ShowProgress) {
        progress.emplace();
        progress->show();
    }
    QCoreApplication::processEvents();

    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, defaultPrinterOf(printers));
    QPainter painter;
    if (!painter.begin(&printer))
        throw AppError(QStringLiteral("Printer selected is not valid"));
    // A failing element still ends the page and the document, so what was drawn
    // before it reaches the paper; the error is raised afterwards.
    std::optional<AppError> failure;
    try {
        paint(painter);
    } catch (const AppError& error) {
        failure = error;
    }
    painter.end();
    checkLastJobAccepted();
    QCoreApplication::processEvents();
    if (failure)
        throw *failure;
}

void TQuickRep::Preview()
{
    if (isRunning)
        return;
    const QScopedValueRollback<bool> runningNow(isRunning, true);
    QPrinter printer(QPrinter::HighResolution);
    const InstalledPrinters printers = installedPrinters();
    if (!printers.defaultName.isEmpty())
        setUpPrinter(printer, printers.defaultName);
    QPrintPreviewDialog preview(&printer);
    connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
            guardedSlot([this](QPrinter* target) {
                QPainter painter(target);
                paint(painter);
            }));
    preview.exec();
}

void TQuickRep::paint(QPainter& painter)
{
    const QPaintDevice* device = painter.device();
    const DeviceCoordinates coordinates(device->logicalDpiX(), device->logicalDpiY());
    if (!titleBand)
        return;
    const QPointF corner(Page.LeftMargin, Page.TopMargin);
    painter.fillRect(coordinates.rect(QRectF(corner, QSizeF(titleBand->Width, titleBand->Height))), titleBand->Color);
    for (TQRPrintable* element : titleBand->elements())
        element->draw(painter, coordinates, corner);
}
