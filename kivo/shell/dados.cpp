#include "kivo/shell/dados.h"

#include "kivo/shell/database.h"

#include "common/formats.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace kivo::dados {

int qtdeGravada(const QVariant& qtde, int minimo, int maximo)
{
    const auto n = common::readNumber(common::defaultText(qtde));
    if (!n)
        return 3;
    return static_cast<int>(std::clamp(std::nearbyint(*n), double(minimo), double(maximo)));
}

common::Recordset abreTabela(common::Database& db, const QString& tabela)
{
    common::Recordset rs = common::Recordset::openTable(db, tabela);
    rs.setIndex(QStringLiteral("PrimaryKey"));
    rs.moveFirst();
    return rs;
}

void gravaAlternativas(common::Database& db, common::Recordset& alternativas, const QStringList& nomes,
                       const QString& qtde)
{
    common::Transaction transaction(db);
    alternativas.moveFirst();
    for (const QString& nome : nomes) {
        alternativas.edit();
        alternativas.setValue(QStringLiteral("Alternativa"), nome);
        alternativas.setValue(QStringLiteral("Qtde"), qtde);
        alternativas.update();
        if (!alternativas.eof())
            alternativas.moveNext();
    }
    transaction.commit();
}

void gravaCriterios(common::Database& db, common::Recordset& criterios, const QList<LinhaCriterio>& linhas,
                    const QString& qtde)
{
    common::Transaction transaction(db);
    criterios.moveFirst();
    for (const LinhaCriterio& linha : linhas) {
        criterios.edit();
        criterios.setValue(QStringLiteral("Qtde"), qtde);
        criterios.setValue(QStringLiteral("Identifica"), linha.identifica);
        criterios.setValue(QStringLiteral("Sinal"), linha.sinal);
        criterios.update();
        if (!criterios.eof())
            criterios.moveNext();
    }
    transaction.commit();
}

namespace {

// A criterion's description, sign, weight, comparisons and the named figures, emptied; with
// `valores` its values under every alternative too.
void limpaCriterio(common::Recordset& criterios, std::initializer_list<const char*> figuras, bool valores)
{
    criterios.edit();
    for (const char* field : {"Identifica", "Sinal", "Peso"})
        criterios.setValue(QLatin1String(field), QStringLiteral(""));
    for (const char* field : figuras)
        criterios.setValue(QLatin1String(field), 0.0);
    for (int k = 1; k <= Linhas; ++k) {
        criterios.setValue(numbered(QStringLiteral("N"), k), 0.0);
        if (valores)
            criterios.setValue(numbered(QStringLiteral("Valor"), k), 0.0);
    }
    criterios.update();
}

}  // namespace

void limpaHistoricoAlternativas(common::Database& db, common::Recordset& alternativas)
{
    common::Transaction transaction(db);

    alternativas.moveFirst();
    for (int i = 0; i < Linhas; ++i) {
        alternativas.edit();
        alternativas.setValue(QStringLiteral("Alternativa"), QStringLiteral(""));
        alternativas.setValue(QStringLiteral("Qtde"), 0);
        alternativas.update();
        if (!alternativas.eof())
            alternativas.moveNext();
    }

    common::Recordset criterios = abreTabela(db, QStringLiteral("Criterios"));
    while (!criterios.eof()) {
        limpaCriterio(criterios, {"RTO", "RTO_Inv", "Total", "Pesos", "Emach", "PesoFinal"}, true);
        criterios.moveNext();
    }
    criterios.close();

    transaction.commit();
}

void limpaHistoricoCriterios(common::Database& db, common::Recordset& criterios)
{
    common::Transaction transaction(db);
    criterios.moveFirst();
    for (int i = 0; i < Linhas; ++i) {
        limpaCriterio(criterios, {"RTO", "RTO_Inv", "Total", "Pesos"}, false);
        if (!criterios.eof())
            criterios.moveNext();
    }
    transaction.commit();
}

}  // namespace kivo::dados
