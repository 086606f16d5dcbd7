// Receipt latency, job size and the soak run, through the entry window and a
// print server (scripts/bench starts a private one).
//   bench_receipt PROGRAM-FOLDER SPOOL-FOLDER QUEUE [receipts] [soak]
// Latency: from Enter in the amount field to the job accepted by the server
// (the print command returns once the server has taken the job), against `lp`
// handing the same PDF to the same queue.
#include "BenchSupport.h"
#include "Fonts.h"
#include "ProgramFolder.h"
#include "TFlatEdit.h"
#include "UnitMain.h"
#include "UnitPrintSPLTPOSXBY57.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>

namespace {

QStringList jobs(const QString& spool)
{
    QStringList files = QDir(spool).entryList({QStringLiteral("d*-001")}, QDir::Files, QDir::Name);
    for (QString& file : files)
        file = spool + u'/' + file;
    return files;
}

} // namespace

// The offscreen platform warns at every progress window; the table is what matters.
void quietHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (!message.contains(QLatin1String("propagateSizeHints")) && type != QtDebugMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

int main(int argc, char* argv[])
{
    qInstallMessageHandler(quietHandler);
    QApplication application(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: bench_receipt PROGRAM-FOLDER SPOOL-FOLDER QUEUE [receipts] [soak]\n");
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString spool = QString::fromLocal8Bit(argv[2]);
    const QString queue = QString::fromLocal8Bit(argv[3]);
    const int receipts = argc > 4 ? std::atoi(argv[4]) : 50;
    const int soak = argc > 5 ? std::atoi(argv[5]) : 1000;

    QTemporaryDir folder;
    for (const char* name : {"data.mdb", "10086.jpg", "10000.jpg", "10010.jpg"})
        QFile::copy(source + u'/' + QLatin1String(name), folder.filePath(QLatin1String(name)));
    setProgramFolderOverride(folder.path());
    installFontSubstitutions();
    TFormMain form;
    form.show();
    QApplication::setActiveWindow(&form);
    form.FlatEdit2->setText(QStringLiteral("13800138000"));
    form.FlatEdit3->setText(QStringLiteral("50"));

    auto receipt = [&] {
        QTest::keyClick(form.FlatEdit3, Qt::Key_Return);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    receipt(); // warm-up
    QList<double> ours;
    for (int i = 0; i < receipts; ++i) {
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(form.FlatEdit3, Qt::Key_Return);
        ours.append(timer.nsecsElapsed() / 1e6);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    const QString pdf = jobs(spool).last();
    const qint64 jobBytes = QFileInfo(pdf).size();
    QList<double> floor;
    for (int i = 0; i < receipts; ++i) {
        QProcess lp;
        QElapsedTimer timer;
        timer.start();
        lp.start(QStringLiteral("lp"), {QStringLiteral("-d"), queue, pdf});
        lp.waitForFinished(30000);
        floor.append(timer.nsecsElapsed() / 1e6);
    }
    std::printf("receipt latency (median of %d): ours %.1f ms, lp %.1f ms, ratio %.2f (goal <= 1.5)\n", receipts,
                BenchSupport::median(ours), BenchSupport::median(floor), BenchSupport::median(ours) / BenchSupport::median(floor));
    std::printf("job size: %lld bytes = %.1f KiB (goal <= 32 KiB)\n", jobBytes, jobBytes / 1024.0);

    if (soak > 0) {
        const int before = int(jobs(spool).size());
        long at10 = 0;
        int windowsLeft = 0;
        for (int i = 1; i <= soak; ++i) {
            receipt();
            windowsLeft += PrintSPLTPOSXBY57 != nullptr;
            if (i == 10)
                at10 = BenchSupport::processMemoryKiB("VmRSS");
        }
        const long atEnd = BenchSupport::processMemoryKiB("VmRSS");
        const int arrived = int(jobs(spool).size()) - before;
        std::printf("soak: %d receipts, %d jobs arrived, %d report windows left, resident memory %.2f MiB at "
                    "receipt 10 -> %.2f MiB at receipt %d (growth %+.2f MiB, goal within 1 MiB)\n",
                    soak, arrived, windowsLeft, at10 / 1024.0, atEnd / 1024.0, soak, (atEnd - at10) / 1024.0);
    }
    return 0;
}
