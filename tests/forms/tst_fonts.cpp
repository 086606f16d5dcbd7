// The layouts name Windows fonts; each must resolve to an installed twin, and
// Chinese text in any of them must come from the CJK font, never empty boxes.
#include "Fonts.h"

#include <QFontInfo>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QRawFont>
#include <QTest>
#include <QTextLayout>

#include <fontconfig/fontconfig.h>

namespace {
QString matchedFile(FcConfig* config, const char* pattern)
{
    FcPattern* wanted = FcNameParse(reinterpret_cast<const FcChar8*>(pattern));
    FcConfigSubstitute(config, wanted, FcMatchPattern);
    FcDefaultSubstitute(wanted);
    FcResult result;
    FcPattern* match = FcFontMatch(config, wanted, &result);
    FcChar8* file = nullptr;
    const QString path = match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch
                           ? QString::fromUtf8(reinterpret_cast<const char*>(file))
                           : QString();
    if (match)
        FcPatternDestroy(match);
    FcPatternDestroy(wanted);
    return path;
}
} // namespace

class FontsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(); }

    // The configuration loaded at start-up must be fontconfig's own: the same
    // fonts, and the same rules choosing among them.
    void loadedConfigurationIsFontconfigsOwn_data()
    {
        QTest::addColumn<QByteArray>("pattern");
        QTest::newRow("sans-serif -> the same file") << QByteArray("sans-serif");
        QTest::newRow("sans-serif:lang=zh-cn -> the same file") << QByteArray("sans-serif:lang=zh-cn");
        QTest::newRow("Arial -> the same file") << QByteArray("Arial");
        QTest::newRow("monospace:bold -> the same file") << QByteArray("monospace:bold");
    }
    void loadedConfigurationIsFontconfigsOwn()
    {
        QFETCH(QByteArray, pattern);
        FcConfig* own = FcInitLoadConfigAndFonts();
        QVERIFY(own);
        FcConfig* loaded = FcConfigGetCurrent();
        QVERIFY(loaded != own);
        QCOMPARE(FcConfigGetFonts(loaded, FcSetSystem)->nfont, FcConfigGetFonts(own, FcSetSystem)->nfont);
        const QString expected = matchedFile(own, pattern.constData());
        FcConfigDestroy(own);
        QVERIFY(!expected.isEmpty());
        QCOMPARE(matchedFile(loaded, pattern.constData()), expected);
    }

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

// The fonts are resolved under the configuration the program loads before
// its QApplication exists.
int main(int argc, char* argv[])
{
    loadSystemFontConfiguration();
    QGuiApplication application(argc, argv);
    FontsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_fonts.moc"
