// The entry window: layout, colours, focus rules, Enter navigation, the clock
// and the show sequence.
#include "TestHelpers.h"
#include "Clock.h"
#include "DataFile.h"
#include "Fonts.h"
#include "MainTexts.h"
#include "ProgramFolder.h"
#include "TFlatComboBox.h"
#include "TFlatEdit.h"
#include "TFlatSpeedButton.h"
#include "UnitMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(Qt::Key)

namespace {
const QColor idleColour(0xC1, 0xD7, 0xFD);


QColor backgroundOf(QWidget* widget)
{
    return widget->grab().toImage().pixelColor(2, widget->height() / 2);
}
}

class FormMainTest : public QObject
{
    Q_OBJECT
private:
    TFormMain* form = nullptr;
    QTemporaryDir programDir;
    QDateTime now{QDate(2009, 9, 6), QTime(19, 5, 9)};

    QWidget* control(const QString& name) { return form->findChild<QWidget*>(name); }
    void showForm()
    {
        form->show();
        QApplication::setActiveWindow(form);
        QVERIFY(QTest::qWaitForWindowActive(form));
    }

private slots:
    void initTestCase()
    {
        installFontSubstitutions();
        makeDataFile(programDir.path());
        setProgramFolderOverride(programDir.path());
    }
    void init()
    {
        now = QDateTime(QDate(2009, 9, 6), QTime(19, 5, 9));
        setClockOverride([this] { return now; });
        form = new TFormMain();
    }
    void cleanup()
    {
        delete form;
        setClockOverride({});
    }

    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("box");
        QTest::addColumn<QString>("text");
        QTest::newRow("Label1 -> 160,8 281x20") << "Label1" << QRect(160, 8, 281, 20) << "手机话费充值小票打印软件";
        QTest::newRow("Label8 -> 158,7 283x20") << "Label8" << QRect(158, 7, 283, 20) << "手机话费充值小票打印软件";
        QTest::newRow("Label2 -> 8,520 537x20") << "Label2" << QRect(8, 520, 537, 20) << MainTexts::contactLine;
        QTest::newRow("FlatPanel1 -> 16,32 529x409") << "FlatPanel1" << QRect(16, 32, 529, 409) << "";
        QTest::newRow("Image1 -> 1,1 527x407") << "Image1" << QRect(1, 1, 527, 407) << "";
        QTest::newRow("FlatSpeedButton2 -> 320,368 打印小票") << "FlatSpeedButton2" << QRect(320, 368, 137, 33) << "打印小票";
        QTest::newRow("FlatSpeedButton3 -> 48,368 保存备注") << "FlatSpeedButton3" << QRect(48, 368, 137, 33) << "保存备注";
        QTest::newRow("Label5 -> 充值号码：") << "Label5" << QRect(48, 120, 105, 16) << "充值号码：";
        QTest::newRow("Label6 -> 充值金额：") << "Label6" << QRect(48, 168, 105, 16) << "充值金额：";
        QTest::newRow("Label9 -> 充值时间：") << "Label9" << QRect(48, 232, 113, 16) << "充值时间：";
        QTest::newRow("Label10 -> five and two blanks") << "Label10" << QRect(48, 280, 97, 16) << "备     注  1：";
        QTest::newRow("Label11 -> six and two blanks") << "Label11" << QRect(48, 328, 97, 16) << "备      注  2：";
        QTest::newRow("Label3 -> 选择运营商：") << "Label3" << QRect(48, 72, 113, 16) << "选择运营商：";
        QTest::newRow("Bevel1 -> 0,208 528x6") << "Bevel1" << QRect(0, 208, 528, 6) << "";
        QTest::newRow("FlatEdit1 -> store name") << "FlatEdit1" << QRect(208, 16, 185, 26) << "星河通讯充值店";
        QTest::newRow("FlatEdit2 -> empty") << "FlatEdit2" << QRect(144, 112, 313, 26) << "";
        QTest::newRow("FlatEdit3 -> 0") << "FlatEdit3" << QRect(144, 160, 313, 26) << "0";
        QTest::newRow("FlatEdit6") << "FlatEdit6" << QRect(144, 224, 313, 26) << "";
        QTest::newRow("FlatEdit7") << "FlatEdit7" << QRect(144, 272, 313, 26) << "";
        QTest::newRow("FlatEdit8") << "FlatEdit8" << QRect(144, 320, 313, 26) << "";
        QTest::newRow("FlatComboBox1 -> empty") << "FlatComboBox1" << QRect(144, 64, 313, 28) << "";
    }
    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QRect, box);
        QFETCH(QString, text);
        QWidget* widget = control(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), box);
        if (auto* label = qobject_cast<QLabel*>(widget))
            QCOMPARE(label->text(), text);
        else if (auto* edit = qobject_cast<QLineEdit*>(widget))
            QCOMPARE(edit->text(), text);
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            QCOMPARE(button->text(), text);
        else if (auto* combo = qobject_cast<QComboBox*>(widget))
            QCOMPARE(combo->currentText(), text);
    }

    void window()
    {
        QCOMPARE(form->windowTitle(),
                 QStringLiteral("手机充值小票打印软件-支持所有接口的POS58小票打印机(需安装打印机驱动)  V3.8"));
        const Qt::WindowFlags flags = form->windowFlags();
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QCOMPARE(form->palette().color(QPalette::Window), idleColour);
        QCOMPARE(form->windowIcon().availableSizes().size(), 8);
        showForm();
        QTRY_COMPARE(form->frameGeometry(), QRect(227, 81, 570, 577));
        // Label8 lies over Label1: the red title shows, with yellow to its right and below.
        const QImage shot = form->grab().toImage();
        int red = 0, yellow = 0;
        for (int y = 7; y < 29; ++y)
            for (int x = 158; x < 443; ++x) {
                const QColor c = shot.pixelColor(x, y);
                red += c == QColor(Qt::red);
                yellow += c == QColor(Qt::yellow);
            }
        QVERIFY(red > 100);
        QVERIFY(yellow > 20);
    }

    void showSequence()
    {
        showForm();
        QCOMPARE(qobject_cast<QLineEdit*>(control("FlatEdit6"))->text(), QStringLiteral("2009-09-06 19:05:09"));
        QCOMPARE(QApplication::focusWidget(), control("FlatEdit2"));
        QCOMPARE(form->FlatEdit7->text(), QStringLiteral("电话:020-XXXXXX"));
        QCOMPARE(form->FlatEdit8->text(), MainTexts::remark2);
        QCOMPARE(form->FlatComboBox1->currentIndex(), 0);
        QCOMPARE(form->FlatComboBox1->currentText(), QStringLiteral("中国移动"));
        QCOMPARE(form->FlatEdit3->text(), QStringLiteral("0"));
    }

    void showSequenceRunsOnce()
    {
        showForm();
        form->FlatEdit7->setText(QStringLiteral("typed"));
        form->showMinimized();
        form->showNormal();
        QCOMPARE(form->FlatEdit7->text(), QStringLiteral("typed"));
    }

    void clock_data()
    {
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QString>("shown");
        QTest::newRow("2009-09-06 19:05:09 -> 2009-09-06 19:05:09")
            << QDateTime(QDate(2009, 9, 6), QTime(19, 5, 9)) << "2009-09-06 19:05:09";
        QTest::newRow("07:05:09 -> 07:05:09 (24-hour, padded)")
            << QDateTime(QDate(2009, 9, 6), QTime(7, 5, 9)) << "2009-09-06 07:05:09";
        QTest::newRow("5 March 14:07 -> 03-05 14:07 (month and minutes apart)")
            << QDateTime(QDate(2009, 3, 5), QTime(14, 7, 0)) << "2009-03-05 14:07:00";
        QTest::newRow("23:59:59.999 -> 23:59:59 (cut, not rounded)")
            << QDateTime(QDate(2009, 12, 31), QTime(23, 59, 59, 999)) << "2009-12-31 23:59:59";
    }
    void clock()
    {
        QFETCH(QDateTime, moment);
        QFETCH(QString, shown);
        now = moment;
        form->Timer1Timer(&form->Timer1);
        QCOMPARE(form->FlatEdit6->text(), shown);
    }

    void clockTicksOverTypedText()
    {
        showForm();
        QCOMPARE(form->Timer1.interval(), 1000);
        form->FlatEdit6->setFocus();
        QTest::keyClicks(form->FlatEdit6, QStringLiteral("abc"));
        QCOMPARE(form->FlatEdit6->text(), QStringLiteral("abc"));
        now = now.addSecs(1);
        QTRY_COMPARE_WITH_TIMEOUT(form->FlatEdit6->text(), QStringLiteral("2009-09-06 19:05:10"), 3000);
    }

    void editColours()
    {
        showForm();
        QCOMPARE(backgroundOf(form->FlatEdit3), idleColour);
        QCOMPARE(backgroundOf(form->FlatEdit2), QColor(Qt::white)); // has the focus
        form->FlatEdit3->setFocus();
        QCOMPARE(backgroundOf(form->FlatEdit3), QColor(Qt::white));
        QCOMPARE(backgroundOf(form->FlatEdit2), idleColour);
        QCOMPARE(form->FlatEdit3->grab().toImage().pixelColor(0, 10), QColor(0xA0, 0x96, 0x83));
    }

    void hoverIsWhiteOnlyWhileNoEditHasFocus()
    {
        showForm();
        QTest::mouseMove(form->FlatEdit7);
        QTRY_VERIFY(form->FlatEdit7->underMouse());
        QCOMPARE(form->FlatEdit7->currentColour(), idleColour); // FlatEdit2 has the focus
        form->FlatComboBox1->setFocus();
        QCOMPARE(form->FlatEdit7->currentColour(), QColor(Qt::white));
    }

    void tabOrder_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<QString>("to");
        QTest::newRow("FlatEdit2 Tab -> FlatEdit3") << "FlatEdit2" << false << "FlatEdit3";
        QTest::newRow("FlatEdit3 Tab -> FlatEdit6") << "FlatEdit3" << false << "FlatEdit6";
        QTest::newRow("FlatEdit8 Tab -> FlatComboBox1") << "FlatEdit8" << false << "FlatComboBox1";
        QTest::newRow("FlatComboBox1 Tab -> FlatEdit2 (wraps)") << "FlatComboBox1" << false << "FlatEdit2";
        QTest::newRow("FlatEdit2 Shift+Tab -> FlatComboBox1") << "FlatEdit2" << true << "FlatComboBox1";
        QTest::newRow("FlatEdit6 Shift+Tab -> FlatEdit3") << "FlatEdit6" << true << "FlatEdit3";
    }
    void tabOrder()
    {
        QFETCH(QString, from);
        QFETCH(bool, backwards);
        QFETCH(QString, to);
        showForm();
        control(from)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                        backwards ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(QApplication::focusWidget(), control(to));
    }

    void storeNameNeverTakesTheFocus()
    {
        showForm();
        QVERIFY(!form->FlatEdit1->isEnabled());
        QVERIFY(form->FlatEdit1->isReadOnly());
        QTest::mouseClick(form->FlatEdit1, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), control("FlatEdit2"));
        QTest::mouseClick(static_cast<QWidget*>(form->FlatSpeedButton3), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), control("FlatEdit2"));
    }

    void enter_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("to");
        QTest::newRow("FlatComboBox1 Return -> FlatEdit2")
            << "FlatComboBox1" << Qt::Key_Return << Qt::KeyboardModifiers() << "FlatEdit2";
        QTest::newRow("FlatEdit2 keypad Enter -> FlatEdit3")
            << "FlatEdit2" << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier) << "FlatEdit3";
        QTest::newRow("FlatEdit6 Shift+Return -> FlatEdit7")
            << "FlatEdit6" << Qt::Key_Return << Qt::KeyboardModifiers(Qt::ShiftModifier) << "FlatEdit7";
        QTest::newRow("FlatEdit7 Ctrl+Return -> FlatEdit8")
            << "FlatEdit7" << Qt::Key_Return << Qt::KeyboardModifiers(Qt::ControlModifier) << "FlatEdit8";
        QTest::newRow("FlatEdit2 A -> stays") << "FlatEdit2" << Qt::Key_A << Qt::KeyboardModifiers() << "FlatEdit2";
    }
    void enter()
    {
        QFETCH(QString, from);
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, to);
        showForm();
        control(from)->setFocus();
        QTest::keyClick(control(from), key, modifiers);
        QCOMPARE(QApplication::focusWidget(), control(to));
    }

    void focusByKeyboardSelectsAllByMouseNot()
    {
        showForm();
        QTest::keyClick(form->FlatEdit2, Qt::Key_Return);
        QCOMPARE(form->FlatEdit3->selectedText(), QStringLiteral("0"));
        QTest::keyClicks(form->FlatEdit3, QStringLiteral("50"));
        QCOMPARE(form->FlatEdit3->text(), QStringLiteral("50"));

        form->FlatEdit2->setFocus();
        QTest::mouseClick(form->FlatEdit7, Qt::LeftButton, {}, QPoint(20, 10));
        QCOMPARE(QApplication::focusWidget(), form->FlatEdit7);
        QVERIFY(form->FlatEdit7->selectedText().isEmpty());
    }

    void comboStartsWithNoSelection()
    {
        QCOMPARE(form->FlatComboBox1->currentIndex(), -1);
        QCOMPARE(form->FlatComboBox1->currentText(), QString());
        QCOMPARE(form->FlatComboBox1->count(), 3);
        QCOMPARE(form->FlatComboBox1->itemText(2), QStringLiteral("中国联通"));
        QCOMPARE(form->FlatComboBox1->maxVisibleItems(), 8);
        QVERIFY(form->FlatComboBox1->isEditable());
    }

    void comboTypingAndEnterKeepTheIndex_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("typed");
        QTest::newRow("index 0, typed 中国联通 -> index 0") << 0 << "中国联通";
        QTest::newRow("index 0, typed 联通 -> index 0") << 0 << "联通";
        QTest::newRow("index -1, typed 移动 -> index -1") << -1 << "移动";
        QTest::newRow("index -1, typed 中国电信 -> index -1") << -1 << "中国电信";
    }
    void comboTypingAndEnterKeepTheIndex()
    {
        QFETCH(int, index);
        QFETCH(QString, typed);
        showForm();
        form->FlatComboBox1->setCurrentIndex(index);
        form->FlatComboBox1->setFocus();
        QTest::keyClick(form->FlatComboBox1, Qt::Key_A, Qt::ControlModifier);
        typeText(form->FlatComboBox1, typed);
        QCOMPARE(form->FlatComboBox1->currentText(), typed);
        QCOMPARE(form->FlatComboBox1->currentIndex(), index);
        QTest::keyClick(form->FlatComboBox1, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), control("FlatEdit2")); // focus left the box too
        QCOMPARE(form->FlatComboBox1->currentIndex(), index);
        QCOMPARE(form->FlatComboBox1->currentText(), typed);
        QCOMPARE(form->FlatComboBox1->count(), 3);
    }

    void comboPickFromList()
    {
        showForm();
        form->FlatComboBox1->setFocus();
        QTest::keyClick(form->FlatComboBox1, Qt::Key_Down);
        QCOMPARE(form->FlatComboBox1->currentIndex(), 1);
        QCOMPARE(form->FlatComboBox1->currentText(), QStringLiteral("中国电信"));
    }
};

QTEST_MAIN(FormMainTest)
#include "tst_formmain.moc"
