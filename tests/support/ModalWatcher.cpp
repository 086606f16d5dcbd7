#include "ModalWatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>

ModalWatcher::ModalWatcher()
{
    connect(&timer, &QTimer::timeout, this, &ModalWatcher::poll);
    timer.start(5);
}

void ModalWatcher::poll()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible() || box->property("seenByWatcher").toBool())
        return;
    box->setProperty("seenByWatcher", true);
    SeenMessageBox seenBox{box->windowTitle(), box->text(), box->icon(), {}, {}};
    for (QAbstractButton* button : box->buttons())
        seenBox.buttons.append(button->text());
    if (box->defaultButton())
        seenBox.defaultButton = box->defaultButton()->text();
    seen.append(seenBox);
    if (whileOpen)
        whileOpen(seenBox);
    QAbstractButton* toPress = box->defaultButton();
    if (!toPress && !box->buttons().isEmpty())
        toPress = box->buttons().first();
    QMetaObject::invokeMethod(toPress, &QAbstractButton::click, Qt::QueuedConnection);
}
