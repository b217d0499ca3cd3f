#include "kivo/shell/idioma.h"

#include "common/store.h"
#include "common/traducao.h"
#include "common/widgets.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QWidget>

namespace kivo {

namespace {

void defineLegenda(QObject* controle, const QString& texto)
{
    if (auto* action = qobject_cast<QAction*>(controle))
        action->setText(texto);
    else if (auto* menu = qobject_cast<QMenu*>(controle))
        menu->setTitle(texto);
    else if (auto* frame = qobject_cast<QGroupBox*>(controle))
        frame->setTitle(texto);
    else if (auto* label = qobject_cast<QLabel*>(controle))
        label->setText(texto);
    else if (auto* button = qobject_cast<QAbstractButton*>(controle))
        button->setText(texto);
}

// The code of language `idioma`'s translation files: "en", "es", "pt".
QString codigoLingua(short idioma)
{
    return idioma == Ingles ? QStringLiteral("en") : idioma == Espanhol ? QStringLiteral("es") : QStringLiteral("pt");
}

}  // namespace

void instalaIdioma(short idioma)
{
    common::instalaLingua(QStringLiteral("kivo"), codigoLingua(idioma));
}

void aplicaTextos(QWidget* tela, std::initializer_list<std::pair<const char*, QString>> textos)
{
    for (const auto& [nome, texto] : textos) {
        const QString controle = QLatin1String(nome);
        if (controle.isEmpty()) {
            tela->setWindowTitle(texto);
        } else if (const qsizetype marca = controle.indexOf(QLatin1Char('#')); marca > 0) {
            auto* grade = tela->findChild<QAbstractItemView*>(controle.left(marca));
            if (grade && grade->model())
                grade->model()->setHeaderData(controle.mid(marca + 1).toInt(), Qt::Horizontal, texto);
        } else if (QObject* alvo = tela->findChild<QObject*>(controle)) {
            defineLegenda(alvo, texto);
        }
    }
}

common::FailureMessage mensagemFalha(const common::StoreError& falha)
{
    using Kind = common::StoreError::Kind;
    // Per kind: the box's title, what happened ("%1": the file), what to do.
    struct Textos {
        const char *titulo, *causa, *conselho;
    };
    static const Textos DiscoCheio{
        QT_TRANSLATE_NOOP("kivo::mensagemFalha", "Disco cheio!"),
        QT_TRANSLATE_NOOP("kivo::mensagemFalha", "O disco está cheio: não foi possível gravar em %1."),
        QT_TRANSLATE_NOOP("kivo::mensagemFalha", "libere espaço e tente de novo.")};
    static const Textos SomenteLeitura{
        QT_TRANSLATE_NOOP("kivo::mensagemFalha", "Somente leitura!"),
        QT_TRANSLATE_NOOP("kivo::mensagemFalha", "O arquivo %1 é somente leitura: não foi possível gravar nele."),
        QT_TRANSLATE_NOOP("kivo::mensagemFalha", "dê permissão de gravação ao arquivo e à sua pasta e tente de novo.")};
    static const Textos EmUso{
        QT_TRANSLATE_NOOP("kivo::mensagemFalha", "Arquivo em uso!"),
        QT_TRANSLATE_NOOP("kivo::mensagemFalha", "Outro programa está usando %1: não foi possível gravar nele."),
        QT_TRANSLATE_NOOP("kivo::mensagemFalha", "feche o outro programa e tente de novo.")};
    static const Textos ErroDisco{QT_TRANSLATE_NOOP("kivo::mensagemFalha", "Erro de disco!"),
                                  QT_TRANSLATE_NOOP("kivo::mensagemFalha", "O disco falhou ao gravar em %1."),
                                  QT_TRANSLATE_NOOP("kivo::mensagemFalha", "verifique o disco e tente de novo.")};

    const Textos* textos = nullptr;
    switch (falha.kind()) {
    case Kind::DiskFull:
        textos = &DiscoCheio;
        break;
    case Kind::ReadOnly:
        textos = &SomenteLeitura;
        break;
    case Kind::Busy:
        textos = &EmUso;
        break;
    case Kind::DiskError:
        textos = &ErroDisco;
        break;
    case Kind::Fatal:
        return common::failureMessage(falha);
    }
    const auto em = [](const char* texto) { return QCoreApplication::translate("kivo::mensagemFalha", texto); };
    common::FailureMessage m;
    m.title = em(textos->titulo);
    m.cause = em(textos->causa).arg(QDir::toNativeSeparators(falha.file()));
    m.advice = em(textos->conselho);
    m.text = QCoreApplication::translate("kivo::mensagemFalha", "%1 Nada foi alterado; %2").arg(m.cause, m.advice);
    return m;
}

}  // namespace kivo
