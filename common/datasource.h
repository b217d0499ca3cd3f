#pragma once

// A bound data source: a data control pointed at a database file and a record source (a table name
// or an SQL text, the caller saying which). Grids show its record set through the model; screens
// also walk and edit that record set, then refresh.

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
    // What a record source names: a table, read whole in key order, or an SQL text.
    enum SourceKind { Tabela, Consulta };

    void setRecordSource(SourceKind kind, const QString& source);
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
    Recordset rs_;
};

}  // namespace common
