#include "Clock.h"

namespace {
std::function<QDateTime()>& clockOverride()
{
    static std::function<QDateTime()> clock;
    return clock;
}
}

QDateTime currentDateTime()
{
    return clockOverride() ? clockOverride()() : QDateTime::currentDateTime();
}

void setClockOverride(std::function<QDateTime()> clock)
{
    clockOverride() = std::move(clock);
}
