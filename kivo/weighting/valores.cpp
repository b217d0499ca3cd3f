#include "kivo/weighting/valores.h"

#include "kivo/shell/database.h"

#include "common/formats.h"

#include <QVariant>

namespace kivo::valores {

namespace {

// A value field holds a value unless it is null or the empty text.
bool temValor(const QVariant& v)
{
    return !v.isNull() && !(v.typeId() == QMetaType::QString && v.toString().isEmpty());
}

QString campoValor(int alternativa)
{
    return numbered(QStringLiteral("Valor"), alternativa);
}

}  // namespace

std::optional<QList<std::optional<QString>>> le(common::Recordset& criterios, int numero)
{
    criterios.seek(QStringLiteral("="), numero);
    if (criterios.noMatch())
        return std::nullopt;
    QList<std::optional<QString>> valores;
    for (int a = 1; a <= Linhas; ++a) {
        const QVariant valor = criterios.value(campoValor(a));
        valores << (temValor(valor) ? std::optional(common::defaultText(valor)) : std::nullopt);
    }
    return valores;
}

void grava(common::Recordset& criterios, const QStringList& textos)
{
    criterios.edit();
    for (int a = 1; a <= Linhas; ++a) {
        const QString campo = campoValor(a);
        const QString texto = textos.value(a - 1);
        if (temValor(criterios.value(campo)) && common::isNumeric(texto))
            criterios.setValue(campo, texto);
    }
    criterios.update();
}

}  // namespace kivo::valores
