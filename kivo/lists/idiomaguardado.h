#pragma once

// The list and weighting screens speak the language the program keeps (Programa::idioma, the
// stored Parametro.Idioma). The main menu reads and changes that language without installing its
// translation, so each of these screens installs it as it is built when another one is in force.

#include "kivo/shell/idioma.h"
#include "kivo/shell/kivo.h"

#include "common/traducao.h"

namespace kivo {

inline void instalaIdiomaGuardado(const Programa& programa)
{
    if (common::linguaInstalada() != codigoLingua(programa.idioma))
        instalaIdioma(programa.idioma);
}

}  // namespace kivo
