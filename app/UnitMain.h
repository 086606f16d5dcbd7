#pragma once

#include "TForm.h"

#include <QTimer>

class TADOConnection;
class TADOQuery;
class TBevel;
class TFlatComboBox;
class TFlatEdit;
class TFlatPanel;
class TFlatSpeedButton;
class TImage;
class TLabel;

// The entry window: the fields of one top-up receipt, the running clock, Enter
// navigation, and the buttons that print a receipt and save the remarks.
class TFormMain : public TForm
{
    Q_OBJECT
public:
    TFormMain();

    // Controls, in creation order (later ones lie above earlier ones).
    TLabel* Label1;
    TLabel* Label8;
    TLabel* Label2;
    TFlatPanel* FlatPanel1;
    TImage* Image1;
    TFlatSpeedButton* FlatSpeedButton2;
    TLabel* Label5;
    TLabel* Label6;
    TLabel* Label7;
    TLabel* Label9;
    TLabel* Label10;
    TLabel* Label11;
    TFlatSpeedButton* FlatSpeedButton3;
    TLabel* Label3;
    TBevel* Bevel1;
    TFlatEdit* FlatEdit1;
    TFlatEdit* FlatEdit2;
    TFlatEdit* FlatEdit3;
    TFlatEdit* FlatEdit6;
    TFlatEdit* FlatEdit7;
    TFlatEdit* FlatEdit8;
    TFlatComboBox* FlatComboBox1;
    QTimer Timer1;
    // The data store: data.mdb beside the program.
    TADOConnection* ADOConnection1;
    TADOQuery* ADOQuery1; // sales, xiaoshou
    TADOQuery* ADOQuery2; // remarks, beizhu

    void FormCreate(QObject* Sender);
    void FormShow(QObject* Sender);
    void Timer1Timer(QObject* Sender);
    void FlatComboBox1KeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
    void FlatEdit2KeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
    void FlatEdit3KeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
    void FlatEdit6KeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
    void FlatEdit7KeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
    void FlatEdit8KeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
    void FlatSpeedButton2Click(QObject* Sender);
    void FlatSpeedButton3Click(QObject* Sender);
    void Label2Click(QObject* Sender);

protected:
    void FormClose(QObject* Sender, TCloseAction& Action) override;
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void placeWindow();
    bool shown = false;
    bool printing = false;
};

// The entry window, once created by the main routine.
extern TFormMain* FormMain;
