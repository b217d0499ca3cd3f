#include "kivo/lists/listas.h"

#include "common/formats.h"
#include "common/store.h"
#include "common/widgets.h"

#include <QWidget>

#include <algorithm>
#include <cmath>
#include <limits>

namespace kivo::listas {

short qtdeGravada(const QVariant& qtde)
{
    const auto n = common::readNumber(common::defaultText(qtde));
    if (!n)
        return QtdeMinima;
    // A small integer: rounded to the nearest, and kept within its range.
    const double lo = std::numeric_limits<short>::min();
    const double hi = std::numeric_limits<short>::max();
    return static_cast<short>(std::clamp(std::nearbyint(*n), lo, hi));
}

int linhasVisiveis(int qtde)
{
    return std::clamp(qtde, 0, Linhas);
}

int posicaoFinal(int qtde)
{
    return TopoLinhas + PassoLinha * linhasVisiveis(qtde);
}

QtdeDigitada avaliaQtde(const QString& texto)
{
    QtdeDigitada r;
    const auto n = common::readNumber(texto);
    if (!n)
        return r;
    const double inteiro = std::floor(*n);
    r.inteiro = QString::number(inteiro, 'f', 0);
    if (inteiro < QtdeMinima || inteiro > QtdeMaxima) {
        r.resultado = QtdeDigitada::ForaDaFaixa;
        return r;
    }
    r.resultado = QtdeDigitada::Aceita;
    r.valor = static_cast<short>(inteiro);
    return r;
}

bool sinalValido(const QString& texto)
{
    return texto == QLatin1String("+") || texto == QLatin1String("-");
}

QString textoPeso(const QVariant& peso)
{
    const QString texto = common::defaultText(peso);
    if (texto.isEmpty())
        return QString();
    if (const auto n = common::readNumber(texto))
        return common::formatFixed(*n, 2);
    return texto;  // not a number: shown as it is
}

void posiciona(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(common::twips(left), common::twips(top), common::twips(width), common::twips(height));
}

}  // namespace kivo::listas
