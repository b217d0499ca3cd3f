#pragma once

// The current date, and the pauses a long computation makes between its stages so the user can
// follow it. Production uses the system's date and real timers; a test sets a date, and a pause
// then only counts its milliseconds and lets what follows it run on the next turn of the event
// loop, so no test waits on a clock.

#include <QDate>

#include <functional>

class QObject;

namespace common {

class Clock {
public:
    static QDate today();

    // Runs `then` once `milliseconds` have passed, from the event loop: the caller returns at once
    // and no event loop nests. Nothing runs when `context` is destroyed before.
    static void after(int milliseconds, QObject* context, std::function<void()> then);

    // Test mode: a valid date is today's; an invalid one returns to the system's date and to real
    // pauses.
    static void setTestDate(const QDate& date);
    // The milliseconds the pauses asked for since the last reset.
    static qint64 pausedMilliseconds();
    static void resetPaused();
    // In test mode, the pauses whose continuation has not run yet (nor been dropped with its
    // context).
    static int pendingPauses();
};

}  // namespace common
