// The ten shell verbs that the setup writes, seen through the registry.
#pragma once

namespace probe {

// How many of the ten verb keys ("*" and "Folder", entries 1 to 5) have a "command" key.
int CountInstalledVerbs();

// Removes the ten verb keys with everything below them, so that a run starts from nothing.
void RemoveVerbs();

}  // namespace probe
