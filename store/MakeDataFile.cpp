// Build tool: creates an empty data.mdb from the schema.
//   make-data-file SCHEMA.sql OUTPUT
#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make-data-file SCHEMA.sql OUTPUT\n");
        return 2;
    }
    QFile schema(QString::fromLocal8Bit(argv[1]));
    if (!schema.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "make-data-file: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString output = QString::fromLocal8Bit(argv[2]);
    const QString building = output + QStringLiteral(".new");
    QFile::remove(building);
    int result = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
        db.setDatabaseName(building);
        QSqlQuery query(db);
        if (!db.open())
            result = 1;
        QString script;
        for (const QString& line : QString::fromUtf8(schema.readAll()).split(u'\n'))
            script += line.section(QStringLiteral("--"), 0, 0) + u'\n';
        for (const QString& statement : script.split(u';', Qt::SkipEmptyParts)) {
            if (result == 0 && !statement.trimmed().isEmpty() && !query.exec(statement)) {
                std::fprintf(stderr, "make-data-file: %s\n", qPrintable(query.lastError().text()));
                result = 1;
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
    if (result == 0 && (QFile::exists(output) && !QFile::remove(output)))
        result = 1;
    if (result == 0 && !QFile::rename(building, output))
        result = 1;
    return result;
}
