// Writes the programs' icons for the desktop's icon theme: NAME.svg, NAME-48.png and NAME-256.png
// for kivo and davo, into the folder given.
#include "common/programicon.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    // Pictures only: no window system is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: program_icons FOLDER\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        err << "Could not create " << folder.path() << "\n";
        return 1;
    }
    for (const QString& program : {QStringLiteral("kivo"), QStringLiteral("davo")}) {
        const common::IconDrawing drawing = common::programIconDrawing(program);
        QFile svg(folder.filePath(program + QStringLiteral(".svg")));
        if (!svg.open(QIODevice::WriteOnly) || svg.write(common::iconSvg(drawing)) < 0) {
            err << "Could not write " << svg.fileName() << "\n";
            return 1;
        }
        for (int size : {48, 256}) {
            const QString png = folder.filePath(QStringLiteral("%1-%2.png").arg(program).arg(size));
            if (!common::renderIcon(drawing, size).save(png, "PNG")) {
                err << "Could not write " << png << "\n";
                return 1;
            }
        }
    }
    return 0;
}
