#include "DataFile.h"

#include <QProcess>

void makeDataFile(const QString& folder)
{
    QProcess tool;
    tool.setProcessChannelMode(QProcess::ForwardedChannels);
    tool.start(QStringLiteral(TOPUP_MAKE_DATA_FILE),
               {QStringLiteral(TOPUP_SCHEMA_FILE), folder + QStringLiteral("/data.mdb")});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        qFatal("make-data-file failed for %s", qPrintable(folder));
}
