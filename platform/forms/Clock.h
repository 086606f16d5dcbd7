#pragma once

#include <QDateTime>
#include <functional>

// The local time the program shows. Tests set their own clock.
QDateTime currentDateTime();
void setClockOverride(std::function<QDateTime()> clock); // empty: the system clock
