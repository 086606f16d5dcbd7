#include "TLabel.h"

#include "Guard.h"

#include <QMouseEvent>

TLabel::TLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTransparent(true);
}

void TLabel::setTransparent(bool transparent)
{
    setAutoFillBackground(!transparent);
}

void TLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (OnClick && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        guarded([this] { OnClick(this); });
}
