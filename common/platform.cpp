#include "common/platform.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QPushButton>
#include <QQueue>
#include <QStandardPaths>

#include <unistd.h>

namespace common {

namespace {

struct MessageState {
    bool testMode = false;
    QQueue<QMessageBox::StandardButton> answers;
    QList<ShownMessage> shown;
};

MessageState& messages()
{
    static MessageState s;
    return s;
}

QString& lockFolder()
{
    static QString folder;
    return folder;
}

}  // namespace

QMessageBox::StandardButton Messages::show(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                           const QString& text, QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, title, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    auto& s = messages();
    if (!s.testMode)
        return static_cast<QMessageBox::StandardButton>(box.exec());

    QMessageBox::StandardButton answer = QMessageBox::NoButton;
    if (!s.answers.isEmpty())
        answer = s.answers.dequeue();
    else if (buttons.testFlag(QMessageBox::Ok))
        answer = QMessageBox::Ok;
    else if (buttons.testFlag(QMessageBox::No))
        answer = QMessageBox::No;
    QStringList texts;
    for (QAbstractButton* button : box.buttons())
        texts << button->text();
    s.shown.append({box.icon(), box.windowTitle(), box.text(), box.standardButtons(), answer,
                    box.defaultButton() ? box.standardButton(box.defaultButton()) : QMessageBox::NoButton, texts});
    return answer;
}

void Messages::exclamation(QWidget* parent, const QString& title, const QString& text)
{
    show(parent, QMessageBox::Warning, title, text, QMessageBox::Ok);
}

bool Messages::askYesNo(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon,
                        QMessageBox::StandardButton defaultButton)
{
    return show(parent, icon, title, text, QMessageBox::Yes | QMessageBox::No, defaultButton) == QMessageBox::Yes;
}

void Messages::setTestMode(bool on)
{
    messages() = {};
    messages().testMode = on;
}

void Messages::answerNext(QMessageBox::StandardButton answer)
{
    messages().answers.enqueue(answer);
}

const QList<ShownMessage>& Messages::shown()
{
    return messages().shown;
}

void Messages::clearShown()
{
    messages().shown.clear();
    messages().answers.clear();
}

// ---------------------------------------------------------------------------------------------

namespace {

std::function<int(QDialog&)>& modalHandler()
{
    static std::function<int(QDialog&)> handler;
    return handler;
}

}  // namespace

namespace {

bool& exitRequested()
{
    static bool requested = false;
    return requested;
}

}  // namespace

void Exit::request(int code)
{
    exitRequested() = true;
    QCoreApplication::exit(code);
}

bool Exit::requested()
{
    return exitRequested();
}

void Exit::reset()
{
    exitRequested() = false;
}

int Modal::exec(QDialog& dialog)
{
    if (Exit::requested())
        throw Leaving();
    const int result = modalHandler() ? modalHandler()(dialog) : dialog.exec();
    // A failure inside the screen ended its event loop with all the others: what the handler that
    // opened it would do next must not run.
    if (Exit::requested())
        throw Leaving();
    return result;
}

void Modal::setTestHandler(std::function<int(QDialog&)> handler)
{
    modalHandler() = std::move(handler);
}

// ---------------------------------------------------------------------------------------------

QString SingleInstance::folder()
{
    if (!lockFolder().isEmpty())
        return lockFolder();
    // The user's own folders, which no other account can write in: a lock in the shared temporary
    // folder could be made first by anybody, and every start would then be refused.
    for (const auto location : {QStandardPaths::RuntimeLocation, QStandardPaths::AppDataLocation}) {
        const QString folder = QStandardPaths::writableLocation(location);
        if (!folder.isEmpty() && QDir().mkpath(folder))
            return folder;
    }
    return QDir::homePath();
}

SingleInstance::SingleInstance(const QString& program)
{
    lock_ = std::make_unique<QLockFile>(QStringLiteral("%1/%2-%3.lock").arg(folder(), program).arg(::getuid()));
    lock_->setStaleLockTime(0);  // only a dead owner makes a lock stale, never its age
}

bool SingleInstance::anotherCopyRunning()
{
    if (lock_->isLocked() || lock_->tryLock(0))
        return false;
    // Only a lock held by a live copy refuses the start; a lock that cannot be written at all
    // (no temporary folder, no space) says nothing about other copies.
    return lock_->error() == QLockFile::LockFailedError;
}

void SingleInstance::setLockFolder(const QString& folder)
{
    lockFolder() = folder;
}

}  // namespace common
