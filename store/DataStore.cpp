#include "DataStore.h"

#include "AppError.h"
#include "ConnectionString.h"
#include "MessageBox.h"
#include "ProgramFolder.h"
#include "TADOConnection.h"
#include "TADOQuery.h"

namespace {
const QString salesSelect = QStringLiteral("select * from xiaoshou");
const QString remarksSelect = QStringLiteral("select * from beizhu");

void reopen(TADOQuery& query, const QString& select)
{
    query.Close();
    query.setSQL(select);
    query.Open();
}
}

QString dataFilePath()
{
    return programFilePath(QStringLiteral("data.mdb"));
}

// The path is quoted when it holds ";" or quotes, so such a folder still names
// the right file.
QString connectionStringFor(const QString& databasePath)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + quotedConnectionValue(databasePath)
         + QStringLiteral(";Persist Security Info=False;Jet OLEDB:Database Password=''");
}

void connectStore(TADOConnection& connection)
{
    try {
        connection.ConnectionString = connectionStringFor(dataFilePath());
        connection.setConnected(true);
    } catch (...) {
        showMessageBox({QStringLiteral("Error"), QStringLiteral("提示：数据库连接出错！"), QMessageBox::Critical,
                        {QStringLiteral("&Yes")}, 0});
    }
}

void openTables(TADOQuery& sales, TADOQuery& remarks)
{
    reopen(sales, salesSelect);
    reopen(remarks, remarksSelect);
}

void saveRemarks(TADOQuery& remarks, const QString& remark1, const QString& remark2)
{
    remarks.Edit();
    remarks.FieldByName(QStringLiteral("备注1")).setAsString(remark1);
    remarks.FieldByName(QStringLiteral("备注2")).setAsString(remark2);
    remarks.Post();
}

void emptySalesTable(TADOConnection& connection, TADOQuery& sales)
{
    reopen(sales, salesSelect);
    sales.First();
    if (sales.Eof())
        return;
    connection.BeginTrans();
    try {
        while (!sales.Eof())
            sales.Delete();
    } catch (...) {
        connection.CommitTrans();
        throw;
    }
    connection.CommitTrans();
}

SavedRemarks savedRemarks(TADOQuery& remarks)
{
    if (!remarks.Active() || remarks.Eof())
        return {};
    return {true, remarks.FieldByName(QStringLiteral("备注1")).AsString(),
            remarks.FieldByName(QStringLiteral("备注2")).AsString()};
}
