#include "kivo/results/ranking.h"

#include "kivo/results/calculo.h"
#include "kivo/shell/dados.h"
#include "kivo/shell/database.h"

#include "common/formats.h"
#include "common/store.h"

#include <QCoreApplication>

#include <algorithm>

namespace kivo::ranking {

namespace {

double numeroGravado(const QVariant& valor)
{
    if (valor.isNull())
        return 0;
    bool ok = false;
    const double v = valor.toDouble(&ok);
    if (ok)
        return v;
    return common::readNumber(common::defaultText(valor)).value_or(0.0);
}

}  // namespace

Textos textos()
{
    return {QCoreApplication::translate("kivo::ranking", "Contribuição de cada critério ao resultado"),
            QCoreApplication::translate("kivo::ranking", "custos"),
            QCoreApplication::translate("kivo::ranking", "benefícios"),
            QCoreApplication::translate("kivo::ranking", "melhor opção"),
            QCoreApplication::translate("kivo::ranking", "Peso: %1"),
            QCoreApplication::translate("kivo::ranking", "Peso normalizado: %1"),
            QCoreApplication::translate("kivo::ranking", "Contribuição: %1"),
            QCoreApplication::translate("kivo::ranking", "custo"),
            QCoreApplication::translate("kivo::ranking", "benefício")};
}

QString nomeCriterio(int numero, const QString& nome)
{
    return nome.trimmed().isEmpty() ? QCoreApplication::translate("kivo::ranking", "Critério %1").arg(numero) : nome;
}

QString nomeAlternativa(int numero, const QString& nome)
{
    return nome.trimmed().isEmpty() ? QCoreApplication::translate("kivo::ranking", "Alternativa %1").arg(numero) : nome;
}

Ranking monta(std::vector<Criterio> criterios, const QStringList& nomes, const std::vector<double>& resultados,
              const std::vector<std::vector<double>>& contribuicoes)
{
    Ranking r;
    r.criterios = std::move(criterios);
    for (Criterio& c : r.criterios)
        c.nome = nomeCriterio(c.numero, c.nome);

    const int m = int(resultados.size());
    for (int a = 0; a < m; ++a) {
        Barra b;
        b.numero = a + 1;
        b.nome = nomeAlternativa(a + 1, nomes.value(a));
        b.resultado = resultados[a];
        double direita = 0;
        double esquerda = 0;
        for (int k = 0; k < int(r.criterios.size()); ++k) {
            const double c =
                a < int(contribuicoes.size()) && k < int(contribuicoes[a].size()) ? contribuicoes[a][k] : 0.0;
            Segmento s;
            s.criterio = k;
            s.contribuicao = c;
            double& ponta = c < 0 ? esquerda : direita;
            s.inicio = ponta;
            s.fim = ponta + c;
            ponta = s.fim;
            b.segmentos.push_back(s);
        }
        r.barras.push_back(std::move(b));
    }
    std::stable_sort(r.barras.begin(), r.barras.end(),
                     [](const Barra& x, const Barra& y) { return x.resultado > y.resultado; });
    const int melhor = calculo::melhorOpcao(resultados);
    for (int i = 0; i < int(r.barras.size()); ++i)
        if (r.barras[i].numero == melhor + 1)
            r.melhor = i;
    return r;
}

Ranking leRanking(common::Database& db, int n)
{
    n = std::clamp(n, 1, dados::Linhas);
    std::vector<Criterio> criterios;
    common::Recordset c = dados::abreTabela(db, QStringLiteral("Criterios"));
    for (int k = 1; k <= n && !c.eof(); ++k, c.moveNext()) {
        Criterio r;
        r.numero = k;
        r.nome = c.text(QStringLiteral("Identifica"));
        r.custo = calculo::sinal(c.value(QStringLiteral("Sinal"))) < 0;
        r.peso = numeroGravado(c.value(QStringLiteral("Peso")));
        r.participacao = numeroGravado(c.value(QStringLiteral("Pesos")));
        criterios.push_back(r);
    }

    QStringList nomes;
    std::vector<double> resultados;
    std::vector<std::vector<double>> contribuicoes;
    common::Recordset a = dados::abreTabela(db, QStringLiteral("Alternativas"));
    const int m = a.eof() ? 0 : dados::qtdeGravada(a.value(QStringLiteral("Qtde")), 0, dados::Linhas);
    for (int i = 0; i < m && !a.eof(); ++i, a.moveNext()) {
        nomes << a.text(QStringLiteral("Alternativa"));
        resultados.push_back(numeroGravado(a.value(QStringLiteral("Resultado"))));
        std::vector<double> linha;
        for (int k = 1; k <= int(criterios.size()); ++k)
            linha.push_back(numeroGravado(a.value(numbered(QStringLiteral("KIVO"), k))));
        contribuicoes.push_back(std::move(linha));
    }
    return monta(std::move(criterios), nomes, resultados, contribuicoes);
}

QString dica(const Ranking& ranking, int barra, int segmento, const Textos& t)
{
    if (barra < 0 || barra >= int(ranking.barras.size()))
        return {};
    const Barra& b = ranking.barras[barra];
    if (segmento < 0 || segmento >= int(b.segmentos.size()))
        return {};
    const Segmento& s = b.segmentos[segmento];
    const Criterio& c = ranking.criterios.at(s.criterio);
    return QStringLiteral("%1\n%2 (%3)\n%4\n%5\n%6")
        .arg(b.nome, c.nome, c.custo ? t.sinalCusto : t.sinalBeneficio, t.peso.arg(common::formatFixed(c.peso, 2)),
             t.participacao.arg(common::formatFixed(c.participacao, 4)),
             t.contribuicao.arg(common::formatFixed(s.contribuicao, 4)));
}

}  // namespace kivo::ranking
