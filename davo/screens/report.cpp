#include "davo/screens/report.h"

#include "common/platform.h"
#include "common/store.h"

namespace davo {

void relataErro(QWidget* parent, int number, const QString& description)
{
    common::Messages::show(parent, QMessageBox::Critical, QStringLiteral("Erro"),
                           QStringLiteral("Ocorreu um erro na Abertura de Arquivos.\n"
                                          "Como referência, anote o seguinte número: \n"
                                          "Número de Erro => %1\n"
                                          "Ref.: %2")
                               .arg(number)
                               .arg(description));
}

void relataErro(QWidget* parent, const common::StoreError& error)
{
    relataErro(parent, error.number(), error.description());
}

}  // namespace davo
