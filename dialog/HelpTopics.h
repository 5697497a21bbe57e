// The context-help topics of the setup window. The program ships no help file: each topic is a
// short text built in, shown next to the control the user asked about.
#pragma once

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

// The text of a topic, or nullptr when there is no such topic.
const wchar_t* TopicText(int topic);

}  // namespace help
