#pragma once

// Activities in and out of DAVO.mdb: iCalendar to-dos (VTODO) that calendar and task programs read
// and write, CSV for spreadsheets, and the rating of an activity again.
//
// What Atividades has no field for lives in two small tables of their own, made the first time
// they are needed, so a file made before them keeps working and no field of Atividades changes:
// Intercambio (Codigo, UID, NaoAvaliada) holds the UID an imported activity came with and whether
// its gravity and tendency are still to be answered; IntercambioArquivo (Identificador) the file's
// own name in the UIDs of the activities made here.

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimeZone>
#include <QVariant>

#include <optional>

namespace common {
class Database;
}

namespace davo {

// The longest description the new-activity screen takes, in UTF-16 units.
constexpr int TextoMaximo = 32767;

// `texto` cut to at most `maximo` UTF-16 units, never inside a character beyond the basic plane.
QString cortaTexto(const QString& texto, int maximo = TextoMaximo);

// ---- iCalendar --------------------------------------------------------------------------------

// Every activity, open ones first in the list's order and finished ones as the history lists them,
// as one VTODO each in a VCALENDAR. The pass of the list runs first, so the priorities follow
// today's order. `agora` is the DTSTAMP.
QByteArray exportaICalendar(common::Database& db, const QDate& hoje, const QDateTime& agora);

// Days left, hours available and hours per day, as a pass left them.
struct FigurasDoDia {
    double faltamDias;
    double tempoDisp;
    double horasTrabDia;
};

// One to-do of a file, as it will be stored.
struct TarefaImportada {
    QString uid;
    QString atividade;
    QDate dataFinal;
    QString obs;
    bool concluida = false;
    // A file davo wrote carries the activity's own figures; others get the lowest rating, no hours
    // and the mark of an activity not yet rated.
    bool avaliada = false;
    double g = 1;
    double t = 1;
    std::optional<int> u;       // nothing: computed from the deadline and the hours
    std::optional<double> gut;  // nothing: G × T × U
    double horasEst = 0;
    double horasTrab = 0;
    std::optional<double> horasQFaltam;        // nothing: estimated minus worked
    std::optional<FigurasDoDia> figurasDoDia;  // a finished activity's, from davo; nothing: counted today
};

struct Importacao {
    QList<TarefaImportada> tarefas;
    int semPrazo = 0;      // VTODO without a DUE that reads as a date
    int semDescricao = 0;  // VTODO without a SUMMARY, or a blank one

    int ignoradas() const { return semPrazo + semDescricao; }
    // "12 atividades a importar, 2 ignoradas (sem prazo)".
    QString resumo() const;
};

// The to-dos of an iCalendar file, deadlines taken as dates in `local`. Nothing when the bytes are
// not iCalendar.
std::optional<Importacao> leImportacao(const QByteArray& bytes, const QTimeZone& local = QTimeZone::systemTimeZone());

// Stores the to-dos as activities, in one transaction: all of them or, on a failure, none.
void gravaImportacao(common::Database& db, const Importacao& importacao, const QDate& hoje);

// The keys of the imported activities whose gravity and tendency are still to be answered.
QSet<qint64> atividadesNaoAvaliadas(common::Database& db);

// Stores a new gravity and tendency for the activity `codigo`, with the urgency and score that
// follow, and takes away its not-rated mark, in one transaction. False when there is no such
// activity.
bool gravaAvaliacao(common::Database& db, const QVariant& codigo, double g, double t, const QDate& hoje);

// ---- CSV --------------------------------------------------------------------------------------

// The field separator the user's locale expects: a semicolon where the decimal mark is a comma.
QChar separadorCsv();

// A CSV file of `linhas` (the first one the headings): UTF-8 with a byte-order mark, CRLF, fields
// quoted where they hold the separator, a quote or a line break. A text a spreadsheet would take
// for a formula (starting with = + - @ and not a number) is written after an apostrophe.
QByteArray csv(const QList<QStringList>& linhas);

// The history as its grid shows it: every field of the finished activities, headed by its name.
QList<QStringList> linhasHistorico(common::Database& db);

// Writes `bytes` to `caminho` whole or not at all: beside it first, renamed over it once complete.
// False, with the file as it was, when that fails.
bool gravaArquivo(const QString& caminho, const QByteArray& bytes);

}  // namespace davo
