#include "common/widgets.h"

#include "common/platform.h"
#include "common/store.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace common {

int twips(int twips)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

void placeTwips(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(twips(left), twips(top), twips(width), twips(height));
}

QString arrayName(const QString& array, int index)
{
    return QStringLiteral("%1(%2)").arg(array).arg(index);
}

void setMaxLength(QLineEdit* box, int length)
{
    box->setMaxLength(length);
    QObject::connect(box, &QLineEdit::textChanged, box, [box](const QString& text) {
        // Only a cut at the limit can split a pair; below it the text is left alone.
        if (text.size() < box->maxLength())
            return;
        QString whole;
        whole.reserve(text.size());
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
                whole += c;
                whole += text.at(++i);
            } else if (!c.isSurrogate()) {
                whole += c;
            }
        }
        if (whole.size() == text.size())
            return;
        const int cursor = std::min<int>(box->cursorPosition(), int(whole.size()));
        box->setText(whole);
        box->setCursorPosition(cursor);
    });
}

namespace {

// The failures' wording, under the "common" translation context.
struct Texto {
    Q_DECLARE_TR_FUNCTIONS(common)
};

// True while a lost-focus check runs, in any window: the focus moves it makes start no other.
bool checkRunning = false;

class LostFocusFilter : public QObject {
public:
    LostFocusFilter(QWidget* widget, std::function<bool()> check) : QObject(widget), check_(std::move(check))
    {
        setObjectName(QStringLiteral("LostFocusFilter"));
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            // Only a move to another control counts: not a popup menu, and not the window losing
            // its activation to another application or to a message box.
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
                run();
        }
        return QObject::eventFilter(watched, event);
    }

    // False when the check refused the text or failed; true when it accepted, or did not run
    // because another check is under way.
    bool run()
    {
        if (checkRunning)
            return true;
        checkRunning = true;
        bool accepted = false;
        const bool ran = runGuarded([&] { accepted = check_(); });
        checkRunning = false;
        return ran && accepted;
    }

private:
    std::function<bool()> check_;
};

QString failureText(const std::exception_ptr& failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const StoreError& e) {
        return Texto::tr("Erro %1: %2").arg(e.number()).arg(e.description());
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return Texto::tr("falha desconhecida");
    }
}

std::function<FailureMessage(const StoreError&)>& wording()
{
    static std::function<FailureMessage(const StoreError&)> w;
    return w;
}

}  // namespace

FailureMessage failureMessage(const StoreError& failure)
{
    const QString file = QDir::toNativeSeparators(failure.file());
    FailureMessage m;
    switch (failure.kind()) {
    case StoreError::Kind::DiskFull:
        m = {Texto::tr("Disco cheio!"),
             Texto::tr("O disco está cheio: não foi possível gravar em %1.").arg(file),
             Texto::tr("libere espaço e tente de novo."),
             {}};
        break;
    case StoreError::Kind::ReadOnly:
        m = {Texto::tr("Somente leitura!"),
             Texto::tr("O arquivo %1 é somente leitura: não foi possível gravar nele.").arg(file),
             Texto::tr("dê permissão de gravação ao arquivo e à sua pasta e tente de novo."),
             {}};
        break;
    case StoreError::Kind::Busy:
        m = {Texto::tr("Arquivo em uso!"),
             Texto::tr("Outro programa está usando %1: não foi possível gravar nele.").arg(file),
             Texto::tr("feche o outro programa e tente de novo."),
             {}};
        break;
    case StoreError::Kind::DiskError:
        m = {Texto::tr("Erro de disco!"),
             Texto::tr("O disco falhou ao gravar em %1.").arg(file),
             Texto::tr("verifique o disco e tente de novo."),
             {}};
        break;
    case StoreError::Kind::Fatal:
        m = {QCoreApplication::applicationName(), failure.description(), {}, {}};
        break;
    }
    m.text = m.advice.isEmpty() ? m.cause : Texto::tr("%1 Nada foi alterado; %2").arg(m.cause, m.advice);
    return m;
}

void setFailureWording(std::function<FailureMessage(const StoreError&)> w)
{
    wording() = std::move(w);
}

FailureMessage wordFailure(const StoreError& failure)
{
    return wording() ? wording()(failure) : failureMessage(failure);
}

void noDefaultButtons(QWidget* window)
{
    for (auto* button : window->findChildren<QPushButton*>())
        button->setAutoDefault(false);
}

void onLostFocusCheck(QWidget* widget, std::function<bool()> check)
{
    widget->installEventFilter(new LostFocusFilter(widget, std::move(check)));
}

bool runPendingCheck(QWidget* window)
{
    // The focus is in the box itself, or in the inner box of a composite control whose focus proxy
    // it is (a spin box's line edit): the check sits on the control.
    QWidget* w = window ? window->focusWidget() : nullptr;
    while (w && w != window) {
        const auto filters =
            w->findChildren<LostFocusFilter*>(QStringLiteral("LostFocusFilter"), Qt::FindDirectChildrenOnly);
        if (!filters.isEmpty()) {
            for (LostFocusFilter* filter : filters)
                if (!filter->run())
                    return false;
            return true;
        }
        QWidget* parent = w->parentWidget();
        w = parent && parent->focusProxy() == w ? parent : nullptr;
    }
    return true;
}

void reportAndLeave(const std::exception_ptr& failure)
{
    if (Exit::requested())
        return;  // already reported; the program is on its way out
    try {
        std::rethrow_exception(failure);
    } catch (const Leaving&) {
        return;
    } catch (const StoreError& e) {
        if (e.actionable()) {
            // Nothing was stored and nothing is lost: the user is told, and carries on.
            const FailureMessage m = wordFailure(e);
            Messages::exclamation(QApplication::activeWindow(), m.title, m.text);
            return;
        }
    } catch (...) {
    }
    Messages::show(nullptr, QMessageBox::Critical, QCoreApplication::applicationName(),
                   Texto::tr("Erro inesperado; o programa será encerrado.\n\n%1").arg(failureText(failure)));
    // Every event loop, the modal screens' included, ends; the windows close in order.
    Exit::request(1);
}

bool runGuarded(const std::function<void()>& action)
{
    if (Exit::requested())
        return false;
    try {
        action();
    } catch (...) {
        reportAndLeave(std::current_exception());
        return false;
    }
    // A failure inside it, caught further in, ends the program all the same.
    return !Exit::requested();
}

void onClick(QAbstractButton* button, std::function<void()> action)
{
    // A click leaves the focus in the box, so its check runs here once, before the action.
    button->setFocusPolicy(Qt::TabFocus);
    QObject::connect(button, &QAbstractButton::clicked, button, [button, action = std::move(action)] {
        if (Exit::requested() || !runPendingCheck(button->window()))
            return;
        runGuarded(action);
    });
}

void onClickWithoutCheck(QAbstractButton* button, std::function<void()> action)
{
    // As onClick, the button keeps the focus where it is: the box is not left, so not checked.
    button->setFocusPolicy(Qt::TabFocus);
    QObject::connect(button, &QAbstractButton::clicked, button, [action = std::move(action)] {
        if (!Exit::requested())
            runGuarded(action);
    });
}

void onTriggered(QAction* action, std::function<void()> handler)
{
    QObject::connect(action, &QAction::triggered, action, [handler = std::move(handler)] { runGuarded(handler); });
}

}  // namespace common
