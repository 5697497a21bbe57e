#include "platform/fake/FakePlatform.h"

namespace fake {

platform::PlaceRisk FakeFileSecurity::ReplaceRisk(const std::wstring& folder,
                                                  const std::wstring& program) const {
  asked_.push_back(folder + program);
  const auto found = risks_.find(folder);
  return found == risks_.end() ? platform::PlaceRisk::None : found->second;
}

}  // namespace fake
