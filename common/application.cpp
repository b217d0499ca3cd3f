#include "common/application.h"

#include "common/platform.h"
#include "common/programicon.h"
#include "common/store.h"

#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

namespace common {

Application::Application(int& argc, char** argv, const QString& name) : QApplication(argc, argv)
{
    setApplicationName(name);
    setDesktopFileName(name);
    setWindowIcon(programIcon(name));
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    QString what;
    try {
        return QApplication::notify(receiver, event);
    } catch (const StoreError& e) {
        what = QStringLiteral("Erro %1: %2").arg(e.number()).arg(e.description());
    } catch (const std::exception& e) {
        what = QString::fromLocal8Bit(e.what());
    }
    Messages::show(nullptr, QMessageBox::Critical, applicationName(),
                   QStringLiteral("Erro inesperado; o programa será encerrado.\n\n%1").arg(what));
    std::exit(EXIT_FAILURE);
}

void closeWhenShownIfAsked(QWidget& window)
{
    if (qEnvironmentVariableIsSet("KIVO_DAVO_CLOSE_WHEN_SHOWN"))
        QTimer::singleShot(0, &window, [&window] { window.close(); });
}

}  // namespace common
