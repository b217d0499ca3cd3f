#include "kivo/lists/alternativas.h"

#include "kivo/shell/dados.h"
#include "kivo/shell/database.h"

#include "common/platform.h"
#include "common/widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kivo {

frmAlternativas::frmAlternativas(Programa& programa, QWidget* parent)
    : frmLista(programa, QStringLiteral("frmAlternativas"),
               {.larguraLegendaQtde = 2000,
                .esquerdaQtde = 2300,
                .esquerdaTexto = 1900,
                .larguraTexto = 4200,
                .esquerdaLimpar = 2880,
                .larguraJanela = 6500},
               parent)
{
    montaLinhas(QStringLiteral("txtAlternativa"), 30);
    montaBotoes();

    common::onClick(cmdSair_, this, &frmAlternativas::cmdSair_Click);
    // The clear empties the boxes itself: no box is checked before it.
    common::onClickWithoutCheck(cmdLimpar_, this, &frmAlternativas::cmdLimpar_Click);
    conclui([this] { return txtQtde_LostFocus(); });
    retranslate();
}

void frmAlternativas::retranslate()
{
    frmLista::retranslate();
    setWindowTitle(tr("Alternativas"));
    //: Stays Portuguese in English.
    label16_->setText(tr("Qtde de Alternativas:"));
    // Two blanks before the number in Portuguese, whatever its digits.
    for (int i = 0; i < listas::Linhas; ++i)
        label1_[i]->setText(tr("Alternativa  %1:").arg(i + 1));
}

void frmAlternativas::Form_Load()
{
    qtde_ = abreLista(alternativas_, QStringLiteral("Alternativas"));

    for (int i = 0; i < listas::linhasVisiveis(qtde_); ++i) {
        txtDescricao_[i]->setText(alternativas_.text(QStringLiteral("Alternativa")));
        if (!alternativas_.eof())
            alternativas_.moveNext();
    }

    layoutRows();
    marcaGravado();
}

bool frmAlternativas::txtQtde_LostFocus()
{
    // The same words serve for a count below 3.
    //: Stays Portuguese in English.
    const QString titulo = tr("Qtde de Alternativas não aceita!");
    //: Stays Portuguese in English.
    const QString texto = tr("Nº de Alternativas deve ser no máximo 15 itens");
    return aceitaQtde(titulo, texto, [this](short qtde) { qtde_ = qtde; });
}

void frmAlternativas::cmdSair_Click()
{
    const QStringList nomes = linhasEmUso([this](int i) { return txtDescricao_[i]->text(); });
    // A count still as loaded (0 after a clear) shows no row: nothing is written.
    dados::gravaAlternativas(programa_.db, alternativas_, nomes, qtdeParaGravar());
    accept();
}

void frmAlternativas::cmdLimpar_Click()
{
    if (!confirmaLimpeza())
        return;

    dados::limpaHistoricoAlternativas(programa_.db, alternativas_);
    for (QLineEdit* box : txtDescricao_)
        box->clear();
    marcaGravado(false);
}

}  // namespace kivo
