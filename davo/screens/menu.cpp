#include "davo/screens/menu.h"

#include "davo/data/compaction.h"
#include "davo/data/database.h"
#include "davo/screens/frmAtividadesGUT.h"
#include "davo/screens/frmHistorico.h"
#include "davo/screens/frmPlano.h"
#include "davo/screens/intercambio.h"
#include "davo/screens/report.h"

#include "common/clock.h"
#include "common/esquema.h"
#include "common/formats.h"
#include "common/frmInformacoes.h"
#include "common/mainwindow.h"
#include "common/platform.h"
#include "common/traducao.h"
#include "common/widgets.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>

namespace davo {

namespace {

// The two pictures of the main window: the product's name, and the three letters of its method.
QPixmap nomeProduto()
{
    return common::drawPicture({QSize(300, 220),
                                {QColor(0, 64, 48), QColor(64, 168, 120)},
                                QStringLiteral("DAVO"),
                                40,
                                50,
                                Menu::tr("Prioridades pelo método GUT"),
                                12});
}

QPixmap letrasMetodo()
{
    return common::drawPicture({QSize(300, 220),
                                {QColor(96, 32, 0), QColor(216, 128, 48)},
                                QStringLiteral("G×U×T"),
                                40,
                                50,
                                Menu::tr("Gravidade · Urgência · Tendência"),
                                12});
}

// The interface language lives in the user's settings, beside the windows' sizes: DAVO.mdb has no
// field for it, and the database files people already have stay exactly as they are.
QSettings configuracao()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("davo"), QStringLiteral("davo"));
}

}  // namespace

QString linguaGuardada()
{
    return common::lingua(QStringLiteral("davo"), configuracao().value(QStringLiteral("idioma")).toString()).codigo;
}

void guardaLingua(const QString& codigo)
{
    configuracao().setValue(QStringLiteral("idioma"), common::lingua(QStringLiteral("davo"), codigo).codigo);
}

Menu::Menu(const QString& folder, QWidget* parent) : QMainWindow(parent)
{
    programa_.pasta = folder;
    setObjectName(QStringLiteral("Menu"));

    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    auto* image1 = new QLabel(central);
    image1->setObjectName(QStringLiteral("Image1"));
    auto* image2 = new QLabel(central);
    image2->setObjectName(QStringLiteral("Image2"));
    layout->addWidget(image1);
    layout->addWidget(image2);
    setCentralWidget(central);

    common::menuItem(menuBar(), "mnuAtivGUT", QString(), this, &Menu::mnuAtivGUT_Click);
    common::menuItem(menuBar(), "mnuHistorico", QString(), this, &Menu::mnuHistorico_Click);
    common::menuItem(menuBar(), "mnuPlano", QString(), this, &Menu::mnuPlano_Click);
    QMenu* util = menuBar()->addMenu(QString());
    util->setObjectName(QStringLiteral("mnuUtil"));
    common::menuItem(util, "mnuCompactar", QString(), this, &Menu::mnuCompactar_Click);
    common::menuItem(util, "mnuSuporte", QString(), this, &Menu::mnuSuporte_Click);
    util->addSeparator();
    common::menuItem(util, "mnuExportarICS", QString(), this, &Menu::mnuExportarICS_Click);
    common::menuItem(util, "mnuImportarICS", QString(), this, &Menu::mnuImportarICS_Click);
    QMenu* csv = util->addMenu(QString());
    csv->setObjectName(QStringLiteral("mnuExportarCSV"));
    common::menuItem(csv, "mnuExportarCSVLista", QString(), this, &Menu::mnuExportarCSVLista_Click);
    common::menuItem(csv, "mnuExportarCSVHistorico", QString(), this, &Menu::mnuExportarCSVHistorico_Click);
    common::menuItem(menuBar(), "mnuSair", QString(), this, &Menu::mnuSair_Click);

    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    auto* panel = new QLabel(this);
    panel->setObjectName(QStringLiteral("StatusBar1.Panel1"));
    statusBar()->addWidget(panel, 1);
    // Shown while the database can only be read.
    auto* somenteLeitura = common::withName(new QLabel(this), QStringLiteral("lblSomenteLeitura"));
    statusBar()->addPermanentWidget(somenteLeitura);
    somenteLeitura->hide();
    retranslate();
}

void Menu::retranslate()
{
    setWindowTitle(tr("Sistema Davo"));
    // The pictures carry words too.
    findChild<QLabel*>(QStringLiteral("Image1"))->setPixmap(nomeProduto());
    findChild<QLabel*>(QStringLiteral("Image2"))->setPixmap(letrasMetodo());
    const std::pair<const char*, QString> textos[] = {
        {"mnuAtivGUT", tr("&Atividades GUT")},
        {"mnuHistorico", tr("&Histórico")},
        {"mnuPlano", tr("&Plano")},
        {"mnuCompactar", tr("&Compactar Banco de Dados")},
        {"mnuSuporte", tr("&Suporte")},
        {"mnuExportarICS", tr("&Exportar atividades (iCalendar)...")},
        {"mnuImportarICS", tr("&Importar tarefas (iCalendar)...")},
        {"mnuExportarCSVLista", tr("&Atividades GUT...")},
        {"mnuExportarCSVHistorico", tr("&Histórico...")},
        {"mnuSair", tr("&Sair")},
    };
    for (const auto& [nome, texto] : textos)
        if (auto* item = findChild<QAction*>(QLatin1String(nome)))
            item->setText(texto);
    findChild<QMenu*>(QStringLiteral("mnuUtil"))->setTitle(tr("&Utilitários"));
    findChild<QMenu*>(QStringLiteral("mnuExportarCSV"))->setTitle(tr("Exportar para CS&V"));
    findChild<QLabel*>(QStringLiteral("lblSomenteLeitura"))->setText(tr("Somente leitura: nada pode ser gravado"));
    auto* panel = findChild<QLabel*>(QStringLiteral("StatusBar1.Panel1"));
    if (!panel->text().isEmpty())
        panel->setText(tr("Sistema Davo - Versão 2017"));
}

void Menu::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

Menu::~Menu() = default;

bool Menu::Form_Load()
{
    // The interface language the user chose last (Portuguese the first time), the standard buttons
    // of the message boxes and the file dialog with it.
    common::instalaLingua(QStringLiteral("davo"), linguaGuardada());
    retranslate();  // now: the change itself reaches the window only once the event loop runs

    // davo's date arithmetic reads and writes day/month/year: the system's short date must be
    // ten characters with a slash in the sixth place, day or month first, in any interface language.
    const QString hoje = common::shortDateText(common::Clock::today());
    if (hoje.size() != 10 || hoje.at(5) != QLatin1Char('/')) {
        common::Messages::exclamation(
            nullptr, tr("FORMATO DATA ERRADO!"),
            tr("Alterar o Formato da DATA para 'DD/MM/AAAA' (Painel de Controle, Configurações Regionais)"));
        return false;
    }

    instance_ = std::make_unique<common::SingleInstance>(QStringLiteral("davo"));
    if (instance_->anotherCopyRunning()) {
        common::Messages::exclamation(nullptr, tr("Programa Paralizado!"),
                                      tr("Programa ativo pela segunda vez, será fechado!"));
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
    findChild<QLabel*>(QStringLiteral("StatusBar1.Panel1"))->setText(tr("Sistema Davo - Versão 2017"));
    findChild<QLabel*>(QStringLiteral("lblSomenteLeitura"))->setVisible(programa_.db.isReadOnly());
    return true;
}

bool Menu::bancoAberto()
{
    if (programa_.db.isOpen())
        return true;
    relataErro(this, common::StoreError::NotOpen,
               tr("O banco de dados '%1' não está aberto.").arg(programa_.pasta + QStringLiteral("/DAVO.mdb")));
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
    // The language chosen there is kept for the next start and spoken at once by every window.
    variante.lingua = common::linguaInstalada();
    variante.escolheLingua = [](const QString& codigo) {
        guardaLingua(codigo);
        common::instalaLingua(QStringLiteral("davo"), codigo);
    };
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
    common::Messages::exclamation(this, tr("OK!"), tr("Arquivo Compactado!"));
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
