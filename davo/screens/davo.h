#pragma once

#include "common/store.h"

#include <QString>

namespace davo {

// What davo's screens share for the program's run.
struct Programa {
    QString pasta;        // the program's folder, where DAVO.mdb lies
    common::Database db;  // the open DAVO.mdb; closed when it could not be opened
};

}  // namespace davo
