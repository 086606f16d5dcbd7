#pragma once

#include <QColor>
#include <QWidget>

// A panel filled with its colour and framed by a one-pixel line on all sides.
// It shows no caption.
class TFlatPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TFlatPanel(QWidget* parent);
    QColor Color;
    QColor ColorBorder;

protected:
    void paintEvent(QPaintEvent* event) override;
};
