#include "kivo/lists/frmLista.h"

#include "kivo/shell/dados.h"
#include "kivo/shell/descarte.h"

#include "common/platform.h"
#include "common/widgets.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace kivo {

namespace {

// The captions' column, in twips.
constexpr int LeftLabel = 240;

}  // namespace

frmLista::frmLista(Programa& programa, const QString& nome, const Medidas& medidas, QWidget* parent)
    : QDialog(parent), programa_(programa), medidas_(medidas)
{
    setObjectName(nome);
    setModal(true);

    label16_ = new QLabel(this);
    label16_->setObjectName(QStringLiteral("Label16"));
    common::placeTwips(label16_, LeftLabel, 480, medidas_.larguraLegendaQtde, 285);

    txtQtde_ = new QLineEdit(this);
    txtQtde_->setObjectName(QStringLiteral("txtQtde"));
    common::placeTwips(txtQtde_, medidas_.esquerdaQtde, 440, 600, 315);

    label18_ = new QLabel(this);
    label18_->setObjectName(QStringLiteral("Label18"));
    common::placeTwips(label18_, medidas_.esquerdaTexto, 1150, 2000, 285);
}

void frmLista::montaLinhas(const QString& nomeTexto, int tamanhoTexto,
                           const std::function<QList<QWidget*>(int, int)>& colunas)
{
    for (int i = 0; i < listas::Linhas; ++i) {
        const int top = listas::TopoLinhas + listas::PassoLinha * i;
        label1_[i] = new QLabel(this);
        label1_[i]->setObjectName(common::arrayName(QStringLiteral("Label1"), i));
        common::placeTwips(label1_[i], LeftLabel, top + 30, medidas_.esquerdaTexto - LeftLabel - 60, 285);

        txtDescricao_[i] = new QLineEdit(this);
        txtDescricao_[i]->setObjectName(common::arrayName(nomeTexto, i));
        common::setMaxLength(txtDescricao_[i], tamanhoTexto);
        common::placeTwips(txtDescricao_[i], medidas_.esquerdaTexto, top, medidas_.larguraTexto, 315);

        listas::Linha linha{label1_[i], {txtDescricao_[i]}};
        if (colunas)
            linha.controles << colunas(i, top);
        linhas_.append(linha);
    }
}

void frmLista::montaBotoes()
{
    cmdSair_ = montaBotao(QStringLiteral("cmdSair"), LeftLabel, 0, 2400);
    cmdLimpar_ = montaBotao(QStringLiteral("cmdLimpar"), medidas_.esquerdaLimpar, 0, 3300);
}

QPushButton* frmLista::montaBotao(const QString& nome, int esquerda, int abaixo, int largura)
{
    auto* botao = new QPushButton(this);
    botao->setObjectName(nome);
    botoes_.append({botao, esquerda, abaixo, largura});
    return botao;
}

void frmLista::conclui(std::function<bool()> verificaQtde)
{
    saidas_.vigia(txtQtde_, std::move(verificaQtde));
    common::noDefaultButtons(this);  // Enter in a box does not press a button
    layoutRows();
}

void frmLista::retranslate()
{
    label18_->setText(tr("Descrição"));
    if (cmdSair_)
        cmdSair_->setText(tr("&Gravar e Sair"));
    if (cmdLimpar_)
        cmdLimpar_->setText(tr("&Limpar histórico anterior"));
}

void frmLista::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

bool frmLista::confirmaLimpeza()
{
    //: Stays Portuguese in English.
    const QString titulo = tr("Limpar histórico anterior");
    //: Stays Portuguese in English.
    return common::Messages::askYesNo(this, titulo, tr("Confirma a limpeza?"));
}

short frmLista::abreLista(common::Recordset& lista, const QString& tabela)
{
    lista = dados::abreTabela(programa_.db, tabela);
    const short qtde = listas::qtdeGravada(lista.value(QStringLiteral("Qtde")));
    txtQtde_->setText(QString::number(qtde));
    return qtde;
}

QString frmLista::qtdeParaGravar()
{
    if (txtQtde_->text().isEmpty())
        txtQtde_->setText(QString::number(qtdeEmUso()));
    return txtQtde_->text();
}

QStringList frmLista::textos() const
{
    QStringList out;
    for (const QLineEdit* box : findChildren<QLineEdit*>())  // the count box was made first
        out << box->text();
    return out;
}

void frmLista::marcaGravado(bool comQtde)
{
    saidas_.conhecidos();
    const QStringList antes = gravados_;
    gravados_ = textos();
    if (!comQtde && !antes.isEmpty())
        gravados_[0] = antes[0];
}

void frmLista::reject()
{
    if (textos() != gravados_ && !descartaAlteracoes(this))
        return;
    QDialog::reject();
}

void frmLista::done(int result)
{
    saidas_.fechando();
    QDialog::done(result);
}

void frmLista::layoutRows()
{
    const int top = listas::dispoeLinhas(linhas_, qtdeEmUso());
    for (const Botao& b : botoes_)
        common::placeTwips(b.botao, b.esquerda, top + b.abaixo, b.largura, 495);
    // The window ends a margin below its buttons (the tallest, cmdAjuda, stands 100 lower).
    int fundo = top;
    for (const Botao& b : botoes_)
        fundo = std::max(fundo, top + b.abaixo + 495);
    setFixedSize(common::twips(medidas_.larguraJanela), common::twips(fundo + listas::MargemAbaixo));
}

bool frmLista::aceitaQtde(const QString& titulo, const QString& texto, const std::function<void(short)>& guarda)
{
    const auto aceita = listas::saiQtde(txtQtde_, titulo, texto);
    if (!aceita)
        return false;
    guarda(*aceita);
    layoutRows();
    return true;
}

}  // namespace kivo
