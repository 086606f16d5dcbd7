#pragma once

#include <QColor>

// Class defaults of the flat controls.
namespace FlatColours {
inline const QColor border{0xA0, 0x96, 0x83};
inline const QColor focused{Qt::white};
inline const QColor arrow{Qt::black};
inline const QColor arrowBackground{0xD9, 0xD6, 0xC5};
inline const QColor buttonFace{0x51, 0x9E, 0xF4};
inline const QColor buttonHover{0x51, 0x51, 0xFF};
inline const QColor buttonDown{0x80, 0x80, 0xFF};
}
