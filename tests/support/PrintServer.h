#pragma once

#include <QString>
#include <QStringList>

// Drives the private print server that CTest started for the printing tests:
// its queues, its default, its state, and the jobs it kept.
namespace PrintServer {
enum class Paper { Custom, Fixed };

// Removes every queue and every kept job.
void reset();
void addQueue(const QString& name, Paper paper = Paper::Custom);
void removeQueue(const QString& name);
void setDefault(const QString& name);
void rejectJobs(const QString& name);
void stop();
void start(); // again, after stop(), with the same queues

// The PDFs the server received, oldest first.
QStringList jobFiles();
int jobCount();
// An attribute of the newest job, as the server holds it ("media", for one).
QString lastJobAttribute(const char* name);
}
