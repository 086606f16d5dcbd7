// The application layer's text rules: title, full stop, program-folder paths.
#include "ApplicationTitle.h"
#include "ErrorReport.h"
#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class FormsRulesTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { setProgramFolderOverride({}); }

    void title_data()
    {
        QTest::addColumn<QString>("programFile");
        QTest::addColumn<QString>("title");
        QTest::newRow("POS58.EXE -> Pos58") << "C:/Shop/POS58.EXE" << "Pos58";
        QTest::newRow("topup-receipt -> topup-receipt") << "/opt/shop/topup-receipt" << "topup-receipt";
        QTest::newRow("Topup-Receipt -> Topup-receipt") << "/opt/Topup-Receipt" << "Topup-receipt";
        QTest::newRow("My.Receipt.exe -> My (first dot)") << "/x/My.Receipt.exe" << "My";
        QTest::newRow("ÄBC.EXE -> Äbc") << "/x/ÄBC.EXE" << "Äbc";
        QTest::newRow(".hidden -> empty") << "/x/.hidden" << "";
    }
    void title()
    {
        QFETCH(QString, programFile);
        QFETCH(QString, title);
        QCOMPARE(applicationTitleFor(programFile), title);
    }

    void fullStop_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty -> empty") << "" << "";
        QTest::newRow("letter -> stop added") << "Stream read error" << "Stream read error.";
        QTest::newRow("digit -> stop added") << "JPEG error #52" << "JPEG error #52.";
        QTest::newRow("path -> stop added") << "Cannot open file /a/10086.jpg" << "Cannot open file /a/10086.jpg.";
        QTest::newRow("stop -> unchanged") << "Done." << "Done.";
        QTest::newRow("blank -> unchanged") << "trailing " << "trailing ";
        QTest::newRow("hyphen (2D) -> unchanged") << "a-" << "a-";
        QTest::newRow("slash (2F) -> stop added") << "a/" << "a/.";
        QTest::newRow("Chinese -> stop added") << "提示：数据库连接出错！" << "提示：数据库连接出错！.";
    }
    void fullStop()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(errorReportText(message), shown);
    }

    void programFolderIsTheExecutablesFolder()
    {
        QCOMPARE(programFolder(), QFileInfo(QCoreApplication::applicationFilePath()).absolutePath());
        QVERIFY(!programFolder().endsWith(u'/'));
    }

    void path_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("path");
        QTest::newRow("/opt/shop -> /opt/shop/10086.jpg") << "/opt/shop" << "/opt/shop/10086.jpg";
        QTest::newRow("root -> //10086.jpg") << "/" << "//10086.jpg";
        QTest::newRow("Chinese, blanks, ; = -> kept as is") << "/srv/店 A;b=c" << "/srv/店 A;b=c/10086.jpg";
    }
    void path()
    {
        QFETCH(QString, folder);
        QFETCH(QString, path);
        setProgramFolderOverride(folder);
        QCOMPARE(programFilePath(QStringLiteral("10086.jpg")), path);
    }

    void doubledSeparatorOpens()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("10086.jpg")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("x");
        file.close();
        setProgramFolderOverride(QStringLiteral("/"));
        const QString fromRoot = dir.path().mid(1) + QStringLiteral("/10086.jpg");
        QFile viaRoot(programFilePath(fromRoot));
        QVERIFY(viaRoot.fileName().startsWith(QStringLiteral("//")));
        QVERIFY(viaRoot.open(QIODevice::ReadOnly));
        QCOMPARE(viaRoot.readAll(), QByteArray("x"));
    }
};

QTEST_GUILESS_MAIN(FormsRulesTest)
#include "tst_formsrules.moc"
