#pragma once

// What the database and its record sets share inside the record store: the open file's own
// interface, the kinds of fields, a table's description, and the small conversions between Qt's
// values and SQLite's.

#include "common/database.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <sqlite3.h>

#include <memory>
#include <vector>

namespace common {

enum class FieldKind : unsigned char {
    Text,    // text; numbers are written as their text
    Number,  // a number; a numeric text is read in the user's locale, other text is refused
    Mixed,   // a number when the text written is numeric, else the text itself ("Qtde")
    Date,    // a date, kept as a day number
    Any,     // exactly what was written ("Peso")
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

// The field kind a declared type gives ("DATE", "INTEGER", "VARCHAR(50)", "NUMERIC", none).
FieldKind kindOfDeclared(const QString& declared);

// The open file behind a Database, as the store's record sets and transactions use it. Its
// statements are kept for the connection's life: one that is used is left reset (see Rewind).
class DatabasePrivate {
public:
    DatabasePrivate() = default;
    ~DatabasePrivate() { close(); }
    DatabasePrivate(const DatabasePrivate&) = delete;
    DatabasePrivate& operator=(const DatabasePrivate&) = delete;

    void open(const QString& path, bool readOnly, bool exclusive);
    void close();
    bool isOpen() const { return db_ != nullptr; }
    bool isReadOnly() const { return db_ != nullptr && readOnly_; }
    QString path() const { return path_; }
    void setBusyTimeout(int milliseconds);

    // The kept statement of an SQL text, prepared on its first use; throws what the engine says.
    sqlite3_stmt* prepared(const QString& sql);
    // Runs a kept statement with `params` bound; answers the rows it changed.
    int run(const QString& sql, const QVariantList& params);
    // The key SQLite gave the row the last INSERT added.
    qint64 lastInsertRowid() const;
    // A table's description, read once until the shape of the file may have changed; throws
    // TableNotFound.
    std::shared_ptr<const TableInfo> table(const QString& name);
    // The tables may have changed their shape: their descriptions are read again.
    void forgetTables() { tables_.clear(); }
    // The engine's failure `code` while running `what`, as a StoreError.
    [[noreturn]] void fail(int code, const QString& what) const;

    // A transaction, or inside one a savepoint (common::Transaction).
    void begin();
    void commit();
    void rollback();

private:
    sqlite3* requireOpen() const;
    void command(const char* sql);

    sqlite3* db_ = nullptr;
    bool readOnly_ = false;
    QString path_;
    int busyTimeout_ = 5000;
    QHash<QString, sqlite3_stmt*> statements_;
    QHash<QString, std::shared_ptr<const TableInfo>> tables_;  // by lower-case name
    int depth_ = 0;  // open transactions: the outermost, then one savepoint per inner one
};

inline QString quoted(const QString& name)
{
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

inline bool isNumberType(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Bool:
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

// Binds `params` to the statement's marks, in order; dates as their day numbers.
void bind(sqlite3_stmt* statement, const QVariantList& params);

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
