#include "Fonts.h"

#include <QStringList>

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
