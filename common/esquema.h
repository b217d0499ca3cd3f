#pragma once

// A program's database must hold every table and field the program reads and writes. A file that
// opens but lacks them (an empty file, another program's database, an older copy) is refused at
// start-up with a reason the user can read, before any screen touches it; the file is not changed.

#include "common/store.h"

#include <QStringList>

namespace common {

// The tables and fields the CREATE TABLE statements among `statements` make.
struct TabelaEsperada {
    QString nome;
    QStringList campos;
};
QList<TabelaEsperada> tabelasDoEsquema(const QStringList& statements);

// Throws StoreError (TableNotFound or FieldNotFound) naming the first table or field of
// `statements` that the open database lacks.
void verificaEsquema(Database& db, const QStringList& statements);

}  // namespace common
