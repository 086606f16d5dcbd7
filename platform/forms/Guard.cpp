#include "Guard.h"

#include "AppError.h"
#include "ErrorReport.h"

#include <exception>

bool guarded(const std::function<void()>& handler)
{
    QString message;
    try {
        handler();
        return true;
    } catch (const AppError& error) {
        message = error.message();
    } catch (const std::exception& error) {
        message = QString::fromLocal8Bit(error.what());
    } catch (...) {
        message = QStringLiteral("Unknown error");
    }
    // The report is shown outside the catch block: its message loop may run
    // further handlers, which must not see a live exception.
    try {
        showErrorReport(message);
    } catch (...) {
    }
    return false;
}
