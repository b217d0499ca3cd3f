#include "kivo/shell/descarte.h"

#include "kivo/shell/idioma.h"

#include "common/platform.h"

namespace kivo {

bool descartaAlteracoes(QWidget* tela, short idioma)
{
    return common::Messages::askYesNo(
        tela, legenda({"", "Descartar alterações?", "Discard changes?", "¿Descartar cambios?"}, idioma),
        legenda({"", "Há respostas ou textos que ainda não foram gravados. Sair sem gravá-los?",
                 "Some answers or texts have not been saved yet. Leave without saving them?",
                 "Hay respuestas o textos que todavía no se han guardado. ¿Salir sin guardarlos?"},
                idioma),
        QMessageBox::Warning);
}

}  // namespace kivo
