#include "davo/screens/report.h"

#include "common/platform.h"
#include "common/store.h"

#include <QCoreApplication>

namespace davo {

void relataErro(QWidget* parent, int number, const QString& description)
{
    common::Messages::show(parent, QMessageBox::Critical, QCoreApplication::translate("davo::relataErro", "Erro"),
                           QCoreApplication::translate("davo::relataErro",
                                                       "Ocorreu um erro na Abertura de Arquivos.\n"
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

bool descartaAlteracoes(QWidget* parent)
{
    return common::Messages::askYesNo(
        parent, QCoreApplication::translate("davo::descartaAlteracoes", "Descartar alterações?"),
        QCoreApplication::translate("davo::descartaAlteracoes",
                                    "Há respostas ou textos que ainda não foram gravados. Sair sem gravá-los?"),
        QMessageBox::Warning);
}

}  // namespace davo
