#pragma once

// What the benchmarks share: a Qt application on the offscreen platform, seams in test mode, a
// scratch folder, and davo databases filled with many activities.

#include <QString>
#include <QTemporaryDir>

namespace common {
class Database;
}

namespace benchsupport {

// Call first in main(): sets the offscreen platform and creates the application object.
void start(int& argc, char** argv);

// A scratch folder for the run.
QString folder();

// Adds `count` activities to an open DAVO.mdb, open and finished mixed, deadlines spread around
// today, in one transaction.
void addActivities(common::Database& db, int count);

// The process's peak resident memory in MiB.
double peakMemoryMiB();

}  // namespace benchsupport
