#pragma once

// The plan of the coming days: the hours still to work on every open activity laid one after
// another into the days from today, at most six hours a day for all of them together, earliest
// deadline first; and what that says about each deadline.

#include <QDate>
#include <QString>
#include <QVariant>

#include <span>
#include <vector>

namespace common {
class Database;
}

namespace davo {

// An open activity as the plan takes it.
struct AtividadePlano {
    QVariant codigo;
    QString atividade;
    QDate dataFinal;
    double horas = 0;  // hours still to work
};

// Hours of one activity laid into one day.
struct Parcela {
    int dia = 0;           // days from the plan's first day
    int atividade = 0;     // index into Plano::atividades
    double horas = 0;      // planned that day
    double atrasadas = 0;  // of those, the hours laid after the activity's deadline allowed
};

// What the plan says of one activity.
struct Previsao {
    int ultimoDia = 0;       // the day its last hour is laid; the first day when nothing is left to do
    double horasAtraso = 0;  // hours laid beyond the hours it may use before its deadline; 0: on time

    bool atrasa() const { return horasAtraso > 0; }
};

class Plano {
public:
    QDate inicio;                            // today, the plan's day 0
    std::vector<AtividadePlano> atividades;  // as given: the list's order
    std::vector<Previsao> previsoes;         // one per activity, same index
    std::vector<Parcela> parcelas;           // in the order laid: by day, then by deadline

    // The hours laid into `dia` (0: the first day), in the order they were laid; none past the days
    // the plan was asked to detail.
    std::span<const Parcela> doDia(int dia) const;
    // The number of days, from the first, that hold any hours and are detailed.
    int dias() const { return int(primeiraDoDia_.empty() ? 0 : primeiraDoDia_.size() - 1); }
    double horasDoDia(int dia) const;
    QDate termino(int atividade) const { return inicio.addDays(previsoes[size_t(atividade)].ultimoDia); }

    // How many activities will be late, and by how many hours in all.
    int atrasadas() const;
    double horasAtraso() const;

private:
    friend Plano planeja(std::vector<AtividadePlano> atividades, const QDate& hoje, int detalhados);
    std::vector<size_t> primeiraDoDia_;  // per day, its first parcel; one more at the end
};

// Lays the activities' hours into the days from `hoje`: earliest deadline first (overdue ones first,
// equal deadlines in the order given), one after another, at most HorasPorDia a day in all. An
// activity may use, before it is late, the hours available until its deadline as the list counts
// them (6 for each day before the deadline; 3 of today when it is due today; none when overdue);
// every hour laid beyond those makes it late by that hour. Negative hours count as none.
// Every activity's finish and hours late are worked out however far the work reaches; the hours of
// each day are kept for the first `detalhados` days only.
constexpr int DiasDetalhados = 366;
Plano planeja(std::vector<AtividadePlano> atividades, const QDate& hoje, int detalhados = DiasDetalhados);

// The open activities in the list's order, with their deadline and hours still to work. An activity
// without a deadline, or whose hours still to work are not a number, cannot be planned and is left
// out.
std::vector<AtividadePlano> atividadesAbertas(common::Database& db);

// An activity the plan says would be pushed later by one more.
struct Impacto {
    int atividade = 0;  // index into the activities given
    double horas = 0;   // hours late that the new activity adds to it
};

// What adding `nova` to the plan `atual` does to its activities: those whose hours late would grow,
// in the plan's order, each with the hours it would grow by. The new activity goes after the open
// ones of its own deadline, as a late arrival.
std::vector<Impacto> impacto(const Plano& atual, const AtividadePlano& nova);

// The hours as a plan shows them: rounded to one decimal, only the decimal needed ("4", "2,5").
QString textoHoras(double horas);

}  // namespace davo
