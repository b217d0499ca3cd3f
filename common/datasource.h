#pragma once

// A bound data source: a data control pointed at a database file and a record source (a table name,
// some rows of a table, or an SQL text to read, the caller saying which). Grids show its record set
// through the model; screens also walk and edit that record set, then refresh.

#include "common/database.h"
#include "common/recordset.h"

#include <QAbstractTableModel>

namespace common {

class DataSource : public QAbstractTableModel {
    Q_OBJECT
public:
    // `program` is the program's open database: a data source named at the same file shares it, so
    // what a screen writes is seen at the next refresh.
    explicit DataSource(Database& program, QObject* parent = nullptr);

    void setDatabaseName(const QString& path);
    void setConnect(const QString& connect);
    // What a record source names: a table, read whole in key order; some rows of a table
    // (Recordset::openWhere), to walk and edit; or an SQL text, to read only.
    enum SourceKind { Tabela, Selecao, Consulta };

    void setRecordSource(SourceKind kind, const QString& source);
    void setRecordSource(const TableRows& rows);
    // The table's name, or the SQL text.
    QString recordSource() const { return source_; }
    SourceKind recordSourceKind() const { return kind_; }
    // Reads the record source again and resets the model.
    void refresh();

    Recordset& recordset() { return rs_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    Database& database();

    Database& program_;
    Database own_;  // only when the file is not the program's own
    QString path_;
    QString connect_;
    QString source_;
    SourceKind kind_ = Tabela;
    TableRows rows_;  // a Selecao's
    Recordset rs_;
};

}  // namespace common
