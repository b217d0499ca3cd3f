// Creates davo's empty database where there is none; an existing file is left exactly as it is.
#include "davo/data/database.h"

#include "common/store.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: davo_seed PATH/DAVO.mdb\n";
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    try {
        if (davo::createDatabase(path))
            QTextStream(stdout) << "Created " << path << "\n";
    } catch (const common::StoreError& e) {
        err << "Could not create " << path << ": " << e.description() << "\n";
        return 1;
    }
    return 0;
}
