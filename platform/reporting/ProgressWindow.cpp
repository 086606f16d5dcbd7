#include "ProgressWindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

ProgressWindow::ProgressWindow()
    : QDialog(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("ProgressWindow"));
    setWindowTitle(QStringLiteral("Printing progress"));
    // The clerk keeps typing in the window that started the print.
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto* layout = new QVBoxLayout(this);
    bar = new QProgressBar(this);
    bar->setRange(0, 100);
    bar->setValue(0);
    status = new QLabel(this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    layout->addWidget(bar);
    layout->addWidget(status);
    layout->addWidget(cancel, 0, Qt::AlignHCenter);
    connect(cancel, &QPushButton::clicked, this, [this] { cancelled = true; });
    resize(300, 110);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
