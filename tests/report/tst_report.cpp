// The receipt report against the private print server: what reaches the paper,
// the text rules, the printer states, the mode text and failures while drawing.
#include "TestHelpers.h"
#include "AppError.h"
#include "Fonts.h"
#include "FormFactory.h"
#include "Guard.h"
#include "JpegWriter.h"
#include "ModalWatcher.h"
#include "PdfPage.h"
#include "PrintServer.h"
#include "TQRBand.h"
#include "TQRImage.h"
#include "TQRLabel.h"
#include "TQuickRep.h"
#include "UnitPrintSPLTPOSXBY57.h"

#include <QApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QPrintPreviewDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>

class ReportTest : public QObject
{
    Q_OBJECT
private:
    TPrintSPLTPOSXBY57* report()
    {
        if (!PrintSPLTPOSXBY57)
            createForm(PrintSPLTPOSXBY57);
        return PrintSPLTPOSXBY57;
    }
    // One run in print mode; the job's PDF as the server kept it.
    PdfPage printReceipt()
    {
        const int before = PrintServer::jobCount();
        report()->Edit2->setText(QStringLiteral("print"));
        report()->BitBtn1Click(report()->BitBtn1);
        [&] { QCOMPARE(PrintServer::jobCount(), before + 1); }();
        return PdfPage(PrintServer::jobFiles().last());
    }
    void releaseClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void init()
    {
        PrintServer::reset();
        PrintServer::addQueue(QStringLiteral("receipt58"));
        PrintServer::setDefault(QStringLiteral("receipt58"));
    }
    void cleanup()
    {
        releaseApplicationForms();
        QCOMPARE(PrintSPLTPOSXBY57, nullptr);
    }

    void pageAndJob()
    {
        const PdfPage page = printReceipt();
        QCOMPARE(page.pages, 1);
        // 569 x 17354 tenths of a millimetre; Qt writes whole points.
        QVERIFY(qAbs(page.pagePoints.width() - 161.29) <= 0.5);
        QVERIFY(qAbs(page.pagePoints.height() - 4919.2) <= 0.5);
        QCOMPARE(PrintServer::lastJobAttribute("media"), QStringLiteral("Custom.56.9x1735.4mm"));
        QCOMPARE(PrintServer::lastJobAttribute("job-name"), QString());
    }

    void positions_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<QString>("element");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("top");
        const struct { const char* name; double left, top; } rows[] = {
            {"QRLTitle1", 0.529, 27.517}, {"QRLAddr1", 0, 35.983}, {"QRLAddr2", 0, 42.333},
            {"QRLAddr3", 0, 48.683},      {"QRLAddr4", 0, 55.033}, {"QRLPostcode", 0, 61.383},
            {"QRLTel", 0, 67.733},        {"QRLabel1", 0, 74.083}, {"QRLabelB1", 0, 80.433},
            {"QRLabelB2", 0, 86.783}};
        for (const char* queue : {"receipt58", "receipt58fixed"})
            for (const auto& row : rows)
                QTest::addRow("%s on %s -> %.3f, %.3f mm + 5 mm", row.name, queue, row.left, row.top)
                    << queue << row.name << row.left + 5 << row.top + 5;
    }
    void positions()
    {
        QFETCH(QString, queue);
        QFETCH(QString, element);
        QFETCH(double, left);
        QFETCH(double, top);
        if (queue != QLatin1String("receipt58")) {
            PrintServer::addQueue(queue, PrintServer::Paper::Fixed);
            PrintServer::setDefault(queue);
        }
        // A Latin caption, so the word's box top is the font's cell top.
        const QString marker = QStringLiteral("X") + element;
        auto* label = qobject_cast<TQRLabel*>(elementByName(element));
        QVERIFY(label);
        label->Caption = marker;
        const PdfPage page = printReceipt();
        const PdfWord* word = page.word(marker);
        QVERIFY(word);
        QVERIFY2(qAbs(PdfPage::mm(word->box.left()) - left) <= 0.3, qPrintable(QString::number(PdfPage::mm(word->box.left()))));
        QVERIFY2(qAbs(PdfPage::mm(word->box.top()) - top) <= 0.3, qPrintable(QString::number(PdfPage::mm(word->box.top()))));
    }

    void receiptTextsExtractExactly()
    {
        TPrintSPLTPOSXBY57* r = report();
        r->QRLTitle1->Caption = QStringLiteral("中国联通话费充值收据");
        r->QRLAddr1->Caption = QStringLiteral("充值号码:13800138000");
        r->QRLAddr2->Caption = QStringLiteral("充值金额:50");
        r->QRLAddr3->Caption = QStringLiteral("充值时间:2009-09-06 19:05:09");
        r->QRLAddr4->Caption = QStringLiteral("充值网点:星河通讯充值店");
        r->QRLPostcode->Caption = QStringLiteral("电话:020-XXXXXX");
        r->QRLTel->Caption = QStringLiteral("谢谢惠顾，欢迎再次光临！");
        r->QRLabel1->Caption = QStringLiteral("中国联通咨询热线：10010");
        const PdfPage page = printReceipt();
        QCOMPARE(page.lines,
                 QStringList({"中国联通话费充值收据", "充值号码:13800138000", "充值金额:50",
                              "充值时间:2009-09-06 19:05:09", "充值网点:星河通讯充值店", "电话:020-XXXXXX",
                              "谢谢惠顾，欢迎再次光临！", "中国联通咨询热线：10010", ".", "."}));
    }

    void logoFillsItsBoxAndNothingLiesBelowTheLastDot()
    {
        // A picture of other proportions still fills 44.715 x 21.431 mm.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tall.jpg"));
        QFile tall(path);
        QVERIFY(tall.open(QIODevice::WriteOnly));
        tall.write(encodeJpeg(solidImage(40, 120, qRgb(0, 0, 0)), JpegKind::Baseline));
        tall.close();
        report()->QRImage1->Picture.LoadFromFile(path);
        const PdfPage page = printReceipt();
        QCOMPARE(page.images.size(), 1);
        const QImage top = page.renderTop(110); // 10 pixels a millimetre
        QRect ink;
        for (int y = 0; y < top.height(); ++y)
            for (int x = 0; x < top.width(); ++x)
                if (qGray(top.pixel(x, y)) < 200)
                    ink |= QRect(x, y, 1, 1);
        // The black logo starts at 5.529, 5.265 mm and is 44.715 x 21.431 mm.
        QRect logo;
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < top.width(); ++x)
                if (qGray(top.pixel(x, y)) < 128)
                    logo |= QRect(x, y, 1, 1);
        QVERIFY2(qAbs(logo.left() / 10.0 - 5.529) <= 0.3, qPrintable(QString::number(logo.left())));
        QVERIFY2(qAbs(logo.top() / 10.0 - 5.265) <= 0.3, qPrintable(QString::number(logo.top())));
        QVERIFY2(qAbs(logo.width() / 10.0 - 44.715) <= 0.3, qPrintable(QString::number(logo.width())));
        QVERIFY2(qAbs(logo.height() / 10.0 - 21.431) <= 0.3, qPrintable(QString::number(logo.height())));
        // The lowest mark is the second dot, whose box ends 96.546 mm down.
        QVERIFY2(ink.bottom() / 10.0 <= 96.546 && ink.bottom() / 10.0 > 90, qPrintable(QString::number(ink.bottom())));
    }

    void textRules_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("printed");
        QTest::newRow("a CR b -> a") << "first\rsecond" << QStringList{"first"};
        QTest::newRow("a LF b -> ab") << "join\ned" << QStringList{"joined"};
        QTest::newRow("CR LF -> first line only") << "one\r\ntwo" << QStringList{"one"};
        QTest::newRow("empty -> nothing") << "" << QStringList{};
    }
    void textRules()
    {
        QFETCH(QString, caption);
        QFETCH(QStringList, printed);
        report()->QRLAddr2->Caption = caption;
        const PdfPage page = printReceipt();
        QStringList expected{"中国移动话费充值收据", "addr1"};
        expected += printed;
        expected += QStringList{"addr3", "addr4", "Postcode", "Tel", "10086", ".", "."};
        QCOMPARE(page.lines, expected);
        // The rows below keep their places.
        QVERIFY(qAbs(PdfPage::mm(page.word(QStringLiteral("addr3"))->box.top()) - 53.683) <= 0.3);
    }

    void wideTextIsNeitherWrappedNorShortened()
    {
        const QString wide(60, u'W');
        report()->QRLAddr2->Caption = wide;
        // On a surface wider than the paper, the same layout routine draws it whole.
        QImage wideSheet(4000, 1100, QImage::Format_RGB32); // 400 x 110 mm at 10 pixels a millimetre
        wideSheet.setDotsPerMeterX(10000);
        wideSheet.setDotsPerMeterY(10000);
        wideSheet.fill(Qt::white);
        QPainter painter(&wideSheet);
        report()->QuickRep1->paint(painter);
        painter.end();
        int right = 0;
        for (int y = 475; y < 515; ++y) // the amount line's row
            for (int x = 0; x < wideSheet.width(); ++x)
                if (qGray(wideSheet.pixel(x, y)) < 128)
                    right = std::max(right, x);
        const double textWidth = QFontMetricsF(report()->QRLAddr2->Font, &wideSheet).horizontalAdvance(wide);
        QVERIFY2(right > 1500 && qAbs(right - (50 + textWidth)) < 20, qPrintable(QString::number(right)));
        // On paper, the part within the page is printed on one line; nothing wraps.
        const PdfPage page = printReceipt();
        QVERIFY(wide.startsWith(page.lines.at(2)) && page.lines.at(2).size() >= 10);
        QCOMPARE(page.lines.at(3), QStringLiteral("addr3"));
    }

    void noPrinterAtAll()
    {
        PrintServer::reset();
        ModalWatcher watcher;
        QVERIFY(guarded([&] {
            report()->Edit2->setText(QStringLiteral("print"));
            report()->BitBtn1Click(report()->BitBtn1);
        }));
        releaseClosedWindows();
        QCOMPARE(PrintSPLTPOSXBY57, nullptr);
        QCOMPARE(PrintServer::jobCount(), 0);
        QCOMPARE(watcher.seen.size(), 0);
    }

    void printersButNoDefault()
    {
        PrintServer::reset();
        PrintServer::addQueue(QStringLiteral("receipt58"));
        QCOMPARE(caughtMessage([&] { createForm(PrintSPLTPOSXBY57); }),
                 QStringLiteral("There is no default printer currently selected"));
        QCOMPARE(PrintSPLTPOSXBY57, nullptr);
    }

    void defaultGoneSinceConstruction()
    {
        report();
        PrintServer::reset();
        PrintServer::addQueue(QStringLiteral("other"));
        report()->Edit2->setText(QStringLiteral("print"));
        QCOMPARE(caughtMessage([&] { report()->BitBtn1Click(nullptr); }),
                 QStringLiteral("There is no default printer currently selected"));
        QVERIFY(PrintSPLTPOSXBY57); // left standing
        QCOMPARE(PrintServer::jobCount(), 0);
    }

    void defaultChangedBetweenRuns()
    {
        PrintServer::addQueue(QStringLiteral("second"), PrintServer::Paper::Fixed);
        printReceipt();
        releaseClosedWindows();
        PrintServer::setDefault(QStringLiteral("second"));
        const PdfPage page = printReceipt();
        QCOMPARE(PrintServer::lastJobAttribute("job-printer-uri").section(u'/', -1), QStringLiteral("second"));
        // A queue without custom sizes prints on its own paper, 58 x 210 mm.
        QVERIFY2(qAbs(page.pagePoints.width() - 164) <= 0.5 && qAbs(page.pagePoints.height() - 595) <= 0.5,
                 qPrintable(QStringLiteral("%1 x %2").arg(page.pagePoints.width()).arg(page.pagePoints.height())));
        QVERIFY(qAbs(PdfPage::mm(page.word(QStringLiteral("addr1"))->box.top()) - 40.983) <= 0.3);
    }

    void queueRejectingJobs()
    {
        PrintServer::rejectJobs(QStringLiteral("receipt58"));
        report()->Edit2->setText(QStringLiteral("print"));
        const QString message = caughtMessage([&] { report()->BitBtn1Click(nullptr); });
        QVERIFY2(message.contains(QLatin1String("not accepting jobs")), qPrintable(message));
        QVERIFY(PrintSPLTPOSXBY57);
        QCOMPARE(PrintServer::jobCount(), 0);
    }

    void schedulerStopped()
    {
        report();
        PrintServer::stop();
        report()->Edit2->setText(QStringLiteral("print"));
        const QString message = caughtMessage([&] { report()->BitBtn1Click(nullptr); });
        PrintServer::start();
        QVERIFY2(message.startsWith(QLatin1String("Cannot reach the print service at ")), qPrintable(message));
        QVERIFY(PrintSPLTPOSXBY57);
    }

    void modeText_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("prints");
        QTest::newRow("print -> prints") << "print" << true;
        QTest::newRow("Print -> preview") << "Print" << false;
        QTest::newRow("'print ' -> preview") << "print " << false;
        QTest::newRow("empty -> preview") << "" << false;
        QTest::newRow("Edit2 -> preview") << "Edit2" << false;
    }
    void modeText()
    {
        QFETCH(QString, mode);
        QFETCH(bool, prints);
        bool previewed = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget())) {
                previewed = true;
                dialog->reject();
            }
        });
        poll.start(10);
        QCOMPARE(report()->Edit2->text(), QStringLiteral("Edit2"));
        report()->Edit2->setText(mode);
        report()->BitBtn1Click(nullptr);
        QCOMPARE(previewed, !prints);
        QCOMPARE(PrintServer::jobCount(), prints ? 1 : 0);
        releaseClosedWindows();
        QCOMPARE(PrintSPLTPOSXBY57, nullptr);
    }

    void zeroByteLogoPrintsPartOfTheReceipt()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("10086.jpg"));
        QFile(path).open(QIODevice::WriteOnly);
        report()->QRImage1->Picture.LoadFromFile(path);
        report()->Edit2->setText(QStringLiteral("print"));
        QCOMPARE(caughtMessage([&] { report()->BitBtn1Click(nullptr); }),
                 QStringLiteral("JPEG error #%1").arg(JERR_INPUT_EMPTY));
        QCOMPARE(PrintServer::jobCount(), 1);
        const PdfPage partial(PrintServer::jobFiles().last());
        QCOMPARE(partial.lines, QStringList({"中国移动话费充值收据", "addr1", "addr2", "addr3", "addr4", "Postcode",
                                             "Tel", "10086"}));
        QCOMPARE(partial.images.size(), 0);
        releaseClosedWindows();
        QVERIFY(PrintSPLTPOSXBY57); // left standing
        report()->QRImage1->Picture.LoadFromFile(QStringLiteral(":/images/default-logo.jpg"));
        const PdfPage full = printReceipt();
        QCOMPARE(full.lines.size(), 10);
        QCOMPARE(full.images.size(), 1);
        releaseClosedWindows();
        QCOMPARE(PrintSPLTPOSXBY57, nullptr);
    }

    void runRequestDuringARunIsIgnored()
    {
        TPrintSPLTPOSXBY57* window = report();
        window->Edit2->setText(QStringLiteral("print"));
        int requests = 0;
        QTimer::singleShot(0, window, [&] {
            ++requests;
            window->BitBtn1Click(nullptr); // arrives while the first run handles events
        });
        window->BitBtn1Click(nullptr);
        QCOMPARE(requests, 1);
        QCOMPARE(PrintServer::jobCount(), 1);
        QVERIFY(PrintSPLTPOSXBY57); // its release is queued, not done
        releaseClosedWindows();
        QCOMPARE(PrintSPLTPOSXBY57, nullptr);
    }

private:
    TQRPrintable* elementByName(const QString& name)
    {
        TPrintSPLTPOSXBY57* r = report();
        const QList<QPair<const char*, TQRPrintable*>> all = {
            {"QRLTitle1", r->QRLTitle1}, {"QRLAddr1", r->QRLAddr1},       {"QRLAddr2", r->QRLAddr2},
            {"QRLAddr3", r->QRLAddr3},   {"QRLAddr4", r->QRLAddr4},       {"QRLPostcode", r->QRLPostcode},
            {"QRLTel", r->QRLTel},       {"QRLabel1", r->QRLabel1},       {"QRLabelB1", r->QRLabelB1},
            {"QRLabelB2", r->QRLabelB2}, {"QRImage1", r->QRImage1}};
        for (const auto& [n, e] : all)
            if (name == QLatin1String(n))
                return e;
        return nullptr;
    }
};

QTEST_MAIN(ReportTest)
#include "tst_report.moc"
