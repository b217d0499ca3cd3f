#include "kivo/weighting/gradedados.h"

#include "common/formats.h"
#include "common/logo.h"

#include <QBrush>

#include <stdexcept>

namespace kivo {

GradeDados::GradeDados(QObject* parent) : QAbstractTableModel(parent) {}

void GradeDados::setTamanho(int rows, int cols)
{
    rows = std::max(rows, 0);
    cols = std::max(cols, 0);
    std::vector<Celula> novas(size_t(rows) * cols);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            Celula& nova = novas[size_t(r) * cols + c];
            if (r < rows_ && c < cols_)
                nova = celula(r, c);
            else if (c == 0)
                nova.fundo = FaceBotao;  // the fixed column of the names
        }
    beginResetModel();
    rows_ = rows;
    cols_ = cols;
    celulas_ = std::move(novas);
    alinhamentos_.resize(size_t(cols), Geral);
    endResetModel();
}

bool GradeDados::dentro(int row, int col) const
{
    return row >= 0 && row < rows_ && col >= 0 && col < cols_;
}

QString GradeDados::texto(int row, int col) const
{
    if (!dentro(row, col))
        throw std::out_of_range("célula fora da grade");
    return celula(row, col).texto;
}

void GradeDados::setTexto(int row, int col, const QString& texto)
{
    if (!dentro(row, col))
        throw std::out_of_range("célula fora da grade");
    celula(row, col).texto = texto;
    const QModelIndex i = index(row, col);
    emit dataChanged(i, i, {Qt::DisplayRole, Qt::TextAlignmentRole});
}

quint32 GradeDados::fundo(int row, int col) const
{
    if (!dentro(row, col))
        throw std::out_of_range("célula fora da grade");
    return celula(row, col).fundo;
}

void GradeDados::setFundo(int row, int col, quint32 cor)
{
    if (!dentro(row, col))
        throw std::out_of_range("célula fora da grade");
    celula(row, col).fundo = cor;
    const QModelIndex i = index(row, col);
    emit dataChanged(i, i, {Qt::BackgroundRole});
}

int GradeDados::alinhamento(int col) const
{
    return col >= 0 && col < cols_ ? alinhamentos_[size_t(col)] : Geral;
}

void GradeDados::setAlinhamento(int col, int codigo)
{
    if (col < 0 || col >= cols_)
        throw std::out_of_range("coluna fora da grade");
    alinhamentos_[size_t(col)] = codigo;
    if (rows_ > 0)
        emit dataChanged(index(0, col), index(rows_ - 1, col), {Qt::TextAlignmentRole});
}

int GradeDados::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int GradeDados::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : cols_;
}

QVariant GradeDados::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !dentro(index.row(), index.column()))
        return {};
    const Celula& c = celula(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
        return c.texto;
    case Qt::BackgroundRole:
        return QBrush(common::systemColour(c.fundo));
    case Qt::TextAlignmentRole: {
        if (alinhamento(index.column()) == EsquerdaAbaixo)
            return int(Qt::AlignLeft | Qt::AlignBottom);
        const bool numero = common::isNumeric(c.texto);
        return int((numero ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    case Qt::ToolTipRole:  // a criterion's whole name, where its column cuts it
        return index.column() == 0 && !c.texto.isEmpty() ? QVariant(c.texto) : QVariant();
    default:
        return {};
    }
}

Qt::ItemFlags GradeDados::flags(const QModelIndex& index) const
{
    // Cells are clicked, never edited in place.
    return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}

}  // namespace kivo
