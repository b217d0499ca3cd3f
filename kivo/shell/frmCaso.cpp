#include "kivo/shell/frmCaso.h"

#include "kivo/shell/caso.h"
#include "kivo/shell/idioma.h"

#include "common/platform.h"
#include "common/widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kivo {

namespace {

constexpr int TamanhoNome = 60;
constexpr int TamanhoObjetivo = 200;

}  // namespace

frmCaso::frmCaso(Programa& programa, QWidget* parent) : QDialog(parent), programa_(programa)
{
    setObjectName(QStringLiteral("frmCaso"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    auto* grade = new QGridLayout;
    layout->addLayout(grade);

    auto* Label1 = common::withName(new QLabel(this), QStringLiteral("Label1"));
    txtNome_ = common::withName(new QLineEdit(this), QStringLiteral("txtNome"));
    common::setMaxLength(txtNome_, TamanhoNome);
    Label1->setBuddy(txtNome_);
    auto* Label2 = common::withName(new QLabel(this), QStringLiteral("Label2"));
    txtObjetivo_ = common::withName(new QLineEdit(this), QStringLiteral("txtObjetivo"));
    common::setMaxLength(txtObjetivo_, TamanhoObjetivo);
    Label2->setBuddy(txtObjetivo_);
    grade->addWidget(Label1, 0, 0);
    grade->addWidget(txtNome_, 1, 0);
    grade->addWidget(Label2, 2, 0);
    grade->addWidget(txtObjetivo_, 3, 0);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    cmdGravar_ = common::withName(new QPushButton(this), QStringLiteral("cmdGravar"));
    cmdSair_ = common::withName(new QPushButton(this), QStringLiteral("cmdSair"));
    common::onClick(cmdGravar_, this, &frmCaso::cmdGravar_Click);
    common::onClick(cmdSair_, this, &frmCaso::cmdSair_Click);
    botoes->addWidget(cmdGravar_);
    botoes->addWidget(cmdSair_);
    layout->addLayout(botoes);

    setTabOrder(txtNome_, txtObjetivo_);
    setTabOrder(txtObjetivo_, cmdGravar_);
    setTabOrder(cmdGravar_, cmdSair_);
    common::noDefaultButtons(this);
    retranslate();
    resize(560, sizeHint().height());
}

void frmCaso::retranslate()
{
    aplicaTextos(this, {
                           {"", tr("Propriedades do caso")},
                           {"Label1", tr("&Nome do caso:")},
                           {"Label2", tr("&Objetivo a alcançar ou sintoma indesejado:")},
                           {"cmdGravar", tr("&Gravar")},
                           {"cmdSair", tr("&Sair")},
                       });
}

void frmCaso::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void frmCaso::Form_Load()
{
    const caso::Propriedades p = caso::lePropriedades(programa_.db);
    nome_ = p.nome;
    objetivo_ = p.objetivo;
    txtNome_->setText(nome_);
    txtObjetivo_->setText(objetivo_);
    txtNome_->setFocus();
}

bool frmCaso::alterado() const
{
    return txtNome_->text() != nome_ || txtObjetivo_->text() != objetivo_;
}

void frmCaso::cmdGravar_Click()
{
    caso::gravaPropriedades(programa_.db, {txtNome_->text(), txtObjetivo_->text()});
    saindo_ = true;
    accept();
}

void frmCaso::cmdSair_Click()
{
    if (alterado()) {
        const bool sim = common::Messages::askYesNo(
            this, tr("Sair sem gravar?"),
            tr("O nome ou o objetivo foi alterado e não foi gravado. Sair e perder as alterações?"),
            QMessageBox::Warning);
        if (!sim)
            return;
    }
    saindo_ = true;
    QDialog::reject();
}

// Esc and the window's close button leave as the exit button does.
void frmCaso::reject()
{
    if (saindo_) {
        QDialog::reject();
        return;
    }
    common::runGuarded([this] { cmdSair_Click(); });
}

}  // namespace kivo
