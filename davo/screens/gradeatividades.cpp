#include "davo/screens/gradeatividades.h"

#include "common/formats.h"
#include "common/logo.h"
#include "common/store.h"

#include <QFont>

namespace davo {

namespace {

// The system's tooltip background: the system colour index 24.
constexpr quint32 CorDica = 0x80000018;

quint64 chave(int row, int column)
{
    return (quint64(quint32(row)) << 8) | quint32(column);
}

bool verde(int column)
{
    return column == 1 || column == 2 || column == 4 || column == 8 || column == 9 || column == 12 || column == 13;
}

bool destacada(int column)
{
    return column == 6 || column == 7 || column == 10 || column == 11;
}

}  // namespace

const std::array<const char*, GradeAtividades::Colunas> GradeAtividades::Campos = {
    "Codigo",   "Ativo",     "GUT",          "G",           "U",
    "T",        "Atividade", "DataFinal",    "FaltamDias",  "TempoDisp",
    "HorasEst", "HorasTrab", "HorasQFaltam", "HorasTrabDia"};

const std::array<const char*, GradeAtividades::Colunas> GradeAtividades::Titulos = {"",
                                                                                    QT_TR_NOOP("Ativo"),
                                                                                    QT_TR_NOOP("GUT"),
                                                                                    QT_TR_NOOP("Gravidade"),
                                                                                    QT_TR_NOOP("Urgência"),
                                                                                    QT_TR_NOOP("Tendência"),
                                                                                    QT_TR_NOOP("Atividade"),
                                                                                    QT_TR_NOOP("Data Final"),
                                                                                    QT_TR_NOOP("Faltam Dias"),
                                                                                    QT_TR_NOOP("Tempo Disp.(h)"),
                                                                                    QT_TR_NOOP("Horas Estimadas"),
                                                                                    QT_TR_NOOP("Horas já trabalhadas"),
                                                                                    QT_TR_NOOP("Horas Q Faltam"),
                                                                                    QT_TR_NOOP("Horas a Trab. p/dia")};

QString GradeAtividades::titulo(int coluna)
{
    return tr(Titulos[size_t(coluna)]);
}

const std::array<int, GradeAtividades::Colunas> GradeAtividades::Larguras = {0,    400, 600, 400, 400, 400, 6000,
                                                                             1200, 500, 500, 500, 500, 500, 500};

const QColor GradeAtividades::VerdeClaro(192, 255, 192);
const QColor GradeAtividades::Amarelo(255, 255, 0);

GradeAtividades::GradeAtividades(QObject* parent) : QAbstractTableModel(parent) {}

void GradeAtividades::limpa()
{
    beginResetModel();
    lista_ = nullptr;
    atividades_ = 0;
    pintadas_.clear();
    endResetModel();
}

void GradeAtividades::preenche(common::Recordset& lista)
{
    beginResetModel();
    pintadas_.clear();
    lista_ = &lista;
    for (int c = 0; c < Colunas; ++c)
        indices_[c] = lista.fieldIndex(QLatin1String(Campos[c]));
    atividades_ = lista.recordCount();
    if (rows_ < atividades_)
        rows_ = atividades_ + 1;
    endResetModel();
}

void GradeAtividades::setNaoAvaliadas(const QSet<qint64>& codigos)
{
    beginResetModel();
    naoAvaliadas_ = codigos;
    endResetModel();
}

QString GradeAtividades::marcaNaoAvaliada()
{
    return tr("(não avaliada) ");
}

void GradeAtividades::setRows(int rows)
{
    beginResetModel();
    rows_ = rows;
    endResetModel();
}

QString GradeAtividades::codigo(int row) const
{
    return texto(row, 0);
}

void GradeAtividades::pintaCelula(int row, int column, const QColor& colour)
{
    if (row < 0 || row >= rows_)
        return;
    pintadas_.insert(chave(row, column), colour);
    const QModelIndex cell = index(row, column);
    emit dataChanged(cell, cell, {Qt::BackgroundRole});
}

QColor GradeAtividades::fundo(int row, int column) const
{
    const auto painted = pintadas_.constFind(chave(row, column));
    if (painted != pintadas_.constEnd())
        return *painted;
    if (row < atividades_) {
        if (verde(column))
            return VerdeClaro;
        if (row < LinhasDestacadas && destacada(column))
            return common::systemColour(CorDica);
    }
    return Qt::white;
}

bool GradeAtividades::negrito(int row, int column) const
{
    return row < atividades_ && row < LinhasDestacadas && destacada(column);
}

QString GradeAtividades::texto(int row, int column) const
{
    if (!lista_ || row >= atividades_ || row >= lista_->recordCount())
        return {};
    const QVariant value = lista_->valueAt(row, indices_[column]);
    if (column == 13 && !value.isNull())
        return common::formatFixed(value.toDouble(), 1);
    if (value.typeId() == QMetaType::QDate)
        return common::shortDateText(value.toDate());  // the deadline as the system writes dates
    if (column == ColunaAtividade && !naoAvaliadas_.isEmpty() &&
        naoAvaliadas_.contains(lista_->valueAt(row, indices_[0]).toLongLong()))
        return marcaNaoAvaliada() + common::defaultText(value);
    return common::defaultText(value);
}

int GradeAtividades::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int GradeAtividades::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Colunas;
}

QVariant GradeAtividades::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return texto(row, column);
    case Qt::BackgroundRole:
        return fundo(row, column);
    case Qt::FontRole:
        if (negrito(row, column)) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::TextAlignmentRole:
        return column == ColunaAtividade ? QVariant(Qt::AlignLeft | Qt::AlignVCenter) : QVariant(Qt::AlignCenter);
    default:
        return {};
    }
}

}  // namespace davo
