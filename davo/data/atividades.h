#pragma once

// What davo's screens write into Atividades: the list's save of the selected activity, the history
// reopening a finished one, and a new activity. Each answers what happened; the screens word it.

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace common {
class Database;
class Recordset;
}  // namespace common

namespace davo {

// The fields a refusal names.
inline const QString CampoHorasEst = QStringLiteral("HorasEst");
inline const QString CampoHorasTrab = QStringLiteral("HorasTrab");

// What the list's editing panel holds when "&Gravar" is pressed, as typed.
struct EdicaoDigitada {
    QString obs;
    QDate dataFinal;    // invalid when the box does not hold a real date
    QString horasEst;   // the estimate; empty keeps the stored one
    QString horasTrab;  // the hours worked since the last booking; empty books nothing
    bool finaliza = false;
};

// What the save stores.
struct EdicaoAtividade {
    QString obs;
    std::optional<QDate> dataFinal;          // nothing: the stored deadline stays
    std::optional<double> horasEst;          // nothing: the estimate stays
    std::optional<double> horasTrabalhadas;  // hours booked now, added to those worked
    bool finaliza = false;
};

// A deadline typed into the panel: taken, or kept as stored because it is before today or no date.
enum class NovaDataFinal { Aceita, Anterior, Invalida };

struct LeituraEdicao {
    EdicaoAtividade edicao;
    NovaDataFinal novaData = NovaDataFinal::Aceita;
    // The hour fields refused, in the order they are checked (CampoHorasEst, then CampoHorasTrab):
    // hours below zero, and booked hours that are no number. Any refusal stores nothing.
    QStringList recusados;

    bool aceita() const { return recusados.isEmpty(); }
};

// Reads and checks the panel against `hoje` before anything is written. A rejected deadline keeps
// the stored one and the rest of the edit is saved all the same.
LeituraEdicao leEdicao(const EdicaoDigitada& digitada, const QDate& hoje);

// Writes the edit into `atividade`, the selected activity as opened from Atividades, in one
// transaction: the note, the deadline and the estimate when given, the hours booked added to those
// worked, the hours still to work and the figures that follow from them, and Ativo ('0' when it is
// finished, '1' otherwise). `atividade` is closed once written; a failed write throws and leaves it
// open, nothing stored.
void gravaEdicao(common::Database& db, common::Recordset& atividade, const EdicaoAtividade& edicao, const QDate& hoje);

// The history's save: the finished activity `atividade`, as opened from Atividades, is open again
// (Ativo '1'), and `atividade` is closed. False, writing nothing, when nothing is selected.
bool reabreAtividade(common::Recordset& atividade);

// A new activity as its screen holds it once every check has passed: the texts shown and typed,
// hours as numbers in the user's locale, the deadline as dd/MM/yyyy.
struct NovaAtividade {
    QString atividade;
    QString dataFinal;
    QString horasEst;
    QString horasTrab;
    QString obs;
    QString g;
    QString t;
    QString u;
    QString gut;
};

// Stores `nova` as an open activity, whole or not at all, with its days left, hours available,
// hours still to work and hours per day counted from `hoje`.
void incluiAtividade(common::Database& db, const NovaAtividade& nova, const QDate& hoje);

}  // namespace davo
