// The record-set layer and the store's operations on real SQLite files.
#include "TestHelpers.h"
#include "AppError.h"
#include "ConnectionString.h"
#include "DataFile.h"
#include "DataStore.h"
#include "TADOConnection.h"
#include "TADOQuery.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlRecord>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {


// A second program using the same file.
class OtherProgram
{
public:
    explicit OtherProgram(const QString& path) : name(QStringLiteral("other-%1").arg(++count))
    {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.open();
    }
    ~OtherProgram()
    {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
    void exec(const QString& sql)
    {
        QSqlQuery query(db);
        if (!query.exec(sql))
            qFatal("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
    }
    QList<QStringList> rows(const QString& sql)
    {
        QSqlQuery query(db);
        query.exec(sql);
        QList<QStringList> result;
        while (query.next()) {
            QStringList row;
            for (int i = 0; i < query.record().count(); ++i)
                row.append(query.value(i).toString());
            result.append(row);
        }
        return result;
    }

private:
    static inline int count = 0;
    QString name;
    QSqlDatabase db;
};

} // namespace

class DataAccessTest : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir dir;
    QString path;
    TADOConnection* connection = nullptr;
    TADOQuery* remarks = nullptr;
    TADOQuery* sales = nullptr;

    void connectAndOpen()
    {
        connection->ConnectionString = connectionStringFor(path);
        openTables(*sales, *remarks);
    }

private slots:
    void init()
    {
        QFile::remove(dir.filePath(QStringLiteral("data.mdb")));
        makeDataFile(dir.path());
        path = dir.filePath(QStringLiteral("data.mdb"));
        connection = new TADOConnection(nullptr, QStringLiteral("ADOConnection1"));
        sales = new TADOQuery(connection, QStringLiteral("ADOQuery1"));
        sales->Connection = connection;
        remarks = new TADOQuery(connection, QStringLiteral("ADOQuery2"));
        remarks->Connection = connection;
    }
    void cleanup() { delete connection; }

    void composedString()
    {
        QCOMPARE(connectionStringFor(QStringLiteral("/opt/shop/data.mdb")),
                 QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/shop/data.mdb;"
                                "Persist Security Info=False;Jet OLEDB:Database Password=''"));
    }

    void pathSurvivesTheString_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("plain -> same path") << "shop";
        QTest::newRow("; in the name -> same path") << "a;b";
        QTest::newRow("= and quotes -> same path") << "x=\"y\" 'z'";
        QTest::newRow("Chinese and blanks -> same path") << "星河 通讯";
        QTest::newRow("leading blank -> same path") << " lead";
    }
    void pathSurvivesTheString()
    {
        QFETCH(QString, folder);
        QVERIFY(QDir(dir.path()).mkpath(folder));
        const QString file = dir.filePath(folder) + QStringLiteral("/data.mdb");
        makeDataFile(dir.filePath(folder));
        const QString text = connectionStringFor(file);
        const ConnectionProperties properties = parseConnectionString(text);
        QCOMPARE(connectionProperty(properties, QStringLiteral("Data Source")), file);
        QCOMPARE(connectionProperty(properties, QStringLiteral("Provider")), TADOConnection::jetProvider);
        QCOMPARE(connectionProperty(properties, QStringLiteral("Jet OLEDB:Database Password")), QString());
        connection->ConnectionString = text;
        connection->setConnected(true); // reaches the real file
        QVERIFY(connection->Connected());
    }

    void rootFolderPathOpens()
    {
        // "//tmp/.../data.mdb", as the root folder builds it.
        connection->ConnectionString = connectionStringFor(u'/' + path);
        connection->setConnected(true);
        QVERIFY(connection->Connected());
    }

    void connectFailures_data()
    {
        QTest::addColumn<QByteArray>("content"); // "missing": no file
        QTest::addColumn<QString>("provider");
        QTest::addColumn<QString>("message");
        QByteArray access(4, '\0');
        access[1] = 1;
        access += QByteArray("Standard Jet DB") + QByteArray(2000, '\0');
        QTest::newRow("missing -> could not find, nothing created")
            << QByteArray("missing") << TADOConnection::jetProvider << "Could not find file '%1'.";
        QTest::newRow("Access file -> says so") << access << TADOConnection::jetProvider
                                               << "'%1' is a Microsoft Access (Jet) database, which this program "
                                                  "cannot open: it keeps its data in a SQLite database named data.mdb.";
        QTest::newRow("text file -> not a database") << QByteArray(4096, 'x') << TADOConnection::jetProvider
                                                    << "file is not a database";
        QTest::newRow("other provider -> not found") << QByteArray() << "SQLOLEDB"
                                                    << "Provider cannot be found. It may not be properly installed.";
    }
    void connectFailures()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, provider);
        QFETCH(QString, message);
        QFile::remove(path);
        if (content != "missing") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        connection->ConnectionString = QStringLiteral("Provider=%1;Data Source=%2").arg(provider, path);
        QCOMPARE(caughtMessage([&] { connection->setConnected(true); }), message.contains(QLatin1String("%1")) ? message.arg(path) : message);
        QVERIFY(!connection->Connected());
        QCOMPARE(QFile::exists(path), content != "missing");
    }

    void saveInsertsThenChangesTheSameRow()
    {
        connectAndOpen();
        saveRemarks(*remarks, QStringLiteral("电话:020-1"), QStringLiteral("谢谢"));
        saveRemarks(*remarks, QStringLiteral("电话:020-2"), QStringLiteral("再见"));
        OtherProgram other(path);
        QCOMPARE(other.rows(QStringLiteral("select 备注1, 备注2 from beizhu")),
                 (QList<QStringList>{{"电话:020-2", "再见"}}));
    }

    void saveChangesOnlyTheFirstRow()
    {
        OtherProgram other(path);
        other.exec(QStringLiteral("insert into beizhu values ('a1','a2'), ('b1','b2'), ('c1','c2')"));
        connectAndOpen();
        saveRemarks(*remarks, QStringLiteral("new1"), QStringLiteral("new2"));
        QCOMPARE(other.rows(QStringLiteral("select 备注1, 备注2 from beizhu order by rowid")),
                 (QList<QStringList>{{"new1", "new2"}, {"b1", "b2"}, {"c1", "c2"}}));
    }

    void remarkTexts_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("300 Latin -> first 255") << QString(300, u'a') << QString(255, u'a');
        QTest::newRow("300 Chinese -> first 255 characters") << QString(300, u'电') << QString(255, u'电');
        QTest::newRow("Chinese -> same characters") << "谢谢惠顾，欢迎再次光临！" << "谢谢惠顾，欢迎再次光临！";
        QTest::newRow("empty -> empty text") << "" << "";
    }
    void remarkTexts()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        connectAndOpen();
        saveRemarks(*remarks, typed, QStringLiteral("x"));
        OtherProgram other(path);
        const QList<QStringList> rows = other.rows(QStringLiteral("select 备注1, length(备注1), typeof(备注1) from beizhu"));
        QCOMPARE(rows.first().at(0), stored);
        QCOMPARE(rows.first().at(1).toInt(), stored.size());
        QCOMPARE(rows.first().at(2), QStringLiteral("text"));
    }

    void saveFailures_data()
    {
        QTest::addColumn<QString>("setup"); // statements, split at "|", another program runs first
        QTest::addColumn<QString>("message");
        QTest::newRow("closed dataset -> ADOQuery2: closed")
            << "" << "ADOQuery2: Cannot perform this operation on a closed dataset";
        QTest::newRow("no 备注1 column -> Field '备注1' not found")
            << "drop table beizhu | create table beizhu (备注2 VARCHAR(255))" << "ADOQuery2: Field '备注1' not found";
        QTest::newRow("beizhu a view -> read-only")
            << "drop table beizhu | create table notes (备注1 TEXT, 备注2 TEXT) | create view beizhu as select * from notes"
            << "ADOQuery2: Cannot modify a read-only dataset";
        QTest::newRow("row refused -> the database's message")
            << "create trigger refuse before insert on beizhu begin select raise(abort, 'remarks are locked'); end"
            << "remarks are locked";
    }
    void saveFailures()
    {
        QFETCH(QString, setup);
        QFETCH(QString, message);
        {
            OtherProgram other(path);
            for (const QString& sql : setup.split(u'|', Qt::SkipEmptyParts))
                other.exec(sql);
        }
        if (!setup.isEmpty())
            connectAndOpen();
        QCOMPARE(caughtMessage([&] { saveRemarks(*remarks, QStringLiteral("r1"), QStringLiteral("r2")); }), message);
        OtherProgram other(path);
        QCOMPARE(other.rows(QStringLiteral("select count(*) from beizhu")).first().first(), QStringLiteral("0"));
    }

    void refusedSaveStaysEditingAndTheNextSaveWins()
    {
        OtherProgram other(path);
        other.exec(QStringLiteral("create trigger refuse before insert on beizhu begin select raise(abort, 'no'); end"));
        connectAndOpen();
        QVERIFY(!caughtMessage([&] { saveRemarks(*remarks, QStringLiteral("first"), QStringLiteral("x")); }).isEmpty());
        QCOMPARE(remarks->dataState(), TADOQuery::State::Insert);
        other.exec(QStringLiteral("drop trigger refuse"));
        saveRemarks(*remarks, QStringLiteral("second"), QStringLiteral("y"));
        QCOMPARE(remarks->dataState(), TADOQuery::State::Browse);
        QCOMPARE(other.rows(QStringLiteral("select 备注1 from beizhu")), (QList<QStringList>{{"second"}}));
    }

    void savedRemarksSurviveAKilledProcess()
    {
        QProcess writer;
        writer.start(QStringLiteral(REMARK_WRITER), {dir.path()});
        int lastSaved = 0;
        while (lastSaved < 40 && writer.waitForReadyRead(10000))
            while (writer.canReadLine())
                lastSaved = writer.readLine().mid(6).trimmed().toInt();
        QVERIFY(lastSaved >= 40);
        writer.kill(); // SIGKILL, in the middle of whatever it was writing
        writer.waitForFinished();
        OtherProgram other(path);
        const QList<QStringList> rows = other.rows(QStringLiteral("select 备注1, 备注2 from beizhu"));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().at(0), rows.first().at(1)); // never half a pair
        const int stored = rows.first().at(0).mid(1, rows.first().at(0).indexOf(u'次') - 1).toInt();
        QVERIFY2(stored >= lastSaved, qPrintable(QStringLiteral("%1 < %2").arg(stored).arg(lastSaved)));
        QCOMPARE(other.rows(QStringLiteral("pragma integrity_check")).first().first(), QStringLiteral("ok"));
    }

    void rowChangedByAnotherProgramIsNotOverwritten()
    {
        OtherProgram other(path);
        other.exec(QStringLiteral("insert into beizhu values ('mine', 'two')"));
        connectAndOpen();
        other.exec(QStringLiteral("update beizhu set 备注1 = 'theirs'"));
        QCOMPARE(caughtMessage([&] { saveRemarks(*remarks, QStringLiteral("late"), QStringLiteral("two")); }),
                 QStringLiteral("Row cannot be located for updating. Some values may have been changed since it "
                                "was last read."));
        QCOMPARE(other.rows(QStringLiteral("select 备注1 from beizhu")), (QList<QStringList>{{"theirs"}}));
    }

    void lockedByAnotherWriter()
    {
        connectAndOpen();
        OtherProgram other(path);
        other.exec(QStringLiteral("begin exclusive"));
        QElapsedTimer waited;
        waited.start();
        QCOMPARE(caughtMessage([&] { saveRemarks(*remarks, QStringLiteral("r1"), QStringLiteral("r2")); }),
                 QStringLiteral("database is locked"));
        QVERIFY(waited.elapsed() >= TADOConnection::busyTimeoutMs - 100); // it waited for the lock first
        other.exec(QStringLiteral("rollback"));
        saveRemarks(*remarks, QStringLiteral("r1"), QStringLiteral("r2")); // the edit goes on
        QCOMPARE(other.rows(QStringLiteral("select 备注1 from beizhu")), (QList<QStringList>{{"r1"}}));
    }

    void emptying_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("rows");
        QTest::newRow("empty -> nothing to do") << "" << 0;
        QTest::newRow("1,000 rows -> empty") << "" << 1000;
        QTest::newRow("other columns, no key -> empty") << "create table xiaoshou (a, b TEXT, c BLOB)" << 50;
    }
    void emptying()
    {
        QFETCH(QString, table);
        QFETCH(int, rows);
        OtherProgram other(path);
        if (!table.isEmpty()) {
            other.exec(QStringLiteral("drop table xiaoshou"));
            other.exec(table);
        }
        for (int i = 0; i < rows; ++i)
            other.exec(table.isEmpty() ? QStringLiteral("insert into xiaoshou (haoma) values ('%1')").arg(i)
                                       : QStringLiteral("insert into xiaoshou values (%1, 'x', x'00')").arg(i));
        connectAndOpen();
        emptySalesTable(*connection, *sales);
        QCOMPARE(other.rows(QStringLiteral("select count(*) from xiaoshou")).first().first(), QStringLiteral("0"));
    }

    void failedDeletionKeepsEarlierDeletions()
    {
        OtherProgram other(path);
        for (int i = 1; i <= 10; ++i)
            other.exec(QStringLiteral("insert into xiaoshou (id) values (%1)").arg(i));
        other.exec(QStringLiteral("create trigger keep before delete on xiaoshou when old.id = 5 "
                                  "begin select raise(abort, 'row 5 is kept'); end"));
        connectAndOpen();
        QCOMPARE(caughtMessage([&] { emptySalesTable(*connection, *sales); }), QStringLiteral("row 5 is kept"));
        QCOMPARE(other.rows(QStringLiteral("select id from xiaoshou")),
                 (QList<QStringList>{{"5"}, {"6"}, {"7"}, {"8"}, {"9"}, {"10"}}));
    }

    void missingSalesTableFailsBeforeRemarks()
    {
        OtherProgram(path).exec(QStringLiteral("drop table xiaoshou"));
        connection->ConnectionString = connectionStringFor(path);
        QCOMPARE(caughtMessage([&] { openTables(*sales, *remarks); }), QStringLiteral("no such table: xiaoshou"));
        QVERIFY(!sales->Active());
        QVERIFY(!remarks->Active());
    }

    void recordSetRules()
    {
        OtherProgram other(path);
        other.exec(QStringLiteral("insert into xiaoshou (id) values (1), (2), (3)"));
        connectAndOpen();
        QCOMPARE(sales->RecordCount(), 3);
        sales->Next();
        sales->Delete(); // the next row becomes current
        QCOMPARE(sales->FieldByName(QStringLiteral("id")).AsString(), QStringLiteral("3"));
        sales->Delete();
        QVERIFY(sales->Eof());
        sales->First();
        sales->Delete();
        QVERIFY(sales->Eof());
        QCOMPARE(caughtMessage([&] { sales->setSQL(QStringLiteral("select 1")); }),
                 QStringLiteral("ADOQuery1: Cannot perform this operation on an open dataset"));
        sales->Close();
        QVERIFY(connection->Connected()); // closing a record set keeps the connection
        sales->Close();                    // and closing again does nothing
    }
};

QTEST_GUILESS_MAIN(DataAccessTest)
#include "tst_dataaccess.moc"
