#pragma once

#include <QApplication>

class QWidget;

namespace common {

// The programs' application object. A failure that no screen handles (a database error on a list
// screen, say) ends the program after a report that names it, instead of leaving the program in an
// unknown state. It carries the program's icon and names its desktop entry ("kivo.desktop").
class Application : public QApplication {
public:
    Application(int& argc, char** argv, const QString& name);
    bool notify(QObject* receiver, QEvent* event) override;
};

// For the install check, which starts the installed programs headless: with the environment
// variable KIVO_DAVO_CLOSE_WHEN_SHOWN set, `window` closes as soon as the event loop runs after it
// has been shown, which ends the program. Without it, nothing happens.
void closeWhenShownIfAsked(QWidget& window);

}  // namespace common
