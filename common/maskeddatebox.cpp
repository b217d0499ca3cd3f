#include "common/maskeddatebox.h"

#include "common/formats.h"

namespace common {

MaskedDateBox::MaskedDateBox(QWidget* parent) : QLineEdit(parent)
{
    setInputMask(QStringLiteral("99/99/9999;_"));
}

QString MaskedDateBox::emptyText()
{
    return QStringLiteral("__/__/____");
}

QString MaskedDateBox::Text() const
{
    return displayText();
}

void MaskedDateBox::setText(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t == emptyText()) {
        QLineEdit::clear();
        return;
    }
    // A date written without leading zeros still fills the mask's places correctly.
    const QDate d = readDate(t);
    QLineEdit::setText(d.isValid() ? dateText(d) : t);
}

QDate MaskedDateBox::date() const
{
    return QDate::fromString(displayText(), QStringLiteral("dd/MM/yyyy"));
}

bool MaskedDateBox::isValidDate() const
{
    return date().isValid();
}

void MaskedDateBox::setDate(const QDate& date)
{
    setText(date.isValid() ? dateText(date) : QString());
}

}  // namespace common
