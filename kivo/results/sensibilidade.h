#pragma once

// How firm the best option is. The ranking is made again in memory, with the arithmetic of the
// result computation, while one criterion's weight moves over 1 to 10 and every other weight stays:
// the criteria shares from the weights (the quotient of every pair of weights, summed per criterion
// and divided by the grand sum), the alternatives' shares under each criterion from their values
// (every ordered pair, the totals divided by their spread, then by the sum of those), and each
// alternative's result as the sum, in criterion order, of (share of the criterion x sign) x share
// of the alternative. The best option is the first alternative whose result is strictly the
// greatest, and only above 0.
//
// Weights move in steps of 0.01, as the weights are kept to two decimals: a range is the run of
// weights to two decimals, around the current one, over which the best option stays the same.

#include <QString>

#include <optional>
#include <vector>

namespace common {
class Database;
}

namespace kivo::sensibilidade {

// The lowest and highest weight a criterion takes.
inline constexpr double PesoMinimo = 1.0;
inline constexpr double PesoMaximo = 10.0;

// No alternative has a result above 0.
inline constexpr int SemMelhor = -1;

// One criterion as the ranking reads it.
struct Criterio {
    QString nome;                 // Identifica
    QString sinal;                // Sinal: exactly "+" adds, anything else subtracts
    double peso = 0;              // Peso
    std::vector<double> valores;  // Valor01, Valor02, ...: the value of each alternative, in order
};

// Criteria 1 to n and the names of alternatives 1 to m; every criterion holds m values.
struct Caso {
    std::vector<Criterio> criterios;
    std::vector<QString> alternativas;
};

struct Classificacao {
    std::vector<double> pesos;       // each criterion's share (Pesos of Criterios)
    std::vector<double> resultados;  // each alternative's Resultado
    int melhor = SemMelhor;          // the best option, 0 for alternative 1
};

// +1 for exactly "+", -1 for anything else (the empty text included).
int sinal(const QString& texto);

// Each criterion's share from the weights. A quotient whose divisor is 0 counts 0. A single
// criterion has the share 1; with no quotient above 0 at all (every weight 0) every share is 0.
std::vector<double> pesosDosCriterios(const std::vector<double>& pesos);

// Each alternative's share under one criterion, from its values. A quotient whose divisor is 0
// counts 0; with no spread between the totals (all values equal) every share is 0.
std::vector<double> pesosDasAlternativas(const std::vector<double>& valores);

// The ranking of the case at its weights.
Classificacao classifica(const Caso& caso);

// Where the best option changes on one side of a criterion's range.
struct Mudanca {
    double peso = 0;         // the first weight, to two decimals, at which it is another
    int melhor = SemMelhor;  // the option that is best there; SemMelhor: none is above 0
};

// How far one criterion's weight moves, every other weight kept, before the best option changes.
struct Faixa {
    int criterio = 0;               // 0 for criterion 1
    double peso = 0;                // its current weight
    double minimo = 0;              // the lowest weight in [1, 10] to two decimals keeping the best option
    double maximo = 0;              // the highest one
    std::optional<Mudanca> abaixo;  // the change just below minimo; none when nothing changes down to 1
    std::optional<Mudanca> acima;   // the change just above maximo; none when nothing changes up to 10

    // The distance from the current weight to the nearer change; none when nothing changes.
    std::optional<double> margem() const;
    // The nearer change (below on equal distances); none when nothing changes.
    std::optional<Mudanca> maisProxima() const;
};

// Each alternative's result at weights from 1 to 10 of one criterion, for the chart.
struct Curvas {
    std::vector<double> pesos;                    // the weights, from 1 to 10, evenly spaced
    std::vector<std::vector<double>> resultados;  // per alternative, its result at each weight
};

class Sensibilidade {
public:
    explicit Sensibilidade(Caso caso);

    const Caso& caso() const { return caso_; }
    // The ranking at the current weights.
    const Classificacao& atual() const { return atual_; }

    // The results with criterion `criterio`'s weight set to `peso`, every other weight kept.
    std::vector<double> resultadosCom(int criterio, double peso) const;
    // The best option then.
    int melhorCom(int criterio, double peso) const;

    Faixa faixa(int criterio) const;
    // Every criterion's range, in criterion order.
    std::vector<Faixa> faixas() const;
    // The criterion whose weight is nearest to changing the best option (the first of equals);
    // -1 when no weight in [1, 10] changes it.
    static int maisEstreita(const std::vector<Faixa>& faixas);

    // `pontos` weights from 1 to 10 (at least 2); 901 gives every weight to two decimals.
    Curvas curvas(int criterio, int pontos = 901) const;

private:
    // Results into `resultados` for the weights `pesos`; answers the best option.
    int avalia(const std::vector<double>& pesos, std::vector<double>& resultados) const;

    Caso caso_;
    std::vector<double> pesosAtuais_;
    std::vector<int> sinais_;
    std::vector<std::vector<double>> partes_;  // per criterion, each alternative's share
    Classificacao atual_;
};

// The case as the result computation reads it from the database: n from Qtde of the first
// Criterios row and m from Qtde of the first Alternativas row (3 when not a number, at most 15),
// the names, signs and weights of criteria 1 to n, the names of alternatives 1 to m, and the values
// Valor01 to Valor m of each criterion. Nothing when the weight of a criterion 1 to n is empty or
// not a number: the computation refuses such a run.
std::optional<Caso> leCaso(common::Database& db);

}  // namespace kivo::sensibilidade
