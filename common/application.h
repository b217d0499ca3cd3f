#pragma once

#include <QApplication>

namespace common {

// The programs' application object. Failures are caught at the handler boundary (common::runGuarded,
// which every button and menu item goes through); one that escapes a handler all the same is caught
// here as a last resort, reported the same way, and ends the program through the event loop:
// exec() returns 1 and every window, the database and this object are destroyed in order.
class Application : public QApplication {
public:
    Application(int& argc, char** argv, const QString& name);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace common
