#include "DateFormat.h"

namespace {
QString number(int value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}
}

QString formatDateTime(const QString& pattern, const QDateTime& moment, QChar timeSeparator)
{
    const QDate date = moment.date();
    const QTime time = moment.time();
    QString out;
    QChar lastToken;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern.at(i).toLower();
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern.at(i + run).toLower() == c)
            ++run;
        const int width = run >= 2 ? 2 : 1;
        switch (c.unicode()) {
        case 'y':
            out += run >= 3 ? number(date.year(), 4) : number(date.year() % 100, 2);
            break;
        case 'm':
            out += number(lastToken == u'h' ? time.minute() : date.month(), width);
            break;
        case 'd':
            out += number(date.day(), width);
            break;
        case 'h':
            out += number(time.hour(), width);
            break;
        case 'n':
            out += number(time.minute(), width);
            break;
        case 's':
            out += number(time.second(), width);
            break;
        case ':':
            out += QString(run, timeSeparator);
            break;
        default:
            out += pattern.mid(i, run);
            break;
        }
        if (c.isLetter())
            lastToken = c;
        i += run;
    }
    return out;
}
