#include "KeyDown.h"

#include "Guard.h"

#include <QKeyEvent>

bool dispatchKeyDown(const TKeyEvent& handler, QObject* sender, QKeyEvent* event)
{
    if (!handler)
        return false;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    int key = enter ? keyEnter : event->key();
    guarded([&] { handler(sender, key, event->modifiers()); });
    return key == 0;
}
