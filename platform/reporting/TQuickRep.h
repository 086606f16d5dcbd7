#pragma once

#include <QObject>
#include <QString>

class QPainter;
class QPrinter;
class TQRBand;

// Page settings in tenths of a millimetre. The job is always portrait, from the
// automatic paper source, one-sided (see applyJobSettings).
struct TQRPage
{
    double BottomMargin = 0;
    double Length = 0;
    double TopMargin = 0;
    double Width = 0;
    double LeftMargin = 0;
    double RightMargin = 0;
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
    int Copies = 1;
    QString ReportTitle;
    bool ShowProgress = true;
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
