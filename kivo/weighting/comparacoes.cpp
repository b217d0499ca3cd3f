#include "kivo/weighting/comparacoes.h"

#include "kivo/shell/dados.h"
#include "kivo/shell/database.h"

#include "common/formats.h"

#include <QVariant>

namespace kivo::comparacoes {

namespace {

// A number stored from a cell: the cell's number, 0 when it holds none.
QVariant numero(const QString& texto)
{
    return common::readNumber(texto).value_or(0.0);
}

// The weight as Peso keeps it: a number when the text is one, else the text itself (the empty text
// of a cleared weight), so it reads the same under any locale.
QVariant pesoGravado(const QString& texto)
{
    if (const auto n = common::readNumber(texto))
        return *n;
    return texto.isNull() ? QStringLiteral("") : texto;
}

}  // namespace

common::Recordset abreTabela(common::Database& db)
{
    common::Recordset tabela = common::Recordset::openTable(db, QStringLiteral("Criterios"));
    tabela.setIndex(QStringLiteral("PrimaryKey"));
    return tabela;
}

int quantidade(common::Recordset& tabela)
{
    return tabela.recordCount() > 0 ? dados::qtdeGravada(tabela.value(QStringLiteral("Qtde"))) : 3;
}

common::TableRows consultaLinhas()
{
    return {QStringLiteral("Criterios"), {}, QStringLiteral("Numero")};
}

Recusa verificaTabela(common::Database& db, int n)
{
    Recusa recusa;
    recusa.quantidade = n;
    if (n < 1 || n > analise::MaxCriterios) {
        recusa.tipo = Recusa::Quantidade;
        return recusa;
    }
    const QStringList tabela = db.fields(QStringLiteral("Criterios"));
    QStringList campos{QStringLiteral("Identifica"), QStringLiteral("Emach"), QStringLiteral("PesoFinal"),
                       QStringLiteral("Peso")};
    for (int c = 1; c <= n; ++c)
        campos << numbered(QStringLiteral("N"), c);
    for (const QString& campo : campos)
        if (!tabela.contains(campo, Qt::CaseInsensitive)) {
            recusa.tipo = Recusa::Campo;
            recusa.campo = campo;
            return recusa;
        }
    return recusa;
}

Recusa verificaRegistros(common::Recordset& linhas, int n)
{
    Recusa recusa;
    recusa.quantidade = n;
    recusa.registros = linhas.recordCount();
    if (recusa.registros < n)
        recusa.tipo = Recusa::Registros;
    return recusa;
}

Gravados le(common::Recordset& linhas, int n)
{
    Gravados gravados;
    linhas.moveFirst();
    for (int r = 1; r <= n; ++r) {
        const QVariant identifica = linhas.value(QStringLiteral("Identifica"));
        gravados.nomes << (identifica.isNull() ? std::nullopt : std::optional(common::defaultText(identifica)));
        std::vector<double> linha(size_t(n), 0.0);
        for (int c = 1; c <= n; ++c) {
            const auto valor = common::readNumber(common::defaultText(linhas.value(numbered(QStringLiteral("N"), c))));
            if (valor && *valor > 0)
                linha[size_t(c - 1)] = *valor;
        }
        gravados.comparacoes.push_back(std::move(linha));
        linhas.moveNext();
    }
    return gravados;
}

void grava(common::Database& db, common::Recordset& linhas, const analise::Matriz& matriz, const Pesos* pesos)
{
    const int n = int(matriz.size());
    common::Transaction transacao(db);
    linhas.moveFirst();
    for (int r = 0; r < n; ++r) {
        linhas.edit();
        for (int c = 1; c <= n; ++c)
            linhas.setValue(numbered(QStringLiteral("N"), c), numero(matriz[r].value(c - 1)));
        if (pesos) {
            linhas.setValue(QStringLiteral("Emach"), numero(pesos->emach.value(r)));
            linhas.setValue(QStringLiteral("PesoFinal"), numero(pesos->pesoFinal.value(r)));
            linhas.setValue(QStringLiteral("Peso"), pesoGravado(pesos->pesoFinal.value(r)));
        }
        linhas.update();
        if (!linhas.eof())
            linhas.moveNext();
    }
    transacao.commit();
}

GravacaoAnalise::GravacaoAnalise(common::Database& db, common::Recordset& linhas, const analise::Matriz& matriz)
    : db_(db), linhas_(linhas), transacao_(db)
{
    grava(db_, linhas_, matriz);
}

void GravacaoAnalise::gravaPesos(const analise::Matriz& matriz, const Pesos& pesos)
{
    grava(db_, linhas_, matriz, &pesos);
}

void GravacaoAnalise::conclui()
{
    transacao_.commit();
}

}  // namespace kivo::comparacoes
