// The context-help topics of the setup window. The program ships no help file: each topic is a
// short text built in, shown next to the control the user asked about.
#pragma once

#include <cstddef>

#include "platform/DialogDesign.h"

namespace help {

// Topic numbers carried by the controls (0: the control has no topic).
enum Topic : int {
  kNoTopic = 0,
  kDetailsTopic = 1,
  kHintTopic = 3,
  kInstallTopic = 5,
  kUninstallTopic = 6,
  kExitTopic = 7,
  kSelectAllTopic = 8,
  kEntryListTopic = 16,
};

// Every topic with its text.
const platform::HelpTopicText* Topics();
std::size_t TopicCount();

}  // namespace help
