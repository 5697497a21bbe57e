// Numbers become registry text and key names: the digits must be the C library's, byte for byte.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <cwchar>
#include <limits>
#include <random>
#include <utility>

#include "support/NumberText.h"

namespace {

// Captured from "%.15g" in the Windows programs before they had their own formatting: zero,
// a Boolean true held as a number (-1), fractions, the switch to exponents at 1e-5 and 1e15, a
// carry through every digit, exact halves going to the even digit, the extremes, and the
// values that are no number (MinGW writes no sign on a NaN).
TEST(NumberText, GeneralWritesWhatMinGwsPrintfWrote) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
  // clang-format off
  const std::pair<double, const wchar_t*> cases[] = {
      {0.0, L"0"}, {-0.0, L"-0"}, {-1.0, L"-1"}, {0.5, L"0.5"}, {-2.5, L"-2.5"}, {0.1, L"0.1"},
      {1.0 / 3, L"0.333333333333333"}, {2.0 / 3, L"0.666666666666667"},
      {123456.789, L"123456.789"}, {0.0001, L"0.0001"}, {0.00012345, L"0.00012345"},
      {1e-5, L"1e-05"}, {-2147483648.0, L"-2147483648"},
      {123456789012345.0, L"123456789012345"}, {1e15, L"1e+15"},
      {123456789012345678.0, L"1.23456789012346e+17"}, {999999999999999.5, L"1e+15"},
      {1234567890123445.0, L"1.23456789012344e+15"}, {1234567890123455.0, L"1.23456789012346e+15"},
      {1e100, L"1e+100"}, {-DBL_MAX, L"-1.79769313486232e+308"}, {DBL_MIN, L"2.2250738585072e-308"},
      {std::nextafter(0.0, 1.0), L"4.94065645841247e-324"}, {kInfinity, L"inf"},
      {-kInfinity, L"-inf"}, {kNan, L"nan"}, {-kNan, L"nan"}};
  // clang-format on
  for (const auto& [value, text] : cases) EXPECT_EQ(NumberText::General(value), text);
}

// The same against this machine's C library, over values of every magnitude and over short
// mantissas, whose 16th digit is often an exact half.
TEST(NumberText, GeneralAgreesWithTheCLibrary) {
  std::mt19937_64 random(17);
  for (int i = 0; i < 6000; ++i) {
    double value;
    if (i % 2 == 0) {
      const std::uint64_t bits = random();
      std::memcpy(&value, &bits, sizeof value);
    } else {
      value = std::ldexp(static_cast<double>(random() >> 11), static_cast<int>(random() % 80) - 60);
    }
    if (std::isnan(value)) continue;  // this library writes "-nan" where MinGW's wrote "nan"
    wchar_t expected[64];
    std::swprintf(expected, 64, L"%.15g", value);
    ASSERT_EQ(NumberText::General(value), expected);
  }
}

TEST(NumberText, DecimalWritesWhatPrintfWrote) {
  for (int value : {0, 5, -7, 10, 2147483647, -2147483647 - 1}) {
    wchar_t expected[16];
    std::swprintf(expected, 16, L"%d", value);
    EXPECT_EQ(NumberText::Decimal(value), expected);
  }
}

}  // namespace
