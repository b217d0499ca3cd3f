#pragma once

// kivo's screens in the user's language. Each screen has a table of its captions in Portuguese (its
// own), English and Spanish; applying a table sets every control it names to the language's text.

#include <QString>

#include <initializer_list>

class QObject;
class QWidget;

namespace kivo {

struct Legenda {
    const char* controle;  // the control's objectName; empty for the window's title
    const char* portugues;
    const char* ingles;
    const char* espanhol;
};

// Sets the caption of a control by its kind: a window's title, a frame's title, an action's or a
// label's or a button's text.
void defineLegenda(QObject* controle, const QString& texto);

// Applies the table for language `idioma` (1 English, 2 Spanish, anything else Portuguese) to the
// controls of `tela` (the window itself and its children, menu actions included).
void aplicaLegendas(QWidget* tela, std::initializer_list<Legenda> tabela, short idioma);

// The main menu's and the information screen's captions.
void legendasMenu(QWidget* menu, short idioma);
void legendasInformacoes(QWidget* tela, short idioma);

}  // namespace kivo
