#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>

// A connection to a data file named by an OLE DB connection string. Provider
// must be the Jet 4.0 provider the program composes; the file behind
// "Data Source" is a SQLite database, opened read-write and never created.
class TADOConnection : public QObject
{
    Q_OBJECT
public:
    explicit TADOConnection(QObject* owner, const QString& name);
    ~TADOConnection() override;

    static const QString jetProvider;
    // How long a statement waits for another program's lock before failing.
    static constexpr int busyTimeoutMs = 3000;

    QString ConnectionString;
    bool LoginPrompt = false;
    bool KeepConnection = true;

    // Opens the database now (throws AppError with the provider's message) or closes it.
    void setConnected(bool connected);
    bool Connected() const;
    QSqlDatabase database() const;

    // Transactions for a run of changes that must be fast; each change is still
    // checked one by one.
    void BeginTrans();
    void CommitTrans();

private:
    QString connectionName;
};
