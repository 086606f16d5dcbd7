#include "TADOConnection.h"

#include "AppError.h"
#include "ConnectionString.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

const QString TADOConnection::jetProvider = QStringLiteral("Microsoft.Jet.OLEDB.4.0");

namespace {

// Access (Jet and ACE) files carry their engine's name at byte 4.
bool isAccessFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(32);
    return head.mid(4, 15) == "Standard Jet DB" || head.mid(4, 15) == "Standard ACE DB";
}

void check(const QSqlQuery& query)
{
    if (query.lastError().isValid())
        throw AppError(query.lastError().databaseText());
}

} // namespace

TADOConnection::TADOConnection(QObject* owner, const QString& name)
    : QObject(owner), connectionName(QStringLiteral("%1-%2").arg(name).arg(quintptr(this), 0, 16))
{
    setObjectName(name);
}

TADOConnection::~TADOConnection()
{
    if (QSqlDatabase::contains(connectionName)) {
        database().close();
        QSqlDatabase::removeDatabase(connectionName);
    }
}

bool TADOConnection::Connected() const
{
    return QSqlDatabase::contains(connectionName) && database().isOpen();
}

QSqlDatabase TADOConnection::database() const
{
    return QSqlDatabase::database(connectionName, false);
}

void TADOConnection::setConnected(bool connected)
{
    if (!connected) {
        if (QSqlDatabase::contains(connectionName))
            database().close();
        return;
    }
    if (Connected())
        return;
    const ConnectionProperties properties = parseConnectionString(ConnectionString);
    if (connectionProperty(properties, QStringLiteral("Provider")).compare(jetProvider, Qt::CaseInsensitive) != 0)
        throw AppError(QStringLiteral("Provider cannot be found. It may not be properly installed."));
    const QString path = connectionProperty(properties, QStringLiteral("Data Source"));
    if (path.isEmpty() || !QFileInfo(path).isFile())
        throw AppError(QStringLiteral("Could not find file '%1'.").arg(path));
    if (isAccessFile(path))
        throw AppError(QStringLiteral("'%1' is a Microsoft Access (Jet) database, which this program cannot open: "
                                      "it keeps its data in a SQLite database named data.mdb.")
                           .arg(path));

    QSqlDatabase db = QSqlDatabase::contains(connectionName)
                        ? database()
                        : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    // "mode=rw": open read-write, never create a new empty database. The URI
    // takes the cleaned absolute path: "//data.mdb" would name a host there.
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    db.setDatabaseName(
        QStringLiteral("file:%1?mode=rw").arg(QString::fromLatin1(QUrl::toPercentEncoding(absolute, "/"))));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    if (!db.open())
        throw AppError(db.lastError().databaseText());
    // SQLite opens lazily: read the schema now, so a file that is not a
    // database fails here and not at the first table.
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("PRAGMA schema_version")) || !probe.exec(QStringLiteral("PRAGMA synchronous=FULL"))) {
        const QString message = probe.lastError().databaseText();
        db.close();
        throw AppError(message);
    }
}

void TADOConnection::BeginTrans()
{
    QSqlQuery query(database());
    query.exec(QStringLiteral("BEGIN IMMEDIATE"));
    check(query);
}

void TADOConnection::CommitTrans()
{
    QSqlQuery query(database());
    query.exec(QStringLiteral("COMMIT"));
    check(query);
}
