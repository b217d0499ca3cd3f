#include "common/store.h"

#include "common/formats.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <sqlite3.h>

#include <algorithm>
#include <cmath>

#include <fcntl.h>
#include <unistd.h>

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

namespace {

QString quoted(const QString& name)
{
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

FieldKind kindOfDeclared(const QString& declared)
{
    const QString t = declared.trimmed().toUpper();
    if (t == QLatin1String("DATE"))
        return FieldKind::Date;
    if (t.contains(QLatin1String("INT")))
        return FieldKind::Number;
    if (t.contains(QLatin1String("CHAR")) || t.contains(QLatin1String("TEXT")))
        return FieldKind::Text;
    if (t.contains(QLatin1String("REAL")) || t.contains(QLatin1String("DOUB")) || t.contains(QLatin1String("FLOA")))
        return FieldKind::Number;
    if (t == QLatin1String("NUMERIC"))
        return FieldKind::Mixed;
    return FieldKind::Any;
}

bool isNumberType(const QVariant& v)
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

// Whole numbers are kept whole, so that a count written as "5" reads back as 5.
QVariant numberVariant(double v)
{
    if (std::floor(v) == v && std::fabs(v) < 9e15)
        return QVariant(static_cast<qint64>(v));
    return QVariant(v);
}

// What SQLite keeps of a value: a date as its day number, other values as their own type.
int sqlType(const QVariant& v)
{
    if (v.isNull())
        return SQLITE_NULL;
    if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float)
        return SQLITE_FLOAT;
    return isNumberType(v) || v.typeId() == QMetaType::QDate ? SQLITE_INTEGER : SQLITE_TEXT;
}

qint64 integerOf(const QVariant& v)
{
    return v.typeId() == QMetaType::QDate ? v.toDate().toJulianDay() : v.toLongLong();
}

QString engineText(sqlite3* db, int code)
{
    return QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(code));
}

// The engine's failure by its result code, never by its message.
StoreError engineError(int code, const QString& why, const QString& path, const QString& what)
{
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return StoreError(StoreError::Locked,
                          QStringLiteral("O arquivo '%1' está bloqueado por outro usuário.").arg(path));
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return StoreError(StoreError::NotADatabase,
                          QStringLiteral("Formato de banco de dados não reconhecido: '%1' (%2).").arg(path, why));
    case SQLITE_CANTOPEN:
        return StoreError(StoreError::CannotOpen,
                          QStringLiteral("Não foi possível abrir o arquivo '%1' (%2).").arg(path, why));
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return StoreError(StoreError::ReadOnly,
                          QStringLiteral("Não é possível atualizar: o banco de dados é somente leitura (%1).")
                              .arg(why));
    default:
        return StoreError(StoreError::Engine, QStringLiteral("%1: %2").arg(what, why));
    }
}

void bind(sqlite3_stmt* statement, const QVariantList& params)
{
    for (int i = 0; i < params.size(); ++i) {
        const QVariant& v = params[i];
        switch (sqlType(v)) {
        case SQLITE_NULL:
            sqlite3_bind_null(statement, i + 1);
            break;
        case SQLITE_FLOAT:
            sqlite3_bind_double(statement, i + 1, v.toDouble());
            break;
        case SQLITE_INTEGER:
            sqlite3_bind_int64(statement, i + 1, integerOf(v));
            break;
        default: {
            const QByteArray text = v.toString().toUtf8();
            sqlite3_bind_text(statement, i + 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
        }
    }
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

}  // namespace

bool syncToDisk(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    const bool ok = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    return ok;
}

StoreError::StoreError(int number, const QString& description)
    : std::runtime_error(description.toStdString()), number_(number), description_(description)
{
}

Database::~Database()
{
    close();
}

void Database::open(const QString& path, const QString& connect, bool exclusive)
{
    close();
    Q_UNUSED(connect);
    const QFileInfo info(path);
    if (!info.isFile())
        throw StoreError(StoreError::FileNotFound,
                         QStringLiteral("Não foi possível encontrar o arquivo '%1'.").arg(path));

    // Without SQLITE_OPEN_CREATE SQLite never makes a file where there was none.
    sqlite3* db = nullptr;
    const int code = sqlite3_open_v2(info.absoluteFilePath().toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (code != SQLITE_OK) {
        const QString why = engineText(db, code);
        sqlite3_close(db);
        throw engineError(code, why, path, path);
    }
    db_ = db;
    path_ = info.absoluteFilePath();
    sqlite3_busy_timeout(db_, busyTimeout_);
    try {
        // SQLite falls back to reading a file it may not write: the program could then not save.
        if (sqlite3_db_readonly(db_, "main") == 1)
            throw StoreError(StoreError::CannotOpen,
                             QStringLiteral("Sem permissão para abrir o arquivo '%1'.").arg(path));
        if (exclusive)
            command("PRAGMA locking_mode=EXCLUSIVE");
        // SQLite reads the file only now: a file that is not a database fails here, unchanged.
        command("SELECT count(*) FROM sqlite_master");
    } catch (...) {
        close();
        throw;
    }
}

void Database::close()
{
    for (sqlite3_stmt* statement : std::as_const(statements_))
        sqlite3_finalize(statement);
    statements_.clear();
    tables_.clear();
    depth_ = 0;
    sqlite3_close_v2(db_);  // an open transaction is rolled back
    db_ = nullptr;
    path_.clear();
}

void Database::setBusyTimeout(int milliseconds)
{
    busyTimeout_ = milliseconds;
    if (db_)
        sqlite3_busy_timeout(db_, milliseconds);
}

sqlite3* Database::requireOpen() const
{
    if (!db_)
        throw StoreError(StoreError::NotOpen, QStringLiteral("O banco de dados não está aberto."));
    return db_;
}

void Database::fail(int code, const QString& what) const
{
    throw engineError(code, engineText(db_, code), path_, what);
}

sqlite3_stmt* Database::prepared(const QString& sql)
{
    requireOpen();
    sqlite3_stmt*& statement = statements_[sql];
    if (!statement) {
        const QByteArray text = sql.toUtf8();
        const int code = sqlite3_prepare_v2(db_, text.constData(), int(text.size()), &statement, nullptr);
        if (code != SQLITE_OK) {
            statements_.remove(sql);
            fail(code, sql);
        }
    }
    return statement;
}

int Database::run(const QString& sql, const QVariantList& params)
{
    sqlite3_stmt* statement = prepared(sql);
    Rewind rewind{statement};
    bind(statement, params);
    const int code = sqlite3_step(statement);
    if (code != SQLITE_DONE && code != SQLITE_ROW)
        fail(code, sql);
    return sqlite3_changes(db_);
}

void Database::command(const char* sql)
{
    run(QString::fromLatin1(sql), {});
}

void Database::execute(const QString& sql, const QVariantList& params)
{
    // A statement may change the tables' shape.
    if (!sql.trimmed().startsWith(QLatin1String("INSERT"), Qt::CaseInsensitive))
        tables_.clear();
    run(sql, params);
}

QStringList Database::fields(const QString& name)
{
    return table(name)->fields;
}

std::shared_ptr<const TableInfo> Database::table(const QString& name)
{
    requireOpen();
    const QString lower = name.toLower();
    if (const auto it = tables_.constFind(lower); it != tables_.constEnd())
        return *it;

    TableInfo info;
    {
        sqlite3_stmt* q = prepared(QStringLiteral(
            "SELECT name FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"));
        Rewind rewind{q};
        bind(q, {name});
        const int code = sqlite3_step(q);
        if (code == SQLITE_DONE)
            throw StoreError(StoreError::TableNotFound,
                             QStringLiteral("O mecanismo de banco de dados não encontrou a tabela ou consulta '%1'.")
                                 .arg(name));
        if (code != SQLITE_ROW)
            fail(code, name);
        info.name = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(q, 0)));
    }
    sqlite3_stmt* q = prepared(QStringLiteral("PRAGMA table_info(%1)").arg(quoted(info.name)));
    Rewind rewind{q};
    int code;
    while ((code = sqlite3_step(q)) == SQLITE_ROW) {
        const QString declared = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(q, 2)));
        if (sqlite3_column_int(q, 5) == 1 && declared.compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0)
            info.keyField = int(info.fields.size());
        info.fields << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(q, 1)));
        info.kinds.push_back(kindOfDeclared(declared));
    }
    if (code != SQLITE_DONE)
        fail(code, name);
    auto shared = std::make_shared<const TableInfo>(std::move(info));
    tables_.insert(lower, shared);
    return shared;
}

void Database::begin()
{
    // IMMEDIATE: the write lock is taken now, waiting for another program as long as allowed, so a
    // write half-way through never finds the file taken.
    command(depth_ == 0 ? "BEGIN IMMEDIATE" : QStringLiteral("SAVEPOINT s%1").arg(depth_).toLatin1().constData());
    ++depth_;
}

void Database::commit()
{
    if (depth_ == 0 || !db_)
        return;
    --depth_;
    if (sqlite3_get_autocommit(db_)) {
        // The engine ended the transaction on its own after a failure.
        depth_ = 0;
        throw StoreError(StoreError::Engine, QStringLiteral("A transação foi desfeita; nada foi gravado."));
    }
    if (depth_ > 0) {
        command(QStringLiteral("RELEASE s%1").arg(depth_).toLatin1().constData());
        return;
    }
    try {
        command("COMMIT");
    } catch (...) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

void Database::rollback()
{
    if (depth_ == 0 || !db_)
        return;
    --depth_;
    if (sqlite3_get_autocommit(db_)) {
        depth_ = 0;
        return;
    }
    const QByteArray sql = depth_ == 0 ? QByteArray("ROLLBACK")
                                       : QStringLiteral("ROLLBACK TO s%1; RELEASE s%1").arg(depth_).toLatin1();
    sqlite3_exec(db_, sql.constData(), nullptr, nullptr, nullptr);
}

void Database::compactInto(const QString& newPath)
{
    requireOpen();
    if (QFileInfo::exists(newPath))
        throw StoreError(StoreError::Engine, QStringLiteral("O arquivo '%1' já existe.").arg(newPath));
    execute(QStringLiteral("VACUUM INTO ?"), {newPath});
    // The copy is on disk before anyone renames it over the original; whether VACUUM INTO syncs
    // depends on SQLite's version and settings.
    if (!QFile::setPermissions(newPath, QFile::permissions(path_)) || !syncToDisk(newPath))
        throw StoreError(StoreError::Engine,
                         QStringLiteral("Não foi possível gravar '%1' no disco.").arg(newPath));
}

Transaction::Transaction(Database& db) : db_(db)
{
    db_.begin();
}

Transaction::~Transaction()
{
    if (open_)
        db_.rollback();
}

void Transaction::commit()
{
    open_ = false;
    db_.commit();
}

// ---------------------------------------------------------------------------------------------

Recordset Recordset::openTable(Database& db, const QString& table)
{
    Recordset rs;
    rs.db_ = &db;
    rs.isTable_ = true;
    rs.base_ = db.table(table);
    rs.source_ = rs.base_->name;
    rs.load();
    return rs;
}

Recordset Recordset::openQuery(Database& db, const QString& sql)
{
    Recordset rs;
    rs.db_ = &db;
    rs.source_ = sql;
    // "Select * FROM T ..." or "Select a, b FROM T ..." reads rows of T as they are stored: such a
    // record set can write back, when it holds T's key.
    static const QRegularExpression fromTable(
        QStringLiteral("^\\s*select\\s+([\\w\\s,*\"]+?)\\s+from\\s+\"?(\\w+)\"?\\s*(where\\s|order\\s|$)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression alias(QStringLiteral("\\bas\\b"), QRegularExpression::CaseInsensitiveOption);
    const auto m = fromTable.match(sql);
    if (m.hasMatch() && !m.captured(1).contains(alias)) {
        rs.baseName_ = m.captured(2);
        rs.clauses_ = sql.mid(m.capturedStart(3));
        rs.base_ = db.table(rs.baseName_);
    }
    rs.load();
    return rs;
}

namespace {

constexpr int Block = 64;  // rows read together when a screen first asks for one of them

// Whether the rows of "SELECT ... FROM T <clauses>" can be named by T's keys alone, in the same
// order: plain WHERE and ORDER BY clauses, no grouping or compound, no ORDER BY by column number.
bool keysKeepOrder(const QString& clauses)
{
    static const QRegularExpression compound(QStringLiteral("\\b(group|having|union|intersect|except)\\b"),
                                             QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression byNumber(QStringLiteral("\\border\\s+by\\s+(.*,)?\\s*\\d+\\s*(asc|desc)?\\s*(,|$)"),
                                             QRegularExpression::CaseInsensitiveOption);
    return !clauses.contains(compound) && !clauses.contains(byNumber);
}

}  // namespace

void Recordset::load()
{
    // A table, or a query of whole fields of one table that holds its key, is read by keys.
    QString sql = source_;
    QString keys;
    if (isTable_) {
        sql = QStringLiteral("SELECT rowid, * FROM %1 WHERE rowid IN (?").arg(quoted(base_->name));
        keys = QStringLiteral("SELECT rowid FROM %1 ORDER BY %2").arg(quoted(base_->name), quoted(base_->key()));
    } else if (base_ && clauses_.contains(QLatin1String("order"), Qt::CaseInsensitive) && keysKeepOrder(clauses_)) {
        // Sorted: SQLite then sorts the keys alone rather than whole rows.
        const QString rowid = quoted(base_->name) + QStringLiteral(".rowid");
        const QString fields = source_.mid(source_.indexOf(QRegularExpression(QStringLiteral("\\bselect\\b"),
                                                                              QRegularExpression::CaseInsensitiveOption)) + 6);
        sql = QStringLiteral("SELECT %1, %2 WHERE %1 IN (?").arg(rowid, fields.left(fields.size() - clauses_.size()));
        keys = QStringLiteral("SELECT %1 FROM %2 %3").arg(rowid, quoted(base_->name), clauses_);
    }
    if (!keys.isEmpty())
        sql += QStringLiteral(", ?").repeated(Block - 1) + QLatin1Char(')');
    sqlite3_stmt* q = db_->prepared(sql);
    Rewind rewind{q};

    const int first = keys.isEmpty() ? 0 : 1;
    const int columns = sqlite3_column_count(q) - first;
    names_.clear();
    kinds_.assign(columns, FieldKind::Any);
    baseColumn_.assign(columns, -1);
    byName_.clear();
    byLowerName_.clear();
    keyColumn_ = -1;
    for (int c = 0; c < columns; ++c) {
        const QString name = QString::fromUtf8(sqlite3_column_name(q, c + first));
        names_ << name;
        byName_.insert(name, c);
        byLowerName_.insert(name.toLower(), c);
        if (base_) {
            const int b = base_->indexOf(name);
            baseColumn_[c] = b;
            if (b >= 0) {
                kinds_[c] = base_->kinds[b];
                if (b == base_->keyField)
                    keyColumn_ = c;
            }
        }
    }
    mode_ = Mode::None;
    noMatch_ = false;
    cells_.clear();
    text_.clear();
    rowids_.clear();
    slots_.clear();
    rows_ = 0;
    // A query without the table's key cannot say which row to write.
    if (!isTable_ && base_ && keyColumn_ < 0) {
        base_ = nullptr;
        if (!keys.isEmpty()) {
            keys.clear();
            sqlite3_reset(q);
            q = db_->prepared(sql = source_);
            rewind.statement = q;
        }
    }

    if (!keys.isEmpty()) {
        fetchSql_ = sql;
        sqlite3_stmt* k = db_->prepared(keys);
        Rewind rewindKeys{k};
        int code;
        while ((code = sqlite3_step(k)) == SQLITE_ROW)
            rowids_.push_back(sqlite3_column_int64(k, 0));
        if (code != SQLITE_DONE)
            db_->fail(code, keys);
        rows_ = int(rowids_.size());
        slots_.assign(rows_, -1);
    } else {
        fetchSql_.clear();
        int code;
        while ((code = sqlite3_step(q)) == SQLITE_ROW) {
            cells_.resize(cells_.size() + columns);
            readCells(q, 0, cells_.size() - columns);
            slots_.push_back(rows_++);
        }
        if (code != SQLITE_DONE)
            db_->fail(code, sql);
        if (keyColumn_ >= 0) {
            rowids_.reserve(rows_);
            for (int r = 0; r < rows_; ++r)
                rowids_.push_back(cell(r, keyColumn_).integer);
        }
    }
    position_ = rows_ > 0 ? 0 : -1;
    atBof_ = rows_ == 0;
}

// The values stay as SQLite gives them; a screen's reading turns the few it shows into QVariant.
void Recordset::readCells(sqlite3_stmt* q, int first, size_t at) const
{
    for (int c = 0; c < names_.size(); ++c) {
        Cell& cell = cells_[at + c];
        cell = Cell{};
        cell.type = sqlite3_column_type(q, c + first);
        switch (cell.type) {
        case SQLITE_INTEGER:
            cell.integer = sqlite3_column_int64(q, c + first);
            break;
        case SQLITE_FLOAT:
            cell.real = sqlite3_column_double(q, c + first);
            break;
        case SQLITE_TEXT:
        case SQLITE_BLOB:
            cell.type = SQLITE_TEXT;
            cell.offset = text_.size();
            text_.append(reinterpret_cast<const char*>(sqlite3_column_text(q, c + first)), cell.size = sqlite3_column_bytes(q, c + first));
            break;
        }
    }
}

void Recordset::fetch(int row) const
{
    const size_t columns = names_.size();
    const int first = row - row % Block;
    const int last = std::min(rows_, first + Block);
    sqlite3_stmt* q = db_->prepared(fetchSql_);
    Rewind rewind{q};
    // Rows not read yet get empty cells first: a record deleted since the set was opened stays empty.
    std::vector<std::pair<qint64, int>> wanted;
    for (int r = first; r < last; ++r) {
        if (slots_[r] >= 0)
            continue;
        sqlite3_bind_int64(q, int(wanted.size()) + 1, rowids_[r]);
        wanted.emplace_back(rowids_[r], r);
        slots_[r] = int(cells_.size() / columns);
        cells_.resize(cells_.size() + columns, Cell{});
    }
    std::sort(wanted.begin(), wanted.end());
    int code;
    while ((code = sqlite3_step(q)) == SQLITE_ROW) {
        const auto at = std::lower_bound(wanted.begin(), wanted.end(), std::make_pair(sqlite3_column_int64(q, 0), 0));
        if (at != wanted.end() && at->first == sqlite3_column_int64(q, 0))
            readCells(q, 1, size_t(slots_[at->second]) * columns);
    }
    if (code != SQLITE_DONE)
        db_->fail(code, fetchSql_);
}

void Recordset::close()
{
    *this = Recordset();
}

void Recordset::requery()
{
    if (!db_)
        throw StoreError(StoreError::NotOpen, QStringLiteral("O conjunto de registros está fechado."));
    if (isTable_)
        base_ = db_->table(source_);
    else if (!baseName_.isEmpty())
        base_ = db_->table(baseName_);
    load();
}

void Recordset::setIndex(const QString& name)
{
    if (name.compare(QLatin1String("PrimaryKey"), Qt::CaseInsensitive) != 0 || !isTable_)
        throw StoreError(StoreError::BadIndex, QStringLiteral("'%1' não é um índice desta tabela.").arg(name));
}

void Recordset::seek(const QString& op, const QVariant& key)
{
    if (!isTable_)
        throw StoreError(StoreError::BadIndex, QStringLiteral("Busca por índice só em tabelas."));
    mode_ = Mode::None;
    noMatch_ = true;
    const QString t = key.typeId() == QMetaType::QString ? key.toString().trimmed() : QString();
    if (key.isNull() || (key.typeId() == QMetaType::QString && !isNumeric(t)))
        return;  // an empty or non-numeric key matches no record
    const double k = key.typeId() == QMetaType::QString ? *readNumber(t) : key.toDouble();

    // Rows are in key order.
    const int lo = int(std::lower_bound(rowids_.begin(), rowids_.end(), k, [](qint64 a, double b) { return a < b; }) -
                       rowids_.begin());
    const int above = int(std::upper_bound(rowids_.begin(), rowids_.end(), k, [](double a, qint64 b) { return a < b; }) -
                          rowids_.begin());
    const bool equal = above > lo;
    const QString o = op.trimmed();
    int found;
    if (o == QLatin1String("="))
        found = equal ? lo : -1;
    else if (o == QLatin1String(">=") || o == QLatin1String(">"))
        found = o.size() == 2 || !equal ? lo : above;
    else if (o == QLatin1String("<=") || o == QLatin1String("<"))
        found = o.size() == 2 && equal ? lo : lo - 1;
    else
        throw StoreError(StoreError::Engine, QStringLiteral("Operador de busca inválido: '%1'.").arg(op));
    if (found >= 0 && found < rows_) {
        position_ = found;
        noMatch_ = false;
        atBof_ = false;
    }
}

void Recordset::moveFirst()
{
    mode_ = Mode::None;
    position_ = rows_ > 0 ? 0 : -1;
    atBof_ = rows_ == 0;
}

void Recordset::moveLast()
{
    mode_ = Mode::None;
    position_ = rows_ > 0 ? rows_ - 1 : -1;
    atBof_ = rows_ == 0;
}

void Recordset::moveNext()
{
    mode_ = Mode::None;
    if (position_ >= rows_ || rows_ == 0)
        throw StoreError(StoreError::NoCurrentRecord, QStringLiteral("Nenhum registro atual."));
    ++position_;
    atBof_ = false;
}

void Recordset::movePrevious()
{
    mode_ = Mode::None;
    if (position_ < 0 && atBof_)
        throw StoreError(StoreError::NoCurrentRecord, QStringLiteral("Nenhum registro atual."));
    if (--position_ < 0) {
        position_ = -1;
        atBof_ = true;
    }
}

bool Recordset::eof() const
{
    return rows_ == 0 || position_ >= rows_;
}

bool Recordset::bof() const
{
    return rows_ == 0 || atBof_;
}

int Recordset::absolutePosition() const
{
    return (position_ >= 0 && position_ < rows_) ? position_ : -1;
}

void Recordset::setAbsolutePosition(int row)
{
    if (row < 0 || row >= rows_)
        throw StoreError(StoreError::NoCurrentRecord, QStringLiteral("Nenhum registro atual."));
    mode_ = Mode::None;
    position_ = row;
    atBof_ = false;
}

int Recordset::fieldIndex(const QString& name) const
{
    int c = byName_.value(name, -1);
    if (c < 0)
        c = byLowerName_.value(name.toLower(), -1);
    if (c < 0)
        throw StoreError(StoreError::FieldNotFound, QStringLiteral("Item não encontrado nesta coleção: '%1'.").arg(name));
    return c;
}

void Recordset::requireCurrent() const
{
    if (!db_)
        throw StoreError(StoreError::NotOpen, QStringLiteral("O conjunto de registros está fechado."));
    if (mode_ != Mode::AddNew && (position_ < 0 || position_ >= rows_))
        throw StoreError(StoreError::NoCurrentRecord, QStringLiteral("Nenhum registro atual."));
}

void Recordset::requireUpdatable() const
{
    if (!base_)
        throw StoreError(StoreError::ReadOnly,
                         QStringLiteral("Não é possível atualizar: o conjunto de registros é somente leitura."));
}

QVariant Recordset::value(const QString& field) const
{
    const int c = fieldIndex(field);
    requireCurrent();
    if (mode_ != Mode::None && (touched_[c] || mode_ == Mode::AddNew))
        return buffer_[c];
    return valueAt(position_, c);
}

QString Recordset::text(const QString& field) const
{
    return defaultText(value(field));
}

QVariant Recordset::valueAt(int row, int column) const
{
    const Cell v = cell(row, column);
    const bool date = kinds_[column] == FieldKind::Date;
    switch (v.type) {
    case SQLITE_INTEGER:
        return date ? QVariant(QDate::fromJulianDay(v.integer)) : QVariant(qlonglong(v.integer));
    case SQLITE_FLOAT:
        return date ? QVariant(QDate::fromJulianDay(qint64(v.real))) : QVariant(v.real);
    case SQLITE_TEXT:
        return QString::fromUtf8(text_.constData() + v.offset, v.size);
    default:
        return QVariant();
    }
}

Recordset::Cell Recordset::cellOf(const QVariant& value) const
{
    Cell cell{};
    cell.type = sqlType(value);
    if (cell.type == SQLITE_INTEGER) {
        cell.integer = integerOf(value);
    } else if (cell.type == SQLITE_FLOAT) {
        cell.real = value.toDouble();
    } else if (cell.type == SQLITE_TEXT) {
        const QByteArray bytes = value.toString().toUtf8();
        cell.offset = text_.size();
        cell.size = int(bytes.size());
        text_.append(bytes);
    }
    return cell;
}

QVariant Recordset::stored(int column, const QVariant& written) const
{
    if (written.isNull())
        return QVariant();
    // The text of an empty box is the empty text, never a null.
    const QVariant value = written.typeId() == QMetaType::QString && written.toString().isNull()
                               ? QVariant(QStringLiteral(""))
                               : written;
    auto mismatch = [&]() {
        return StoreError(StoreError::TypeMismatch,
                          QStringLiteral("Erro de conversão de tipo de dados no campo '%1' (valor '%2').")
                              .arg(names_[column], value.toString()));
    };
    switch (kinds_[column]) {
    case FieldKind::Text: {
        const QString text = defaultText(value);
        return text.isNull() ? QStringLiteral("") : text;
    }
    case FieldKind::Number:
    case FieldKind::Mixed:
        if (isNumberType(value))
            return numberVariant(value.toDouble());
        if (const auto n = readNumber(value.toString()))
            return numberVariant(*n);
        if (kinds_[column] == FieldKind::Mixed)
            return value.toString();
        throw mismatch();
    case FieldKind::Date: {
        QDate d;
        if (value.typeId() == QMetaType::QDate)
            d = value.toDate();
        else if (value.typeId() == QMetaType::QDateTime)
            d = value.toDateTime().date();
        else if (value.typeId() == QMetaType::QString)
            d = readDate(value.toString());
        if (!d.isValid())
            throw mismatch();
        return d;
    }
    case FieldKind::Any:
        break;
    }
    return value;
}

void Recordset::setValue(const QString& field, const QVariant& value)
{
    const int c = fieldIndex(field);
    if (mode_ == Mode::None)
        throw StoreError(StoreError::NotEditing, QStringLiteral("Atualização sem Edit ou AddNew."));
    buffer_[c] = stored(c, value);
    touched_[c] = true;
}

void Recordset::edit()
{
    requireUpdatable();
    mode_ = Mode::None;
    requireCurrent();
    buffer_.assign(names_.size(), QVariant());
    touched_.assign(names_.size(), false);
    mode_ = Mode::Edit;
}

void Recordset::addNew()
{
    requireUpdatable();
    buffer_.assign(names_.size(), QVariant());
    touched_.assign(names_.size(), false);
    mode_ = Mode::AddNew;
}

void Recordset::cancelUpdate()
{
    mode_ = Mode::None;
}

void Recordset::update()
{
    if (mode_ == Mode::None)
        throw StoreError(StoreError::NotEditing, QStringLiteral("Atualização sem Edit ou AddNew."));
    const int columns = int(names_.size());
    std::vector<bool> written(columns, false);
    QVariantList params;
    for (int c = 0; c < columns; ++c) {
        if (touched_[c] && baseColumn_[c] >= 0) {
            written[c] = true;
            params << buffer_[c];
        }
    }

    if (mode_ == Mode::Edit) {
        if (!params.isEmpty()) {
            // Every field set is written, whatever this record set last read: another may have
            // changed the record since.
            if (written != lastWritten_) {
                QStringList sets;
                for (int c = 0; c < columns; ++c)
                    if (written[c])
                        sets << quoted(names_[c]) + QStringLiteral(" = ?");
                lastUpdate_ = QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                                  .arg(quoted(base_->name), sets.join(QLatin1String(", ")), quoted(base_->key()));
                lastWritten_ = written;
            }
            params << rowids_[position_];
            if (db_->run(lastUpdate_, params) == 0)
                throw StoreError(StoreError::RecordDeleted,
                                 QStringLiteral("O registro foi excluído; nada foi gravado."));
            // A row not read yet will be read as now written.
            for (int c = 0; c < columns && slots_[position_] >= 0; ++c)
                if (touched_[c])
                    cells_[size_t(slots_[position_]) * columns + c] = cellOf(buffer_[c]);
            if (keyColumn_ >= 0 && touched_[keyColumn_])
                rowids_[position_] = buffer_[keyColumn_].toLongLong();
        }
    } else {
        QStringList fields, marks;
        for (int c = 0; c < columns; ++c) {
            if (written[c]) {
                fields << quoted(names_[c]);
                marks << QStringLiteral("?");
            }
        }
        db_->run(fields.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(base_->name))
                                  : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                        .arg(quoted(base_->name), fields.join(QLatin1String(", ")),
                                             marks.join(QLatin1String(", "))),
                 params);
        const qint64 rowid = sqlite3_last_insert_rowid(db_->db_);
        if (keyColumn_ >= 0)
            buffer_[keyColumn_] = rowid;
        // The new record joins the set at the end, as the key the table gives it is the highest;
        // the current position does not change.
        slots_.push_back(int(cells_.size() / columns));
        for (int c = 0; c < columns; ++c)
            cells_.push_back(cellOf(buffer_[c]));
        rowids_.push_back(rowid);
        if (position_ >= rows_)
            position_ = rows_ + 1;
        ++rows_;
    }
    mode_ = Mode::None;
}

void Recordset::deleteRecord()
{
    requireUpdatable();
    mode_ = Mode::None;
    requireCurrent();
    if (db_->run(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(quoted(base_->name), quoted(base_->key())),
                 {rowids_[position_]}) == 0)
        throw StoreError(StoreError::RecordDeleted, QStringLiteral("O registro já tinha sido excluído."));
    slots_.erase(slots_.begin() + position_);
    rowids_.erase(rowids_.begin() + position_);
    --rows_;
}

// ---------------------------------------------------------------------------------------------

bool createDatabaseFile(const QString& path, const QStringList& statements)
{
    if (QFileInfo::exists(path))
        return false;
    sqlite3* db = nullptr;
    int code = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    QString failure;
    if (code == SQLITE_OK)
        code = sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    for (int i = 0; code == SQLITE_OK && i < statements.size(); ++i)
        if ((code = sqlite3_exec(db, statements[i].toUtf8().constData(), nullptr, nullptr, nullptr)) != SQLITE_OK)
            failure = QStringLiteral(" [%1]").arg(statements[i]);
    if (code == SQLITE_OK)
        code = sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    failure.prepend(engineText(db, code));
    sqlite3_close_v2(db);  // rolls back what a failure left open
    if (code != SQLITE_OK) {
        QFile::remove(path);
        throw StoreError(StoreError::Engine, QStringLiteral("Não foi possível criar '%1': %2").arg(path, failure));
    }
    return true;
}

QString defaultText(const QVariant& value)
{
    if (value.isNull())
        return QString();
    if (value.typeId() == QMetaType::QDate)
        return dateText(value.toDate());
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    if (isNumberType(value))
        return numberText(value.toDouble());
    return value.toString();
}

}  // namespace common
