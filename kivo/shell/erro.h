#pragma once

#include <QString>

class QWidget;

namespace kivo {

// kivo's standard error report: a critical box titled "Erro" with the error's description, in
// Portuguese whatever the interface language.
void relataErro(QWidget* parent, const QString& description);

// From now on a write failure the user can act on is told in kivo's words (kivo::mensagemFalha),
// in the interface language of the moment.
void usaMensagensFalha();

}  // namespace kivo
