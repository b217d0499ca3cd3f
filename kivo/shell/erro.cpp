#include "kivo/shell/erro.h"

#include "kivo/shell/idioma.h"

#include "common/platform.h"
#include "common/widgets.h"

namespace kivo {

void relataErro(QWidget* parent, const QString& description)
{
    common::Messages::show(parent, QMessageBox::Critical, QStringLiteral("Erro"),
                           QStringLiteral("Ocorreu um erro no aplicativo.\r\n"
                                          "Como referência, anote o seguinte número: \r\n"
                                          "Ref.: ") +
                               description);
}

void usaMensagensFalha()
{
    common::setFailureWording([](const common::StoreError& falha) { return mensagemFalha(falha); });
}

}  // namespace kivo
