#pragma once

// The comparison grid's cells: a flexible grid of texts with a background colour per cell and an
// alignment per column, shown by a table view. Column 0 is the fixed column of the names.

#include <QAbstractTableModel>
#include <QString>

#include <vector>

namespace kivo {

class GradeDados : public QAbstractTableModel {
    Q_OBJECT
public:
    // Colours as 0x00BBGGRR; the top bit names a system colour.
    static constexpr quint32 Cinza = 0x80000011;      // the system's grey text: the mirror cells
    static constexpr quint32 Azul = 0x00FF0000;       // the diagonal
    static constexpr quint32 Amarelo = 0x0000FFFF;    // a clicked pair, the points
    static constexpr quint32 Branco = 0x00FFFFFF;     // an answered pair
    static constexpr quint32 Ciano = 0x00FFFF00;      // Emach
    static constexpr quint32 Verde = 0x0000FF00;      // the final weight
    static constexpr quint32 Janela = 0x80000005;     // a cell never painted
    static constexpr quint32 FaceBotao = 0x8000000F;  // the fixed column

    // Column alignment codes: 2 is left and bottom; 9, the default, puts numbers to the right and
    // any other text to the left.
    static constexpr int EsquerdaAbaixo = 2;
    static constexpr int Geral = 9;

    explicit GradeDados(QObject* parent = nullptr);

    // A new size keeps the cells that still fit, with their text and colour.
    void setTamanho(int rows, int cols);
    int rows() const { return rows_; }
    int cols() const { return cols_; }

    QString texto(int row, int col) const;
    void setTexto(int row, int col, const QString& texto);
    quint32 fundo(int row, int col) const;
    void setFundo(int row, int col, quint32 cor);
    int alinhamento(int col) const;
    void setAlinhamento(int col, int codigo);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct Celula {
        QString texto;
        quint32 fundo = Janela;
    };
    bool dentro(int row, int col) const;
    Celula& celula(int row, int col) { return celulas_[size_t(row) * cols_ + col]; }
    const Celula& celula(int row, int col) const { return celulas_[size_t(row) * cols_ + col]; }

    int rows_ = 0;
    int cols_ = 0;
    std::vector<Celula> celulas_;
    std::vector<int> alinhamentos_;
};

}  // namespace kivo
