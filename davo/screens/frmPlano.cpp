#include "davo/screens/frmPlano.h"

#include "davo/data/prazos.h"
#include "davo/screens/graficoplano.h"

#include "common/clock.h"
#include "common/formats.h"
#include "common/platform.h"
#include "common/widgets.h"
#include "common/windowsize.h"

#include <QHBoxLayout>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace davo {

namespace {

enum Coluna { ColAtividade, ColDataFinal, ColTermino, ColAtraso, Colunas };

QTableWidgetItem* celula(const QString& texto, Qt::Alignment alinhamento = Qt::AlignCenter)
{
    auto* item = new QTableWidgetItem(texto);
    item->setTextAlignment(alinhamento);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

frmPlano::frmPlano(Programa& programa, QWidget* parent) : QDialog(parent), programa_(programa)
{
    setObjectName(QStringLiteral("frmPlano"));

    lblResumo_ = common::withName(new QLabel(this), QStringLiteral("lblResumo"));
    QFont destaque = lblResumo_->font();
    destaque.setBold(true);
    destaque.setPointSize(destaque.pointSize() + 1);
    lblResumo_->setFont(destaque);

    graPlano_ = new GraficoPlano(this);

    auto* Label1 = common::withName(new QLabel(this), QStringLiteral("Label1"));
    grdAtrasos_ = common::withName(new QTableWidget(0, Colunas, this), QStringLiteral("grdAtrasos"));
    Label1->setBuddy(grdAtrasos_);
    grdAtrasos_->verticalHeader()->hide();
    grdAtrasos_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    grdAtrasos_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdAtrasos_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdAtrasos_->setSelectionMode(QAbstractItemView::SingleSelection);
    grdAtrasos_->setWordWrap(false);
    grdAtrasos_->setTabKeyNavigation(false);  // Tab leaves the table for the button
    grdAtrasos_->horizontalHeader()->setSectionResizeMode(ColAtividade, QHeaderView::Stretch);
    for (int c = ColDataFinal; c < Colunas; ++c)
        grdAtrasos_->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);

    auto* Command1 = common::withName(new QPushButton(this), QStringLiteral("Command1"));
    common::onClick(Command1, this, &frmPlano::Command1_Click);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(Command1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblResumo_);
    layout->addWidget(graPlano_, 3);
    layout->addWidget(Label1);
    layout->addWidget(grdAtrasos_, 2);
    layout->addLayout(botoes);
    resize(common::twips(14000), common::twips(9500));
    common::noDefaultButtons(this);
    new common::WindowSize(this, QStringLiteral("davo"), QStringLiteral("frmPlano"));
    retranslate();
}

void frmPlano::retranslate()
{
    setWindowTitle(tr("Plano das Próximas Semanas"));
    findChild<QLabel*>(QStringLiteral("Label1"))->setText(tr("&Atividades que atrasarão:"));
    grdAtrasos_->setHorizontalHeaderLabels(
        {tr("Atividade"), tr("Data Final"), tr("Término Previsto"), tr("Horas de Atraso")});
    findChild<QPushButton*>(QStringLiteral("Command1"))->setText(tr("&Voltar"));
    if (!lblResumo_->text().isEmpty())  // loaded: the summary is worded anew
        lblResumo_->setText(resumo(plano_));
    graPlano_->update();
}

void frmPlano::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void frmPlano::Form_Load()
{
    // The same figures and order the list shows today.
    const QDate hoje = common::Clock::today();
    AtualizaPrazos(programa_.db, hoje);
    plano_ = planeja(atividadesAbertas(programa_.db), hoje);
    graPlano_->setPlano(&plano_);
    lblResumo_->setText(resumo(plano_));
    preencheAtrasos();
}

QString frmPlano::resumo(const Plano& plano)
{
    if (plano.atividades.empty())
        return tr("Nenhuma atividade aberta");
    const int atrasadas = plano.atrasadas();
    if (atrasadas == 0)
        return tr("Nenhuma atividade atrasará");
    const QString horas = textoHoras(plano.horasAtraso());
    const QString quantas = atrasadas == 1 ? tr("1 atividade atrasará") : tr("%1 atividades atrasarão").arg(atrasadas);
    const QString alem =
        horas == QLatin1String("1") ? tr("1 hora além da capacidade") : tr("%1 horas além da capacidade").arg(horas);
    return quantas + QStringLiteral("; ") + alem;
}

namespace {

constexpr int NomesNoImpacto = 3;  // named one by one; the rest counted
constexpr int NomeMaximo = 40;     // characters of a description quoted in a sentence

QString citado(const QString& atividade)
{
    const QString nome = atividade.simplified();
    return nome.size() <= NomeMaximo ? nome : nome.left(NomeMaximo - 1) + QChar(0x2026);
}

}  // namespace

QString frmPlano::textoImpacto(const Plano& plano, const std::vector<Impacto>& empurradas)
{
    if (empurradas.empty())
        return plano.atrasadas() == 0 ? tr("Com esta atividade, nenhuma outra atrasará")
                                      : tr("Com esta atividade, nenhuma outra atrasará mais do que já atrasa");
    QStringList partes;
    for (size_t k = 0; k < empurradas.size() && k < size_t(NomesNoImpacto); ++k) {
        const Impacto& e = empurradas[k];
        const QString horas = textoHoras(e.horas);
        const QString quanto = horas == QLatin1String("1") ? tr("1 hora") : tr("%1 horas").arg(horas);
        const QString nome = citado(plano.atividades[size_t(e.atividade)].atividade);
        partes << (plano.previsoes[size_t(e.atividade)].atrasa() ? tr("«%1» atrasará mais %2") : tr("«%1» atrasará %2"))
                      .arg(nome, quanto);
    }
    const int outras = int(empurradas.size()) - int(partes.size());
    QString frase = partes.takeLast();
    if (!partes.isEmpty())
        frase = partes.join(QStringLiteral(", ")) + (outras > 0 ? QStringLiteral(", ") : tr(" e ")) + frase;
    if (outras == 1)
        frase += tr(" e mais 1 atividade atrasará");
    else if (outras > 1)
        frase += tr(" e mais %1 atividades atrasarão").arg(outras);
    return tr("Com esta atividade, %1").arg(frase);
}

void frmPlano::preencheAtrasos()
{
    // The late activities in the list's order, each with the colour of its bars.
    grdAtrasos_->setRowCount(0);
    grdAtrasos_->setRowCount(plano_.atrasadas());
    int linha = 0;
    for (size_t i = 0; i < plano_.atividades.size(); ++i) {
        const Previsao& p = plano_.previsoes[i];
        if (!p.atrasa())
            continue;
        const AtividadePlano& a = plano_.atividades[i];
        auto* nome = celula(a.atividade, Qt::AlignLeft | Qt::AlignVCenter);
        nome->setData(Qt::DecorationRole, GraficoPlano::cor(int(i)));
        nome->setToolTip(a.atividade);
        grdAtrasos_->setItem(linha, ColAtividade, nome);
        grdAtrasos_->setItem(linha, ColDataFinal, celula(common::dateText(a.dataFinal)));
        grdAtrasos_->setItem(linha, ColTermino, celula(common::dateText(plano_.termino(int(i)))));
        grdAtrasos_->setItem(linha, ColAtraso, celula(textoHoras(p.horasAtraso)));
        ++linha;
    }
}

void frmPlano::Command1_Click()
{
    close();
}

}  // namespace davo
