#include "davo/screens/frmTendencia.h"

#include "davo/screens/questionario.h"

#include "common/widgets.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>
#include <functional>

namespace davo {

namespace {

// The statements, top to bottom; the tendency is the position of the one chosen.
const char* const Danos[5] = {
    QT_TRANSLATE_NOOP("davo::frmTendencia", "Os danos apontados desaparecerão com o tempo:"),
    QT_TRANSLATE_NOOP("davo::frmTendencia", "Os danos se manterão, independentemente do tempo:"),
    QT_TRANSLATE_NOOP("davo::frmTendencia", "Os danos crescerão levemente com o tempo:"),
    QT_TRANSLATE_NOOP("davo::frmTendencia", "Os danos crescerão muito com o tempo:"),
    QT_TRANSLATE_NOOP("davo::frmTendencia", "Os danos crescerão enormemente com o tempo:"),
};

// The letter over the buttons, the initial of the tendency.
QString letra()
{
    return frmTendencia::tr("T", "Tendência");
}

QString cabecalho()
{
    return QStringLiteral("    ") + letra();
}

// The sizes the window is laid out by, in pixels.
struct Medidas {
    int margem = 8;
    int alturaLinha = 26;
    int larguraDano = 200;  // the statements' column
    int colunaX = 0;        // the left of the heading, in the frame
    int centro = 0;         // the heading's letter, from the heading's left
    QSize botao;
};

Medidas mede(const QFont& fonte)
{
    Medidas m;
    for (const char* dano : Danos)
        m.larguraDano = std::max(m.larguraDano, QFontMetrics(fonte).horizontalAdvance(frmTendencia::tr(dano)) + 8);
    // The column of buttons stands under the heading's letter.
    const QFontMetrics fm(fonte);
    m.colunaX = m.margem + m.larguraDano + 8;
    m.centro = static_cast<int>(
        std::lround(fm.horizontalAdvance(QStringLiteral("    ")) + fm.horizontalAdvance(letra()) / 2.0));
    const QRadioButton medida;
    m.botao = medida.sizeHint();
    return m;
}

// The heading over the buttons, in a frame of its own, at height `topo`. Returns its width.
int montaCabecalho(QFrame* frame17, const Medidas& m, int topo)
{
    auto* frame22 = new QFrame(frame17);
    frame22->setObjectName(QStringLiteral("Frame22"));
    frame22->setFrameShape(QFrame::NoFrame);
    auto* label32 = new QLabel(cabecalho(), frame22);
    label32->setObjectName(QStringLiteral("Label32"));
    label32->move(0, 0);
    label32->adjustSize();
    label32->setToolTip(frmTendencia::tr("T: Tendência"));
    frame22->setGeometry(m.colunaX, topo, label32->width(), label32->height());
    return label32->width();
}

// The five statements from height `topo` down, each with its option in one exclusive group; every
// option runs `aoClicar`.
QButtonGroup* montaDanos(QFrame* frame17, QObject* tela, const Medidas& m, int topo,
                         const std::function<void()>& aoClicar)
{
    auto* grupo = new QButtonGroup(tela);
    grupo->setExclusive(true);
    for (int i = 1; i <= 5; ++i) {
        const int y = topo + (i - 1) * m.alturaLinha;
        auto* dano = new QLabel(frmTendencia::tr(Danos[i - 1]), frame17);
        dano->setObjectName(common::arrayName(QStringLiteral("lblDanos"), i));
        dano->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        dano->setGeometry(m.margem, y, m.larguraDano, m.alturaLinha);

        auto* opt = new QRadioButton(frame17);
        opt->setObjectName(common::arrayName(QStringLiteral("optT1"), i));
        opt->setGeometry(m.colunaX + m.centro - m.botao.width() / 2, y + (m.alturaLinha - m.botao.height()) / 2,
                         m.botao.width(), m.botao.height());
        grupo->addButton(opt, i);
        common::onClick(opt, aoClicar);
    }
    return grupo;
}

}  // namespace

frmTendencia::frmTendencia(QLabel* lblT, QWidget* parent) : QDialog(parent), lblT_(lblT)
{
    setObjectName(QStringLiteral("frmTendencia"));
    setWindowTitle(QString());
    const Medidas m = mede(font());
    const int margem = m.margem;

    auto* label23 = new QLabel(tr("Tendência (dos danos, potencial crescimento dos danos)"), this);
    label23->setObjectName(QStringLiteral("Label23"));
    label23->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
    label23->move(margem, margem);
    label23->adjustSize();

    auto* frame17 = new QFrame(this);
    frame17->setObjectName(QStringLiteral("Frame17"));
    frame17->setFrameShape(QFrame::StyledPanel);

    auto* label42 = new QLabel(tr("Se a atividade não for realizada, se nada for feito, "), frame17);
    label42->setObjectName(QStringLiteral("Label42"));
    label42->move(margem, margem);
    label42->adjustSize();

    const int larguraCabecalho = montaCabecalho(frame17, m, label42->y());
    const int topoLinhas = label42->y() + label42->height() + 8;
    grupo_ = montaDanos(frame17, this, m, topoLinhas, [this] { optT1_Click(); });

    const int larguraFrame = std::max(m.colunaX + std::max(m.centro + m.botao.width(), larguraCabecalho) + margem,
                                      label42->x() + label42->width() + margem);
    const int alturaFrame = topoLinhas + 5 * m.alturaLinha + margem;
    frame17->setGeometry(margem, label23->y() + label23->height() + 8, larguraFrame, alturaFrame);

    const int topoResultado = frame17->y() + alturaFrame + 12;
    auto* label34 = new QLabel(tr("Nível de Gravidade ="), this);
    label34->setObjectName(QStringLiteral("Label34"));
    label34->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label34->setGeometry(margem, topoResultado, m.larguraDano, m.alturaLinha);
    lblNG2_ = new QLabel(this);
    lblNG2_->setObjectName(QStringLiteral("lblNG2"));
    lblNG2_->setFrameShape(QFrame::Panel);
    lblNG2_->setFrameShadow(QFrame::Sunken);
    lblNG2_->setAlignment(Qt::AlignCenter);
    lblNG2_->setGeometry(margem + m.larguraDano + 16, topoResultado, 40, m.alturaLinha);

    auto* cmdGravar = new QPushButton(tr("&Gravar"), this);
    cmdGravar->setObjectName(QStringLiteral("cmdGravar"));
    cmdGravar->setAutoDefault(false);
    const int larguraJanela = std::max(larguraFrame, label23->width()) + 2 * margem;
    cmdGravar->setGeometry(larguraJanela - margem - 100, topoResultado + m.alturaLinha + 12, 100, 30);
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
    questionario::grava(this, lblNG2_, lblT_, tr("Faltou calcular a Tendência!"),
                        tr("Antes de salvar, volte e Calcule a Tendência"));
}

void frmTendencia::retranslate()
{
    // The texts only: the button column keeps the place measured when the window was built.
    auto texto = [this](const QString& nome, const QString& t) {
        if (auto* label = findChild<QLabel*>(nome))
            label->setText(t);
    };
    texto("Label23", tr("Tendência (dos danos, potencial crescimento dos danos)"));
    texto("Label42", tr("Se a atividade não for realizada, se nada for feito, "));
    texto("Label32", cabecalho());
    texto("Label34", tr("Nível de Gravidade ="));
    findChild<QLabel*>(QStringLiteral("Label32"))->setToolTip(tr("T: Tendência"));
    for (int i = 1; i <= 5; ++i)
        texto(common::arrayName(QStringLiteral("lblDanos"), i), tr(Danos[i - 1]));
    findChild<QPushButton*>(QStringLiteral("cmdGravar"))->setText(tr("&Gravar"));
}

void frmTendencia::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

}  // namespace davo
