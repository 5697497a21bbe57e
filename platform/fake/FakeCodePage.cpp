#include "platform/fake/FakePlatform.h"
#include "platform/fake/FakeText.h"

namespace fake {

std::size_t FakeCodePage::ByteCount(std::wstring_view text) const {
  return Utf8(text).size();
}

}  // namespace fake
