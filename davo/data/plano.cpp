#include "davo/data/plano.h"

#include "davo/data/database.h"
#include "davo/data/prazos.h"

#include "common/formats.h"
#include "common/store.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace davo {

namespace {

// Hours closer than this are the same hour: sums of tenths of hours do not fall exactly on a day's
// end.
constexpr double Folga = 1e-9;

// The hours an activity may use from the plan's start before it is late: those the list counts as
// available until its deadline, none when it is overdue.
double horasAntesDoPrazo(const QDate& dataFinal, const QDate& hoje)
{
    if (!dataFinal.isValid())
        return 0;
    return std::max(0.0, calculaPrazo(dataFinal, hoje).tempoDisp);
}

// The day that holds the hour ending at `fim`, hours counted from the plan's start; no later than
// `ultimo`.
int diaDoFim(double fim, int ultimo)
{
    const double dia = std::ceil(fim / HorasPorDia - Folga) - 1;
    return dia < 0 ? 0 : dia > ultimo ? ultimo : int(dia);
}

}  // namespace

std::span<const Parcela> Plano::doDia(int dia) const
{
    if (dia < 0 || dia >= dias())
        return {};
    return std::span<const Parcela>(parcelas).subspan(primeiraDoDia_[size_t(dia)],
                                                      primeiraDoDia_[size_t(dia) + 1] - primeiraDoDia_[size_t(dia)]);
}

double Plano::horasDoDia(int dia) const
{
    double soma = 0;
    for (const Parcela& p : doDia(dia))
        soma += p.horas;
    return soma;
}

int Plano::atrasadas() const
{
    return int(std::count_if(previsoes.begin(), previsoes.end(), [](const Previsao& p) { return p.atrasa(); }));
}

double Plano::horasAtraso() const
{
    double soma = 0;
    for (const Previsao& p : previsoes)
        soma += p.horasAtraso;
    return soma;
}

Plano planeja(std::vector<AtividadePlano> atividades, const QDate& hoje, int detalhados)
{
    Plano plano;
    plano.inicio = hoje;
    plano.atividades = std::move(atividades);
    const auto& lista = plano.atividades;
    const size_t n = lista.size();
    std::vector<int> ordem(n);
    std::iota(ordem.begin(), ordem.end(), 0);
    // An activity without a deadline is as overdue as can be.
    std::stable_sort(ordem.begin(), ordem.end(), [&lista](int a, int b) {
        const QDate& da = lista[size_t(a)].dataFinal;
        const QDate& db = lista[size_t(b)].dataFinal;
        return !db.isValid() ? false : !da.isValid() || da < db;
    });

    // The far end of any finish: the last day a date can name.
    const qint64 distancia = hoje.isValid() ? hoje.daysTo(QDate(9999, 12, 31)) : 0;
    const int ultimoDia = int(std::clamp<qint64>(distancia, 0, std::numeric_limits<int>::max()));
    detalhados = std::clamp(detalhados, 0, ultimoDia + 1);

    plano.previsoes.assign(n, Previsao{});
    plano.parcelas.reserve(std::min(n, size_t(detalhados) * 4) + size_t(detalhados));
    // Hours are counted from the start of the plan's first day: day d runs from 6d to 6d + 6.
    double inicio = 0;
    for (const int i : ordem) {
        const AtividadePlano& a = lista[size_t(i)];
        const double horas = a.horas > 0 && std::isfinite(a.horas) ? a.horas : 0;
        const double fim = inicio + horas;
        const double limite = horasAntesDoPrazo(a.dataFinal, hoje);
        Previsao& previsao = plano.previsoes[size_t(i)];
        if (horas > 0) {
            previsao.ultimoDia = diaDoFim(fim, ultimoDia);
            // Counted from its own hours where they all fall late: next to a vast sum of hours before
            // it, its few would vanish in the difference.
            const double atraso = inicio >= limite ? horas : fim - limite;
            previsao.horasAtraso = atraso > Folga ? atraso : 0;
        }
        // The days it fills, as far as they are detailed.
        const double primeiro = std::floor(inicio / HorasPorDia + Folga);
        for (double d = primeiro; horas > 0 && d < detalhados && d <= previsao.ultimoDia; ++d) {
            const double de = std::max(inicio, d * HorasPorDia);
            const double ate = std::min(fim, (d + 1) * HorasPorDia);
            if (ate - de <= Folga)
                continue;
            const double atrasadas = ate - std::max(de, limite);
            plano.parcelas.push_back({int(d), i, ate - de, atrasadas > Folga ? atrasadas : 0});
        }
        inicio = fim;
    }

    if (!plano.parcelas.empty()) {
        const int dias = plano.parcelas.back().dia + 1;
        plano.primeiraDoDia_.assign(size_t(dias) + 1, plano.parcelas.size());
        for (size_t k = plano.parcelas.size(); k-- > 0;)
            plano.primeiraDoDia_[size_t(plano.parcelas[k].dia)] = k;
        // A day without parcels (none: the hours run on without a gap) starts where the next does.
        for (int d = dias - 1; d >= 0; --d)
            plano.primeiraDoDia_[size_t(d)] =
                std::min(plano.primeiraDoDia_[size_t(d)], plano.primeiraDoDia_[size_t(d) + 1]);
    }
    return plano;
}

std::vector<AtividadePlano> atividadesAbertas(common::Database& db)
{
    // The list's own query and order, with only the fields the plan reads.
    common::TableRows lista = ListaAtivas;
    lista.fields = QStringList{"Codigo", "Atividade", "DataFinal", "HorasQFaltam"};
    const common::Recordset rs = common::Recordset::openWhere(db, lista);
    const int codigo = rs.fieldIndex(QStringLiteral("Codigo"));
    const int atividade = rs.fieldIndex(QStringLiteral("Atividade"));
    const int dataFinal = rs.fieldIndex(QStringLiteral("DataFinal"));
    const int horas = rs.fieldIndex(QStringLiteral("HorasQFaltam"));
    std::vector<AtividadePlano> abertas;
    abertas.reserve(size_t(rs.recordCount()));
    for (int row = 0; row < rs.recordCount(); ++row) {
        const QVariant data = rs.valueAt(row, dataFinal);
        const auto h = numero(rs.valueAt(row, horas));
        if (data.typeId() != QMetaType::QDate || !h)
            continue;
        abertas.push_back({rs.valueAt(row, codigo), rs.valueAt(row, atividade).toString(), data.toDate(), *h});
    }
    return abertas;
}

std::vector<Impacto> impacto(const Plano& atual, const AtividadePlano& nova)
{
    std::vector<AtividadePlano> com = atual.atividades;
    com.push_back(nova);  // last of its deadline: the sort keeps the order given among equals
    const Plano depois = planeja(std::move(com), atual.inicio, 0);
    std::vector<Impacto> empurradas;
    for (size_t i = 0; i < atual.previsoes.size(); ++i) {
        const double mais = depois.previsoes[i].horasAtraso - atual.previsoes[i].horasAtraso;
        if (mais > Folga)
            empurradas.push_back({int(i), mais});
    }
    return empurradas;
}

QString textoHoras(double horas)
{
    const double arredondadas = std::round(horas * 10) / 10;
    return common::numberText(arredondadas == 0 ? 0.0 : arredondadas);
}

}  // namespace davo
