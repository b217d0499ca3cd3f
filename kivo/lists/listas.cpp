#include "kivo/lists/listas.h"
#include "kivo/shell/dados.h"

#include "common/formats.h"
#include "common/platform.h"
#include "common/store.h"
#include "common/widgets.h"

#include <QLineEdit>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <limits>

namespace kivo::listas {

short qtdeGravada(const QVariant& qtde)
{
    return static_cast<short>(dados::qtdeGravada(qtde));
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

std::optional<short> saiQtde(QLineEdit* box, const QString& titulo, const QString& texto)
{
    const QtdeDigitada digitada = avaliaQtde(box->text());
    if (digitada.resultado == QtdeDigitada::Aceita) {
        box->setText(digitada.inteiro);
        return digitada.valor;
    }
    if (digitada.resultado == QtdeDigitada::ForaDaFaixa) {
        box->setText(digitada.inteiro);  // the box shows the integer while the message is up
        common::Messages::exclamation(box->window(), titulo, texto);
    }
    box->clear();
    box->setFocus();
    return std::nullopt;
}

int dispoeLinhas(const QList<Linha>& linhas, int qtde)
{
    const int visiveis = linhasVisiveis(qtde);
    for (int i = 0; i < linhas.size(); ++i) {
        const Linha& linha = linhas[i];
        const bool mostra = i < visiveis;
        linha.rotulo->setVisible(mostra);
        for (QWidget* controle : linha.controles)
            controle->setVisible(mostra);
        if (!mostra)
            continue;
        const int top = TopoLinhas + PassoLinha * i;
        linha.rotulo->move(linha.rotulo->x(), common::twips(top + 30));
        for (QWidget* controle : linha.controles)
            controle->move(controle->x(), common::twips(top));
    }
    return posicaoFinal(qtde);
}

void VerificacoesSaida::vigia(QWidget* box, std::function<bool()> check)
{
    auto* texto = qobject_cast<QLineEdit*>(box);
    auto conhecido = std::make_shared<QString>();
    if (texto)
        conhecidos_.append({texto, conhecido});
    common::onLostFocus(box, [this, texto, conhecido, check = std::move(check)] {
        // Only what the user changed is checked, once: a box as loaded, or as its own check left it
        // (emptied, say), is not checked again, so pressing a button a second time never repeats a
        // message.
        if (fechando_ || (texto && texto->text() == *conhecido))
            return true;
        const bool aceito = check();
        if (texto)
            *conhecido = texto->text();
        return aceito;
    });
}

void VerificacoesSaida::conhecidos()
{
    for (const auto& [box, conhecido] : conhecidos_)
        *conhecido = box->text();
}

}  // namespace kivo::listas
