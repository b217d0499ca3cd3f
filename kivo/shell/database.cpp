#include "kivo/shell/database.h"

#include "common/formats.h"
#include "common/store.h"

#include <QStringList>

namespace kivo {

QString numbered(const QString& prefix, int number)
{
    return prefix + common::formatTwoDigits(number);
}

namespace {

QStringList family(const QString& prefix, const QString& type)
{
    QStringList fields;
    for (int k = 1; k <= 15; ++k)
        fields << QStringLiteral("%1 %2").arg(numbered(prefix, k), type);
    return fields;
}

}  // namespace

QStringList esquema()
{
    QStringList sql;
    // Idioma 3: Portuguese.
    sql << "CREATE TABLE Parametro (Idioma INTEGER, VersaoBD TEXT)"
        << "INSERT INTO Parametro (Idioma, VersaoBD) VALUES (3, '15.02.18')";

    QStringList alternativas{"Numero INTEGER PRIMARY KEY", "Alternativa TEXT", "Qtde NUMERIC", "Resultado REAL"};
    for (const char* prefix : {"RTO", "RTOi", "Total", "Normal", "Pesos", "KIVO"})
        alternativas << family(QLatin1String(prefix), QStringLiteral("REAL"));
    alternativas << "Evento TEXT"
                 << "X REAL";
    sql << QStringLiteral("CREATE TABLE Alternativas (%1)").arg(alternativas.join(", "));

    // Peso has no declared type: it holds either the weight or the empty text left by a clear.
    QStringList criterios{"Numero INTEGER PRIMARY KEY", "Identifica TEXT", "Sinal TEXT", "Peso", "Qtde NUMERIC"};
    criterios << family("N", "REAL") << "Emach REAL"
              << "PesoFinal REAL" << family("Valor", "REAL") << "RTO REAL"
              << "RTO_Inv REAL"
              << "Total REAL"
              << "Pesos REAL";
    sql << QStringLiteral("CREATE TABLE Criterios (%1)").arg(criterios.join(", "));

    const QString pairs =
        "(Numero INTEGER PRIMARY KEY, Indice INTEGER, CriterioA INTEGER, DescrA TEXT, %1A REAL, "
        "CriterioB INTEGER, DescrB TEXT, %1B REAL, RTO REAL, inv_RTO REAL)";
    sql << "CREATE TABLE RTO " + pairs.arg("Peso");
    for (int k = 1; k <= 15; ++k)
        sql << QStringLiteral("CREATE TABLE %1 ").arg(numbered("c", k)) + pairs.arg("Valor");

    // The 15 slots, empty: empty texts, zeros, an empty count.
    QStringList zeros;
    for (const char* prefix : {"RTO", "RTOi", "Total", "Normal", "Pesos", "KIVO"})
        for (int k = 1; k <= 15; ++k)
            zeros << numbered(QLatin1String(prefix), k);
    QStringList critZeros;
    for (int k = 1; k <= 15; ++k)
        critZeros << numbered("N", k) << numbered("Valor", k);
    critZeros << "Emach"
              << "PesoFinal"
              << "RTO"
              << "RTO_Inv"
              << "Total"
              << "Pesos";
    for (int i = 1; i <= 15; ++i) {
        sql << QStringLiteral(
                   "INSERT INTO Alternativas (Numero, Alternativa, Qtde, Resultado, %1, Evento, X) "
                   "VALUES (%2, '', '', 0, %3, '', 0)")
                   .arg(zeros.join(", "))
                   .arg(i)
                   .arg(QStringList(zeros.size(), "0").join(", "));
        sql << QStringLiteral(
                   "INSERT INTO Criterios (Numero, Identifica, Sinal, Peso, Qtde, %1) "
                   "VALUES (%2, '', '', '', '', %3)")
                   .arg(critZeros.join(", "))
                   .arg(i)
                   .arg(QStringList(critZeros.size(), "0").join(", "));
    }
    return sql;
}

bool createDatabase(const QString& path)
{
    return common::createDatabaseFile(path, esquema());
}

}  // namespace kivo
