#pragma once

#include <QString>
#include <functional>

class QWidget;

// The message of the AppError an action throws, or empty when it throws none.
QString caughtMessage(const std::function<void()>& action);

// Types text as key presses that carry it, Chinese included (QTest::keyClicks
// takes ASCII only).
void typeText(QWidget* widget, const QString& text);
