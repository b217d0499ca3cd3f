#pragma once

#include "common/mainwindow.h"
#include "common/store.h"
#include "kivo/shell/idioma.h"

#include <QString>

namespace kivo {

// The blue of kivo's pictures, from the top down: the main window's and the printed report's.
inline const common::Gradient CoresImagem{QColor(16, 42, 96), QColor(96, 152, 216)};

// What kivo's screens share for the program's run.
struct Programa {
    QString pasta;             // the program's folder, where CONTROLE.mdb lies
    common::Database db;       // the one connection to CONTROLE.mdb
    short idioma = Portugues;  // the interface language
    short qtdeCriterios = 3;   // the number of criteria in use, 1 to 15
    QString dataInicio;        // the date the program started, as text
};

}  // namespace kivo
