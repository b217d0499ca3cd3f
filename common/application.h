#pragma once

#include <QApplication>

namespace common {

// The programs' application object. A failure that no screen handles (a database error on a list
// screen, say) ends the program after a report that names it, instead of leaving the program in an
// unknown state.
class Application : public QApplication {
public:
    Application(int& argc, char** argv, const QString& name);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace common
