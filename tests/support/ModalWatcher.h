#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>

// Watches for modal message boxes while a test drives the program, records what
// each one showed and closes it with its default button, as a clerk pressing
// Enter would.
struct SeenMessageBox
{
    QString caption;
    QString text;
    QMessageBox::Icon icon;
    QStringList buttons;
    QString defaultButton;
};

class ModalWatcher : public QObject
{
    Q_OBJECT
public:
    ModalWatcher();
    QList<SeenMessageBox> seen;
    // Runs while a box is open, before it is closed.
    std::function<void(const SeenMessageBox&)> whileOpen;

private:
    void poll();
    QTimer timer;
};
