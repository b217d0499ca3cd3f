#pragma once

// A date box with a day/month/year mask: it reads "__/__/____" when empty and takes only digits in
// the places of the day, the month and the year.

#include <QDate>
#include <QLineEdit>
#include <QString>

namespace common {

class MaskedDateBox : public QLineEdit {
    Q_OBJECT
public:
    explicit MaskedDateBox(QWidget* parent = nullptr);

    // The empty mask.
    static QString emptyText();

    // What the box shows, mask included: "__/__/____" when empty, "05/03/2026" when filled.
    QString Text() const;
    // Takes "__/__/____" (empties the box), a date as dd/MM/yyyy or d/M/yyyy, or digits typed
    // into the mask's places. Hides QLineEdit::setText.
    void setText(const QString& text);

    // The date shown, or an invalid date unless every place is filled with a real date.
    QDate date() const;
    bool isValidDate() const;
    void setDate(const QDate& date);  // an invalid date empties the box
};

}  // namespace common
