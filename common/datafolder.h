#pragma once

// Where a program keeps its database file, decided once, at start-up.
//
// A copy that has its database beside its executable uses it: the build folder, or any folder
// holding the program with its file (a copy carried around). An installed copy (one the install
// rules put in place and marked, see isInstalledCopy) keeps its database in the user's data folder
// (~/.local/share/kivo, ~/.local/share/davo) and creates a fresh one there on its first start. Any
// other copy has no database: its start-up fails on the file expected beside it, and it never
// works on another file.

#include <QString>

#include <functional>

namespace common {

// Creates a fresh database at `path`; false when a file is there already. Throws StoreError.
using SeedDatabase = std::function<bool(const QString& path)>;

struct DataFolder {
    QString folder;          // the folder whose `fileName` the program opens
    QString file;            // that file's path
    QString problem;         // why no usable file is there (the start-up report says it); empty when one is
    bool installed = false;  // an installed copy: the folder is the user's data folder
    bool seeded = false;     // a fresh database was created in it just now
};

// True when the program in `programFolder` is an installed copy of `program`: the install rules
// leave the marker file "instalado" in the program's data folder of the installed tree
// (PREFIX/share/kivo/instalado beside PREFIX/bin/kivo). A build folder or a copy of the executable
// carried elsewhere has none.
bool isInstalledCopy(const QString& programFolder, const QString& program);

// The folder holding the program's database `fileName`, by the rule above; the program is named by
// the application (QCoreApplication::applicationName()). An installed copy's data folder is
// QStandardPaths::AppDataLocation, made private to the user (0700) when it is created, and seeded
// with `seed` when it has no such file yet. When no file can be made ready, `problem` says why and
// `folder` and `file` still name the expected one, so that opening it fails there and the start-up
// error report names it.
DataFolder dataFolder(const QString& programFolder, const QString& fileName, const SeedDatabase& seed);

// Makes `folder` and every missing folder above it, each new one readable by the user alone
// (0700); a folder that exists keeps its mode. False when it could not.
bool makePrivateFolder(const QString& folder);

}  // namespace common
