#include "tests/support/testsupport.h"

#include "common/formats.h"

#include <QDir>
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
