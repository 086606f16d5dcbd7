// Test helper: saves numbered remark pairs into FOLDER/data.mdb through the
// store, for ever, reporting "saved N" after each save returns. The durability
// test kills it with SIGKILL at some point.
#include "DataStore.h"
#include "ProgramFolder.h"
#include "TADOConnection.h"
#include "TADOQuery.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    setProgramFolderOverride(QString::fromLocal8Bit(argv[1]));
    TADOConnection connection(nullptr, QStringLiteral("ADOConnection1"));
    TADOQuery sales(&connection, QStringLiteral("ADOQuery1"));
    TADOQuery remarks(&connection, QStringLiteral("ADOQuery2"));
    sales.Connection = remarks.Connection = &connection;
    connection.ConnectionString = connectionStringFor(dataFilePath());
    openTables(sales, remarks);
    for (int n = 1;; ++n) {
        // Both remarks carry the same number: a half-written pair would show.
        const QString text = QStringLiteral("第%1次保存").arg(n) + QString(200, u'备');
        saveRemarks(remarks, text, text);
        std::printf("saved %d\n", n);
        std::fflush(stdout);
    }
}
