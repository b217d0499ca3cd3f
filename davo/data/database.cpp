#include "davo/data/database.h"

#include "common/store.h"

#include <QStringList>

namespace davo {

QStringList esquema()
{
    // The fields in table order; the history shows them all in this order.
    return {
        "CREATE TABLE Atividades ("
        "Codigo INTEGER PRIMARY KEY AUTOINCREMENT, Ativo TEXT, GUT REAL, Atividade TEXT, G REAL, "
        "U INTEGER, T INTEGER, DataFinal DATE, FaltamDias REAL, TempoDisp REAL, HorasEst REAL, "
        "HorasTrab REAL, HorasQFaltam REAL, HorasTrabDia REAL, Obs TEXT, Concluida TEXT, "
        "Reserva1 TEXT, Reserva2 TEXT, Reserva3 TEXT, Reserva4 TEXT)",
        "CREATE INDEX AtividadesAtivo ON Atividades (Ativo)",
        "CREATE TABLE Parametro (VersaoBD TEXT)",
        "INSERT INTO Parametro (VersaoBD) VALUES ('2017')",
    };
}

bool createDatabase(const QString& path)
{
    return common::createDatabaseFile(path, esquema());
}

bool abreAtividade(common::Database& db, const QVariant& codigo, common::Recordset& rs)
{
    rs = common::Recordset::openTable(db, QStringLiteral("Atividades"));
    rs.setIndex(QStringLiteral("PrimaryKey"));
    rs.seek(QStringLiteral("="), codigo);
    if (rs.noMatch()) {
        rs.close();
        return false;
    }
    return true;
}

}  // namespace davo
