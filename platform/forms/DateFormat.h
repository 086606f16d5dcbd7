#pragma once

#include <QDateTime>
#include <QString>

// Formats a date and time from a pattern in the platform's date-formatter rules:
// letters are not case-sensitive; "yyyy"/"yy" year, "m"/"mm" month, "d"/"dd"
// day, "h"/"hh" hour (24-hour clock), "n"/"nn" minutes, "s"/"ss" seconds; an "m"
// token whose nearest preceding letter token is "h" stands for minutes; ":" is
// the time separator; anything else is copied. Milliseconds are cut, never
// rounded into the seconds.
QString formatDateTime(const QString& pattern, const QDateTime& moment, QChar timeSeparator = u':');
