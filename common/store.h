#pragma once

// The record store: one database file per program, tables of named fields read and written through
// record sets, on SQLite.
//
// Dates are kept as day numbers (Julian days), so that they sort and negate by time in SQL
// ("ORDER BY -DataFinal"); record sets hand them to the screens as QDate. Number fields accept the
// text of a box or caption and store the number it reads as in the user's locale. Fields declared
// without a type keep exactly what was written (a weight may be a number or the empty text).

#include <QHash>
#include <QMetaType>
#include <QSqlDatabase>
#include <QSqlQuery>
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

// The parts of a connect string such as ";pwd=PanoRoxo" or "Access 2000;". The files carry no
// password, so the password is accepted and not checked.
struct ConnectString {
    QString type;      // "Access 2000"
    QString password;  // "PanoRoxo"
    QHash<QString, QString> options;  // every key, lower case

    static ConnectString parse(const QString& text);
};

// How a field stores what is written to it.
enum class FieldKind {
    Text,     // text; numbers are written as their text
    Number,   // a number; a numeric text is read in the user's locale, other text is refused
    Integer,  // the same, declared whole
    Mixed,    // a number when the text written is numeric, else the text itself ("Qtde")
    Date,     // a date, kept as a day number
    Any,      // exactly what was written ("Peso")
};

struct FieldInfo {
    QString name;
    FieldKind kind = FieldKind::Any;
    bool key = false;
};

struct TableInfo {
    QString name;
    std::vector<FieldInfo> fields;
    int keyField = -1;  // the field that is the row's key ("PrimaryKey"), or -1: the hidden rowid

    int indexOf(const QString& field) const;  // case-insensitive, -1 when absent
    QHash<QString, int> byLowerName;
};

// One open database file. A program keeps one for its whole life.
class Database {
public:
    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens an existing file. A path with no file is an error: no empty database is created.
    void open(const QString& path, const QString& connect = {}, bool exclusive = false,
              bool readOnly = false);
    void close();
    bool isOpen() const;
    QString path() const { return path_; }

    // Throws NotOpen when the database is closed.
    QSqlDatabase connection() const;
    // The connection's own SQLite handle, for the record sets' fast reads.
    sqlite3* handle() const;
    // The table's fields, read once; throws TableNotFound.
    std::shared_ptr<const TableInfo> table(const QString& name);

    // Runs a statement that returns no rows (emptying work tables, creating a fresh file).
    void execute(const QString& sql, const QVariantList& params = {});

    // Runs a statement prepared once and kept for the connection's life, with `params` bound in
    // order; answers the key of the row it inserted, if any.
    qint64 run(const QString& sql, const QVariantList& params);

    // Transactions nest: only the outermost commit writes. A rollback at any depth undoes the whole
    // transaction; the outer commit then fails instead of reporting a write that did not happen.
    void beginTransaction();
    void commit();
    void rollback();

    // Writes a compacted copy of the whole database into a new file.
    void compactInto(const QString& newPath);

    // Throws the engine's error of a failed query as a StoreError.
    [[noreturn]] void fail(const QSqlQuery& query, const QString& what) const;
    [[noreturn]] void fail(const QString& engineText, const QString& what) const;

private:
    void requireOpen() const;

    QString connectionName_;
    QString path_;
    QHash<QString, std::shared_ptr<const TableInfo>> tables_;  // by lower-case name
    QHash<QString, sqlite3_stmt*> statements_;
    int transactionDepth_ = 0;
    bool rolledBack_ = false;  // an inner transaction rolled back
};

// Ends a transaction that was not committed by rolling it back.
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

// A set of records with a current position, read once when opened. Edits and additions are written
// to the file at once by update(); record sets opened later see them.
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
    int recordCount() const;
    // 0-based position of the current record; -1 before the first or after the last.
    int absolutePosition() const;
    void setAbsolutePosition(int row);

    int fieldCount() const;
    QString fieldName(int column) const;
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
    // Writes the edit or the new record. Fields that did not change are not written.
    void update();
    void cancelUpdate();
    // Deletes the current record; the position then rests on the record that followed it.
    void deleteRecord();

    bool isEditing() const { return mode_ != Mode::None; }

private:
    enum class Mode { None, Edit, AddNew };

    void load();
    void requireCurrent() const;
    void requireUpdatable() const;
    QVariant stored(int column, const QVariant& value) const;

    Database* db_ = nullptr;
    QString source_;    // table name or SQL text
    QString baseName_;  // the table an SQL text reads whole rows of
    bool isTable_ = false;
    std::shared_ptr<const TableInfo> base_;  // the table whose rows these are, when updatable
    QStringList names_;
    std::vector<FieldKind> kinds_;
    std::vector<int> baseColumn_;  // per column, the base table's field, or -1
    QHash<QString, int> byLowerName_;
    int keyColumn_ = -1;           // column holding the key, -1: rowids_ hold it
    std::vector<QVariant> cells_;  // row-major
    std::vector<qint64> rowids_;
    int rows_ = 0;
    int position_ = -1;  // -1 before first; rows_ after last
    bool atBof_ = false;
    bool noMatch_ = false;
    Mode mode_ = Mode::None;
    std::vector<QVariant> buffer_;
    std::vector<bool> touched_;
};

// Creates a new database file and runs `statements` in it, in one transaction. A file that exists
// is never touched: the answer is then false. On a failure no file is left behind.
bool createDatabaseFile(const QString& path, const QStringList& statements);

// The value in its default text: numbers in the user's locale with up to 15 significant digits,
// dates as dd/MM/yyyy, null as the empty text.
QString defaultText(const QVariant& value);

}  // namespace common
