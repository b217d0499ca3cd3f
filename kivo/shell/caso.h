#pragma once

// Cases: each decision is a database file of its own, with the same tables as CONTROLE.mdb (any
// such file, the default one included, is a case). Opening, creating and copying case files; the
// case's name and goal, kept in a table of its own that the first save of them adds; the case in
// use and the last cases opened, remembered in the user's settings. No windows here.

#include "common/store.h"

#include <QString>
#include <QStringList>

namespace kivo::caso {

// How many cases the recent list keeps.
inline constexpr int MaximoRecentes = 5;

// The file of the same case, compared as the system names files.
bool mesmoArquivo(const QString& a, const QString& b);

// Throws StoreError when `path` is no kivo case: no file, no database, a table or field missing,
// an empty Parametro. The file is only read.
void verificaCaso(const QString& path);

// `db` on the case `path`, once verificaCaso accepts it; until then, and when it fails, `db` stays
// on the file it had. Throws StoreError.
void abreCaso(common::Database& db, const QString& path);

// A fresh case at `path`, speaking `idioma`, built beside it and put in place only when whole.
// False when a file is there already (it is left alone). Throws StoreError.
bool novoCaso(const QString& path, short idioma);

// A complete copy of the open case at `path`, built beside it and put in place only when whole
// and on disk. False when a file is there already (it is left alone). Throws StoreError.
bool copiaCaso(common::Database& db, const QString& path);

// The name and the goal (or undesired symptom) of a case.
struct Propriedades {
    QString nome;
    QString objetivo;
};

// A case's name until one is saved: its file's base name ("CONTROLE" for CONTROLE.mdb).
QString nomePadrao(const QString& path);

// What the case holds; a file that has never saved them (every file made by an earlier version)
// has its file's base name and no goal. A saved empty name also reads as the base name.
Propriedades lePropriedades(common::Database& db);

// Stores the name and the goal. A file that has no place for them yet gets its table (Caso) in the
// same transaction. Throws StoreError.
void gravaPropriedades(common::Database& db, const Propriedades& propriedades);

// The user's settings: the case in use and the last cases opened, most recent first. Tests keep
// them in a folder of their own (QSettings::setPath for the INI format).
QString casoGuardado();
QStringList recentes();
// `path` becomes the case in use and the first of the recent list (which keeps MaximoRecentes).
void guardaCaso(const QString& path);
// Takes `path` out of the recent list.
void removeRecente(const QString& path);

}  // namespace kivo::caso
