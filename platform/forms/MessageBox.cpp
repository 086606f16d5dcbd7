#include "MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>

int showMessageBox(const MessageBoxOptions& options, QWidget* parent)
{
    // Owned by the active window, so the window system hands the focus back to
    // it when the box closes.
    if (!parent)
        parent = QApplication::activeWindow();
    QMessageBox box(options.icon, options.caption, options.text, QMessageBox::NoButton, parent);
    QList<QPushButton*> buttons;
    for (const QString& label : options.buttons)
        buttons.append(box.addButton(label, QMessageBox::AcceptRole));
    if (options.defaultButton >= 0 && options.defaultButton < buttons.size()) {
        box.setDefaultButton(buttons.at(options.defaultButton));
        box.setEscapeButton(buttons.at(options.defaultButton));
    }
    box.exec();
    const int clicked = buttons.indexOf(qobject_cast<QPushButton*>(box.clickedButton()));
    return clicked >= 0 ? clicked : options.defaultButton;
}
