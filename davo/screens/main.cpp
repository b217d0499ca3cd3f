#include "davo/data/database.h"
#include "davo/screens/menu.h"

#include "common/mainwindow.h"

// The compaction works in the same folder as the database.
int main(int argc, char** argv)
{
    return common::runProgram<davo::Menu>(argc, argv, QStringLiteral("davo"), QStringLiteral("DAVO.mdb"),
                                          &davo::createDatabase);
}
