// The data store's work inside the entry window: start-up, show, save, close.
#include "Clock.h"
#include "DataFile.h"
#include "Fonts.h"
#include "MainTexts.h"
#include "ModalWatcher.h"
#include "ProgramFolder.h"
#include "TFlatComboBox.h"
#include "TFlatEdit.h"
#include "TFlatSpeedButton.h"
#include "UnitMain.h"

#include <QApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {
int countRows(const QString& path, const QString& table)
{
    int count = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        if (query.exec(QStringLiteral("select count(*) from ") + table) && query.next())
            count = query.value(0).toInt();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    return count;
}

void execute(const QString& path, const QString& sql)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("setup"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery(db).exec(sql);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("setup"));
}
}

class StoreTest : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir* dir = nullptr;
    QString dataFile() const { return dir->filePath(QStringLiteral("data.mdb")); }
    void clickSave(TFormMain& form) { QTest::mouseClick(static_cast<QWidget*>(form.FlatSpeedButton3), Qt::LeftButton); }

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void init()
    {
        dir = new QTemporaryDir;
        makeDataFile(dir->path());
        setProgramFolderOverride(dir->path());
    }
    void cleanup()
    {
        setProgramFolderOverride({});
        delete dir;
    }

    void missingDataFileWholeSequence()
    {
        QFile::remove(dataFile());
        ModalWatcher watcher;
        TFormMain form;
        QCOMPARE(watcher.seen.size(), 1); // before the window is shown
        QCOMPARE(watcher.seen.at(0).caption, QStringLiteral("Error"));
        QCOMPARE(watcher.seen.at(0).text, QStringLiteral("提示：数据库连接出错！"));
        QCOMPARE(watcher.seen.at(0).icon, QMessageBox::Critical);
        QCOMPARE(watcher.seen.at(0).buttons, QStringList{QStringLiteral("&Yes")});
        QCOMPARE(watcher.seen.at(0).defaultButton, QStringLiteral("&Yes"));

        form.show();
        QCOMPARE(watcher.seen.size(), 2); // the second attempt, at show
        QCOMPARE(watcher.seen.at(1).text, QStringLiteral("Could not find file '%1'.").arg(dataFile()));
        QVERIFY(form.isVisible());
        QVERIFY(!form.FlatEdit6->text().isEmpty());
        QCOMPARE(form.FlatEdit7->text(), QString());
        QCOMPARE(form.FlatComboBox1->currentIndex(), -1);

        clickSave(form);
        QCOMPARE(watcher.seen.size(), 3);
        QCOMPARE(watcher.seen.at(2).text, QStringLiteral("ADOQuery2: Cannot perform this operation on a closed dataset."));

        QVERIFY(!form.close());
        QCOMPARE(watcher.seen.size(), 4);
        QCOMPARE(watcher.seen.at(3).text, QStringLiteral("Could not find file '%1'.").arg(dataFile()));
        QVERIFY(form.isVisible()); // the close was abandoned
        QVERIFY(!QFile::exists(dataFile())); // nothing was created
    }

    void dataFilePutBackWhileTheBoxIsOpen()
    {
        QFile::rename(dataFile(), dataFile() + QStringLiteral(".away"));
        ModalWatcher watcher;
        watcher.whileOpen = [&](const SeenMessageBox&) {
            QFile::rename(dataFile() + QStringLiteral(".away"), dataFile());
        };
        TFormMain form;
        QCOMPARE(watcher.seen.size(), 1);
        form.show();
        QCOMPARE(watcher.seen.size(), 1); // the tables opened
        QCOMPARE(form.FlatEdit7->text(), MainTexts::remark1);
        clickSave(form);
        QCOMPARE(watcher.seen.size(), 1);
        QCOMPARE(countRows(dataFile(), QStringLiteral("beizhu")), 1);
        execute(dataFile(), QStringLiteral("insert into xiaoshou (haoma) values ('1'), ('2')"));
        QVERIFY(form.close());
        QCOMPARE(countRows(dataFile(), QStringLiteral("xiaoshou")), 0);
    }

    void remarksComeBackAtTheNextStart()
    {
        {
            TFormMain form;
            form.show();
            form.FlatEdit7->setText(QStringLiteral("电话:020-12345678"));
            form.FlatEdit8->setText(QStringLiteral("欢迎下次光临"));
            clickSave(form);
            QCOMPARE(form.FlatEdit7->text(), QStringLiteral("电话:020-12345678")); // the fields keep their texts
            form.close();
        }
        TFormMain again;
        again.show();
        QCOMPARE(again.FlatEdit7->text(), QStringLiteral("电话:020-12345678"));
        QCOMPARE(again.FlatEdit8->text(), QStringLiteral("欢迎下次光临"));
    }

    void missingSalesTableLeavesRemarksClosed()
    {
        execute(dataFile(), QStringLiteral("drop table xiaoshou"));
        ModalWatcher watcher;
        TFormMain form;
        form.show();
        QCOMPARE(watcher.seen.size(), 1);
        QCOMPARE(watcher.seen.at(0).text, QStringLiteral("no such table: xiaoshou."));
        clickSave(form);
        QCOMPARE(watcher.seen.at(1).text, QStringLiteral("ADOQuery2: Cannot perform this operation on a closed dataset."));
        QVERIFY(!form.close());
        QVERIFY(form.isVisible());
        execute(dataFile(), QStringLiteral("create table xiaoshou (a)")); // each close tries again from the start
        QVERIFY(form.close());
    }

    void accessFileAsDataFile()
    {
        QFile file(dataFile());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20) + QByteArray(4000, '\0'));
        file.close();
        ModalWatcher watcher;
        TFormMain form;
        form.show();
        QCOMPARE(watcher.seen.size(), 2);
        QCOMPARE(watcher.seen.at(0).text, QStringLiteral("提示：数据库连接出错！"));
        QVERIFY(watcher.seen.at(1).text.contains(QLatin1String("Microsoft Access (Jet) database")));
    }
};

QTEST_MAIN(StoreTest)
#include "tst_store.moc"
