#include "kivo/weighting/frmValores.h"

#include "kivo/shell/areatransferencia.h"
#include "kivo/shell/dados.h"
#include "kivo/shell/database.h"
#include "kivo/shell/descarte.h"
#include "kivo/weighting/valores.h"

#include "common/formats.h"
#include "common/platform.h"
#include "common/store.h"
#include "common/widgets.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>

namespace kivo {

namespace {

constexpr int Linhas = 15;

// The message of a value box that holds no number; `index` counts from 0.
void avisaValor(QWidget* tela, int index)
{
    //: Stays Portuguese in English.
    const QString titulo =
        QCoreApplication::translate("kivo::frmValores", "O valor deve ser numérico... não será salvo!");
    //: Stays Portuguese in English.
    const QString texto = QCoreApplication::translate("kivo::frmValores", "Peso do item %1 não informado corretamente");
    common::Messages::exclamation(tela, titulo, texto.arg(common::formatTwoDigits(index + 1)));
}

// Geometry, in twips.
constexpr int Topo = 240;
constexpr int Passo = 400;       // one row or option
constexpr int TopoLinhas = 650;  // first row inside Frame1
constexpr int TopoOpcoes = 350;  // first option inside Frame2
constexpr int LarguraFrame1 = 7000;
constexpr int EsquerdaFrame2 = 240 + LarguraFrame1 + 200;
constexpr int LarguraFrame2 = 3600;
constexpr int LarguraJanela = EsquerdaFrame2 + LarguraFrame2 + 240;

// The window's margin below its buttons, as on the other dialogs.
constexpr int MargemAbaixo = 240;
constexpr int AlturaBotao = 495;

}  // namespace

frmValores::frmValores(Programa& programa, QWidget* parent) : QDialog(parent), programa_(programa)
{
    setObjectName(QStringLiteral("frmValores"));
    setModal(true);

    frame1_ = common::withName(new QGroupBox(this), QStringLiteral("Frame1"));
    label18_ = common::withName(new QLabel(frame1_), QStringLiteral("Label18"));
    common::placeTwips(label18_, 1700, 300, 2000, 285);
    label16_ = common::withName(new QLabel(frame1_), QStringLiteral("Label16"));
    common::placeTwips(label16_, 5500, 300, 1300, 285);
    for (int i = 0; i < Linhas; ++i) {
        const int top = TopoLinhas + Passo * i;
        label1_[i] = common::withName(new QLabel(frame1_), common::arrayName(QStringLiteral("Label1"), i));
        common::placeTwips(label1_[i], 150, top + 30, 1500, 285);
        lblAlternativa_[i] =
            common::withName(new QLabel(frame1_), common::arrayName(QStringLiteral("lblAlternativa"), i));
        common::placeTwips(lblAlternativa_[i], 1700, top + 30, 3700, 285);
        txtValor_[i] = common::withName(new QLineEdit(frame1_), common::arrayName(QStringLiteral("txtValor"), i));
        txtValor_[i]->setAlignment(Qt::AlignRight);
        common::placeTwips(txtValor_[i], 5500, top, 1300, 315);
        // Nothing to type into before a criterion is chosen.
        txtValor_[i]->setEnabled(false);
        for (QWidget* w : {static_cast<QWidget*>(label1_[i]), static_cast<QWidget*>(lblAlternativa_[i]),
                           static_cast<QWidget*>(txtValor_[i])})
            w->hide();
        common::onLostFocus(txtValor_[i], [this, i] { return txtValor_LostFocus(i); });
    }
    // A column pasted from a spreadsheet fills a box and the ones below it.
    colaColuna(QList<QLineEdit*>(std::begin(txtValor_), std::end(txtValor_)),
               [this](int index) { avisaValor(this, index); });

    frame2_ = common::withName(new QGroupBox(this), QStringLiteral("Frame2"));
    for (int i = 0; i < Linhas; ++i) {
        optCriterio_[i] =
            common::withName(new QRadioButton(frame2_), common::arrayName(QStringLiteral("optCriterio"), i));
        optCriterio_[i]->hide();
        // As a button, an option leaves the focus in the box, whose check runs first: a refused
        // box keeps its criterion.
        optCriterio_[i]->setFocusPolicy(Qt::TabFocus);
        connect(optCriterio_[i], &QRadioButton::clicked, this, [this, i] {
            if (!common::runPendingCheck(this)) {
                marcaOpcao();
                return;
            }
            common::runGuarded([this, i] { optCriterio_Click(i); });
        });
    }

    cmdGravar_ = common::withName(new QPushButton(this), QStringLiteral("cmdGravar"));
    cmdSair_ = common::withName(new QPushButton(this), QStringLiteral("cmdSair"));
    common::onClick(cmdGravar_, this, &frmValores::cmdGravar_Click);
    // The way out stores nothing: no box is checked before it.
    common::onClickWithoutCheck(cmdSair_, this, &frmValores::cmdSair_Click);
    common::noDefaultButtons(this);  // Enter in a box does not press a button
    retranslate();
}

void frmValores::retranslate()
{
    setWindowTitle(tr("Valores"));
    frame1_->setTitle(tr("Alternativas:  "));
    label18_->setText(tr("Descrição"));
    label16_->setText(tr("Valores", "heading of the values column"));
    // The number right-aligned in two places: "Alternativa  1:" .. "Alternativa 15:".
    for (int i = 0; i < Linhas; ++i)
        //: Stays Portuguese in English.
        label1_[i]->setText(tr("Alternativa %1:").arg(i + 1, 2));
    frame2_->setTitle(tr("Critérios:  "));
    cmdGravar_->setText(tr("&Gravar"));
    cmdSair_->setText(tr("&Voltar"));
}

void frmValores::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void frmValores::Form_Load()
{
    alternativas_ = dados::abreTabela(programa_.db, QStringLiteral("Alternativas"));
    const int m = alternativas_.eof() ? 0 : dados::qtdeGravada(alternativas_.value(QStringLiteral("Qtde")));
    // Every named alternative gets its row, also beyond the count; a blank one keeps its hidden
    // box, which still carries its value.
    for (int i = 0; i < Linhas && !alternativas_.eof(); ++i) {
        const QString nome = alternativas_.text(QStringLiteral("Alternativa"));
        if (!nome.trimmed().isEmpty()) {
            label1_[i]->show();
            lblAlternativa_[i]->show();
            txtValor_[i]->show();
            lblAlternativa_[i]->setText(nome);
        }
        alternativas_.moveNext();
    }
    const int altura1 = Passo * std::clamp(m, 0, Linhas) + 900;

    criterios_ = dados::abreTabela(programa_.db, QStringLiteral("Criterios"));
    if (!criterios_.eof())
        programa_.qtdeCriterios =
            static_cast<short>(dados::qtdeGravada(criterios_.value(QStringLiteral("Qtde")), 1, Linhas));
    // Option i always means criterion i + 1; a blank criterion gets none, and the options shown
    // stand one under the other.
    int c = 0;
    for (int i = 0; i < programa_.qtdeCriterios && !criterios_.eof(); ++i) {
        const QString nome = criterios_.text(QStringLiteral("Identifica")).trimmed();
        if (!nome.isEmpty()) {
            optCriterio_[i]->setText(nome);
            optCriterio_[i]->setToolTip(nome);  // a long name is cut by the frame's width
            common::placeTwips(optCriterio_[i], 200, TopoOpcoes + Passo * c, LarguraFrame2 - 400, 315);
            optCriterio_[i]->show();
            ++c;
        }
        criterios_.moveNext();
    }
    const int altura2 = Passo * c + 700;
    // The user starts by choosing a criterion: the focus waits on the first option, not in an
    // empty box that would be refused on leaving it.
    for (QRadioButton* opt : optCriterio_)
        if (!opt->isHidden()) {
            opt->setFocus();
            break;
        }

    common::placeTwips(frame1_, 240, Topo, LarguraFrame1, altura1);
    common::placeTwips(frame2_, EsquerdaFrame2, Topo, LarguraFrame2, altura2);
    const int maior = std::max(altura1, altura2);
    // The window is 2000 twips taller than the taller frame; its buttons stand at its foot, a
    // margin above its lower edge, so no empty band is left below them.
    const int altura = maior + 2000;
    const int botoes = altura - MargemAbaixo - AlturaBotao;
    common::placeTwips(cmdGravar_, 240, botoes, 1500, AlturaBotao);
    common::placeTwips(cmdSair_, 1900, botoes, 1500, AlturaBotao);
    setFixedSize(common::twips(LarguraJanela), common::twips(altura));

    atual_ = 0;
}

void frmValores::optCriterio_Click(int index)
{
    if (atual_ != 0) {
        gravaCaixas();
        for (QRadioButton* opt : optCriterio_) {
            QFont f = opt->font();
            f.setBold(false);
            opt->setFont(f);
        }
    }
    QFont f = optCriterio_[index]->font();
    f.setBold(true);
    optCriterio_[index]->setFont(f);

    atual_ = static_cast<short>(index + 1);
    marcaOpcao();
    for (QLineEdit* box : txtValor_)
        box->setEnabled(true);
    const auto valores = valores::le(criterios_, atual_);
    semRegistro_ = !valores;
    if (semRegistro_) {
        // No record for this criterion: nothing to show, nothing to store.
        for (QLineEdit* box : txtValor_)
            box->clear();
        gravados_ = textos();
        return;
    }
    // A field without a value leaves its box as it was.
    for (int a = 0; a < Linhas; ++a)
        if (const auto& valor = valores->value(a))
            txtValor_[a]->setText(*valor);
    gravados_ = textos();
}

QStringList frmValores::textos() const
{
    QStringList out;
    for (const QLineEdit* box : txtValor_)
        out << box->text();
    return out;
}

// The option of the current criterion checked, no other.
void frmValores::marcaOpcao()
{
    for (int i = 0; i < Linhas; ++i) {
        optCriterio_[i]->setAutoExclusive(false);
        optCriterio_[i]->setChecked(i + 1 == atual_);
        optCriterio_[i]->setAutoExclusive(true);
    }
    // Tab stops at the options once, on the chosen one (the arrows move among them).
    if (atual_ >= 1 && atual_ <= Linhas)
        for (int i = 0; i < Linhas; ++i)
            optCriterio_[i]->setFocusPolicy(i + 1 == atual_ ? Qt::TabFocus : Qt::NoFocus);
}

bool frmValores::txtValor_LostFocus(int index)
{
    // Only what the user changed is checked: a box as loaded or last stored stores nothing new.
    const bool comoGravado = index < gravados_.size() && txtValor_[index]->text() == gravados_[index];
    if (comoGravado || common::isNumeric(txtValor_[index]->text()))
        return true;
    avisaValor(this, index);
    txtValor_[index]->setFocus();
    return false;
}

void frmValores::cmdGravar_Click()
{
    gravaCaixas();
}

// Only the fields that hold a value are written, each with its box; a box whose text is not a
// number (only a hidden box can keep one, the others are checked as they are left) is not.
void frmValores::gravaCaixas()
{
    if (atual_ == 0 || semRegistro_)
        return;
    valores::grava(criterios_, textos());
    gravados_ = textos();
}

void frmValores::cmdSair_Click()
{
    reject();
}

void frmValores::reject()
{
    if (atual_ != 0 && textos() != gravados_ && !descartaAlteracoes(this))
        return;
    QDialog::reject();
}

}  // namespace kivo
