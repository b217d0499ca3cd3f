#include "davo/screens/menu.h"

#include "common/application.h"

int main(int argc, char** argv)
{
    common::Application app(argc, argv, QStringLiteral("davo"));
    davo::Menu menu(QCoreApplication::applicationDirPath());
    if (!menu.Form_Load())
        return 1;
    menu.show();
    return app.exec();
}
