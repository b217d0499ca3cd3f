#pragma once

// The rules that read and write the comparisons and the weights in Criterios, with no window: what
// the table must hold before the comparison opens, what it gives the grid, and the storing of the
// answers and of an analysis. The comparison screen calls them with the record sets it holds open
// and words what they report.

#include "kivo/weighting/analise.h"

#include "common/store.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace kivo::comparacoes {

// Criterios opened as a table on its primary key: the first record holds the count.
common::Recordset abreTabela(common::Database& db);

// The count of criteria compared: Qtde of the table's first record, 3 when the table is empty.
int quantidade(common::Recordset& tabela);

// The rows the grid shows, one per criterion: the whole table in the order of Numero.
common::TableRows consultaLinhas();

// Why the comparison cannot open on the table.
struct Recusa {
    enum Tipo {
        Nenhuma,
        Quantidade,  // the count is not 1 to 15
        Campo,       // a field the count needs is missing
        Registros,   // fewer records than criteria
    };
    Tipo tipo = Nenhuma;
    int quantidade = 0;  // the count
    QString campo;       // Campo: the first field missing
    int registros = 0;   // Registros: the records there are
};

// A count of 1 to 15, and the fields it needs: Identifica, Emach, PesoFinal, Peso and N01 to the
// count's N field (any case).
Recusa verificaTabela(common::Database& db, int n);
// A record for each of the n criteria in `linhas`, the rows the grid shows.
Recusa verificaRegistros(common::Recordset& linhas, int n);

// What the first n rows hold for the grid.
struct Gravados {
    // Each criterion's name, nothing for a null one; index 0 for criterion 1.
    QList<std::optional<QString>> nomes;
    // comparacoes[r][c]: the stored N field c + 1 of row r + 1 read as a number, 0 where it holds
    // none above 0 (both triangles, as stored).
    std::vector<std::vector<double>> comparacoes;
};
Gravados le(common::Recordset& linhas, int n);

// The figures of an analysis a criterion's row keeps, as the grid shows them.
struct Pesos {
    QStringList emach;  // index 0 for criterion 1
    QStringList pesoFinal;
};

// Writes the matrix's texts (each a number in the user's locale, 0 when it holds none) into N01..Nn
// of the first n rows, row by row from the first, in one transaction; with `pesos` also Emach,
// PesoFinal and Peso (a number when the text is one, else the text itself) of each row.
void grava(common::Database& db, common::Recordset& linhas, const analise::Matriz& matriz,
           const Pesos* pesos = nullptr);

// The storing of one analysis, in one transaction: the comparisons as it starts, whatever the
// analysis then finds, and the weights of every criterion or of none. Leaving the scope without
// conclui() undoes all of it.
class GravacaoAnalise {
public:
    GravacaoAnalise(common::Database& db, common::Recordset& linhas, const analise::Matriz& matriz);
    // The analysis found the weights: the comparisons again with every row's figures.
    void gravaPesos(const analise::Matriz& matriz, const Pesos& pesos);
    // Keeps what was written.
    void conclui();

private:
    common::Database& db_;
    common::Recordset& linhas_;
    common::Transaction transacao_;
};

}  // namespace kivo::comparacoes
