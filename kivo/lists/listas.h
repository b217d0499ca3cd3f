#pragma once

// What the two list screens share: the rules for the count, the signs and the weights, and the
// vertical layout of their rows. Plain functions, no widgets.

#include <QString>
#include <QVariant>

class QWidget;

namespace kivo::listas {

// Slots of Alternativas and Criterios; the screens have one row per slot.
inline constexpr int Linhas = 15;
// Accepted counts.
inline constexpr int QtdeMinima = 3;
inline constexpr int QtdeMaxima = 15;

// Vertical layout in twips: the first row's top, the step between rows, the window's height below
// the buttons.
inline constexpr int TopoLinhas = 1500;
inline constexpr int PassoLinha = 375;
inline constexpr int AlturaAbaixo = 2000;

// The count stored in Qtde of the first row: the number converted to a small integer, 3 when it is
// not a number.
short qtdeGravada(const QVariant& qtde);

// How many rows a count shows: the count itself, never below 0 nor above the 15 rows there are.
int linhasVisiveis(int qtde);

// The position below the last visible row, where the buttons sit.
int posicaoFinal(int qtde);

// What leaving a count box makes of its text.
struct QtdeDigitada {
    enum Resultado { NaoNumerica, ForaDaFaixa, Aceita };
    Resultado resultado = NaoNumerica;
    QString inteiro;  // the integer part (rounded down) as text; empty when not numeric
    short valor = 0;  // the accepted count
};
QtdeDigitada avaliaQtde(const QString& texto);

// A sign is exactly "+" or exactly "-".
bool sinalValido(const QString& texto);

// A weight as the criteria screen shows it, "#0.00" in the user's locale; nothing for an empty one.
QString textoPeso(const QVariant& peso);

// Places a control at a position and size given in twips.
void posiciona(QWidget* widget, int left, int top, int width, int height);

}  // namespace kivo::listas
