#pragma once

// iCalendar text (RFC 5545) as calendar and task programs trade it: content lines of at most 75
// octets folded with CRLF, TEXT values escaped, UTF-8; and the reading back of such a file into its
// components, whatever program wrote it.

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QPair>
#include <QString>
#include <QTimeZone>

#include <optional>

namespace davo::ical {

// A TEXT value with its backslashes, semicolons, commas and line breaks escaped; characters no
// TEXT may hold (control characters other than the tab) are left out.
QString escapaTexto(const QString& texto);
// The reverse: "\\n" and "\\N" become a line break, "\\," "\\;" "\\\\" their characters.
QString desescapaTexto(const QString& valor);

// One content line, in UTF-8, folded so that no physical line exceeds 75 octets and no character
// is split; every physical line ends in CRLF.
QByteArray dobra(const QString& linha);

// Writes an iCalendar text line by line.
class Escritor {
public:
    void inicia(const QString& componente) { linha(QStringLiteral("BEGIN:") + componente); }
    void termina(const QString& componente) { linha(QStringLiteral("END:") + componente); }
    // `nome` may carry parameters ("DUE;VALUE=DATE"); `valor` is written as given.
    void propriedade(const QString& nome, const QString& valor) { linha(nome + QLatin1Char(':') + valor); }
    void texto(const QString& nome, const QString& valor) { propriedade(nome, escapaTexto(valor)); }
    const QByteArray& bytes() const { return bytes_; }

private:
    void linha(const QString& l) { bytes_ += dobra(l); }
    QByteArray bytes_;
};

struct Propriedade {
    QString nome;                               // upper case
    QList<QPair<QString, QString>> parametros;  // names upper case, values unquoted
    QString valor;                              // as written, still escaped

    QString parametro(const QString& nome) const;
};

struct Componente {
    QString nome;  // upper case: VCALENDAR, VTODO, VEVENT, VTIMEZONE...
    QList<Propriedade> propriedades;
    QList<Componente> filhos;

    // The first property of that name, or nothing.
    const Propriedade* propriedade(const QString& nome) const;
};

// The calendars of a file. Nothing when the bytes are not iCalendar: they do not open with
// BEGIN:VCALENDAR, or a component is left open or closed under another name. Lines may end in CRLF
// or in a bare LF; text that is not UTF-8 is read as Latin-1. Lines that are no content line are
// passed over.
std::optional<QList<Componente>> le(const QByteArray& bytes);

// The date of a DATE or DATE-TIME property (DUE, DTSTART...) as it falls in the zone `local`: a
// date stays as it is, a time in UTC or in the zone named by TZID is moved into `local`, a floating
// time keeps its date. Nothing when the value is no date.
std::optional<QDate> dataLocal(const Propriedade& p, const QTimeZone& local);

}  // namespace davo::ical
