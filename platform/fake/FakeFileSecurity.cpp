#include "platform/fake/FakePlatform.h"

namespace fake {

platform::UserAccess FakeFileSecurity::OrdinaryUsersMayChange(const std::wstring& path) const {
  asked_.push_back(path);
  const auto found = access_.find(path);
  return found == access_.end() ? platform::UserAccess::Denied : found->second;
}

}  // namespace fake
