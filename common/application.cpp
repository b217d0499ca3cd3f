#include "common/application.h"

#include "common/programicon.h"
#include "common/widgets.h"

#include <QTimer>
#include <QWidget>

namespace common {

Application::Application(int& argc, char** argv, const QString& name) : QApplication(argc, argv)
{
    setApplicationName(name);
    setDesktopFileName(name);
    setWindowIcon(programIcon(name));
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        // Every handler runs guarded, so this is a last resort: the failure is reported and the
        // program leaves through the event loop like any other failure, never from here.
        reportAndLeave(std::current_exception());
    }
    return false;
}

void closeWhenShownIfAsked(QWidget& window)
{
    if (qEnvironmentVariableIsSet("KIVO_DAVO_CLOSE_WHEN_SHOWN"))
        QTimer::singleShot(0, &window, [&window] { window.close(); });
}

}  // namespace common
