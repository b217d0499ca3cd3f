#pragma once

#include <QString>
#include <functional>

namespace common {
class Database;
}

namespace davo {

// The steps of the compaction, in their order.
enum class PassoCompactacao {
    Fechar,          // close the program's database
    Compactar,       // compact DAVO.mdb into NovoDAVO.mdb
    Substituir,      // NovoDAVO.mdb takes the name DAVO.mdb
    AbrirExclusivo,  // open the compacted file exclusively
    FecharExclusivo,
    AbrirCompartilhado,  // open it shared: the program's database from now on
};

// Called before each step; a test throws from it to make that step fail.
using AntesDoPasso = std::function<void(PassoCompactacao)>;

// Compacts `folder`/DAVO.mdb. The compacted copy replaces the file in one rename, so at every
// instant DAVO.mdb is either the old file or the compacted one. On a failure the temporary file is
// removed, `db` is opened again on DAVO.mdb and the error is thrown to the caller (a StoreError).
void compactaBanco(common::Database& db, const QString& folder, const AntesDoPasso& antes = {});

}  // namespace davo
