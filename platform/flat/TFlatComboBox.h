#pragma once

#include "KeyDown.h"

#include <QColor>
#include <QComboBox>

// An editable drop-down in the flat look. Like the platform's combo box, and
// unlike Qt's, its selected index changes only when an item is picked from the
// list or set by the program: typing, Enter and leaving the box never insert an
// item and never move the index, even when the typed text equals an item.
// It starts with no item selected and an empty text.
class TFlatComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit TFlatComboBox(QWidget* parent);
    void setItems(const QStringList& items);

    QColor Color;
    QColor ColorBorder;
    QColor ColorArrow;
    QColor ColorArrowBackground;
    TKeyEvent OnKeyDown;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect arrowRect() const;
};
