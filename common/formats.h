#pragma once

// Numbers and dates as the user reads and types them: the decimal separator and the short date of
// the user's locale, in one place.

#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>

namespace common {

// The user's locale (numbers from LC_NUMERIC, dates from LC_TIME), or the one a test set.
QLocale userLocale();
// The user's short date format, for instance "dd/MM/yyyy" or "M/d/yy".
QString shortDateFormat();
// Tests run under a chosen locale; an empty format keeps the locale's own short date.
void setUserLocale(const QLocale& locale, const QString& shortDate = {});
void resetUserLocale();

// A number typed by the user, read as the user's locale means it: blanks around it are ignored, the
// decimal separator is the locale's, and thousands separators are accepted only where they group
// the whole part in threes ("1.500" is 1500 under pt_BR and de_DE, "1,500" is 1500 under en_US).
// A text the locale contradicts is no number: where the point groups thousands it is never a
// decimal point, so "1.5" and "15.00" are refused under pt_BR. The point is taken as the decimal
// point only where the locale gives it no meaning at all. An exponent ("1e+20") is read, as very
// large or small numbers are written that way. Digits are read in any script, so a locale with
// digits of its own (ar_EG, fa_IR) reads back every number it shows. Empty text is not a number.
std::optional<double> readNumber(const QString& text);
bool isNumeric(const QString& text);

// "#0.00" / "0.00": two decimals; "0.0" / "#0.0": one; never a thousands separator.
QString formatFixed(double value, int decimals);
// "00": a whole number in at least two digits.
QString formatTwoDigits(int value);
// The plain number text: up to 15 significant digits, only the decimals needed.
QString numberText(double value);

// Dates are always shown and typed day first: dd/MM/yyyy.
QString dateText(const QDate& date);
QDate readDate(const QString& text);  // invalid when the text is not a real date
// The date in the user's short date format, as the system writes it.
QString shortDateText(const QDate& date);

}  // namespace common
