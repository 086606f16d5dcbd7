#pragma once

#include <QString>

// The text of the standard error report: the message, with "." appended when the
// message is not empty and its last character sorts after ".".
QString errorReportText(const QString& message);

// Shows the standard error report: modal, captioned with the application title,
// error icon, one OK button.
void showErrorReport(const QString& message);
