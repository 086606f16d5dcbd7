#include "TestHelpers.h"

#include "AppError.h"

#include <QTest>
#include <QWidget>

QString caughtMessage(const std::function<void()>& action)
{
    try {
        action();
    } catch (const AppError& error) {
        return error.message();
    }
    return QString();
}

void typeText(QWidget* widget, const QString& text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}
