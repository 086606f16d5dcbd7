#include "ApplicationTitle.h"

#include <QCoreApplication>
#include <QFileInfo>

QString applicationTitleFor(const QString& programFilePath)
{
    const QString name = QFileInfo(programFilePath).fileName();
    const QString stem = name.left(name.indexOf(u'.') < 0 ? name.size() : name.indexOf(u'.'));
    if (stem.isEmpty())
        return stem;
    return stem.left(1) + stem.mid(1).toLower();
}

QString applicationTitle()
{
    return applicationTitleFor(QCoreApplication::applicationFilePath());
}
