#pragma once

// What the database and its record sets share inside the record store: the kinds of fields, a
// table's description, and the small conversions between Qt's values and SQLite's.

#include "common/database.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <sqlite3.h>

#include <vector>

namespace common {

enum class FieldKind : unsigned char {
    Text,     // text; numbers are written as their text
    Number,   // a number; a numeric text is read in the user's locale, other text is refused
    Mixed,    // a number when the text written is numeric, else the text itself ("Qtde")
    Date,     // a date, kept as a day number
    Any,      // exactly what was written ("Peso")
};

struct TableInfo {
    QString name;  // as the file spells it
    QStringList fields;
    std::vector<FieldKind> kinds;
    int keyField = -1;  // the INTEGER PRIMARY KEY ("PrimaryKey"), or -1: the hidden rowid

    int indexOf(const QString& field) const
    {
        for (int i = 0; i < fields.size(); ++i)
            if (fields[i].compare(field, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    }
    QString key() const { return keyField >= 0 ? fields[keyField] : QStringLiteral("rowid"); }
};

inline QString quoted(const QString& name)
{
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

inline bool isNumberType(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong: case QMetaType::ULongLong:
    case QMetaType::Double: case QMetaType::Float: case QMetaType::Short: case QMetaType::UShort:
    case QMetaType::Long: case QMetaType::ULong: case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

// What SQLite keeps of a value: a date as its day number, other values as their own type.
inline int sqlType(const QVariant& v)
{
    if (v.isNull())
        return SQLITE_NULL;
    if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float)
        return SQLITE_FLOAT;
    return isNumberType(v) || v.typeId() == QMetaType::QDate ? SQLITE_INTEGER : SQLITE_TEXT;
}

inline qint64 integerOf(const QVariant& v)
{
    return v.typeId() == QMetaType::QDate ? v.toDate().toJulianDay() : v.toLongLong();
}

// Leaves a kept statement ready for its next use, however its use ended.
struct Rewind {
    sqlite3_stmt* statement;
    ~Rewind()
    {
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
    }
};

}  // namespace common
