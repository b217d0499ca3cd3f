#include "kivo/shell/database.h"
#include "kivo/shell/menu.h"

#include "common/application.h"
#include "common/datafolder.h"

#include <QDebug>

int main(int argc, char** argv)
{
    common::Application app(argc, argv, QStringLiteral("kivo"));
    // Beside the executable when CONTROLE.mdb is there, else the user's data folder, seeded on the
    // first start. A folder that cannot be made ready leaves no file to open: the start-up error
    // report names the path.
    const common::DataFolder data =
        common::dataFolder(QCoreApplication::applicationDirPath(), QStringLiteral("CONTROLE.mdb"), &kivo::createDatabase);
    if (!data.problem.isEmpty())
        qWarning().noquote() << data.problem;
    kivo::Menu menu(data.folder);
    if (!menu.Form_Load())
        return 1;
    menu.show();
    common::closeWhenShownIfAsked(menu);
    return app.exec();
}
