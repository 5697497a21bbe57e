// The program's version, read by the version resource.
#pragma once

#define VANTREL_VERSION_MAJOR 1
#define VANTREL_VERSION_MINOR 0
#define VANTREL_VERSION_TEXT "1.00"
#define VANTREL_PRODUCT_NAME "Vantrel"
#define VANTREL_FILE_DESCRIPTION "Vantrel Install"
#define VANTREL_COPYRIGHT "Copyright (C) 2026 the Vantrel authors"
#define VANTREL_ORIGINAL_FILENAME "Install.exe"
