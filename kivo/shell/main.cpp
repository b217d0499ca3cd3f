#include "kivo/shell/database.h"
#include "kivo/shell/menu.h"

#include "common/mainwindow.h"

int main(int argc, char** argv)
{
    return common::runProgram<kivo::Menu>(argc, argv, QStringLiteral("kivo"), QStringLiteral("CONTROLE.mdb"),
                                          &kivo::createDatabase);
}
