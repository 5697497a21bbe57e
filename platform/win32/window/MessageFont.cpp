#include "platform/win32/window/MessageFont.h"

namespace win32 {

UniqueFont CreateMessageFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    return UniqueFont(nullptr);
  }
  return UniqueFont(CreateFontIndirectW(&metrics.lfMessageFont));
}

}  // namespace win32
