#pragma once

#include <QString>

// The folder of the running program file, without a trailing separator except
// at the root ("/"). Tests point it at a temporary folder with the override.
QString programFolder();
void setProgramFolderOverride(const QString& folder); // empty: no override

// Folder + "/" + name, built anew at every call. At the root this gives "//name",
// which the file system accepts.
QString programFilePath(const QString& fileName);
