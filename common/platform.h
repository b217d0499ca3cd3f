#pragma once

// What the programs' screens ask of the machine that a test must control: message boxes, modal
// screens, whether another copy is running (the current date and the pauses are in common/clock.h).
// Production uses the real thing; a test switches each to its test mode, where nothing waits on a
// window.

#include <QList>
#include <QLockFile>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <exception>
#include <functional>
#include <memory>

class QDialog;

namespace common {

struct ShownMessage {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton answer = QMessageBox::NoButton;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;  // what Enter presses
    QStringList buttonTexts;  // the buttons' captions as the box shows them ("&Sim", "&Não")
};

// Message boxes: always a real QMessageBox with the icon, title, text and buttons. In test mode the
// box is built but not shown: it is recorded and answered from a queue of answers.
class Messages {
public:
    static QMessageBox::StandardButton show(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                            const QString& text, QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    // The house style: an exclamation icon and an OK button.
    static void exclamation(QWidget* parent, const QString& title, const QString& text);
    // Yes / No, with No as the default button unless another is given (a confirmation is never given
    // by Enter alone); true for Yes.
    static bool askYesNo(QWidget* parent, const QString& title, const QString& text,
                         QMessageBox::Icon icon = QMessageBox::Question,
                         QMessageBox::StandardButton defaultButton = QMessageBox::No);

    // Test mode: boxes are recorded, never shown. An answer not queued is OK where the box has
    // one, No otherwise.
    static void setTestMode(bool on);
    static void answerNext(QMessageBox::StandardButton answer);
    static const QList<ShownMessage>& shown();
    static void clearShown();
};

// The way out after a failure: the program ends through the event loop, so every window, the
// database and the application object are destroyed in order. Once asked, every event loop returns,
// the modal screens' included, and no further user action runs.
class Exit {
public:
    static void request(int code);
    static bool requested();
    // Tests start each case with the program running.
    static void reset();
};

// Thrown by Modal::exec when the program is leaving while (or before) the screen was open: the
// handler that opened it goes no further. The handler boundary (common::runGuarded) takes it
// without a second report.
class Leaving : public std::exception {
public:
    const char* what() const noexcept override { return "the program is ending"; }
};

// Modal screens. Production runs the dialog's own event loop; in test mode a handler the test gives
// plays the user on the open dialog and returns its result, so no test waits on a window. Throws
// Leaving when the program is on its way out.
class Modal {
public:
    static int exec(QDialog& dialog);
    // An empty handler returns to production.
    static void setTestHandler(std::function<int(QDialog&)> handler);
};

// Refuses a second running copy of a program for the same user. A copy that crashed leaves a stale
// lock, which the next start takes over.
class SingleInstance {
public:
    explicit SingleInstance(const QString& program);
    // True when another live copy holds the lock; otherwise this copy now holds it.
    bool anotherCopyRunning();

    // Tests keep their locks in a folder of their own.
    static void setLockFolder(const QString& folder);
    // Where the locks lie: the user's runtime folder, else the user's data folder.
    static QString folder();

private:
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace common
