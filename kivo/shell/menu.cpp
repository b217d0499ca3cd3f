#include "kivo/shell/menu.h"

#include "kivo/lists/alternativas.h"
#include "kivo/lists/criterios.h"
#include "kivo/results/frmResultado.h"
#include "kivo/shell/database.h"
#include "kivo/shell/erro.h"
#include "kivo/shell/idioma.h"
#include "kivo/weighting/frmDados.h"
#include "kivo/weighting/frmValores.h"

#include "common/frmInformacoes.h"

#include "common/esquema.h"
#include "common/formats.h"
#include "common/platform.h"
#include "common/widgets.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

namespace kivo {

namespace {

// The picture of the main window: the program's name on a blue gradient.
QPixmap picture()
{
    return common::drawPicture({QSize(480, 240), CoresImagem, QStringLiteral("KIVO"), 48, 60,
                                QStringLiteral("Apoio à decisão multicritério"), 14});
}

}  // namespace

Menu::Menu(const QString& folder, QWidget* parent) : QMainWindow(parent)
{
    programa_.pasta = folder;
    setObjectName(QStringLiteral("Menu"));
    setWindowTitle(QStringLiteral("KIVO"));

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(picture());
    image->setAlignment(Qt::AlignCenter);
    setCentralWidget(image);

    common::menuItem(menuBar(), "mnuAlternativas", QStringLiteral("&Alternativas"), this, &Menu::mnuAlternativas_Click);
    common::menuItem(menuBar(), "mnuCriterios", QStringLiteral("&Critérios"), this, &Menu::mnuCriterios_Click);
    common::menuItem(menuBar(), "mnuPesos", QStringLiteral("&Pesos"), this, &Menu::mnuPesos_Click);
    common::menuItem(menuBar(), "mnuDados", QStringLiteral("&Valores"), this, &Menu::mnuDados_Click);
    common::menuItem(menuBar(), "mnuResultados", QStringLiteral("&Resultado"), this, &Menu::mnuResultados_Click);
    common::menuItem(menuBar(), "mnuUtil", QStringLiteral("&Informações"), this, &Menu::mnuUtil_Click);
    common::menuItem(menuBar(), "mnuSair", QStringLiteral("&Sair"), this, &Menu::mnuSair_Click);

    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("StatusBar1.Panel1"));
    version_ = new QLabel(this);
    version_->setObjectName(QStringLiteral("StatusBar1.Panel2"));
    statusBar()->addWidget(status_, 1);
    statusBar()->addPermanentWidget(version_);
    // Shown while the database can only be read; its text follows the language.
    somenteLeitura_ = common::withName(new QLabel(QStringLiteral("Somente leitura: nada pode ser gravado"), this),
                                       QStringLiteral("lblSomenteLeitura"));
    statusBar()->addPermanentWidget(somenteLeitura_);
    somenteLeitura_->hide();
    usaMensagensFalha(programa_.idioma);
}

Menu::~Menu()
{
    common::setFailureWording({});
}

bool Menu::Form_Load()
{
    try {
        programa_.db.open(programa_.pasta + QStringLiteral("/CONTROLE.mdb"), QStringLiteral(";pwd=PanoRoxo"));
        common::verificaEsquema(programa_.db, esquema());
        somenteLeitura_->setVisible(programa_.db.isReadOnly());

        {
            common::Recordset parametro = common::Recordset::openTable(programa_.db, QStringLiteral("Parametro"));
            parametro.moveFirst();
            const QVariant idioma = parametro.value(QStringLiteral("Idioma"));
            programa_.idioma = Portugues;
            const double code = idioma.isNull() ? 0 : common::readNumber(common::defaultText(idioma)).value_or(0);
            if (code == double(Ingles))
                programa_.idioma = Ingles;
            else if (code == double(Espanhol))
                programa_.idioma = Espanhol;
            aplicaIdioma();
        }

        programa_.dataInicio = common::shortDateText(common::Clock::today());

        instance_ = std::make_unique<common::SingleInstance>(QStringLiteral("kivo"));
        if (instance_->anotherCopyRunning()) {
            const bool en = programa_.idioma == Ingles;
            const bool es = programa_.idioma == Espanhol;
            common::Messages::exclamation(
                nullptr,
                en ? QStringLiteral("Paralyzed Software!") : QStringLiteral("Programa Paralizado!"),
                en   ? QStringLiteral("Active program for the second time, will be closed!")
                : es ? QStringLiteral("Programa activo por segunda vez, se cerrará !")
                     : QStringLiteral("Programa ativo pela segunda vez, será fechado!"));
            instance_.reset();
            return false;
        }
        return true;
    } catch (const common::StoreError& e) {
        relataErro(nullptr, e.description());
    } catch (const std::exception& e) {
        relataErro(nullptr, QString::fromLocal8Bit(e.what()));
    }
    return false;
}

void Menu::aplicaIdioma()
{
    legendasMenu(this, programa_.idioma);
}

// Every screen is made afresh and shown modally: it loads what it needs as it opens and keeps
// nothing once closed.
void Menu::mnuAlternativas_Click()
{
    frmAlternativas screen(programa_, this);
    screen.Form_Load();
    common::Modal::exec(screen);
}

void Menu::mnuCriterios_Click()
{
    frmCriterios screen(programa_, this);
    screen.Form_Load();
    common::Modal::exec(screen);
}

void Menu::mnuPesos_Click()
{
    frmDados screen(programa_, this);
    if (screen.Form_Load())
        common::Modal::exec(screen);
}

void Menu::mnuDados_Click()
{
    frmValores screen(programa_, this);
    screen.Form_Load();
    common::Modal::exec(screen);
}

void Menu::mnuResultados_Click()
{
    frmResultado screen(programa_, this);
    screen.Form_Load();
    common::Modal::exec(screen);
}

void Menu::mnuUtil_Click()
{
    common::Variante variante;
    variante.programa = common::Variante::Kivo;
    variante.pasta = programa_.pasta;
    variante.imagem = picture();
    variante.idioma = &programa_.idioma;
    variante.legendas = [](QDialog& tela, short idioma) { legendasInformacoes(&tela, idioma); };
    variante.legendasMenu = [this](short) { aplicaIdioma(); };
    const common::SistemaInfo sistema;
    common::frmInformacoes tela(programa_.db, std::move(variante), sistema, this);
    tela.Form_Load();
    common::Modal::exec(tela);
    // The menu speaks the language chosen as soon as the screen closes.
    aplicaIdioma();
}

void Menu::mnuSair_Click()
{
    common::quitProgram(*this);
}

}  // namespace kivo
