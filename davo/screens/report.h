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

// Asked before a way out throws away what the user typed and has not stored: Yes and No, No the
// default. True for Yes: the screen goes and the answers are lost.
bool descartaAlteracoes(QWidget* parent);

}  // namespace davo
