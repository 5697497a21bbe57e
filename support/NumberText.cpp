#include "support/NumberText.h"

#include <cstdint>
#include <cstring>

namespace NumberText {
namespace {

constexpr int kSignificant = 15;

// A double's exact value as a decimal integer: its 53-bit mantissa times a power of two, or
// times a power of five (the value then being that integer over a power of ten). That takes
// at most 767 digits (the smallest subnormal is 2^-1074: 5^1074 has 751). The limbs hold four
// digits each, least significant first, so that every step stays within 32-bit arithmetic
// and the 32-bit programs need no 64-bit division helpers.
class ExactDecimal {
 public:
  static constexpr int kMaxDigits = 800;

  explicit ExactDecimal(std::uint64_t mantissa) {
    for (int shift = 48; shift >= 0; shift -= 16) {
      MultiplyAdd(0x10000, static_cast<std::uint32_t>(mantissa >> shift) & 0xFFFF);
    }
  }

  void MultiplyByPowerOfTwo(int exponent) {
    for (; exponent >= 16; exponent -= 16) MultiplyAdd(0x10000, 0);
    MultiplyAdd(std::uint32_t{1} << exponent, 0);
  }

  void MultiplyByPowerOfFive(int exponent) {
    constexpr std::uint32_t kPowers[] = {1, 5, 25, 125, 625, 3125, 15625, 78125};
    for (; exponent >= 7; exponent -= 7) MultiplyAdd(kPowers[7], 0);
    MultiplyAdd(kPowers[exponent], 0);
  }

  // Writes the digits, most significant first, without leading zeros; returns their count.
  int Digits(char* out) const {
    int count = 0;
    for (int limb = limbs_ - 1; limb >= 0; --limb) {
      const std::uint32_t value = limb_[limb];
      for (std::uint32_t unit = 1000; unit != 0; unit /= 10) {
        const char digit = static_cast<char>('0' + value / unit % 10);
        if (count != 0 || digit != '0') out[count++] = digit;
      }
    }
    return count;
  }

 private:
  static constexpr std::uint32_t kBase = 10000;

  // this = this * factor + addend, for factors up to 5^7 and addends below 0x10000: the
  // products then stay below 2^30.
  void MultiplyAdd(std::uint32_t factor, std::uint32_t addend) {
    std::uint32_t carry = addend;
    for (int limb = 0; limb < limbs_; ++limb) {
      const std::uint32_t product = limb_[limb] * factor + carry;
      limb_[limb] = product % kBase;
      carry = product / kBase;
    }
    for (; carry != 0; carry /= kBase) limb_[limbs_++] = carry % kBase;
  }

  std::uint32_t limb_[kMaxDigits / 4] = {};
  int limbs_ = 0;
};

// Whether the digits after the first kSignificant round those up: above one half, or exactly
// one half after an odd digit.
bool RoundsUp(const char* digits, int count) {
  if (digits[kSignificant] != '5') return digits[kSignificant] > '5';
  for (int i = kSignificant + 1; i < count; ++i) {
    if (digits[i] != '0') return true;
  }
  return (digits[kSignificant - 1] - '0') % 2 != 0;
}

}  // namespace

std::wstring Decimal(int value) {
  wchar_t reversed[10];
  int count = 0;
  auto magnitude = static_cast<unsigned>(value);
  if (value < 0) magnitude = 0u - magnitude;
  do {
    reversed[count++] = static_cast<wchar_t>(L'0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  std::wstring text = value < 0 ? L"-" : L"";
  while (count > 0) text += reversed[--count];
  return text;
}

std::wstring General(double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  const bool negative = (bits >> 63) != 0;
  const int biased = static_cast<int>(bits >> 52) & 0x7FF;
  std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
  if (biased == 0x7FF) return mantissa != 0 ? L"nan" : negative ? L"-inf" : L"inf";
  std::wstring text = negative ? L"-" : L"";
  if (biased == 0 && mantissa == 0) return text + L'0';

  // The value is mantissa * 2^binaryExponent; subnormals have no implicit leading bit.
  int binaryExponent = -1074;
  if (biased != 0) {
    mantissa |= std::uint64_t{1} << 52;
    binaryExponent = biased - 1075;
  }
  ExactDecimal exact(mantissa);
  int scale = 0;  // the exact value is the integer times 10^scale
  if (binaryExponent >= 0) {
    exact.MultiplyByPowerOfTwo(binaryExponent);
  } else {
    exact.MultiplyByPowerOfFive(-binaryExponent);
    scale = binaryExponent;
  }
  char digits[ExactDecimal::kMaxDigits];
  const int count = exact.Digits(digits);
  int exponent = count - 1 + scale;  // of the first digit

  char kept[kSignificant];
  for (int i = 0; i < kSignificant; ++i) kept[i] = i < count ? digits[i] : '0';
  if (count > kSignificant && RoundsUp(digits, count)) {
    int i = kSignificant - 1;
    for (; i >= 0 && kept[i] == '9'; --i) kept[i] = '0';
    if (i >= 0) {
      ++kept[i];
    } else {
      kept[0] = '1';
      ++exponent;
    }
  }
  int used = kSignificant;
  while (used > 1 && kept[used - 1] == '0') --used;

  const auto append = [&text, &kept](int from, int to) {
    for (int i = from; i < to; ++i) text += static_cast<wchar_t>(kept[i]);
  };
  if (exponent < -4 || exponent >= kSignificant) {
    append(0, 1);
    if (used > 1) {
      text += L'.';
      append(1, used);
    }
    text += exponent < 0 ? L"e-" : L"e+";
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10) text += L'0';
    text += Decimal(magnitude);
  } else if (exponent >= 0) {
    append(0, exponent + 1);
    if (used > exponent + 1) {
      text += L'.';
      append(exponent + 1, used);
    }
  } else {
    text += L"0.";
    text.append(static_cast<std::size_t>(-exponent - 1), L'0');
    append(0, used);
  }
  return text;
}

}  // namespace NumberText
