#include "MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>

int showMessageBox(const MessageBoxSpec& spec, QWidget* parent)
{
    // Owned by the active window, so the window system hands the focus back to
    // it when the box closes.
    if (!parent)
        parent = QApplication::activeWindow();
    QMessageBox box(spec.icon, spec.caption, spec.text, QMessageBox::NoButton, parent);
    QList<QPushButton*> buttons;
    for (const QString& label : spec.buttons)
        buttons.append(box.addButton(label, QMessageBox::AcceptRole));
    if (spec.defaultButton >= 0 && spec.defaultButton < buttons.size()) {
        box.setDefaultButton(buttons.at(spec.defaultButton));
        box.setEscapeButton(buttons.at(spec.defaultButton));
    }
    box.exec();
    const int clicked = buttons.indexOf(qobject_cast<QPushButton*>(box.clickedButton()));
    return clicked >= 0 ? clicked : spec.defaultButton;
}
