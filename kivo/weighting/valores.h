#pragma once

// The rules that read and write the values of the alternatives in Criterios (Valor01..Valor15), with
// no window. The values screen calls them with the record set of Criterios it holds open on its
// primary key.

#include "common/store.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace kivo::valores {

// The alternatives there are values for.
inline constexpr int Linhas = 15;

// The values of criterion `numero`: moves `criterios` to its record and gives each alternative's
// value as text, nothing where the field holds no value (Null or the empty text); index 0 for
// alternative 1. Nothing at all when the criterion has no record.
std::optional<QList<std::optional<QString>>> le(common::Recordset& criterios, int numero);

// Stores `textos` (index 0 for alternative 1) into the current record: only the fields that hold a
// value are written, each only with a text that is a number, converted by the store to the field's
// type. One update of the record.
void grava(common::Recordset& criterios, const QStringList& textos);

}  // namespace kivo::valores
