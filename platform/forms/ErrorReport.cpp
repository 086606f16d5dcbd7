#include "ErrorReport.h"

#include "ApplicationTitle.h"
#include "MessageBox.h"

QString errorReportText(const QString& message)
{
    if (!message.isEmpty() && message.back() > u'.')
        return message + u'.';
    return message;
}

void showErrorReport(const QString& message)
{
    showMessageBox({applicationTitle(), errorReportText(message), QMessageBox::Critical,
                    {QStringLiteral("OK")}, 0});
}
