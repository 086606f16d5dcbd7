#include "TForm.h"

#include "Guard.h"

#include <QCloseEvent>

TForm::TForm(QWidget* parent) : QWidget(parent) {}

void TForm::FormClose(QObject*, TCloseAction&) {}

void TForm::closeEvent(QCloseEvent* event)
{
    TCloseAction action = TCloseAction::caHide;
    if (!guarded([&] { FormClose(this, action); })) {
        event->ignore();
        return;
    }
    switch (action) {
    case TCloseAction::caNone:
        event->ignore();
        break;
    case TCloseAction::caHide:
        event->accept();
        break;
    case TCloseAction::caFree:
        event->accept();
        releasing = true;
        deleteLater();
        break;
    case TCloseAction::caMinimize:
        event->ignore();
        showMinimized();
        break;
    }
}
