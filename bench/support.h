#pragma once

// What the benchmarks share: a Qt application on the offscreen platform, seams in test mode, a
// scratch folder, and davo databases filled with many activities.

#include <QString>
#include <QTemporaryDir>

namespace common {
class Database;
}

namespace benchsupport {

// A scratch folder for the run.
QString folder();

// A folder holding a DAVO.mdb with `count` activities, open and finished mixed, deadlines spread
// around today; made once per count and run.
QString davoFolder(int count);

// The process's peak resident memory in MiB.
double peakMemoryMiB();

// The offscreen platform, a Qt application and the seams in test mode, then the registered
// benchmarks.
int run(int argc, char** argv);

}  // namespace benchsupport

// The main() of every benchmark program.
#define BENCHMARK_MAIN_WITH_QT()              \
    int main(int argc, char** argv)           \
    {                                         \
        return benchsupport::run(argc, argv); \
    }
