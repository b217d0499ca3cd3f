#pragma once

#include <QString>

class QWidget;

namespace kivo {

// kivo's standard error report: a critical box titled "Erro" with the error's description.
void relataErro(QWidget* parent, const QString& description);

// From now on a write failure the user can act on is told in the language `idioma` holds at the
// time (kivo::mensagemFalha); `idioma` must outlive the program's run, or the next call.
void usaMensagensFalha(const short& idioma);

}  // namespace kivo
