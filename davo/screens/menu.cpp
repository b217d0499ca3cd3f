#include "davo/screens/menu.h"

#include "davo/data/compaction.h"
#include "davo/data/database.h"
#include "davo/screens/frmAtividadesGUT.h"
#include "davo/screens/frmHistorico.h"
#include "davo/screens/frmPlano.h"
#include "davo/screens/intercambio.h"
#include "davo/screens/report.h"

#include "common/esquema.h"
#include "common/formats.h"
#include "common/frmInformacoes.h"
#include "common/mainwindow.h"
#include "common/platform.h"
#include "common/widgets.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

namespace davo {

namespace {

// The two pictures of the main window: the product's name, and the three letters of its method.
QPixmap nomeProduto()
{
    return common::drawPicture({QSize(300, 220), {QColor(0, 64, 48), QColor(64, 168, 120)}, QStringLiteral("DAVO"), 40,
                                50, QStringLiteral("Prioridades pelo método GUT"), 12});
}

QPixmap letrasMetodo()
{
    return common::drawPicture({QSize(300, 220), {QColor(96, 32, 0), QColor(216, 128, 48)}, QStringLiteral("G×U×T"),
                                40, 50, QStringLiteral("Gravidade · Urgência · Tendência"), 12});
}

}  // namespace

Menu::Menu(const QString& folder, QWidget* parent) : QMainWindow(parent)
{
    programa_.pasta = folder;
    setObjectName(QStringLiteral("Menu"));
    setWindowTitle(QStringLiteral("Sistema Davo"));

    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    auto* image1 = new QLabel(central);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(nomeProduto());
    auto* image2 = new QLabel(central);
    image2->setObjectName(QStringLiteral("Image2"));
    image2->setPixmap(letrasMetodo());
    layout->addWidget(image1);
    layout->addWidget(image2);
    setCentralWidget(central);

    common::menuItem(menuBar(), "mnuAtivGUT", QStringLiteral("&Atividades GUT"), this, &Menu::mnuAtivGUT_Click);
    common::menuItem(menuBar(), "mnuHistorico", QStringLiteral("&Histórico"), this, &Menu::mnuHistorico_Click);
    common::menuItem(menuBar(), "mnuPlano", tr("&Plano"), this, &Menu::mnuPlano_Click);
    QMenu* util = menuBar()->addMenu(QStringLiteral("&Utilitários"));
    util->setObjectName(QStringLiteral("mnuUtil"));
    common::menuItem(util, "mnuCompactar", QStringLiteral("&Compactar Banco de Dados"), this, &Menu::mnuCompactar_Click);
    common::menuItem(util, "mnuSuporte", QStringLiteral("&Suporte"), this, &Menu::mnuSuporte_Click);
    util->addSeparator();
    common::menuItem(util, "mnuExportarICS", tr("&Exportar atividades (iCalendar)..."), this, &Menu::mnuExportarICS_Click);
    common::menuItem(util, "mnuImportarICS", tr("&Importar tarefas (iCalendar)..."), this, &Menu::mnuImportarICS_Click);
    QMenu* csv = util->addMenu(tr("Exportar para CS&V"));
    csv->setObjectName(QStringLiteral("mnuExportarCSV"));
    common::menuItem(csv, "mnuExportarCSVLista", tr("&Atividades GUT..."), this, &Menu::mnuExportarCSVLista_Click);
    common::menuItem(csv, "mnuExportarCSVHistorico", tr("&Histórico..."), this, &Menu::mnuExportarCSVHistorico_Click);
    common::menuItem(menuBar(), "mnuSair", QStringLiteral("&Sair"), this, &Menu::mnuSair_Click);

    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    auto* panel = new QLabel(this);
    panel->setObjectName(QStringLiteral("StatusBar1.Panel1"));
    statusBar()->addWidget(panel, 1);
    // Shown while the database can only be read.
    auto* somenteLeitura = common::withName(new QLabel(tr("Somente leitura: nada pode ser gravado"), this),
                                            QStringLiteral("lblSomenteLeitura"));
    statusBar()->addPermanentWidget(somenteLeitura);
    somenteLeitura->hide();
}

Menu::~Menu() = default;

bool Menu::Form_Load()
{
    // The standard buttons of the message boxes and the file dialog in Portuguese, as the screens.
    common::loadQtTranslations(QLocale(QLocale::Portuguese, QLocale::Brazil));

    // davo's date arithmetic reads and writes day/month/year: the system's short date must be
    // ten characters with a slash in the sixth place.
    const QString hoje = common::shortDateText(common::Clock::today());
    if (hoje.size() != 10 || hoje.at(5) != QLatin1Char('/')) {
        common::Messages::exclamation(
            nullptr, QStringLiteral("FORMATO DATA ERRADO!"),
            QStringLiteral("Alterar o Formato da DATA para 'DD/MM/AAAA' (Painel de Controle, Configurações Regionais)"));
        return false;
    }

    instance_ = std::make_unique<common::SingleInstance>(QStringLiteral("davo"));
    if (instance_->anotherCopyRunning()) {
        common::Messages::exclamation(nullptr, QStringLiteral("Programa Paralizado!"),
                                      QStringLiteral("Programa ativo pela segunda vez, será fechado!"));
        instance_.reset();
        return false;
    }

    try {
        programa_.db.open(programa_.pasta + QStringLiteral("/DAVO.mdb"), QStringLiteral(";pwd=PanoRoxo"));
        common::verificaEsquema(programa_.db, esquema());
    } catch (const common::StoreError& e) {
        // The steps after a failure are skipped; the window shows all the same, with no database
        // open behind it.
        programa_.db.close();
        relataErro(nullptr, e);
        return true;
    }
    findChild<QLabel*>(QStringLiteral("StatusBar1.Panel1"))->setText(QStringLiteral("Sistema Davo - Versão 2017"));
    findChild<QLabel*>(QStringLiteral("lblSomenteLeitura"))->setVisible(programa_.db.isReadOnly());
    return true;
}

bool Menu::bancoAberto()
{
    if (programa_.db.isOpen())
        return true;
    relataErro(this, common::StoreError::NotOpen,
               QStringLiteral("O banco de dados '%1' não está aberto.").arg(programa_.pasta + QStringLiteral("/DAVO.mdb")));
    return false;
}

void Menu::mnuAtivGUT_Click()
{
    if (!bancoAberto())
        return;
    frmAtividadesGUT lista(programa_, this);
    lista.Form_Load();
    common::Modal::exec(lista);
}

void Menu::mnuHistorico_Click()
{
    if (!bancoAberto())
        return;
    frmHistorico historico(programa_, this);
    historico.Form_Load();
    common::Modal::exec(historico);
}

void Menu::mnuPlano_Click()
{
    if (!bancoAberto())
        return;
    frmPlano plano(programa_, this);
    plano.Form_Load();
    common::Modal::exec(plano);
}

void Menu::mnuSuporte_Click()
{
    if (!bancoAberto())
        return;
    common::Variante variante;
    variante.programa = common::Variante::Davo;
    variante.pasta = QCoreApplication::applicationDirPath();  // the data may live elsewhere: the screen names its file
    variante.imagem = nomeProduto();
    const common::SistemaInfo sistema;
    common::frmInformacoes tela(programa_.db, std::move(variante), sistema, this);
    tela.Form_Load();
    common::Modal::exec(tela);
}

void Menu::mnuCompactar_Click()
{
    if (!bancoAberto())
        return;
    try {
        compactaBanco(programa_.db, programa_.pasta);
    } catch (const common::StoreError& e) {
        // A full disk or a busy file is told as every save tells it; the file is as it was.
        if (e.actionable())
            throw;
        relataErro(this, e);
        return;
    }
    common::Messages::exclamation(this, QStringLiteral("OK!"), QStringLiteral("Arquivo Compactado!"));
}

void Menu::mnuExportarICS_Click()
{
    if (bancoAberto())
        exportaICS(this, programa_);
}

void Menu::mnuImportarICS_Click()
{
    if (bancoAberto())
        importaICS(this, programa_);
}

void Menu::mnuExportarCSVLista_Click()
{
    if (bancoAberto())
        exportaCSVLista(this, programa_);
}

void Menu::mnuExportarCSVHistorico_Click()
{
    if (bancoAberto())
        exportaCSVHistorico(this, programa_);
}

void Menu::mnuSair_Click()
{
    common::quitProgram(*this);
}

}  // namespace davo
