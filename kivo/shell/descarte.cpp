#include "kivo/shell/descarte.h"

#include "common/platform.h"

#include <QCoreApplication>

namespace kivo {

bool descartaAlteracoes(QWidget* tela)
{
    return common::Messages::askYesNo(
        tela, QCoreApplication::translate("kivo::descartaAlteracoes", "Descartar alterações?"),
        QCoreApplication::translate("kivo::descartaAlteracoes",
                                    "Há respostas ou textos que ainda não foram gravados. Sair sem gravá-los?"),
        QMessageBox::Warning);
}

}  // namespace kivo
