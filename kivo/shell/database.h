#pragma once

#include <QString>
#include <QStringList>

namespace kivo {

// The statements that make a fresh CONTROLE.mdb; the program checks at start-up that the file it
// opens has every table and field they make.
QStringList esquema();

// Creates a fresh CONTROLE.mdb at `path`: every table, the one Parametro row and the 15 empty rows
// of Alternativas and Criterios. Refuses to touch a file that exists (returns false).
bool createDatabase(const QString& path);

// "N" + "07": the numbered field families N01..N15, Valor01..Valor15, RTO01.., the tables c01..c15.
QString numbered(const QString& prefix, int number);

}  // namespace kivo
