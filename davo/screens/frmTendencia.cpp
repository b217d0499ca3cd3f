#include "davo/screens/frmTendencia.h"

#include "davo/screens/questionario.h"

#include "common/widgets.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>

namespace davo {

namespace {

// The statements, top to bottom; the tendency is the position of the one chosen.
const char* const Danos[5] = {
    "Os danos apontados desaparecerão com o tempo:",
    "Os danos se manterão, independentemente do tempo:",
    "Os danos crescerão levemente com o tempo:",
    "Os danos crescerão muito com o tempo:",
    "Os danos crescerão enormemente com o tempo:",
};

const QString Cabecalho = QStringLiteral("    T");

}  // namespace

frmTendencia::frmTendencia(QLabel* lblT, QWidget* parent) : QDialog(parent), lblT_(lblT)
{
    setObjectName(QStringLiteral("frmTendencia"));
    setWindowTitle(QString());

    const int margem = 8;
    int larguraDano = 200;
    for (const char* dano : Danos)
        larguraDano = std::max(larguraDano, QFontMetrics(font()).horizontalAdvance(QString::fromUtf8(dano)) + 8);
    const int alturaLinha = 26;

    auto* label23 = new QLabel(QStringLiteral("Tendência (dos danos, potencial crescimento dos danos)"), this);
    label23->setObjectName(QStringLiteral("Label23"));
    label23->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
    label23->move(margem, margem);
    label23->adjustSize();

    auto* frame17 = new QFrame(this);
    frame17->setObjectName(QStringLiteral("Frame17"));
    frame17->setFrameShape(QFrame::StyledPanel);

    auto* label42 = new QLabel(QStringLiteral("Se a atividade não for realizada, se nada for feito, "), frame17);
    label42->setObjectName(QStringLiteral("Label42"));
    label42->move(margem, margem);
    label42->adjustSize();

    // The column of buttons stands under the heading's letter.
    const QFontMetrics fm(font());
    const int colunaX = margem + larguraDano + 8;
    const int centro = static_cast<int>(std::lround(fm.horizontalAdvance(QStringLiteral("    ")) +
                                                    fm.horizontalAdvance(QStringLiteral("T")) / 2.0));
    auto* frame22 = new QFrame(frame17);
    frame22->setObjectName(QStringLiteral("Frame22"));
    frame22->setFrameShape(QFrame::NoFrame);
    auto* label32 = new QLabel(Cabecalho, frame22);
    label32->setObjectName(QStringLiteral("Label32"));
    label32->move(0, 0);
    label32->adjustSize();
    label32->setToolTip(QStringLiteral("T: Tendência"));
    frame22->setGeometry(colunaX, label42->y(), label32->width(), label32->height());

    const QRadioButton medida;
    const QSize botao = medida.sizeHint();
    const int topoLinhas = label42->y() + label42->height() + 8;
    grupo_ = new QButtonGroup(this);
    grupo_->setExclusive(true);
    for (int i = 1; i <= 5; ++i) {
        const int y = topoLinhas + (i - 1) * alturaLinha;
        auto* dano = new QLabel(QString::fromUtf8(Danos[i - 1]), frame17);
        dano->setObjectName(common::arrayName(QStringLiteral("lblDanos"), i));
        dano->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        dano->setGeometry(margem, y, larguraDano, alturaLinha);

        auto* opt = new QRadioButton(frame17);
        opt->setObjectName(common::arrayName(QStringLiteral("optT1"), i));
        opt->setGeometry(colunaX + centro - botao.width() / 2, y + (alturaLinha - botao.height()) / 2,
                         botao.width(), botao.height());
        grupo_->addButton(opt, i);
        common::onClick(opt, this, &frmTendencia::optT1_Click);
    }
    const int larguraFrame = std::max(colunaX + std::max(centro + botao.width(), label32->width()) + margem,
                                      label42->x() + label42->width() + margem);
    const int alturaFrame = topoLinhas + 5 * alturaLinha + margem;
    frame17->setGeometry(margem, label23->y() + label23->height() + 8, larguraFrame, alturaFrame);

    const int topoResultado = frame17->y() + alturaFrame + 12;
    auto* label34 = new QLabel(QStringLiteral("Nível de Gravidade ="), this);
    label34->setObjectName(QStringLiteral("Label34"));
    label34->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label34->setGeometry(margem, topoResultado, larguraDano, alturaLinha);
    lblNG2_ = new QLabel(this);
    lblNG2_->setObjectName(QStringLiteral("lblNG2"));
    lblNG2_->setFrameShape(QFrame::Panel);
    lblNG2_->setFrameShadow(QFrame::Sunken);
    lblNG2_->setAlignment(Qt::AlignCenter);
    lblNG2_->setGeometry(margem + larguraDano + 16, topoResultado, 40, alturaLinha);

    auto* cmdGravar = new QPushButton(QStringLiteral("&Gravar"), this);
    cmdGravar->setObjectName(QStringLiteral("cmdGravar"));
    cmdGravar->setAutoDefault(false);
    const int larguraJanela = std::max(larguraFrame, label23->width()) + 2 * margem;
    cmdGravar->setGeometry(larguraJanela - margem - 100, topoResultado + alturaLinha + 12, 100, 30);
    common::onClick(cmdGravar, this, &frmTendencia::cmdGravar_Click);

    setFixedSize(larguraJanela, cmdGravar->y() + cmdGravar->height() + margem);

    Form_Load();
}

void frmTendencia::Form_Load()
{
    questionario::carrega(this, {grupo_}, lblNG2_);
}

QRadioButton* frmTendencia::opcao(int indice) const
{
    return qobject_cast<QRadioButton*>(grupo_->button(indice));
}

void frmTendencia::optT1_Click()
{
    for (int i = 1; i <= 5; ++i) {
        if (grupo_->button(i)->isChecked())
            lblNG2_->setText(QString::number(i));
    }
}

void frmTendencia::cmdGravar_Click()
{
    questionario::grava(this, lblNG2_, lblT_, QStringLiteral("Faltou calcular a Tendência!"),
                        QStringLiteral("Antes de salvar, volte e Calcule a Tendência"));
}

}  // namespace davo
