#pragma once

// kivo's screens in the user's language, all in this one place. Each screen has a table of its
// captions in Portuguese (its own), English and Spanish; applying a table sets every control it
// names to the language's text. Each screen applies its table once, as it loads; the main menu also
// each time the information screen closes.

#include "kivo/shell/legenda.h"

#include <QString>

#include <initializer_list>
#include <utility>

class QObject;
class QWidget;

namespace common {
class StoreError;
struct FailureMessage;
}  // namespace common

namespace kivo {

// The interface language `idioma` (1 English, 2 Spanish, anything else Portuguese) by the code of
// its translation files: "en", "es", "pt".
QString codigoLingua(short idioma);

// Installs language `idioma` for the whole program: kivo's texts (translations/kivo_<code>.ts),
// common's and Qt's own. Every screen opened afterwards speaks it, and every open window gets
// QEvent::LanguageChange once the event loop runs, on which each screen sets its texts again.
// Number and date formats stay the user's locale.
void instalaIdioma(short idioma);

// Sets each control's caption (see defineLegenda) by its objectName: "" the window's title,
// "DBGrid1#1" a grid's column heading. A name the window does not hold is passed over.
void aplicaTextos(QWidget* tela, std::initializer_list<std::pair<const char*, QString>> textos);

// Sets the caption of a control by its kind: a window's title, a frame's title, an action's or a
// label's or a button's text.
void defineLegenda(QObject* controle, const QString& texto);

// Applies the table for language `idioma` (1 English, 2 Spanish, anything else Portuguese) to the
// controls of `tela` (the window itself and its children, menu actions included).
void aplicaLegendas(QWidget* tela, std::initializer_list<Legenda> tabela, short idioma);

// A write failure the user can act on (a full disk, a read-only or busy file, a disk error), worded
// in the interface language: what happened to which file, that nothing was changed, what to do.
common::FailureMessage mensagemFalha(const common::StoreError& falha);

// Each screen's captions.
void legendasAlternativas(QWidget* tela, short idioma);
void legendasCriterios(QWidget* tela, short idioma);
void legendasCriteriosAj(QWidget* tela, short idioma);
void legendasValores(QWidget* tela, short idioma);
void legendasDados(QWidget* tela, short idioma);
void legendasResultado(QWidget* tela, short idioma);

}  // namespace kivo
