#include "TADOQuery.h"

#include "AppError.h"
#include "TADOConnection.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

QString quoted(const QString& identifier)
{
    QString text = identifier;
    text.replace(u'"', QStringLiteral("\"\""));
    return u'"' + text + u'"';
}

// The table of a plain "select * from <table>", or empty.
QString plainSelectTable(const QString& select)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*select\s+\*\s+from\s+("(?:[^"]|"")+"|\[[^\]]+\]|`[^`]+`|[^\s;"\[`]+)\s*;?\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(select);
    if (!match.hasMatch())
        return QString();
    QString name = match.captured(1);
    if (name.startsWith(u'"'))
        return name.mid(1, name.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\""));
    if (name.startsWith(u'[') || name.startsWith(u'`'))
        return name.mid(1, name.size() - 2);
    return name;
}

bool isTable(const QSqlDatabase& db, const QString& name)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT type FROM sqlite_master WHERE name = ? COLLATE NOCASE"));
    query.addBindValue(name);
    return query.exec() && query.next() && query.value(0).toString() == QLatin1String("table");
}

[[noreturn]] void databaseFailure(const QSqlQuery& query)
{
    throw AppError(query.lastError().databaseText());
}

const QString rowChanged = QStringLiteral(
    "Row cannot be located for updating. Some values may have been changed since it was last read.");

} // namespace

QString TField::AsString() const
{
    const bool editing = dataSet->state == TADOQuery::State::Edit || dataSet->state == TADOQuery::State::Insert;
    if (editing)
        return dataSet->buffer.at(index).toString();
    if (dataSet->Eof())
        return QString();
    return dataSet->rows.at(dataSet->current).at(index).toString();
}

void TField::setAsString(const QString& text)
{
    if (dataSet->state != TADOQuery::State::Edit && dataSet->state != TADOQuery::State::Insert)
        dataSet->fail(QStringLiteral("Dataset not in edit or insert mode"));
    const int width = dataSet->columns.at(index).width;
    dataSet->buffer[index] = width > 0 ? text.left(width) : text;
    dataSet->assigned[index] = true;
}

TADOQuery::TADOQuery(QObject* owner, const QString& name) : QObject(owner)
{
    setObjectName(name);
}

void TADOQuery::fail(const QString& message) const
{
    throw AppError(objectName() + QStringLiteral(": ") + message);
}

void TADOQuery::requireActive() const
{
    if (!Active())
        fail(QStringLiteral("Cannot perform this operation on a closed dataset"));
}

void TADOQuery::requireWritable() const
{
    if (readOnly())
        fail(QStringLiteral("Cannot modify a read-only dataset"));
}

QString TADOQuery::quotedTable() const
{
    return quoted(table);
}

void TADOQuery::setSQL(const QString& text)
{
    if (Active())
        fail(QStringLiteral("Cannot perform this operation on an open dataset"));
    select = text;
}

void TADOQuery::Open()
{
    if (Active())
        return;
    if (!Connection)
        fail(QStringLiteral("Missing Connection or ConnectionString"));
    // Opening connects first, so a failed connection is tried again here.
    Connection->setConnected(true);
    const QSqlDatabase db = Connection->database();

    const QString base = plainSelectTable(select);
    QString updatable = !base.isEmpty() && isTable(db, base) ? base : QString();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    // A table without row ids cannot be updated by row: it is read-only.
    if (!updatable.isEmpty() && !query.exec(QStringLiteral("SELECT _rowid_, * FROM ") + quoted(updatable)))
        updatable.clear();
    if (updatable.isEmpty() && !query.exec(select))
        databaseFailure(query);

    const int first = updatable.isEmpty() ? 0 : 1;
    const QSqlRecord record = query.record();
    QList<Column> fetchedColumns;
    for (int i = first; i < record.count(); ++i)
        fetchedColumns.append({record.fieldName(i), 0});
    QList<qint64> fetchedIds;
    QList<QList<QVariant>> fetchedRows;
    while (query.next()) {
        QList<QVariant> row;
        row.reserve(record.count() - first);
        for (int i = first; i < record.count(); ++i)
            row.append(query.value(i));
        fetchedRows.append(std::move(row));
        fetchedIds.append(first ? query.value(0).toLongLong() : 0);
    }
    if (query.lastError().isValid())
        databaseFailure(query);

    table = updatable;
    columns = fetchedColumns;
    rowIds = fetchedIds;
    rows = fetchedRows;
    if (!table.isEmpty())
        describeTable();
    current = 0;
    state = State::Browse;
}

// Reads the declared widths: "VARCHAR(255)" is 255 characters.
void TADOQuery::describeTable()
{
    QSqlQuery query(Connection->database());
    if (!query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quotedTable())))
        databaseFailure(query);
    static const QRegularExpression width(QStringLiteral(R"(\(\s*(\d+)\s*\))"));
    while (query.next()) {
        const QString name = query.value(1).toString();
        const QRegularExpressionMatch match = width.match(query.value(2).toString());
        for (Column& column : columns)
            if (column.name == name && match.hasMatch())
                column.width = match.captured(1).toInt();
    }
}

void TADOQuery::Close()
{
    state = State::Inactive;
    table.clear();
    columns.clear();
    rowIds.clear();
    rows.clear();
    buffer.clear();
    assigned.clear();
    current = 0;
}

void TADOQuery::First()
{
    requireActive();
    if (state != State::Browse)
        Post();
    current = 0;
}

void TADOQuery::Next()
{
    requireActive();
    if (state != State::Browse)
        Post();
    if (current < rows.size())
        ++current;
}

bool TADOQuery::Eof() const
{
    return !Active() || current >= rows.size();
}

void TADOQuery::Edit()
{
    requireActive();
    if (state == State::Edit || state == State::Insert)
        return;
    requireWritable();
    if (Eof()) {
        buffer = QList<QVariant>(columns.size());
        state = State::Insert;
    } else {
        buffer = rows.at(current);
        state = State::Edit;
    }
    assigned = QList<bool>(columns.size(), false);
}

TField TADOQuery::FieldByName(const QString& name)
{
    for (int i = 0; i < columns.size(); ++i)
        if (columns.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return TField(this, i);
    fail(QStringLiteral("Field '%1' not found").arg(name));
}

void TADOQuery::Post()
{
    requireActive();
    if (state == State::Browse)
        return;
    // The columns to write: every assigned one for a new row; for an edited row
    // those that now differ from what was read.
    QList<int> changed;
    for (int i = 0; i < columns.size(); ++i)
        if (assigned.at(i) && (state == State::Insert || buffer.at(i) != rows.at(current).at(i)))
            changed.append(i);
    if (state == State::Insert)
        insertRow(changed);
    else if (!changed.isEmpty())
        updateRow(changed);
    state = State::Browse;
}

void TADOQuery::insertRow(const QList<int>& changed)
{
    QStringList names;
    for (int i : changed)
        names.append(quoted(columns.at(i).name));
    QSqlQuery query(Connection->database());
    query.prepare(changed.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quotedTable())
                                    : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                          .arg(quotedTable(), names.join(u','),
                                               QStringList(changed.size(), QStringLiteral("?")).join(u',')));
    for (int i : changed)
        query.addBindValue(buffer.at(i));
    if (!query.exec())
        databaseFailure(query);
    const qint64 id = query.lastInsertId().toLongLong();
    // The row as stored, defaults included.
    QSqlQuery stored(Connection->database());
    stored.prepare(QStringLiteral("SELECT * FROM %1 WHERE _rowid_ = ?").arg(quotedTable()));
    stored.addBindValue(id);
    if (!stored.exec() || !stored.next())
        databaseFailure(stored);
    QList<QVariant> row;
    for (int i = 0; i < columns.size(); ++i)
        row.append(stored.value(i));
    rows.append(row);
    rowIds.append(id);
    current = int(rows.size()) - 1;
}

// Optimistic locking: the row is changed only where it still holds what was read.
void TADOQuery::updateRow(const QList<int>& changed)
{
    QStringList sets, checks;
    for (int i : changed) {
        sets.append(quoted(columns.at(i).name) + QStringLiteral(" = ?"));
        checks.append(quoted(columns.at(i).name) + QStringLiteral(" IS ?"));
    }
    QSqlQuery query(Connection->database());
    query.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE _rowid_ = ? AND %3")
                      .arg(quotedTable(), sets.join(QStringLiteral(", ")), checks.join(QStringLiteral(" AND "))));
    for (int i : changed)
        query.addBindValue(buffer.at(i));
    query.addBindValue(rowIds.at(current));
    for (int i : changed)
        query.addBindValue(rows.at(current).at(i));
    if (!query.exec())
        databaseFailure(query);
    if (query.numRowsAffected() == 0)
        throw AppError(rowChanged);
    rows[current] = buffer;
}

void TADOQuery::Delete()
{
    requireActive();
    requireWritable();
    if (state == State::Insert || state == State::Edit)
        state = State::Browse; // an unfinished edit of the row goes with it
    if (Eof())
        fail(QStringLiteral("Cannot perform this operation on an empty dataset"));
    QSqlQuery query(Connection->database());
    query.prepare(QStringLiteral("DELETE FROM %1 WHERE _rowid_ = ?").arg(quotedTable()));
    query.addBindValue(rowIds.at(current));
    // A row another program deleted already is gone all the same.
    if (!query.exec())
        databaseFailure(query);
    rows.removeAt(current);
    rowIds.removeAt(current);
}
