#pragma once

#include <QString>

class TADOConnection;
class TADOQuery;

// The data file beside the program, and the connection string that names it.
QString dataFilePath();
QString connectionStringFor(const QString& databasePath);

// Connects at start-up. A failure is reported in the connection error box
// ("Error", "提示：数据库连接出错！", "&Yes") and start-up goes on; the
// connection string stays set, so the next opening tries again.
void connectStore(TADOConnection& connection);

// Opens the sales table, then the remarks table, each on its first row.
void openTables(TADOQuery& sales, TADOQuery& remarks);

// Stores the two remarks in the first row of beizhu, or in a new row when it
// has none. On failure nothing is stored and the record set stays editing.
void saveRemarks(TADOQuery& remarks, const QString& remark1, const QString& remark2);

// Deletes every row of xiaoshou, one by one. The rows are deleted in one
// transaction, committed also when a row fails: rows deleted before a failure
// stay deleted.
void emptySalesTable(TADOConnection& connection, TADOQuery& sales);

// The saved remarks, when the remarks table has a row.
struct SavedRemarks
{
    bool present = false;
    QString remark1;
    QString remark2;
};
SavedRemarks savedRemarks(TADOQuery& remarks);
