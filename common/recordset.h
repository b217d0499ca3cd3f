#pragma once

// Record sets: the rows of a table, or of an SQL text to read, with a current position, read and
// written through an open database (common/database.h).

#include "common/database.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <utility>
#include <vector>

namespace common {

// Some rows of one table: those that meet a condition, in an order, with the fields named (every
// field when none is). The condition and the order are SQL the program writes ("Ativo = '1'",
// "-GUT, Nome"), never the user's text: a user's value goes in `bound`, one per "?" of the
// condition. The order names fields or expressions of them, not result column numbers.
struct TableRows {
    TableRows() = default;
    TableRows(QString table, QString condition = {}, QString order = {}, QVariantList bound = {},
              QStringList fields = {})
        : table(std::move(table)),
          condition(std::move(condition)),
          order(std::move(order)),
          bound(std::move(bound)),
          fields(std::move(fields))
    {}

    QString table;
    QString condition;  // empty: every row
    QString order;      // empty: as the file keeps them
    QVariantList bound;
    QStringList fields;  // empty: every field

    // The SELECT text that reads these rows, the marks of `bound` in it.
    QString sql() const;
    bool operator==(const TableRows&) const = default;
};

// A set of records with a current position. Edits and additions are written to the file at once by
// update(); record sets opened later see them.
class Recordset {
public:
    Recordset() = default;

    // A table in key order, the index "PrimaryKey" selected.
    static Recordset openTable(Database& db, const QString& table);
    // Rows of one table, updatable (see TableRows). Sorted rows are read as a screen first asks for
    // them; unsorted ones at once.
    static Recordset openWhere(Database& db, const TableRows& rows);
    static Recordset openWhere(Database& db, const QString& table, const QString& condition, const QString& order,
                               const QVariantList& bound = {});
    // The rows of any SQL text, to read: every write through them is refused (ReadOnly).
    static Recordset openQuery(Database& db, const QString& sql);

    bool isOpen() const { return db_ != nullptr; }
    void close();
    // Reads the rows again, from the same table, condition or SQL text; the position returns to the
    // first row.
    void requery();

    // Only "PrimaryKey" exists.
    void setIndex(const QString& name);
    // Seeks the record whose key compares with `key` as `op` says ("=", ">=", ">", "<=", "<").
    void seek(const QString& op, const QVariant& key);
    bool noMatch() const { return noMatch_; }

    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();
    bool eof() const;
    bool bof() const;
    int recordCount() const { return rows_; }
    // 0-based position of the current record; -1 before the first or after the last.
    int absolutePosition() const;
    void setAbsolutePosition(int row);

    int fieldCount() const { return static_cast<int>(names_.size()); }
    QString fieldName(int column) const { return names_.value(column); }
    int fieldIndex(const QString& name) const;  // case-insensitive; throws FieldNotFound

    // The current record's field, in the type stored (dates as QDate). Inside an edit, what was
    // written since.
    QVariant value(const QString& field) const;
    // The field's value in its default text ("" for null).
    QString text(const QString& field) const;
    void setValue(const QString& field, const QVariant& value);

    // Any row, for grids.
    QVariant valueAt(int row, int column) const;

    void edit();
    void addNew();
    // Writes every field set since edit() or addNew(). A record another record set deleted is an
    // error (RecordDeleted), as is deleting it again.
    void update();
    void cancelUpdate();
    // Deletes the current record; the position then rests on the record that followed it.
    void deleteRecord();

private:
    enum class Mode { None, Edit, AddNew };
    // A value as SQLite handed it: a number, or the place of its bytes in text_.
    struct Cell {
        union {
            qint64 integer;
            double real;
            qint64 offset;
        };
        int size;
        int type;
    };

    void load();
    void clearRows();
    void describeColumns(sqlite3_stmt* statement, int first);
    void readAll(sqlite3_stmt* statement, int first, const QString& sql);
    void readKeys(const QString& keysSql);
    void fetch(int row) const;
    void readCells(sqlite3_stmt* statement, int first, size_t at) const;
    void requireCurrent() const;
    void requireUpdatable() const;
    QVariant stored(int column, const QVariant& value) const;
    Cell cellOf(const QVariant& value) const;
    Cell cell(int row, int column) const
    {
        if (slots_[row] < 0)
            fetch(row);
        return cells_[size_t(slots_[row]) * names_.size() + column];
    }

    Database* db_ = nullptr;
    QString sql_;      // the SQL text of a set to read
    TableRows query_;  // the rows of an updatable set
    bool isTable_ = false;
    std::shared_ptr<const TableInfo> base_;  // the table whose rows these are; none for an SQL text
    QStringList names_;
    std::vector<FieldKind> kinds_;
    std::vector<int> baseColumn_;  // per column, the base table's field, or -1
    QHash<QString, int> byName_, byLowerName_;
    int keyColumn_ = -1;  // column holding the key, -1: rowids_ hold it
    // A sorted set of a table's rows reads only the keys when opened; a row's values are read when
    // first asked for, with the rows near it. Other sets read every row at once.
    QString fetchSql_;  // reads the rows of a block of keys; empty when every row was read at once
    std::vector<qint64> rowids_;
    mutable std::vector<int> slots_;  // per row, where its cells are in cells_; -1 until read
    mutable std::vector<Cell> cells_;
    mutable QByteArray text_;
    int rows_ = 0;
    int position_ = -1;  // -1 before first; rows_ after last
    bool atBof_ = false;
    bool noMatch_ = false;
    Mode mode_ = Mode::None;
    std::vector<QVariant> buffer_;
    std::vector<bool> touched_;
    std::vector<bool> lastWritten_;  // the fields of the last UPDATE, whose text lastUpdate_ keeps
    QString lastUpdate_;
};
// The value in its default text: numbers in the user's locale with up to 15 significant digits,
// dates as dd/MM/yyyy, null as the empty text.
QString defaultText(const QVariant& value);

}  // namespace common
