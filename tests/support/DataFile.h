#pragma once

#include <QString>

// Makes an empty data.mdb in a folder with the build's own tool and schema.
void makeDataFile(const QString& folder);
