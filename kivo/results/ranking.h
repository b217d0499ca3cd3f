#pragma once

// The ranking of the alternatives, as its chart shows it: one bar per alternative in use, best result
// first, each bar split into the signed contribution of every criterion (KIVOkk). Benefits stack to
// the right of zero and costs to the left, in criterion order. The figures are read from what the
// result computation stored; desenhoranking.h lays the chart out and draws it.

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace common {
class Database;
}

namespace kivo::ranking {

// A criterion as the chart names it.
struct Criterio {
    int numero = 0;           // 1 to 15
    QString nome;             // Identifica; "Critério k" in the installed language when empty
    bool custo = false;       // Sinal is anything but exactly "+"
    double peso = 0;          // Peso, the weight from 1 to 10
    double participacao = 0;  // Pesos, the criterion's share of the weights
};

// One criterion's part of a bar: its contribution, and where the part lies on the value axis.
struct Segmento {
    int criterio = 0;         // index into Ranking::criterios
    double contribuicao = 0;  // KIVOkk as stored
    double inicio = 0;        // the end nearer to zero
    double fim = 0;           // inicio + contribuicao
};

struct Barra {
    int numero = 0;                   // Numero of the alternative
    QString nome;                     // Alternativa; "Alternativa a" in the installed language when empty
    double resultado = 0;             // Resultado as stored
    std::vector<Segmento> segmentos;  // one per criterion, in criterion order
};

struct Ranking {
    std::vector<Criterio> criterios;
    std::vector<Barra> barras;  // the alternatives in use, greatest result first (lower Numero on ties)
    int melhor = -1;            // the bar of the best option (the first of the greatest results above
                                // 0, as the computation names it); -1 when there is none
    bool vazio() const { return barras.empty(); }
};

// The name a criterion or an alternative goes by: its own, or, when it has none, "Critério 3" or
// "Alternativa 2" in the installed language. `numero` counts from 1.
QString nomeCriterio(int numero, const QString& nome);
QString nomeAlternativa(int numero, const QString& nome);

// The bars from the figures of alternatives 1..m: `contribuicoes[a][k]` is KIVO of criterion k + 1
// for alternative a + 1. Sorts, stacks the segments and finds the best option.
Ranking monta(std::vector<Criterio> criterios, const QStringList& nomes, const std::vector<double>& resultados,
              const std::vector<std::vector<double>>& contribuicoes);

// The ranking stored by the last run for its n criteria (1 to 15), m from Qtde of the first
// Alternativas row (3 when not a number, at most 15). Default names in the installed language.
Ranking leRanking(common::Database& db, int n);

// The chart's texts in the installed language (kivo::instalaIdioma).
struct Textos {
    QString titulo;
    QString custos;      // over the left of zero
    QString beneficios;  // over the right of zero
    QString melhor;      // beside the best option's result
    QString peso;        // "Peso: %1" in the hover text
    QString participacao;
    QString contribuicao;
    QString sinalCusto;  // after a cost criterion's name in the legend
    QString sinalBeneficio;
};
Textos textos();

// The text shown on hovering a segment: the alternative, the criterion with its sign, its weight and
// share, and the contribution.
QString dica(const Ranking& ranking, int barra, int segmento, const Textos& t);

}  // namespace kivo::ranking
