// The companion's version, read by its version resource.
#pragma once

#define VANTREL_COMPANION_VERSION_NUMBERS 1, 0, 0, 0
#define VANTREL_COMPANION_VERSION_TEXT "1.00"
