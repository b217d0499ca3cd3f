#include "kivo/results/frmResultado.h"

#include "kivo/results/frmSensibilidade.h"
#include "kivo/results/graficoresultado.h"
#include "kivo/results/relatorio.h"
#include "kivo/results/relatoriocompleto.h"

#include "kivo/shell/areatransferencia.h"
#include "kivo/shell/caso.h"
#include "kivo/shell/dados.h"
#include "kivo/shell/database.h"
#include "kivo/shell/erro.h"
#include "kivo/shell/idioma.h"

#include "common/datasource.h"
#include "common/discardinput.h"
#include "common/formats.h"
#include "common/platform.h"
#include "common/widgets.h"
#include "common/windowsize.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include <algorithm>
#include <exception>
#include <initializer_list>
#include <memory>
#include <optional>

namespace kivo {

namespace {

// Geometry, in twips.
constexpr int Margem = 120;
constexpr int LarguraJanela = 12000;
constexpr int AlturaGrade = 5400;
constexpr int TopoBaixo = Margem + AlturaGrade + 180;  // the frames and buttons below the grid
constexpr int PassoEtapa = 225;                        // one progress box per step
constexpr int AlturaMaximaFrame1 = 15 * PassoEtapa + 900;
constexpr int AlturaJanela = TopoBaixo + AlturaMaximaFrame1 + Margem;
constexpr int ColunaBotoes = 7200;
constexpr int LarguraGrafico = 8400;  // the ranking chart, beside the grid once a run is complete

// The 78 columns of the grid, each bound to the field of the same name: the number, the name and
// the result, then the five figures of each criterion.
QStringList camposGrade()
{
    QStringList campos{QStringLiteral("Numero"), QStringLiteral("Alternativa"), QStringLiteral("Resultado")};
    for (int k = 1; k <= 15; ++k)
        for (const char* prefix : {"RTO", "RTOi", "Total", "Normal", "Pesos"})
            campos << numbered(QLatin1String(prefix), k);
    return campos;
}

// The grid's columns over the data control: the fields by name, in the grid's order, with their
// headings. Numbers show in the general format, as the record store gives their text.
class ColunasGrade : public QAbstractTableModel {
public:
    ColunasGrade(common::DataSource& fonte, QObject* parent)
        : QAbstractTableModel(parent), fonte_(fonte), campos_(camposGrade()), titulos_(campos_)
    {
        connect(&fonte_, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginResetModel(); });
        connect(&fonte_, &QAbstractItemModel::modelReset, this, [this] {
            mapeia();
            endResetModel();
        });
    }

    // A column's heading, as the screen's texts set it.
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override
    {
        if (orientation != Qt::Horizontal || section < 0 || section >= int(titulos_.size()) ||
            (role != Qt::EditRole && role != Qt::DisplayRole))
            return false;
        titulos_[section] = value.toString();
        emit headerDataChanged(orientation, section, section);
        return true;
    }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : fonte_.rowCount(); }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(campos_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.column() >= int(origem_.size()) || origem_[index.column()] < 0)
            return {};
        if (role == Qt::TextAlignmentRole)
            return index.column() == 1 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                       : QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return fonte_.data(fonte_.index(index.row(), origem_[index.column()]), role);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
            return {};
        return titulos_.value(section);
    }

private:
    void mapeia()
    {
        origem_.assign(campos_.size(), -1);
        QHash<QString, int> porNome;
        for (int c = 0; c < fonte_.columnCount(); ++c)
            porNome.insert(fonte_.headerData(c, Qt::Horizontal).toString().toLower(), c);
        for (int at = 0; at < int(campos_.size()); ++at)
            origem_[at] = porNome.value(campos_[at].toLower(), -1);
    }

    common::DataSource& fonte_;
    QStringList campos_;
    QStringList titulos_;
    std::vector<int> origem_;
};

}  // namespace

frmResultado::frmResultado(Programa& programa, QWidget* parent)
    : QDialog(parent), programa_(programa), rodada_(std::make_unique<calculo::Rodada>())
{
    setObjectName(QStringLiteral("frmResultado"));
    setModal(true);

    criaGrade();
    criaProgresso();
    criaBotoes();

    image1_ = common::withName(new QLabel(this), QStringLiteral("Image1"));
    image1_->hide();  // printed at the report's head, not shown on the screen

    // Shown once a run is complete: the window grows to the right to hold the chart.
    graResultado_ = common::withName(new GraficoResultado(this), QStringLiteral("graResultado"));
    common::placeTwips(graResultado_, LarguraJanela, Margem, LarguraGrafico - Margem, AlturaJanela - 2 * Margem);
    graResultado_->hide();

    for (QWidget* w : std::initializer_list<QWidget*>{frame1_, frame2_, cmdCalcular_, cmdSensibilidade_, label7_,
                                                      combo1_, cmdPrinter_, cmdSair_, cmdRelatorio_})
        abaixo_.emplace_back(w, w->y());
    // The reading order: the grid, then the controls below it, row by row.
    setTabOrder(dbGrid1_, cmdCalcular_);
    setTabOrder(cmdCalcular_, cmdSensibilidade_);
    setTabOrder(cmdSensibilidade_, combo1_);
    setTabOrder(combo1_, cmdRelatorio_);
    setTabOrder(cmdRelatorio_, cmdPrinter_);
    setTabOrder(cmdPrinter_, cmdSair_);

    setMinimumSize(common::twips(LarguraJanela), common::twips(AlturaJanela));
    resize(minimumSize());
    tamanho_ = new common::WindowSize(this, QStringLiteral("kivo"), QStringLiteral("frmResultado"));
    retranslate();
}

void frmResultado::retranslate()
{
    setWindowTitle(tr("Resultado"));
    aplicaTextos(this, {
                           {"DBGrid1#1", tr("Alternativa")},
                           {"DBGrid1#2", tr("Resultado")},
                           {"Label7", tr("Impressora:")},
                           {"cmdCalcular", tr("&Calcular")},
                           {"cmdPrinter", tr("&Imprimir")},
                           {"cmdSair", tr("&Sair")},
                           {"cmdSensibilidade", tr("S&ensibilidade")},
                           {"cmdRelatorio", tr("&Relatório completo")},
                           {"Frame1", tr("Processando: ")},
                           {"Frame2", tr("Melhor opção: ")},
                           {"chkLimpar", tr("Preparando Tabelas")},
                       });
    chkProcessando_[0]->setText(tr("Processando Pesos"));
    for (int i = 1; i <= 15; ++i) {
        //: Stays Portuguese in English.
        chkProcessando_[i]->setText(tr("Critério %1").arg(i));
    }
    // The picture printed at the report's head says what kivo is in the program's language.
    image1_->setPixmap(imagem1(QSize(common::twips(2300), common::twips(1000))));
    reescreveImpressoras();
    if (comGrafico_)
        common::runGuarded([this] { mostraGrafico(); });
}

void frmResultado::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

// The printer list in the language, the printer chosen still chosen. Before the list is filled
// there is nothing to reword.
void frmResultado::reescreveImpressoras()
{
    if (combo1_->count() == 0)
        return;
    const QVariant escolhida = combo1_->currentData();
    const bool pdf = combo1_->currentIndex() >= 0 && (!escolhida.isValid() || escolhida.toString().isEmpty());
    const int antes = combo1_->currentIndex();
    preencheImpressoras(combo1_);
    int indice = -1;
    for (int i = 0; i < combo1_->count() && indice < 0; ++i) {
        const QVariant dado = combo1_->itemData(i);
        const bool entradaPdf = !dado.isValid() || dado.toString().isEmpty();
        if (pdf ? entradaPdf : !entradaPdf && dado == escolhida)
            indice = i;
    }
    combo1_->setCurrentIndex(indice >= 0 ? indice : std::min(antes, combo1_->count() - 1));
}

void frmResultado::criaGrade()
{
    data1_ = common::withName(new common::DataSource(programa_.db, this), QStringLiteral("Data1"));
    data1_->setConnect(QStringLiteral("Access 2000;"));
    data1_->setDatabaseName(programa_.db.path());
    data1_->setRecordSource(common::DataSource::Tabela, QStringLiteral("Alternativas"));

    auto* colunas = new ColunasGrade(*data1_, this);
    dbGrid1_ = common::withName(new QTableView(this), QStringLiteral("DBGrid1"));
    dbGrid1_->setModel(colunas);
    dbGrid1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    dbGrid1_->setSelectionBehavior(QAbstractItemView::SelectRows);
    dbGrid1_->setTabKeyNavigation(false);  // Tab leaves the grid for the buttons; the arrows move in it
    copiaComCtrlC(dbGrid1_);
    dbGrid1_->verticalHeader()->hide();
    dbGrid1_->verticalHeader()->setDefaultSectionSize(common::twips(300));
    common::placeTwips(dbGrid1_, Margem, Margem, LarguraJanela - 2 * Margem, AlturaGrade);
}

// The frame of the run's stages, one box per stage, and the frame of the best option in its place.
void frmResultado::criaProgresso()
{
    frame1_ = common::withName(new QGroupBox(this), QStringLiteral("Frame1"));
    chkLimpar_ = common::withName(new QCheckBox(frame1_), QStringLiteral("chkLimpar"));
    for (int i = 0; i <= 15; ++i)
        chkProcessando_[i] =
            common::withName(new QCheckBox(frame1_), common::arrayName(QStringLiteral("chkProcessando"), i));
    QFont pequena = font();
    pequena.setPointSizeF(std::max(6.0, pequena.pointSizeF() * 0.85));
    for (int i = -1; i <= 15; ++i) {
        QCheckBox* box = i < 0 ? chkLimpar_ : chkProcessando_[i];
        box->setFont(pequena);
        box->setTristate(true);
        box->setFocusPolicy(Qt::NoFocus);
        box->setAttribute(Qt::WA_TransparentForMouseEvents);  // they show progress; the user sets none
        common::placeTwips(box, 240, 300 + PassoEtapa * (i + 1), 3400, PassoEtapa);
        box->hide();
    }
    common::placeTwips(frame1_, Margem, TopoBaixo, 4000, 900);

    frame2_ = common::withName(new QGroupBox(this), QStringLiteral("Frame2"));
    lblMelhor_ = common::withName(new QLabel(frame2_), QStringLiteral("lblMelhor"));
    QFont destaque = font();
    destaque.setBold(true);
    destaque.setPointSizeF(destaque.pointSizeF() * 1.3);
    lblMelhor_->setFont(destaque);
    common::placeTwips(lblMelhor_, 240, 360, 6000, 420);
    common::placeTwips(frame2_, Margem, TopoBaixo, 6500, 960);
    frame2_->hide();
}

void frmResultado::criaBotoes()
{
    cmdCalcular_ = common::withName(new QPushButton(this), QStringLiteral("cmdCalcular"));
    common::placeTwips(cmdCalcular_, ColunaBotoes, TopoBaixo + 60, 2000, 495);
    // Once a run is complete: how firm its best option is.
    cmdSensibilidade_ = common::withName(new QPushButton(this), QStringLiteral("cmdSensibilidade"));
    common::placeTwips(cmdSensibilidade_, ColunaBotoes + 2500, TopoBaixo + 60, 2000, 495);
    cmdSensibilidade_->hide();
    label7_ = common::withName(new QLabel(this), QStringLiteral("Label7"));
    common::placeTwips(label7_, ColunaBotoes, TopoBaixo + 900, 2000, 285);
    combo1_ = common::withName(new QComboBox(this), QStringLiteral("Combo1"));
    common::placeTwips(combo1_, ColunaBotoes, TopoBaixo + 1200, 4500, 330);
    cmdPrinter_ = common::withName(new QPushButton(this), QStringLiteral("cmdPrinter"));
    common::placeTwips(cmdPrinter_, ColunaBotoes, TopoBaixo + 1700, 2000, 495);
    cmdSair_ = common::withName(new QPushButton(this), QStringLiteral("cmdSair"));
    common::placeTwips(cmdSair_, ColunaBotoes + 2500, TopoBaixo + 1700, 2000, 495);
    cmdRelatorio_ = common::withName(new QPushButton(this), QStringLiteral("cmdRelatorio"));
    common::placeTwips(cmdRelatorio_, ColunaBotoes - 2600, TopoBaixo + 1700, 2400, 495);
    cmdRelatorio_->hide();  // once a run is complete

    common::onClick(cmdRelatorio_, this, &frmResultado::cmdRelatorio_Click);
    common::onClick(cmdCalcular_, this, &frmResultado::cmdCalcular_Click);
    common::onClick(cmdPrinter_, this, &frmResultado::cmdPrinter_Click);
    common::onClick(cmdSensibilidade_, this, &frmResultado::cmdSensibilidade_Click);
    common::onClick(cmdSair_, this, &frmResultado::cmdSair_Click);
    common::noDefaultButtons(this);
}

frmResultado::~frmResultado() = default;

void frmResultado::Form_Load()
{
    frame1_->hide();
    preencheImpressoras(combo1_);
    if (const std::optional<int> qtde = calculo::preparaResultados(programa_.db))
        programa_.qtdeCriterios = static_cast<short>(*qtde);
    atualizaGrade();
}

// Reads Alternativas again. The number, the name and the result come first and fit the window; the
// figures of the criteria in use follow, those of the others are hidden.
void frmResultado::atualizaGrade()
{
    data1_->refresh();
    const int n = programa_.qtdeCriterios;
    dbGrid1_->setColumnWidth(0, common::twips(900));
    dbGrid1_->setColumnWidth(1, common::twips(4200));
    dbGrid1_->setColumnWidth(2, common::twips(2300));
    for (int c = 3; c < dbGrid1_->model()->columnCount(); ++c) {
        dbGrid1_->setColumnWidth(c, common::twips(1900));
        dbGrid1_->setColumnHidden(c, (c - 3) / 5 + 1 > n);
    }
}

void frmResultado::etapa(int item, Estado estado)
{
    QCheckBox* box = item == Limpeza ? chkLimpar_ : chkProcessando_[std::clamp(item, 0, 15)];
    switch (estado) {
    case Iniciada:
        box->show();
        break;
    case Cinza:
        box->setCheckState(Qt::PartiallyChecked);
        break;
    case Concluida:
        box->setCheckState(Qt::Checked);
        break;
    }
}

void frmResultado::alternativasAlteradas()
{
    atualizaGrade();
}

void frmResultado::cmdCalcular_Click()
{
    if (ocupada_)
        return;  // a run is going on
    const int n = programa_.qtdeCriterios;
    frame1_->resize(frame1_->width(), common::twips(n * PassoEtapa + 900));
    // A run after one that stopped starts with its boxes anew.
    for (QCheckBox* box : frame1_->findChildren<QCheckBox*>()) {
        box->hide();
        box->setCheckState(Qt::Unchecked);
    }
    frame1_->show();

    // The screen is busy until the run's end has been shown: what the user clicks or types in it
    // meanwhile is thrown away, and it cannot be closed. The run's end holds the busy state and
    // gives it up with itself, however the run ends.
    auto ocupada = std::make_shared<common::DiscardInput>(this);
    ocupada_ = ocupada.get();
    rodada_->inicia(programa_.db, n, *this, [this, n, ocupada](const calculo::Termino& termino) {
        common::runGuarded([&] { terminaCalculo(termino, n); });
    });
}

void frmResultado::terminaCalculo(const calculo::Termino& termino, int n)
{
    if (termino.outra)
        std::rethrow_exception(termino.outra);
    if (termino.falha) {
        // What the stages before the failure stored stays; the screen stays usable.
        relataErro(this, *termino.falha);
        atualizaGrade();
        return;
    }
    const calculo::Desfecho& desfecho = termino.desfecho;
    if (desfecho.fim == calculo::Desfecho::PesoInvalido) {
        common::Messages::exclamation(this,
                                      //: Stays Portuguese in English.
                                      tr("Peso Não encontrado!"),
                                      //: Stays Portuguese in English.
                                      tr("Verifique os pesos dos critérios"));
        return;
    }
    if (desfecho.fim == calculo::Desfecho::SinalInvalido) {
        QString criterio = common::formatTwoDigits(desfecho.criterioSemSinal);
        if (!desfecho.nomeSemSinal.isEmpty())
            criterio += QStringLiteral(" (%1)").arg(desfecho.nomeSemSinal);
        common::Messages::exclamation(this, tr("Sinal não informado!"),
                                      tr("Informe o sinal, + ou -, do critério %1 na tela Critérios").arg(criterio));
        return;
    }
    mostraMelhor(desfecho, n);
}

// A complete run: the results in the grid, the best option named, the chart beside the grid.
void frmResultado::mostraMelhor(const calculo::Desfecho& desfecho, int n)
{
    atualizaGrade();
    lblMelhor_->setText(desfecho.nomeMelhor);
    frame1_->hide();
    cmdCalcular_->hide();
    cmdSensibilidade_->show();
    frame2_->show();

    criteriosGrafico_ = n;
    mostraGrafico();
    // The window grows to the right by the chart's width, or takes the size it had with the chart.
    const QSize antes = size();
    comGrafico_ = true;
    const bool lembrado = tamanho_->setKey(QStringLiteral("frmResultadoGrafico"));
    setMinimumSize(common::twips(LarguraJanela + LarguraGrafico), common::twips(AlturaJanela));
    if (!lembrado)
        resize(antes.width() + common::twips(LarguraGrafico), antes.height());
    dispoe();
    graResultado_->show();
    cmdRelatorio_->show();
}

// The chart of the last complete run, as stored, with its texts in the language.
void frmResultado::mostraGrafico()
{
    graResultado_->mostra(ranking::leRanking(programa_.db, criteriosGrafico_));
}

void frmResultado::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    dispoe();
}

void frmResultado::dispoe()
{
    const int largura = common::twips(comGrafico_ ? LarguraJanela + LarguraGrafico : LarguraJanela);
    const int dw = std::max(0, width() - largura);
    const int dh = std::max(0, height() - common::twips(AlturaJanela));
    // With the chart the extra width is shared between the grid and the chart.
    const int dwGrade = comGrafico_ ? dw / 2 : dw;
    dbGrid1_->resize(common::twips(LarguraJanela - 2 * Margem) + dwGrade, common::twips(AlturaGrade) + dh);
    for (const auto& [w, topo] : abaixo_)
        w->move(w->x(), topo + dh);
    graResultado_->setGeometry(common::twips(LarguraJanela) + dwGrade, common::twips(Margem),
                               common::twips(LarguraGrafico - Margem) + dw - dwGrade,
                               common::twips(AlturaJanela - 2 * Margem) + dh);
}

void frmResultado::cmdPrinter_Click()
{
    imprime(this, combo1_, programa_);
}

void frmResultado::cmdSensibilidade_Click()
{
    abreSensibilidade(this, programa_.db);
}

void frmResultado::cmdRelatorio_Click()
{
    const caso::Propriedades propriedades = caso::lePropriedades(programa_.db);
    imprimeCompleto(this, combo1_, programa_, propriedades.nome, propriedades.objetivo);
}

void frmResultado::cmdSair_Click()
{
    accept();
}

// While the computation runs the window cannot be closed: it would go away under the run.
void frmResultado::reject()
{
    if (!ocupada_)
        QDialog::reject();
}

void frmResultado::closeEvent(QCloseEvent* event)
{
    if (ocupada_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

}  // namespace kivo
