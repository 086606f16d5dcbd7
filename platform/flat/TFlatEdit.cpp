#include "TFlatEdit.h"

#include "FlatColours.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPainter>

TFlatEdit::TFlatEdit(QWidget* parent)
    : QLineEdit(parent),
      ColorBorder(FlatColours::border),
      ColorFlat(parent->palette().color(QPalette::Window)),
      ColorFocused(FlatColours::focused)
{
    setFrame(false);
    setTextMargins(3, 0, 3, 0);
    // Hover colour depends on which widget has the focus anywhere in the program.
    connect(qApp, &QApplication::focusChanged, this, &TFlatEdit::refreshColour);
    refreshColour();
}

QColor TFlatEdit::currentColour() const
{
    const bool anyFlatEditFocused = qobject_cast<TFlatEdit*>(QApplication::focusWidget()) != nullptr;
    if (hasFocus() || (underMouse() && !anyFlatEditFocused))
        return ColorFocused;
    return ColorFlat;
}

void TFlatEdit::refreshColour()
{
    QPalette colours = palette();
    const QColor colour = currentColour();
    if (colours.color(QPalette::Base) == colour && colours.color(QPalette::Disabled, QPalette::Base) == colour)
        return;
    colours.setColor(QPalette::All, QPalette::Base, colour);
    setPalette(colours);
}

void TFlatEdit::keyPressEvent(QKeyEvent* event)
{
    if (dispatchKeyDown(OnKeyDown, this, event))
        return;
    QLineEdit::keyPressEvent(event);
}

void TFlatEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason)
        selectAll();
    refreshColour();
}

void TFlatEdit::enterEvent(QEnterEvent* event)
{
    QLineEdit::enterEvent(event);
    refreshColour();
}

void TFlatEdit::leaveEvent(QEvent* event)
{
    QLineEdit::leaveEvent(event);
    refreshColour();
}

void TFlatEdit::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    painter.setPen(ColorBorder);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
