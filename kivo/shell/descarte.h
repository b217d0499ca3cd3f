#pragma once

class QWidget;

namespace kivo {

// Asked when Esc, the window's close button or a way out that stores nothing would throw away
// what the user typed and has not stored yet, in the interface language: Yes and No, No the
// default. True for Yes: the screen closes and the answers are lost.
bool descartaAlteracoes(QWidget* tela);

}  // namespace kivo
