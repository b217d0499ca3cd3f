#pragma once

// What every test program sets up: message boxes answered from a queue, a fixed date, pauses that
// do not wait, locks in a folder of the test's own, and a chosen locale.

#include "common/clock.h"
#include "common/platform.h"

#include <QDate>
#include <QFileDialog>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace common {
class Database;
}

namespace testsupport {

// The date every test runs on unless it sets another.
inline const QDate Today(2026, 12, 8);

// Puts every seam in test mode, the user's settings in a temporary folder; call from initTestCase().
void useTestPlatform();
// Before each test: no message shown yet, the program not leaving, today's date, the Brazilian
// locale, no kivo or davo settings.
void resetPlatform();

// Before each test of a program built around a fixture: the platform reset, then a fresh fixture.
template <typename Fixture>
void startTest(std::unique_ptr<Fixture>& fixture)
{
    resetPlatform();
    fixture = std::make_unique<Fixture>();
}
// After each test: no modal window played any more, the fixture (and its database) dropped.
template <typename Fixture>
void endTest(std::unique_ptr<Fixture>& fixture)
{
    common::Modal::setTestHandler({});
    fixture.reset();
}

// Runs `user` from inside the application's event loop, as the program's main runs it, and returns
// what exec() returned: the code a failure left with, or 0 when `user` ended with the program
// still running.
int inEventLoop(const std::function<void()>& user);

// Lets the event loop turn until `done` holds; false when it does not within 5 s.
bool spinUntil(const std::function<bool()>& done);
// Lets the event loop turn until every pause the clock was asked for is over and what followed it
// has run, so a computation in stages has come to its end; false when that takes more than 5 s.
bool finishPauses();

// Presses an access key (Alt + letter) in the active window `window`, and waits for the click it
// makes.
void accessKey(QWidget* window, char letter);

// A fresh folder for one test, holding whatever database the test copies or creates there.
class Folder {
public:
    Folder();
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

// The child named `name`; a warning names it when it is missing (the test then fails on it).
template <typename T>
T* named(QObject* parent, const QString& name)
{
    T* child = parent->findChild<T*>(name);
    if (!child)
        qWarning("no child named %s", qPrintable(name));
    return child;
}

// A file a program may find where its database should be, none of them usable. `make` writes it at
// `path`, from a good database at `good` and the statements that made it.
struct BadFile {
    QString name;
    std::function<void(const QString& good, const QStringList& schema, const QString& path)> make;
};
QList<BadFile> badDatabaseFiles();
// A file's bytes, to show it was not changed.
QByteArray fileBytes(const QString& path);

// Every row of every table of `db`, one text per row ("table: field=value, ..."), in table name
// and then rowid order: two of them compare the whole database before and after an action.
QStringList databaseContents(common::Database& db);

// The last message box shown, or an empty one.
common::ShownMessage lastMessage();
// The titles of all boxes shown since the last reset.
QStringList shownTitles();

// The controls the Tab key visits in `window`, from `first` until it comes back to it (or 60 steps);
// a last entry "(Shift+Tab)" when Shift+Tab from the last does not return to the one before it.
QStringList tabOrder(QWidget* window, QWidget* first);

}  // namespace testsupport

namespace testsupport {

// The objectNames the focus passes through from `first`, pressing Tab (or Shift+Tab with
// `back`) until it comes back to `first` or `max` presses; the window must be active.
QStringList tabChain(QWidget* first, bool back = false, int max = 60);

// Runs `action`, which opens a file dialog through the modal seam, with that dialog answered by
// `answer`; returns the file name the dialog proposed.
QString answerFileDialog(const std::function<void()>& action, const std::function<int(QFileDialog&)>& answer);
// An answer that picks `file` and accepts.
std::function<int(QFileDialog&)> acceptFile(const QString& file);

// What keeps a translation file (.ts) from being complete, one line each ("context: source"): an
// entry unfinished or empty, or whose %1..%9 arguments differ from its source's. An entry whose
// translator comment says "Stays Portuguese in <language>" may stay unfinished in that language's
// file (`lingua`, "English"). `mensagens` counts the entries read.
QStringList incompleteTranslations(const QString& arquivo, const QString& lingua, int* mensagens = nullptr);

}  // namespace testsupport
