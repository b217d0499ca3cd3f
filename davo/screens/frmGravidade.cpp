#include "davo/screens/frmGravidade.h"

#include "davo/data/gut.h"
#include "davo/screens/report.h"

#include "common/formats.h"
#include "common/platform.h"
#include "common/store.h"
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

// The statements, top to bottom; each completes the lead-in sentence.
const char* const Questoes[QuestoesGravidade] = {
    "eu me desmotivarei",
    "o relacionamento com meu chefe será prejudicado",
    "a confiança em mim mesmo diminuirá",
    "a minha equipe será prejudicada",
    "impactará sobre outras pessoas",
    "impactará sobre outros departamentos",
    "reduzirá a segurança da empresa",
    "acabará or gerar outros problemas",
    "prejudicará o prazo de um cliente interno",
    "prejudicará o prazo de um cliente externo",
    "trará grandes custos adicionais à empresa",
    "impactará sobre outras atividades",
    "poderá ser gargalo de um processo",
    "deixarei de ter certos benefícios",
};

// What each column's letters stand for, left to right.
const char* const Significados[5] = {"Discordo totalmente", "Discordo", "Indiferente", "Concordo",
                                     "Concordo totalmente"};

const QString Cabecalho1 = QStringLiteral("DT    D      I");
const QString Cabecalho2 = QStringLiteral("       C     CT");

// Where the five columns stand, measured on the headings so each button sits under its letters.
struct Colunas {
    QFont fonte;
    std::array<int, 5> centro{};  // from the left of the first heading
    int inicioCabecalho2 = 0;
};

Colunas medeColunas(const QFont& base, int larguraBotao)
{
    Colunas c;
    c.fonte = base;
    // Widen the blanks of the headings until the buttons under them no longer touch.
    for (int extra = 0; extra <= 40; ++extra) {
        c.fonte.setWordSpacing(extra);
        const QFontMetrics fm(c.fonte);
        auto meio = [&](const QString& antes, const QString& letras) {
            return static_cast<int>(std::lround(fm.horizontalAdvance(antes) + fm.horizontalAdvance(letras) / 2.0));
        };
        c.inicioCabecalho2 = fm.horizontalAdvance(Cabecalho1) + 2;
        c.centro = {meio({}, QStringLiteral("DT")), meio(QStringLiteral("DT    "), QStringLiteral("D")),
                    meio(QStringLiteral("DT    D      "), QStringLiteral("I")),
                    c.inicioCabecalho2 + meio(QStringLiteral("       "), QStringLiteral("C")),
                    c.inicioCabecalho2 + meio(QStringLiteral("       C     "), QStringLiteral("CT"))};
        int menor = c.centro[1] - c.centro[0];
        for (int i = 2; i < 5; ++i)
            menor = std::min(menor, c.centro[i] - c.centro[i - 1]);
        if (menor >= larguraBotao + 6)
            break;
    }
    return c;
}

QString legenda(int primeira, int ultima, const QStringList& letras)
{
    QStringList linhas;
    for (int i = primeira; i <= ultima; ++i)
        linhas << letras.at(i - primeira) + QStringLiteral(": ") + QString::fromUtf8(Significados[i]);
    return linhas.join(QLatin1Char('\n'));
}

}  // namespace

frmGravidade::frmGravidade(QLabel* lblG, QWidget* parent) : QDialog(parent), lblG_(lblG)
{
    setObjectName(QStringLiteral("frmGravidade"));
    setWindowTitle(QStringLiteral("Gravidade"));

    const int margem = 8;
    int larguraQuestao = 200;  // statements, right-aligned against the buttons
    for (const char* questao : Questoes)
        larguraQuestao = std::max(larguraQuestao, QFontMetrics(font()).horizontalAdvance(QString::fromUtf8(questao)) + 8);
    const int alturaLinha = 26;
    const int colunasX = margem + larguraQuestao + 12;

    auto* frame1 = new QFrame(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setFrameShape(QFrame::StyledPanel);

    auto* label21 = new QLabel(QStringLiteral("Gravidade (potenciais danos; seriedade do problema)"), frame1);
    label21->setObjectName(QStringLiteral("Label21"));
    label21->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
    label21->move(margem, margem);
    label21->adjustSize();

    auto* label1 = new QLabel(QStringLiteral("Se a atividade não for realizada, se nada for feito, "), frame1);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setWordWrap(true);
    const int alturaTexto = QFontMetrics(label1->font()).height();
    const int topoLeadIn = label21->y() + label21->height() + 10;
    label1->setGeometry(margem, topoLeadIn, 200, 2 * alturaTexto + 4);

    const QRadioButton medida;
    const QSize botao = medida.sizeHint();
    const Colunas colunas = medeColunas(font(), botao.width());

    // The column headings stand level with the lead-in's second line.
    const int topoCabecalho = topoLeadIn + alturaTexto + 4;
    auto* label18 = new QLabel(Cabecalho1, frame1);
    label18->setObjectName(QStringLiteral("Label18"));
    label18->setFont(colunas.fonte);
    label18->move(colunasX, topoCabecalho);
    label18->adjustSize();
    label18->setToolTip(legenda(0, 2, {QStringLiteral("DT"), QStringLiteral("D"), QStringLiteral("I")}));

    auto* frame2 = new QFrame(frame1);
    frame2->setObjectName(QStringLiteral("Frame2"));
    frame2->setFrameShape(QFrame::NoFrame);
    auto* label2 = new QLabel(Cabecalho2, frame2);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setFont(colunas.fonte);
    label2->move(0, 0);
    label2->adjustSize();
    label2->setToolTip(legenda(3, 4, {QStringLiteral("C"), QStringLiteral("CT")}));
    frame2->setGeometry(colunasX + colunas.inicioCabecalho2, topoCabecalho, label2->width(), label2->height());

    const int larguraColunas = colunas.centro[4] + botao.width();
    const int topoLinhas = topoCabecalho + alturaTexto + 8;
    for (int q = 1; q <= QuestoesGravidade; ++q) {
        const int y = topoLinhas + (q - 1) * alturaLinha;

        auto* questao = new QLabel(QString::fromUtf8(Questoes[q - 1]), frame1);
        questao->setObjectName(common::arrayName(QStringLiteral("lblQuestao"), q));
        questao->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        questao->setGeometry(margem, y, larguraQuestao, alturaLinha);

        // The first thirteen rows each have a frame of their own; the last row's buttons sit on
        // the main frame.
        QWidget* dono = frame1;
        int origemX = 0;
        int origemY = 0;
        if (q < QuestoesGravidade) {
            auto* frame = new QFrame(frame1);
            frame->setObjectName(QStringLiteral("Frame%1").arg(q + 2));
            frame->setFrameShape(QFrame::NoFrame);
            frame->setGeometry(colunasX - 4, y, larguraColunas + 8, alturaLinha);
            dono = frame;
            origemX = colunasX - 4;
            origemY = y;
        }

        auto* grupo = new QButtonGroup(this);
        grupo->setExclusive(true);
        grupos_[q - 1] = grupo;
        const QString array = QStringLiteral("opt%1").arg(q);
        for (int a = 1; a <= 5; ++a) {
            auto* opt = new QRadioButton(dono);
            opt->setObjectName(common::arrayName(array, a));
            opt->setToolTip(QString::fromUtf8(Significados[a - 1]));
            opt->setGeometry(colunasX + colunas.centro[a - 1] - botao.width() / 2 - origemX,
                             y + (alturaLinha - botao.height()) / 2 - origemY, botao.width(), botao.height());
            grupo->addButton(opt, a);
            common::onClick(opt, this, &frmGravidade::CalculaGravidade);
        }
    }

    const int topoResultado = topoLinhas + QuestoesGravidade * alturaLinha + 12;
    auto* label19 = new QLabel(QStringLiteral("Nível de gravidade ="), frame1);
    label19->setObjectName(QStringLiteral("Label19"));
    label19->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label19->setGeometry(margem, topoResultado, larguraQuestao, alturaLinha);
    lblNG1_ = new QLabel(frame1);
    lblNG1_->setObjectName(QStringLiteral("lblNG1"));
    lblNG1_->setFrameShape(QFrame::Panel);
    lblNG1_->setFrameShadow(QFrame::Sunken);
    lblNG1_->setAlignment(Qt::AlignCenter);
    lblNG1_->setGeometry(colunasX, topoResultado, 60, alturaLinha);

    const int larguraFrame = std::max(colunasX + larguraColunas + margem, label21->x() + label21->width() + margem);
    const int alturaFrame = topoResultado + alturaLinha + margem;
    frame1->setGeometry(margem, margem, larguraFrame, alturaFrame);

    auto* cmdGravar = new QPushButton(QStringLiteral("&Gravar"), this);
    cmdGravar->setObjectName(QStringLiteral("cmdGravar"));
    cmdGravar->setAutoDefault(false);
    cmdGravar->setGeometry(margem + larguraFrame - 100, margem + alturaFrame + 8, 100, 30);
    common::onClick(cmdGravar, this, &frmGravidade::cmdGravar_Click);

    setFixedSize(larguraFrame + 2 * margem, cmdGravar->y() + cmdGravar->height() + margem);

    Form_Load();
}

void frmGravidade::Form_Load()
{
    try {
        for (QButtonGroup* grupo : grupos_) {
            // An exclusive group keeps one button checked; let go of it to clear them all.
            grupo->setExclusive(false);
            for (QAbstractButton* b : grupo->buttons())
                b->setChecked(false);
            grupo->setExclusive(true);
        }
        lblNG1_->clear();
    } catch (const common::StoreError& e) {
        relataErro(this, e);
    } catch (const std::exception& e) {
        relataErro(this, common::StoreError::Engine, QString::fromLocal8Bit(e.what()));
    }
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
    lblNG1_->repaint();
}

void frmGravidade::cmdGravar_Click()
{
    if (common::isNumeric(lblNG1_->text())) {
        if (lblG_)
            lblG_->setText(lblNG1_->text());
    } else {
        common::Messages::exclamation(this, QStringLiteral("Faltou calcular a Gravidade!"),
                                      QStringLiteral("Antes de salvar, calcule a Gravidade dessa nova atividade."));
    }
    accept();
}

}  // namespace davo
