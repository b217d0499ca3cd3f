#include "kivo/weighting/analise.h"

#include "common/formats.h"

#include <cmath>
#include <limits>

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

std::optional<Mensagem> mensagemFalha(Falha falha, short idioma)
{
    if (falha == Falha::Nenhuma)
        return std::nullopt;
    const bool colunas = falha == Falha::ColunasIguais;
    switch (idioma) {
    case 1:
        return Mensagem{QStringLiteral("Values incomplete"),
                        QStringLiteral("Fully populate the spreadsheet before analyzing")};
    case 2:
        return colunas ? Mensagem{QStringLiteral("Valores incompla!"),
                                  QStringLiteral("Rellenar completamente la hoja de cálculo antes de analizar ")}
                       : Mensagem{QStringLiteral("Valores incompleta!"),
                                  QStringLiteral("Rellenar completamente la hoja de cálculo antes de analizar")};
    case 3:
        return Mensagem{QStringLiteral("Valores incompletos!"),
                        QStringLiteral("Preencher totalmente a planilha antes de analizar")};
    }
    return std::nullopt;
}

double indiceAleatorio(int n)
{
    static constexpr double Indices[] = {0.58, 0.90, 1.12, 1.24, 1.32, 1.41, 1.45,
                                         1.49, 1.51, 1.48, 1.56, 1.57, 1.59};
    if (n < 3)
        return 0;
    if (n > MaxCriterios)
        return Indices[MaxCriterios - 3];
    return Indices[n - 3];
}

double lambdaMaximo(const std::vector<std::vector<double>>& a)
{
    const size_t n = a.size();
    if (n == 0)
        return 0;
    std::vector<double> w(n, 1.0 / double(n)), y(n);
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

Consistencia consistencia(const Matriz& matriz)
{
    Consistencia c;
    const int n = int(matriz.size());
    // The reciprocal matrix of the answered pairs above the diagonal.
    std::vector<std::vector<double>> a(n, std::vector<double>(n, 1.0));
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j) {
            const double m = valorCelula(matriz[i].value(j));
            if (m > 0) {
                a[i][j] = m;
                a[j][i] = 1 / m;
            } else {
                ++c.faltando;
            }
        }
    if (c.faltando > 0)
        return c;
    if (n <= 2) {
        c.lambdaMax = n;
        return c;
    }

    c.lambdaMax = lambdaMaximo(a);
    c.razao = std::max(0.0, ((c.lambdaMax - n) / (n - 1)) / indiceAleatorio(n));
    c.aceitavel = arredonda(c.razao, 2) <= 0.10 + 1e-9;
    if (c.aceitavel)
        return c;

    double pior = -1;
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            for (int k = j + 1; k < n; ++k) {
                const double desvio = std::abs(std::log(a[i][j] * a[j][k] / a[i][k]));
                if (desvio > pior + 1e-12) {
                    pior = desvio;
                    c.contradicao = {i, j, k};
                }
            }
    return c;
}

QString textoConsistencia(const Consistencia& c, const QStringList& nomes, short idioma)
{
    const bool ingles = idioma == 1;
    if (c.faltando > 0) {
        if (ingles)
            return c.faltando == 1
                       ? QStringLiteral("Consistency ratio: 1 comparison unanswered; the ratio needs them all.")
                       : QStringLiteral("Consistency ratio: %1 comparisons unanswered; the ratio needs them all.")
                             .arg(c.faltando);
        return c.faltando == 1
                   ? QStringLiteral("Razão de consistência: falta 1 comparação; a razão precisa de todas.")
                   : QStringLiteral("Razão de consistência: faltam %1 comparações; a razão precisa de todas.")
                         .arg(c.faltando);
    }
    const QString razao = common::formatFixed(c.razao, 2);
    if (c.aceitavel)
        return ingles ? QStringLiteral("Consistency ratio: %1 — acceptable").arg(razao)
                      : QStringLiteral("Razão de consistência: %1 — aceitável").arg(razao);
    auto nome = [&](int k) {
        const QString texto = nomes.value(k);
        if (!texto.trimmed().isEmpty())
            return texto;
        return ingles ? QStringLiteral("criterion %1").arg(k + 1) : QStringLiteral("critério %1").arg(k + 1);
    };
    const auto [i, j, k] = c.contradicao;
    return ingles ? QStringLiteral("Consistency ratio: %1 — review the comparisons of %2, %3 and %4")
                        .arg(razao, nome(i), nome(j), nome(k))
                  : QStringLiteral("Razão de consistência: %1 — revise as comparações de %2, %3 e %4")
                        .arg(razao, nome(i), nome(j), nome(k));
}

}  // namespace kivo::analise
