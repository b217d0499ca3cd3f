#pragma once

// A case to rank: a fresh CONTROLE.mdb held open as the program holds it, with its alternatives,
// its criteria (name, sign, weight) and the values of the alternatives under each criterion
// written straight into the file; and the stored figures read back.

#include "kivo/shell/database.h"
#include "kivo/shell/idioma.h"
#include "kivo/shell/kivo.h"

#include "common/store.h"
#include "tests/support/testsupport.h"

#include <QStringList>
#include <QVariant>

#include <vector>

using testsupport::lastMessage;
using testsupport::named;

struct Criterio {
    QString nome;
    QString sinal;
    QVariant peso;
    std::vector<double> valores;  // alternative 1, 2, ...
};

struct CaseFixture {
    testsupport::Folder folder;
    kivo::Programa programa;

    CaseFixture()
    {
        programa.pasta = folder.path();
        kivo::createDatabase(folder.file(QStringLiteral("CONTROLE.mdb")));
        programa.db.open(folder.file(QStringLiteral("CONTROLE.mdb")), QStringLiteral(";pwd=PanoRoxo"));
    }

    // The program speaks Portuguese again after each test.
    ~CaseFixture() { kivo::instalaIdioma(kivo::Portugues); }

    // The program in language `idioma`, as the information screen leaves it.
    void falaIdioma(short idioma)
    {
        programa.idioma = idioma;
        kivo::instalaIdioma(idioma);
    }

    void execute(const QString& sql, const QVariantList& params = {}) { programa.db.execute(sql, params); }

    // Alternatives 1, 2, ... named; `qtde` in the count of the first row (the count of the names
    // when not given).
    void alternativas(const QStringList& nomes, QVariant qtde = {})
    {
        for (int i = 0; i < nomes.size(); ++i)
            execute(QStringLiteral("UPDATE Alternativas SET Alternativa = ? WHERE Numero = ?"), {nomes[i], i + 1});
        execute(QStringLiteral("UPDATE Alternativas SET Qtde = ?"),
                {qtde.isValid() ? qtde : QVariant(int(nomes.size()))});
    }

    // Criteria 1, 2, ... with their values; the count n is their number.
    void criterios(const std::vector<Criterio>& lista)
    {
        for (int i = 0; i < int(lista.size()); ++i) {
            const Criterio& c = lista[i];
            execute(QStringLiteral("UPDATE Criterios SET Identifica = ?, Sinal = ?, Peso = ? WHERE Numero = ?"),
                    {c.nome, c.sinal, c.peso, i + 1});
            valores(i + 1, c.valores);
        }
        execute(QStringLiteral("UPDATE Criterios SET Qtde = ?"), {int(lista.size())});
        programa.qtdeCriterios = short(lista.size());
    }

    void valores(int criterio, const std::vector<double>& v)
    {
        for (int a = 0; a < int(v.size()); ++a)
            execute(QStringLiteral("UPDATE Criterios SET %1 = ? WHERE Numero = ?").arg(kivo::numbered("Valor", a + 1)),
                    {v[a], criterio});
    }

    // A stored field of the row `numero`, as stored.
    QVariant campo(const QString& tabela, const QString& field, int numero)
    {
        common::Recordset rs = common::Recordset::openTable(programa.db, tabela);
        rs.seek(QStringLiteral("="), numero);
        return rs.noMatch() ? QVariant() : rs.value(field);
    }

    double numero(const QString& tabela, const QString& field, int numero)
    {
        return campo(tabela, field, numero).toDouble();
    }

    // A field of every row, in key order; "<null>" for a null.
    QStringList coluna(const QString& tabela, const QString& field)
    {
        QStringList out;
        common::Recordset rs = common::Recordset::openTable(programa.db, tabela);
        for (rs.moveFirst(); !rs.eof(); rs.moveNext())
            out << (rs.value(field).isNull() ? QStringLiteral("<null>") : rs.text(field));
        return out;
    }

    int linhas(const QString& tabela) { return common::Recordset::openTable(programa.db, tabela).recordCount(); }
};

// Marks every figure a run writes, and the work tables, so a test sees what was rewritten.
inline void marcaTudo(CaseFixture& f)
{
    QStringList sets;
    for (int k = 1; k <= 15; ++k)
        for (const char* prefix : {"RTO", "RTOi", "Total", "Normal", "Pesos", "KIVO"})
            sets << kivo::numbered(QLatin1String(prefix), k) + QStringLiteral(" = 99");
    f.execute(QStringLiteral("UPDATE Alternativas SET Resultado = 99, ") + sets.join(QStringLiteral(", ")));
    f.execute(
        QStringLiteral("UPDATE Criterios SET RTO = 99, RTO_Inv = 99, Total = 99, Pesos = 99, Emach = 99, "
                       "PesoFinal = 99"));
    f.execute(QStringLiteral("INSERT INTO RTO (Numero, Indice) VALUES (1, 99)"));
    f.execute(QStringLiteral("INSERT INTO c01 (Numero, Indice) VALUES (1, 99)"));
}
