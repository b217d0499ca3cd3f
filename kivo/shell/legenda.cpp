#include "kivo/shell/legenda.h"

namespace kivo {

const char* textoDe(const Legenda& l, short idioma)
{
    return idioma == Ingles ? l.ingles : idioma == Espanhol ? l.espanhol : l.portugues;
}

QString legenda(const Legenda& texto, short idioma)
{
    const char* escolhido = textoDe(texto, idioma);
    return QString::fromUtf8(escolhido ? escolhido : texto.portugues);
}

}  // namespace kivo
