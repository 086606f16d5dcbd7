// Start-up and peak memory: the entry window against a bare Qt window of the
// same size on the same platform plugin. Each run is a fresh process; the
// parent times from starting it to the child's word that its window has been
// painted. The child also reports its peak resident memory (VmHWM).
//   bench_startup PROGRAM-FOLDER [runs]
#include "FormFactory.h"
#include "BenchSupport.h"
#include "Fonts.h"
#include "ProgramFolder.h"
#include "UnitMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

QElapsedTimer phases; // since the child's main(), for BENCH_PHASES

// Reports once the window's first paint is done, then quits.
class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen) {
            seen = true;
            QTimer::singleShot(0, qApp, [] {
                if (qEnvironmentVariableIsSet("BENCH_PHASES"))
                    std::fprintf(stderr, "painted %.1f ms\n", phases.nsecsElapsed() / 1e6);
                std::printf("painted %ld\n", BenchSupport::processMemoryKiB("VmHWM"));
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }
    bool seen = false;
};

int child(int argc, char* argv[], const QByteArray& kind, const QString& folder)
{
    phases.start();
    if (kind != "bare") // as main() does
        loadSystemFontConfiguration();
    QApplication application(argc, argv);
    const bool showPhases = qEnvironmentVariableIsSet("BENCH_PHASES");
    if (showPhases)
        std::fprintf(stderr, "application %.1f ms\n", phases.nsecsElapsed() / 1e6);
    FirstPaint watcher;
    QWidget* window = nullptr;
    const bool entryWindow = kind == "main";
    if (entryWindow) {
        setProgramFolderOverride(folder);
        installFontSubstitutions();
        createForm(FormMain);
        window = FormMain;
    } else {
        window = new QWidget;
        window->resize(570, 577);
        if (kind == "label") { // the same bare window showing one line of Chinese
            installFontSubstitutions();
            auto* label = new QLabel(QStringLiteral("手机话费充值小票打印软件"), window);
            label->setFont(layoutFont(QStringLiteral("MS Sans Serif")));
            label->move(10, 10);
        }
    }
    if (showPhases)
        std::fprintf(stderr, "window created %.1f ms\n", phases.nsecsElapsed() / 1e6);
    window->installEventFilter(&watcher);
    window->show();
    if (showPhases)
        std::fprintf(stderr, "shown %.1f ms\n", phases.nsecsElapsed() / 1e6);
    const int result = QApplication::exec();
    releaseApplicationForms();
    if (!entryWindow)
        delete window;
    return result;
}

struct Run
{
    double ms;
    long peakKiB;
};

Run launch(const QString& self, const QString& kind, const QString& folder)
{
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(self, {QStringLiteral("--child"), kind, folder});
    while (process.waitForReadyRead(30000)) {
        const QByteArray line = process.readLine();
        if (line.startsWith("painted")) {
            const double ms = timer.nsecsElapsed() / 1e6;
            process.waitForFinished(30000);
            return {ms, line.mid(8).trimmed().toLong()};
        }
    }
    std::fprintf(stderr, "%s: no paint\n", qPrintable(kind));
    std::exit(1);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc >= 4 && QByteArray(argv[1]) == "--child")
        return child(argc, argv, QByteArray(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_startup PROGRAM-FOLDER [runs]\n");
        return 2;
    }
    const QString self = QString::fromLocal8Bit(argv[0]);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int runs = argc > 2 ? std::atoi(argv[2]) : 15;
    QList<double> mainMs, bareMs, labelMs, mainKiB, bareKiB;
    launch(self, QStringLiteral("main"), folder); // warm the file cache
    for (int i = 0; i < runs; ++i) {
        const Run entry = launch(self, QStringLiteral("main"), folder);
        const Run bare = launch(self, QStringLiteral("bare"), folder);
        labelMs.append(launch(self, QStringLiteral("label"), folder).ms);
        mainMs.append(entry.ms);
        bareMs.append(bare.ms);
        mainKiB.append(entry.peakKiB);
        bareKiB.append(bare.peakKiB);
    }
    std::printf("start-up to first paint (median of %d): ours %.1f ms, bare window %.1f ms, ratio %.2f (goal <= 1.5)\n",
                runs, BenchSupport::median(mainMs), BenchSupport::median(bareMs), BenchSupport::median(mainMs) / BenchSupport::median(bareMs));
    std::printf("  reference: bare window with one Chinese label %.1f ms (ours / it: %.2f)\n", BenchSupport::median(labelMs),
                BenchSupport::median(mainMs) / BenchSupport::median(labelMs));
    std::printf("peak memory (VmHWM): ours %.1f MiB, bare window %.1f MiB, ratio %.2f (goal <= 1.5)\n",
                BenchSupport::median(mainKiB) / 1024, BenchSupport::median(bareKiB) / 1024, BenchSupport::median(mainKiB) / BenchSupport::median(bareKiB));
    return 0;
}
