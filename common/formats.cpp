#include "common/formats.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace common {

namespace {

struct LocaleOverride {
    bool set = false;
    QLocale locale;
    QString shortDate;
};

LocaleOverride& override_()
{
    static LocaleOverride o;
    return o;
}

QLocale withoutGroups(QLocale locale)
{
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

}  // namespace

QLocale userLocale()
{
    return withoutGroups(override_().set ? override_().locale : QLocale::system());
}

QString shortDateFormat()
{
    const auto& o = override_();
    if (o.set && !o.shortDate.isEmpty())
        return o.shortDate;
    return userLocale().dateFormat(QLocale::ShortFormat);
}

void setUserLocale(const QLocale& locale, const QString& shortDate)
{
    override_() = {true, locale, shortDate};
}

void resetUserLocale()
{
    override_() = {};
}

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// A grouped whole part is well grouped when its first group has 1 to 3 digits and every other
// group exactly 3: "1.500" and "12.345.678" are, "1.5" and "15.00" are not.
bool wellGrouped(const QStringList& groups)
{
    if (groups.first().isEmpty() || groups.first().size() > 3)
        return false;
    for (qsizetype i = 1; i < groups.size(); ++i)
        if (groups[i].size() != 3)
            return false;
    return true;
}

// The separators a text may use under `locale`: its decimal separator, its group separator (a
// blank of any kind where the locale groups with a blank), and the point where the locale gives it
// no meaning of its own.
struct Separators {
    QString decimal;
    QStringList group;
    bool pointIsDecimal = false;
};

Separators separatorsOf(const QLocale& locale)
{
    Separators s;
    s.decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    if (!group.isEmpty()) {
        if (group.at(0).isSpace())
            s.group = {QStringLiteral(" "), QString(QChar(0x00A0)), QString(QChar(0x202F))};
        else
            s.group = {group};
    }
    const QString point = QStringLiteral(".");
    s.pointIsDecimal = s.decimal != point && !s.group.contains(point);
    return s;
}

// The text with a locale's own digits, exponent and signs turned into the ASCII ones they stand
// for. A locale with digits of its own (ar_EG, fa_IR) shows numbers in them, and its exponent as a
// word or a "×10^": both are read as the ASCII digits and "e" they stand for, so that every number
// shown reads back.
QString plainDigits(const QLocale& locale, QString t)
{
    const QString exponential = locale.exponential();
    if (!exponential.isEmpty() && exponential.compare(QLatin1String("e"), Qt::CaseInsensitive) != 0)
        t.replace(exponential, QLatin1String("e"));
    // Their signs carry a direction mark ("\u061C-", "\u200E−").
    for (const auto& [sign, plain] :
         {std::pair{locale.negativeSign(), QStringLiteral("-")}, std::pair{locale.positiveSign(), QStringLiteral("+")}})
        if (!sign.isEmpty() && sign != plain)
            t.replace(sign, plain);
    for (QChar& ch : t) {
        const int digit = ch.isDigit() ? ch.digitValue() : -1;
        if (digit >= 0 && digit <= 9)
            ch = QLatin1Char(char('0' + digit));
    }
    return t;
}

// The digits before and after a number's decimal separator, the whole part split at its group
// separators.
struct Mantissa {
    QStringList groups{QString()};
    QString fraction;
    bool grouped = false;
};

// Reads the digits and separators of `t` from `i` up to an exponent's "e" or the end, and leaves
// `i` there. Nothing when a separator is out of place or another character comes.
std::optional<Mantissa> readMantissa(const QString& t, qsizetype& i, const Separators& separators)
{
    Mantissa m;
    bool decimalSeen = false;
    for (; i < t.size(); ++i) {
        const QChar ch = t.at(i);
        if (isDigit(ch)) {
            (decimalSeen ? m.fraction : m.groups.last()) += ch;
            continue;
        }
        const QString rest = t.mid(i);
        if (rest.startsWith(separators.decimal) || (separators.pointIsDecimal && ch == QLatin1Char('.'))) {
            if (decimalSeen)
                return std::nullopt;
            decimalSeen = true;
            i += (rest.startsWith(separators.decimal) ? separators.decimal.size() : 1) - 1;
            continue;
        }
        bool isGroup = false;
        for (const QString& g : separators.group) {
            if (rest.startsWith(g)) {
                if (decimalSeen)
                    return std::nullopt;  // no grouping in the decimals
                m.grouped = isGroup = true;
                m.groups.append(QString());
                i += g.size() - 1;
                break;
            }
        }
        if (isGroup)
            continue;
        if (ch == QLatin1Char('e') || ch == QLatin1Char('E'))
            break;  // the exponent, as the programs write a very large or small number
        return std::nullopt;
    }
    return m;
}

// The exponent that follows the "e" of `t` at `i` (an optional sign, digits) in the C locale's
// terms, "e-12"; nothing when it is anything else.
std::optional<QString> readExponent(const QString& t, qsizetype i, const QLocale& locale)
{
    QString exponent = t.mid(i + 1);
    QString sign;
    if (exponent.startsWith(locale.negativeSign()) || exponent.startsWith(QLatin1Char('-'))) {
        sign = QStringLiteral("-");
        exponent.remove(0, exponent.startsWith(locale.negativeSign()) ? locale.negativeSign().size() : 1);
    } else if (exponent.startsWith(QLatin1Char('+'))) {
        exponent.remove(0, 1);
    }
    if (exponent.isEmpty() || !std::all_of(exponent.cbegin(), exponent.cend(), isDigit))
        return std::nullopt;
    return QLatin1Char('e') + sign + exponent;
}

}  // namespace

std::optional<double> readNumber(const QString& text)
{
    const QLocale locale = userLocale();
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const QString t = plainDigits(locale, trimmed);

    // The number is rebuilt in the C locale's terms, the separators checked on the way.
    QString c;
    qsizetype i = 0;
    if (t.startsWith(locale.negativeSign()) || t.startsWith(QLatin1Char('-'))) {
        c += QLatin1Char('-');
        i = t.startsWith(locale.negativeSign()) ? locale.negativeSign().size() : 1;
    } else if (t.startsWith(locale.positiveSign()) || t.startsWith(QLatin1Char('+'))) {
        i = t.startsWith(locale.positiveSign()) ? locale.positiveSign().size() : 1;
    }

    const auto m = readMantissa(t, i, separatorsOf(locale));
    if (!m || (m->grouped && !wellGrouped(m->groups)))
        return std::nullopt;
    const QString whole = m->groups.join(QString());
    if (whole.isEmpty() && m->fraction.isEmpty())
        return std::nullopt;
    c += whole.isEmpty() ? QStringLiteral("0") : whole;
    if (!m->fraction.isEmpty())
        c += QLatin1Char('.') + m->fraction;

    if (i < t.size()) {
        const auto exponent = readExponent(t, i, locale);
        if (!exponent)
            return std::nullopt;
        c += *exponent;
    }

    bool ok = false;
    const double v = withoutGroups(QLocale::c()).toDouble(c, &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

bool isNumeric(const QString& text)
{
    return readNumber(text).has_value();
}

QString formatFixed(double value, int decimals)
{
    // Rounded as written: 0.125 shows as 0.13, not as the binary value's 0.12.
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(value * scale * (1 + 4 * std::numeric_limits<double>::epsilon())) / scale;
    QString s = userLocale().toString(rounded, 'f', decimals);
    if (s.startsWith(userLocale().negativeSign()) && rounded == 0.0)
        s.remove(0, userLocale().negativeSign().size());
    return s;
}

QString formatTwoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString numberText(double value)
{
    if (value == 0.0)
        return QStringLiteral("0");
    return userLocale().toString(value, 'g', 15);
}

QString dateText(const QDate& date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

QDate readDate(const QString& text)
{
    const QString t = text.trimmed();
    for (const char* format : {"dd/MM/yyyy", "d/M/yyyy"}) {
        const QDate d = QDate::fromString(t, QLatin1String(format));
        if (d.isValid())
            return d;
    }
    return {};
}

QString shortDateText(const QDate& date)
{
    return userLocale().toString(date, shortDateFormat());
}

}  // namespace common
