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

std::optional<double> numero(const QVariant& valor)
{
    bool ok = true;
    double v = 0;
    // The pass reads every open record: the stored kinds are read without a conversion.
    switch (valor.typeId()) {
    case QMetaType::Double:
        v = *static_cast<const double*>(valor.constData());
        break;
    case QMetaType::LongLong:
        v = double(*static_cast<const qlonglong*>(valor.constData()));
        break;
    case QMetaType::Int:
        v = *static_cast<const int*>(valor.constData());
        break;
    case QMetaType::Float:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Short:
        v = valor.toDouble(&ok);
        break;
    case QMetaType::QString:
        v = valor.toString().toDouble(&ok);  // text a number field kept as it was written
        break;
    default:
        ok = false;  // empty, a date, anything else
        break;
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

std::optional<Figuras> calculaFiguras(const QVariant& dataFinal, const QVariant& horasQFaltam, const QVariant& g,
                                      const QVariant& t, const QDate& hoje)
{
    const auto horas = numero(horasQFaltam);
    if (dataFinal.typeId() != QMetaType::QDate || !horas)
        return std::nullopt;
    const Prazo prazo = calculaPrazo(dataFinal.toDate(), hoje);
    return Figuras{prazo, horasTrabDia(*horas, prazo.faltamDias), urgenciaAtividade(*horas, prazo.tempoDisp), numero(g),
                   numero(t)};
}

namespace {

const QString CampoDataFinal = QStringLiteral("DataFinal");
const QString CampoHorasQFaltam = QStringLiteral("HorasQFaltam");
const QString CampoG = QStringLiteral("G");
const QString CampoT = QStringLiteral("T");

// The fields the figures write.
enum Escrito { FaltamDias, TempoDisp, HorasTrabDia, U, GUT, Escritos };
const std::array<QString, Escritos> NomesEscritos{QStringLiteral("FaltamDias"), QStringLiteral("TempoDisp"),
                                                  QStringLiteral("HorasTrabDia"), QStringLiteral("U"),
                                                  QStringLiteral("GUT")};

// The values the figures give to the fields they write; U and GUT only with a score to compute.
std::array<QVariant, Escritos> escritos(const Figuras& f)
{
    std::array<QVariant, Escritos> v{f.prazo.faltamDias, f.prazo.tempoDisp, f.horasTrabDia, QVariant(), QVariant()};
    if (f.temEscore()) {
        v[U] = int(f.u);
        v[GUT] = f.escore();
    }
    return v;
}

// Whether a stored field already holds `valor`. A score stored from its shown text may differ from
// the product in the last binary digits.
bool guarda(const QVariant& campo, double valor)
{
    const auto atual = numero(campo);
    return atual && std::fabs(*atual - valor) <= 1e-12 * std::max(1.0, std::fabs(valor));
}

}  // namespace

void recalculaAtividade(common::Recordset& atividade, const QDate& hoje)
{
    const auto f = calculaFiguras(atividade.value(CampoDataFinal), atividade.value(CampoHorasQFaltam),
                                  atividade.value(CampoG), atividade.value(CampoT), hoje);
    if (!f)
        return;
    const auto valores = escritos(*f);
    for (int c = 0; c < Escritos; ++c)
        if (valores[c].isValid())
            atividade.setValue(NomesEscritos[c], valores[c]);
}

void AtualizaPrazos(common::Database& db, const QDate& hoje)
{
    common::Transaction transaction(db);
    // Only the fields the pass reads and writes, of the open activities.
    common::Recordset rs = common::Recordset::openWhere(
        db, {QStringLiteral("Atividades"),
             QStringLiteral("Ativo = '1'"),
             {},
             {},
             {"Codigo", "DataFinal", "HorasQFaltam", "G", "T", "FaltamDias", "TempoDisp", "HorasTrabDia", "U", "GUT"}});
    const int dataFinal = rs.fieldIndex(CampoDataFinal);
    const int horas = rs.fieldIndex(CampoHorasQFaltam);
    const int g = rs.fieldIndex(CampoG);
    const int t = rs.fieldIndex(CampoT);
    std::array<int, Escritos> coluna{};
    for (int c = 0; c < Escritos; ++c)
        coluna[c] = rs.fieldIndex(NomesEscritos[c]);

    for (int row = 0; row < rs.recordCount(); ++row) {
        const auto f = calculaFiguras(rs.valueAt(row, dataFinal), rs.valueAt(row, horas), rs.valueAt(row, g),
                                      rs.valueAt(row, t), hoje);
        if (!f)
            continue;
        // Only what changed is written: a day later most records change, later that day none. The
        // score is compared as the product and rounded only when it is written.
        const std::array<std::optional<double>, Escritos> novos{
            f->prazo.faltamDias, f->prazo.tempoDisp, f->horasTrabDia,
            f->temEscore() ? std::optional<double>(f->u) : std::nullopt,
            f->temEscore() ? std::optional<double>(*f->g * *f->t * f->u) : std::nullopt};
        unsigned muda = 0;
        for (int c = 0; c < Escritos; ++c)
            if (novos[c] && !guarda(rs.valueAt(row, coluna[c]), *novos[c]))
                muda |= 1u << c;
        if (!muda)
            continue;
        rs.setAbsolutePosition(row);
        rs.edit();
        for (int c = FaltamDias; c <= HorasTrabDia; ++c)
            if (muda & (1u << c))
                rs.setValue(NomesEscritos[c], *novos[c]);
        if (muda & (1u << U))
            rs.setValue(NomesEscritos[U], int(f->u));
        if (muda & (1u << GUT))
            rs.setValue(NomesEscritos[GUT], f->escore());
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
