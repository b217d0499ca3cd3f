#include "common/esquema.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace common {

QList<TabelaEsperada> tabelasDoEsquema(const QStringList& statements)
{
    static const QRegularExpression create(
        QStringLiteral(R"(^\s*CREATE\s+TABLE\s+(\w+)\s*\((.*)\)\s*$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    QList<TabelaEsperada> tabelas;
    for (const QString& sql : statements) {
        const QRegularExpressionMatch m = create.match(sql);
        if (!m.hasMatch())
            continue;
        TabelaEsperada tabela{m.captured(1), {}};
        for (const QString& definicao : m.captured(2).split(u',')) {
            const QString campo = definicao.trimmed().section(u' ', 0, 0);
            if (!campo.isEmpty())
                tabela.campos << campo;
        }
        tabelas << tabela;
    }
    return tabelas;
}

void verificaEsquema(Database& db, const QStringList& statements)
{
    for (const TabelaEsperada& esperada : tabelasDoEsquema(statements)) {
        const QStringList campos = db.fields(esperada.nome);  // throws when the table is missing
        for (const QString& campo : esperada.campos) {
            if (!campos.contains(campo, Qt::CaseInsensitive))
                throw StoreError(StoreError::FieldNotFound,
                                 QCoreApplication::translate(
                                     "common", "O campo '%1' não existe na tabela '%2' deste banco de dados.")
                                     .arg(campo, esperada.nome));
        }
    }
}

}  // namespace common
