#include "ConnectionString.h"

#include "AppError.h"

ConnectionProperties parseConnectionString(const QString& text)
{
    ConnectionProperties properties;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const qsizetype equals = text.indexOf(u'=', i);
        const qsizetype semicolon = text.indexOf(u';', i);
        if (equals < 0 || (semicolon >= 0 && semicolon < equals)) {
            // A segment without "=": skip it (empty segments between ";;" too).
            i = semicolon < 0 ? n : semicolon + 1;
            continue;
        }
        const QString key = text.mid(i, equals - i).trimmed();
        i = equals + 1;
        while (i < n && text.at(i) == u' ')
            ++i;
        QString value;
        if (i < n && (text.at(i) == u'"' || text.at(i) == u'\'')) {
            const QChar quote = text.at(i++);
            bool closed = false;
            while (i < n) {
                if (text.at(i) == quote) {
                    if (i + 1 < n && text.at(i + 1) == quote) {
                        value += quote;
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                value += text.at(i++);
            }
            if (!closed)
                throw AppError(QStringLiteral("Connection string: a quoted value is not closed"));
            while (i < n && text.at(i) != u';')
                ++i;
        } else {
            const qsizetype end = text.indexOf(u';', i);
            value = text.mid(i, (end < 0 ? n : end) - i).trimmed();
            i = end < 0 ? n : end;
        }
        ++i; // past the ";"
        if (!key.isEmpty())
            properties.append({key, value});
    }
    return properties;
}

QString connectionProperty(const ConnectionProperties& properties, const QString& key)
{
    for (const auto& [name, value] : properties)
        if (name.compare(key, Qt::CaseInsensitive) == 0)
            return value;
    return QString();
}

QString quotedConnectionValue(const QString& value)
{
    const bool plain = !value.contains(u';') && !value.contains(u'"') && !value.startsWith(u'\'')
                    && value.trimmed() == value;
    if (plain)
        return value;
    QString quoted = value;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}
