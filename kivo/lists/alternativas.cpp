#include "kivo/lists/alternativas.h"

#include "kivo/lists/listas.h"
#include "kivo/shell/dados.h"
#include "kivo/shell/database.h"
#include "kivo/shell/idioma.h"

#include "common/platform.h"
#include "common/widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kivo {

namespace {

// Horizontal geometry, in twips.
constexpr int LeftLabel = 240;
constexpr int LeftText = 1900;
constexpr int TextWidth = 4200;
constexpr int WindowWidth = 6500;

}  // namespace

frmAlternativas::frmAlternativas(Programa& programa, QWidget* parent) : QDialog(parent), programa_(programa)
{
    using listas::posiciona;
    setObjectName(QStringLiteral("frmAlternativas"));
    setWindowTitle(QStringLiteral("Alternativas"));
    setModal(true);

    label16_ = new QLabel(QStringLiteral("Qtde de Alternativas:"), this);
    label16_->setObjectName(QStringLiteral("Label16"));
    posiciona(label16_, LeftLabel, 480, 2000, 285);

    txtQtde_ = new QLineEdit(this);
    txtQtde_->setObjectName(QStringLiteral("txtQtde"));
    posiciona(txtQtde_, 2300, 440, 600, 315);

    label18_ = new QLabel(QStringLiteral("Descrição"), this);
    label18_->setObjectName(QStringLiteral("Label18"));
    posiciona(label18_, LeftText, 1150, 2000, 285);

    for (int i = 0; i < listas::Linhas; ++i) {
        const int top = listas::TopoLinhas + listas::PassoLinha * i;
        label1_[i] = new QLabel(QStringLiteral("Alternativa  %1:").arg(i + 1), this);
        label1_[i]->setObjectName(common::arrayName(QStringLiteral("Label1"), i));
        posiciona(label1_[i], LeftLabel, top + 30, LeftText - LeftLabel - 60, 285);

        txtAlternativa_[i] = new QLineEdit(this);
        txtAlternativa_[i]->setObjectName(common::arrayName(QStringLiteral("txtAlternativa"), i));
        common::setMaxLength(txtAlternativa_[i], 30);
        posiciona(txtAlternativa_[i], LeftText, top, TextWidth, 315);
    }

    cmdSair_ = new QPushButton(QStringLiteral("&Gravar e Sair"), this);
    cmdSair_->setObjectName(QStringLiteral("cmdSair"));
    cmdLimpar_ = new QPushButton(QStringLiteral("&Limpar histórico anterior"), this);
    cmdLimpar_->setObjectName(QStringLiteral("cmdLimpar"));

    common::onClick(cmdSair_, this, &frmAlternativas::cmdSair_Click);
    common::onClick(cmdLimpar_, this, &frmAlternativas::cmdLimpar_Click);
    saidas_.vigia(txtQtde_, [this] { return txtQtde_LostFocus(); });
    common::noDefaultButtons(this);  // Enter in a box does not press a button

    layoutRows();
}

void frmAlternativas::done(int result)
{
    saidas_.fechando();
    QDialog::done(result);
}

void frmAlternativas::Form_Load()
{
    legendasAlternativas(this, programa_.idioma);

    alternativas_ = dados::abreTabela(programa_.db, QStringLiteral("Alternativas"));

    qtde_ = listas::qtdeGravada(alternativas_.value(QStringLiteral("Qtde")));
    txtQtde_->setText(QString::number(qtde_));

    for (int i = 0; i < listas::linhasVisiveis(qtde_); ++i) {
        txtAlternativa_[i]->setText(alternativas_.text(QStringLiteral("Alternativa")));
        if (!alternativas_.eof())
            alternativas_.moveNext();
    }

    layoutRows();
}

void frmAlternativas::layoutRows()
{
    QList<listas::Linha> linhas;
    for (int i = 0; i < listas::Linhas; ++i)
        linhas.append({label1_[i], {txtAlternativa_[i]}});
    const int top = listas::dispoeLinhas(linhas, qtde_);
    listas::posiciona(cmdSair_, LeftLabel, top, 2400, 495);
    listas::posiciona(cmdLimpar_, 2880, top, 3300, 495);
    setFixedSize(common::twips(WindowWidth), common::twips(top + listas::AlturaAbaixo));
}

bool frmAlternativas::txtQtde_LostFocus()
{
    // The same words serve for a count below 3.
    const auto aceita = listas::saiQtde(txtQtde_, QStringLiteral("Qtde de Alternativas não aceita!"),
                                        QStringLiteral("Nº de Alternativas deve ser no máximo 15 itens"));
    if (!aceita)
        return false;
    qtde_ = *aceita;
    layoutRows();
    return true;
}

void frmAlternativas::cmdSair_Click()
{
    QStringList nomes;
    for (int i = 0; i < listas::linhasVisiveis(qtde_); ++i)
        nomes << txtAlternativa_[i]->text();
    dados::gravaAlternativas(programa_.db, alternativas_, nomes, txtQtde_->text());
    accept();
}

void frmAlternativas::cmdLimpar_Click()
{
    if (!common::Messages::askYesNo(this, QStringLiteral("Limpar histórico anterior"),
                                    QStringLiteral("Confirma a limpeza?")))
        return;

    dados::limpaHistoricoAlternativas(programa_.db, alternativas_);
    for (QLineEdit* box : txtAlternativa_)
        box->clear();
}

}  // namespace kivo
