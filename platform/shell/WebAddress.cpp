#include "WebAddress.h"

#include <QDesktopServices>
#include <QUrl>

void openWebAddress(const QString& address)
{
    QDesktopServices::openUrl(QUrl(address));
}
