#include "kivo/lists/criterios.h"

#include "kivo/shell/dados.h"
#include "kivo/shell/database.h"

#include "common/formats.h"
#include "common/platform.h"
#include "common/widgets.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kivo {

namespace {

// Horizontal geometry of the sign and weight columns, in twips.
constexpr int LeftSinal = 6350;
constexpr int LeftPeso = 7000;

}  // namespace

frmCriterios::frmCriterios(Programa& programa, QWidget* parent)
    : frmLista(programa, QStringLiteral("frmCriterios"),
               {.larguraLegendaQtde = 1800,
                .esquerdaQtde = 2100,
                .esquerdaTexto = 1600,
                .larguraTexto = 4600,
                .esquerdaLimpar = 2800,
                .larguraJanela = 8200},
               parent)
{
    label17_ = new QLabel(this);
    label17_->setObjectName(QStringLiteral("Label17"));
    common::placeTwips(label17_, LeftSinal - 150, 1150, 2000, 285);

    montaLinhas(QStringLiteral("txtIdentifica"), 35, [this](int i, int top) -> QList<QWidget*> {
        txtSinal_[i] = new QLineEdit(this);
        txtSinal_[i]->setObjectName(common::arrayName(QStringLiteral("txtSinal"), i));
        txtSinal_[i]->setMaxLength(1);
        txtSinal_[i]->setAlignment(Qt::AlignCenter);
        common::placeTwips(txtSinal_[i], LeftSinal, top, 500, 315);

        lblPeso_[i] = new QLabel(this);
        lblPeso_[i]->setObjectName(common::arrayName(QStringLiteral("lblPeso"), i));
        lblPeso_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        common::placeTwips(lblPeso_[i], LeftPeso, top, 800, 315);

        saidas_.vigia(txtSinal_[i], [this, i] { return txtSinal_LostFocus(i); });
        return {txtSinal_[i], lblPeso_[i]};
    });

    montaBotoes();
    cmdAjuda_ = montaBotao(QStringLiteral("cmdAjuda"), 6300, 100, 1500);

    common::onClick(cmdSair_, this, &frmCriterios::cmdSair_Click);
    // Neither the clear (it empties the boxes itself) nor the help stores a box: none is checked
    // before them.
    common::onClickWithoutCheck(cmdLimpar_, this, &frmCriterios::cmdLimpar_Click);
    common::onClickWithoutCheck(cmdAjuda_, this, &frmCriterios::cmdAjuda_Click);
    conclui([this] { return txtQtde_LostFocus(); });
    retranslate();
}

void frmCriterios::retranslate()
{
    frmLista::retranslate();
    setWindowTitle(tr("Critérios"));
    label16_->setText(tr("Qtde Critérios:"));
    label17_->setText(tr("  Sinal (+-)         Peso"));
    // In Portuguese two blanks before a one-digit number, one before two digits: the colons line up.
    for (int i = 0; i < listas::Linhas; ++i)
        label1_[i]->setText(i < 9 ? tr("Critério  %1:").arg(i + 1) : tr("Critério %1:").arg(i + 1));
    //: Stays Portuguese in English.
    cmdAjuda_->setText(tr("&Ajuda"));
}

void frmCriterios::Form_Load()
{
    programa_.qtdeCriterios = abreLista(criterios_, QStringLiteral("Criterios"));

    // All 15 rows, also those beyond the count. A null description or sign reads as the empty
    // text, as a cleared row holds.
    for (int i = 0; i < listas::Linhas; ++i) {
        txtDescricao_[i]->setText(criterios_.text(QStringLiteral("Identifica")));
        txtSinal_[i]->setText(criterios_.text(QStringLiteral("Sinal")));
        lblPeso_[i]->setText(listas::textoPeso(criterios_.value(QStringLiteral("Peso"))));
        if (!criterios_.eof())
            criterios_.moveNext();
    }

    layoutRows();
    marcaGravado();
}

bool frmCriterios::txtQtde_LostFocus()
{
    // The other screens use the new count from now on, saved or not.
    //: Stays Portuguese in English.
    const QString titulo = tr("Qtde de Critérios não aceita!");
    //: Stays Portuguese in English.
    const QString texto = tr("Nº de critérios deve ser no máximo 15 itens");
    return aceitaQtde(titulo, texto, [this](short qtde) { programa_.qtdeCriterios = qtde; });
}

bool frmCriterios::txtSinal_LostFocus(int index)
{
    if (listas::sinalValido(txtSinal_[index]->text()))
        return true;
    //: Stays Portuguese in English.
    const QString titulo = tr("Só aceito + ou -");
    //: Stays Portuguese in English.
    const QString texto = tr("Sinal do item %1 não informado corretamente");
    common::Messages::exclamation(this, titulo, texto.arg(common::formatTwoDigits(index + 1)));
    txtSinal_[index]->clear();
    // Saving goes on: the computation of the results refuses a criterion without its sign.
    return true;
}

void frmCriterios::cmdSair_Click()
{
    const QList<dados::LinhaCriterio> linhas = linhasEmUso([this](int i) {
        return dados::LinhaCriterio{txtDescricao_[i]->text(), txtSinal_[i]->text()};
    });
    dados::gravaCriterios(programa_.db, criterios_, linhas, qtdeParaGravar());
    accept();
}

void frmCriterios::cmdLimpar_Click()
{
    // As the alternatives screen asks before its clear: this one erases every criterion's name,
    // sign, weight and comparisons.
    if (!confirmaLimpeza())
        return;
    dados::limpaHistoricoCriterios(programa_.db, criterios_);
    for (int i = 0; i < listas::Linhas; ++i) {
        txtDescricao_[i]->clear();
        txtSinal_[i]->clear();
        lblPeso_[i]->clear();
    }
    marcaGravado(false);
}

void frmCriterios::cmdAjuda_Click()
{
    frmCriteriosAj ajuda(programa_, this);
    common::Modal::exec(ajuda);
}

frmCriteriosAj::frmCriteriosAj(Programa&, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCriteriosAj"));
    setModal(true);

    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setWordWrap(true);
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    common::placeTwips(label1_, 240, 240, 6000, 3900);

    cmdSair_ = new QPushButton(this);
    cmdSair_->setObjectName(QStringLiteral("cmdSair"));
    common::placeTwips(cmdSair_, 4740, 4300, 1500, 495);
    common::onClick(cmdSair_, this, &frmCriteriosAj::cmdSair_Click);

    setFixedSize(common::twips(6480), common::twips(5040));
    retranslate();
}

void frmCriteriosAj::retranslate()
{
    //: Stays Portuguese in English.
    setWindowTitle(tr("Ajuda da Tela Critérios"));
    //: Stays Portuguese in English.
    label1_->setText(
        tr("Qtde Critérios: quantos critérios serão usados para comparar as alternativas, de 3 a 15. "
           "Só as linhas desta quantidade aparecem e são gravadas.\n\n"
           "Descrição: o nome do critério, com até 35 caracteres.\n\n"
           "Sinal: + quando o critério é um benefício (quanto mais, melhor) e - quando é um custo "
           "(quanto menos, melhor).\n\n"
           "Peso: a importância do critério, de 1 a 10. É calculado na tela Pesos, a partir da "
           "comparação dos critérios dois a dois, e aqui é apenas mostrado, sem poder ser alterado.\n\n"
           "Gravar e Sair guarda as descrições, os sinais e a quantidade. Limpar histórico anterior "
           "apaga as descrições, os sinais, os pesos e as comparações de todos os critérios."));
    //: Stays Portuguese in English.
    cmdSair_->setText(tr("&Voltar"));
}

void frmCriteriosAj::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void frmCriteriosAj::cmdSair_Click()
{
    accept();
}

}  // namespace kivo
