#include "kivo/shell/areatransferencia.h"

#include "kivo/shell/planilha.h"

#include "common/platform.h"
#include "common/widgets.h"

#include <QCoreApplication>
#include <QAbstractItemView>
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>

#include <algorithm>
#include <set>

namespace kivo {

namespace {

bool linhaOculta(const QAbstractItemView* grade, int row)
{
    const auto* tabela = qobject_cast<const QTableView*>(grade);
    return tabela && tabela->isRowHidden(row);
}

bool colunaOculta(const QAbstractItemView* grade, int column)
{
    const auto* tabela = qobject_cast<const QTableView*>(grade);
    return tabela && tabela->isColumnHidden(column);
}

// Runs `acao` for the key events matching `tecla` sent to the object it filters, and eats them.
class FiltroTecla : public QObject {
public:
    FiltroTecla(QObject* alvo, QKeySequence::StandardKey tecla, std::function<bool()> acao)
        : QObject(alvo), tecla_(tecla), acao_(std::move(acao))
    {
        alvo->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
            return QObject::eventFilter(watched, event);
        auto* key = static_cast<QKeyEvent*>(event);
        if (!key->matches(tecla_))
            return QObject::eventFilter(watched, event);
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();  // the key is this control's, not a menu's
            return false;
        }
        bool feito = false;
        common::runGuarded([&] { feito = acao_(); });
        return feito;
    }

private:
    QKeySequence::StandardKey tecla_;
    std::function<bool()> acao_;
};

}  // namespace

QString celulasSelecionadas(const QAbstractItemView* grade)
{
    const QAbstractItemModel* model = grade->model();
    if (!model)
        return {};
    std::set<int> linhas, colunas;
    const QItemSelectionModel* selecao = grade->selectionModel();
    const QModelIndexList escolhidas = selecao ? selecao->selectedIndexes() : QModelIndexList();
    std::set<std::pair<int, int>> celulas;
    for (const QModelIndex& i : escolhidas) {
        linhas.insert(i.row());
        colunas.insert(i.column());
        celulas.insert({i.row(), i.column()});
    }
    const bool tudo = escolhidas.isEmpty();
    if (tudo) {
        for (int r = 0; r < model->rowCount(); ++r)
            linhas.insert(r);
        for (int c = 0; c < model->columnCount(); ++c)
            colunas.insert(c);
    }
    QList<QStringList> tabela;
    for (int r : linhas) {
        if (linhaOculta(grade, r))
            continue;
        QStringList linha;
        for (int c : colunas) {
            if (colunaOculta(grade, c))
                continue;
            linha << (tudo || celulas.count({r, c}) ? planilha::textoCelula(model->data(model->index(r, c)))
                                                    : QString());
        }
        tabela << linha;
    }
    return planilha::textoTabulado(tabela);
}

void copiaComCtrlC(QAbstractItemView* grade)
{
    new FiltroTecla(grade, QKeySequence::Copy, [grade] {
        QGuiApplication::clipboard()->setText(celulasSelecionadas(grade));
        return true;
    });
}

bool colaEm(const QList<QLineEdit*>& caixas, int inicio, const QString& texto, const std::function<void(int)>& recusa)
{
    const QStringList linhas = planilha::linhasColadas(texto);
    QList<int> destino;
    for (int i = inicio; i < caixas.size(); ++i)
        if (i == inicio || (!caixas[i]->isHidden() && caixas[i]->isEnabled()))
            destino << i;
    if (linhas.size() > destino.size()) {
        common::Messages::exclamation(
            caixas[inicio]->window(), QCoreApplication::translate("kivo::colaColuna", "Valores demais!"),
            QCoreApplication::translate("kivo::colaColuna",
                                        "A coluna colada tem %1 valores, mas só há %2 caixas desta para baixo. "
                                        "Nada foi colado.")
                .arg(linhas.size())
                .arg(destino.size()));
        return false;
    }
    const int ruim = planilha::primeiraNaoNumerica(linhas);
    if (ruim >= 0) {
        recusa(destino[ruim]);
        return false;
    }
    for (int j = 0; j < linhas.size(); ++j)
        caixas[destino[j]]->setText(linhas[j].trimmed());
    return true;
}

void colaColuna(const QList<QLineEdit*>& caixas, std::function<void(int)> recusa)
{
    for (int i = 0; i < caixas.size(); ++i) {
        new FiltroTecla(caixas[i], QKeySequence::Paste, [caixas, i, recusa] {
            const QString texto = QGuiApplication::clipboard()->text();
            if (!texto.contains(u'\t') && planilha::linhasColadas(texto).size() <= 1)
                return false;  // one value: the box pastes it as it always does
            colaEm(caixas, i, texto, recusa);
            return true;
        });
    }
}

}  // namespace kivo
