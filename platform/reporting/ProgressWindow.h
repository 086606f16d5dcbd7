#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

// Shown while a report prints: centred, always on top, a bar from 0 to 100, a
// status line and "Cancel", which only records the request.
class ProgressWindow : public QDialog
{
    Q_OBJECT
public:
    ProgressWindow();
    bool cancelRequested() const { return cancelled; }
    QProgressBar* bar;
    QLabel* status;

private:
    bool cancelled = false;
};
