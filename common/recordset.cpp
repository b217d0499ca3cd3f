#include "common/recordset.h"

#include "common/database_p.h"
#include "common/formats.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>

#include <sqlite3.h>

#include <algorithm>
#include <cmath>

namespace common {

namespace {

// Whole numbers are kept whole, so that a count written as "5" reads back as 5.
QVariant numberVariant(double v)
{
    if (std::floor(v) == v && std::fabs(v) < 9e15)
        return QVariant(static_cast<qint64>(v));
    return QVariant(v);
}

}  // namespace

Recordset Recordset::openTable(Database& db, const QString& table)
{
    Recordset rs;
    rs.db_ = &db;
    rs.isTable_ = true;
    rs.base_ = db.internal().table(table);
    rs.query_.table = rs.base_->name;
    rs.query_.order = quoted(rs.base_->key());
    rs.load();
    return rs;
}

Recordset Recordset::openWhere(Database& db, const TableRows& rows)
{
    Recordset rs;
    rs.db_ = &db;
    rs.base_ = db.internal().table(rows.table);
    // SQLite would read a quoted name that is no field as a text.
    for (const QString& field : rows.fields)
        if (rs.base_->indexOf(field) < 0)
            throw StoreError(
                StoreError::FieldNotFound,
                QCoreApplication::translate("common", "Item não encontrado nesta coleção: '%1'.").arg(field));
    rs.query_ = rows;
    rs.load();
    return rs;
}

Recordset Recordset::openWhere(Database& db, const QString& table, const QString& condition, const QString& order,
                               const QVariantList& bound)
{
    return openWhere(db, TableRows{table, condition, order, bound});
}

Recordset Recordset::openQuery(Database& db, const QString& sql)
{
    Recordset rs;
    rs.db_ = &db;
    rs.sql_ = sql;
    rs.load();
    return rs;
}

namespace {

constexpr int Block = 64;  // rows read together when a screen first asks for one of them

QString fieldList(const TableRows& rows)
{
    if (rows.fields.isEmpty())
        return QStringLiteral("*");
    QStringList fields;
    for (const QString& field : rows.fields)
        fields << quoted(field);
    return fields.join(QLatin1String(", "));
}

QString whereClause(const TableRows& rows)
{
    return rows.condition.isEmpty() ? QString() : QStringLiteral(" WHERE ") + rows.condition;
}

}  // namespace

QString TableRows::sql() const
{
    QString sql = QStringLiteral("SELECT %1 FROM %2%3").arg(fieldList(*this), quoted(table), whereClause(*this));
    if (!order.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + order;
    return sql;
}

// A table's rows carry their key (the rowid) in a column of their own before the fields; an SQL
// text's rows are read as they come.
void Recordset::load()
{
    clearRows();
    DatabasePrivate& store = db_->internal();
    if (!base_) {
        sqlite3_stmt* q = store.prepared(sql_);
        Rewind rewind{q};
        describeColumns(q, 0);
        readAll(q, 0, sql_);
    } else if (query_.order.isEmpty()) {
        const QString sql = QStringLiteral("SELECT rowid, %1 FROM %2%3")
                                .arg(fieldList(query_), quoted(base_->name), whereClause(query_));
        sqlite3_stmt* q = store.prepared(sql);
        Rewind rewind{q};
        bind(q, query_.bound);
        describeColumns(q, 1);
        readAll(q, 1, sql);
    } else {
        // Sorted: SQLite then sorts the keys alone rather than whole rows.
        fetchSql_ = QStringLiteral("SELECT rowid, %1 FROM %2 WHERE rowid IN (?%3)")
                        .arg(fieldList(query_), quoted(base_->name), QStringLiteral(", ?").repeated(Block - 1));
        describeColumns(store.prepared(fetchSql_), 1);
        readKeys(QStringLiteral("SELECT rowid FROM %1%2 ORDER BY %3")
                     .arg(quoted(base_->name), whereClause(query_), query_.order));
    }
    position_ = rows_ > 0 ? 0 : -1;
    atBof_ = rows_ == 0;
}

void Recordset::clearRows()
{
    mode_ = Mode::None;
    noMatch_ = false;
    fetchSql_.clear();
    cells_.clear();
    text_.clear();
    rowids_.clear();
    slots_.clear();
    rows_ = 0;
}

// The names and kinds of the statement's columns from `first` on: a table's fields take the kinds
// the table gives them, an SQL text's the kinds the fields it reads straight were declared with.
void Recordset::describeColumns(sqlite3_stmt* q, int first)
{
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
        if (!base_) {
            kinds_[c] = kindOfDeclared(QString::fromUtf8(sqlite3_column_decltype(q, c + first)));
            continue;
        }
        const int b = base_->indexOf(name);
        baseColumn_[c] = b;
        if (b >= 0) {
            kinds_[c] = base_->kinds[b];
            if (b == base_->keyField)
                keyColumn_ = c;
        }
    }
}

// Every row of the statement, its bindings made; the key is in column 0 when `first` is 1.
void Recordset::readAll(sqlite3_stmt* q, int first, const QString& sql)
{
    const size_t columns = names_.size();
    int code;
    while ((code = sqlite3_step(q)) == SQLITE_ROW) {
        cells_.resize(cells_.size() + columns);
        readCells(q, first, cells_.size() - columns);
        slots_.push_back(rows_++);
        if (first == 1)
            rowids_.push_back(sqlite3_column_int64(q, 0));
    }
    if (code != SQLITE_DONE)
        db_->internal().fail(code, sql);
}

// The keys of the rows, in their order; their values are read later, a block at a time.
void Recordset::readKeys(const QString& keysSql)
{
    DatabasePrivate& store = db_->internal();
    sqlite3_stmt* k = store.prepared(keysSql);
    Rewind rewind{k};
    bind(k, query_.bound);
    int code;
    while ((code = sqlite3_step(k)) == SQLITE_ROW)
        rowids_.push_back(sqlite3_column_int64(k, 0));
    if (code != SQLITE_DONE)
        store.fail(code, keysSql);
    rows_ = int(rowids_.size());
    slots_.assign(rows_, -1);
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
            text_.append(reinterpret_cast<const char*>(sqlite3_column_text(q, c + first)),
                         cell.size = sqlite3_column_bytes(q, c + first));
            break;
        }
    }
}

void Recordset::fetch(int row) const
{
    const size_t columns = names_.size();
    const int first = row - row % Block;
    const int last = std::min(rows_, first + Block);
    sqlite3_stmt* q = db_->internal().prepared(fetchSql_);
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
        db_->internal().fail(code, fetchSql_);
}

void Recordset::close()
{
    *this = Recordset();
}

void Recordset::requery()
{
    if (!db_)
        throw StoreError(StoreError::NotOpen,
                         QCoreApplication::translate("common", "O conjunto de registros está fechado."));
    if (base_)
        base_ = db_->internal().table(query_.table);
    load();
}

void Recordset::setIndex(const QString& name)
{
    if (name.compare(QLatin1String("PrimaryKey"), Qt::CaseInsensitive) != 0 || !isTable_)
        throw StoreError(StoreError::BadIndex,
                         QCoreApplication::translate("common", "'%1' não é um índice desta tabela.").arg(name));
}

void Recordset::seek(const QString& op, const QVariant& key)
{
    if (!isTable_)
        throw StoreError(StoreError::BadIndex,
                         QCoreApplication::translate("common", "Busca por índice só em tabelas."));
    mode_ = Mode::None;
    noMatch_ = true;
    const QString t = key.typeId() == QMetaType::QString ? key.toString().trimmed() : QString();
    if (key.isNull() || (key.typeId() == QMetaType::QString && !isNumeric(t)))
        return;  // an empty or non-numeric key matches no record
    const double k = key.typeId() == QMetaType::QString ? *readNumber(t) : key.toDouble();

    // Rows are in key order.
    const int lo = int(std::lower_bound(rowids_.begin(), rowids_.end(), k, [](qint64 a, double b) { return a < b; }) -
                       rowids_.begin());
    const int above =
        int(std::upper_bound(rowids_.begin(), rowids_.end(), k, [](double a, qint64 b) { return a < b; }) -
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
        throw StoreError(StoreError::Engine,
                         QCoreApplication::translate("common", "Operador de busca inválido: '%1'.").arg(op));
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
        throw StoreError(StoreError::NoCurrentRecord, QCoreApplication::translate("common", "Nenhum registro atual."));
    ++position_;
    atBof_ = false;
}

void Recordset::movePrevious()
{
    mode_ = Mode::None;
    if (position_ < 0 && atBof_)
        throw StoreError(StoreError::NoCurrentRecord, QCoreApplication::translate("common", "Nenhum registro atual."));
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
        throw StoreError(StoreError::NoCurrentRecord, QCoreApplication::translate("common", "Nenhum registro atual."));
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
        throw StoreError(StoreError::FieldNotFound,
                         QCoreApplication::translate("common", "Item não encontrado nesta coleção: '%1'.").arg(name));
    return c;
}

void Recordset::requireCurrent() const
{
    if (!db_)
        throw StoreError(StoreError::NotOpen,
                         QCoreApplication::translate("common", "O conjunto de registros está fechado."));
    if (mode_ != Mode::AddNew && (position_ < 0 || position_ >= rows_))
        throw StoreError(StoreError::NoCurrentRecord, QCoreApplication::translate("common", "Nenhum registro atual."));
}

void Recordset::requireUpdatable() const
{
    if (!base_)
        throw StoreError(StoreError::ReadOnly,
                         QCoreApplication::translate(
                             "common", "Não é possível atualizar: o conjunto de registros é somente leitura."));
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
    const QVariant value =
        written.typeId() == QMetaType::QString && written.toString().isNull() ? QVariant(QStringLiteral("")) : written;
    auto mismatch = [&]() {
        return StoreError(
            StoreError::TypeMismatch,
            QCoreApplication::translate("common", "Erro de conversão de tipo de dados no campo '%1' (valor '%2').")
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
        throw StoreError(StoreError::NotEditing,
                         QCoreApplication::translate("common", "Atualização sem Edit ou AddNew."));
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
        throw StoreError(StoreError::NotEditing,
                         QCoreApplication::translate("common", "Atualização sem Edit ou AddNew."));
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
                                 QCoreApplication::translate("common", "O registro foi excluído; nada foi gravado."));
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
        db_->run(fields.isEmpty()
                     ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(base_->name))
                     : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                           .arg(quoted(base_->name), fields.join(QLatin1String(", ")), marks.join(QLatin1String(", "))),
                 params);
        const qint64 rowid = db_->internal().lastInsertRowid();
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
        throw StoreError(StoreError::RecordDeleted,
                         QCoreApplication::translate("common", "O registro já tinha sido excluído."));
    slots_.erase(slots_.begin() + position_);
    rowids_.erase(rowids_.begin() + position_);
    --rows_;
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
