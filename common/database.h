#pragma once

// The record store's database file: one per program, opened on SQLite's own library, written inside
// transactions. Its tables are read and written through record sets (common/recordset.h).
//
// Dates are kept as day numbers (Julian days), so that they sort and negate by time in SQL
// ("ORDER BY -DataFinal"); record sets hand them to the screens as QDate. Number fields accept the
// text of a box or caption and store the number it reads as in the user's locale. Fields declared
// without a type keep exactly what was written (a weight may be a number or the empty text).

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <stdexcept>

struct sqlite3;
struct sqlite3_stmt;

namespace common {

// An engine failure, with the number and the description the error reports show after "Ref.: ".
// A failure to write that the user can act on carries its kind and the file: the screens word it
// (common/widgets.h), the transaction it broke has been undone, and the program goes on.
class StoreError : public std::runtime_error {
public:
    enum class Kind {
        Fatal,      // the program cannot go on with the file (vanished, corrupt, a fault of ours)
        DiskFull,   // no room left on the disk for the file
        ReadOnly,   // the file or its folder may be read but not written
        Busy,       // another program held the file past the bounded wait
        DiskError,  // the device reported an input/output error
    };

    // Numbers follow the ones users of the original engine know.
    enum Number {
        FileNotFound = 3024,
        DiskFull = 3026,
        DiskError = 3043,
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

    StoreError(int number, const QString& description, Kind kind = Kind::Fatal, const QString& file = {});

    int number() const { return number_; }
    QString description() const { return description_; }
    Kind kind() const { return kind_; }
    // A write the user can act on: nothing was stored, and it may be tried again.
    bool actionable() const { return kind_ != Kind::Fatal; }
    // The database file the failure is about (an actionable failure always names one).
    QString file() const { return file_; }

private:
    int number_;
    QString description_;
    Kind kind_;
    QString file_;
};

enum class FieldKind : unsigned char;
struct TableInfo;
class DatabasePrivate;

// One open database file. A program keeps one for its whole life.
class Database {
public:
    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens an existing file read-write; a path with no file is an error, no empty database is
    // created. Any connect string is taken: the files carry no password to check it against. A
    // file the user may read but not write (read-only media, no write permission on the file or its
    // folder) opens read-only: isReadOnly() then says so and every transaction is refused at once
    // with a ReadOnly failure, before anything is written.
    void open(const QString& path, const QString& connect = {}, bool exclusive = false);
    // Opens an existing file read-only, whatever its permissions.
    void openReadOnly(const QString& path);
    void close();
    bool isOpen() const;
    bool isReadOnly() const;
    QString path() const;

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

    // The open file as the record store's own code reaches it (common/database_p.h): kept
    // statements, tables' descriptions, transactions. Programs use the members above.
    DatabasePrivate& internal() const { return *d_; }

private:
    std::unique_ptr<DatabasePrivate> d_;
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
    DatabasePrivate& db_;
    bool open_ = true;
};
// Creates a new database file, readable and writable by its owner alone, and runs `statements` in
// it, in one transaction. A file that exists is never touched: the answer is then false. On a
// failure no file is left behind.
bool createDatabaseFile(const QString& path, const QStringList& statements);

// Flushes a file, or a folder's list of names, to the disk: after a power cut a rename in the folder
// is then there whole or not at all. False when the system refused.
bool syncToDisk(const QString& path);
}  // namespace common
