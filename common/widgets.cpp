#include "common/widgets.h"

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
    LostFocusFilter(QWidget* widget, std::function<void()> handler)
        : QObject(widget), handler_(std::move(handler))
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut && !running_) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            // Only a move to another control counts: not a popup menu, and not the window losing
            // its activation to another application or to a message box.
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
                running_ = true;
                handler_();
                running_ = false;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> handler_;
    bool running_ = false;
};

}  // namespace

void noDefaultButtons(QWidget* window)
{
    for (auto* button : window->findChildren<QPushButton*>())
        button->setAutoDefault(false);
}

void onLostFocus(QWidget* widget, std::function<void()> handler)
{
    widget->installEventFilter(new LostFocusFilter(widget, std::move(handler)));
}

}  // namespace common
