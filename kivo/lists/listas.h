#pragma once

// What the two list screens share: the rules for the count, the signs and the weights, as plain
// functions; and, at the end, the few pieces that apply them to a screen's widgets: the count box
// left, the rows laid out, the lost-focus checks kept apart.

#include <QList>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>

class QLineEdit;
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
// The window's margin below its lowest button.
inline constexpr int MargemAbaixo = 240;

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

// Leaving a count box. Text that is not a number is emptied and the box takes the focus back; a
// number is cut to its integer part, and outside 3 to 15 it is refused with the message `titulo` /
// `texto`, emptied and given the focus back. Returns the accepted count, nothing for a refusal.
std::optional<short> saiQtde(QLineEdit* box, const QString& titulo, const QString& texto);

// One row of a list screen: its caption and the boxes beside it.
struct Linha {
    QWidget* rotulo = nullptr;
    QList<QWidget*> controles;
};

// Shows the first rows of a count from the top of the list down, a step apart, the caption 30
// twips lower than its boxes; the other rows are hidden and keep their text. A row that stays
// visible is never hidden on the way, so the focus stays where the user put it. Returns the final
// position, below the last visible row.
int dispoeLinhas(const QList<Linha>& linhas, int qtde);

// The lost-focus checks of one window, through common::onLostFocus (so none runs while another is
// under way, and a button runs the pending one before its action). None runs once the window is
// closing either.
class VerificacoesSaida {
public:
    // Runs `check` each time `box` loses the focus and before a storing button's action while the
    // focus is in `box`, when the user has changed its text since it was loaded or last checked;
    // `check` answers false when it refused the text, and the button's action then does not run.
    void vigia(QWidget* box, std::function<bool()> check);
    // From now on no check runs: the window is going away.
    void fechando() { fechando_ = true; }
    // The boxes hold what is stored (just loaded, just cleared): none is checked until changed.
    void conhecidos();

private:
    bool fechando_ = false;
    QList<QPair<QLineEdit*, std::shared_ptr<QString>>> conhecidos_;
};

}  // namespace kivo::listas
