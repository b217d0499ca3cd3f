#pragma once

// A text kivo shows in its three languages, and the language codes. No windows here: the data rules
// that word a line of a report or a chart read it too.

#include <QString>

namespace kivo {

// Interface language codes, as stored in Parametro.Idioma.
enum Idioma : short { Ingles = 1, Espanhol = 2, Portugues = 3 };

// One row of a screen's caption table. `controle` names the control by its objectName:
//   ""              the window's title
//   "Label1"        one control
//   "Label1(*)"     every element of a control array, Label1(0), Label1(1), ...: in the texts "%n"
//                   stands for the element's number counted from 1, "%i" for its index
//   "DBGrid1#1"     a grid's column heading, by column
// A null text leaves the control's caption as the screen made it (its Portuguese one).
struct Legenda {
    const char* controle;
    const char* portugues;
    const char* ingles;
    const char* espanhol;
};

// The text of a caption that a screen writes as it works (a grid's heading, a banner), in language
// `idioma`; `controle` is not used. A null text falls back to the Portuguese.
QString legenda(const Legenda& texto, short idioma);
// The row's text in language `idioma` as written, null where the row has none.
const char* textoDe(const Legenda& texto, short idioma);

}  // namespace kivo
