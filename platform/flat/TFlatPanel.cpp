#include "TFlatPanel.h"

#include "FlatColours.h"

#include <QPainter>

TFlatPanel::TFlatPanel(QWidget* parent)
    : QWidget(parent), Color(parent->palette().color(QPalette::Window)), ColorBorder(FlatColours::border)
{
}

void TFlatPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Color);
    painter.setPen(ColorBorder);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
