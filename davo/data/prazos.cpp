#include "davo/data/prazos.h"

#include "common/store.h"

#include <algorithm>
#include <cmath>

namespace davo {

Prazo calculaPrazo(const QDate& dataFinal, const QDate& hoje)
{
    const double dias = static_cast<double>(hoje.daysTo(dataFinal));
    if (dias == 0)
        return {DiasNoDiaFinal, HorasNoDiaFinal};
    return {dias, HorasPorDia * dias};
}

double horasQFaltam(double estimadas, double trabalhadas)
{
    return std::max(0.0, estimadas - trabalhadas);
}

double horasTrabDia(double horasQFaltam, double faltamDias)
{
    return horasQFaltam / faltamDias;
}

double entradaUrgencia(double horasQFaltam, double tempoDisp)
{
    if (horasQFaltam <= 0)
        return 0;
    if (tempoDisp <= 0)
        return 2;  // overdue with work left: beyond every band
    return horasQFaltam / tempoDisp;
}

short urgencia(double x)
{
    const double u = std::floor(3 * x + x / 6 + 1.63);
    return static_cast<short>(std::clamp(u, 1.0, double(UrgenciaMaxima)));
}

double gut(double g, double t, short u)
{
    return g * t * u;
}

void aplicaPrazo(common::Recordset& atividade, const QDate& hoje)
{
    const Prazo p = calculaPrazo(atividade.value(QStringLiteral("DataFinal")).toDate(), hoje);
    atividade.setValue(QStringLiteral("FaltamDias"), p.faltamDias);
    atividade.setValue(QStringLiteral("TempoDisp"), p.tempoDisp);
}

void AtualizaPrazos(common::Database& db, const QDate& hoje)
{
    common::Transaction transaction(db);
    // Only the fields the pass reads and writes, of the open activities.
    common::Recordset rs = common::Recordset::openQuery(
        db, QStringLiteral("Select Codigo, DataFinal, HorasQFaltam, FaltamDias, TempoDisp, HorasTrabDia "
                           "FROM Atividades WHERE Ativo = '1'"));
    const int dataFinal = rs.fieldIndex(QStringLiteral("DataFinal"));
    const int faltam = rs.fieldIndex(QStringLiteral("HorasQFaltam"));
    const int atuais[] = {rs.fieldIndex(QStringLiteral("FaltamDias")), rs.fieldIndex(QStringLiteral("TempoDisp")),
                          rs.fieldIndex(QStringLiteral("HorasTrabDia"))};
    for (int row = 0; row < rs.recordCount(); ++row) {
        const QVariant data = rs.valueAt(row, dataFinal);
        const QVariant horas = rs.valueAt(row, faltam);
        if (data.typeId() != QMetaType::QDate || horas.isNull())
            continue;
        bool numeric = false;
        const double h = horas.toDouble(&numeric);
        if (!numeric)
            continue;
        const Prazo p = calculaPrazo(data.toDate(), hoje);
        const double figuras[] = {p.faltamDias, p.tempoDisp, horasTrabDia(h, p.faltamDias)};
        // A record whose figures are already current is not written again.
        bool atual = true;
        for (int i = 0; i < 3; ++i) {
            const QVariant lido = rs.valueAt(row, atuais[i]);
            atual = atual && (lido.typeId() == QMetaType::LongLong || lido.typeId() == QMetaType::Double) &&
                    lido.toDouble() == figuras[i];
        }
        if (atual)
            continue;
        rs.setAbsolutePosition(row);
        rs.edit();
        rs.setValue(QStringLiteral("FaltamDias"), figuras[0]);
        rs.setValue(QStringLiteral("TempoDisp"), figuras[1]);
        rs.setValue(QStringLiteral("HorasTrabDia"), figuras[2]);
        rs.update();
    }
    transaction.commit();
}

double CargaHoraDia(common::Recordset& lista)
{
    double soma = 0;
    const int n = std::min(AtividadesNaCarga, lista.recordCount());
    lista.moveFirst();
    for (int i = 0; i < n; ++i) {
        soma += std::fabs(lista.value(QStringLiteral("HorasTrabDia")).toDouble());
        lista.moveNext();
    }
    lista.moveFirst();
    return soma;
}

}  // namespace davo
