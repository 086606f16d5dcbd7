#pragma once

#include <QString>

// Asks the desktop to open a web address in the default browser. The outcome
// is not examined: when nothing can open it, nothing is reported.
void openWebAddress(const QString& address);
