#include "Fonts.h"

#include <QStringList>

#include <fontconfig/fontconfig.h>

namespace {
struct Substitution
{
    QString family;
    QString replacement;
};

QList<Substitution> substitutions()
{
    const QString sans = QStringLiteral("Liberation Sans");
    const QString serif = QStringLiteral("Liberation Serif");
    return {
        {QStringLiteral("MS Sans Serif"), sans},
        {QStringLiteral("Arial"), sans},
        {QStringLiteral("Times New Roman"), serif},
        {QStringLiteral("宋体"), cjkFallbackFamily},
        {QStringLiteral("SimSun"), cjkFallbackFamily},
    };
}

QString replacementFor(const QString& family)
{
    for (const Substitution& s : substitutions())
        if (s.family.compare(family, Qt::CaseInsensitive) == 0)
            return s.replacement;
    return family;
}
}

// Fontconfig's own start-up also parses every optional rule file it ships
// (conf.avail), only to describe them; that is about a quarter of its start-up
// and nothing of ours or the toolkit's reads it. The rules in effect are the
// same: fonts.conf and what it includes.
void loadSystemFontConfiguration()
{
    FcConfig* config = FcConfigCreate();
    if (!config)
        return;
    if (FcConfigParseAndLoad(config, nullptr, FcTrue) && FcConfigBuildFonts(config)) {
        const FcFontSet* fonts = FcConfigGetFonts(config, FcSetSystem);
        if (fonts && fonts->nfont > 0)
            FcConfigSetCurrent(config); // takes its own reference
    }
    FcConfigDestroy(config);
}

void installFontSubstitutions()
{
    for (const Substitution& s : substitutions()) {
        QFont::removeSubstitutions(s.family);
        QFont::insertSubstitutions(s.family, {s.replacement, cjkFallbackFamily});
    }
}

QFont layoutFont(const QString& family)
{
    QFont font;
    const QString primary = replacementFor(family);
    font.setFamilies(primary == cjkFallbackFamily ? QStringList{primary}
                                                  : QStringList{primary, cjkFallbackFamily});
    return font;
}
