// The handler guard, the standard error report, the form factory and the close
// actions of our windows.
#include "AppError.h"
#include "ApplicationTitle.h"
#include "FormFactory.h"
#include "Guard.h"
#include "MessageBox.h"
#include "ModalWatcher.h"
#include "TForm.h"

#include <QApplication>
#include <QTest>
#include <stdexcept>

namespace {

class ProbeForm;
ProbeForm* probeReference = nullptr;
int destroyedForms = 0;

class ProbeForm : public TForm
{
public:
    static inline bool failConstruction = false;
    static inline bool failClose = false;

    ProbeForm()
    {
        if (failConstruction)
            throw AppError(QStringLiteral("There is no default printer currently selected"));
    }
    ~ProbeForm() override { guarded([this] { FormDestroy(this); }); }

protected:
    void FormClose(QObject*, TCloseAction& action) override
    {
        if (failClose)
            throw AppError(QStringLiteral("Cannot empty the table"));
        action = TCloseAction::caFree;
    }

private:
    void FormDestroy(QObject*)
    {
        ++destroyedForms;
        probeReference = nullptr;
    }
};

class Emitter : public QObject
{
    Q_OBJECT
signals:
    void fired(int value);
};

} // namespace

class GuardTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        ProbeForm::failConstruction = false;
        ProbeForm::failClose = false;
        destroyedForms = 0;
    }
    void cleanup()
    {
        releaseApplicationForms();
        QCOMPARE(probeReference, nullptr);
    }

    void guard_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("completed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("no throw -> completed, no box") << 0 << true << "";
        QTest::newRow("AppError -> report with stop") << 1 << false << "Printer selected is not valid.";
        QTest::newRow("std::exception -> report") << 2 << false << "bad thing.";
        QTest::newRow("empty message -> empty report") << 3 << false << "";
    }
    void guard()
    {
        QFETCH(int, kind);
        QFETCH(bool, completed);
        QFETCH(QString, shown);
        ModalWatcher watcher;
        bool ranToEnd = false;
        const bool result = guarded([&] {
            if (kind == 1)
                throw AppError(QStringLiteral("Printer selected is not valid"));
            if (kind == 2)
                throw std::runtime_error("bad thing");
            if (kind == 3)
                throw AppError(QString());
            ranToEnd = true;
        });
        QCOMPARE(result, completed);
        QCOMPARE(ranToEnd, completed);
        QCOMPARE(watcher.seen.size(), completed ? 0 : 1);
        if (!completed) {
            const SeenMessageBox& box = watcher.seen.first();
            QCOMPARE(box.caption, applicationTitle());
            QCOMPARE(box.text, shown);
            QCOMPARE(box.icon, QMessageBox::Critical);
            QCOMPARE(box.buttons, QStringList{QStringLiteral("OK")});
        }
    }

    void guardedSlotKeepsExceptionsFromQt()
    {
        ModalWatcher watcher;
        Emitter emitter;
        int received = 0;
        QObject::connect(&emitter, &Emitter::fired, &emitter, guardedSlot([&](int value) {
            received = value;
            throw AppError(QStringLiteral("Stream read error"));
        }));
        emit emitter.fired(7);
        QCOMPARE(received, 7);
        QCOMPARE(watcher.seen.size(), 1);
        QCOMPARE(watcher.seen.first().text, QStringLiteral("Stream read error."));
    }

    void connectionStyleBox()
    {
        ModalWatcher watcher;
        const int answer = showMessageBox({QStringLiteral("Error"), QStringLiteral("提示：数据库连接出错！"),
                                           QMessageBox::Critical, {QStringLiteral("&Yes")}, 0});
        QCOMPARE(answer, 0);
        QCOMPARE(watcher.seen.size(), 1);
        QCOMPARE(watcher.seen.first().caption, QStringLiteral("Error"));
        QCOMPARE(watcher.seen.first().buttons, QStringList{QStringLiteral("&Yes")});
        QCOMPARE(watcher.seen.first().defaultButton, QStringLiteral("&Yes"));
    }

    void factoryFillsReference()
    {
        createForm(probeReference);
        QVERIFY(probeReference);
        QVERIFY(!probeReference->isVisible());
    }

    void factoryLeavesReferenceEmptyWhenConstructionThrows()
    {
        ProbeForm::failConstruction = true;
        ModalWatcher watcher;
        QVERIFY(!guarded([] { createForm(probeReference); }));
        QCOMPARE(probeReference, nullptr);
        QCOMPARE(watcher.seen.first().text, QStringLiteral("There is no default printer currently selected."));
    }

    void closeActionFreeReleasesThroughTheEventLoop()
    {
        createForm(probeReference);
        probeReference->show();
        QVERIFY(probeReference->close());
        QVERIFY(probeReference); // the release is only queued
        QCOMPARE(destroyedForms, 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(probeReference, nullptr);
        QCOMPARE(destroyedForms, 1);
    }

    void failingCloseHandlerAbandonsTheClose()
    {
        ModalWatcher watcher;
        createForm(probeReference);
        probeReference->show();
        ProbeForm::failClose = true;
        QVERIFY(!probeReference->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(probeReference);
        QVERIFY(probeReference->isVisible());
        QCOMPARE(watcher.seen.size(), 1);
        QCOMPARE(watcher.seen.first().text, QStringLiteral("Cannot empty the table."));
    }

    void applicationReleasesWhatIsLeft()
    {
        createForm(probeReference);
        releaseApplicationForms();
        QCOMPARE(probeReference, nullptr);
        QCOMPARE(destroyedForms, 1);
    }
};

QTEST_MAIN(GuardTest)
#include "tst_guard.moc"
