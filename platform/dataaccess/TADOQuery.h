#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>

class TADOConnection;
class TADOQuery;

// One column of the current row of a record set.
class TField
{
public:
    TField(TADOQuery* dataSet, int index) : dataSet(dataSet), index(index) {}
    QString AsString() const;
    // Stores the text in the row being edited, cut to the column's declared
    // width in characters, without a message.
    void setAsString(const QString& text);

private:
    TADOQuery* dataSet;
    int index;
};

// A record set over a select: opening fetches every row and stands on the first.
// A plain "select * from <table>" is updatable: edits and deletes go to the file
// at once, by row id, with optimistic locking (a row another program changed
// since it was read is not overwritten). Anything else is read-only.
class TADOQuery : public QObject
{
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };

    TADOQuery(QObject* owner, const QString& name);
    TADOConnection* Connection = nullptr;

    // Replaces the select; the record set must be closed.
    void setSQL(const QString& select);
    const QString& SQL() const { return select; }

    void Open();
    void Close();
    bool Active() const { return state != State::Inactive; }
    State dataState() const { return state; }
    bool readOnly() const { return table.isEmpty(); }
    int RecordCount() const { return int(rows.size()); }

    void First();
    void Next();
    bool Eof() const;

    // Starts editing the current row, or inserting when there is none; nothing
    // when already editing or inserting.
    void Edit();
    TField FieldByName(const QString& name);
    void Post();
    // Deletes the current row from the file; the next row becomes current.
    void Delete();

private:
    friend class TField;
    struct Column
    {
        QString name;
        int width = 0; // declared width in characters; 0: none
    };
    [[noreturn]] void fail(const QString& message) const;
    void requireActive() const;
    void requireWritable() const;
    void describeTable();
    void insertRow(const QList<int>& changed);
    void updateRow(const QList<int>& changed);
    QString quotedTable() const;

    QString select;
    State state = State::Inactive;
    QString table; // empty: read-only
    QList<Column> columns;
    QList<qint64> rowIds;
    QList<QList<QVariant>> rows;
    int current = 0;
    QList<QVariant> buffer;   // the row being edited or inserted
    QList<bool> assigned;     // which columns of the buffer were set
};
