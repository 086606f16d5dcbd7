// The print command end to end: entry window -> report window -> print server
// -> the receipt's PDF.
#include "TestHelpers.h"
#include "Clock.h"
#include "DataFile.h"
#include "Fonts.h"
#include "FormFactory.h"
#include "JpegWriter.h"
#include "ModalWatcher.h"
#include "PdfPage.h"
#include "PrintServer.h"
#include "ProgramFolder.h"
#include "TFlatComboBox.h"
#include "TFlatEdit.h"
#include "TFlatSpeedButton.h"
#include "TQRLabel.h"
#include "UnitMain.h"
#include "UnitPrintSPLTPOSXBY57.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>

namespace {
// Each logo has its own size, so the PDF tells which one was printed.
const QSize mobileLogo(100, 50), telecomLogo(120, 60), unicomLogo(140, 70), builtInLogo(192, 90);

}

class PrintCommandTest : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir programDir;
    TFormMain* form = nullptr;

    void writeFile(const QString& name, const QByteArray& bytes)
    {
        QFile file(programDir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    void writeLogo(const QString& name, QSize size)
    {
        writeFile(name, encodeJpeg(solidImage(size.width(), size.height(), qRgb(0, 90, 180)), JpegKind::Baseline));
    }
    void releaseClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    PdfPage lastReceipt() { return PdfPage(PrintServer::jobFiles().last()); }
    // The entry window's focus widget: where the keys go once the window is
    // active (the offscreen platform does not hand the activation back after a
    // dialog, as a window manager does).
    QWidget* focusInForm() { return form->focusWidget(); }
    void clickPrint() { QTest::mouseClick(static_cast<QWidget*>(form->FlatSpeedButton2), Qt::LeftButton); }

private slots:
    void initTestCase()
    {
        installFontSubstitutions();
        makeDataFile(programDir.path());
    }
    void init()
    {
        PrintServer::reset();
        PrintServer::addQueue(QStringLiteral("receipt58"));
        PrintServer::setDefault(QStringLiteral("receipt58"));
        setProgramFolderOverride(programDir.path());
        writeLogo(QStringLiteral("10086.jpg"), mobileLogo);
        writeLogo(QStringLiteral("10000.jpg"), telecomLogo);
        writeLogo(QStringLiteral("10010.jpg"), unicomLogo);
        setClockOverride([] { return QDateTime(QDate(2009, 9, 6), QTime(19, 5, 9)); });
        form = new TFormMain();
        form->show();
        QApplication::setActiveWindow(form);
        QVERIFY(QTest::qWaitForWindowActive(form));
    }
    void cleanup()
    {
        delete form;
        releaseApplicationForms();
        QCOMPARE(PrintSPLTPOSXBY57, nullptr);
        setProgramFolderOverride({});
        setClockOverride({});
    }

    void receipt_data()
    {
        QTest::addColumn<int>("index");     // -2: leave the selector as the show sequence left it
        QTest::addColumn<QString>("typed"); // typed into the selector after selecting
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("hotline");
        QTest::addColumn<QSize>("logo");
        const QString mobile = QStringLiteral("中国移动咨询热线：10086");
        QTest::newRow("中国移动 -> 10086 hotline and logo")
            << 0 << "" << "13800138000" << "50" << "中国移动话费充值收据" << mobile << mobileLogo;
        QTest::newRow("中国电信 -> 10000 hotline and logo") << 1 << "" << "1" << "2" << "中国电信话费充值收据"
                                                         << "中国电信咨询热线：10000" << telecomLogo;
        QTest::newRow("中国联通 -> 10010 hotline and logo") << 2 << "" << "1" << "2" << "中国联通话费充值收据"
                                                         << "中国联通咨询热线：10010" << unicomLogo;
        QTest::newRow("empty number -> bare prefix") << 0 << "" << "" << "50" << "中国移动话费充值收据" << mobile << mobileLogo;
        QTest::newRow("amount abc -> as typed") << 0 << "" << "1" << "abc" << "中国移动话费充值收据" << mobile << mobileLogo;
        QTest::newRow("amount -5 -> as typed") << 0 << "" << "1" << "-5" << "中国移动话费充值收据" << mobile << mobileLogo;
        QTest::newRow("amount '  50' -> as typed") << 0 << "" << "1" << "  50" << "中国移动话费充值收据" << mobile << mobileLogo;
        QTest::newRow("no item, 移动 typed -> layout hotline, built-in logo")
            << -1 << "移动" << "1" << "2" << "移动话费充值收据" << "10086" << builtInLogo;
        QTest::newRow("联通 selected, text edited -> title from text, rest from index")
            << 2 << "联通卡" << "1" << "2" << "联通卡话费充值收据" << "中国联通咨询热线：10010" << unicomLogo;
        QTest::newRow("selector empty -> 话费充值收据") << -1 << "" << "1" << "2" << "话费充值收据" << "10086" << builtInLogo;
    }
    void receipt()
    {
        QFETCH(int, index);
        QFETCH(QString, typed);
        QFETCH(QString, number);
        QFETCH(QString, amount);
        QFETCH(QString, title);
        QFETCH(QString, hotline);
        QFETCH(QSize, logo);
        form->FlatComboBox1->setCurrentIndex(index);
        if (index < 0)
            form->FlatComboBox1->setEditText(QString());
        if (!typed.isEmpty()) {
            form->FlatComboBox1->setFocus();
            QTest::keyClick(form->FlatComboBox1, Qt::Key_A, Qt::ControlModifier);
            typeText(form->FlatComboBox1, typed);
        }
        form->FlatEdit2->setText(number);
        form->FlatEdit3->setText(amount);
        form->FlatEdit3->setFocus();
        QTest::keyClick(form->FlatEdit3, Qt::Key_Return);

        QCOMPARE(PrintServer::jobCount(), 1);
        // The captions as written, before the window's queued release.
        QVERIFY(PrintSPLTPOSXBY57);
        QCOMPARE(PrintSPLTPOSXBY57->QRLAddr2->Caption, QStringLiteral("充值金额:") + amount);
        releaseClosedWindows();
        QCOMPARE(PrintSPLTPOSXBY57, nullptr);
        const PdfPage page = lastReceipt();
        const QStringList expected{title,
                                   QStringLiteral("充值号码:") + number,
                                   QStringLiteral("充值金额:") + amount,
                                   QStringLiteral("充值时间:2009-09-06 19:05:09"),
                                   QStringLiteral("充值网点:星河通讯充值店"),
                                   QStringLiteral("电话:020-XXXXXX"),
                                   form->FlatEdit8->text(),
                                   hotline,
                                   QStringLiteral("."),
                                   QStringLiteral(".")};
        QCOMPARE(page.lines.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(page.lines.at(i).simplified(), expected.at(i).simplified());
        QCOMPARE(page.images.size(), 1);
        QCOMPARE(page.images.first().pixels, logo);
        QCOMPARE(focusInForm(), form->FlatEdit2);
        QApplication::setActiveWindow(form);
        QVERIFY(QTest::qWaitForWindowActive(form));
        QCOMPARE(form->FlatEdit2->selectedText(), number);
    }

    void enterInEitherFieldPrintsWhatTheButtonPrints()
    {
        QTest::mouseClick(static_cast<QWidget*>(form->FlatSpeedButton2), Qt::LeftButton);
        releaseClosedWindows();
        form->FlatEdit3->setFocus();
        QTest::keyClick(form->FlatEdit3, Qt::Key_Enter, Qt::KeypadModifier);
        releaseClosedWindows();
        form->FlatEdit8->setFocus();
        QTest::keyClick(form->FlatEdit8, Qt::Key_Return, Qt::ShiftModifier);
        releaseClosedWindows();
        const QStringList jobs = PrintServer::jobFiles();
        QCOMPARE(jobs.size(), 3);
        QCOMPARE(PdfPage(jobs.at(1)).lines, PdfPage(jobs.at(0)).lines);
        QCOMPARE(PdfPage(jobs.at(2)).lines, PdfPage(jobs.at(0)).lines);
    }

    void missingLogoThenAGoodCommandOnTheSurvivingWindow()
    {
        QFile::remove(programDir.filePath(QStringLiteral("10010.jpg")));
        ModalWatcher watcher;
        form->FlatComboBox1->setCurrentIndex(2);
        form->FlatEdit3->setFocus();
        QTest::keyClick(form->FlatEdit3, Qt::Key_Return);
        QCOMPARE(watcher.seen.size(), 1);
        QCOMPARE(watcher.seen.first().text,
                 QStringLiteral("Cannot open file %1/10010.jpg.").arg(programDir.path()));
        QCOMPARE(PrintServer::jobCount(), 0);
        QCOMPARE(focusInForm(), form->FlatEdit3); // the focus did not move
        releaseClosedWindows();
        TPrintSPLTPOSXBY57* survivor = PrintSPLTPOSXBY57;
        QVERIFY(survivor);
        QCOMPARE(survivor->QRLabel1->Caption, QStringLiteral("中国联通咨询热线：10010")); // set before the logo

        form->FlatComboBox1->setCurrentIndex(0);
        QTest::keyClick(form->FlatEdit3, Qt::Key_Return);
        QCOMPARE(PrintSPLTPOSXBY57, survivor); // reused
        QCOMPARE(PrintServer::jobCount(), 1);
        QCOMPARE(lastReceipt().images.first().pixels, mobileLogo);
        releaseClosedWindows();
        QCOMPARE(PrintSPLTPOSXBY57, nullptr);
    }

    void failedCommandLeavesHotlineForTheNextWithNoItem()
    {
        QFile::remove(programDir.filePath(QStringLiteral("10000.jpg")));
        ModalWatcher watcher;
        form->FlatComboBox1->setCurrentIndex(1);
        clickPrint();
        form->FlatComboBox1->setCurrentIndex(-1);
        clickPrint();
        QCOMPARE(PrintServer::jobCount(), 1);
        const PdfPage page = lastReceipt();
        QCOMPARE(page.lines.at(7), QStringLiteral("中国电信咨询热线：10000"));
        QCOMPARE(page.images.first().pixels, builtInLogo);
    }

    void logoFailures_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("jobs");
        QByteArray png;
        {
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            QImageWriter(&buffer, "png").write(solidImage(8, 8, qRgb(0, 0, 0)));
        }
        QTest::newRow("PNG saved as 10086.jpg -> not-a-JPEG code, nothing printed")
            << png << QStringLiteral("JPEG error #%1.").arg(JERR_NO_SOI) << 0;
        QTest::newRow("zero bytes -> empty-input code, partial receipt")
            << QByteArray() << QStringLiteral("JPEG error #%1.").arg(JERR_INPUT_EMPTY) << 1;
    }
    void logoFailures()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QFETCH(int, jobs);
        writeFile(QStringLiteral("10086.jpg"), bytes);
        ModalWatcher watcher;
        form->FlatEdit8->setFocus();
        QTest::keyClick(form->FlatEdit8, Qt::Key_Return);
        QCOMPARE(watcher.seen.size(), 1);
        QCOMPARE(watcher.seen.first().text, message);
        QCOMPARE(PrintServer::jobCount(), jobs);
        if (jobs)
            QCOMPARE(lastReceipt().images.size(), 0);
        QCOMPARE(focusInForm(), form->FlatEdit8);
        releaseClosedWindows();
        QVERIFY(PrintSPLTPOSXBY57);
    }

    void twoCommandsTwoFreshWindows()
    {
        form->FlatComboBox1->setCurrentIndex(2);
        clickPrint();
        form->FlatComboBox1->setCurrentIndex(-1);
        clickPrint(); // release still queued: a fresh window all the same
        releaseClosedWindows();
        const QStringList jobs = PrintServer::jobFiles();
        QCOMPARE(jobs.size(), 2);
        QCOMPARE(PdfPage(jobs.at(0)).lines.at(7), QStringLiteral("中国联通咨询热线：10010"));
        QCOMPARE(PdfPage(jobs.at(1)).lines.at(7), QStringLiteral("10086")); // the layout's default again
        QCOMPARE(PdfPage(jobs.at(1)).images.first().pixels, builtInLogo);
    }

    void triggerDuringAPrintIsDropped()
    {
        int triggers = 0;
        QTimer::singleShot(0, form, [&] {
            ++triggers; // the double-click's second click, handled while the first prints
            QTest::mouseClick(static_cast<QWidget*>(form->FlatSpeedButton2), Qt::LeftButton);
        });
        QTest::mouseClick(static_cast<QWidget*>(form->FlatSpeedButton2), Qt::LeftButton);
        QCOMPARE(triggers, 1);
        QCOMPARE(PrintServer::jobCount(), 1);
        releaseClosedWindows();
        QCOMPARE(PrintSPLTPOSXBY57, nullptr);
    }

    void logoPathAtTheRootHasTheDoubledSeparator()
    {
        setProgramFolderOverride(QStringLiteral("/"));
        ModalWatcher watcher;
        form->FlatComboBox1->setCurrentIndex(2);
        clickPrint();
        QCOMPARE(watcher.seen.size(), 1);
        QCOMPARE(watcher.seen.first().text, QStringLiteral("Cannot open file //10010.jpg."));
    }
};

QTEST_MAIN(PrintCommandTest)
#include "tst_printcommand.moc"
