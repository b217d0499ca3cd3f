#include "common/application.h"

#include "common/programicon.h"
#include "common/widgets.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTimer>
#include <QTranslator>
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

bool loadQtTranslations(const QLocale& locale)
{
    // One translator for the program's life, owned by the application object.
    static QPointer<QTranslator> qt;
    auto* app = QCoreApplication::instance();
    if (!app)
        return false;
    if (qt)
        QCoreApplication::removeTranslator(qt);
    else
        qt = new QTranslator(app);
    if (!qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(qt);
    return true;
}

}  // namespace common
