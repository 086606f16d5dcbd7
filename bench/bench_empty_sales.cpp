// Emptying xiaoshou at close, against one "DELETE FROM xiaoshou" on the same
// file. Prints one row per table size: rows, ours (ms), floor (ms), ratio.
#include "DataStore.h"
#include "TADOConnection.h"
#include "TADOQuery.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>

namespace {

void fill(const QString& path, int rows)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        query.exec(QStringLiteral("DELETE FROM xiaoshou"));
        query.exec(QStringLiteral("BEGIN"));
        query.prepare(QStringLiteral("INSERT INTO xiaoshou (haoma, jine, yunyingshang, shijian) VALUES (?, '50', "
                                     "'中国移动', '2009-09-06 19:05:09')"));
        for (int i = 0; i < rows; ++i) {
            query.addBindValue(QStringLiteral("138%1").arg(i, 8, 10, QLatin1Char('0')));
            query.exec();
        }
        QSqlQuery(db).exec(QStringLiteral("COMMIT"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
}

double ours(const QString& path)
{
    TADOConnection connection(nullptr, QStringLiteral("ADOConnection1"));
    TADOQuery sales(&connection, QStringLiteral("ADOQuery1"));
    sales.Connection = &connection;
    connection.ConnectionString = connectionStringFor(path);
    connection.setConnected(true);
    QElapsedTimer timer;
    timer.start();
    emptySalesTable(connection, sales);
    return timer.nsecsElapsed() / 1e6;
}

double floor(const QString& path)
{
    double ms = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("floor"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        query.exec(QStringLiteral("PRAGMA synchronous=FULL"));
        QElapsedTimer timer;
        timer.start();
        query.exec(QStringLiteral("DELETE FROM xiaoshou"));
        ms = timer.nsecsElapsed() / 1e6;
    }
    QSqlDatabase::removeDatabase(QStringLiteral("floor"));
    return ms;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_empty_sales EMPTY-DATA.MDB\n");
        return 2;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data.mdb"));
    std::printf("%-28s %10s %10s %8s\n", "emptying xiaoshou", "ours ms", "floor ms", "ratio");
    for (int rows : {10000, 100000}) {
        QFile::remove(path);
        QFile::copy(QString::fromLocal8Bit(argv[1]), path);
        fill(path, rows);
        const double mine = ours(path);
        fill(path, rows);
        const double base = floor(path);
        std::printf("%-28s %10.1f %10.1f %8.2f\n", qPrintable(QStringLiteral("%1 rows").arg(rows)), mine, base,
                    mine / base);
    }
    return 0;
}
