#include "PrintServer.h"

#include <QDir>
#include <QProcess>
#include <QTest>

#include <cups/cups.h>

namespace {

QString folder()
{
    return qEnvironmentVariable("TOPUP_PRINT_SERVER_DIR");
}

void run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        qFatal("%s %s failed: %s", qPrintable(program), qPrintable(arguments.join(u' ')),
               process.readAll().constData());
}

QStringList spoolFiles()
{
    QDir spool(folder() + QStringLiteral("/spool"));
    return spool.entryList({QStringLiteral("d*-001")}, QDir::Files, QDir::Name);
}

} // namespace

namespace PrintServer {

void reset()
{
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    for (int i = 0; i < count; ++i)
        run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), QString::fromUtf8(dests[i].name)});
    cupsFreeDests(count, dests);
    for (const QString& name : spoolFiles())
        QFile::remove(folder() + QStringLiteral("/spool/") + name);
}

void addQueue(const QString& name, Paper paper)
{
    const QString ppd = folder() + (paper == Paper::Custom ? QStringLiteral("/etc/receipt58-custom.ppd")
                                                          : QStringLiteral("/etc/receipt58-fixed.ppd"));
    run(QStringLiteral("lpadmin"), {QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"),
                                    QStringLiteral("file:///dev/null"), QStringLiteral("-P"), ppd});
}

void removeQueue(const QString& name)
{
    run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), name});
}

void setDefault(const QString& name)
{
    run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), name});
}

void rejectJobs(const QString& name)
{
    run(QStringLiteral("cupsreject"), {name});
}

void stop()
{
    run(qEnvironmentVariable("TOPUP_PRINT_SERVER"), {QStringLiteral("stop"), folder()});
}

void start()
{
    run(qEnvironmentVariable("TOPUP_PRINT_SERVER"), {QStringLiteral("restart"), folder()});
}

QStringList jobFiles()
{
    QStringList files;
    for (const QString& name : spoolFiles())
        files.append(folder() + QStringLiteral("/spool/") + name);
    return files;
}

int jobCount()
{
    return int(spoolFiles().size());
}

QString lastJobAttribute(const char* name)
{
    const QStringList files = spoolFiles();
    if (files.isEmpty())
        return QString();
    const int job = files.last().mid(1, files.last().indexOf(u'-') - 1).toInt();
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    const QByteArray uri = QStringLiteral("ipp://localhost/jobs/%1").arg(job).toUtf8();
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "all");
    ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    QString value;
    if (ipp_attribute_t* attribute = response ? ippFindAttribute(response, name, IPP_TAG_ZERO) : nullptr) {
        char text[1024];
        ippAttributeString(attribute, text, sizeof text);
        value = QString::fromUtf8(text);
    }
    ippDelete(response);
    return value;
}

} // namespace PrintServer
