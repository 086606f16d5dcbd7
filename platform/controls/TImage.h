#pragma once

#include "TPicture.h"

#include <QWidget>

// Shows its picture stretched to its whole box, without keeping proportions.
class TImage : public QWidget
{
    Q_OBJECT
public:
    explicit TImage(QWidget* parent);
    TPicture Picture;

protected:
    void paintEvent(QPaintEvent* event) override;
};
