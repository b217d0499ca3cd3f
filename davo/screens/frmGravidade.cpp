#include "davo/screens/frmGravidade.h"

#include "davo/data/gut.h"
#include "davo/screens/questionario.h"

#include "common/formats.h"
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

// The statements, top to bottom; each completes the lead-in sentence.
const char* const Questoes[QuestoesGravidade] = {
    QT_TRANSLATE_NOOP("davo::frmGravidade", "eu me desmotivarei"),
    QT_TRANSLATE_NOOP("davo::frmGravidade", "o relacionamento com meu chefe será prejudicado"),
    QT_TRANSLATE_NOOP("davo::frmGravidade", "a confiança em mim mesmo diminuirá"),
    QT_TRANSLATE_NOOP("davo::frmGravidade", "a minha equipe será prejudicada"),
    QT_TRANSLATE_NOOP("davo::frmGravidade", "impactará sobre outras pessoas"),
    QT_TRANSLATE_NOOP("davo::frmGravidade", "impactará sobre outros departamentos"),
    QT_TRANSLATE_NOOP("davo::frmGravidade", "reduzirá a segurança da empresa"),
    QT_TRANSLATE_NOOP("davo::frmGravidade", "acabará or gerar outros problemas"),
    QT_TRANSLATE_NOOP("davo::frmGravidade", "prejudicará o prazo de um cliente interno"),
    QT_TRANSLATE_NOOP("davo::frmGravidade", "prejudicará o prazo de um cliente externo"),
    QT_TRANSLATE_NOOP("davo::frmGravidade", "trará grandes custos adicionais à empresa"),
    QT_TRANSLATE_NOOP("davo::frmGravidade", "impactará sobre outras atividades"),
    QT_TRANSLATE_NOOP("davo::frmGravidade", "poderá ser gargalo de um processo"),
    QT_TRANSLATE_NOOP("davo::frmGravidade", "deixarei de ter certos benefícios"),
};

// What each column's letters stand for, left to right.
const char* const Significados[5] = {
    QT_TRANSLATE_NOOP("davo::frmGravidade", "Discordo totalmente"), QT_TRANSLATE_NOOP("davo::frmGravidade", "Discordo"),
    QT_TRANSLATE_NOOP("davo::frmGravidade", "Indiferente"), QT_TRANSLATE_NOOP("davo::frmGravidade", "Concordo"),
    QT_TRANSLATE_NOOP("davo::frmGravidade", "Concordo totalmente")};

// The letters heading the columns, the initials of what they stand for.
std::array<QString, 5> letras()
{
    return {frmGravidade::tr("DT", "Discordo totalmente"), frmGravidade::tr("D", "Discordo"),
            frmGravidade::tr("I", "Indiferente"), frmGravidade::tr("C", "Concordo"),
            frmGravidade::tr("CT", "Concordo totalmente")};
}

QString brancos(int n)
{
    return QString(n, QLatin1Char(' '));
}

// "DT    D      I" and "       C     CT" in Portuguese.
QString cabecalho1()
{
    const auto l = letras();
    return l[0] + brancos(4) + l[1] + brancos(6) + l[2];
}

QString cabecalho2()
{
    const auto l = letras();
    return brancos(7) + l[3] + brancos(5) + l[4];
}

// Where the five columns stand, measured on the headings so each button sits under its letters.
struct Colunas {
    QFont fonte;
    std::array<int, 5> centro{};  // from the left of the first heading
    int inicioCabecalho2 = 0;
};

// The blanks between the centres of neighbouring columns, left to right: "DT    D", "D      I", from
// "I" across to the second heading's "C", "C     CT".
constexpr std::array<int, 4> BrancosEntre = {4, 6, 7, 5};

Colunas posicoes(const QFont& fonte)
{
    Colunas c;
    c.fonte = fonte;
    const QFontMetrics fm(fonte);
    auto meio = [&](const QString& antes, const QString& letras) {
        return static_cast<int>(std::lround(fm.horizontalAdvance(antes) + fm.horizontalAdvance(letras) / 2.0));
    };
    const auto l = letras();
    c.inicioCabecalho2 = fm.horizontalAdvance(cabecalho1()) + 2;
    c.centro = {meio({}, l[0]), meio(l[0] + brancos(4), l[1]), meio(l[0] + brancos(4) + l[1] + brancos(6), l[2]),
                c.inicioCabecalho2 + meio(brancos(7), l[3]),
                c.inicioCabecalho2 + meio(brancos(7) + l[3] + brancos(5), l[4])};
    return c;
}

Colunas medeColunas(const QFont& base, int larguraBotao)
{
    // The blanks of the headings are widened, each by the same amount (at most 40 pixels), by the
    // least that keeps the buttons under them from touching.
    const Colunas natural = posicoes(base);
    int extra = 0;
    for (int i = 0; i < 4; ++i) {
        const int falta = larguraBotao + 6 - (natural.centro[i + 1] - natural.centro[i]);
        if (falta > 0)
            extra = std::max(extra, (falta + BrancosEntre[i] - 1) / BrancosEntre[i]);
    }
    if (extra == 0)
        return natural;
    QFont fonte = base;
    fonte.setWordSpacing(std::min(extra, 40));
    return posicoes(fonte);
}

QString legenda(int primeira, int ultima)
{
    const auto l = letras();
    QStringList linhas;
    for (int i = primeira; i <= ultima; ++i)
        linhas << l[size_t(i)] + QStringLiteral(": ") + frmGravidade::tr(Significados[i]);
    return linhas.join(QLatin1Char('\n'));
}

// The sizes the window is laid out by, in pixels.
struct Medidas {
    int margem = 8;
    int alturaLinha = 26;
    int larguraQuestao = 200;  // statements, right-aligned against the buttons
    int colunasX = 0;          // the left of the first heading, in the main frame
    int alturaTexto = 0;
    QSize botao;
    Colunas colunas;
    int larguraColunas = 0;
};

Medidas mede(const QFont& fonte)
{
    Medidas m;
    for (const char* questao : Questoes)
        m.larguraQuestao =
            std::max(m.larguraQuestao, QFontMetrics(fonte).horizontalAdvance(frmGravidade::tr(questao)) + 8);
    m.colunasX = m.margem + m.larguraQuestao + 12;
    m.alturaTexto = QFontMetrics(fonte).height();
    const QRadioButton medida;
    m.botao = medida.sizeHint();
    m.colunas = medeColunas(fonte, m.botao.width());
    m.larguraColunas = m.colunas.centro[4] + m.botao.width();
    return m;
}

// The title and the lead-in sentence at the top of the main frame. Returns the top of the column
// headings, level with the lead-in's second line.
int montaTitulo(QFrame* frame1, const Medidas& m, QLabel*& label21)
{
    label21 = new QLabel(frmGravidade::tr("Gravidade (potenciais danos; seriedade do problema)"), frame1);
    label21->setObjectName(QStringLiteral("Label21"));
    label21->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
    label21->move(m.margem, m.margem);
    label21->adjustSize();

    auto* label1 = new QLabel(frmGravidade::tr("Se a atividade não for realizada, se nada for feito, "), frame1);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setWordWrap(true);
    const int alturaTexto = QFontMetrics(label1->font()).height();
    const int topoLeadIn = label21->y() + label21->height() + 10;
    label1->setGeometry(m.margem, topoLeadIn, 200, 2 * alturaTexto + 4);
    return topoLeadIn + alturaTexto + 4;
}

// The two column headings, the second in a frame of its own.
void montaCabecalhos(QFrame* frame1, const Medidas& m, int topo)
{
    auto* label18 = new QLabel(cabecalho1(), frame1);
    label18->setObjectName(QStringLiteral("Label18"));
    label18->setFont(m.colunas.fonte);
    label18->move(m.colunasX, topo);
    label18->adjustSize();
    label18->setToolTip(legenda(0, 2));

    auto* frame2 = new QFrame(frame1);
    frame2->setObjectName(QStringLiteral("Frame2"));
    frame2->setFrameShape(QFrame::NoFrame);
    auto* label2 = new QLabel(cabecalho2(), frame2);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setFont(m.colunas.fonte);
    label2->move(0, 0);
    label2->adjustSize();
    label2->setToolTip(legenda(3, 4));
    frame2->setGeometry(m.colunasX + m.colunas.inicioCabecalho2, topo, label2->width(), label2->height());
}

// Statement `q` at height `y`: its text and its five options in one exclusive group, each running
// `aoClicar`.
QButtonGroup* montaQuestao(QFrame* frame1, QObject* tela, const Medidas& m, int q, int y,
                           const std::function<void()>& aoClicar)
{
    auto* questao = new QLabel(frmGravidade::tr(Questoes[q - 1]), frame1);
    questao->setObjectName(common::arrayName(QStringLiteral("lblQuestao"), q));
    questao->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    questao->setGeometry(m.margem, y, m.larguraQuestao, m.alturaLinha);

    // The first thirteen rows each have a frame of their own; the last row's buttons sit on the
    // main frame.
    QWidget* dono = frame1;
    int origemX = 0;
    int origemY = 0;
    if (q < QuestoesGravidade) {
        auto* frame = new QFrame(frame1);
        frame->setObjectName(QStringLiteral("Frame%1").arg(q + 2));
        frame->setFrameShape(QFrame::NoFrame);
        frame->setGeometry(m.colunasX - 4, y, m.larguraColunas + 8, m.alturaLinha);
        dono = frame;
        origemX = m.colunasX - 4;
        origemY = y;
    }

    auto* grupo = new QButtonGroup(tela);
    grupo->setExclusive(true);
    const QString array = QStringLiteral("opt%1").arg(q);
    for (int a = 1; a <= 5; ++a) {
        auto* opt = new QRadioButton(dono);
        opt->setObjectName(common::arrayName(array, a));
        opt->setToolTip(frmGravidade::tr(Significados[a - 1]));
        opt->setGeometry(m.colunasX + m.colunas.centro[a - 1] - m.botao.width() / 2 - origemX,
                         y + (m.alturaLinha - m.botao.height()) / 2 - origemY, m.botao.width(), m.botao.height());
        grupo->addButton(opt, a);
        common::onClick(opt, aoClicar);
    }
    return grupo;
}

}  // namespace

frmGravidade::frmGravidade(QLabel* lblG, QWidget* parent) : QDialog(parent), lblG_(lblG)
{
    setObjectName(QStringLiteral("frmGravidade"));
    setWindowTitle(tr("Gravidade"));
    const Medidas m = mede(font());

    auto* frame1 = new QFrame(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setFrameShape(QFrame::StyledPanel);

    QLabel* label21 = nullptr;
    const int topoCabecalho = montaTitulo(frame1, m, label21);
    montaCabecalhos(frame1, m, topoCabecalho);

    const int topoLinhas = topoCabecalho + m.alturaTexto + 8;
    for (int q = 1; q <= QuestoesGravidade; ++q)
        grupos_[q - 1] =
            montaQuestao(frame1, this, m, q, topoLinhas + (q - 1) * m.alturaLinha, [this] { CalculaGravidade(); });

    const int topoResultado = topoLinhas + QuestoesGravidade * m.alturaLinha + 12;
    auto* label19 = new QLabel(tr("Nível de gravidade ="), frame1);
    label19->setObjectName(QStringLiteral("Label19"));
    label19->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label19->setGeometry(m.margem, topoResultado, m.larguraQuestao, m.alturaLinha);
    lblNG1_ = new QLabel(frame1);
    lblNG1_->setObjectName(QStringLiteral("lblNG1"));
    lblNG1_->setFrameShape(QFrame::Panel);
    lblNG1_->setFrameShadow(QFrame::Sunken);
    lblNG1_->setAlignment(Qt::AlignCenter);
    lblNG1_->setGeometry(m.colunasX, topoResultado, 60, m.alturaLinha);

    const int larguraFrame =
        std::max(m.colunasX + m.larguraColunas + m.margem, label21->x() + label21->width() + m.margem);
    const int alturaFrame = topoResultado + m.alturaLinha + m.margem;
    frame1->setGeometry(m.margem, m.margem, larguraFrame, alturaFrame);

    auto* cmdGravar = new QPushButton(tr("&Gravar"), this);
    cmdGravar->setObjectName(QStringLiteral("cmdGravar"));
    cmdGravar->setAutoDefault(false);
    cmdGravar->setGeometry(m.margem + larguraFrame - 100, m.margem + alturaFrame + 8, 100, 30);
    common::onClick(cmdGravar, this, &frmGravidade::cmdGravar_Click);

    setFixedSize(larguraFrame + 2 * m.margem, cmdGravar->y() + cmdGravar->height() + m.margem);

    Form_Load();
}

void frmGravidade::Form_Load()
{
    questionario::carrega(this, QList<QButtonGroup*>(grupos_.begin(), grupos_.end()), lblNG1_);
}

QRadioButton* frmGravidade::opcao(int questao, int resposta) const
{
    if (questao < 1 || questao > QuestoesGravidade)
        return nullptr;
    return qobject_cast<QRadioButton*>(grupos_[questao - 1]->button(resposta));
}

void frmGravidade::CalculaGravidade()
{
    std::array<int, QuestoesGravidade> respostas{};
    for (int q = 0; q < QuestoesGravidade; ++q)
        respostas[q] = std::max(0, grupos_[q]->checkedId());
    const auto g = gravidade(respostas);
    if (!g)
        return;  // not every statement is answered yet
    lblNG1_->setText(common::formatFixed(*g, 1));
    lblNG1_->update();
}

void frmGravidade::cmdGravar_Click()
{
    questionario::grava(this, lblNG1_, lblG_, tr("Faltou calcular a Gravidade!"),
                        tr("Antes de salvar, calcule a Gravidade dessa nova atividade."));
}

void frmGravidade::retranslate()
{
    // The texts only: the columns keep the places measured when the window was built.
    setWindowTitle(tr("Gravidade"));
    auto texto = [this](const char* nome, const QString& t) {
        if (auto* label = findChild<QLabel*>(QLatin1String(nome)))
            label->setText(t);
    };
    texto("Label21", tr("Gravidade (potenciais danos; seriedade do problema)"));
    texto("Label1", tr("Se a atividade não for realizada, se nada for feito, "));
    texto("Label18", cabecalho1());
    texto("Label2", cabecalho2());
    texto("Label19", tr("Nível de gravidade ="));
    findChild<QLabel*>(QStringLiteral("Label18"))->setToolTip(legenda(0, 2));
    findChild<QLabel*>(QStringLiteral("Label2"))->setToolTip(legenda(3, 4));
    for (int q = 1; q <= QuestoesGravidade; ++q) {
        findChild<QLabel*>(common::arrayName(QStringLiteral("lblQuestao"), q))->setText(tr(Questoes[q - 1]));
        for (int a = 1; a <= 5; ++a)
            opcao(q, a)->setToolTip(tr(Significados[a - 1]));
    }
    findChild<QPushButton*>(QStringLiteral("cmdGravar"))->setText(tr("&Gravar"));
}

void frmGravidade::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

}  // namespace davo
