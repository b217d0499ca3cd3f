#include "kivo/shell/menu.h"

#include "kivo/lists/alternativas.h"
#include "kivo/lists/criterios.h"
#include "kivo/results/frmResultado.h"
#include "kivo/shell/caso.h"
#include "kivo/shell/database.h"
#include "kivo/shell/erro.h"
#include "kivo/shell/frmCaso.h"
#include "kivo/shell/idioma.h"
#include "kivo/shell/planilha.h"
#include "kivo/weighting/frmDados.h"
#include "kivo/weighting/frmValores.h"

#include "common/application.h"
#include "common/clock.h"
#include "common/frmInformacoes.h"

#include "common/esquema.h"
#include "common/formats.h"
#include "common/platform.h"
#include "common/widgets.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>
#include <QStatusBar>

#include <algorithm>

namespace kivo {

namespace {

// The picture of the main window: the program's name on a blue gradient, with what it is in the
// interface language, 480 pixels wide unless the menu bar needs more.
QPixmap picture(int largura = 480)
{
    return common::drawPicture({QSize(largura, 240), CoresImagem, QStringLiteral("KIVO"), 48, 60,
                                QCoreApplication::translate("kivo::Menu", "Apoio à decisão multicritério"), 14});
}

QString nativo(const QString& path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

// Qt's own file dialog (the same on every desktop, reachable by keyboard and by tests), modal.
// Empty when the user cancels.
QString escolheArquivo(QWidget* parent, const char* nome, const QString& titulo, bool gravar, const QString& filtro,
                       const QString& sufixo, const QString& proposto)
{
    QFileDialog dialog(parent, titulo);
    dialog.setObjectName(QLatin1String(nome));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(gravar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(gravar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters({filtro, QStringLiteral("* (*)")});
    if (!sufixo.isEmpty())
        dialog.setDefaultSuffix(sufixo);
    if (!proposto.isEmpty()) {
        const QFileInfo info(proposto);
        dialog.setDirectory(info.absolutePath());
        if (gravar)
            dialog.selectFile(info.fileName());
    }
    if (common::Modal::exec(dialog) != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

QString filtroCasos()
{
    return QCoreApplication::translate("kivo::Menu", "Casos do kivo (*.mdb)");
}

// Where a new file is proposed: beside the case in use.
QString proposto(const Programa& programa, const QString& nome)
{
    return QDir(QFileInfo(programa.db.path()).absolutePath()).filePath(nome);
}

}  // namespace

Menu::Menu(const QString& folder, QWidget* parent) : QMainWindow(parent)
{
    programa_.pasta = folder;
    setObjectName(QStringLiteral("Menu"));
    setWindowTitle(QStringLiteral("KIVO"));

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setAlignment(Qt::AlignCenter);
    setCentralWidget(image);

    auto* mnuCaso = common::withName(menuBar()->addMenu(QString()), QStringLiteral("mnuCaso"));
    common::menuItem(mnuCaso, "mnuNovoCaso", QString(), this, &Menu::mnuNovoCaso_Click);
    common::menuItem(mnuCaso, "mnuAbrirCaso", QString(), this, &Menu::mnuAbrirCaso_Click);
    common::menuItem(mnuCaso, "mnuSalvarComo", QString(), this, &Menu::mnuSalvarComo_Click);
    common::menuItem(mnuCaso, "mnuPropriedades", QString(), this, &Menu::mnuPropriedades_Click);
    common::menuItem(mnuCaso, "mnuExportar", QString(), this, &Menu::mnuExportar_Click);
    mnuCaso->addSeparator();
    for (int i = 0; i < caso::MaximoRecentes; ++i) {
        mnuRecente_[i] = new QAction(mnuCaso);
        mnuRecente_[i]->setObjectName(common::arrayName(QStringLiteral("mnuRecente"), i));
        mnuRecente_[i]->setVisible(false);
        mnuCaso->addAction(mnuRecente_[i]);
        common::onTriggered(mnuRecente_[i], [this, i] { mnuRecente_Click(i); });
    }

    common::menuItem(menuBar(), "mnuAlternativas", QString(), this, &Menu::mnuAlternativas_Click);
    common::menuItem(menuBar(), "mnuCriterios", QString(), this, &Menu::mnuCriterios_Click);
    common::menuItem(menuBar(), "mnuPesos", QString(), this, &Menu::mnuPesos_Click);
    common::menuItem(menuBar(), "mnuDados", QString(), this, &Menu::mnuDados_Click);
    common::menuItem(menuBar(), "mnuResultados", QString(), this, &Menu::mnuResultados_Click);
    common::menuItem(menuBar(), "mnuUtil", QString(), this, &Menu::mnuUtil_Click);
    common::menuItem(menuBar(), "mnuSair", QString(), this, &Menu::mnuSair_Click);

    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("StatusBar1.Panel1"));
    version_ = new QLabel(this);
    version_->setObjectName(QStringLiteral("StatusBar1.Panel2"));
    statusBar()->addWidget(status_, 1);
    statusBar()->addPermanentWidget(version_);
    // Shown while the database can only be read; its text follows the language.
    somenteLeitura_ = common::withName(new QLabel(this), QStringLiteral("lblSomenteLeitura"));
    statusBar()->addPermanentWidget(somenteLeitura_);
    somenteLeitura_->hide();
    retranslate();
    usaMensagensFalha();
}

void Menu::retranslate()
{
    aplicaTextos(this, {
                           {"mnuCaso", tr("Cas&o")},
                           {"mnuNovoCaso", tr("&Novo caso...")},
                           {"mnuAbrirCaso", tr("&Abrir caso...")},
                           {"mnuSalvarComo", tr("Salvar &como...")},
                           {"mnuPropriedades", tr("&Propriedades do caso...")},
                           {"mnuExportar", tr("&Exportar resultados (CSV)...")},
                           {"mnuAlternativas", tr("&Alternativas")},
                           {"mnuCriterios", tr("&Critérios")},
                           {"mnuPesos", tr("&Pesos")},
                           {"mnuDados", tr("&Valores")},
                           {"mnuResultados", tr("&Resultado")},
                           {"mnuUtil", tr("&Informações")},
                           {"mnuSair", tr("&Sair")},
                           {"StatusBar1.Panel1", tr("KIVO - Apoio à decisão multicritério")},
                           {"StatusBar1.Panel2", tr("Versão: 15.02.18")},
                           {"lblSomenteLeitura", tr("Somente leitura: nada pode ser gravado")},
                       });
    // The picture is as wide as the menu bar, so every menu stays in view in every language.
    if (auto* image = findChild<QLabel*>(QStringLiteral("Image1")))
        image->setPixmap(picture(std::max(480, menuBar()->sizeHint().width())));
}

void Menu::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

Menu::~Menu()
{
    common::setFailureWording({});
}

bool Menu::Form_Load()
{
    try {
        // The case of the last run, when it is still a kivo case; else the default file, and the
        // user is told once the language is known.
        const QString padrao = programa_.pasta + QStringLiteral("/CONTROLE.mdb");
        QString arquivo = padrao;
        const QString ultimo = caso::casoGuardado();
        QString perdido, motivo;
        if (!ultimo.isEmpty() && !caso::mesmoArquivo(ultimo, padrao)) {
            try {
                caso::verificaCaso(ultimo);
                arquivo = ultimo;
            } catch (const common::StoreError& e) {
                perdido = ultimo;
                if (QFileInfo::exists(ultimo))
                    motivo = e.description();
                else
                    caso::removeRecente(ultimo);
            }
        }
        programa_.db.open(arquivo, QStringLiteral(";pwd=PanoRoxo"));
        common::verificaEsquema(programa_.db, esquema());
        somenteLeitura_->setVisible(programa_.db.isReadOnly());
        leIdioma();

        programa_.dataInicio = common::shortDateText(common::Clock::today());

        instance_ = std::make_unique<common::SingleInstance>(QStringLiteral("kivo"));
        if (instance_->anotherCopyRunning()) {
            common::Messages::exclamation(nullptr, tr("Programa Paralizado!"),
                                          tr("Programa ativo pela segunda vez, será fechado!"));
            instance_.reset();
            return false;
        }
        caso::guardaCaso(programa_.db.path());
        mostraCaso();
        if (!perdido.isEmpty()) {
            const QString texto =
                motivo.isEmpty()
                    ? tr("O último caso usado, \"%1\", não foi encontrado.\r\nFoi aberto o arquivo padrão \"%2\".")
                          .arg(nativo(perdido), nativo(arquivo))
                    : tr("O último caso usado, \"%1\", não pôde ser aberto: %3\r\nFoi aberto o arquivo padrão \"%2\".")
                          .arg(nativo(perdido), nativo(arquivo), motivo);
            common::Messages::exclamation(this, tr("Caso não encontrado!"), texto);
        }
        return true;
    } catch (const common::StoreError& e) {
        relataErro(nullptr, e.description());
    } catch (const std::exception& e) {
        relataErro(nullptr, QString::fromLocal8Bit(e.what()));
    }
    return false;
}

void Menu::leIdioma()
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

void Menu::aplicaIdioma()
{
    // kivo's texts, common's and Qt's own (the standard buttons, the file dialog) in the language;
    // the menu at once, every other open window when the language change reaches it.
    instalaIdioma(programa_.idioma);
    retranslate();
}

void Menu::mostraCaso()
{
    setWindowTitle(QStringLiteral("KIVO - ") + caso::lePropriedades(programa_.db).nome);
    const QStringList lista = caso::recentes();
    for (int i = 0; i < caso::MaximoRecentes; ++i) {
        const bool ha = i < lista.size();
        mnuRecente_[i]->setVisible(ha);
        mnuRecente_[i]->setText(
            ha ? QStringLiteral("&%1 %2").arg(i + 1).arg(nativo(lista[i]).replace(u'&', QStringLiteral("&&")))
               : QString());
    }
}

bool Menu::trocaCaso(const QString& path)
{
    const QString anterior = programa_.db.path();
    try {
        caso::abreCaso(programa_.db, path);
    } catch (const common::StoreError& e) {
        if (!programa_.db.isOpen())
            throw;  // the case in use could not be opened again: nothing to work on
        common::Messages::exclamation(
            this, tr("Caso não aberto!"),
            tr("O arquivo \"%1\" não é um caso do kivo e não foi aberto.\r\nMotivo: %2\r\nO caso \"%3\" continua em "
               "uso.")
                .arg(nativo(path), e.description(), nativo(anterior)));
        return false;
    }
    somenteLeitura_->setVisible(programa_.db.isReadOnly());
    leIdioma();
    caso::guardaCaso(programa_.db.path());
    mostraCaso();
    return true;
}

void Menu::mnuNovoCaso_Click()
{
    const short l = programa_.idioma;
    const QString path = escolheArquivo(this, "dlgNovoCaso", tr("Novo caso"), true, filtroCasos(),
                                        QStringLiteral("mdb"), proposto(programa_, tr("Novo caso.mdb")));
    if (path.isEmpty())
        return;
    bool criado = false;
    QString motivo;
    try {
        criado = caso::novoCaso(path, l);
        if (!criado)
            motivo = tr("o arquivo já existe e não foi alterado");
    } catch (const common::StoreError& e) {
        motivo = e.description();
    }
    if (!criado) {
        common::Messages::exclamation(this, tr("Caso não criado!"),
                                      tr("Não foi possível criar o caso no arquivo \"%1\": %2.\r\nEscolha outra pasta "
                                         "ou outro nome e tente de novo.")
                                          .arg(nativo(path), motivo));
        return;
    }
    trocaCaso(path);
}

void Menu::mnuAbrirCaso_Click()
{
    const QString path =
        escolheArquivo(this, "dlgAbrirCaso", tr("Abrir caso"), false, filtroCasos(), {}, programa_.db.path());
    if (!path.isEmpty())
        trocaCaso(path);
}

void Menu::mnuSalvarComo_Click()
{
    const QString path =
        escolheArquivo(this, "dlgSalvarComo", tr("Salvar caso como"), true, filtroCasos(), QStringLiteral("mdb"),
                       proposto(programa_, caso::nomePadrao(programa_.db.path()) + tr(" - cópia.mdb")));
    if (path.isEmpty())
        return;
    bool copiado = false;
    QString motivo;
    try {
        copiado = caso::copiaCaso(programa_.db, path);
        if (!copiado)
            motivo = tr("o arquivo já existe e não foi alterado");
    } catch (const common::StoreError& e) {
        motivo = e.description();
    }
    if (!copiado) {
        common::Messages::exclamation(
            this, tr("Arquivo não gravado!"),
            tr("Não foi possível gravar o caso no arquivo \"%1\": %2.\r\nO caso \"%3\" continua em uso.")
                .arg(nativo(path), motivo, nativo(programa_.db.path())));
        return;
    }
    trocaCaso(path);
}

void Menu::mnuPropriedades_Click()
{
    frmCaso screen(programa_, this);
    screen.Form_Load();
    common::Modal::exec(screen);
    mostraCaso();
}

void Menu::mnuExportar_Click()
{
    const planilha::Exportacao exportacao = planilha::leExportacao(programa_.db);
    QString pasta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (pasta.isEmpty() || !QFileInfo(pasta).isDir())
        pasta = QDir::homePath();
    const QString path =
        escolheArquivo(this, "dlgExportar", tr("Exportar resultados"), true, tr("Arquivos CSV (*.csv)"),
                       QStringLiteral("csv"), QDir(pasta).filePath(exportacao.nome + QStringLiteral(".csv")));
    if (path.isEmpty())
        return;
    if (!planilha::gravaCsv(path, exportacao)) {
        common::Messages::exclamation(this, tr("Arquivo não gravado!"),
                                      tr("Não foi possível gravar os resultados no arquivo \"%1\".\r\nEscolha outra "
                                         "pasta ou outro nome e tente de novo.")
                                          .arg(nativo(path)));
        return;
    }
    common::Messages::show(this, QMessageBox::Information, tr("Resultados exportados"),
                           tr("Os resultados foram gravados no arquivo:\r\n%1").arg(nativo(path)));
}

void Menu::mnuRecente_Click(int index)
{
    const QString path = caso::recentes().value(index);
    if (path.isEmpty())
        return;
    if (!QFileInfo::exists(path)) {
        caso::removeRecente(path);
        mostraCaso();
        common::Messages::exclamation(
            this, tr("Caso não encontrado!"),
            tr("O arquivo \"%1\" não foi encontrado e saiu da lista dos últimos casos.").arg(nativo(path)));
        return;
    }
    trocaCaso(path);
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
    variante.falaIdioma = [this](short) { aplicaIdioma(); };
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
