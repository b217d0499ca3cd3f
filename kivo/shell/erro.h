#pragma once

#include <QString>

class QWidget;

namespace kivo {

// kivo's standard error report: a critical box titled "Erro" with the error's description.
void relataErro(QWidget* parent, const QString& description);

}  // namespace kivo
