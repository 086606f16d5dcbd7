#pragma once

#include <QWidget>

class QObject;

enum class TCloseAction { caNone, caHide, caFree, caMinimize };

// Base of the program's windows. A close runs FormClose through the handler
// guard; the action it leaves decides what happens: hide (the default), free
// (deferred delete through the event loop), minimise, or nothing. A failing
// FormClose abandons the close.
class TForm : public QWidget
{
    Q_OBJECT
public:
    explicit TForm(QWidget* parent = nullptr);
    // True once a close has queued the window's release.
    bool isReleasing() const { return releasing; }

protected:
    virtual void FormClose(QObject* Sender, TCloseAction& Action);
    void closeEvent(QCloseEvent* event) override;

private:
    bool releasing = false;
};
