#include "davo/data/prazos.h"

#include "common/store.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

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

short urgenciaAtividade(double horasQFaltam, double tempoDisp)
{
    return urgencia(entradaUrgencia(horasQFaltam, tempoDisp));
}

namespace {

// The value to the 15 significant digits a number is shown with.
double comoMostrado(double valor)
{
    if (!std::isfinite(valor))
        return valor;
    char texto[32];
    const auto fim = std::to_chars(texto, texto + sizeof texto, valor, std::chars_format::general, 15).ptr;
    double lido = valor;
    std::from_chars(texto, fim, lido);
    return lido;
}

}  // namespace

double gut(double g, double t, short u)
{
    return comoMostrado(g * t * u);
}

Figuras calculaFiguras(const QDate& dataFinal, double horasQFaltam, const QDate& hoje)
{
    const Prazo prazo = calculaPrazo(dataFinal, hoje);
    return {prazo, horasTrabDia(horasQFaltam, prazo.faltamDias), urgenciaAtividade(horasQFaltam, prazo.tempoDisp)};
}

std::optional<double> numero(const QVariant& valor)
{
    bool ok = false;
    double v = 0;
    switch (valor.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Short:
        v = valor.toDouble(&ok);
        break;
    case QMetaType::QString:
        v = valor.toString().toDouble(&ok);  // text a number field kept as it was written
        break;
    default:
        break;  // empty, a date, anything else
    }
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

void aplicaPrazo(common::Recordset& atividade, const QDate& hoje)
{
    const Prazo p = calculaPrazo(atividade.value(QStringLiteral("DataFinal")).toDate(), hoje);
    atividade.setValue(QStringLiteral("FaltamDias"), p.faltamDias);
    atividade.setValue(QStringLiteral("TempoDisp"), p.tempoDisp);
}

void recalculaAtividade(common::Recordset& atividade, const QDate& hoje)
{
    const QVariant data = atividade.value(QStringLiteral("DataFinal"));
    const auto horas = numero(atividade.value(QStringLiteral("HorasQFaltam")));
    if (data.typeId() != QMetaType::QDate || !horas)
        return;
    const Figuras f = calculaFiguras(data.toDate(), *horas, hoje);
    atividade.setValue(QStringLiteral("FaltamDias"), f.prazo.faltamDias);
    atividade.setValue(QStringLiteral("TempoDisp"), f.prazo.tempoDisp);
    atividade.setValue(QStringLiteral("HorasTrabDia"), f.horasTrabDia);
    const auto g = numero(atividade.value(QStringLiteral("G")));
    const auto t = numero(atividade.value(QStringLiteral("T")));
    if (!g || !t)
        return;  // no score to rank by: the one stored stays
    atividade.setValue(QStringLiteral("U"), int(f.u));
    atividade.setValue(QStringLiteral("GUT"), gut(*g, *t, f.u));
}

namespace {

// Whether a stored field already holds `valor`.
bool guarda(const QVariant& campo, double valor)
{
    const auto atual = numero(campo);
    return atual && *atual == valor;
}

// The same for a score, which may have been stored from its shown text.
bool guardaEscore(const QVariant& campo, double valor)
{
    const auto atual = numero(campo);
    return atual && std::fabs(*atual - valor) <= 1e-12 * std::max(1.0, std::fabs(valor));
}

}  // namespace

void AtualizaPrazos(common::Database& db, const QDate& hoje)
{
    enum Campo { DataFinal, HorasQFaltam, FaltamDias, TempoDisp, HorasTrabDia, G, T, U, GUT, Campos };
    static const std::array<QString, Campos> nomes{
        QStringLiteral("DataFinal"), QStringLiteral("HorasQFaltam"), QStringLiteral("FaltamDias"),
        QStringLiteral("TempoDisp"), QStringLiteral("HorasTrabDia"), QStringLiteral("G"),
        QStringLiteral("T"),         QStringLiteral("U"),            QStringLiteral("GUT")};

    common::Transaction transaction(db);
    // Only the fields the pass reads and writes, of the open activities.
    common::Recordset rs = common::Recordset::openQuery(
        db, QStringLiteral("Select Codigo, DataFinal, HorasQFaltam, FaltamDias, TempoDisp, HorasTrabDia, G, T, U, "
                           "GUT FROM Atividades WHERE Ativo = '1'"));
    std::array<int, Campos> coluna{};
    for (int c = 0; c < Campos; ++c)
        coluna[c] = rs.fieldIndex(nomes[c]);

    for (int row = 0; row < rs.recordCount(); ++row) {
        const auto campo = [&](Campo c) { return rs.valueAt(row, coluna[c]); };
        const QVariant data = campo(DataFinal);
        const auto horas = numero(campo(HorasQFaltam));
        if (data.typeId() != QMetaType::QDate || !horas)
            continue;
        const Figuras f = calculaFiguras(data.toDate(), *horas, hoje);

        // Only what changed is written; a day later most records change, later that day none.
        std::array<double, Campos> novo{};
        unsigned muda = 0;
        const auto compara = [&](Campo c, double valor, bool igual) {
            novo[c] = valor;
            if (!igual)
                muda |= 1u << c;
        };
        compara(FaltamDias, f.prazo.faltamDias, guarda(campo(FaltamDias), f.prazo.faltamDias));
        compara(TempoDisp, f.prazo.tempoDisp, guarda(campo(TempoDisp), f.prazo.tempoDisp));
        compara(HorasTrabDia, f.horasTrabDia, guarda(campo(HorasTrabDia), f.horasTrabDia));
        const auto g = numero(campo(G));
        const auto t = numero(campo(T));
        if (g && t) {  // without them there is no score to rank by: the one stored stays
            compara(U, f.u, guarda(campo(U), f.u));
            const double escore = *g * *t * f.u;
            compara(GUT, escore, guardaEscore(campo(GUT), escore));
        }
        if (!muda)
            continue;
        rs.setAbsolutePosition(row);
        rs.edit();
        for (int c = FaltamDias; c <= HorasTrabDia; ++c)
            if (muda & (1u << c))
                rs.setValue(nomes[c], novo[c]);
        if (muda & (1u << U))
            rs.setValue(nomes[U], int(f.u));
        if (muda & (1u << GUT))
            rs.setValue(nomes[GUT], gut(*g, *t, f.u));
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

double cargaMostrada(double carga)
{
    // Rounded as written, the way the label shows it: 6.05 shows as 6.1.
    return std::round(carga * 10 * (1 + 4 * std::numeric_limits<double>::epsilon())) / 10;
}

}  // namespace davo
