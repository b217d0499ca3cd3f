#pragma once

#include "common/recordset.h"

#include <QString>
#include <QStringList>
#include <QVariant>

namespace davo {

// The listing queries: open activities in priority order, finished ones latest deadline first.
inline const common::TableRows ListaAtivas{QStringLiteral("Atividades"), QStringLiteral("Ativo = '1'"),
                                           QStringLiteral("FaltamDias, -GUT, HorasTrabDia, G, -DataFinal")};
inline const common::TableRows ListaConcluidas{QStringLiteral("Atividades"), QStringLiteral("Ativo = '0'"),
                                               QStringLiteral("-DataFinal")};

// The statements that make a fresh DAVO.mdb; the program checks at start-up that the file it opens
// has every table and field they make.
QStringList esquema();

// Creates a fresh DAVO.mdb at `path`, with no activity. Refuses to touch a file that exists
// (returns false).
bool createDatabase(const QString& path);

// Opens Atividades into `rs` at the activity whose Codigo is `codigo`, found on the primary key.
// Answers false, with `rs` closed, when there is no such activity.
bool abreAtividade(common::Database& db, const QVariant& codigo, common::Recordset& rs);

}  // namespace davo
