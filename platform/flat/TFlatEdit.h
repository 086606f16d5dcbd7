#pragma once

#include "KeyDown.h"

#include <QColor>
#include <QLineEdit>

// An edit box without a 3-D border: a one-pixel frame, the text three pixels in.
// Idle it takes its parent's colour (ColorFlat); focused it is white
// (ColorFocused), and so is a box under the pointer while no flat edit has the
// focus. Focus that comes from the keyboard or the program selects the whole
// text; a mouse click does not.
class TFlatEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit TFlatEdit(QWidget* parent);
    QColor ColorBorder;
    QColor ColorFlat;
    QColor ColorFocused;
    TKeyEvent OnKeyDown;

    // The colour the box is painted with now.
    QColor currentColour() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void refreshColour();
};
