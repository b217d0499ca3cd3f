#include "common/frmInformacoes.h"

#include "common/formats.h"
#include "common/traducao.h"
#include "common/widgets.h"

#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSysInfo>
#include <QVBoxLayout>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace common {

namespace {

// The longest computer name the query returns: a longer one is not returned at all.
constexpr int NomeComputadorMaximo = 199;

}  // namespace

std::optional<QString> SistemaInfo::nomeComputador() const
{
    const QString nome = QSysInfo::machineHostName();
    if (nome.isEmpty())
        return std::nullopt;
    return nome;
}

std::optional<QString> SistemaInfo::nomeUsuario() const
{
#ifdef Q_OS_UNIX
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_name && *pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
#endif
    for (const char* variavel : {"USER", "USERNAME", "LOGNAME"}) {
        const QString nome = qEnvironmentVariable(variavel);
        if (!nome.isEmpty())
            return nome;
    }
    return std::nullopt;
}

QSize SistemaInfo::tamanhoTela() const
{
    const QScreen* tela = QGuiApplication::primaryScreen();
    if (!tela)
        return {};
    // The screen's own pixels, not the scaled units the windows are laid out in.
    return tela->size() * tela->devicePixelRatio();
}

QString SistemaInfo::versaoSistema() const
{
#ifdef Q_OS_WIN
    const QStringList partes = QSysInfo::kernelVersion().split(u'.');
    const int major = partes.value(0).toInt();
    const int minor = partes.value(1).toInt();
    return nomeVersaoWindows(major, minor, 2, false);
#else
    return QSysInfo::prettyProductName();
#endif
}

QString nomeVersaoWindows(int major, int minor, int plataforma, bool davo)
{
    const bool nt = plataforma == 2;
    switch (major) {
    case 3:
        return nt ? QStringLiteral("Windows NT 3.x") : QStringLiteral("Windows 3.x");
    case 4:
        if (nt)
            return QStringLiteral("Windows NT 4.0");
        return minor == 0 ? QStringLiteral("Windows 95") : QStringLiteral("Windows 98");
    case 5:
        return davo ? QStringLiteral("Windows 10") : QStringLiteral("Windows XP");
    case 6:
        return davo ? QStringLiteral("Não Declarado") : QStringLiteral("Windows 7");
    case 7:
        return davo ? QStringLiteral("Não Declarado") : QStringLiteral("Windows 8");
    default:
        return QStringLiteral("Não Declarado");
    }
}

QString textoResolucao(const QSize& tamanho)
{
    const auto numero = [](int n) { return n >= 0 ? QStringLiteral(" %1").arg(n) : QString::number(n); };
    return numero(tamanho.width()) + QStringLiteral(" x") + numero(tamanho.height()) + QStringLiteral(" DPI");
}

frmInformacoes::frmInformacoes(Database& db, Variante variante, const SistemaInfo& sistema, QWidget* parent)
    : QDialog(parent), db_(db), variante_(std::move(variante)), sistema_(sistema)
{
    const bool kivo = variante_.programa == Variante::Kivo;
    setObjectName(QStringLiteral("frmInformacoes"));

    auto* layout = new QVBoxLayout(this);
    auto* topo = new QHBoxLayout;
    layout->addLayout(topo);

    auto* Image1 = withName(new QLabel(this), "Image1");
    Image1->setPixmap(variante_.imagem.scaled(200, 150, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    Image1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    topo->addWidget(Image1);

    auto* Frame1 = withName(new QGroupBox(this), "Frame1");
    auto* grade = new QGridLayout(Frame1);
    lblVAR_ = linha(grade, 0, "Label1", "lblVAR");
    lblVIDEO_ = linha(grade, 1, "Label2", "lblVIDEO");
    lblUSUARIO_ = linha(grade, 2, "Label3", "lblUSUARIO");
    lblWINDOWS_ = linha(grade, 3, "Label4", "lblWINDOWS");
    lblBancoDados_ = linha(grade, 4, "Label5", "lblBancoDados");
    if (!kivo)
        lblPasta_ = linha(grade, 5, "Label9", "lblPasta");
    grade->setColumnStretch(1, 1);
    topo->addWidget(Frame1, 1);

    montaLinguas(layout);

    // Where the data lives, and how to keep it safe: the one thing a user asks support about.
    auto* Frame2 = withName(new QGroupBox(this), "Frame2");
    auto* suporte = new QVBoxLayout(Frame2);
    Label7_ = withName(new QLabel(Frame2), "Label7");
    Label7_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label7_->setWordWrap(true);
    suporte->addWidget(Label7_);
    layout->addWidget(Frame2);

    auto* base = new QHBoxLayout;
    if (!kivo)
        base->addWidget(withName(new QLabel(this), "Label6"));
    base->addStretch();
    auto* cmdVOLTAR = withName(new QPushButton(this), "cmdVOLTAR");
    onClick(cmdVOLTAR, this, &frmInformacoes::cmdVOLTAR_Click);
    base->addWidget(cmdVOLTAR);
    layout->addLayout(base);

    retranslate();
    noDefaultButtons(this);
    resize(640, sizeHint().height());
}

void frmInformacoes::montaLinguas(QBoxLayout* layout)
{
    const bool kivo = variante_.programa == Variante::Kivo;
    if (!kivo && !variante_.escolheLingua)
        return;
    auto* Frame3 = withName(new QGroupBox(this), "Frame3");
    auto* opcoes = new QHBoxLayout(Frame3);
    layout->addWidget(Frame3);
    if (kivo) {
        opt1_ = withName(new QRadioButton(QStringLiteral("English"), Frame3), "opt1");
        opt2_ = withName(new QRadioButton(QStringLiteral("Espanhõl"), Frame3), "opt2");
        opt3_ = withName(new QRadioButton(QStringLiteral("Português"), Frame3), "opt3");
        for (QRadioButton* opt : {opt1_, opt2_, opt3_})
            opcoes->addWidget(opt);
        opcoes->addStretch();
        return;
    }
    // Each language under its own name; a click speaks it at once, in every open window.
    int n = 0;
    for (const Lingua& l : linguas(QStringLiteral("davo"))) {
        const QString codigo = l.codigo;
        auto* opt = withName(new QRadioButton(l.nome, Frame3), QStringLiteral("opt%1").arg(++n));
        opt->setChecked(codigo == variante_.lingua);
        connect(opt, &QRadioButton::toggled, this, [this, codigo](bool escolhido) {
            if (escolhido && codigo != variante_.lingua)
                runGuarded([this, codigo] {
                    variante_.lingua = codigo;
                    variante_.escolheLingua(codigo);
                });
        });
        opcoes->addWidget(opt);
    }
    opcoes->addStretch();
}

void frmInformacoes::retranslate()
{
    setWindowTitle(tr("Informações Gerais"));
    const std::pair<const char*, QString> textos[] = {
        {"Frame1", tr("Especificação do Computador: ")},
        {"Label1", tr("Nome do Micro na Rede:")},
        {"Label2", tr("Resolução do Vídeo:")},
        {"Label3", tr("Usuário Logado:")},
        {"Label4", tr("Versão do Windows:")},
        {"Label5", tr("Versão Banco de Dados:")},
        {"Label9", tr("Pasta do Software:")},
        {"Frame3", tr("Idioma: ")},
        //: Stays Portuguese in English in kivo; davo translates it.
        {"Frame2", tr("Suporte: ")},
        {"Label6", tr("Versão  2017")},
        {"cmdVOLTAR", tr("&Voltar")},
    };
    for (const auto& [nome, texto] : textos) {
        QWidget* w = findChild<QWidget*>(QLatin1String(nome));
        if (auto* label = qobject_cast<QLabel*>(w))
            label->setText(texto);
        else if (auto* frame = qobject_cast<QGroupBox*>(w))
            frame->setTitle(texto);
        else if (auto* botao = qobject_cast<QPushButton*>(w))
            botao->setText(texto);
    }
    Label7_->setText(textoSuporte());
}

void frmInformacoes::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

frmInformacoes::~frmInformacoes() = default;

QLabel* frmInformacoes::linha(QGridLayout* grade, int row, const char* rotulo, const char* valor)
{
    auto* parent = grade->parentWidget();
    grade->addWidget(withName(new QLabel(parent), rotulo), row, 0);
    auto* label = withName(new QLabel(parent), valor);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grade->addWidget(label, row, 1);
    return label;
}

QString frmInformacoes::textoSuporte() const
{
    return tr("Os dados ficam no arquivo %1.\n"
              "É um banco de dados SQLite, que qualquer ferramenta do SQLite abre.\n"
              "Uma cópia desse arquivo, feita com o programa fechado, é uma cópia de "
              "segurança completa.")
        .arg(QDir::toNativeSeparators(db_.path()));
}

QString frmInformacoes::GetComputer()
{
    const std::optional<QString> nome = sistema_.nomeComputador();
    if (!nome || nome->size() > NomeComputadorMaximo)
        return {};
    return *nome;
}

QString frmInformacoes::sUserID()
{
    const std::optional<QString> nome = sistema_.nomeUsuario();
    if (!nome || nome->isEmpty())
        return {};
    lblUSUARIO_->setText(*nome);
    return *nome;
}

QString frmInformacoes::OSVersion()
{
    return sistema_.versaoSistema();
}

void frmInformacoes::Form_Load()
{
    const bool kivo = variante_.programa == Variante::Kivo;
    lblVAR_->setText(GetComputer());
    lblVIDEO_->setText(textoResolucao(sistema_.tamanhoTela()));
    sUserID();
    lblWINDOWS_->setText(OSVersion());

    parametro_ = Recordset::openTable(db_, QStringLiteral("Parametro"));
    parametro_.moveFirst();
    lblBancoDados_->setText(parametro_.text(QStringLiteral("VersaoBD")));

    if (!kivo) {
        lblPasta_->setText(QDir::toNativeSeparators(variante_.pasta));
        parametro_.close();
        return;
    }

    short idioma = 3;
    const std::optional<double> codigo = readNumber(parametro_.text(QStringLiteral("Idioma")));
    if (codigo == 1.0) {
        idioma = 1;
        opt1_->setChecked(true);
    } else if (codigo == 2.0) {
        idioma = 2;
        opt2_->setChecked(true);
    } else if (codigo == 3.0) {
        opt3_->setChecked(true);
    }
    // Tab enters the options at the one chosen; the arrows move among them.
    for (QRadioButton* opt : {opt1_, opt2_, opt3_})
        if (opt->isChecked())
            opt->setFocus();
    if (variante_.idioma)
        *variante_.idioma = idioma;
    if (idioma != 3 && variante_.falaIdioma)
        variante_.falaIdioma(idioma);
}

void frmInformacoes::cmdVOLTAR_Click()
{
    if (variante_.programa == Variante::Kivo && parametro_.isOpen()) {
        short escolha = 0;
        if (opt1_->isChecked())
            escolha = 1;
        else if (opt2_->isChecked())
            escolha = 2;
        else if (opt3_->isChecked())
            escolha = 3;
        if (escolha != 0) {
            parametro_.edit();
            parametro_.setValue(QStringLiteral("Idioma"), escolha);
            parametro_.update();
            if (variante_.idioma)
                *variante_.idioma = escolha;
        }
        parametro_.close();
    }
    accept();
}

}  // namespace common
