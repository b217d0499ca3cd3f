#pragma once

// davo's arithmetic on deadlines and hours, and the score that ranks activities.

#include <QDate>

namespace common {
class Database;
class Recordset;
}  // namespace common

namespace davo {

constexpr double HorasPorDia = 6;        // working hours in each day left
constexpr double HorasNoDiaFinal = 3;    // hours available on the deadline day itself
constexpr double DiasNoDiaFinal = 0.4;   // days left stored for the deadline day, never 0
constexpr int AtividadesNaCarga = 6;     // the daily load sums the first six of the list
constexpr double LimiteCarga = 6;        // a load above it is shown on red
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

// The score: gravity × tendency × urgency.
double gut(double g, double t, short u);

// Writes FaltamDias and TempoDisp of the record being edited or added, from its DataFinal.
void aplicaPrazo(common::Recordset& atividade, const QDate& hoje);

// The recomputation pass: days left, hours available and hours per day of every open activity,
// against `hoje`, in one transaction. Hours still to work are not changed. A record whose deadline
// or hours still to work are missing is left as it is.
void AtualizaPrazos(common::Database& db, const QDate& hoje);

// The daily load: the sum of the absolute hours per day of the first six records of the list
// (fewer when the list is shorter). Leaves the list on its first record.
double CargaHoraDia(common::Recordset& lista);

}  // namespace davo
