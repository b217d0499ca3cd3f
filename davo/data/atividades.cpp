#include "davo/data/atividades.h"

#include "davo/data/prazos.h"

#include "common/formats.h"
#include "common/store.h"

namespace davo {

LeituraEdicao leEdicao(const EdicaoDigitada& digitada, const QDate& hoje)
{
    LeituraEdicao leitura;
    EdicaoAtividade& edicao = leitura.edicao;
    // Hours below zero would book time back or raise the hours still to work: the whole save is
    // refused, as the new-activity screen refuses them.
    edicao.horasEst = common::readNumber(digitada.horasEst);
    edicao.horasTrabalhadas = common::readNumber(digitada.horasTrab);
    if (edicao.horasEst && *edicao.horasEst < 0)
        leitura.recusados << CampoHorasEst;
    // A text that is not a number books nothing: refused as well, instead of closing the panel as if
    // the hours were saved. An empty box books nothing, as before.
    const bool horasIlegiveis = !edicao.horasTrabalhadas && !digitada.horasTrab.trimmed().isEmpty();
    if (horasIlegiveis || (edicao.horasTrabalhadas && *edicao.horasTrabalhadas < 0))
        leitura.recusados << CampoHorasTrab;

    edicao.obs = digitada.obs;
    if (!digitada.dataFinal.isValid())
        leitura.novaData = NovaDataFinal::Invalida;
    else if (digitada.dataFinal < hoje)
        leitura.novaData = NovaDataFinal::Anterior;
    else
        edicao.dataFinal = digitada.dataFinal;
    edicao.finaliza = digitada.finaliza;
    return leitura;
}

void gravaEdicao(common::Database& db, common::Recordset& atividade, const EdicaoAtividade& edicao, const QDate& hoje)
{
    common::Transaction transaction(db);
    atividade.edit();
    atividade.setValue(QStringLiteral("Obs"), edicao.obs);
    if (edicao.dataFinal)
        atividade.setValue(QStringLiteral("DataFinal"), *edicao.dataFinal);
    if (edicao.horasEst)
        atividade.setValue(CampoHorasEst, *edicao.horasEst);
    if (edicao.horasTrabalhadas)
        atividade.setValue(CampoHorasTrab, atividade.value(CampoHorasTrab).toDouble() + *edicao.horasTrabalhadas);
    // The hours still to work follow the estimate and the hours booked, and the urgency and the
    // score follow them at once, so the list ranks by what is left to do.
    atividade.setValue(QStringLiteral("HorasQFaltam"), horasQFaltam(atividade.value(CampoHorasEst).toDouble(),
                                                                    atividade.value(CampoHorasTrab).toDouble()));
    recalculaAtividade(atividade, hoje);
    atividade.setValue(QStringLiteral("Ativo"), edicao.finaliza ? QStringLiteral("0") : QStringLiteral("1"));
    atividade.update();
    transaction.commit();
    atividade.close();
}

bool reabreAtividade(common::Recordset& atividade)
{
    if (!atividade.isOpen() || atividade.eof())
        return false;
    atividade.edit();
    atividade.setValue(QStringLiteral("Ativo"), QStringLiteral("1"));
    atividade.update();
    atividade.close();
    return true;
}

void incluiAtividade(common::Database& db, const NovaAtividade& nova, const QDate& hoje)
{
    // One transaction: the record is written whole or not at all.
    common::Transaction transacao(db);
    common::Recordset rs = common::Recordset::openTable(db, QStringLiteral("Atividades"));
    rs.setIndex(QStringLiteral("PrimaryKey"));
    rs.addNew();
    rs.setValue(QStringLiteral("Ativo"), QStringLiteral("1"));
    rs.setValue(QStringLiteral("GUT"), nova.gut);
    rs.setValue(QStringLiteral("G"), nova.g);
    rs.setValue(QStringLiteral("T"), nova.t);
    rs.setValue(QStringLiteral("U"), nova.u);
    rs.setValue(QStringLiteral("Atividade"), nova.atividade);
    rs.setValue(QStringLiteral("DataFinal"), nova.dataFinal);
    aplicaPrazo(rs, hoje);
    rs.setValue(CampoHorasEst, nova.horasEst);
    rs.setValue(CampoHorasTrab, nova.horasTrab);
    rs.setValue(QStringLiteral("HorasQFaltam"),
                horasQFaltam(common::readNumber(nova.horasEst).value(), common::readNumber(nova.horasTrab).value()));
    rs.setValue(QStringLiteral("HorasTrabDia"), horasTrabDia(rs.value(QStringLiteral("HorasQFaltam")).toDouble(),
                                                             rs.value(QStringLiteral("FaltamDias")).toDouble()));
    rs.setValue(QStringLiteral("Obs"), nova.obs);
    rs.update();
    transacao.commit();
    rs.close();
}

}  // namespace davo
