#pragma once

// The record store: one database file per program, tables of named fields read and written through
// record sets, on SQLite's own library.
//
// Dates are kept as day numbers (Julian days), so that they sort and negate by time in SQL
// ("ORDER BY -DataFinal"); record sets hand them to the screens as QDate. Number fields accept the
// text of a box or caption and store the number it reads as in the user's locale. Fields declared
// without a type keep exactly what was written (a weight may be a number or the empty text).

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <stdexcept>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace common {

// An engine failure, with the number and the description the error reports show after "Ref.: ".
class StoreError : public std::runtime_error {
public:
    // Numbers follow the ones users of the original engine know.
    enum Number {
        FileNotFound = 3024,
        CannotOpen = 3051,
        NotADatabase = 3343,
        TableNotFound = 3078,
        FieldNotFound = 3265,
        NoCurrentRecord = 3021,
        NotEditing = 3020,
        RecordDeleted = 3167,
        ReadOnly = 3027,
        TypeMismatch = 3421,
        Locked = 3260,
        NotOpen = 3420,
        BadIndex = 3800,
        Engine = 3000,
    };

    StoreError(int number, const QString& description);

    int number() const { return number_; }
    QString description() const { return description_; }

private:
    int number_;
    QString description_;
};

enum class FieldKind : unsigned char;
struct TableInfo;

// One open database file. A program keeps one for its whole life.
class Database {
public:
    Database() = default;
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens an existing file read-write; a path with no file is an error, no empty database is
    // created. Any connect string is taken: the files carry no password to check it against.
    void open(const QString& path, const QString& connect = {}, bool exclusive = false);
    void close();
    bool isOpen() const { return db_ != nullptr; }
    QString path() const { return path_; }

    // How long a statement waits for another program's lock before it fails with Locked.
    void setBusyTimeout(int milliseconds);

    // Runs a statement that returns no rows (emptying work tables, changing a file's shape).
    void execute(const QString& sql, const QVariantList& params = {});
    // The same for a statement run many times (the work tables of a computation): it is prepared
    // once and kept for the connection's life. Answers the rows it changed.
    int run(const QString& sql, const QVariantList& params);

    // The fields of a table as the file names them; throws TableNotFound.
    QStringList fields(const QString& table);

    // Writes a compacted copy of the whole database into a new file, with the permissions of this
    // one, on disk when this returns.
    void compactInto(const QString& newPath);

private:
    friend class Transaction;
    friend class Recordset;

    sqlite3* requireOpen() const;
    sqlite3_stmt* prepared(const QString& sql);
    void command(const char* sql);
    std::shared_ptr<const TableInfo> table(const QString& name);
    void begin();
    void commit();
    void rollback();
    [[noreturn]] void fail(int code, const QString& what) const;

    sqlite3* db_ = nullptr;
    QString path_;
    int busyTimeout_ = 5000;
    QHash<QString, sqlite3_stmt*> statements_;
    QHash<QString, std::shared_ptr<const TableInfo>> tables_;  // by lower-case name
    int depth_ = 0;  // open transactions: the outermost, then one savepoint per inner one
};

// A transaction, or inside one a savepoint: commit() keeps its work, leaving the scope without it
// undoes that work alone. Only the outermost commit writes to the file.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& db_;
    bool open_ = true;
};

// A set of records with a current position. Edits and additions are written to the file at once by
// update(); record sets opened later see them.
class Recordset {
public:
    Recordset() = default;

    // A table in key order, the index "PrimaryKey" selected.
    static Recordset openTable(Database& db, const QString& table);
    // The rows of an SQL text. Updatable when it reads plain fields of one table, its key among them.
    static Recordset openQuery(Database& db, const QString& sql);

    bool isOpen() const { return db_ != nullptr; }
    void close();
    // Reads the rows again, from the same table or SQL text; the position returns to the first row.
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
        union { qint64 integer; double real; qint64 offset; };
        int size;
        int type;
    };

    void load();
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
    QString source_;    // table name or SQL text
    QString baseName_;  // the table an SQL text reads whole rows of
    QString clauses_;   // what follows that table's name: WHERE and ORDER BY
    bool isTable_ = false;
    std::shared_ptr<const TableInfo> base_;  // the table whose rows these are, when updatable
    QStringList names_;
    std::vector<FieldKind> kinds_;
    std::vector<int> baseColumn_;  // per column, the base table's field, or -1
    QHash<QString, int> byName_, byLowerName_;
    int keyColumn_ = -1;  // column holding the key, -1: rowids_ hold it
    // A set that can name its rows by key reads only the keys when opened; a row's values are read
    // when first asked for, with the rows near it. Other sets read every row at once.
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

// Creates a new database file and runs `statements` in it, in one transaction. A file that exists
// is never touched: the answer is then false. On a failure no file is left behind.
bool createDatabaseFile(const QString& path, const QStringList& statements);

// Flushes a file, or a folder's list of names, to the disk: after a power cut a rename in the folder
// is then there whole or not at all. False when the system refused.
bool syncToDisk(const QString& path);

// The value in its default text: numbers in the user's locale with up to 15 significant digits,
// dates as dd/MM/yyyy, null as the empty text.
QString defaultText(const QVariant& value);

}  // namespace common
