#pragma once

#include <QString>

// The program file's name (without folder) up to its first dot, every character
// after the first in lower case: "POS58.EXE" -> "Pos58".
QString applicationTitleFor(const QString& programFilePath);

// The title of the running program, as the taskbar and the error report show it.
QString applicationTitle();
