#pragma once

#include <QFile>
#include <QList>
#include <algorithm>

// Small helpers shared by the benchmarks.
namespace BenchSupport {

// A "Vm..." figure of this process in KiB ("VmRSS", "VmHWM").
inline long processMemoryKiB(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').first().toLong();
    return 0;
}

inline double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace BenchSupport
