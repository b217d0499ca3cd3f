#include "kivo/weighting/frmDados.h"

#include "kivo/shell/areatransferencia.h"
#include "kivo/shell/dados.h"
#include "kivo/shell/database.h"
#include "kivo/shell/descarte.h"
#include "kivo/weighting/comparacoes.h"
#include "kivo/weighting/gradedados.h"
#include "kivo/weighting/textosanalise.h"

#include "common/datasource.h"
#include "common/formats.h"
#include "common/logo.h"
#include "common/picturebox.h"
#include "common/platform.h"
#include "common/widgets.h"

#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QSettings>
#include <QTableView>

#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <limits>
#include <utility>
#include <vector>

namespace kivo {

namespace {

// Geometry in twips.
constexpr int GradeLeft = 320;
constexpr int BannerTop = 120;
constexpr int BannerAltura = 2300;
constexpr int GradeTop = BannerTop + BannerAltura + 60;
constexpr int LarguraNomes = 2650;    // column 0
constexpr int LarguraCriterio = 350;  // columns 1..n
constexpr int AlturaLinha = 270;
constexpr int PrimeiroBanner = 2970;  // over column 1
constexpr int PassoBanner = 345;
constexpr int AcrescimoLargura = 2400;  // the five result columns
constexpr int AcrescimoAltura = 500;    // the two result rows
constexpr int FrameLargura = 11100;
constexpr int PassoOpcao = 1800;  // between the option buttons
constexpr int FrameAltura = 2300;
constexpr int Margem = 320;
constexpr double TamanhoLetra = 7;  // points, in the cells at the laid-out size

// The result columns n+1..n+5: width and banner offset from the first result banner.
constexpr int LarguraResultado[5] = {400, 400, 500, 500, 600};
constexpr int OffsetBanner[5] = {0, 400, 850, 1350, 1950};
constexpr int LarguraBanner[5] = {400, 450, 500, 600, 600};

// Turns a click on a label, or Enter or Space while it holds the focus, into an action, guarded.
class CliqueRotulo : public QObject {
public:
    CliqueRotulo(QLabel* rotulo, std::function<void()> acao) : QObject(rotulo), acao_(std::move(acao))
    {
        rotulo->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        auto* rotulo = static_cast<QLabel*>(parent());
        if (objeto == rotulo && evento->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(evento);
            if (mouse->button() == Qt::LeftButton && rotulo->rect().contains(mouse->position().toPoint())) {
                common::runGuarded(acao_);
                return true;
            }
        } else if (objeto == rotulo && evento->type() == QEvent::KeyPress) {
            const int tecla = static_cast<QKeyEvent*>(evento)->key();
            if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter || tecla == Qt::Key_Space) {
                common::runGuarded(acao_);
                return true;
            }
        }
        return QObject::eventFilter(objeto, evento);
    }

private:
    std::function<void()> acao_;
};

// Enter, Space or F2 on a cell of the grid does what a click on it does.
class TeclaCelula : public QObject {
public:
    TeclaCelula(QTableView* grade, std::function<void()> acao) : QObject(grade), acao_(std::move(acao))
    {
        grade->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (objeto == parent() && evento->type() == QEvent::KeyPress) {
            const auto* tecla = static_cast<QKeyEvent*>(evento);
            const int k = tecla->key();
            if ((k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space || k == Qt::Key_F2) &&
                !(tecla->modifiers() & (Qt::AltModifier | Qt::ControlModifier))) {
                common::runGuarded(acao_);
                return true;
            }
        }
        return QObject::eventFilter(objeto, evento);
    }

private:
    std::function<void()> acao_;
};

}  // namespace

frmDados::frmDados(Programa& programa, QWidget* parent) : QDialog(parent), programa_(programa)
{
    setObjectName(QStringLiteral("frmDados"));
    setModal(true);

    Data1_ = common::withName(new common::DataSource(programa_.db, this), QStringLiteral("Data1"));
    grade_ = common::withName(new GradeDados(this), QStringLiteral("GradeDados"));

    montaBanners();
    montaGrade();
    montaComparacao();
    montaBotoes();
    ligaBotoes();
    retranslate();
}

void frmDados::retranslate()
{
    setWindowTitle(tr("Identificação dos Pesos"));
    Frame1_->setTitle(tr("Comparação: "));
    Label1_->setText(tr("O critério: "));
    Label2_->setText(tr("é: "));
    Label3_->setText(tr("Do que o critério: "));
    Label4_->setText(tr("Para a função objetivo "));
    const QString opcoes[6] = {QString(),    tr("Muito &Mais"), tr("Ma&is"), tr("&De forma igual"),
                               tr("M&enos"), tr("M&uito menos")};
    for (int k = 1; k <= 5; ++k)
        opt_[k]->setText(opcoes[k]);
    cmdGravar_->setText(tr("&Gravar"));
    cmdCalcular_->setText(tr("&Analizar"));
    cmdSair_->setText(tr("&Voltar"));

    // What the screen worded from what it shows: the pair asked, the banners of the criteria
    // without a name, the result columns and rows of an analysis, the consistency line.
    if (Frame1_->isVisibleTo(this) && x_ >= 1 && y_ <= n_) {
        lblFatorX_->setText(nome(x_));
        lblFatorY_->setText(nome(y_));
    }
    for (int k = 1; k <= n_; ++k)
        if (vago_[k])
            desenhaBanner(k, banners_[k].left, banners_[k].width, vago());
    if (analisado_)
        rotulaResultados();
    if (consistenciaMostrada_)
        mostraConsistencia();
}

void frmDados::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

QString frmDados::nome(int k) const
{
    //: Stays Portuguese in English.
    return vago_[k] ? tr("vago") : nomes_[k];
}

QString frmDados::vago()
{
    //: Stays Portuguese in English.
    return tr("Vago");
}

void frmDados::rotulaResultados()
{
    const int n = n_;
    grade_->setTexto(n, 0, tr("Pontos da Coluna"));
    grade_->setTexto(n + 1, 0, tr("Normatização V 0-5"));
    const QString banners[5] = {tr("Pontos da Linha"), tr("Normatização H 0-5"), tr("Emach"), tr("1-Normalização"),
                                tr("Peso Final")};
    for (int i = 0; i < 5; ++i)
        desenhaBanner(n + 1 + i, bannerLeft_ + OffsetBanner[i], LarguraBanner[i], banners[i]);
}

void frmDados::montaBanners()
{
    for (int k = 1; k <= 20; ++k) {
        auto* pic = common::withName(new common::PictureBox(this), common::arrayName(QStringLiteral("picLogo"), k));
        // Light letters: the banner is darkest at the bottom, where every caption starts.
        pic->useLightLettering();
        pic->hide();
        picLogo_[k] = pic;
    }
}

void frmDados::montaGrade()
{
    MSFlexGrid1_ = common::withName(new QTableView(this), QStringLiteral("MSFlexGrid1"));
    MSFlexGrid1_->setModel(grade_);
    QFont fonte = MSFlexGrid1_->font();
    fonte.setPointSizeF(TamanhoLetra);  // "0,1" fits a criterion column
    MSFlexGrid1_->setFont(fonte);
    MSFlexGrid1_->setTextElideMode(Qt::ElideNone);  // a narrow cell cuts its text, as the grid always did
    MSFlexGrid1_->horizontalHeader()->hide();
    MSFlexGrid1_->verticalHeader()->hide();
    MSFlexGrid1_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    MSFlexGrid1_->verticalHeader()->setMinimumSectionSize(1);
    MSFlexGrid1_->verticalHeader()->setDefaultSectionSize(common::twips(AlturaLinha));
    MSFlexGrid1_->horizontalHeader()->setMinimumSectionSize(1);
    MSFlexGrid1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSFlexGrid1_->setSelectionMode(QAbstractItemView::NoSelection);
    MSFlexGrid1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MSFlexGrid1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MSFlexGrid1_->setWordWrap(false);
    MSFlexGrid1_->setTabKeyNavigation(false);  // the arrows move over the cells, Tab leaves the grid
    MSFlexGrid1_->setFrameShape(QFrame::NoFrame);
    copiaComCtrlC(MSFlexGrid1_);
    connect(MSFlexGrid1_, &QTableView::clicked, this, [this](const QModelIndex& index) {
        MSFlexGrid1_->setCurrentIndex(index);
        common::runGuarded([this] { MSFlexGrid1_Click(); });
    });
    // From the keyboard the answer follows at once: the focus goes to the options, none chosen.
    new TeclaCelula(MSFlexGrid1_, [this] {
        if (!MSFlexGrid1_->currentIndex().isValid())
            return;
        MSFlexGrid1_Click();
        if (Frame1_->isVisible())
            opt_[5]->setFocus(Qt::TabFocusReason);
    });
}

// The frame that asks one pair: the two names, the five answers from left to right with their
// values under them, and its button.
void frmDados::montaComparacao()
{
    Frame1_ = common::withName(new QGroupBox(this), QStringLiteral("Frame1"));
    Label1_ = common::withName(new QLabel(Frame1_), QStringLiteral("Label1"));
    lblFatorX_ = common::withName(new QLabel(Frame1_), QStringLiteral("lblFatorX"));
    Label2_ = common::withName(new QLabel(Frame1_), QStringLiteral("Label2"));
    Label3_ = common::withName(new QLabel(Frame1_), QStringLiteral("Label3"));
    lblFatorY_ = common::withName(new QLabel(Frame1_), QStringLiteral("lblFatorY"));
    Label4_ = common::withName(new QLabel(Frame1_), QStringLiteral("Label4"));
    lblSintoma_ = common::withName(new QLabel(Frame1_), QStringLiteral("lblSintoma"));
    QPalette vermelho = lblSintoma_->palette();
    vermelho.setColor(QPalette::WindowText, Qt::red);
    lblSintoma_->setPalette(vermelho);
    for (QLabel* nome : {lblFatorX_, lblFatorY_}) {
        QFont negrito = nome->font();
        negrito.setBold(true);
        nome->setFont(negrito);
    }
    common::placeTwips(Label1_, 150, 350, 1700, 285);
    common::placeTwips(lblFatorX_, 1900, 350, 7000, 285);
    common::placeTwips(Label2_, 150, 780, 1700, 285);
    common::placeTwips(Label3_, 150, 1450, 1700, 285);
    common::placeTwips(lblFatorY_, 1900, 1450, 7000, 285);
    common::placeTwips(Label4_, 150, 1850, 2400, 285);
    common::placeTwips(lblSintoma_, 2600, 1850, 6300, 285);

    // From left to right: opt5 "Muito menos" .. opt1 "Muito Mais", the values under them.
    QString valores = QStringLiteral("<table cellspacing=0 cellpadding=0><tr>");
    const char* escala[5] = {"(1/10)", "(1/5)", "(1)", "(5)", "(10)"};
    for (int k = 1; k <= 5; ++k) {
        opt_[k] = common::withName(new QRadioButton(Frame1_), QStringLiteral("opt%1").arg(k));
        common::placeTwips(opt_[k], 1900 + PassoOpcao * (5 - k), 750, PassoOpcao - 30, 300);
        valores +=
            QStringLiteral("<td width=%1>%2</td>").arg(common::twips(PassoOpcao)).arg(QLatin1String(escala[k - 1]));
    }
    valores += QStringLiteral("</tr></table>");
    Label5_ = common::withName(new QLabel(valores, Frame1_), QStringLiteral("Label5"));
    Label5_->setTextFormat(Qt::RichText);
    common::placeTwips(Label5_, 1900 + 60, 1060, PassoOpcao * 5, 285);

    cmdGravar_ = common::withName(new QPushButton(Frame1_), QStringLiteral("cmdGravar"));
    common::placeTwips(cmdGravar_, FrameLargura - 1400, 1400, 1200, 450);
    Frame1_->hide();
}

void frmDados::montaBotoes()
{
    lblConsistencia_ = common::withName(new QLabel(this), QStringLiteral("lblConsistencia"));
    lblConsistencia_->setWordWrap(true);
    lblConsistencia_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblConsistencia_->setFocusPolicy(Qt::NoFocus);  // reachable by Tab while it suggests a pair
    lblConsistencia_->setStyleSheet(
        QStringLiteral("QLabel:focus { background-color: palette(highlight); color: palette(highlighted-text); }"));
    new CliqueRotulo(lblConsistencia_, [this] { lblConsistencia_Click(); });
    cmdCalcular_ = common::withName(new QPushButton(this), QStringLiteral("cmdCalcular"));
    cmdSair_ = common::withName(new QPushButton(this), QStringLiteral("cmdSair"));
}

void frmDados::ligaBotoes()
{
    common::onClick(cmdGravar_, this, &frmDados::cmdGravar_Click);
    common::onClick(cmdCalcular_, this, &frmDados::cmdCalcular_Click);
    common::onClick(cmdSair_, this, &frmDados::cmdSair_Click);
    common::noDefaultButtons(this);

    // Tab in reading order: the grid, the line below it, the options from left to right, their
    // button, the screen's buttons.
    QList<QWidget*> ordem{MSFlexGrid1_, lblConsistencia_};
    for (int k = 5; k >= 1; --k)
        ordem << opt_[k];
    ordem << cmdGravar_ << cmdCalcular_ << cmdSair_;
    for (qsizetype i = 1; i < ordem.size(); ++i)
        setTabOrder(ordem[i - 1], ordem[i]);
}

frmDados::~frmDados() = default;

bool frmDados::Form_Load()
{
    Data1_->setDatabaseName(programa_.db.path());
    Data1_->setConnect(QStringLiteral("Access 2000;"));

    criterios_ = comparacoes::abreTabela(programa_.db);
    const int n = comparacoes::quantidade(criterios_);

    // The table must hold what the count needs: a record and a comparison field per criterion.
    const comparacoes::Recusa tabela = comparacoes::verificaTabela(programa_.db, n);
    if (tabela.tipo != comparacoes::Recusa::Nenhuma)
        return recusa(tabela);
    Data1_->setRecordSource(comparacoes::consultaLinhas());
    Data1_->refresh();
    common::Recordset& rs = Data1_->recordset();
    const comparacoes::Recusa registros = comparacoes::verificaRegistros(rs, n);
    if (registros.tipo != comparacoes::Recusa::Nenhuma)
        return recusa(registros);

    n_ = n;
    programa_.qtdeCriterios = short(n);

    const comparacoes::Gravados gravados = comparacoes::le(rs, n_);
    preparaGrade();
    mostraNomes(gravados.nomes);
    mostraComparacoes(gravados.comparacoes);
    gravada_ = matriz();

    // The keyboard starts at the first pair still unanswered.
    if (const auto primeiro = proximoPar(0, 0))
        MSFlexGrid1_->setCurrentIndex(grade_->index(primeiro->first - 1, primeiro->second));
    else if (n_ > 0)
        MSFlexGrid1_->setCurrentIndex(grade_->index(0, std::min(1, n_)));
    MSFlexGrid1_->setFocus(Qt::OtherFocusReason);

    posicionaTela();
    return true;
}

// The grid sized for the criteria, the mirror cells below the diagonal grey.
void frmDados::preparaGrade()
{
    grade_->setTamanho(n_, n_ + 1);
    dimensionaGrade(LarguraCriterio * n_ + 2750, AlturaLinha * n_);
    MSFlexGrid1_->setColumnWidth(0, common::twips(LarguraNomes));
    for (int r = 1; r <= n_ - 1; ++r)
        for (int c = 1; c <= r; ++c)
            grade_->setFundo(r, c, GradeDados::Cinza);
}

// The names down the first column and on the banners over the criteria columns: an absent one is
// "vago" in the frame and the consistency line, "Vago" on its banner, and shows nothing in the grid.
void frmDados::mostraNomes(const QList<std::optional<QString>>& nomes)
{
    for (int k = 1; k <= n_; ++k) {
        grade_->setAlinhamento(k, GradeDados::EsquerdaAbaixo);
        MSFlexGrid1_->setColumnWidth(k, common::twips(LarguraCriterio));
        const std::optional<QString> dado = nomes.value(k - 1);
        vago_[k] = !dado;
        nomes_[k] = dado.value_or(QString());
        if (dado)
            grade_->setTexto(k - 1, 0, *dado);
    }
    for (int k = 1; k <= n_; ++k)
        grade_->setFundo(k - 1, k, GradeDados::Azul);

    // One banner over each criterion column.
    if (!logo_)
        logo_ = std::make_unique<common::cLogo>();
    int left = PrimeiroBanner;
    for (int k = 1; k <= n_; ++k) {
        desenhaBanner(k, left, PassoBanner, vago_[k] ? vago() : nomes_[k]);
        left += PassoBanner;
    }
    bannerLeft_ = left;
}

// The stored comparisons, both triangles, as stored; none leaves the cell empty.
void frmDados::mostraComparacoes(const std::vector<std::vector<double>>& comparacoes)
{
    for (int r = 1; r <= n_; ++r)
        for (int c = 1; c <= n_; ++c) {
            const double valor = comparacoes[size_t(r - 1)][size_t(c - 1)];
            if (valor > 0)
                grade_->setTexto(r - 1, c, common::numberText(valor));
        }
}

bool frmDados::recusa(const comparacoes::Recusa& recusa)
{
    QString texto;
    switch (recusa.tipo) {
    case comparacoes::Recusa::Quantidade:
        texto = tr("A quantidade de critérios gravada (%1) deve ser de 1 a 15.").arg(recusa.quantidade);
        break;
    case comparacoes::Recusa::Campo:
        texto = tr("A tabela Criterios não tem o campo %1.").arg(recusa.campo);
        break;
    case comparacoes::Recusa::Registros:
    case comparacoes::Recusa::Nenhuma:
        texto = tr("A tabela Criterios tem %1 registro(s), mas são %2 critérios.")
                    .arg(recusa.registros)
                    .arg(recusa.quantidade);
        break;
    }
    common::Messages::exclamation(this, tr("Tabela de critérios incompatível!"), texto);
    return false;
}

void frmDados::dimensionaGrade(int largura, int altura)
{
    larguraGrade_ = largura;
    alturaGrade_ = altura;
    common::placeTwips(MSFlexGrid1_, GradeLeft, GradeTop, largura, altura);
    if (!base_.isEmpty()) {
        geometrias_[MSFlexGrid1_] = MSFlexGrid1_->geometry();
        acompanhaTamanho();
    }
}

// A window larger than its layout gives the room to the grid, whose cells grow to fill it; the
// consistency line widens, and what stands below the grid moves down.
void frmDados::acompanhaTamanho()
{
    if (base_.isEmpty())
        return;
    const int dx = std::max(0, width() - base_.width());
    const int dy = std::max(0, height() - base_.height());
    for (auto it = geometrias_.cbegin(); it != geometrias_.cend(); ++it) {
        QRect r = it.value();
        if (it.key() == MSFlexGrid1_)
            r.setSize(r.size() + QSize(dx, dy));
        else
            r.translate(0, dy);
        if (it.key() == lblConsistencia_)
            r.setWidth(r.width() + dx);
        it.key()->setGeometry(r);
    }
    ampliaCelulas();
}

int frmDados::larguraColuna(int coluna) const
{
    if (coluna == 0)
        return LarguraNomes;
    if (coluna <= n_)
        return LarguraCriterio;
    return LarguraResultado[std::clamp(coluna - n_ - 1, 0, 4)];
}

// The cells, their letters and the banners over them grow by the same factor, the largest that
// keeps the grid's cells within the grid; at the laid-out size they keep their own measures.
void frmDados::ampliaCelulas()
{
    const double largura = common::twips(larguraGrade_);
    const double altura = common::twips(alturaGrade_);
    if (largura <= 0 || altura <= 0)
        return;
    const double fator = std::max(1.0, std::min(MSFlexGrid1_->width() / largura, MSFlexGrid1_->height() / altura));
    if (fator == fator_ && fatorColunas_ == grade_->cols())
        return;
    fator_ = fator;
    fatorColunas_ = grade_->cols();
    auto ampliado = [this](int twips) { return int(std::floor(common::twips(twips) * fator_)); };
    for (int c = 0; c < grade_->cols(); ++c)
        MSFlexGrid1_->setColumnWidth(c, ampliado(larguraColuna(c)));
    MSFlexGrid1_->verticalHeader()->setDefaultSectionSize(ampliado(AlturaLinha));
    for (int r = 0; r < grade_->rows(); ++r)
        MSFlexGrid1_->setRowHeight(r, ampliado(AlturaLinha));
    QFont fonte = MSFlexGrid1_->font();
    fonte.setPointSizeF(TamanhoLetra * fator_);
    MSFlexGrid1_->setFont(fonte);
    for (int k = 1; k < int(banners_.size()); ++k)
        if (!banners_[k].legenda.isNull())
            colocaBanner(k);
}

void frmDados::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    acompanhaTamanho();
}

void frmDados::done(int result)
{
    // The size the user gave the window is the one it opens with next time.
    if (!base_.isEmpty())
        QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("kivo"), QStringLiteral("kivo"))
            .setValue(QStringLiteral("frmDados/tamanho"), size());
    QDialog::done(result);
}

void frmDados::desenhaBanner(int k, int left, int width, const QString& caption)
{
    banners_[k] = {left, width, caption};
    common::PictureBox* pic = picLogo_[k];
    pic->show();
    pic->setToolTip(caption);  // a long name does not fit upright
    colocaBanner(k);
}

// A banner stands over its column as the cells grow: it keeps its place against the column's left
// edge, and its width, both grown by the same factor; its height stays.
void frmDados::colocaBanner(int k)
{
    const Banner& b = banners_[k];
    common::PictureBox* pic = picLogo_[k];
    common::placeTwips(pic, b.left, BannerTop, b.width, BannerAltura);
    if (fator_ != 1.0 && k < grade_->cols()) {
        int coluna = MSFlexGrid1_->x();  // the column's left edge at the laid-out size
        for (int c = 0; c < k; ++c)
            coluna += common::twips(larguraColuna(c));
        const int desvio = int(std::lround((pic->x() - coluna) * fator_));
        const int esquerda = MSFlexGrid1_->x() + MSFlexGrid1_->columnViewportPosition(k) + desvio;
        pic->setGeometry(esquerda, pic->y(), int(std::lround(pic->width() * fator_)), pic->height());
    }
    logo_->setDrawingObject(pic);
    logo_->setCaption(b.legenda);
    logo_->Draw();
}

// The window is laid out for the grid at its widest and tallest, after an analysis, so nothing
// moves when the result columns and rows appear.
void frmDados::posicionaTela()
{
    const int abaixoGrade = GradeTop + AlturaLinha * n_ + AcrescimoAltura + 100;
    const int largura =
        std::max(GradeLeft + LarguraCriterio * n_ + 2750 + AcrescimoLargura, GradeLeft + FrameLargura) + Margem;
    // Two lines: a cycle and a suggestion name up to four criteria.
    common::placeTwips(lblConsistencia_, GradeLeft, abaixoGrade, largura - GradeLeft - Margem, 560);
    const int frameTop = abaixoGrade + 660;
    common::placeTwips(Frame1_, GradeLeft, frameTop, FrameLargura, FrameAltura);
    const int botoes = frameTop + FrameAltura + 150;
    common::placeTwips(cmdCalcular_, GradeLeft, botoes, 1500, 450);
    common::placeTwips(cmdSair_, GradeLeft + 1700, botoes, 1500, 450);
    geometrias_.clear();
    for (QWidget* w : std::initializer_list<QWidget*>{MSFlexGrid1_, lblConsistencia_, Frame1_, cmdCalcular_, cmdSair_})
        geometrias_[w] = w->geometry();
    // The layout is the smallest size; the window can grow and be maximised, its grid with it.
    base_ = QSize(common::twips(largura), common::twips(botoes + 450 + 240));
    setMinimumSize(base_);
    setSizeGripEnabled(true);
    const QSize guardado =
        QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("kivo"), QStringLiteral("kivo"))
            .value(QStringLiteral("frmDados/tamanho"))
            .toSize();
    resize(guardado.isValid() ? guardado.expandedTo(base_) : base_);
    acompanhaTamanho();
}

void frmDados::limpaOpcoes()
{
    for (int k = 1; k <= 5; ++k) {
        opt_[k]->setAutoExclusive(false);
        opt_[k]->setChecked(false);
        opt_[k]->setAutoExclusive(true);
    }
}

void frmDados::MSFlexGrid1_Click()
{
    limpaOpcoes();
    const QModelIndex atual = MSFlexGrid1_->currentIndex();
    x_ = atual.isValid() ? atual.row() + 1 : 0;
    y_ = atual.isValid() ? atual.column() : 0;
    // Only a pair of criteria above the diagonal is asked; the result cells are no pair.
    if (y_ > x_ && y_ <= n_) {
        Frame1_->show();
        lblFatorY_->setText(nome(y_));
        lblFatorX_->setText(nome(x_));
        grade_->setFundo(x_ - 1, y_, GradeDados::Amarelo);
    } else {
        Frame1_->hide();
    }
}

void frmDados::cmdGravar_Click()
{
    if (!(x_ >= 1 && y_ > x_ && y_ <= n_))
        return;  // no pair asked
    QString pergunta;
    QString espelho;
    for (int k = 1; k <= 5; ++k)
        if (opt_[k]->isChecked()) {
            const analise::Resposta r = analise::resposta(k);
            pergunta = common::numberText(r.pergunta);
            espelho = common::numberText(r.espelho);
        }
    Frame1_->hide();
    grade_->setFundo(x_ - 1, y_, GradeDados::Branco);
    grade_->setTexto(x_ - 1, y_, pergunta);
    grade_->setTexto(y_ - 1, x_, espelho);
    if (consistenciaMostrada_)
        mostraConsistencia();
    // The keyboard goes on at the next pair still unanswered.
    if (const auto proximo = proximoPar(x_, y_)) {
        const QModelIndex celula = grade_->index(proximo->first - 1, proximo->second);
        MSFlexGrid1_->setCurrentIndex(celula);
        MSFlexGrid1_->scrollTo(celula);
    }
    MSFlexGrid1_->setFocus(Qt::OtherFocusReason);
}

std::optional<std::pair<int, int>> frmDados::proximoPar(int x, int y) const
{
    // Row by row above the diagonal, from the pair after (x, y), round to the first.
    std::vector<std::pair<int, int>> pares;
    for (int r = 1; r <= n_; ++r)
        for (int c = r + 1; c <= n_; ++c)
            pares.emplace_back(r, c);
    const auto depois = std::find(pares.begin(), pares.end(), std::make_pair(x, y));
    const size_t inicio = depois == pares.end() ? 0 : size_t(depois - pares.begin()) + 1;
    for (size_t i = 0; i < pares.size(); ++i) {
        const auto& [r, c] = pares[(inicio + i) % pares.size()];
        if (grade_->texto(r - 1, c).isEmpty())
            return pares[(inicio + i) % pares.size()];
    }
    return std::nullopt;
}

analise::Matriz frmDados::matriz() const
{
    analise::Matriz m;
    for (int r = 0; r < n_; ++r) {
        QStringList linha;
        for (int c = 1; c <= n_; ++c)
            linha << grade_->texto(r, c);
        m << linha;
    }
    return m;
}

comparacoes::Pesos frmDados::pesos() const
{
    comparacoes::Pesos p;
    for (int r = 0; r < n_; ++r) {
        p.emach << grade_->texto(r, n_ + 3);
        p.pesoFinal << grade_->texto(r, n_ + 5);
    }
    return p;
}

void frmDados::Gravar_Fatores()
{
    comparacoes::grava(programa_.db, Data1_->recordset(), matriz());
    gravada_ = matriz();
}

void frmDados::Gravar2_Fatores()
{
    // Only an analysis leaves results to store.
    if (grade_->cols() < n_ + 6)
        return;
    const comparacoes::Pesos p = pesos();
    comparacoes::grava(programa_.db, Data1_->recordset(), matriz(), &p);
}

void frmDados::cmdCalcular_Click()
{
    // One transaction for the whole analysis: the comparisons are stored whatever the analysis
    // finds, and the weights of all criteria or of none.
    comparacoes::GravacaoAnalise gravacao(programa_.db, Data1_->recordset(), matriz());
    gravada_ = matriz();
    cmdCalcular_->hide();
    lblConsistencia_->clear();

    const int n = n_;
    grade_->setTamanho(n + 2, n + 6);
    grade_->setAlinhamento(n + 1, GradeDados::EsquerdaAbaixo);
    grade_->setAlinhamento(n + 2, GradeDados::EsquerdaAbaixo);
    for (int i = 0; i < 5; ++i)
        MSFlexGrid1_->setColumnWidth(n + 1 + i, common::twips(LarguraResultado[i]));
    MSFlexGrid1_->setCurrentIndex(grade_->index(n + 1, n + 1));

    const quint32 fundos[5] = {GradeDados::Amarelo, GradeDados::Amarelo, GradeDados::Ciano, GradeDados::Amarelo,
                               GradeDados::Verde};
    for (int r = 0; r < n; ++r)
        for (int i = 0; i < 5; ++i)
            grade_->setFundo(r, n + 1 + i, fundos[i]);
    for (int c = 1; c <= n; ++c) {
        grade_->setFundo(n, c, GradeDados::Amarelo);
        grade_->setFundo(n + 1, c, GradeDados::Amarelo);
    }
    dimensionaGrade(larguraGrade_ + AcrescimoLargura, alturaGrade_ + AcrescimoAltura);

    analisado_ = true;
    rotulaResultados();

    const analise::Matriz m = matriz();
    const analise::Resultado resultado = analise::calcula(m);
    for (int k = 0; k < n; ++k) {
        grade_->setTexto(k, n + 1, resultado.pontosLinha[k]);
        grade_->setTexto(n, k + 1, resultado.pontosColuna[k]);
    }
    for (int k = 0; k < resultado.h.size(); ++k)
        grade_->setTexto(k, n + 2, resultado.h[k]);
    for (int k = 0; k < resultado.v.size(); ++k)
        grade_->setTexto(n + 1, k + 1, resultado.v[k]);
    for (int k = 0; k < resultado.emach.size(); ++k)
        grade_->setTexto(k, n + 3, resultado.emach[k]);
    for (int k = 0; k < resultado.normal.size(); ++k)
        grade_->setTexto(k, n + 4, resultado.normal[k]);
    for (int k = 0; k < resultado.peso.size(); ++k)
        grade_->setTexto(k, n + 5, resultado.peso[k]);

    // The line speaks of the answers, so it is shown even when the weights cannot be computed: a
    // cycle of equal answers gives every row the same points.
    mostraConsistencia();

    if (resultado.falha != analise::Falha::Nenhuma) {
        gravacao.conclui();
        if (const auto mensagem = mensagemAnalise(resultado.falha, programa_.idioma))
            common::Messages::exclamation(this, mensagem->titulo, mensagem->texto);
        return;
    }

    gravacao.gravaPesos(matriz(), pesos());
    gravacao.conclui();
}

void frmDados::mostraConsistencia()
{
    QStringList nomes;
    for (int k = 1; k <= n_; ++k)
        nomes << nome(k);
    const analise::Consistencia c = analise::consistencia(matriz());
    sugestao_ = c.sugestao;
    lblConsistencia_->setText(textoConsistencia(c, nomes));
    lblConsistencia_->setCursor(sugestao_ ? Qt::PointingHandCursor : Qt::ArrowCursor);
    lblConsistencia_->setFocusPolicy(sugestao_ ? Qt::TabFocus : Qt::NoFocus);
    consistenciaMostrada_ = true;
}

void frmDados::lblConsistencia_Click()
{
    if (!sugestao_)
        return;
    const QModelIndex celula = grade_->index(sugestao_->linha, sugestao_->coluna + 1);
    MSFlexGrid1_->setCurrentIndex(celula);
    MSFlexGrid1_->scrollTo(celula);
    MSFlexGrid1_Click();
    // The keyboard goes on at the answer suggested, which stays unchosen.
    opt_[sugestao_->para]->setFocus();
}

void frmDados::cmdSair_Click()
{
    Gravar_Fatores();
    accept();
}

void frmDados::reject()
{
    if (matriz() != gravada_ && !descartaAlteracoes(this))
        return;
    QDialog::reject();
}

}  // namespace kivo
