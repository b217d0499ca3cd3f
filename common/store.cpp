#include "common/store.h"

#include "common/formats.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlRecord>
#include <QUrl>

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace common {

namespace {

QString quoted(const QString& name)
{
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

FieldKind kindOfDeclared(const QString& declared)
{
    const QString t = declared.trimmed().toUpper();
    if (t.isEmpty())
        return FieldKind::Any;
    if (t == QLatin1String("DATE"))
        return FieldKind::Date;
    if (t.contains(QLatin1String("INT")))
        return FieldKind::Integer;
    if (t.contains(QLatin1String("CHAR")) || t.contains(QLatin1String("TEXT")))
        return FieldKind::Text;
    if (t.contains(QLatin1String("REAL")) || t.contains(QLatin1String("DOUB")) ||
        t.contains(QLatin1String("FLOA")))
        return FieldKind::Number;
    if (t == QLatin1String("NUMERIC"))
        return FieldKind::Mixed;
    return FieldKind::Any;
}

bool isNumberType(const QVariant& v)
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

// Whole numbers are kept whole, so that a count written as "5" reads back as 5.
QVariant numberVariant(double v)
{
    if (std::floor(v) == v && std::fabs(v) < 9e15)
        return QVariant(static_cast<qint64>(v));
    return QVariant(v);
}

bool sameValue(const QVariant& a, const QVariant& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    if (isNumberType(a) && isNumberType(b))
        return a.toDouble() == b.toDouble();
    if (a.typeId() != b.typeId())
        return false;
    return a == b;
}

QString engineText(const QSqlError& e)
{
    QString t = e.driverText();
    if (!e.databaseText().isEmpty())
        t += (t.isEmpty() ? QString() : QStringLiteral(": ")) + e.databaseText();
    return t;
}

// A statement run straight on the connection's SQLite handle: reading a record set this way is
// about twice as fast as through the generic driver, which matters for a list of thousands.
class Statement {
public:
    Statement(sqlite3* db, const QString& sql)
    {
        const QByteArray text = sql.toUtf8();
        ok_ = sqlite3_prepare_v2(db, text.constData(), int(text.size()), &stmt_, nullptr) == SQLITE_OK;
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool ok() const { return ok_; }
    sqlite3_stmt* get() const { return stmt_; }

    QVariant value(int column) const
    {
        switch (sqlite3_column_type(stmt_, column)) {
        case SQLITE_INTEGER:
            return QVariant(qlonglong(sqlite3_column_int64(stmt_, column)));
        case SQLITE_FLOAT:
            return QVariant(sqlite3_column_double(stmt_, column));
        case SQLITE_TEXT:
            return QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column)),
                                              sqlite3_column_bytes(stmt_, column)));
        case SQLITE_BLOB:
            return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt_, column)),
                                       sqlite3_column_bytes(stmt_, column)));
        default:
            return QVariant();
        }
    }

private:
    sqlite3_stmt* stmt_ = nullptr;
    bool ok_ = false;
};

}  // namespace

// ---------------------------------------------------------------------------------------------

StoreError::StoreError(int number, const QString& description)
    : std::runtime_error(description.toStdString()), number_(number), description_(description)
{
}

ConnectString ConnectString::parse(const QString& text)
{
    ConnectString c;
    for (const QString& raw : text.split(QLatin1Char(';'))) {
        const QString part = raw.trimmed();
        if (part.isEmpty())
            continue;
        const int eq = part.indexOf(QLatin1Char('='));
        if (eq < 0) {
            c.type = part;
            continue;
        }
        const QString key = part.left(eq).trimmed().toLower();
        const QString value = part.mid(eq + 1).trimmed();
        c.options.insert(key, value);
        if (key == QLatin1String("pwd"))
            c.password = value;
    }
    return c;
}

int TableInfo::indexOf(const QString& field) const
{
    return byLowerName.value(field.toLower(), -1);
}

// ---------------------------------------------------------------------------------------------

Database::Database()
{
    static int counter = 0;
    connectionName_ = QStringLiteral("store-%1").arg(++counter);
}

Database::~Database()
{
    close();
}

void Database::open(const QString& path, const QString& connect, bool exclusive, bool readOnly)
{
    close();
    // Any connect string is taken: the files carry no password to check it against.
    Q_UNUSED(connect);

    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        throw StoreError(StoreError::FileNotFound,
                         QStringLiteral("Não foi possível encontrar o arquivo '%1'.").arg(path));
    if (!info.isReadable() || (!readOnly && !info.isWritable()))
        throw StoreError(StoreError::CannotOpen,
                         QStringLiteral("Sem permissão para abrir o arquivo '%1'.").arg(path));
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        throw StoreError(StoreError::Engine,
                         QStringLiteral("O driver SQLite do Qt não está instalado (libqt6sql6-sqlite)."));

    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
        // mode=rw: SQLite must never create a file where there was none.
        const QString uri = QUrl::fromLocalFile(info.absoluteFilePath()).toString(QUrl::FullyEncoded) +
                            (readOnly ? QStringLiteral("?mode=ro") : QStringLiteral("?mode=rw"));
        db.setDatabaseName(uri);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=3000"));
        if (!db.open()) {
            const QString why = engineText(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connectionName_);
            throw StoreError(StoreError::CannotOpen,
                             QStringLiteral("Não foi possível abrir o arquivo '%1' (%2).").arg(path, why));
        }
    }
    path_ = info.absoluteFilePath();

    // SQLite reads the file only now: a file that is not a database fails here, unchanged.
    QSqlQuery probe(connection());
    if (exclusive && !probe.exec(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"))) {
        const QString why = engineText(probe.lastError());
        probe = QSqlQuery();
        close();
        throw StoreError(StoreError::Engine, why);
    }
    if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        const QSqlError e = probe.lastError();
        probe = QSqlQuery();
        close();
        const QString why = engineText(e);
        if (why.contains(QLatin1String("locked"), Qt::CaseInsensitive) ||
            why.contains(QLatin1String("busy"), Qt::CaseInsensitive))
            throw StoreError(StoreError::Locked,
                             QStringLiteral("O arquivo '%1' está bloqueado por outro usuário.").arg(path));
        throw StoreError(StoreError::NotADatabase,
                         QStringLiteral("Formato de banco de dados não reconhecido: '%1' (%2).").arg(path, why));
    }
}

void Database::close()
{
    for (sqlite3_stmt* statement : std::as_const(statements_))
        sqlite3_finalize(statement);
    statements_.clear();
    tables_.clear();
    transactionDepth_ = 0;
    rolledBack_ = false;
    if (QSqlDatabase::contains(connectionName_)) {
        {
            QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
            if (db.isOpen()) {
                if (db.driver()->hasFeature(QSqlDriver::Transactions))
                    db.rollback();
                db.close();
            }
        }
        QSqlDatabase::removeDatabase(connectionName_);
    }
    path_.clear();
}

bool Database::isOpen() const
{
    return QSqlDatabase::contains(connectionName_) &&
           QSqlDatabase::database(connectionName_, false).isOpen();
}

void Database::requireOpen() const
{
    if (!isOpen())
        throw StoreError(StoreError::NotOpen,
                         QStringLiteral("O banco de dados não está aberto."));
}

sqlite3* Database::handle() const
{
    const QVariant h = connection().driver()->handle();
    if (!h.isValid() || qstrcmp(h.typeName(), "sqlite3*") != 0 || !*static_cast<sqlite3* const*>(h.constData()))
        throw StoreError(StoreError::NotOpen, QStringLiteral("O banco de dados não está aberto."));
    return *static_cast<sqlite3* const*>(h.constData());
}

QSqlDatabase Database::connection() const
{
    requireOpen();
    return QSqlDatabase::database(connectionName_, false);
}

void Database::fail(const QSqlQuery& query, const QString& what) const
{
    fail(engineText(query.lastError()), what);
}

void Database::fail(const QString& why, const QString& what) const
{
    if (why.contains(QLatin1String("locked"), Qt::CaseInsensitive) ||
        why.contains(QLatin1String("busy"), Qt::CaseInsensitive))
        throw StoreError(StoreError::Locked,
                         QStringLiteral("O arquivo '%1' está bloqueado por outro usuário.").arg(path_));
    if (why.contains(QLatin1String("no such table"), Qt::CaseInsensitive))
        throw StoreError(StoreError::TableNotFound,
                         QStringLiteral("O mecanismo de banco de dados não encontrou a tabela ou consulta (%1).")
                             .arg(why));
    if (why.contains(QLatin1String("no such column"), Qt::CaseInsensitive))
        throw StoreError(StoreError::FieldNotFound,
                         QStringLiteral("Item não encontrado nesta coleção (%1).").arg(why));
    throw StoreError(StoreError::Engine, QStringLiteral("%1: %2").arg(what, why));
}

std::shared_ptr<const TableInfo> Database::table(const QString& name)
{
    requireOpen();
    const QString lower = name.toLower();
    auto it = tables_.constFind(lower);
    if (it != tables_.constEnd())
        return *it;

    QSqlQuery q(connection());
    if (!q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quoted(name))))
        fail(q, name);
    TableInfo info;
    while (q.next()) {
        FieldInfo f;
        f.name = q.value(1).toString();
        f.kind = kindOfDeclared(q.value(2).toString());
        f.key = q.value(5).toInt() == 1 && q.value(2).toString().compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0;
        if (f.key)
            info.keyField = static_cast<int>(info.fields.size());
        info.byLowerName.insert(f.name.toLower(), static_cast<int>(info.fields.size()));
        info.fields.push_back(f);
    }
    if (info.fields.empty())
        throw StoreError(StoreError::TableNotFound,
                         QStringLiteral("O mecanismo de banco de dados não encontrou a tabela ou consulta '%1'.")
                             .arg(name));
    // The name as the file spells it.
    QSqlQuery n(connection());
    n.prepare(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' AND name = ? COLLATE NOCASE"));
    n.addBindValue(name);
    info.name = (n.exec() && n.next()) ? n.value(0).toString() : name;
    auto shared = std::make_shared<const TableInfo>(std::move(info));
    tables_.insert(lower, shared);
    return shared;
}

void Database::execute(const QString& sql, const QVariantList& params)
{
    QSqlQuery q(connection());
    if (!q.prepare(sql))
        fail(q, sql);
    for (const QVariant& p : params)
        q.addBindValue(p);
    if (!q.exec())
        fail(q, sql);
    // A statement may have changed the tables' shape.
    if (!sql.trimmed().startsWith(QLatin1String("INSERT"), Qt::CaseInsensitive))
        tables_.clear();
}

qint64 Database::run(const QString& sql, const QVariantList& params)
{
    sqlite3* db = handle();
    sqlite3_stmt* statement = statements_.value(sql);
    if (!statement) {
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v2(db, text.constData(), int(text.size()), &statement, nullptr) != SQLITE_OK)
            fail(QString::fromUtf8(sqlite3_errmsg(db)), sql);
        statements_.insert(sql, statement);
    }
    for (int i = 0; i < params.size(); ++i) {
        const QVariant& v = params[i];
        const int at = i + 1;
        if (v.isNull()) {
            sqlite3_bind_null(statement, at);
        } else if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float) {
            sqlite3_bind_double(statement, at, v.toDouble());
        } else if (isNumberType(v)) {
            sqlite3_bind_int64(statement, at, v.toLongLong());
        } else if (v.typeId() == QMetaType::QByteArray) {
            const QByteArray bytes = v.toByteArray();
            sqlite3_bind_blob(statement, at, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
        } else {
            const QByteArray text = v.toString().toUtf8();
            sqlite3_bind_text(statement, at, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
    }
    const int step = sqlite3_step(statement);
    const QString why = step == SQLITE_DONE ? QString() : QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    if (step != SQLITE_DONE)
        fail(why, sql);
    return sqlite3_last_insert_rowid(db);
}

void Database::beginTransaction()
{
    if (transactionDepth_ == 0) {
        if (!connection().transaction())
            throw StoreError(StoreError::Engine, engineText(connection().lastError()));
        rolledBack_ = false;
    }
    ++transactionDepth_;
}

void Database::commit()
{
    if (transactionDepth_ == 0)
        return;
    if (--transactionDepth_ > 0)
        return;
    if (rolledBack_)
        throw StoreError(StoreError::Engine,
                         QStringLiteral("A transação foi desfeita; nada foi gravado."));
    if (!connection().commit()) {
        const QString why = engineText(connection().lastError());
        connection().rollback();
        throw StoreError(StoreError::Engine, why);
    }
}

void Database::rollback()
{
    if (transactionDepth_ == 0)
        return;
    if (!rolledBack_ && isOpen())
        connection().rollback();
    rolledBack_ = true;
    --transactionDepth_;
}

void Database::compactInto(const QString& newPath)
{
    if (QFileInfo::exists(newPath))
        throw StoreError(StoreError::Engine,
                         QStringLiteral("O arquivo '%1' já existe.").arg(newPath));
    QSqlQuery q(connection());
    q.prepare(QStringLiteral("VACUUM INTO ?"));
    q.addBindValue(newPath);
    if (!q.exec())
        fail(q, QStringLiteral("Compactação"));
}

Transaction::Transaction(Database& db) : db_(db)
{
    db_.beginTransaction();
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
    rs.isTable_ = false;
    rs.source_ = sql;
    // "Select * FROM T ..." or "Select a, b FROM T ..." reads rows of T as they are stored: such a
    // record set can write back, when it holds T's key.
    static const QRegularExpression fromTable(
        QStringLiteral("^\\s*select\\s+([\\w\\s,*\"]+?)\\s+from\\s+\"?(\\w+)\"?\\s*(where\\s|order\\s|$)"),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = fromTable.match(sql);
    if (m.hasMatch() && !m.captured(1).contains(QRegularExpression(QStringLiteral("\\bas\\b"),
                                                                   QRegularExpression::CaseInsensitiveOption))) {
        rs.baseName_ = m.captured(2);
        rs.base_ = db.table(rs.baseName_);
    }
    rs.load();
    return rs;
}

void Recordset::load()
{
    QString sql = source_;
    if (isTable_) {
        const QString order = base_->keyField >= 0 ? quoted(base_->fields[base_->keyField].name)
                                                   : QStringLiteral("rowid");
        sql = QStringLiteral("SELECT rowid, * FROM %1 ORDER BY %2").arg(quoted(base_->name), order);
    }
    sqlite3* handle = db_->handle();
    Statement q(handle, sql);
    if (!q.ok())
        db_->fail(QString::fromUtf8(sqlite3_errmsg(handle)), sql);

    const int first = isTable_ ? 1 : 0;
    const int columns = sqlite3_column_count(q.get()) - first;
    names_.clear();
    kinds_.assign(columns, FieldKind::Any);
    baseColumn_.assign(columns, -1);
    byLowerName_.clear();
    keyColumn_ = -1;
    for (int c = 0; c < columns; ++c) {
        const QString name = QString::fromUtf8(sqlite3_column_name(q.get(), c + first));
        names_ << name;
        byLowerName_.insert(name.toLower(), c);
        if (base_) {
            const int b = base_->indexOf(name);
            baseColumn_[c] = b;
            if (b >= 0) {
                kinds_[c] = base_->fields[b].kind;
                if (b == base_->keyField)
                    keyColumn_ = c;
            }
        }
    }
    // A query without the table's key cannot say which row to write.
    if (!isTable_ && base_ && keyColumn_ < 0)
        base_ = nullptr;

    cells_.clear();
    rowids_.clear();
    rows_ = 0;
    int step;
    while ((step = sqlite3_step(q.get())) == SQLITE_ROW) {
        if (isTable_)
            rowids_.push_back(sqlite3_column_int64(q.get(), 0));
        for (int c = 0; c < columns; ++c) {
            QVariant v = q.value(c + first);
            if (kinds_[c] == FieldKind::Date && !v.isNull() && isNumberType(v))
                v = QDate::fromJulianDay(v.toLongLong());
            cells_.push_back(std::move(v));
        }
        ++rows_;
    }
    if (step != SQLITE_DONE)
        db_->fail(QString::fromUtf8(sqlite3_errmsg(handle)), sql);
    if (!isTable_ && keyColumn_ >= 0) {
        rowids_.reserve(rows_);
        for (int r = 0; r < rows_; ++r)
            rowids_.push_back(cells_[static_cast<size_t>(r) * columns + keyColumn_].toLongLong());
    }
    mode_ = Mode::None;
    noMatch_ = false;
    position_ = rows_ > 0 ? 0 : -1;
    atBof_ = rows_ == 0;
}

void Recordset::close()
{
    db_ = nullptr;
    base_ = nullptr;
    cells_.clear();
    rowids_.clear();
    rows_ = 0;
    position_ = -1;
    mode_ = Mode::None;
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
        throw StoreError(StoreError::BadIndex,
                         QStringLiteral("'%1' não é um índice desta tabela.").arg(name));
}

void Recordset::seek(const QString& op, const QVariant& key)
{
    if (!isTable_)
        throw StoreError(StoreError::BadIndex,
                         QStringLiteral("Busca por índice só em tabelas."));
    mode_ = Mode::None;
    noMatch_ = true;
    const QString t = key.typeId() == QMetaType::QString ? key.toString().trimmed() : QString();
    if (key.isNull() || (key.typeId() == QMetaType::QString && !isNumeric(t)))
        return;  // an empty or non-numeric key matches no record
    const double k = key.typeId() == QMetaType::QString ? *readNumber(t) : key.toDouble();

    auto keyAt = [this](int r) {
        return keyColumn_ >= 0 ? valueAt(r, keyColumn_).toDouble()
                               : static_cast<double>(rowids_[r]);
    };
    // Rows are in key order: binary search for the first key not below k.
    int lo = 0, hi = rows_;
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (keyAt(mid) < k)
            lo = mid + 1;
        else
            hi = mid;
    }
    int found = -1;
    const QString o = op.trimmed();
    if (o == QLatin1String("=")) {
        if (lo < rows_ && keyAt(lo) == k)
            found = lo;
    } else if (o == QLatin1String(">=")) {
        if (lo < rows_)
            found = lo;
    } else if (o == QLatin1String(">")) {
        int r = lo;
        while (r < rows_ && keyAt(r) == k)
            ++r;
        if (r < rows_)
            found = r;
    } else if (o == QLatin1String("<=")) {
        int r = (lo < rows_ && keyAt(lo) == k) ? lo : lo - 1;
        if (r >= 0)
            found = r;
    } else if (o == QLatin1String("<")) {
        if (lo - 1 >= 0)
            found = lo - 1;
    } else {
        throw StoreError(StoreError::Engine, QStringLiteral("Operador de busca inválido: '%1'.").arg(op));
    }
    if (found >= 0) {
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
    --position_;
    if (position_ < 0) {
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

int Recordset::recordCount() const
{
    return rows_;
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

int Recordset::fieldCount() const
{
    return static_cast<int>(names_.size());
}

QString Recordset::fieldName(int column) const
{
    return names_.value(column);
}

int Recordset::fieldIndex(const QString& name) const
{
    const int c = byLowerName_.value(name.toLower(), -1);
    if (c < 0)
        throw StoreError(StoreError::FieldNotFound,
                         QStringLiteral("Item não encontrado nesta coleção: '%1'.").arg(name));
    return c;
}

void Recordset::requireCurrent() const
{
    if (!db_)
        throw StoreError(StoreError::NotOpen, QStringLiteral("O conjunto de registros está fechado."));
    if (mode_ == Mode::AddNew)
        return;
    if (position_ < 0 || position_ >= rows_)
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
    if (mode_ != Mode::None)
        return buffer_[c];
    return valueAt(position_, c);
}

QString Recordset::text(const QString& field) const
{
    return defaultText(value(field));
}

QVariant Recordset::valueAt(int row, int column) const
{
    return cells_[static_cast<size_t>(row) * names_.size() + column];
}

QVariant Recordset::stored(int column, const QVariant& written) const
{
    if (written.isNull())
        return QVariant();
    // The text of an empty box is the empty text, never a null.
    const QVariant value = written.typeId() == QMetaType::QString && written.toString().isNull()
                               ? QVariant(QStringLiteral(""))
                               : written;
    const QString field = names_[column];
    auto mismatch = [&]() {
        return StoreError(StoreError::TypeMismatch,
                          QStringLiteral("Erro de conversão de tipo de dados no campo '%1' (valor '%2').")
                              .arg(field, value.toString()));
    };
    switch (kinds_[column]) {
    case FieldKind::Text: {
        const QString text = defaultText(value);
        return text.isNull() ? QStringLiteral("") : text;
    }
    case FieldKind::Number:
    case FieldKind::Integer:
        if (isNumberType(value))
            return numberVariant(value.toDouble());
        if (value.typeId() == QMetaType::QString) {
            if (const auto n = readNumber(value.toString()))
                return numberVariant(*n);
        }
        throw mismatch();
    case FieldKind::Mixed:
        if (isNumberType(value))
            return numberVariant(value.toDouble());
        if (const auto n = readNumber(value.toString()))
            return numberVariant(*n);
        return value.toString();
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
        return value;
    }
    return value;
}

void Recordset::setValue(const QString& field, const QVariant& value)
{
    const int c = fieldIndex(field);
    if (mode_ == Mode::None)
        throw StoreError(StoreError::NotEditing,
                         QStringLiteral("Atualização sem Edit ou AddNew."));
    buffer_[c] = stored(c, value);
    touched_[c] = true;
}

void Recordset::edit()
{
    requireUpdatable();
    mode_ = Mode::None;
    requireCurrent();
    buffer_.assign(cells_.begin() + static_cast<size_t>(position_) * names_.size(),
                   cells_.begin() + static_cast<size_t>(position_ + 1) * names_.size());
    touched_.assign(names_.size(), false);
    mode_ = Mode::Edit;
}

void Recordset::addNew()
{
    requireUpdatable();
    if (!db_)
        throw StoreError(StoreError::NotOpen, QStringLiteral("O conjunto de registros está fechado."));
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
        throw StoreError(StoreError::NotEditing,
                         QStringLiteral("Atualização sem Edit ou AddNew."));
    const size_t columns = names_.size();
    auto toSql = [&](int c) {
        const QVariant& v = buffer_[c];
        if (kinds_[c] == FieldKind::Date && v.typeId() == QMetaType::QDate)
            return QVariant(v.toDate().toJulianDay());
        return v;
    };

    QStringList names;
    QVariantList params;
    if (mode_ == Mode::Edit) {
        const size_t row = static_cast<size_t>(position_) * columns;
        for (size_t c = 0; c < columns; ++c) {
            if (touched_[c] && baseColumn_[c] >= 0 && !sameValue(buffer_[c], cells_[row + c])) {
                names << quoted(names_[c]) + QStringLiteral(" = ?");
                params << toSql(static_cast<int>(c));
            }
        }
        if (!names.isEmpty()) {
            const QString key = base_->keyField >= 0 ? quoted(base_->fields[base_->keyField].name)
                                                     : QStringLiteral("rowid");
            params << rowids_[position_];
            db_->run(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                         .arg(quoted(base_->name), names.join(QLatin1String(", ")), key),
                     params);
            for (size_t c = 0; c < columns; ++c)
                cells_[row + c] = buffer_[c];
        }
    } else {
        QStringList marks;
        for (size_t c = 0; c < columns; ++c) {
            if (touched_[c] && baseColumn_[c] >= 0) {
                names << quoted(names_[c]);
                marks << QStringLiteral("?");
                params << toSql(static_cast<int>(c));
            }
        }
        const QString sql = names.isEmpty()
                                ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(base_->name))
                                : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                      .arg(quoted(base_->name), names.join(QLatin1String(", ")),
                                           marks.join(QLatin1String(", ")));
        const qint64 rowid = db_->run(sql, params);
        if (keyColumn_ >= 0)
            buffer_[keyColumn_] = rowid;
        // The new record joins the set at the end, as the key the table gives it is the highest;
        // the current position does not change.
        cells_.insert(cells_.end(), buffer_.begin(), buffer_.end());
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
    const QString key = base_->keyField >= 0 ? quoted(base_->fields[base_->keyField].name)
                                             : QStringLiteral("rowid");
    db_->run(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(quoted(base_->name), key), {rowids_[position_]});
    const size_t columns = names_.size();
    cells_.erase(cells_.begin() + static_cast<size_t>(position_) * columns,
                 cells_.begin() + static_cast<size_t>(position_ + 1) * columns);
    rowids_.erase(rowids_.begin() + position_);
    --rows_;
}

// ---------------------------------------------------------------------------------------------

bool createDatabaseFile(const QString& path, const QStringList& statements)
{
    if (QFileInfo::exists(path))
        return false;
    const QString name = QStringLiteral("store-create");
    QString failure;
    {
        // Straight through SQLite: opening through the record store never creates a file.
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open()) {
            failure = engineText(db.lastError());
        } else {
            db.transaction();
            QSqlQuery q(db);
            for (const QString& statement : statements) {
                if (!q.exec(statement)) {
                    failure = engineText(q.lastError()) + QStringLiteral(" [") + statement + QLatin1Char(']');
                    break;
                }
            }
            q = QSqlQuery();
            if (failure.isEmpty() && !db.commit())
                failure = engineText(db.lastError());
            if (!failure.isEmpty())
                db.rollback();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    if (!failure.isEmpty()) {
        QFile::remove(path);
        throw StoreError(StoreError::Engine,
                         QStringLiteral("Não foi possível criar '%1': %2").arg(path, failure));
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
