#pragma once

// kivo's interface language. Every text is written in Portuguese in tr() (or translated by
// QCoreApplication::translate in the data rules); translations/kivo_en.ts and kivo_es.ts hold the
// English and Spanish, which instalaIdioma installs. Each screen sets its texts in a retranslate()
// that runs as it is built and again on QEvent::LanguageChange.

#include <QString>

#include <initializer_list>
#include <utility>

class QWidget;

namespace common {
class StoreError;
struct FailureMessage;
}  // namespace common

namespace kivo {

// Interface language codes, as stored in Parametro.Idioma.
enum Idioma : short { Ingles = 1, Espanhol = 2, Portugues = 3 };

// Installs language `idioma` (1 English, 2 Spanish, anything else Portuguese) for the whole
// program: kivo's texts (translations/kivo_<code>.ts), common's and Qt's own. Every screen opened
// afterwards speaks it, and every open window gets QEvent::LanguageChange once the event loop runs,
// on which each screen sets its texts again. Number and date formats stay the user's locale.
void instalaIdioma(short idioma);

// Sets each control's caption by its objectName and kind (a frame's title, a menu's title, an
// action's, a label's or a button's text): "" the window's title, "DBGrid1#1" a grid's column
// heading. A name the window does not hold is passed over.
void aplicaTextos(QWidget* tela, std::initializer_list<std::pair<const char*, QString>> textos);

// A write failure the user can act on (a full disk, a read-only or busy file, a disk error), worded
// in the interface language: what happened to which file, that nothing was changed, what to do.
common::FailureMessage mensagemFalha(const common::StoreError& falha);

}  // namespace kivo
