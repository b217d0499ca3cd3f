#include "davo/screens/frmAtividadesGUT.h"

#include "davo/data/database.h"
#include "davo/data/intercambio.h"
#include "davo/data/prazos.h"
#include "davo/screens/frmGravidade.h"
#include "davo/screens/frmNovaAtiv.h"
#include "davo/screens/frmPlano.h"
#include "davo/screens/frmTendencia.h"
#include "davo/screens/gradeatividades.h"
#include "davo/screens/report.h"
#include "davo/screens/tamanhojanela.h"

#include "common/clock.h"
#include "common/formats.h"
#include "common/maskeddatebox.h"
#include "common/picturebox.h"
#include "common/platform.h"
#include "common/widgets.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace davo {

namespace {

constexpr int LinhasIniciais = 20;
constexpr int AlturaTitulos = 1700;  // twips: room for the longest heading, upright
// The load label's colour when the load is bearable: the inactive caption bar's.
constexpr quint32 CorLegendaInativa = 0x80000003;

}  // namespace

frmAtividadesGUT::frmAtividadesGUT(Programa& programa, QWidget* parent) : QDialog(parent), programa_(programa)
{
    setObjectName(QStringLiteral("frmAtividadesGUT"));
    buildScreen();
    retranslate();
}

void frmAtividadesGUT::retranslate()
{
    setWindowTitle(tr("Atividades GUT"));
    const std::pair<const char*, QString> textos[] = {
        {"cmdNovaAtiv", tr("Incluir &Nova Atividade")},
        {"cmdPlano", tr("Ver &Plano")},
        {"Command1", tr("&Voltar")},
        {"Frame1", tr("Carga Horária/Dia: ")},
        {"Label2", tr("(primeiros 6 projetos)")},
        {"Label1", tr("Data Final:")},
        {"Label3", tr("Horas Estimadas:")},
        {"Label10", tr("Horas Já Trab.:")},
        {"chkFim", tr("Finalizar Tarefa")},
        {"cmdGravar", tr("&Gravar")},
        {"Label4", tr("Horas Trabalhadas:")},
        {"cmdReavaliar", tr("&Reavaliar")},
    };
    for (const auto& [nome, texto] : textos) {
        QWidget* w = findChild<QWidget*>(QLatin1String(nome));
        if (auto* label = qobject_cast<QLabel*>(w))
            label->setText(texto);
        else if (auto* botao = qobject_cast<QAbstractButton*>(w))
            botao->setText(texto);
        else if (auto* frame = qobject_cast<QGroupBox*>(w))
            frame->setTitle(texto);
    }
    cmdReavaliar_->setToolTip(tr("Responder de novo os questionários de Gravidade e Tendência desta atividade"));
    txtObs_->setPlaceholderText(tr("Observações"));
    // The upright headings, and the mark of the activities not yet rated, in the new language.
    if (logo_)
        desenhaTitulos();
    MSFlexGrid1_->viewport()->update();
}

void frmAtividadesGUT::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

frmAtividadesGUT::~frmAtividadesGUT() = default;

void frmAtividadesGUT::buildScreen()
{
    data_ = new common::DataSource(programa_.db, this);
    data_->setObjectName(QStringLiteral("Data1"));
    grade_ = new GradeAtividades(this);

    QWidget* titulos = montaTitulos();
    const int largura = montaGrade();
    titulos->setMinimumWidth(largura);
    montaCarga();
    auto* cmdNovaAtiv = common::withName(new QPushButton(this), QStringLiteral("cmdNovaAtiv"));
    auto* cmdPlano = common::withName(new QPushButton(this), QStringLiteral("cmdPlano"));
    auto* Command1 = common::withName(new QPushButton(this), QStringLiteral("Command1"));
    common::onClick(cmdNovaAtiv, this, &frmAtividadesGUT::cmdNovaAtiv_Click);
    common::onClick(cmdPlano, this, &frmAtividadesGUT::cmdPlano_Click);
    common::onClick(Command1, this, &frmAtividadesGUT::Command1_Click);

    auto* botoes = new QVBoxLayout;
    botoes->addWidget(Frame1_);
    botoes->addWidget(cmdNovaAtiv);
    botoes->addWidget(cmdPlano);
    botoes->addWidget(Command1);
    botoes->addStretch();
    auto* baixo = new QHBoxLayout;
    baixo->addLayout(botoes);
    baixo->addWidget(montaPainel(), 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titulos);
    layout->addWidget(MSFlexGrid1_, 1);
    layout->addLayout(baixo);
    layout->setSpacing(0);
    baixo->setContentsMargins(0, 8, 0, 0);
    lembraTamanho(this, QSize(minimumSizeHint().width(), common::twips(10000)));
    // The description column takes whatever width the window gives beyond the columns' own.
    MSFlexGrid1_->viewport()->installEventFilter(this);
    common::noDefaultButtons(this);

    escondePainel();
}

QWidget* frmAtividadesGUT::montaTitulos()
{
    // The upright headings stand over the grid's columns, one picture box each.
    auto* titulos = new QWidget(this);
    titulos->setObjectName(QStringLiteral("titulos"));
    titulos->setFixedHeight(common::twips(AlturaTitulos));
    picLogo_.assign(GradeAtividades::Colunas, nullptr);
    int x = 0;
    for (int k = 1; k < GradeAtividades::Colunas; ++k) {
        const int largura = common::twips(GradeAtividades::Larguras[k]);
        auto* pic = common::withName(new common::PictureBox(titulos), common::arrayName(QStringLiteral("picLogo"), k));
        pic->setGeometry(x, 0, largura, titulos->height());
        // Light letters: the banner is darkest at the bottom, where every heading starts.
        pic->useLightLettering();
        picLogo_[k] = pic;
        x += largura;
    }
    return titulos;
}

int frmAtividadesGUT::montaGrade()
{
    MSFlexGrid1_ = common::withName(new QTableView(this), QStringLiteral("MSFlexGrid1"));
    MSFlexGrid1_->setModel(grade_);
    // A compact font, so a bold date fits the date column's width.
    QFont fonte = MSFlexGrid1_->font();
    fonte.setPointSize(8);
    MSFlexGrid1_->setFont(fonte);
    MSFlexGrid1_->horizontalHeader()->hide();
    MSFlexGrid1_->verticalHeader()->hide();
    MSFlexGrid1_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    MSFlexGrid1_->verticalHeader()->setDefaultSectionSize(QFontMetrics(fonte).height() + 6);
    MSFlexGrid1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSFlexGrid1_->setSelectionMode(QAbstractItemView::NoSelection);
    MSFlexGrid1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MSFlexGrid1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MSFlexGrid1_->setWordWrap(false);
    MSFlexGrid1_->setTabKeyNavigation(false);  // Tab moves on to the buttons; the arrows move in the grid
    MSFlexGrid1_->setFrameShape(QFrame::NoFrame);
    int largura = 0;
    for (int c = 0; c < GradeAtividades::Colunas; ++c) {
        MSFlexGrid1_->setColumnWidth(c, common::twips(GradeAtividades::Larguras[c]));
        largura += common::twips(GradeAtividades::Larguras[c]);
    }
    MSFlexGrid1_->setColumnHidden(0, true);  // the key: width 0
    MSFlexGrid1_->setMinimumWidth(largura + MSFlexGrid1_->verticalScrollBar()->sizeHint().width());
    connect(MSFlexGrid1_, &QTableView::clicked, this, [this](const QModelIndex& index) {
        MSFlexGrid1_->setCurrentIndex(index);
        common::runGuarded([this] { MSFlexGrid1_Click(); });
    });
    // The selection follows the current row however it moves: the mouse, the arrows, Page Up and
    // Page Down, Ctrl+Home and Ctrl+End.
    connect(MSFlexGrid1_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid() && !restaurando_)
                    common::runGuarded([this] { MSFlexGrid1_Click(); });
            });
    return largura;
}

void frmAtividadesGUT::montaCarga()
{
    Frame1_ = common::withName(new QGroupBox(this), QStringLiteral("Frame1"));
    lblCargaH_ = common::withName(new QLabel(Frame1_), QStringLiteral("lblCargaH"));
    lblCargaH_->setAlignment(Qt::AlignCenter);
    lblCargaH_->setAutoFillBackground(true);
    lblCargaH_->setMinimumWidth(common::twips(900));
    QFont carga = lblCargaH_->font();
    carga.setBold(true);
    carga.setPointSize(carga.pointSize() + 2);
    lblCargaH_->setFont(carga);
    auto* frame1 = new QHBoxLayout(Frame1_);
    frame1->addWidget(lblCargaH_);
    frame1->addWidget(common::withName(new QLabel(Frame1_), QStringLiteral("Label2")));
}

QWidget* frmAtividadesGUT::montaPainel()
{
    Frame2_ = common::withName(new QGroupBox, QStringLiteral("Frame2"));
    mskDtFinal_ = common::withName(new common::MaskedDateBox(Frame2_), QStringLiteral("mskDtFinal"));
    txtHorasEst_ = common::withName(new QLineEdit(Frame2_), QStringLiteral("txtHorasEst"));
    lblHorasJaTrab_ = common::withName(new QLabel(Frame2_), QStringLiteral("lblHorasJaTrab"));
    auto* frame2 = new QGridLayout(Frame2_);
    frame2->addWidget(common::withName(new QLabel(Frame2_), QStringLiteral("Label1")), 0, 0);
    frame2->addWidget(mskDtFinal_, 0, 1);
    frame2->addWidget(common::withName(new QLabel(Frame2_), QStringLiteral("Label3")), 1, 0);
    frame2->addWidget(txtHorasEst_, 1, 1);
    frame2->addWidget(common::withName(new QLabel(Frame2_), QStringLiteral("Label10")), 2, 0);
    frame2->addWidget(lblHorasJaTrab_, 2, 1);

    Frame3_ = common::withName(new QGroupBox, QStringLiteral("Frame3"));
    txtHorasJaTrab_ = common::withName(new QLineEdit(Frame3_), QStringLiteral("txtHorasJaTrab"));
    chkFim_ = common::withName(new QCheckBox(Frame3_), QStringLiteral("chkFim"));
    cmdGravar_ = common::withName(new QPushButton(Frame3_), QStringLiteral("cmdGravar"));
    common::onClick(cmdGravar_, this, &frmAtividadesGUT::cmdGravar_Click);
    auto* frame3 = new QGridLayout(Frame3_);
    frame3->addWidget(common::withName(new QLabel(Frame3_), QStringLiteral("Label4")), 0, 0);
    frame3->addWidget(txtHorasJaTrab_, 0, 1);
    frame3->addWidget(chkFim_, 1, 0, 1, 2);
    frame3->addWidget(cmdGravar_, 2, 0, 1, 2);
    cmdReavaliar_ = common::withName(new QPushButton(Frame3_), QStringLiteral("cmdReavaliar"));
    common::onClick(cmdReavaliar_, this, &frmAtividadesGUT::cmdReavaliar_Click);
    frame3->addWidget(cmdReavaliar_, 3, 0, 1, 2);

    txtObs_ = common::withName(new QPlainTextEdit, QStringLiteral("txtObs"));
    txtObs_->setMaximumHeight(common::twips(1500));
    // Lines break at blanks, a word longer than the box inside itself; Tab moves on to the next
    // control, as everywhere on the screen.
    quebraNasPalavras(txtObs_);

    // The editing panel keeps its place while hidden, so the buttons keep their size.
    auto* painel = new QWidget(this);
    auto* campos = new QHBoxLayout(painel);
    campos->setContentsMargins(0, 0, 0, 0);
    campos->addWidget(Frame2_);
    campos->addWidget(Frame3_);
    campos->addWidget(txtObs_, 1);
    return painel;
}

void frmAtividadesGUT::escondePainel()
{
    txtObs_->hide();
    cmdGravar_->hide();
    Frame2_->hide();
    Frame3_->hide();
}

void frmAtividadesGUT::atualizaPrazos(const QDate& hoje)
{
    try {
        AtualizaPrazos(programa_.db, hoje);
    } catch (const common::StoreError& e) {
        if (!e.actionable())
            throw;
        // The pass was undone whole: the list shows the figures last stored, and says so once.
        if (avisouPrazos_)
            return;
        avisouPrazos_ = true;
        const common::FailureMessage m = common::wordFailure(e);
        common::Messages::exclamation(
            this, tr("Prazos não atualizados!"),
            tr("%1 A lista mostra os prazos e as horas da última gravação, que não puderam ser atualizados; %2")
                .arg(m.cause, m.advice));
    }
}

void frmAtividadesGUT::Form_Load()
{
    data_->setDatabaseName(programa_.pasta + QStringLiteral("/DAVO.mdb"));
    recarregaLista(Recarga::Abertura);
}

bool frmAtividadesGUT::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == MSFlexGrid1_->viewport() && evento->type() == QEvent::Resize)
        ajustaLargura();
    return QDialog::eventFilter(objeto, evento);
}

void frmAtividadesGUT::ajustaLargura()
{
    // Never narrower than its own width; its heading follows it, and the headings right of it
    // move along.
    int outras = 0;
    for (int c = 0; c < GradeAtividades::Colunas; ++c)
        if (c != GradeAtividades::ColunaAtividade)
            outras += common::twips(GradeAtividades::Larguras[c]);
    const int propria = common::twips(GradeAtividades::Larguras[GradeAtividades::ColunaAtividade]);
    const int largura = std::max(propria, MSFlexGrid1_->viewport()->width() - outras);
    if (MSFlexGrid1_->columnWidth(GradeAtividades::ColunaAtividade) == largura)
        return;
    MSFlexGrid1_->setColumnWidth(GradeAtividades::ColunaAtividade, largura);
    int x = 0;
    for (int k = 1; k < GradeAtividades::Colunas; ++k) {
        const int w = k == GradeAtividades::ColunaAtividade ? largura : common::twips(GradeAtividades::Larguras[k]);
        picLogo_[k]->setGeometry(x, 0, w, picLogo_[k]->height());
        x += w;
    }
    if (logo_) {
        logo_->setDrawingObject(picLogo_[GradeAtividades::ColunaAtividade]);
        logo_->setCaption(GradeAtividades::titulo(GradeAtividades::ColunaAtividade));
        logo_->Draw();
    }
}

void frmAtividadesGUT::desenhaTitulos()
{
    // One banner paints all thirteen headings, in the colours it has when made.
    if (!logo_)
        logo_ = std::make_unique<common::cLogo>();
    for (int k = 1; k < GradeAtividades::Colunas; ++k) {
        logo_->setDrawingObject(picLogo_[k]);
        logo_->setCaption(GradeAtividades::titulo(k));
        logo_->Draw();
    }
}

void frmAtividadesGUT::CargaHoraDia()
{
    // The load as shown, one decimal, is the one compared with the limit.
    const double carga = cargaMostrada(davo::CargaHoraDia(data_->recordset()));
    lblCargaH_->setText(common::formatFixed(carga, 1));
    QPalette palette = lblCargaH_->palette();
    palette.setColor(QPalette::Window,
                     carga > LimiteCarga ? QColor(255, 0, 0) : common::systemColour(CorLegendaInativa));
    lblCargaH_->setPalette(palette);
}

void frmAtividadesGUT::PreencheGrade()
{
    grade_->limpa();
    common::Recordset& lista = data_->recordset();
    if (lista.recordCount() > 0)
        lista.moveFirst();
    grade_->preenche(lista);
    grade_->setNaoAvaliadas(atividadesNaoAvaliadas(programa_.db));
    qtdeAtividades_ = lista.recordCount();
    restauraSelecao();
}

void frmAtividadesGUT::restauraSelecao()
{
    // The rows were rebuilt and may have moved: the selected activity is found again by its key,
    // or, when it is no longer listed, nothing stays selected and the panel closes.
    int linha = -1;
    if (!Frame2_->isHidden() && rsAtividade_.isOpen() && !rsAtividade_.eof()) {
        const QString codigo = rsAtividade_.text(QStringLiteral("Codigo"));
        for (int r = 0; r < qtdeAtividades_ && linha < 0; ++r)
            if (grade_->codigo(r) == codigo)
                linha = r;
    }
    restaurando_ = true;
    if (linha < 0) {
        escondePainel();
        rsAtividade_.close();
        linhaSelecionada_ = -1;
        // No current cell either: the focus coming to the grid does not select its first row.
        MSFlexGrid1_->setCurrentIndex(QModelIndex());
    } else {
        linhaSelecionada_ = linhaAnterior_ = linha;
        grade_->pintaCelula(linha, GradeAtividades::ColunaAtividade, GradeAtividades::Amarelo);
        MSFlexGrid1_->setCurrentIndex(grade_->index(linha, GradeAtividades::ColunaAtividade));
    }
    restaurando_ = false;
}

void frmAtividadesGUT::MSFlexGrid1_Click()
{
    const QModelIndex current = MSFlexGrid1_->currentIndex();
    if (!current.isValid())
        return;
    linhaSelecionada_ = current.row();
    // A new selection starts with nothing ticked: a finish is never carried over to another row.
    chkFim_->setChecked(false);
    grade_->pintaCelula(linhaAnterior_, GradeAtividades::ColunaAtividade, Qt::white);

    if (!abreAtividade(programa_.db, grade_->codigo(linhaSelecionada_), rsAtividade_)) {
        // A row without an activity: nothing is selected, and the save can no longer act on the
        // activity chosen before.
        escondePainel();
        return;
    }
    txtObs_->show();
    cmdGravar_->show();
    Frame2_->show();
    Frame3_->show();
    grade_->pintaCelula(linhaSelecionada_, GradeAtividades::ColunaAtividade, GradeAtividades::Amarelo);
    linhaAnterior_ = linhaSelecionada_;
    txtObs_->setPlainText(rsAtividade_.text(QStringLiteral("Obs")));
    mskDtFinal_->setText(rsAtividade_.text(QStringLiteral("DataFinal")));
    txtHorasEst_->setText(rsAtividade_.text(QStringLiteral("HorasEst")));
    lblHorasJaTrab_->setText(rsAtividade_.text(QStringLiteral("HorasTrab")));
    txtHorasJaTrab_->clear();  // ready for the hours worked since the last booking
    painelCarregado_ = estadoPainel();
}

QStringList frmAtividadesGUT::estadoPainel() const
{
    return {txtObs_->toPlainText(), mskDtFinal_->Text(), txtHorasEst_->text(), txtHorasJaTrab_->text(),
            chkFim_->isChecked() ? QStringLiteral("1") : QString()};
}

bool frmAtividadesGUT::painelAlterado() const
{
    return !Frame2_->isHidden() && rsAtividade_.isOpen() && estadoPainel() != painelCarregado_;
}

bool frmAtividadesGUT::descartaPainel()
{
    return !painelAlterado() || descartaAlteracoes(this);
}

void frmAtividadesGUT::reject()
{
    if (descartaPainel())
        QDialog::reject();
}

void frmAtividadesGUT::cmdGravar_Click()
{
    if (!rsAtividade_.isOpen() || rsAtividade_.eof())
        return;
    // Every check before the write, the write in one transaction, the report after it: no message
    // waits on the user while the database is being written.
    const QDate hoje = common::Clock::today();
    const std::optional<LeituraEdicao> leitura = lePainel(hoje);
    if (!leitura)
        return;
    gravaEdicao(programa_.db, rsAtividade_, leitura->edicao, hoje);
    grade_->pintaCelula(linhaSelecionada_, GradeAtividades::ColunaAtividade, Qt::white);

    escondePainel();
    chkFim_->setChecked(false);
    txtObs_->clear();
    txtHorasJaTrab_->clear();

    recarregaLista();
    avisaData(leitura->novaData);
}

std::optional<LeituraEdicao> frmAtividadesGUT::lePainel(const QDate& hoje)
{
    const LeituraEdicao leitura = leEdicao({txtObs_->toPlainText(), mskDtFinal_->date(), txtHorasEst_->text(),
                                            txtHorasJaTrab_->text(), chkFim_->isChecked()},
                                           hoje);
    if (leitura.aceita())
        return leitura;
    for (const QString& campo : leitura.recusados) {
        const Aviso aviso = campo == CampoHorasEst ? horasEstimadasIncorretas() : horasJaTrabIncorretas();
        common::Messages::exclamation(this, aviso.titulo, aviso.texto);
    }
    (leitura.recusados.first() == CampoHorasEst ? txtHorasEst_ : txtHorasJaTrab_)->setFocus();
    return std::nullopt;
}

void frmAtividadesGUT::avisaData(NovaDataFinal novaData)
{
    switch (novaData) {
    case NovaDataFinal::Aceita:
        break;
    case NovaDataFinal::Anterior:
        common::Messages::exclamation(
            this, tr("Data Final incompatível!"),
            tr("Data Final não pode ser anterior da data de hoje, e nesse caso não será alterada."));
        mskDtFinal_->setText(common::MaskedDateBox::emptyText());
        break;
    case NovaDataFinal::Invalida:
        common::Messages::exclamation(this, tr("Data Final incompatível!"),
                                      tr("Data Final não válida e nesse caso não será alterada."));
        break;
    }
}

void frmAtividadesGUT::cmdNovaAtiv_Click()
{
    {
        frmNovaAtiv nova(programa_, this);
        common::Modal::exec(nova);
    }
    recarregaLista();
}

void frmAtividadesGUT::cmdPlano_Click()
{
    frmPlano plano(programa_, this);
    plano.Form_Load();
    common::Modal::exec(plano);
}

void frmAtividadesGUT::recarregaLista(Recarga recarga)
{
    const bool abertura = recarga == Recarga::Abertura;
    atualizaPrazos(common::Clock::today());
    data_->setRecordSource(ListaAtivas);
    data_->refresh();
    const int registros = data_->recordset().recordCount();
    if (abertura) {
        grade_->setRows(LinhasIniciais);
        if (registros > 0)
            grade_->setRows(registros < LinhasIniciais ? LinhasIniciais : registros + 1);
    }
    if (!abertura || registros > 0)
        CargaHoraDia();
    PreencheGrade();
    // The headings are drawn at opening when there is something to head; the first activity added
    // to an empty list brings them.
    if (qtdeAtividades_ > 0 && (abertura || !logo_))
        desenhaTitulos();
}

void frmAtividadesGUT::Command1_Click()
{
    close();
}

void frmAtividadesGUT::cmdReavaliar_Click()
{
    if (!rsAtividade_.isOpen() || rsAtividade_.eof())
        return;
    const QVariant codigo = rsAtividade_.value(QStringLiteral("Codigo"));
    // The questionnaires hand their results to these, as they do to the new-activity screen's.
    QLabel gravidade;
    QLabel tendencia;
    {
        frmGravidade questionario(&gravidade, this);
        common::Modal::exec(questionario);
    }
    const auto g = common::readNumber(gravidade.text());
    if (!g)
        return;  // no gravity: the rating stays as it was
    {
        frmTendencia questionario(&tendencia, this);
        common::Modal::exec(questionario);
    }
    const auto t = common::readNumber(tendencia.text());
    if (!t)
        return;

    const QDate hoje = common::Clock::today();
    rsAtividade_.close();
    if (!gravaAvaliacao(programa_.db, codigo, *g, *t, hoje) || !abreAtividade(programa_.db, codigo, rsAtividade_)) {
        escondePainel();
        return;
    }
    // The rebuilt list keeps the activity selected, and what was typed in the panel stays for
    // "&Gravar" to store.
    recarregaLista();
}

}  // namespace davo
