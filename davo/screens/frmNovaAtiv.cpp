#include "davo/screens/frmNovaAtiv.h"

#include "davo/data/atividades.h"
#include "davo/data/plano.h"
#include "davo/data/prazos.h"
#include "davo/screens/frmGravidade.h"
#include "davo/screens/frmPlano.h"
#include "davo/screens/frmTendencia.h"
#include "davo/screens/report.h"

#include "common/clock.h"
#include "common/formats.h"
#include "common/maskeddatebox.h"
#include "common/platform.h"
#include "common/store.h"
#include "common/widgets.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <initializer_list>

namespace davo {

namespace {

// The longest description or note the screen takes, in UTF-16 units (a line box's own limit).
constexpr int TextoMaximo = 32767;

QLabel* rotulo(QWidget* dono, const char* nome)
{
    return common::withName(new QLabel(dono), QLatin1String(nome));
}

QLabel* resultado(QWidget* dono, const char* nome)
{
    auto* label = common::withName(new QLabel(dono), QLatin1String(nome));
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(70);
    return label;
}

QPushButton* botao(QWidget* dono, const char* nome)
{
    return common::withName(new QPushButton(dono), QLatin1String(nome));
}

// The Tab key visits `ordem` in its order.
void ordenaTab(std::initializer_list<QWidget*> ordem)
{
    for (auto w = ordem.begin(); w + 1 < ordem.end(); ++w)
        QWidget::setTabOrder(*w, *(w + 1));
}

}  // namespace

Aviso horasEstimadasIncorretas()
{
    return {frmNovaAtiv::tr("Horas Estimadas incorretas!"),
            frmNovaAtiv::tr("Digite as horas estimadas como um número igual ou maior que zero, para depois poder "
                            "salvar a nova tarefa")};
}

Aviso horasJaTrabIncorretas()
{
    return {frmNovaAtiv::tr("Horas Já Trab. incorretas!"),
            frmNovaAtiv::tr("Digite as horas já trabalhadas como um número igual ou maior que zero, para depois "
                            "poder salvar a nova tarefa")};
}

frmNovaAtiv::frmNovaAtiv(Programa& programa, QWidget* parent) : QDialog(parent), programa_(programa)
{
    setObjectName(QStringLiteral("frmNovaAtiv"));

    txtAtividade_ = common::withName(new QLineEdit(this), QStringLiteral("txtAtividade"));
    mskDtFinal_ = common::withName(new common::MaskedDateBox(this), QStringLiteral("mskDtFinal"));
    txtHorasEst_ = common::withName(new QLineEdit(this), QStringLiteral("txtHorasEst"));
    txtHorasJaTrab_ = common::withName(new QLineEdit(this), QStringLiteral("txtHorasJaTrab"));
    txtObs_ = common::withName(new QLineEdit(this), QStringLiteral("txtObs"));
    // A line box's own limit, cut at a whole character: an emoji at the limit is not stored in half.
    for (QLineEdit* box : {txtAtividade_, txtObs_})
        common::setMaxLength(box, TextoMaximo);
    auto* cmdGravidade = botao(this, "cmdGravidade");
    auto* cmdTendencias = botao(this, "cmdTendencias");
    auto* cmdGravar = botao(this, "cmdGravar");
    auto* command1 = botao(this, "Command1");

    lblG_ = resultado(this, "lblG");
    lblT_ = resultado(this, "lblT");
    lblU_ = resultado(this, "lblU");
    lblGUT_ = resultado(this, "lblGUT");
    lblImpacto_ = common::withName(new QLabel(this), QStringLiteral("lblImpacto"));
    lblImpacto_->setWordWrap(true);

    QGridLayout* grade = montaGrade(cmdGravidade, cmdTendencias);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(cmdGravar);
    botoes->addWidget(command1);

    auto* janela = new QVBoxLayout(this);
    janela->addLayout(grade);
    janela->addWidget(lblImpacto_);
    janela->addSpacing(8);
    janela->addLayout(botoes);
    resize(560, sizeHint().height());
    common::noDefaultButtons(this);  // Enter in a box does not press a button
    // Tab reads the form as it is laid out, row by row: each questionnaire's button after the box
    // on its row.
    ordenaTab({txtAtividade_, mskDtFinal_, cmdGravidade, txtHorasEst_, cmdTendencias, txtHorasJaTrab_, txtObs_,
               cmdGravar, command1});

    common::onClick(cmdGravidade, this, &frmNovaAtiv::cmdGravidade_Click);
    common::onClick(cmdTendencias, this, &frmNovaAtiv::cmdTendencias_Click);
    common::onClick(cmdGravar, this, &frmNovaAtiv::cmdGravar_Click);
    common::onClick(command1, this, &frmNovaAtiv::Command1_Click);
    common::onLostFocus(mskDtFinal_, [this] { return mskDtFinal_LostFocus(); });
    // The urgency follows the deadline and the hours as they are typed.
    for (QLineEdit* box : {static_cast<QLineEdit*>(mskDtFinal_), txtHorasEst_, txtHorasJaTrab_})
        connect(box, &QLineEdit::textChanged, this, &frmNovaAtiv::recalculaGUT);
    // And so does what this activity would do to the others' deadlines.
    for (QLineEdit* box : {static_cast<QLineEdit*>(mskDtFinal_), txtHorasEst_, txtHorasJaTrab_})
        connect(box, &QLineEdit::textChanged, this, &frmNovaAtiv::atualizaImpacto);

    retranslate();
    Form_Load();
}

QGridLayout* frmNovaAtiv::montaGrade(QPushButton* cmdGravidade, QPushButton* cmdTendencias)
{
    auto* grade = new QGridLayout;
    grade->addWidget(rotulo(this, "Label1"), 0, 0);
    grade->addWidget(txtAtividade_, 0, 1, 1, 4);
    grade->addWidget(rotulo(this, "Label2"), 1, 0);
    grade->addWidget(mskDtFinal_, 1, 1);
    grade->addWidget(rotulo(this, "Label3"), 2, 0);
    grade->addWidget(txtHorasEst_, 2, 1);
    grade->addWidget(rotulo(this, "Label4"), 3, 0);
    grade->addWidget(txtHorasJaTrab_, 3, 1);
    grade->addWidget(rotulo(this, "Label6"), 1, 2, Qt::AlignRight);
    grade->addWidget(lblG_, 1, 3);
    grade->addWidget(cmdGravidade, 1, 4);
    grade->addWidget(rotulo(this, "Label7"), 2, 2, Qt::AlignRight);
    grade->addWidget(lblT_, 2, 3);
    grade->addWidget(cmdTendencias, 2, 4);
    grade->addWidget(rotulo(this, "Label8"), 3, 2, Qt::AlignRight);
    grade->addWidget(lblU_, 3, 3);
    grade->addWidget(rotulo(this, "Label9"), 4, 2, Qt::AlignRight);
    grade->addWidget(lblGUT_, 4, 3);
    grade->addWidget(rotulo(this, "Label5"), 5, 0);
    grade->addWidget(txtObs_, 5, 1, 1, 4);
    grade->setColumnMinimumWidth(1, 120);
    grade->setColumnMinimumWidth(2, 90);
    return grade;
}

void frmNovaAtiv::retranslate()
{
    setWindowTitle(tr("Inclusão de Nova Atividade"));
    const std::pair<const char*, QString> textos[] = {
        {"Label1", tr("Atividade:")},         {"Label2", tr("Data Final:")},
        {"Label3", tr("Horas Estimadas:")},   {"Label4", tr("Horas Já Trab.:")},
        {"Label6", tr("Gravidade:")},         {"Label7", tr("Tendência:")},
        {"Label8", tr("Urgência:")},          {"Label9", tr("GUT:")},
        {"Label5", tr("Observações:")},       {"cmdGravidade", tr("&Gravidade")},
        {"cmdTendencias", tr("&Tendências")}, {"cmdGravar", tr("&Gravar")},
        {"Command1", tr("&Voltar")},
    };
    for (const auto& [nome, texto] : textos) {
        QWidget* w = findChild<QWidget*>(QLatin1String(nome));
        if (auto* label = qobject_cast<QLabel*>(w))
            label->setText(texto);
        else if (auto* botao = qobject_cast<QPushButton*>(w))
            botao->setText(texto);
    }
    // The line on the others' deadlines is worded anew; what was typed stays.
    atualizaImpacto();
}

void frmNovaAtiv::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void frmNovaAtiv::Form_Load()
{
    txtAtividade_->clear();
    mskDtFinal_->setText(common::MaskedDateBox::emptyText());
    txtHorasEst_->clear();
    txtHorasJaTrab_->clear();
    txtObs_->clear();
    lblG_->clear();
    lblT_->clear();
    lblU_->clear();
    lblGUT_->clear();
    planoAtual_ = planeja(atividadesAbertas(programa_.db), common::Clock::today());
    atualizaImpacto();
}

void frmNovaAtiv::cmdGravidade_Click()
{
    frmGravidade questionario(lblG_, this);
    common::Modal::exec(questionario);
    recalculaGUT();
}

void frmNovaAtiv::cmdTendencias_Click()
{
    frmTendencia questionario(lblT_, this);
    common::Modal::exec(questionario);
    recalculaGUT();
}

void frmNovaAtiv::recalculaGUT()
{
    if (common::isNumeric(lblT_->text()) && common::isNumeric(lblG_->text()))
        CalculaGUT();
}

short frmNovaAtiv::urgenciaAtual() const
{
    const QDate dataFinal = mskDtFinal_->date();
    const auto estimadas = common::readNumber(txtHorasEst_->text());
    const auto trabalhadas = common::readNumber(txtHorasJaTrab_->text());
    if (!dataFinal.isValid() || !estimadas || !trabalhadas || *estimadas < 0 || *trabalhadas < 0)
        return urgenciaAtividade(0, 0);  // nothing known to be left to do
    const Prazo prazo = calculaPrazo(dataFinal, common::Clock::today());
    return urgenciaAtividade(horasQFaltam(*estimadas, *trabalhadas), prazo.tempoDisp);
}

void frmNovaAtiv::atualizaImpacto()
{
    // Hours already worked left empty count as none, for the line only.
    const QDate hoje = common::Clock::today();
    const QDate dataFinal = mskDtFinal_->date();
    const auto estimadas = common::readNumber(txtHorasEst_->text());
    const bool semTrab = txtHorasJaTrab_->text().trimmed().isEmpty();
    const auto trabalhadas = semTrab ? std::optional<double>(0) : common::readNumber(txtHorasJaTrab_->text());
    if (!dataFinal.isValid() || dataFinal < hoje || !estimadas || !trabalhadas || *estimadas < 0 || *trabalhadas < 0) {
        lblImpacto_->clear();
        return;
    }
    const AtividadePlano nova{{}, txtAtividade_->text(), dataFinal, horasQFaltam(*estimadas, *trabalhadas)};
    lblImpacto_->setText(frmPlano::textoImpacto(planoAtual_, impacto(planoAtual_, nova)));
}

void frmNovaAtiv::CalculaGUT()
{
    const auto g = common::readNumber(lblG_->text());
    const auto t = common::readNumber(lblT_->text());
    if (!g || !t)
        return;
    const short u = urgenciaAtual();
    lblU_->setText(QString::number(u));
    lblU_->update();
    lblGUT_->setText(common::numberText(gut(*g, *t, u)));
    lblGUT_->update();
}

bool frmNovaAtiv::mskDtFinal_LostFocus()
{
    const QDate hoje = common::Clock::today();
    if (!mskDtFinal_->isValidDate())
        mskDtFinal_->setText(common::dateText(hoje.addDays(15)));
    if (mskDtFinal_->date() < hoje) {
        common::Messages::exclamation(this, tr("Data Final incorreta!"),
                                      tr("Data Final não pode ser anterior a data de hoje, redefinir essa data."));
        mskDtFinal_->setText(common::MaskedDateBox::emptyText());
        recalculaGUT();
        return false;
    }
    recalculaGUT();
    return true;
}

void frmNovaAtiv::Command1_Click()
{
    QDialog::reject();  // "&Voltar" is the way out that stores nothing, as the user chose
}

bool frmNovaAtiv::temRespostas() const
{
    for (const QLineEdit* caixa : {txtAtividade_, txtHorasEst_, txtHorasJaTrab_, txtObs_})
        if (!caixa->text().trimmed().isEmpty())
            return true;
    return mskDtFinal_->Text() != common::MaskedDateBox::emptyText() || !lblG_->text().isEmpty() ||
           !lblT_->text().isEmpty();
}

void frmNovaAtiv::reject()
{
    if (!temRespostas() || descartaAlteracoes(this))
        QDialog::reject();
}

void frmNovaAtiv::cmdGravar_Click()
{
    bool completa = true;
    auto falta = [&](const QString& titulo, const QString& texto) {
        common::Messages::exclamation(this, titulo, texto);
        completa = false;
    };
    if (lblT_->text().trimmed().isEmpty())
        falta(tr("Falta calcular a Tendência!"),
              tr("Primeiro calcule o valor da Tendência, para depois poder salvar a nova tarefa"));
    if (lblG_->text().trimmed().isEmpty())
        falta(tr("Falta calcular a Gravidade!"),
              tr("Primeiro calcule o valor da Gravidade, para depois poder salvar a nova tarefa"));
    if (completa && !common::isNumeric(lblGUT_->text()))
        falta(tr("Falta calcular o GUT!"),
              tr("Primeiro calcule a Gravidade e a Tendência, para depois poder salvar a nova tarefa"));
    if (txtHorasJaTrab_->text().trimmed().isEmpty()) {
        falta(tr("Falta digitar o número de horas já trabalhadas!"),
              tr("Primeiro coloque o valor das horas já trabalhadas, para depois poder salvar a nova tarefa"));
        txtHorasJaTrab_->setFocus();
    }
    if (!mskDtFinal_->isValidDate())
        falta(tr("Falta Data Final da Atividade!"), tr("Digite a Data Final para depois poder salvar a nova tarefa"));
    if (!completa || !entradaUtilizavel())
        return;
    grava();
}

bool frmNovaAtiv::entradaUtilizavel()
{
    QWidget* primeiro = nullptr;
    auto recusa = [&](QWidget* caixa, const QString& titulo, const QString& texto) {
        common::Messages::exclamation(this, titulo, texto);
        if (!primeiro)
            primeiro = caixa;
    };
    if (txtAtividade_->text().trimmed().isEmpty())
        recusa(txtAtividade_, tr("Falta digitar a Atividade!"),
               tr("Primeiro descreva a atividade, para depois poder salvar a nova tarefa"));
    const auto estimadas = common::readNumber(txtHorasEst_->text());
    if (txtHorasEst_->text().trimmed().isEmpty())
        recusa(txtHorasEst_, tr("Falta digitar o número de horas estimadas!"),
               tr("Primeiro coloque o valor das horas estimadas, para depois poder salvar a nova tarefa"));
    else if (!estimadas || *estimadas < 0)
        recusa(txtHorasEst_, horasEstimadasIncorretas().titulo, horasEstimadasIncorretas().texto);
    const auto trabalhadas = common::readNumber(txtHorasJaTrab_->text());
    if (!trabalhadas || *trabalhadas < 0)
        recusa(txtHorasJaTrab_, horasJaTrabIncorretas().titulo, horasJaTrabIncorretas().texto);
    if (primeiro)
        primeiro->setFocus();
    return primeiro == nullptr;
}

void frmNovaAtiv::grava()
{
    incluiAtividade(programa_.db,
                    {txtAtividade_->text(), mskDtFinal_->Text(), txtHorasEst_->text(), txtHorasJaTrab_->text(),
                     txtObs_->text(), lblG_->text(), lblT_->text(), lblU_->text(), lblGUT_->text()},
                    common::Clock::today());
    accept();
}

}  // namespace davo
