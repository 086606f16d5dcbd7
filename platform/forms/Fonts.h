#pragma once

#include <QFont>
#include <QString>

// The CJK font that every Latin family falls back to for Chinese characters.
inline const QString cjkFallbackFamily = QStringLiteral("WenQuanYi Zen Hei");

// Loads the system's fontconfig configuration before the toolkit asks for
// it. Call before the QApplication is made; when loading fails the toolkit
// loads it the ordinary way later.
void loadSystemFontConfiguration();

// Maps the Windows families the layouts name ("MS Sans Serif", "Arial",
// "Times New Roman", "宋体"/"SimSun") onto the installed metric twins, each
// with the CJK fallback. Called once at start-up.
void installFontSubstitutions();

// A font of a layout family, carrying the CJK fallback explicitly so Chinese
// text never depends on fontconfig's choice of fallback.
QFont layoutFont(const QString& family);
