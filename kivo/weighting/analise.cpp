#include "kivo/weighting/analise.h"

#include "common/formats.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

namespace kivo::analise {

namespace {

// The value rounded to `casas` decimals as it is written, half away from zero: the rounding the
// fixed-point texts of the screen follow.
double arredonda(double valor, int casas)
{
    const double escala = std::pow(10.0, casas);
    return std::round(valor * escala * (1 + 4 * std::numeric_limits<double>::epsilon())) / escala;
}

// A stage's value as the next stage reads it: from its text, in the user's locale.
double lido(const QString& texto)
{
    return valorCelula(texto);
}

QString duasCasas(double valor)
{
    return common::formatFixed(valor, 2);
}

// The extremes of the points, compared on their four-decimal rounding; a tie keeps the earlier.
struct Extremos {
    double maximo = 0;
    double minimo = 0;
};

Extremos extremos(const std::vector<double>& pontos)
{
    Extremos e{pontos.front(), pontos.front()};
    for (size_t k = 1; k < pontos.size(); ++k) {
        if (arredonda(e.maximo, 4) < arredonda(pontos[k], 4))
            e.maximo = pontos[k];
        if (arredonda(e.minimo, 4) > arredonda(pontos[k], 4))
            e.minimo = pontos[k];
    }
    return e;
}

}  // namespace

Resposta resposta(int opcao)
{
    switch (opcao) {
    case 1:
        return {10, 0.1};
    case 2:
        return {5, 0.2};
    case 3:
        return {1, 1};
    case 4:
        return {0.2, 5};
    case 5:
        return {0.1, 10};
    }
    return {};
}

double valorCelula(const QString& texto)
{
    return common::readNumber(texto).value_or(0.0);
}

Resultado calcula(const Matriz& matriz)
{
    Resultado r;
    const int n = int(matriz.size());
    if (n == 0) {
        r.falha = Falha::LinhasIguais;
        return r;
    }

    // Points: the sums of each row and of each column, the diagonal and empty cells adding nothing.
    std::vector<double> linha(n), coluna(n);
    for (int k = 0; k < n; ++k) {
        double somaLinha = 0;
        double somaColuna = 0;
        for (int c = 0; c < n; ++c)
            somaLinha += valorCelula(matriz[k].value(c));
        for (int l = 0; l < n; ++l)
            somaColuna += valorCelula(matriz[l].value(k));
        r.pontosLinha << common::numberText(somaLinha);
        r.pontosColuna << common::numberText(somaColuna);
        linha[k] = lido(r.pontosLinha.last());
        coluna[k] = lido(r.pontosColuna.last());
    }

    const Extremos l = extremos(linha);
    const Extremos c = extremos(coluna);

    // Scaling to 0..5. The columns' spread is checked only once the first row is scaled.
    std::vector<double> h(n), v(n);
    for (int k = 0; k < n; ++k) {
        if (l.maximo - l.minimo == 0) {
            r.falha = Falha::LinhasIguais;
            return r;
        }
        r.h << duasCasas(((linha[k] - l.minimo) / (l.maximo - l.minimo)) * 5);
        h[k] = lido(r.h.last());
        if (c.maximo - c.minimo == 0) {
            r.falha = Falha::ColunasIguais;
            return r;
        }
        r.v << duasCasas(((coluna[k] - c.minimo) * 5) / (c.maximo - c.minimo));
        v[k] = lido(r.v.last());
    }

    for (int k = 0; k < n; ++k)
        r.emach << duasCasas(v[k] / (h[k] + 1) - 1);
    for (int k = 0; k < n; ++k)
        r.normal << duasCasas(1 - (lido(r.emach[k]) + 1) / 5);
    for (int k = 0; k < n; ++k)
        r.peso << duasCasas(lido(r.normal[k]) * 9 + 1);
    return r;
}

double indiceAleatorio(int n)
{
    // Made by tools/indice_aleatorio.cpp with its default of 10,000,000 matrices an order: 3 to 5
    // averaged over all their matrices (125, 15,625 and 9,765,625: exact), 6 to 15 over a sample
    // of 10,000,000 drawn by std::mt19937_64 seeded with 24 + n (standard error 0.0002 or less,
    // every mean at least three of them from the rounding boundary).
    //    n      3     4     5     6     7     8     9    10    11    12    13    14    15
    //  mean 0.654 1.121 1.418 1.606 1.728 1.813 1.873 1.920 1.956 1.985 2.008 2.029 2.046
    static constexpr double Indices[] = {0.65, 1.12, 1.42, 1.61, 1.73, 1.81, 1.87, 1.92, 1.96, 1.98, 2.01, 2.03, 2.05};
    if (n < 3)
        return 0;
    if (n > MaxCriterios)
        return Indices[MaxCriterios - 3];
    return Indices[n - 3];
}

namespace {

using Quadrada = std::vector<std::vector<double>>;

// The values of the options 1 to 5, "Muito Mais" to "Muito menos".
constexpr double Escala[5] = {10, 5, 1, 0.2, 0.1};

// The option whose value `valor` is; 0 for a value off the scale.
int opcaoDe(double valor)
{
    for (int k = 0; k < 5; ++k)
        if (std::abs(valor - Escala[k]) <= 1e-9 * Escala[k])
            return k + 1;
    return 0;
}

// The principal eigenvalue by power iteration from `w` (positive, summing to 1), which is left as
// the principal eigenvector.
double autovalor(const Quadrada& a, std::vector<double>& w)
{
    const size_t n = a.size();
    std::vector<double> y(n);
    double lambda = 0;
    for (int passo = 0; passo < 10000; ++passo) {
        double soma = 0;
        for (size_t i = 0; i < n; ++i) {
            double s = 0;
            for (size_t j = 0; j < n; ++j)
                s += a[i][j] * w[j];
            y[i] = s;
            soma += s;
        }
        // w sums to 1, so the sum of A·w is the eigenvalue's estimate.
        const double anterior = lambda;
        lambda = soma;
        for (size_t i = 0; i < n; ++i)
            w[i] = y[i] / soma;
        if (passo > 0 && std::abs(lambda - anterior) <= 1e-14 * std::abs(lambda))
            break;
    }
    return lambda;
}

double razaoDe(double lambda, int n)
{
    return std::max(0.0, ((lambda - n) / (n - 1)) / indiceAleatorio(n));
}

// i is more important than j.
bool acima(const Quadrada& a, int i, int j)
{
    return a[i][j] > 1 + 1e-9;
}

// The shortest cycle of "more important than", the first in grid order among the shortest: it
// starts at its lowest criterion. Empty when there is none.
std::vector<int> cicloMaisCurto(const Quadrada& a)
{
    const int n = int(a.size());
    std::vector<int> melhor;
    std::vector<int> pai(n), fila;
    fila.reserve(n);
    for (int s = 0; s < n; ++s) {
        // Breadth first from s: the first criterion reached that is above s closes the shortest
        // cycle through s.
        std::fill(pai.begin(), pai.end(), -1);
        fila.assign(1, s);
        pai[s] = s;
        for (size_t f = 0; f < fila.size(); ++f) {
            const int u = fila[f];
            if (u != s && acima(a, u, s)) {
                std::vector<int> ciclo;
                for (int v = u; v != s; v = pai[v])
                    ciclo.push_back(v);
                ciclo.push_back(s);
                std::reverse(ciclo.begin(), ciclo.end());
                if (melhor.empty() || ciclo.size() < melhor.size())
                    melhor = std::move(ciclo);
                break;
            }
            for (int v = 0; v < n; ++v)
                if (pai[v] < 0 && acima(a, u, v)) {
                    pai[v] = u;
                    fila.push_back(v);
                }
        }
        if (melhor.size() == 3)
            break;  // no cycle is shorter: "more" one way is "less" the other
    }
    return melhor;
}

// Whether giving the pair (i, j) the value `valor` undoes one of the steps of `ciclo`.
bool quebraCiclo(const std::vector<int>& ciclo, int i, int j, double valor)
{
    for (size_t k = 0; k < ciclo.size(); ++k) {
        const int de = ciclo[k];
        const int para = ciclo[(k + 1) % ciclo.size()];
        if ((de == i && para == j && !(valor > 1 + 1e-9)) || (de == j && para == i && !(valor < 1 - 1e-9)))
            return true;
    }
    return false;
}

Consistencia avalia(Quadrada a, int faltando)
{
    Consistencia c;
    c.faltando = faltando;
    const int n = int(a.size());
    c.ciclo = cicloMaisCurto(a);
    if (faltando > 0)
        return c;
    if (n <= 2) {
        c.lambdaMax = n;
        c.aceitavel = c.ciclo.empty();
        return c;
    }

    std::vector<double> w(n, 1.0 / double(n));
    c.lambdaMax = autovalor(a, w);
    c.razao = razaoDe(c.lambdaMax, n);
    c.aceitavel = arredonda(c.razao, 2) <= 0.10 + 1e-9 && c.ciclo.empty();
    if (c.aceitavel)
        return c;

    // Every answer one step down and one step up, each from the eigenvector of the answers as
    // they are.
    constexpr double Empate = 1e-9;
    std::vector<double> v(n);
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j) {
            const int de = opcaoDe(a[i][j]);
            if (de == 0)
                continue;
            const double antes = a[i][j];
            for (const int para : {de + 1, de - 1}) {
                if (para < 1 || para > 5)
                    continue;
                a[i][j] = Escala[para - 1];
                a[j][i] = 1 / a[i][j];
                v = w;
                const double razao = razaoDe(autovalor(a, v), n);
                const bool quebra = quebraCiclo(c.ciclo, i, j, a[i][j]);
                if (razao < c.razao - Empate &&
                    (!c.sugestao || razao < c.sugestao->razao - Empate ||
                     (razao <= c.sugestao->razao + Empate && quebra &&
                      !quebraCiclo(c.ciclo, c.sugestao->linha, c.sugestao->coluna, Escala[c.sugestao->para - 1]))))
                    c.sugestao = Mudanca{i, j, de, para, razao};
            }
            a[i][j] = antes;
            a[j][i] = 1 / antes;
        }
    return c;
}

}  // namespace

double indiceConsistenciaMedio(int n, int amostras, unsigned long long semente)
{
    if (n < 3 || amostras <= 0)
        return 0;
    std::mt19937_64 gerador(semente);
    Quadrada a(n, std::vector<double>(n, 1.0));
    std::vector<double> w(n);
    double soma = 0;
    for (int amostra = 0; amostra < amostras; ++amostra) {
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j) {
                a[i][j] = Escala[gerador() % 5];
                a[j][i] = 1 / a[i][j];
            }
        std::fill(w.begin(), w.end(), 1.0 / double(n));
        soma += (autovalor(a, w) - n) / (n - 1);
    }
    return soma / amostras;
}

double indiceConsistenciaExato(int n)
{
    if (n < 3 || n > 6)
        return 0;
    const int pares = n * (n - 1) / 2;
    std::vector<int> opcao(pares, 0);  // an odometer over the answers, in grid order
    Quadrada a(n, std::vector<double>(n, 1.0));
    std::vector<double> w(n);
    double soma = 0;
    long long matrizes = 0;
    for (;;) {
        int p = 0;
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j, ++p) {
                a[i][j] = Escala[opcao[p]];
                a[j][i] = 1 / a[i][j];
            }
        std::fill(w.begin(), w.end(), 1.0 / double(n));
        soma += (autovalor(a, w) - n) / (n - 1);
        ++matrizes;
        int k = pares - 1;
        while (k >= 0 && ++opcao[k] == 5)
            opcao[k--] = 0;
        if (k < 0)
            break;
    }
    return soma / double(matrizes);
}

double lambdaMaximo(const std::vector<std::vector<double>>& a)
{
    if (a.empty())
        return 0;
    std::vector<double> w(a.size(), 1.0 / double(a.size()));
    return autovalor(a, w);
}

Consistencia consistencia(const Matriz& matriz)
{
    const int n = int(matriz.size());
    std::vector<std::vector<double>> valores(n, std::vector<double>(n, 0.0));
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            valores[i][j] = valorCelula(matriz[i].value(j));
    return consistencia(valores);
}

Consistencia consistencia(const std::vector<std::vector<double>>& valores)
{
    // The reciprocal matrix of the answered pairs above the diagonal; an unanswered pair counts as
    // "the same" for the cycles.
    const int n = int(valores.size());
    Quadrada a(n, std::vector<double>(n, 1.0));
    int faltando = 0;
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j) {
            const double m = j < int(valores[i].size()) ? valores[i][j] : 0;
            if (m > 0 && std::isfinite(m)) {
                a[i][j] = m;
                a[j][i] = 1 / m;
            } else {
                ++faltando;
            }
        }
    return avalia(std::move(a), faltando);
}

}  // namespace kivo::analise
