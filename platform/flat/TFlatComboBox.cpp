#include "TFlatComboBox.h"

#include "FlatColours.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int arrowWidth = 16;
}

TFlatComboBox::TFlatComboBox(QWidget* parent)
    : QComboBox(parent),
      Color(parent->palette().color(QPalette::Window)),
      ColorBorder(FlatColours::border),
      ColorArrow(FlatColours::arrow),
      ColorArrowBackground(FlatColours::arrowBackground)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(8);
    setCompleter(nullptr);
    QLineEdit* edit = lineEdit();
    edit->setFrame(false);
    // Qt's combo box matches the typed text against the items on Enter and on
    // leaving the box, and selects the match. Cut those connections.
    disconnect(edit, &QLineEdit::returnPressed, this, nullptr);
    disconnect(edit, &QLineEdit::editingFinished, this, nullptr);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Color);
    colours.setColor(QPalette::Button, Color);
    setPalette(colours);
}

void TFlatComboBox::setItems(const QStringList& items)
{
    clear();
    addItems(items);
    setCurrentIndex(-1);
    setEditText(QString());
}

void TFlatComboBox::keyPressEvent(QKeyEvent* event)
{
    if (dispatchKeyDown(OnKeyDown, this, event))
        return;
    QComboBox::keyPressEvent(event);
}

QRect TFlatComboBox::arrowRect() const
{
    return QRect(width() - arrowWidth - 2, 2, arrowWidth, height() - 4);
}

void TFlatComboBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Color);
    painter.setPen(ColorBorder);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const QRect arrow = arrowRect();
    painter.fillRect(arrow, ColorArrowBackground);
    const QPointF centre = QRectF(arrow).center();
    QPainterPath triangle;
    triangle.moveTo(centre.x() - 4, centre.y() - 2);
    triangle.lineTo(centre.x() + 4, centre.y() - 2);
    triangle.lineTo(centre.x(), centre.y() + 2);
    triangle.closeSubpath();
    painter.fillPath(triangle, ColorArrow);
}
