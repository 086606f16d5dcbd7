#pragma once

#include <QLabel>
#include <functional>

// A static text. Transparent (the default) lets what lies below show through;
// opaque fills its box with the parent's colour. A click runs OnClick.
class TLabel : public QLabel
{
    Q_OBJECT
public:
    TLabel(const QString& text, QWidget* parent);
    void setTransparent(bool transparent);
    std::function<void(QObject* Sender)> OnClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
