// A writer that never stops: it saves as the programs save, each piece of work in the transaction
// the screens use, and says on its standard output which pieces are committed. The kill test ends
// it with SIGKILL at random moments and then checks the file.
//
//   gravador davo FILE     new activities, and bookings on earlier ones
//   gravador kivo FILE     the whole criteria list with its values, saved again and again
//   gravador compacta DIR  davo's compaction of DIR/DAVO.mdb, over and over

#include "davo/data/compaction.h"

#include "common/store.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>

#include <cstdio>

namespace {

void diz(const char* what, long n)
{
    std::printf("%s %ld\n", what, n);
    std::fflush(stdout);
}

// A new activity, then a booking of one hour on an earlier one: estimate = worked + still to work
// holds for every activity after every commit.
void atividades(const QString& file)
{
    common::Database db;
    db.open(file);
    for (long i = 1;; ++i) {
        {
            common::Transaction t(db);
            common::Recordset rs = common::Recordset::openTable(db, QStringLiteral("Atividades"));
            rs.addNew();
            rs.setValue(QStringLiteral("Ativo"), QStringLiteral("1"));
            rs.setValue(QStringLiteral("Atividade"), QStringLiteral("Atividade %1").arg(i));
            rs.setValue(QStringLiteral("DataFinal"), QDate(2027, 1, 1).addDays(i % 300));
            rs.setValue(QStringLiteral("HorasEst"), 40.0);
            rs.setValue(QStringLiteral("HorasTrab"), 0.0);
            rs.setValue(QStringLiteral("HorasQFaltam"), 40.0);
            rs.setValue(QStringLiteral("Obs"), QStringLiteral("gravada na volta %1").arg(i));
            rs.update();
            t.commit();
        }
        diz("atividade", i);
        {
            common::Transaction t(db);
            common::Recordset rs = common::Recordset::openTable(db, QStringLiteral("Atividades"));
            rs.setIndex(QStringLiteral("PrimaryKey"));
            rs.seek(QStringLiteral("="), qint64(1 + (i - 1) / 2));
            if (!rs.noMatch()) {
                rs.edit();
                rs.setValue(QStringLiteral("HorasTrab"), rs.value(QStringLiteral("HorasTrab")).toDouble() + 1);
                rs.setValue(QStringLiteral("HorasQFaltam"), rs.value(QStringLiteral("HorasQFaltam")).toDouble() - 1);
                rs.update();
            }
            t.commit();
        }
        diz("apontamento", i);
    }
}

// Every criterion's name, sign and values carry the number of the save that wrote them: after any
// commit all 15 rows carry the same one.
void criterios(const QString& file)
{
    common::Database db;
    db.open(file);
    for (long i = 1;; ++i) {
        {
            common::Transaction t(db);
            common::Recordset rs = common::Recordset::openTable(db, QStringLiteral("Criterios"));
            for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
                rs.edit();
                rs.setValue(QStringLiteral("Identifica"), QStringLiteral("Critério %1 da gravação %2")
                                                              .arg(rs.value(QStringLiteral("Numero")).toInt())
                                                              .arg(i));
                rs.setValue(QStringLiteral("Sinal"), i % 2 ? QStringLiteral("+") : QStringLiteral("-"));
                for (int k = 1; k <= 15; ++k)
                    rs.setValue(QStringLiteral("Valor%1").arg(k, 2, 10, QLatin1Char('0')), double(i));
                if (rs.value(QStringLiteral("Numero")).toInt() == 1)
                    rs.setValue(QStringLiteral("Qtde"), QStringLiteral("15"));
                rs.update();
            }
            t.commit();
        }
        diz("criterios", i);
    }
}

void compacta(const QString& folder)
{
    common::Database db;
    db.open(folder + QStringLiteral("/DAVO.mdb"));
    for (long i = 1;; ++i) {
        davo::compactaBanco(db, folder);
        diz("compactacao", i);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QString path = QString::fromLocal8Bit(argv[2]);
    try {
        if (mode == QLatin1String("davo"))
            atividades(path);
        else if (mode == QLatin1String("kivo"))
            criterios(path);
        else if (mode == QLatin1String("compacta"))
            compacta(path);
    } catch (const common::StoreError& e) {
        std::fprintf(stderr, "%d %s\n", e.number(), qPrintable(e.description()));
        return 1;
    }
    return 2;
}
