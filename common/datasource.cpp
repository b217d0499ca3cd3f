#include "common/datasource.h"

#include <QFileInfo>

namespace common {

DataSource::DataSource(Database& program, QObject* parent) : QAbstractTableModel(parent), program_(program) {}

void DataSource::setDatabaseName(const QString& path)
{
    path_ = path;
}

void DataSource::setConnect(const QString& connect)
{
    connect_ = connect;
}

void DataSource::setRecordSource(SourceKind kind, const QString& source)
{
    kind_ = kind;
    source_ = source;
    rows_ = TableRows{kind == Selecao ? source : QString()};
}

void DataSource::setRecordSource(const TableRows& rows)
{
    kind_ = Selecao;
    source_ = rows.table;
    rows_ = rows;
}

Database& DataSource::database()
{
    const QString wanted = QFileInfo(path_).absoluteFilePath();
    if (path_.isEmpty() || (program_.isOpen() && program_.path() == wanted))
        return program_;
    if (!own_.isOpen() || own_.path() != wanted)
        own_.open(wanted, connect_);
    return own_;
}

void DataSource::refresh()
{
    Database& db = database();
    Recordset fresh = kind_ == Tabela    ? Recordset::openTable(db, source_)
                      : kind_ == Selecao ? Recordset::openWhere(db, rows_)
                                         : Recordset::openQuery(db, source_);
    beginResetModel();
    rs_ = std::move(fresh);
    endResetModel();
}

int DataSource::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !rs_.isOpen() ? 0 : rs_.recordCount();
}

int DataSource::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !rs_.isOpen() ? 0 : rs_.fieldCount();
}

QVariant DataSource::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    // A row is read when the grid first shows it; a failure then leaves the cell empty rather than
    // leave a paint event through an exception.
    try {
        return defaultText(rs_.valueAt(index.row(), index.column()));
    } catch (const StoreError&) {
        return {};
    }
}

QVariant DataSource::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return rs_.fieldName(section);
    return {};
}

}  // namespace common
