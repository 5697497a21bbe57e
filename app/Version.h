// The program's version and names, read by the version resource. The version itself comes from
// the project's version in CMakeLists.txt.
#pragma once

#include "VantrelVersion.h"

#define VANTREL_PRODUCT_NAME "Vantrel"
#define VANTREL_FILE_DESCRIPTION "Vantrel Install"
#define VANTREL_COPYRIGHT "Copyright (C) 2026 the Vantrel authors"
#define VANTREL_ORIGINAL_FILENAME "Install.exe"
