#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

class QWidget;

// A modal message box with buttons of our own texts, owned by the given window
// or else by the active one. Returns the index of the
// button that closed it (the default button when the box is closed otherwise).
struct MessageBoxOptions
{
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    int defaultButton = 0;
};

int showMessageBox(const MessageBoxOptions& options, QWidget* parent = nullptr);
