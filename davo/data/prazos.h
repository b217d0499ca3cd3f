#pragma once

// davo's arithmetic on deadlines and hours, and the score that ranks activities.

#include <QDate>
#include <QVariant>

#include <optional>

namespace common {
class Database;
class Recordset;
}  // namespace common

namespace davo {

constexpr double HorasPorDia = 6;       // working hours in each day left
constexpr double HorasNoDiaFinal = 3;   // hours available on the deadline day itself
constexpr double DiasNoDiaFinal = 0.4;  // days left stored for the deadline day, never 0
constexpr int AtividadesNaCarga = 6;    // the daily load sums the first six of the list
constexpr double LimiteCarga = 6;       // a load above it is shown on red
constexpr int UrgenciaMaxima = 5;

struct Prazo {
    double faltamDias;  // days left; 0.4 on the deadline day, negative when overdue
    double tempoDisp;   // working hours available until the deadline
};

// Days left and hours available for a deadline, counted in whole calendar days from `hoje`.
Prazo calculaPrazo(const QDate& dataFinal, const QDate& hoje);

// Hours still to work: estimated minus worked, 0 when more was worked than estimated.
double horasQFaltam(double estimadas, double trabalhadas);

// Hours to work per day to meet the deadline (negative for an overdue activity).
double horasTrabDia(double horasQFaltam, double faltamDias);

// The urgency input: the share of the working time left until the deadline that the activity
// still needs. 0 when nothing is left to do; past the deadline, any work left is urgent.
double entradaUrgencia(double horasQFaltam, double tempoDisp);

// Urgency 1 to 5 from its input: the whole part of 3x + x/6 + 1.63, at most 5.
short urgencia(double x);

// The urgency of an activity from its hours still to work and the hours available until its
// deadline. The one rule the new-activity screen, the list's save and the pass all use.
short urgenciaAtividade(double horasQFaltam, double tempoDisp);

// The score: gravity × tendency × urgency, to the 15 significant digits it is shown with, so that
// scores that read the same are equal in the list's order.
double gut(double g, double t, short u);

// A stored field as a number: nothing when it is empty or not a number.
std::optional<double> numero(const QVariant& valor);

// What the pass keeps current for an open activity.
struct Figuras {
    Prazo prazo;
    double horasTrabDia;
    short u;
    // Gravity and tendency, when both are numbers: only then are U and GUT brought up to date.
    std::optional<double> g;
    std::optional<double> t;

    bool temEscore() const { return g && t; }
    double escore() const { return gut(*g, *t, u); }
};

// The figures of a record from its stored DataFinal, HorasQFaltam, G and T; nothing when the
// deadline or the hours still to work are missing, and such a record is left as it is.
std::optional<Figuras> calculaFiguras(const QVariant& dataFinal, const QVariant& horasQFaltam, const QVariant& g,
                                      const QVariant& t, const QDate& hoje);

// Writes FaltamDias and TempoDisp of the record being edited or added, from its DataFinal.
void aplicaPrazo(common::Recordset& atividade, const QDate& hoje);

// Brings the record being edited up to date from its DataFinal and HorasQFaltam, as the pass does:
// FaltamDias, TempoDisp, HorasTrabDia, and U and GUT when G and T are numbers. A record whose deadline
// or hours still to work are missing is left as it is.
void recalculaAtividade(common::Recordset& atividade, const QDate& hoje);

// The recomputation pass over every open activity against `hoje`, in one transaction: days left,
// hours available, hours per day, urgency and score. Hours still to work are not changed. A record
// whose deadline or hours still to work are missing is left as it is; one whose G or T is missing
// or not a number keeps its U and GUT. Only the fields whose value changes are written.
void AtualizaPrazos(common::Database& db, const QDate& hoje);

// The daily load: the sum of the absolute hours per day of the first six records of the list
// (fewer when the list is shorter). Leaves the list on its first record.
double CargaHoraDia(common::Recordset& lista);

// The daily load as the list shows it, with one decimal: the figure compared with the limit, so a
// load shown as 6,0 is never taken for more than 6.
double cargaMostrada(double carga);

}  // namespace davo
