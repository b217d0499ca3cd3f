#include "common/widgets.h"

#include "common/platform.h"
#include "common/store.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QGuiApplication>
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

QString arrayName(const QString& array, int index)
{
    return QStringLiteral("%1(%2)").arg(array).arg(index);
}

namespace {

class LostFocusFilter : public QObject {
public:
    LostFocusFilter(QWidget* widget, std::function<bool()> check)
        : QObject(widget), check_(std::move(check))
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

    // True when the check accepted, or could not run because it is already running.
    bool run()
    {
        if (running_)
            return true;
        running_ = true;
        bool accepted = true;
        runGuarded([&] { accepted = check_(); });
        running_ = false;
        return accepted;
    }

private:
    std::function<bool()> check_;
    bool running_ = false;
};

LostFocusFilter* filterOf(QWidget* widget)
{
    return widget ? widget->findChild<LostFocusFilter*>(QStringLiteral("LostFocusFilter"),
                                                        Qt::FindDirectChildrenOnly)
                  : nullptr;
}

}  // namespace

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
    QWidget* focus = window ? window->focusWidget() : nullptr;
    // A box inside a composite control (a spin box's line edit) carries its check on the control.
    for (QWidget* w = focus; w && w != window; w = w->parentWidget()) {
        if (auto* filter = filterOf(w))
            return filter->run();
    }
    return true;
}

void runGuarded(const std::function<void()>& action)
{
    QString what;
    try {
        action();
        return;
    } catch (const StoreError& e) {
        what = QStringLiteral("Erro %1: %2").arg(e.number()).arg(e.description());
    } catch (const std::exception& e) {
        what = QString::fromLocal8Bit(e.what());
    } catch (...) {
        what = QStringLiteral("falha desconhecida");
    }
    Messages::show(nullptr, QMessageBox::Critical, QCoreApplication::applicationName(),
                   QStringLiteral("Erro inesperado; o programa será encerrado.\n\n%1").arg(what));
    // Every event loop, the modal screens' included, ends; the windows close in order.
    QCoreApplication::exit(1);
}

void onClick(QAbstractButton* button, std::function<void()> action)
{
    // A click leaves the focus in the box, so its check runs here once, before the action.
    button->setFocusPolicy(Qt::TabFocus);
    QObject::connect(button, &QAbstractButton::clicked, button, [button, action = std::move(action)] {
        if (!runPendingCheck(button->window()))
            return;
        runGuarded(action);
    });
}

}  // namespace common
