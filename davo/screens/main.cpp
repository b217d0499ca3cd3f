#include "davo/data/database.h"
#include "davo/screens/menu.h"

#include "common/application.h"
#include "common/datafolder.h"

#include <QDebug>

int main(int argc, char** argv)
{
    common::Application app(argc, argv, QStringLiteral("davo"));
    // Beside the executable when DAVO.mdb is there, else the user's data folder, seeded on the
    // first start; the compaction works in the same folder. A folder that cannot be made ready
    // leaves no file to open: the start-up error report names the path.
    const common::DataFolder data =
        common::dataFolder(QCoreApplication::applicationDirPath(), QStringLiteral("DAVO.mdb"), &davo::createDatabase);
    if (!data.problem.isEmpty())
        qWarning().noquote() << data.problem;
    davo::Menu menu(data.folder);
    if (!menu.Form_Load())
        return 1;
    menu.show();
    common::closeWhenShownIfAsked(menu);
    return app.exec();
}
