#include "common/discardinput.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace common {

namespace {

bool isUserInput(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
        return true;
    case QEvent::Close:
        return event->spontaneous();  // the window's close button, not the program closing it
    default:
        return false;
    }
}

}  // namespace

DiscardInput::DiscardInput(QWidget* window) : window_(window)
{
    QCoreApplication::instance()->installEventFilter(this);
}

DiscardInput::~DiscardInput()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

bool DiscardInput::eventFilter(QObject* watched, QEvent* event)
{
    if (!window_ || !isUserInput(event))
        return false;
    // The window's own widgets, and the window as the window system sees it; a message box the
    // computation shows is a window of its own and takes its answer as usual.
    bool ours = false;
    if (auto* widget = qobject_cast<QWidget*>(watched))
        ours = widget == window_ || window_->isAncestorOf(widget);
    else if (auto* window = qobject_cast<QWindow*>(watched))
        ours = window == window_->windowHandle();
    if (ours && event->type() == QEvent::Close)
        event->ignore();  // refused: the window stays open
    return ours;
}

}  // namespace common
