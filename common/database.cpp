#include "common/database.h"

#include "common/database_p.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace common {

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

namespace {

QString engineText(sqlite3* db, int code)
{
    return QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(code));
}

// The engine's failure by its result code, never by its message. `code` may be an extended code.
StoreError engineError(int code, const QString& why, const QString& path, const QString& what)
{
    using Kind = StoreError::Kind;
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return StoreError(
            StoreError::Locked,
            QCoreApplication::translate("common", "O arquivo '%1' está bloqueado por outro usuário.").arg(path),
            Kind::Busy, path);
    case SQLITE_FULL:
        return StoreError(
            StoreError::DiskFull,
            QCoreApplication::translate("common", "Não há espaço em disco para gravar '%1' (%2).").arg(path, why),
            Kind::DiskFull, path);
    case SQLITE_IOERR:
        if (code == SQLITE_IOERR_NOMEM)
            break;
        return StoreError(StoreError::DiskError,
                          QCoreApplication::translate("common", "Erro de disco ao gravar '%1' (%2).").arg(path, why),
                          Kind::DiskError, path);
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return StoreError(StoreError::NotADatabase,
                          QCoreApplication::translate("common", "Formato de banco de dados não reconhecido: '%1' (%2).")
                              .arg(path, why));
    case SQLITE_CANTOPEN:
        // Past the opening, what cannot be opened is the journal beside the file: its folder
        // refuses new files.
        return StoreError(
            StoreError::CannotOpen,
            QCoreApplication::translate("common", "Não foi possível abrir o arquivo '%1' (%2).").arg(path, why),
            Kind::ReadOnly, path);
    case SQLITE_READONLY:
        if (code == SQLITE_READONLY_DBMOVED)
            return StoreError(
                StoreError::CannotOpen,
                QCoreApplication::translate("common", "O arquivo '%1' foi movido ou apagado enquanto estava aberto.")
                    .arg(path));
        [[fallthrough]];
    case SQLITE_PERM:
        return StoreError(
            StoreError::ReadOnly,
            QCoreApplication::translate("common", "Não é possível atualizar: o banco de dados é somente leitura (%1).")
                .arg(why),
            Kind::ReadOnly, path);
    default:
        break;
    }
    return StoreError(StoreError::Engine, QStringLiteral("%1: %2").arg(what, why));
}

}  // namespace

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

namespace {

// Creates the empty file `path`, readable and writable by its owner alone; false when a file (or a
// link) is there already. Throws when the folder refuses it.
bool createPrivateFile(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        if (errno == EEXIST)
            return false;
        throw StoreError(StoreError::CannotOpen,
                         QCoreApplication::translate("common", "Não foi possível criar '%1': %2")
                             .arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    }
    ::close(fd);
    return true;
}

}  // namespace

bool syncToDisk(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    const bool ok = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    return ok;
}

StoreError::StoreError(int number, const QString& description, Kind kind, const QString& file)
    : std::runtime_error(description.toStdString()),
      number_(number),
      description_(description),
      kind_(kind),
      file_(file)
{}

Database::Database() : d_(std::make_unique<DatabasePrivate>()) {}

Database::~Database() = default;

void Database::open(const QString& path, const QString& connect, bool exclusive)
{
    close();
    Q_UNUSED(connect);
    const QFileInfo info(path);
    if (!info.isFile())
        throw StoreError(StoreError::FileNotFound,
                         QCoreApplication::translate("common", "Não foi possível encontrar o arquivo '%1'.").arg(path));
    // Writing needs the file and its folder (the journal is made beside the file a link points
    // to): where either refuses, the file is opened to be read only, and says so.
    const QString real = info.canonicalFilePath();
    const bool writable = ::access(QFile::encodeName(real).constData(), W_OK) == 0 &&
                          ::access(QFile::encodeName(QFileInfo(real).absolutePath()).constData(), W_OK) == 0;
    d_->open(info.absoluteFilePath(), !writable, exclusive);
}

void Database::openReadOnly(const QString& path)
{
    close();
    const QFileInfo info(path);
    if (!info.isFile())
        throw StoreError(StoreError::FileNotFound,
                         QCoreApplication::translate("common", "Não foi possível encontrar o arquivo '%1'.").arg(path));
    d_->open(info.absoluteFilePath(), true, false);
}

void Database::close()
{
    d_->close();
}

bool Database::isOpen() const
{
    return d_->isOpen();
}

bool Database::isReadOnly() const
{
    return d_->isReadOnly();
}

QString Database::path() const
{
    return d_->path();
}

void Database::setBusyTimeout(int milliseconds)
{
    d_->setBusyTimeout(milliseconds);
}

int Database::run(const QString& sql, const QVariantList& params)
{
    return d_->run(sql, params);
}

void Database::execute(const QString& sql, const QVariantList& params)
{
    // A statement may change the tables' shape.
    if (!sql.trimmed().startsWith(QLatin1String("INSERT"), Qt::CaseInsensitive))
        d_->forgetTables();
    d_->run(sql, params);
}

QStringList Database::fields(const QString& name)
{
    return d_->table(name)->fields;
}

void DatabasePrivate::open(const QString& path, bool readOnly, bool exclusive)
{
    // Without SQLITE_OPEN_CREATE SQLite never makes a file where there was none.
    sqlite3* db = nullptr;
    const int flags = (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
    const int code = sqlite3_open_v2(path.toUtf8().constData(), &db, flags, nullptr);
    if (code != SQLITE_OK) {
        const QString why = engineText(db, code);
        sqlite3_close(db);
        throw engineError(code, why, path, path);
    }
    db_ = db;
    path_ = path;
    // SQLite falls back on its own to reading a file it may not write.
    readOnly_ = readOnly || sqlite3_db_readonly(db_, "main") == 1;
    sqlite3_busy_timeout(db_, busyTimeout_);
    try {
        if (exclusive)
            command("PRAGMA locking_mode=EXCLUSIVE");
        // SQLite reads the file only now: a file that is not a database fails here, unchanged.
        command("SELECT count(*) FROM sqlite_master");
    } catch (...) {
        close();
        throw;
    }
}

void DatabasePrivate::close()
{
    for (sqlite3_stmt* statement : std::as_const(statements_))
        sqlite3_finalize(statement);
    statements_.clear();
    tables_.clear();
    depth_ = 0;
    sqlite3_close_v2(db_);  // an open transaction is rolled back
    db_ = nullptr;
    readOnly_ = false;
    path_.clear();
}

void DatabasePrivate::setBusyTimeout(int milliseconds)
{
    busyTimeout_ = milliseconds;
    if (db_)
        sqlite3_busy_timeout(db_, milliseconds);
}

sqlite3* DatabasePrivate::requireOpen() const
{
    if (!db_)
        throw StoreError(StoreError::NotOpen,
                         QCoreApplication::translate("common", "O banco de dados não está aberto."));
    return db_;
}

void DatabasePrivate::fail(int code, const QString& what) const
{
    // The extended code tells a file moved away from a folder that refuses writing.
    const int extended =
        db_ && (sqlite3_extended_errcode(db_) & 0xff) == (code & 0xff) ? sqlite3_extended_errcode(db_) : code;
    throw engineError(extended, engineText(db_, code), path_, what);
}

sqlite3_stmt* DatabasePrivate::prepared(const QString& sql)
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

int DatabasePrivate::run(const QString& sql, const QVariantList& params)
{
    sqlite3_stmt* statement = prepared(sql);
    Rewind rewind{statement};
    bind(statement, params);
    const int code = sqlite3_step(statement);
    if (code != SQLITE_DONE && code != SQLITE_ROW)
        fail(code, sql);
    return sqlite3_changes(db_);
}

void DatabasePrivate::command(const char* sql)
{
    run(QString::fromLatin1(sql), {});
}

qint64 DatabasePrivate::lastInsertRowid() const
{
    return sqlite3_last_insert_rowid(db_);
}

std::shared_ptr<const TableInfo> DatabasePrivate::table(const QString& name)
{
    requireOpen();
    const QString lower = name.toLower();
    if (const auto it = tables_.constFind(lower); it != tables_.constEnd())
        return *it;

    TableInfo info;
    {
        sqlite3_stmt* q =
            prepared(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"));
        Rewind rewind{q};
        bind(q, {name});
        const int code = sqlite3_step(q);
        if (code == SQLITE_DONE)
            throw StoreError(StoreError::TableNotFound,
                             QCoreApplication::translate(
                                 "common", "O mecanismo de banco de dados não encontrou a tabela ou consulta '%1'.")
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

void DatabasePrivate::begin()
{
    // Nothing of a save starts on a file that cannot take it.
    if (depth_ == 0 && requireOpen() && readOnly_)
        throw StoreError(
            StoreError::ReadOnly,
            QCoreApplication::translate("common", "Não é possível atualizar: o arquivo '%1' é somente leitura.")
                .arg(path_),
            StoreError::Kind::ReadOnly, path_);
    // IMMEDIATE: the write lock is taken now, waiting for another program as long as allowed, so a
    // write half-way through never finds the file taken.
    command(depth_ == 0 ? "BEGIN IMMEDIATE" : QStringLiteral("SAVEPOINT s%1").arg(depth_).toLatin1().constData());
    ++depth_;
}

void DatabasePrivate::commit()
{
    if (depth_ == 0 || !db_)
        return;
    --depth_;
    if (sqlite3_get_autocommit(db_)) {
        // The engine ended the transaction on its own after a failure.
        depth_ = 0;
        throw StoreError(StoreError::Engine,
                         QCoreApplication::translate("common", "A transação foi desfeita; nada foi gravado."));
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

void DatabasePrivate::rollback()
{
    if (depth_ == 0 || !db_)
        return;
    --depth_;
    if (sqlite3_get_autocommit(db_)) {
        depth_ = 0;
        return;
    }
    const QByteArray sql =
        depth_ == 0 ? QByteArray("ROLLBACK") : QStringLiteral("ROLLBACK TO s%1; RELEASE s%1").arg(depth_).toLatin1();
    sqlite3_exec(db_, sql.constData(), nullptr, nullptr, nullptr);
}

void Database::compactInto(const QString& newPath)
{
    if (!isOpen())
        throw StoreError(StoreError::NotOpen,
                         QCoreApplication::translate("common", "O banco de dados não está aberto."));
    if (QFileInfo::exists(newPath))
        throw StoreError(StoreError::Engine,
                         QCoreApplication::translate("common", "O arquivo '%1' já existe.").arg(newPath));
    // The copy is made private, and only then written into (VACUUM INTO takes an empty file).
    createPrivateFile(newPath);
    try {
        execute(QStringLiteral("VACUUM INTO ?"), {newPath});
    } catch (...) {
        QFile::remove(newPath);
        throw;
    }
    // The copy is on disk before anyone renames it over the original; whether VACUUM INTO syncs
    // depends on SQLite's version and settings.
    if (!QFile::setPermissions(newPath, QFile::permissions(path())) || !syncToDisk(newPath))
        throw StoreError(StoreError::Engine,
                         QCoreApplication::translate("common", "Não foi possível gravar '%1' no disco.").arg(newPath));
}

Transaction::Transaction(Database& db) : db_(db.internal())
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

bool createDatabaseFile(const QString& path, const QStringList& statements)
{
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
        return false;
    if (!createPrivateFile(path))
        return false;
    sqlite3* db = nullptr;
    int code = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
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
        throw StoreError(StoreError::Engine,
                         QCoreApplication::translate("common", "Não foi possível criar '%1': %2").arg(path, failure));
    }
    return true;
}

}  // namespace common
