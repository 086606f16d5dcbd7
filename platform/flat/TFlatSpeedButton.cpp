#include "TFlatSpeedButton.h"

#include "FlatColours.h"

#include <QPainter>

TFlatSpeedButton::TFlatSpeedButton(QWidget* parent)
    : QAbstractButton(parent),
      Color(FlatColours::buttonFace),
      ColorFocused(FlatColours::buttonHover),
      ColorDown(FlatColours::buttonDown),
      ColorBorder(Qt::white),
      ColorHighLight(Qt::white),
      ColorShadow(Qt::black)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover); // repainted as the pointer enters and leaves
}

void TFlatSpeedButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect box = rect().adjusted(0, 0, -1, -1);
    const bool down = isDown();
    const bool hover = underMouse();
    painter.fillRect(rect(), down ? ColorDown : hover ? ColorFocused : Color);
    if (down || hover) {
        const QColor topLeft = down ? ColorShadow : ColorHighLight;
        const QColor bottomRight = down ? ColorHighLight : ColorShadow;
        painter.setPen(topLeft);
        painter.drawLine(box.topLeft(), box.topRight());
        painter.drawLine(box.topLeft(), box.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(box.bottomLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomRight());
    } else {
        painter.setPen(ColorBorder);
        painter.drawRect(box);
    }
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(rect().translated(down ? 1 : 0, down ? 1 : 0), Qt::AlignCenter, text());
}
