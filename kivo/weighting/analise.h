#pragma once

// The arithmetic of the pairwise comparison of the criteria, free of widgets: the five-step scale,
// the weights (points, extremes, the scaling to 0..5, Emach, the normalisation and the final weight
// from 1 to 10, each stage working on the two-decimal text of the one before, as the grid shows it),
// which of the two failures stopped it, and how consistent the answers are. What it finds is given
// as kinds, numbers and criteria indices; textosanalise.h words it for the screens.
//
// A comparison matrix is given as the texts of its cells, in the user's locale: matriz[r][c] holds
// how many times criterion r + 1 is as important as criterion c + 1, or an empty text.

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace kivo::analise {

// Criteria there can be at most (fields N01..N15).
inline constexpr int MaxCriterios = 15;

// The answer of one option button: the value put in the asked cell and in its mirror.
struct Resposta {
    double pergunta = 0;
    double espelho = 0;
};
// opt1 "Muito Mais" 10 / 0.1, opt2 5 / 0.2, opt3 1 / 1, opt4 0.2 / 5, opt5 0.1 / 10.
Resposta resposta(int opcao);

// The number a cell holds: its text read in the user's locale, 0 for an empty or other text.
double valorCelula(const QString& texto);

// The matrix of a square grid of texts, n x n.
using Matriz = QList<QStringList>;

enum class Falha {
    Nenhuma,
    LinhasIguais,   // every row has the same points: nothing can be scaled
    ColunasIguais,  // the rows differ but every column has the same points
};

// The texts each stage writes into the grid, one per criterion (index 0 is criterion 1). A stage
// the analysis did not reach holds fewer texts: after a columns-equal failure `h` holds criterion
// 1's only and the later stages none.
struct Resultado {
    QStringList pontosLinha;   // R, plain number text
    QStringList pontosColuna;  // C, plain number text
    QStringList h;             // row points scaled to 0..5, "#0.00"
    QStringList v;             // column points scaled to 0..5, "#0.00"
    QStringList emach;         // E = V / (H + 1) - 1, "#0.00", -1 to 4
    QStringList normal;        // N = 1 - (E + 1) / 5, "#0.00", 0 to 1
    QStringList peso;          // W = N * 9 + 1, "#0.00", 1 to 10
    Falha falha = Falha::Nenhuma;
};

// The whole computation of the weights. The extremes of the points are compared on their values
// rounded to four decimals, and a tie keeps the earlier criterion's value.
Resultado calcula(const Matriz& matriz);

// One answer moved by one step of the five-step scale, to the neighbouring value.
struct Mudanca {
    int linha = -1;  // the pair asked: row criterion and column criterion, 0-based, linha < coluna
    int coluna = -1;
    int de = 0;        // the option answered now, 1 ("Muito Mais") to 5 ("Muito menos")
    int para = 0;      // the option one step away
    double razao = 0;  // the consistency ratio the answers would then have
};

// How consistent the answers are, from the reciprocal matrix of the pairs above the diagonal.
struct Consistencia {
    int faltando = 0;      // pairs above the diagonal left unanswered; the ratio needs them all
    double lambdaMax = 0;  // principal eigenvalue of the reciprocal matrix
    double razao = 0;      // consistency ratio CR = ((lambdaMax - n) / (n - 1)) / RI(n)
    // The ratio, as shown with two decimals, is at most 0.10 and the answers hold no cycle.
    bool aceitavel = true;
    // One cycle of the answers, shortest first and then by grid order: ciclo[0] is more important
    // than ciclo[1], ..., the last more important than ciclo[0] ("the same" orders nothing). Empty
    // when there is none. Looked for in the answered pairs even when some are missing.
    std::vector<int> ciclo;
    // When all pairs are answered and the answers are not acceptable: the answered pair whose move
    // by one step lowers the ratio most (on a tie the one that breaks the cycle named, then the
    // first in grid order, the step down the scale before the step up). None when no move lowers
    // it; an answer off the five values is never moved.
    std::optional<Mudanca> sugestao;
};

// The random index of a matrix of order n on the five-step scale (the mean consistency index of
// random reciprocal matrices with the upper triangle drawn from 1/10, 1/5, 1, 5, 10): 0 for
// n <= 2, the value of 15 beyond 15.
double indiceAleatorio(int n);
// The mean consistency index (lambdaMax - n) / (n - 1) of `amostras` random reciprocal matrices
// of order n >= 3, each answer above the diagonal drawn uniformly from the five values by a
// std::mt19937_64 seeded with `semente`: how the table of indiceAleatorio was made.
double indiceConsistenciaMedio(int n, int amostras, unsigned long long semente);
// The same mean over every one of the 5^(n(n-1)/2) matrices of order n, each once: exact, and
// quick enough up to n = 5 (9,765,625 matrices); 0 beyond 6.
double indiceConsistenciaExato(int n);
// The principal eigenvalue of a positive square matrix, by power iteration.
double lambdaMaximo(const std::vector<std::vector<double>>& a);
// The consistency of a matrix of texts (the grid's), or of numbers (as stored: 0 or less for an
// unanswered pair). Only the pairs above the diagonal are read; matrices of one or two criteria
// are always consistent.
Consistencia consistencia(const Matriz& matriz);
Consistencia consistencia(const std::vector<std::vector<double>>& valores);

}  // namespace kivo::analise
