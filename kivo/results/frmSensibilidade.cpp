#include "kivo/results/frmSensibilidade.h"

#include "kivo/results/ranking.h"
#include "kivo/shell/areatransferencia.h"
#include "kivo/shell/kivo.h"

#include "common/formats.h"
#include "common/platform.h"
#include "common/store.h"
#include "common/widgets.h"
#include "common/windowsize.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace kivo {

using namespace sensibilidade;

namespace {

enum Coluna { ColCriterio, ColSinal, ColPeso, ColMinimo, ColMaximo, ColAbaixo, ColAcima, ColMargem, Colunas };

// Fifteen lines told apart by colour.
const QColor Cores[15] = {
    QColor(31, 119, 180), QColor(255, 127, 14),  QColor(44, 160, 44),   QColor(214, 39, 40),  QColor(148, 103, 189),
    QColor(140, 86, 75),  QColor(227, 119, 194), QColor(127, 127, 127), QColor(188, 189, 34), QColor(23, 190, 207),
    QColor(57, 59, 121),  QColor(230, 85, 13),   QColor(49, 163, 84),   QColor(132, 60, 57),  QColor(99, 99, 99),
};

// The narrowest criterion's row.
const QColor CorEstreita(255, 236, 160);
// The range that keeps the best option, on the chart.
const QColor CorFaixa(220, 242, 220);

const QString Nada = QStringLiteral("\u2014");  // nothing changes on this side

// A step of 1, 2 or 5 times a power of ten giving about `marcas` marks over `amplitude`.
double passoRedondo(double amplitude, int marcas)
{
    const double bruto = amplitude / marcas;
    const double potencia = std::pow(10.0, std::floor(std::log10(bruto)));
    for (double fator : {1.0, 2.0, 5.0})
        if (bruto <= fator * potencia * (1 + 1e-9))
            return fator * potencia;
    return 10 * potencia;
}

// A sentence ending in a name: its full stop, unless the name ends in one ("Gama Ltda.").
QString frase(const QString& texto)
{
    if (texto.endsWith(QLatin1Char('.')) || texto.endsWith(QLatin1Char('!')) || texto.endsWith(QLatin1Char('?')))
        return texto;
    return texto + QLatin1Char('.');
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// The chart

GraficoSensibilidade::GraficoSensibilidade(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize GraficoSensibilidade::sizeHint() const
{
    return {760, 320};
}

QSize GraficoSensibilidade::minimumSizeHint() const
{
    return {420, 220};
}

void GraficoSensibilidade::mostra(int criterio, Curvas curvas, double pesoAtual, std::optional<Faixa> faixa,
                                  QStringList nomes, int melhor, Textos textos)
{
    criterio_ = criterio;
    curvas_ = std::move(curvas);
    pesoAtual_ = pesoAtual;
    faixa_ = std::move(faixa);
    nomes_ = std::move(nomes);
    melhor_ = melhor;
    textos_ = std::move(textos);
    update();
}

// Where the chart stands: its plotting area, the vertical range and its marks, the legend's width.
struct GraficoSensibilidade::Escala {
    QRectF area;
    double baixo = 0;
    double alto = 0;
    double passo = 1;
    int decimais = 0;
    int larguraMarcas = 0;
    int legenda = 0;
    int linha = 0;

    double x(double peso) const { return area.left() + (peso - PesoMinimo) / (PesoMaximo - PesoMinimo) * area.width(); }
    double y(double r) const { return area.bottom() - (r - baixo) / (alto - baixo) * area.height(); }
};

GraficoSensibilidade::Escala GraficoSensibilidade::mede() const
{
    Escala e;
    const QFontMetrics fm(font());
    e.linha = fm.height();

    // Vertical range: every result and 0, with a little room.
    for (const auto& serie : curvas_.resultados)
        for (double r : serie) {
            e.baixo = std::min(e.baixo, r);
            e.alto = std::max(e.alto, r);
        }
    if (e.alto - e.baixo < 1e-12)
        e.alto = e.baixo + 1;
    e.passo = passoRedondo(e.alto - e.baixo, 5);
    e.baixo = std::floor(e.baixo / e.passo - 1e-9) * e.passo;
    e.alto = std::ceil(e.alto / e.passo + 1e-9) * e.passo;
    e.decimais = std::clamp(static_cast<int>(std::ceil(-std::log10(e.passo) - 1e-9)), 0, 6);

    // Legend on the right, as wide as the longest name allows.
    int larguraNomes = 0;
    for (const QString& nome : nomes_)
        larguraNomes = std::max(larguraNomes, fm.horizontalAdvance(nome));
    e.legenda = std::min(larguraNomes, 180) + 36;

    for (double v = e.baixo; v <= e.alto + e.passo / 2; v += e.passo)
        e.larguraMarcas = std::max(e.larguraMarcas, fm.horizontalAdvance(common::formatFixed(v, e.decimais)));

    e.area = QRectF(e.larguraMarcas + e.linha + 14, e.linha * 2 + 8,
                    width() - (e.larguraMarcas + e.linha + 14) - e.legenda - 12, height() - e.linha * 4 - 16);
    return e;
}

void GraficoSensibilidade::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    if (criterio_ < 0 || curvas_.pesos.size() < 2)
        return;
    const Escala e = mede();
    if (e.area.width() < 40 || e.area.height() < 40)
        return;

    // Title.
    p.setPen(Qt::black);
    QFont negrito = font();
    negrito.setBold(true);
    p.setFont(negrito);
    p.drawText(QRectF(0, 4, width(), e.linha + 2), Qt::AlignHCenter | Qt::AlignVCenter,
               QFontMetrics(negrito).elidedText(textos_.titulo, Qt::ElideRight, width() - 8));
    p.setFont(font());

    // The range over which the best option stays.
    if (faixa_ && melhor_ != SemMelhor) {
        const QRectF faixa(QPointF(e.x(faixa_->minimo), e.area.top()), QPointF(e.x(faixa_->maximo), e.area.bottom()));
        p.fillRect(faixa.normalized(), CorFaixa);
    }

    desenhaEixos(p, e);
    desenhaCurvas(p, e);
    desenhaPesoAtual(p, e);
    desenhaLegenda(p, e);
}

void GraficoSensibilidade::desenhaEixos(QPainter& p, const Escala& e) const
{
    const QRectF& area = e.area;
    const int linha = e.linha;
    // Grid and marks.
    p.setPen(QPen(QColor(225, 225, 225), 1));
    for (int peso = 1; peso <= 10; ++peso)
        p.drawLine(QPointF(e.x(peso), area.top()), QPointF(e.x(peso), area.bottom()));
    for (double v = e.baixo; v <= e.alto + e.passo / 2; v += e.passo)
        p.drawLine(QPointF(area.left(), e.y(v)), QPointF(area.right(), e.y(v)));
    p.setPen(Qt::black);
    for (int peso = 1; peso <= 10; ++peso)
        p.drawText(QRectF(e.x(peso) - 20, area.bottom() + 3, 40, linha), Qt::AlignHCenter | Qt::AlignTop,
                   QString::number(peso));
    for (double v = e.baixo; v <= e.alto + e.passo / 2; v += e.passo)
        p.drawText(QRectF(area.left() - e.larguraMarcas - 6, e.y(v) - linha / 2.0, e.larguraMarcas, linha),
                   Qt::AlignRight | Qt::AlignVCenter, common::formatFixed(v, e.decimais));
    p.drawRect(area);
    if (e.baixo < 0 && e.alto > 0) {
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.drawLine(QPointF(area.left(), e.y(0)), QPointF(area.right(), e.y(0)));
    }

    // Axis titles.
    p.setPen(Qt::black);
    p.drawText(QRectF(area.left(), area.bottom() + linha + 4, area.width(), linha), Qt::AlignHCenter, textos_.eixoPeso);
    p.save();
    p.translate(4, area.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-area.height() / 2, 0, area.height(), linha), Qt::AlignHCenter, textos_.eixoResultado);
    p.restore();
}

void GraficoSensibilidade::desenhaCurvas(QPainter& p, const Escala& e) const
{
    // One line per alternative, the best option's thicker, drawn last so it stays on top.
    p.setClipRect(e.area.adjusted(-2, -2, 2, 2));
    const int m = static_cast<int>(curvas_.resultados.size());
    for (int passoDesenho = 0; passoDesenho < 2; ++passoDesenho)
        for (int a = 0; a < m; ++a) {
            const bool destaque = a == melhor_;
            if (destaque != (passoDesenho == 1))
                continue;
            QPolygonF linhaCurva;
            for (size_t i = 0; i < curvas_.pesos.size(); ++i)
                linhaCurva << QPointF(e.x(curvas_.pesos[i]), e.y(curvas_.resultados[a][i]));
            p.setPen(QPen(Cores[a % 15], destaque ? 3.0 : 1.6));
            p.drawPolyline(linhaCurva);
        }
}

void GraficoSensibilidade::desenhaPesoAtual(QPainter& p, const Escala& e) const
{
    // The current weight (the curves' clipping still on for its line).
    if (pesoAtual_ >= PesoMinimo && pesoAtual_ <= PesoMaximo) {
        p.setPen(QPen(Qt::black, 1.2, Qt::DashLine));
        p.drawLine(QPointF(e.x(pesoAtual_), e.area.top()), QPointF(e.x(pesoAtual_), e.area.bottom()));
        p.setClipping(false);
        const QString marca = textos_.pesoAtual + QLatin1Char(' ') + common::formatFixed(pesoAtual_, 2);
        const int largura = QFontMetrics(font()).horizontalAdvance(marca) + 6;
        double esquerda = e.x(pesoAtual_) + 3;
        if (esquerda + largura > e.area.right())
            esquerda = e.x(pesoAtual_) - 3 - largura;
        p.setPen(Qt::black);
        p.drawText(QRectF(esquerda, e.area.top() - e.linha - 2, largura, e.linha), Qt::AlignLeft | Qt::AlignVCenter,
                   marca);
    }
    p.setClipping(false);
}

void GraficoSensibilidade::desenhaLegenda(QPainter& p, const Escala& e) const
{
    const int m = static_cast<int>(curvas_.resultados.size());
    const int linha = e.linha;
    const double legendaX = e.area.right() + 12;
    for (int a = 0; a < m && a < nomes_.size(); ++a) {
        const double topo = e.area.top() + a * (linha + 2);
        if (topo + linha > height())
            break;
        p.setPen(QPen(Cores[a % 15], a == melhor_ ? 3.0 : 1.6));
        p.drawLine(QPointF(legendaX, topo + linha / 2.0), QPointF(legendaX + 18, topo + linha / 2.0));
        QFont f = font();
        f.setBold(a == melhor_);
        p.setFont(f);
        p.setPen(Qt::black);
        p.drawText(QRectF(legendaX + 24, topo, e.legenda - 30, linha), Qt::AlignLeft | Qt::AlignVCenter,
                   QFontMetrics(f).elidedText(nomes_[a], Qt::ElideRight, e.legenda - 30));
    }
}

// ---------------------------------------------------------------------------------------------
// The screen

struct frmSensibilidade::Textos {
    QString titulo;
    QString sair;
    QStringList colunas;
    QString nenhuma;  // no alternative above 0
    QString melhor;   // "Melhor opção: %1", the full stop added
    QString muda;     // the best option changes ... %1 criterion, %2 from, %3 to
    QString passaA;   // ... and becomes %1, the full stop added
    QString passaANenhuma;
    QString naoMuda;
    QString semMelhor;
    QString grafico;  // the chart's title, %1 the criterion
    QString eixoPeso;
    QString eixoResultado;
    QString pesoAtual;
};

frmSensibilidade::Textos frmSensibilidade::textos()
{
    return {
        tr("Sensibilidade"),
        tr("&Sair"),
        {tr("Critério"), tr("Sinal"), tr("Peso"), tr("Peso mínimo"), tr("Peso máximo"), tr("Melhor abaixo"),
         tr("Melhor acima"), tr("Margem")},
        tr("(nenhuma)"),
        tr("Melhor opção: %1"),
        tr("A melhor opção muda se o peso de %1 passar de %2 para %3."),
        tr("Com esse peso, a melhor opção passa a ser %1"),
        tr("Com esse peso, nenhuma alternativa fica acima de 0."),
        tr("A melhor opção não muda com nenhum peso de 1 a 10, um critério por vez."),
        tr("Nenhuma alternativa tem resultado acima de 0: não há melhor opção."),
        tr("Resultado de cada alternativa conforme o peso de %1"),
        tr("Peso"),
        tr("Resultado"),
        tr("atual"),
    };
}

frmSensibilidade::frmSensibilidade(Caso caso, QWidget* parent) : QDialog(parent), analise_(std::move(caso))
{
    setObjectName(QStringLiteral("frmSensibilidade"));
    setModal(true);

    lblFirmeza_ = common::withName(new QLabel(this), QStringLiteral("lblFirmeza"));
    lblFirmeza_->setWordWrap(true);
    QFont grande = lblFirmeza_->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.1);
    lblFirmeza_->setFont(grande);

    grdSensibilidade_ = common::withName(new QTableWidget(this), QStringLiteral("grdSensibilidade"));
    grdSensibilidade_->setColumnCount(Colunas);
    grdSensibilidade_->verticalHeader()->hide();
    grdSensibilidade_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdSensibilidade_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdSensibilidade_->setSelectionMode(QAbstractItemView::SingleSelection);
    grdSensibilidade_->setWordWrap(false);
    grdSensibilidade_->setTabKeyNavigation(false);  // Tab leaves the table for the button
    copiaComCtrlC(grdSensibilidade_);

    graSensibilidade_ = common::withName(new GraficoSensibilidade(this), QStringLiteral("graSensibilidade"));

    cmdSair_ = common::withName(new QPushButton(this), QStringLiteral("cmdSair"));
    common::onClick(cmdSair_, this, &frmSensibilidade::cmdSair_Click);
    connect(grdSensibilidade_, &QTableWidget::currentCellChanged, this,
            [this] { common::runGuarded([this] { grdSensibilidade_RowColChange(); }); });

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(cmdSair_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblFirmeza_);
    layout->addWidget(grdSensibilidade_);
    layout->addWidget(graSensibilidade_, 1);
    layout->addLayout(botoes);

    common::noDefaultButtons(this);
    new common::WindowSize(this, QStringLiteral("kivo"), QStringLiteral("frmSensibilidade"));
    retranslate();
}

void frmSensibilidade::retranslate()
{
    const Textos t = textos();
    setWindowTitle(t.titulo);
    cmdSair_->setText(t.sair);
    grdSensibilidade_->setHorizontalHeaderLabels(t.colunas);
    if (!carregada_)
        return;
    lblFirmeza_->setText(textoFirmeza());
    reescreveCelulas();
    grdSensibilidade_->resizeColumnsToContents();
    if (graSensibilidade_->criterio() >= 0)
        mostraGrafico(graSensibilidade_->criterio());
}

void frmSensibilidade::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

// The cells whose text is worded rather than read: a criterion without a name, and the options that
// take the best option's place ("(nenhuma)", an alternative without a name).
void frmSensibilidade::reescreveCelulas()
{
    const auto& criterios = analise_.caso().criterios;
    for (int k = 0; k < static_cast<int>(criterios.size()) && k < grdSensibilidade_->rowCount(); ++k) {
        const Criterio& c = criterios[k];
        const Faixa& f = faixas_.at(k);
        const auto escreve = [&](int coluna, const QString& texto) {
            if (QTableWidgetItem* item = grdSensibilidade_->item(k, coluna))
                item->setText(texto);
        };
        escreve(ColCriterio, ranking::nomeCriterio(k + 1, c.nome));
        escreve(ColAbaixo, f.abaixo ? nomeOpcao(f.abaixo->melhor) : Nada);
        escreve(ColAcima, f.acima ? nomeOpcao(f.acima->melhor) : Nada);
    }
}

QString frmSensibilidade::nomeOpcao(int alternativa) const
{
    if (alternativa == SemMelhor)
        return textos().nenhuma;
    return ranking::nomeAlternativa(alternativa + 1, analise_.caso().alternativas.at(alternativa));
}

QString frmSensibilidade::textoFirmeza() const
{
    const Textos t = textos();
    const int melhor = analise_.atual().melhor;
    if (melhor == SemMelhor)
        return t.semMelhor;
    const QString cabeca = frase(t.melhor.arg(nomeOpcao(melhor))) + QLatin1Char(' ');
    if (maisEstreita_ < 0)
        return cabeca + t.naoMuda;
    const Faixa& f = faixas_.at(maisEstreita_);
    const Mudanca mudanca = *f.maisProxima();
    const Criterio& c = analise_.caso().criterios.at(f.criterio);
    const QString nome = ranking::nomeCriterio(f.criterio + 1, c.nome);
    return cabeca + t.muda.arg(nome, common::formatFixed(f.peso, 2), common::formatFixed(mudanca.peso, 2)) +
           QLatin1Char(' ') +
           (mudanca.melhor == SemMelhor ? t.passaANenhuma : frase(t.passaA.arg(nomeOpcao(mudanca.melhor))));
}

void frmSensibilidade::Form_Load()
{
    faixas_ = analise_.faixas();
    const bool temMelhor = analise_.atual().melhor != SemMelhor;
    maisEstreita_ = temMelhor ? Sensibilidade::maisEstreita(faixas_) : -1;

    const auto& criterios = analise_.caso().criterios;
    const int n = static_cast<int>(criterios.size());
    grdSensibilidade_->setRowCount(n);
    const auto celula = [&](int linha, int coluna, const QString& texto, Qt::Alignment alinhamento) {
        auto* item = new QTableWidgetItem(texto);
        item->setTextAlignment(alinhamento | Qt::AlignVCenter);
        grdSensibilidade_->setItem(linha, coluna, item);
    };
    const auto numero = [](double v) { return common::formatFixed(v, 2); };
    for (int k = 0; k < n; ++k) {
        const Criterio& c = criterios[k];
        const Faixa& f = faixas_[k];
        celula(k, ColCriterio, {}, Qt::AlignLeft);  // the worded cells: reescreveCelulas
        celula(k, ColSinal, c.sinal, Qt::AlignHCenter);
        celula(k, ColPeso, numero(c.peso), Qt::AlignRight);
        celula(k, ColMinimo, numero(f.minimo), Qt::AlignRight);
        celula(k, ColMaximo, numero(f.maximo), Qt::AlignRight);
        celula(k, ColAbaixo, {}, Qt::AlignLeft);
        celula(k, ColAcima, {}, Qt::AlignLeft);
        const auto margem = f.margem();
        celula(k, ColMargem, margem ? numero(*margem) : Nada, Qt::AlignRight);
        if (k == maisEstreita_)
            for (int col = 0; col < Colunas; ++col) {
                QTableWidgetItem* item = grdSensibilidade_->item(k, col);
                QFont fonte = item->font();
                fonte.setBold(true);
                item->setFont(fonte);
                item->setBackground(CorEstreita);
            }
    }
    carregada_ = true;
    lblFirmeza_->setText(textoFirmeza());
    reescreveCelulas();
    // With no best option there is nothing to keep: only the criteria, to choose the chart.
    for (int col = ColMinimo; col < Colunas; ++col)
        grdSensibilidade_->setColumnHidden(col, !temMelhor);

    grdSensibilidade_->resizeColumnsToContents();
    grdSensibilidade_->horizontalHeader()->setSectionResizeMode(ColCriterio, QHeaderView::Stretch);
    // Every row in view without scrolling.
    const int altura = grdSensibilidade_->horizontalHeader()->sizeHint().height() +
                       grdSensibilidade_->verticalHeader()->defaultSectionSize() * std::max(n, 1) +
                       2 * grdSensibilidade_->frameWidth() + 2;
    grdSensibilidade_->setFixedHeight(altura);

    const int inicial = maisEstreita_ >= 0 ? maisEstreita_ : 0;
    if (n > 0)
        grdSensibilidade_->setCurrentCell(inicial, ColCriterio);  // the chart follows
    resize(std::max(width(), 900), std::max(height(), altura + 460));
}

void frmSensibilidade::mostraGrafico(int criterio)
{
    const Textos t = textos();
    const Criterio& c = analise_.caso().criterios.at(criterio);
    QStringList nomes;
    for (int a = 0; a < static_cast<int>(analise_.caso().alternativas.size()); ++a)
        nomes << nomeOpcao(a);
    const QString nome = ranking::nomeCriterio(criterio + 1, c.nome);
    const int melhor = analise_.atual().melhor;
    graSensibilidade_->mostra(criterio, analise_.curvas(criterio), c.peso,
                              melhor == SemMelhor ? std::nullopt : std::optional<Faixa>(faixas_.at(criterio)), nomes,
                              melhor, {t.grafico.arg(nome), t.eixoPeso, t.eixoResultado, t.pesoAtual});
}

void frmSensibilidade::grdSensibilidade_RowColChange()
{
    const int linha = grdSensibilidade_->currentRow();
    if (linha < 0 || linha >= static_cast<int>(analise_.caso().criterios.size()))
        return;
    mostraGrafico(linha);
}

void frmSensibilidade::cmdSair_Click()
{
    accept();
}

// ---------------------------------------------------------------------------------------------

void abreSensibilidade(QWidget* parent, common::Database& db)
{
    auto caso = leCaso(db);
    if (!caso) {
        // The result computation's own message for a missing weight.
        common::Messages::exclamation(
            parent,
            //: Stays Portuguese in English.
            QCoreApplication::translate("kivo::frmSensibilidade", "Peso Não encontrado!"),
            //: Stays Portuguese in English.
            QCoreApplication::translate("kivo::frmSensibilidade", "Verifique os pesos dos critérios"));
        return;
    }
    frmSensibilidade tela(std::move(*caso), parent);
    tela.Form_Load();
    common::Modal::exec(tela);
}

}  // namespace kivo
