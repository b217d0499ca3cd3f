#pragma once

// The rules that read and write Alternativas and Criterios, with no window: the count stored in
// Qtde, saving the rows of a list, and the two ways of clearing the history. The screens call
// them with the record sets they hold open.

#include "common/store.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <limits>

namespace kivo::dados {

// The slots of Alternativas and Criterios.
inline constexpr int Linhas = 15;

// The count stored in Qtde of a first row: the number rounded to the nearest whole and kept within
// `minimo`..`maximo` (a small integer's range unless told); 3 when it is not a number.
int qtdeGravada(const QVariant& qtde, int minimo = std::numeric_limits<short>::min(),
                int maximo = std::numeric_limits<short>::max());

// A table opened on its primary key, at its first row.
common::Recordset abreTabela(common::Database& db, const QString& tabela);

// Saves the names of the first rows of Alternativas, each row with the count as typed, in one
// transaction, from the first row down.
void gravaAlternativas(common::Database& db, common::Recordset& alternativas, const QStringList& nomes,
                       const QString& qtde);

// One row of the criteria list as the user typed it.
struct LinhaCriterio {
    QString identifica;
    QString sinal;
};

// Saves the description and the sign of the first rows of Criterios, each row with the count as
// typed, in one transaction, from the first row down.
void gravaCriterios(common::Database& db, common::Recordset& criterios, const QList<LinhaCriterio>& linhas,
                    const QString& qtde);

// Clearing the history from the alternatives list: every alternative's name emptied and its count
// 0 (the results stay), and every criterion emptied: description, sign, weight, comparisons, values
// and every figure computed from them.
void limpaHistoricoAlternativas(common::Database& db, common::Recordset& alternativas);

// Clearing the history from the criteria list: every criterion's description, sign, weight,
// comparisons and ratios; the values, the final weights and the alternatives stay.
void limpaHistoricoCriterios(common::Database& db, common::Recordset& criterios);

}  // namespace kivo::dados
