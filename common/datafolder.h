#pragma once

// Where a program keeps its database file.
//
// A copy that runs from its build folder, or from any folder holding its database (a portable
// copy), keeps using the file beside its executable. An installed copy has no file beside it: it
// keeps its database in the user's data folder (~/.local/share/kivo, ~/.local/share/davo), and
// creates a fresh one there on its first start, silently.

#include <QString>

#include <functional>

namespace common {

// Creates a fresh database at `path`; false when a file is there already. Throws StoreError.
using SeedDatabase = std::function<bool(const QString& path)>;

struct DataFolder {
    QString folder;   // the folder whose `fileName` the program opens
    QString problem;  // why the user's data folder could not be made ready; empty when it could
    bool seeded = false;  // a fresh database was created in it just now
};

// The folder holding the program's database `fileName`: `programFolder` when the file lies
// there; otherwise the user's data folder (QStandardPaths::AppDataLocation, named after the
// application), created with `seed` when it has no such file yet. When that folder cannot be
// created or written, `problem` says why and `folder` still names it, so that opening the database
// fails there and the program's start-up error report names the path.
DataFolder dataFolder(const QString& programFolder, const QString& fileName, const SeedDatabase& seed);

}  // namespace common
