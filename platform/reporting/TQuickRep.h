#pragma once

#include <QObject>
#include <QString>

class QPainter;
class QPrinter;
class TQRBand;

// Page settings, stored in tenths of a millimetre; read in millimetres.
struct TQRPage
{
    double BottomMargin = 0;
    double Length = 0;
    double TopMargin = 0;
    double Width = 0;
    double LeftMargin = 0;
    double RightMargin = 0;
    double ColumnSpace = 0;
    int Columns = 1;
    bool portrait = true;
    double mm(double tenths) const { return tenths / 10.0; }
};

struct TQRPrinterSettings
{
    int Copies = 1;
    bool autoOutputBin = true;
    int FirstPage = 0;
    int LastPage = 0;
    bool Duplex = false;
};

// A report of one title band on one page. Print() prints it on the default
// printer; Preview() shows it in the standard preview. Both lay it out through
// paint(). A run request while a run is going on is ignored.
class TQuickRep : public QObject
{
    Q_OBJECT
public:
    explicit TQuickRep(QObject* owner);
    TQRPage Page;
    TQRPrinterSettings PrinterSettings;
    QString ReportTitle;
    bool ShowProgress = true;
    bool PrintIfEmpty = true;
    TQRBand* titleBand = nullptr;

    // Checks that a default printer exists when printers do (throws
    // "There is no default printer currently selected" otherwise).
    void checkDefaultPrinter() const;
    void Print();
    void Preview();
    bool running() const { return isRunning; }
    void paint(QPainter& painter);

private:
    void setUpPrinter(QPrinter& printer, const QString& printerName) const;
    bool isRunning = false;
};
