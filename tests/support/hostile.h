#pragma once

// Hostile input: the texts every screen's tests type into every box, and a snapshot of a
// database's rows, to show a save changed only what it was meant to.

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace common {
class Database;
}

namespace testsupport {

struct HostileInput {
    QString name;
    QString text;
};

// Empty and blank texts, 100,000 characters, text beyond the basic plane (emoji, combining marks,
// right-to-left), quotes and backslashes, SQL fragments, separators in odd places, numbers at the
// limits and control characters.
const QList<HostileInput>& hostileInputs();

// The first `max` UTF-16 units of `text`, less a character the cut would split in half: what a box
// with that length limit must show and store. No limit when `max` is 0 or less.
QString cutAt(const QString& text, int max);

// True when `text` holds no half of a surrogate pair.
bool wholeCharacters(const QString& text);

// Every row of `tables`, one line per row, every field named with its value as stored (numbers in
// full precision), in key order.
QStringList snapshot(common::Database& db, const QStringList& tables);

// Runs `one` on every input of the table under each of `locales` (the platform reset, the locale
// set with `shortDate` as its short date, empty for its own). After each case `undo`, when given,
// takes back the one change the case was allowed to make, and the rows of `tables` must then be as
// before; a case that fails or changes anything else ends the run with its name. `tried` counts
// the cases run.
void tryEveryInput(common::Database& db, const QStringList& tables, const char* box, const QList<const char*>& locales,
                   const QString& shortDate, const std::function<void(const QString&)>& one,
                   const std::function<void()>& undo, int& tried);

}  // namespace testsupport
