#pragma once

#include <QList>
#include <QPair>
#include <QString>

// OLE DB connection strings: "key=value" pairs separated by ";". A value may be
// enclosed in double or single quotes, inside which ";" and "=" are plain and the
// enclosing quote is written twice.
using ConnectionProperties = QList<QPair<QString, QString>>;

// Parses a connection string; keys keep their spelling, lookups ignore case.
// Throws AppError on an unterminated quote.
ConnectionProperties parseConnectionString(const QString& text);
QString connectionProperty(const ConnectionProperties& properties, const QString& key);

// A value as it must be written: as is when that parses back to the same text,
// otherwise in double quotes with inner double quotes doubled.
QString quotedConnectionValue(const QString& value);
