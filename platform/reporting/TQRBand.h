#pragma once

#include <QColor>
#include <QList>
#include <QObject>

class TQRPrintable;

// A title band: printed once, at the top of the first page, filled with its
// colour; its elements are drawn in the order they were added.
class TQRBand : public QObject
{
    Q_OBJECT
public:
    TQRBand(QObject* report, double height, double width);
    double Height; // tenths of a millimetre
    double Width;
    QColor Color = Qt::white;

    template <typename Element, typename... Args>
    Element* add(Args&&... args)
    {
        auto* element = new Element(this, std::forward<Args>(args)...);
        printables.append(element);
        return element;
    }
    const QList<TQRPrintable*>& elements() const { return printables; }

private:
    QList<TQRPrintable*> printables;
};
