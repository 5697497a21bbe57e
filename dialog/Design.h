// The setup window as the dialog designs it: controls, captions, twips rectangles, tab order,
// help topics and popup items, handed to whichever window shows the dialog.
#pragma once

#include "platform/DialogDesign.h"

namespace design {

const platform::DialogDesign& SetupDialog();

}  // namespace design
