#pragma once

// The activity list's grid: a model over the list's record set, with the grid's own colours. Texts
// are read from the record set when a cell is shown, so a long list costs nothing until it scrolls
// into view.

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QSet>

#include <array>

namespace common {
class Recordset;
}

namespace davo {

class GradeAtividades : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int Colunas = 14;
    static constexpr int ColunaAtividade = 6;
    static constexpr int LinhasDestacadas = 6;  // the first six rows carry the daily load

    // Column k shows this field of the list.
    static const std::array<const char*, Colunas> Campos;
    // The headings of columns 1 to 13 (column 0, the key, has none), as written in the source; titulo()
    // gives them in the interface language.
    static const std::array<const char*, Colunas> Titulos;
    static QString titulo(int coluna);
    // Column widths in twips.
    static const std::array<int, Colunas> Larguras;

    static const QColor VerdeClaro;
    static const QColor Amarelo;

    explicit GradeAtividades(QObject* parent = nullptr);

    // Clears the grid and shows the records of `lista` from row 0, in its order, with the colours
    // of activity rows; the grid grows when it has fewer rows than activities + 1.
    void preenche(common::Recordset& lista);
    // Empties the grid (no activity rows, colours gone) keeping its row count.
    void limpa();

    // The activities still to be rated (imported from another program): their description cell
    // carries the mark until they are rated.
    void setNaoAvaliadas(const QSet<qint64>& codigos);
    static QString marcaNaoAvaliada();

    void setRows(int rows);
    int rows() const { return rows_; }
    int atividades() const { return atividades_; }
    // The key in column 0 of a row, empty for a row without an activity.
    QString codigo(int row) const;
    // Paints one cell's background, until the grid is filled again.
    void pintaCelula(int row, int column, const QColor& colour);
    QColor fundo(int row, int column) const;
    bool negrito(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QString texto(int row, int column) const;

    const common::Recordset* lista_ = nullptr;
    std::array<int, Colunas> indices_{};  // the record set's field for each column
    int rows_ = 0;
    int atividades_ = 0;
    QHash<quint64, QColor> pintadas_;  // cells painted by hand
    QSet<qint64> naoAvaliadas_;
};

}  // namespace davo
