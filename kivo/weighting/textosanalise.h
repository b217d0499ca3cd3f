#pragma once

// What the analysis of the comparisons finds, in the interface language: the box of a failure and
// the consistency line. The comparison screen and the full report word the analysis with these.

#include "kivo/weighting/analise.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace kivo {

// The box a failure shows, in the installed language, when the program's language `idioma` is
// English (1), Spanish (2) or Portuguese (3). Any other code shows none, nor does no failure.
struct MensagemAnalise {
    QString titulo;
    QString texto;
};
std::optional<MensagemAnalise> mensagemAnalise(analise::Falha falha, short idioma);

// The consistency line shown under the grid, in the installed language; `nomes` holds the criteria
// names, index 0 for criterion 1, and a blank one is called by its number. Numbers in the user's
// locale.
QString textoConsistencia(const analise::Consistencia& c, const QStringList& nomes);

}  // namespace kivo
