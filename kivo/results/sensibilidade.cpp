#include "kivo/results/sensibilidade.h"

#include "kivo/shell/dados.h"
#include "kivo/shell/database.h"

#include "common/formats.h"
#include "common/store.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kivo::sensibilidade {

namespace {

// Weights are walked in hundredths: 100 is 1.00, 1000 is 10.00.
constexpr int CentesimoMinimo = 100;
constexpr int CentesimoMaximo = 1000;

double centesimo(int c)
{
    return c / 100.0;
}

// The criteria shares into `partes` (n of them). The pairs i < j in the order the work table holds
// them, (1,2), (1,3) ... (n-1,n); each pair adds its quotient to the sum of its first member, its
// inverse to the sum of its second, and both to the grand sum.
void partesDosCriterios(const double* pesos, int n, double* partes)
{
    if (n == 1) {
        partes[0] = 1.0;  // no pair, so no grand sum to divide by: the one criterion weighs all
        return;
    }
    double r1[16] = {};
    double r2[16] = {};
    double s = 0;
    for (int i = 0; i < n - 1; ++i)
        for (int j = i + 1; j < n; ++j) {
            const double rto = pesos[j] != 0 ? pesos[i] / pesos[j] : 0.0;
            const double inv = pesos[i] != 0 ? pesos[j] / pesos[i] : 0.0;
            r1[i] += rto;
            r2[j] += inv;
            s = s + (rto + inv);
        }
    for (int i = 0; i < n; ++i)
        partes[i] = s > 0 ? (r1[i] + r2[i]) / s : 0.0;
}

// The results of m alternatives into `resultados`, in criterion order; answers the best option.
int soma(const double* partes, const std::vector<int>& sinais, const std::vector<std::vector<double>>& partesAlt, int m,
         double* resultados)
{
    const int n = static_cast<int>(sinais.size());
    int melhor = SemMelhor;
    double maior = 0;
    for (int a = 0; a < m; ++a) {
        double r = 0;
        for (int k = 0; k < n; ++k)
            r = r + (partes[k] * sinais[k]) * partesAlt[k][a];
        resultados[a] = r;
        if (r > maior) {  // strictly greater: of equal results the first stays best
            maior = r;
            melhor = a;
        }
    }
    return melhor;
}

// A number as stored: a number field as it is, a text read in the user's locale; nothing for
// null, empty or other text.
std::optional<double> numero(const QVariant& valor)
{
    if (valor.isNull())
        return std::nullopt;
    switch (valor.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return valor.toDouble();
    default:
        return common::readNumber(common::defaultText(valor));
    }
}

}  // namespace

int sinal(const QString& texto)
{
    return texto == QLatin1String("+") ? 1 : -1;
}

std::vector<double> pesosDosCriterios(const std::vector<double>& pesos)
{
    const int n = static_cast<int>(std::min<size_t>(pesos.size(), 15));
    std::vector<double> partes(n);
    if (n > 0)
        partesDosCriterios(pesos.data(), n, partes.data());
    return partes;
}

std::vector<double> pesosDasAlternativas(const std::vector<double>& valores)
{
    const int m = static_cast<int>(valores.size());
    std::vector<double> w(m, 0.0);
    if (m == 0)
        return w;
    // Every ordered pair (a, b), b running fastest, a = b included.
    std::vector<double> r1(m, 0.0), r2(m, 0.0), t(m, 0.0), normal(m, 0.0);
    for (int a = 0; a < m; ++a)
        for (int b = 0; b < m; ++b) {
            const double rto = valores[b] != 0 ? valores[a] / valores[b] : 0.0;
            const double inv = valores[a] != 0 ? valores[b] / valores[a] : 0.0;
            r1[a] += rto;
            r2[b] += inv;
        }
    for (int a = 0; a < m; ++a)
        t[a] = r1[a] + r2[a];
    double x = t[0];
    for (int a = 0; a < m - 1; ++a)
        if (x < t[a + 1])
            x = t[a + 1];
    double y = t[m - 1];
    for (int a = m - 2; a >= 0; --a)
        if (y > t[a])
            y = t[a];
    const double d = x - y;
    double q = 0;
    for (int a = 0; a < m; ++a) {
        if (d > 0)
            normal[a] = t[a] / d;
        q = q + normal[a];
    }
    for (int a = 0; a < m; ++a)
        if (q > 0)
            w[a] = normal[a] / q;
    return w;
}

Classificacao classifica(const Caso& caso)
{
    Sensibilidade s(caso);
    return s.atual();
}

std::optional<double> Faixa::margem() const
{
    const auto mudanca = maisProxima();
    if (!mudanca)
        return std::nullopt;
    return std::abs(peso - mudanca->peso);
}

std::optional<Mudanca> Faixa::maisProxima() const
{
    if (abaixo && acima)
        return (acima->peso - peso) < (peso - abaixo->peso) - 1e-9 ? acima : abaixo;
    return abaixo ? abaixo : acima;
}

Sensibilidade::Sensibilidade(Caso caso) : caso_(std::move(caso))
{
    // At most the 15 slots there are.
    if (caso_.criterios.size() > 15)
        caso_.criterios.resize(15);
    if (caso_.alternativas.size() > 15)
        caso_.alternativas.resize(15);
    const size_t m = caso_.alternativas.size();
    for (Criterio& c : caso_.criterios) {
        c.valores.resize(m, 0.0);  // a value not given counts 0
        pesosAtuais_.push_back(c.peso);
        sinais_.push_back(sinal(c.sinal));
        partes_.push_back(pesosDasAlternativas(c.valores));
    }
    atual_.pesos = pesosDosCriterios(pesosAtuais_);
    atual_.resultados.assign(m, 0.0);
    atual_.melhor = avalia(pesosAtuais_, atual_.resultados);
}

int Sensibilidade::avalia(const std::vector<double>& pesos, std::vector<double>& resultados) const
{
    const int n = static_cast<int>(pesos.size());
    const int m = static_cast<int>(caso_.alternativas.size());
    resultados.resize(m);
    double partes[16] = {};
    if (n > 0)
        partesDosCriterios(pesos.data(), n, partes);
    return soma(partes, sinais_, partes_, m, resultados.data());
}

std::vector<double> Sensibilidade::resultadosCom(int criterio, double peso) const
{
    std::vector<double> pesos = pesosAtuais_;
    pesos.at(criterio) = peso;
    std::vector<double> resultados;
    avalia(pesos, resultados);
    return resultados;
}

int Sensibilidade::melhorCom(int criterio, double peso) const
{
    std::vector<double> pesos = pesosAtuais_;
    pesos.at(criterio) = peso;
    std::vector<double> resultados;
    return avalia(pesos, resultados);
}

Faixa Sensibilidade::faixa(int criterio) const
{
    Faixa f;
    f.criterio = criterio;
    f.peso = pesosAtuais_.at(criterio);
    f.minimo = f.peso;
    f.maximo = f.peso;
    const int referencia = atual_.melhor;

    std::vector<double> pesos = pesosAtuais_;
    std::vector<double> resultados(caso_.alternativas.size());
    const auto melhorEm = [&](int c) {
        pesos[criterio] = centesimo(c);
        return avalia(pesos, resultados);
    };

    // Downwards from the current weight (itself, when it has two decimals) to 1.00.
    int c = static_cast<int>(std::floor(f.peso * 100.0 + 1e-7));
    if (centesimo(c) > f.peso)
        --c;
    for (c = std::min(c, CentesimoMaximo); c >= CentesimoMinimo; --c) {
        const int melhor = melhorEm(c);
        if (melhor != referencia) {
            f.abaixo = Mudanca{centesimo(c), melhor};
            break;
        }
        f.minimo = std::min(f.minimo, centesimo(c));
    }

    // Upwards to 10.00.
    c = static_cast<int>(std::ceil(f.peso * 100.0 - 1e-7));
    if (centesimo(c) < f.peso)
        ++c;
    for (c = std::max(c, CentesimoMinimo); c <= CentesimoMaximo; ++c) {
        const int melhor = melhorEm(c);
        if (melhor != referencia) {
            f.acima = Mudanca{centesimo(c), melhor};
            break;
        }
        f.maximo = std::max(f.maximo, centesimo(c));
    }
    return f;
}

std::vector<Faixa> Sensibilidade::faixas() const
{
    std::vector<Faixa> out;
    for (int k = 0; k < static_cast<int>(caso_.criterios.size()); ++k)
        out.push_back(faixa(k));
    return out;
}

int Sensibilidade::maisEstreita(const std::vector<Faixa>& faixas)
{
    int escolhida = -1;
    double menor = std::numeric_limits<double>::infinity();
    for (size_t k = 0; k < faixas.size(); ++k) {
        const auto margem = faixas[k].margem();
        if (margem && *margem < menor - 1e-9) {
            menor = *margem;
            escolhida = static_cast<int>(k);
        }
    }
    return escolhida;
}

Curvas Sensibilidade::curvas(int criterio, int pontos) const
{
    pontos = std::max(pontos, 2);
    Curvas out;
    const size_t m = caso_.alternativas.size();
    out.resultados.assign(m, std::vector<double>(pontos));
    std::vector<double> pesos = pesosAtuais_;
    std::vector<double> resultados(m);
    for (int i = 0; i < pontos; ++i) {
        const double peso = PesoMinimo + (PesoMaximo - PesoMinimo) * i / (pontos - 1);
        out.pesos.push_back(peso);
        pesos.at(criterio) = peso;
        avalia(pesos, resultados);
        for (size_t a = 0; a < m; ++a)
            out.resultados[a][i] = resultados[a];
    }
    return out;
}

std::optional<Caso> leCaso(common::Database& db)
{
    Caso caso;

    common::Recordset alternativas = common::Recordset::openTable(db, QStringLiteral("Alternativas"));
    alternativas.setIndex(QStringLiteral("PrimaryKey"));
    alternativas.moveFirst();
    const int m =
        alternativas.eof() ? 0 : dados::qtdeGravada(alternativas.value(QStringLiteral("Qtde")), 0, dados::Linhas);
    for (int a = 0; a < m && !alternativas.eof(); ++a, alternativas.moveNext())
        caso.alternativas.push_back(alternativas.text(QStringLiteral("Alternativa")));

    common::Recordset criterios = common::Recordset::openTable(db, QStringLiteral("Criterios"));
    criterios.setIndex(QStringLiteral("PrimaryKey"));
    criterios.moveFirst();
    const int n = criterios.eof() ? 0 : dados::qtdeGravada(criterios.value(QStringLiteral("Qtde")), 0, dados::Linhas);
    for (int k = 0; k < n && !criterios.eof(); ++k, criterios.moveNext()) {
        Criterio c;
        c.nome = criterios.text(QStringLiteral("Identifica"));
        c.sinal = criterios.text(QStringLiteral("Sinal"));
        // Every weight, the first criterion's too: an empty weight is not a 0.
        const auto peso = numero(criterios.value(QStringLiteral("Peso")));
        if (!peso)
            return std::nullopt;
        c.peso = *peso;
        for (int a = 1; a <= static_cast<int>(caso.alternativas.size()); ++a)
            c.valores.push_back(numero(criterios.value(numbered(QStringLiteral("Valor"), a))).value_or(0.0));
        caso.criterios.push_back(std::move(c));
    }
    return caso;
}

}  // namespace kivo::sensibilidade
