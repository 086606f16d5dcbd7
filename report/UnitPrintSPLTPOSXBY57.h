#pragma once

#include "TForm.h"

class QLineEdit;
class QPushButton;
class TQRBand;
class TQRImage;
class TQRLabel;
class TQuickRep;

// The hidden report window that holds the receipt layout and prints one receipt
// per run, then closes and releases itself.
class TPrintSPLTPOSXBY57 : public TForm
{
    Q_OBJECT
public:
    TPrintSPLTPOSXBY57();
    ~TPrintSPLTPOSXBY57() override;

    TQuickRep* QuickRep1;
    TQRBand* QRBand1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QLineEdit* Edit2;
    TQRLabel* QRLTitle1;
    TQRLabel* QRLAddr1;
    TQRLabel* QRLAddr2;
    TQRLabel* QRLAddr3;
    TQRLabel* QRLAddr4;
    TQRLabel* QRLPostcode;
    TQRLabel* QRLTel;
    TQRLabel* QRLabel1;
    TQRImage* QRImage1;
    TQRLabel* QRLabelB1;
    TQRLabel* QRLabelB2;

    // Runs the report as the mode text in Edit2 selects ("print" exactly: print,
    // anything else: preview), then closes the window. An error of the run skips
    // the close and travels on to the caller.
    void BitBtn1Click(QObject* Sender);
    void BitBtn2Click(QObject* Sender);

protected:
    void FormClose(QObject* Sender, TCloseAction& Action) override;

private:
    void FormDestroy(QObject* Sender);
    void createLayout();
};

// The one live report window, or null.
extern TPrintSPLTPOSXBY57* PrintSPLTPOSXBY57;
