// The layouts name Windows fonts; each must resolve to an installed twin, and
// Chinese text in any of them must come from the CJK font, never empty boxes.
#include "Fonts.h"

#include <QFontInfo>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QRawFont>
#include <QTest>
#include <QTextLayout>

class FontsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(); }

    void resolved_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("resolved");
        QTest::newRow("MS Sans Serif -> Liberation Sans") << "MS Sans Serif" << "Liberation Sans";
        QTest::newRow("Arial -> Liberation Sans") << "Arial" << "Liberation Sans";
        QTest::newRow("Times New Roman -> Liberation Serif") << "Times New Roman" << "Liberation Serif";
        QTest::newRow("宋体 -> WenQuanYi Zen Hei") << "宋体" << "WenQuanYi Zen Hei";
        QTest::newRow("SimSun -> WenQuanYi Zen Hei") << "SimSun" << "WenQuanYi Zen Hei";
    }
    void resolved()
    {
        QFETCH(QString, family);
        QFETCH(QString, resolved);
        QCOMPARE(QFontInfo(QFont(family)).family(), resolved);
        QCOMPARE(QFontInfo(layoutFont(family)).family(), resolved);
    }

    void chineseComesFromTheCjkFont_data() { resolved_data(); }
    void chineseComesFromTheCjkFont()
    {
        QFETCH(QString, family);
        QFETCH(QString, resolved);
        QTextLayout layout(QStringLiteral("Tel中国移动"), layoutFont(family));
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        QStringList families;
        for (const QGlyphRun& run : layout.glyphRuns()) {
            QVERIFY(!run.glyphIndexes().contains(0)); // 0 is the missing-glyph box
            families.append(run.rawFont().familyName());
        }
        QVERIFY2(families.contains(cjkFallbackFamily), qPrintable(families.join(u',')));
        QVERIFY2(families.contains(resolved), qPrintable(families.join(u',')));
    }
};

QTEST_MAIN(FontsTest)
#include "tst_fonts.moc"
