#pragma once

// What davo's tests share: a fresh, empty DAVO.mdb in a folder of the test's own, open as the
// program holds it.

#include "davo/data/database.h"
#include "davo/screens/davo.h"

#include "tests/support/testsupport.h"

struct DavoFixture {
    testsupport::Folder folder;
    davo::Programa programa;

    DavoFixture()
    {
        programa.pasta = folder.path();
        QVERIFY(davo::createDatabase(folder.file(QStringLiteral("DAVO.mdb"))));
        programa.db.open(folder.file(QStringLiteral("DAVO.mdb")), QStringLiteral(";pwd=PanoRoxo"));
    }
};
