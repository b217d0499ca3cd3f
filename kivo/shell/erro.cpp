#include "kivo/shell/erro.h"

#include "common/platform.h"

namespace kivo {

void relataErro(QWidget* parent, const QString& description)
{
    common::Messages::show(parent, QMessageBox::Critical, QStringLiteral("Erro"),
                           QStringLiteral("Ocorreu um erro no aplicativo.\r\n"
                                          "Como referência, anote o seguinte número: \r\n"
                                          "Ref.: ") +
                               description);
}

}  // namespace kivo
