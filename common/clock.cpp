#include "common/clock.h"

#include <QObject>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace common {

namespace {

struct ClockState {
    QDate testDate;
    qint64 paused = 0;
    int pending = 0;
};

ClockState& clock()
{
    static ClockState s;
    return s;
}

// A test-mode pause not yet over: it counts as pending until its continuation has run or has been
// dropped with its context.
struct Pendente {
    Pendente() { ++clock().pending; }
    ~Pendente() { --clock().pending; }
    Pendente(const Pendente&) = delete;
    Pendente& operator=(const Pendente&) = delete;
};

}  // namespace

QDate Clock::today()
{
    return clock().testDate.isValid() ? clock().testDate : QDate::currentDate();
}

void Clock::after(int milliseconds, QObject* context, std::function<void()> then)
{
    if (!clock().testDate.isValid()) {
        QTimer::singleShot(std::max(milliseconds, 0), context, std::move(then));
        return;
    }
    clock().paused += milliseconds;
    auto pendente = std::make_shared<Pendente>();
    QTimer::singleShot(0, context, [pendente, then = std::move(then)]() mutable {
        pendente.reset();  // over: what follows may ask for the next pause
        then();
    });
}

void Clock::setTestDate(const QDate& date)
{
    clock().testDate = date;
}

qint64 Clock::pausedMilliseconds()
{
    return clock().paused;
}

void Clock::resetPaused()
{
    clock().paused = 0;
}

int Clock::pendingPauses()
{
    return clock().pending;
}

}  // namespace common
