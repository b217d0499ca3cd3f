#pragma once

// While a long computation runs in a window (its stages and pauses on the event loop), whatever the
// user clicks or types in that window, or a close of it from the window system, is thrown away as
// it arrives: it is not carried out during the computation nor once it ends, when it would close
// the window or print a report the user no longer expects.

#include <QObject>
#include <QPointer>

class QWidget;

namespace common {

class DiscardInput : public QObject {
public:
    explicit DiscardInput(QWidget* window);
    // Leaves the window to the user again.
    ~DiscardInput() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
};

}  // namespace common
