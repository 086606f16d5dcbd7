#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;

// Key-down handlers receive the key code by reference: Enter, on the main
// keyboard or the keypad, is code 13. A handler that sets the code to 0
// consumes the key; otherwise the control handles it as usual.
inline constexpr int keyEnter = 13;
using TKeyEvent = std::function<void(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift)>;

// Runs the handler (through the guard) for a key press. Returns true when the
// key was consumed and the control must not handle it.
bool dispatchKeyDown(const TKeyEvent& handler, QObject* sender, QKeyEvent* event);
