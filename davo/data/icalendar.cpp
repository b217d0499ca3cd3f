#include "davo/data/icalendar.h"

#include <QDateTime>
#include <QStringDecoder>
#include <QStringList>

namespace davo::ical {

QString escapaTexto(const QString& texto)
{
    QString out;
    out.reserve(texto.size() + texto.size() / 8);
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        switch (c.unicode()) {
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case ';':
            out += QLatin1String("\\;");
            break;
        case ',':
            out += QLatin1String("\\,");
            break;
        case '\r':
            // CRLF and a lone CR are one line break, as a lone LF is.
            if (i + 1 < texto.size() && texto.at(i + 1) == QLatin1Char('\n'))
                ++i;
            out += QLatin1String("\\n");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\t':
            out += c;
            break;
        default:
            if (c.unicode() < 0x20 || c.unicode() == 0x7F)
                break;  // no TEXT holds a control character
            out += c;
        }
    }
    return out;
}

QString desescapaTexto(const QString& valor)
{
    QString out;
    out.reserve(valor.size());
    for (qsizetype i = 0; i < valor.size(); ++i) {
        const QChar c = valor.at(i);
        if (c != QLatin1Char('\\') || i + 1 == valor.size()) {
            out += c;
            continue;
        }
        const QChar next = valor.at(++i);
        if (next == QLatin1Char('n') || next == QLatin1Char('N'))
            out += QLatin1Char('\n');
        else
            out += next;  // \\ \; \, and, leniently, any other escaped character as itself
    }
    return out;
}

QByteArray dobra(const QString& linha)
{
    constexpr int Limite = 75;
    const QByteArray utf8 = linha.toUtf8();
    QByteArray out;
    out.reserve(utf8.size() + utf8.size() / 70 * 3 + 2);
    qsizetype inicio = 0;
    bool primeira = true;
    while (true) {
        // A continuation line spends one of its octets on the leading blank.
        const qsizetype cabe = primeira ? Limite : Limite - 1;
        qsizetype fim = std::min(inicio + cabe, utf8.size());
        // Never between the octets of one character: back up to the start of the one cut.
        while (fim < utf8.size() && fim > inicio && (quint8(utf8.at(fim)) & 0xC0) == 0x80)
            --fim;
        if (!primeira)
            out += ' ';
        out += utf8.mid(inicio, fim - inicio);
        out += "\r\n";
        if (fim >= utf8.size())
            break;
        inicio = fim;
        primeira = false;
    }
    return out;
}

QString Propriedade::parametro(const QString& n) const
{
    for (const auto& p : parametros)
        if (p.first == n)
            return p.second;
    return {};
}

const Propriedade* Componente::propriedade(const QString& n) const
{
    for (const Propriedade& p : propriedades)
        if (p.nome == n)
            return &p;
    return nullptr;
}

namespace {

QString decodifica(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texto = utf8(bytes);
    if (utf8.hasError())
        texto = QString::fromLatin1(bytes);  // an older program's file in a one-octet code
    return texto;
}

// The logical lines: physical lines joined where the next one starts with a blank or a tab.
QStringList desdobra(const QString& texto)
{
    QStringList linhas;
    qsizetype inicio = 0;
    const qsizetype n = texto.size();
    while (inicio <= n) {
        qsizetype fim = inicio;
        while (fim < n && texto.at(fim) != QLatin1Char('\n') && texto.at(fim) != QLatin1Char('\r'))
            ++fim;
        const QStringView fisica = QStringView(texto).mid(inicio, fim - inicio);
        if (!fisica.isEmpty() && (fisica.at(0) == QLatin1Char(' ') || fisica.at(0) == QLatin1Char('\t')) &&
            !linhas.isEmpty())
            linhas.last() += fisica.mid(1);
        else if (!fisica.isEmpty())
            linhas << fisica.toString();
        if (fim >= n)
            break;
        // CRLF, LF or a lone CR ends a line.
        inicio = fim + 1;
        if (texto.at(fim) == QLatin1Char('\r') && inicio < n && texto.at(inicio) == QLatin1Char('\n'))
            ++inicio;
    }
    return linhas;
}

// name *(";" param) ":" value; parameter values may be quoted and then hold ':' ';' ','.
std::optional<Propriedade> analisa(const QString& linha)
{
    Propriedade p;
    qsizetype i = 0;
    const qsizetype n = linha.size();
    while (i < n && linha.at(i) != QLatin1Char(';') && linha.at(i) != QLatin1Char(':'))
        ++i;
    p.nome = linha.left(i).trimmed().toUpper();
    if (p.nome.isEmpty() || i == n)
        return std::nullopt;
    while (i < n && linha.at(i) == QLatin1Char(';')) {
        ++i;
        const qsizetype nomeInicio = i;
        while (i < n && linha.at(i) != QLatin1Char('=') && linha.at(i) != QLatin1Char(':') &&
               linha.at(i) != QLatin1Char(';'))
            ++i;
        const QString nome = linha.mid(nomeInicio, i - nomeInicio).trimmed().toUpper();
        QString valor;
        if (i < n && linha.at(i) == QLatin1Char('=')) {
            ++i;
            bool aspas = false;
            while (i < n) {
                const QChar c = linha.at(i);
                if (c == QLatin1Char('"')) {
                    aspas = !aspas;
                } else if (!aspas && (c == QLatin1Char(':') || c == QLatin1Char(';'))) {
                    break;
                } else {
                    valor += c;
                }
                ++i;
            }
        }
        p.parametros.append({nome, valor});
    }
    if (i >= n || linha.at(i) != QLatin1Char(':'))
        return std::nullopt;
    p.valor = linha.mid(i + 1);
    return p;
}

}  // namespace

std::optional<QList<Componente>> le(const QByteArray& bytes)
{
    const QStringList linhas = desdobra(decodifica(bytes));
    QList<Componente> calendarios;
    QList<Componente> pilha;
    for (const QString& linha : linhas) {
        const std::optional<Propriedade> p = analisa(linha);
        if (!p) {
            if (pilha.isEmpty() && linha.trimmed().size() > 0)
                return std::nullopt;  // text outside any calendar
            continue;
        }
        if (p->nome == QLatin1String("BEGIN")) {
            const QString nome = p->valor.trimmed().toUpper();
            if (pilha.isEmpty() && nome != QLatin1String("VCALENDAR"))
                return std::nullopt;
            pilha.append(Componente{nome, {}, {}});
        } else if (p->nome == QLatin1String("END")) {
            if (pilha.isEmpty() || pilha.last().nome != p->valor.trimmed().toUpper())
                return std::nullopt;
            Componente feito = pilha.takeLast();
            if (pilha.isEmpty())
                calendarios.append(std::move(feito));
            else
                pilha.last().filhos.append(std::move(feito));
        } else if (pilha.isEmpty()) {
            return std::nullopt;
        } else {
            pilha.last().propriedades.append(*p);
        }
    }
    if (!pilha.isEmpty() || calendarios.isEmpty())
        return std::nullopt;
    return calendarios;
}

namespace {

// The zone a TZID names: an IANA name, a Windows name, or a name carrying a prefix such as
// "/mozilla.org/20070129_1/Europe/Lisbon".
QTimeZone zonaDe(QString tzid)
{
    tzid = tzid.trimmed();
    QTimeZone zona(tzid.toUtf8());
    if (zona.isValid())
        return zona;
    const QByteArray iana = QTimeZone::windowsIdToDefaultIanaId(tzid.toUtf8());
    if (!iana.isEmpty() && QTimeZone(iana).isValid())
        return QTimeZone(iana);
    const QStringList partes = tzid.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (qsizetype k = 1; k <= 3 && k <= partes.size(); ++k) {
        zona = QTimeZone(partes.mid(partes.size() - k).join(QLatin1Char('/')).toUtf8());
        if (zona.isValid())
            return zona;
    }
    return {};
}

}  // namespace

std::optional<QDate> dataLocal(const Propriedade& p, const QTimeZone& local)
{
    const QString v = p.valor.trimmed();
    if (v.size() < 8)
        return std::nullopt;
    const QDate dia = QDate::fromString(v.left(8), QStringLiteral("yyyyMMdd"));
    if (!dia.isValid())
        return std::nullopt;
    if (v.size() == 8)
        return dia;
    if (v.size() < 15 || v.at(8).toUpper() != QLatin1Char('T'))
        return std::nullopt;
    const QTime hora = QTime::fromString(v.mid(9, 6), QStringLiteral("HHmmss"));
    if (!hora.isValid())
        return std::nullopt;
    QTimeZone zona;
    if (v.size() > 15 && v.at(15).toUpper() == QLatin1Char('Z'))
        zona = QTimeZone::utc();
    else if (const QString tzid = p.parametro(QStringLiteral("TZID")); !tzid.isEmpty())
        zona = zonaDe(tzid);
    if (!zona.isValid())
        return dia;  // a floating time, or a zone nobody knows: the day as written
    return QDateTime(dia, hora, zona).toTimeZone(local).date();
}

}  // namespace davo::ical
