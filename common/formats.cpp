#include "common/formats.h"

#include <cmath>
#include <limits>

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

std::optional<double> readNumber(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    bool ok = false;
    double v = userLocale().toDouble(t, &ok);
    if (!ok)
        v = withoutGroups(QLocale::c()).toDouble(t, &ok);
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
