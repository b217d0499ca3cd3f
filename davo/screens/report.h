#pragma once

#include <QString>

class QWidget;

namespace common {
class StoreError;
}

namespace davo {

// davo's standard error report: a critical box titled "Erro" with the error's number and
// description.
void relataErro(QWidget* parent, int number, const QString& description);
void relataErro(QWidget* parent, const common::StoreError& error);

}  // namespace davo
