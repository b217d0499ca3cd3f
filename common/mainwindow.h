#pragma once

// What both programs' main windows share: their pictures (the name on a vertical gradient), the
// menu item helper, quitting, and the start of the program around the window.

#include "common/application.h"
#include "common/datafolder.h"
#include "common/widgets.h"

#include <QAction>
#include <QColor>
#include <QCoreApplication>
#include <QDebug>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QWidget>

class QMainWindow;
class QPainter;
class QRectF;

namespace common {

// The two colours of a picture's background, from the top down.
struct Gradient {
    QColor top;
    QColor bottom;
};

// Fills `area` with the gradient, from its top edge to its bottom edge.
void fillGradient(QPainter& painter, const QRectF& area, const Gradient& colours);

// A main window's picture: `big` in bold Arial, lifted `bigLift` pixels above the centre, over
// `small`, 90 pixels below it, white on the gradient.
struct Picture {
    QSize size;
    Gradient colours;
    QString big;
    int bigPoints = 0;
    int bigLift = 0;
    QString small;
    int smallPoints = 0;
};
// Drawn at `ratio` device pixels per pixel (0: the screen's ratio), so it stays sharp when scaled.
QPixmap drawPicture(const Picture& picture, qreal ratio = 0);

// A menu item named `name` in `menu` (the menu bar or a drop-down), running `handler` of `window`.
template <typename Window>
QAction* menuItem(QWidget* menu, const char* name, const QString& caption, Window* window, void (Window::*handler)())
{
    auto* action = new QAction(caption, menu);
    action->setObjectName(QLatin1String(name));
    menu->addAction(action);
    onTriggered(action, window, handler);
    return action;
}

// Leaving the program from its main window.
void quitProgram(QMainWindow& window);

// A program's main(): the application, the data folder holding `databaseFile` (beside the
// executable when the file is there, else the user's data folder, seeded on the first start by
// `seed`), and the main window `Window` made on that folder and shown once its Form_Load lets the
// program run. A folder that cannot be made ready leaves no file to open: the start-up error
// report names the path.
template <typename Window>
int runProgram(int argc, char** argv, const QString& program, const QString& databaseFile, const SeedDatabase& seed)
{
    Application app(argc, argv, program);
    const DataFolder data = dataFolder(QCoreApplication::applicationDirPath(), databaseFile, seed);
    if (!data.problem.isEmpty())
        qWarning().noquote() << data.problem;
    Window window(data.folder);
    if (!window.Form_Load())
        return 1;
    window.show();
    closeWhenShownIfAsked(window);
    return app.exec();
}

}  // namespace common
