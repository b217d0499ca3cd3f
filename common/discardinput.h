#pragma once

// While a long computation runs inside a window's handler (its stages, its pauses), whatever the
// user clicks or types in that window is thrown away: it is not held back and carried out once the
// computation ends, when it would close the window or print a report the user no longer expects.

#include <QObject>
#include <QPointer>

class QWidget;

namespace common {

class DiscardInput : public QObject {
public:
    explicit DiscardInput(QWidget* window);
    // Lets the input that arrived meanwhile through to the window first, so that it is discarded
    // too, then leaves the window to the user again.
    ~DiscardInput() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
};

}  // namespace common
