#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
QString& folderOverride()
{
    static QString folder;
    return folder;
}
}

QString programFolder()
{
    if (!folderOverride().isEmpty())
        return folderOverride();
    return QFileInfo(QCoreApplication::applicationFilePath()).absolutePath();
}

void setProgramFolderOverride(const QString& folder)
{
    folderOverride() = folder;
}

QString programFilePath(const QString& fileName)
{
    return programFolder() + u'/' + fileName;
}
