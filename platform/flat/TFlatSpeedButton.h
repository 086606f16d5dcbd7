#pragma once

#include <QAbstractButton>
#include <QColor>

// A flat button that never takes the keyboard focus. Idle: its face and a
// one-pixel frame; under the pointer: the hover face with raised edges;
// held down: the down face with sunken edges.
class TFlatSpeedButton : public QAbstractButton
{
    Q_OBJECT
public:
    explicit TFlatSpeedButton(QWidget* parent);
    QColor Color;
    QColor ColorFocused;
    QColor ColorDown;
    QColor ColorBorder;
    QColor ColorHighLight;
    QColor ColorShadow;

protected:
    void paintEvent(QPaintEvent* event) override;
};
