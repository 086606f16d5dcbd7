#pragma once

#include <QWidget>

// A sunken box outline: top and left in the button-shadow colour, bottom and
// right in the button-highlight colour.
class TBevel : public QWidget
{
    Q_OBJECT
public:
    explicit TBevel(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
