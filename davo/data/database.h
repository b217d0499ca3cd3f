#pragma once

#include <QString>

namespace davo {

// The listing queries: open activities in priority order, finished ones latest deadline first.
inline const QString ListaAtivas = QStringLiteral(
    "Select * FROM Atividades WHERE Ativo = '1' ORDER BY FaltamDias, -GUT, HorasTrabDia, G, -DataFinal");
inline const QString ListaConcluidas =
    QStringLiteral("Select * FROM Atividades WHERE Ativo = '0' ORDER BY -DataFinal");

// Creates a fresh DAVO.mdb at `path`, with no activity. Refuses to touch a file that exists
// (returns false).
bool createDatabase(const QString& path);

}  // namespace davo
