#include "davo/screens/tamanhojanela.h"

#include <QDialog>
#include <QEvent>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSize>

namespace davo {

namespace {

QString chave(const QDialog* tela)
{
    return QStringLiteral("janelas/%1/geometria").arg(tela->objectName());
}

QSettings configuracao()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("davo"), QStringLiteral("davo"));
}

// Keeps the window's size and place whenever it is hidden (closed, rejected or accepted).
class GuardaTamanho : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (evento->type() == QEvent::Hide) {
            auto* tela = static_cast<QDialog*>(objeto);
            configuracao().setValue(chave(tela), tela->saveGeometry());
        }
        return false;
    }
};

// Beyond this many characters without a blank, breaking at word boundaries takes the layout
// seconds for every line of the run.
constexpr int PalavraMaisLonga = 2000;

bool temPalavraEnorme(const QString& texto)
{
    int corrida = 0;
    for (const QChar c : texto) {
        corrida = c.isSpace() ? 0 : corrida + 1;
        if (corrida > PalavraMaisLonga)
            return true;
    }
    return false;
}

}  // namespace

void quebraNasPalavras(QPlainTextEdit* obs)
{
    obs->setTabChangesFocus(true);
    obs->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QObject::connect(obs, &QPlainTextEdit::textChanged, obs, [obs] {
        const auto modo = temPalavraEnorme(obs->toPlainText()) ? QTextOption::WrapAnywhere
                                                               : QTextOption::WrapAtWordBoundaryOrAnywhere;
        if (obs->wordWrapMode() != modo)
            obs->setWordWrapMode(modo);
    });
}

void lembraTamanho(QDialog* tela, const QSize& inicial)
{
    tela->setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    tela->setSizeGripEnabled(true);
    const QByteArray guardada = configuracao().value(chave(tela)).toByteArray();
    if (guardada.isEmpty() || !tela->restoreGeometry(guardada))
        tela->resize(inicial);
    tela->installEventFilter(new GuardaTamanho(tela));
}

}  // namespace davo
