#pragma once

#include "common/database.h"   // IWYU pragma: export
#include "common/recordset.h"  // IWYU pragma: export
