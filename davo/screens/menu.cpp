#include "davo/screens/menu.h"

#include "davo/data/compaction.h"
#include "davo/data/database.h"
#include "davo/screens/frmAtividadesGUT.h"
#include "davo/screens/frmHistorico.h"
#include "davo/screens/report.h"

#include "common/esquema.h"
#include "common/formats.h"
#include "common/frmInformacoes.h"
#include "common/platform.h"
#include "common/widgets.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>

namespace davo {

namespace {

// The two pictures of the main window: the product's name, and the three letters of its method.
QPixmap picture(const QString& big, const QString& small, QColor top, QColor bottom)
{
    QPixmap pixmap(300, 220);
    QPainter p(&pixmap);
    QLinearGradient g(0, 0, 0, pixmap.height());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(pixmap.rect(), g);
    p.setPen(Qt::white);
    p.setFont(QFont(QStringLiteral("Arial"), 40, QFont::Bold));
    p.drawText(pixmap.rect().adjusted(0, 0, 0, -50), Qt::AlignCenter, big);
    p.setFont(QFont(QStringLiteral("Arial"), 12));
    p.drawText(pixmap.rect().adjusted(0, 90, 0, 0), Qt::AlignCenter, small);
    return pixmap;
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
    image1->setPixmap(picture(QStringLiteral("DAVO"), QStringLiteral("Prioridades pelo método GUT"),
                              QColor(0, 64, 48), QColor(64, 168, 120)));
    auto* image2 = new QLabel(central);
    image2->setObjectName(QStringLiteral("Image2"));
    image2->setPixmap(picture(QStringLiteral("G×U×T"), QStringLiteral("Gravidade · Urgência · Tendência"),
                              QColor(96, 32, 0), QColor(216, 128, 48)));
    layout->addWidget(image1);
    layout->addWidget(image2);
    setCentralWidget(central);

    menuItem(menuBar(), "mnuAtivGUT", QStringLiteral("&Atividades GUT"), &Menu::mnuAtivGUT_Click);
    menuItem(menuBar(), "mnuHistorico", QStringLiteral("&Histórico"), &Menu::mnuHistorico_Click);
    QMenu* util = menuBar()->addMenu(QStringLiteral("&Utilitários"));
    util->setObjectName(QStringLiteral("mnuUtil"));
    menuItem(util, "mnuCompactar", QStringLiteral("&Compactar Banco de Dados"), &Menu::mnuCompactar_Click);
    menuItem(util, "mnuSuporte", QStringLiteral("&Suporte"), &Menu::mnuSuporte_Click);
    menuItem(menuBar(), "mnuSair", QStringLiteral("&Sair"), &Menu::mnuSair_Click);

    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    auto* panel = new QLabel(this);
    panel->setObjectName(QStringLiteral("StatusBar1.Panel1"));
    statusBar()->addWidget(panel, 1);
}

Menu::~Menu() = default;

QAction* Menu::menuItem(QWidget* menu, const char* name, const QString& caption, void (Menu::*handler)())
{
    auto* action = new QAction(caption, menu);
    action->setObjectName(QLatin1String(name));
    menu->addAction(action);
    common::onTriggered(action, this, handler);
    return action;
}

bool Menu::Form_Load()
{
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

void Menu::mnuSuporte_Click()
{
    if (!bancoAberto())
        return;
    common::Variante variante;
    variante.programa = common::Variante::Davo;
    variante.pasta = QCoreApplication::applicationDirPath();  // the data may live elsewhere: the screen names its file
    variante.imagem = picture(QStringLiteral("DAVO"), QStringLiteral("Prioridades pelo método GUT"),
                              QColor(0, 64, 48), QColor(64, 168, 120));
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
        relataErro(this, e);
        return;
    }
    common::Messages::exclamation(this, QStringLiteral("OK!"), QStringLiteral("Arquivo Compactado!"));
}

void Menu::mnuSair_Click()
{
    close();
    QApplication::quit();
}

}  // namespace davo
