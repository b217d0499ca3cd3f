#include "tests/support/testsupport.h"

#include "common/formats.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QTimer>

#include <algorithm>
#include <QStandardPaths>

namespace testsupport {

void useTestPlatform()
{
    common::Messages::setTestMode(true);
    static QTemporaryDir locks;
    common::SingleInstance::setLockFolder(locks.path());
    resetPlatform();
}

void resetPlatform()
{
    common::Messages::clearShown();
    common::Exit::reset();
    common::Clock::setTestDate(Today);
    common::Clock::resetPaused();
    common::setUserLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
}

int inEventLoop(const std::function<void()>& user)
{
    // A test's windows come and go inside the loop: the last one closing must not end it.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QTimer::singleShot(0, qApp, [&user] {
        user();
        if (!common::Exit::requested())
            QCoreApplication::exit(0);
    });
    return QCoreApplication::exec();
}

void accessKey(QWidget* window, char letter)
{
    // Access keys go to the active window; one that has just closed a modal screen takes the
    // activation back a moment later.
    window = window->window();
    auto active = [window] {
        return QApplication::activeWindow() == window && QGuiApplication::focusWindow() == window->windowHandle();
    };
    if (!active()) {
        window->activateWindow();
        QTest::qWaitFor(active);
    }
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    QTest::keyClick(target, static_cast<Qt::Key>(Qt::Key_A + (QChar::toUpper(letter) - 'A')), Qt::AltModifier);
    // A button pressed by its access key shows itself down and clicks a moment later.
    QTest::qWaitFor([window] {
        const auto buttons = window->findChildren<QAbstractButton*>();
        return std::none_of(buttons.begin(), buttons.end(), [](QAbstractButton* b) { return b->isDown(); });
    });
}

Folder::Folder()
{
    dir_.setAutoRemove(true);
}

common::ShownMessage lastMessage()
{
    const auto& shown = common::Messages::shown();
    return shown.isEmpty() ? common::ShownMessage{} : shown.last();
}

QStringList shownTitles()
{
    QStringList titles;
    for (const auto& m : common::Messages::shown())
        titles << m.title;
    return titles;
}

}  // namespace testsupport
