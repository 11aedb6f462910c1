#include "platform/number_text.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <vector>

namespace {

constexpr std::uint64_t kSignBit = std::uint64_t{1} << 63;
constexpr std::uint64_t kHiddenBit = std::uint64_t{1} << 52;
constexpr std::uint64_t kQuietBit = std::uint64_t{1} << 51;
constexpr std::uint64_t kFractionMask = kHiddenBit - 1;
constexpr int kExponentOnes = 0x7FF;
constexpr int kExponentBias = 1075;  // also counts the 52 fraction bits

// A positive magnitude d1.d2d3... x 10^exponent, digits as characters.
struct Decimal {
  Text digits;
  int exponent = 0;
};

// A non-negative integer of any size in little-endian limbs of nine decimal digits.
using BigNumber = std::vector<std::uint32_t>;
constexpr std::uint32_t kLimbBase = 1'000'000'000;
constexpr int kLimbDigits = 9;

// Multiplies by factor; limb * factor + carry stays below 2^63.
void MultiplyBy(BigNumber& number, std::uint32_t factor) {
  std::uint64_t carry = 0;
  for (auto& limb : number) {
    const std::uint64_t product = std::uint64_t{limb} * factor + carry;
    limb = static_cast<std::uint32_t>(product % kLimbBase);
    carry = product / kLimbBase;
  }
  for (; carry != 0; carry /= kLimbBase) {
    number.push_back(static_cast<std::uint32_t>(carry % kLimbBase));
  }
}

// All decimal digits of mantissa * 2^binaryExponent, which is exact in decimal: a negative
// power of two is a power of five shifted right by as many decimal places.
Decimal ExactDecimal(std::uint64_t mantissa, int binaryExponent) {
  BigNumber number;
  for (; mantissa != 0; mantissa /= kLimbBase) {
    number.push_back(static_cast<std::uint32_t>(mantissa % kLimbBase));
  }
  for (int left = binaryExponent; left > 0; left -= 31) {
    MultiplyBy(number, std::uint32_t{1} << std::min(left, 31));
  }
  constexpr std::uint32_t kPowersOfFive[] = {1,       5,        25,        125,       625,
                                             3125,    15625,    78125,     390625,    1953125,
                                             9765625, 48828125, 244140625, 1220703125};
  for (int left = -binaryExponent; left > 0; left -= 13) {
    MultiplyBy(number, kPowersOfFive[std::min(left, 13)]);
  }

  Decimal decimal;
  for (auto limb = number.rbegin(); limb != number.rend(); ++limb) {
    char digits[kLimbDigits];
    std::uint32_t rest = *limb;
    for (int i = kLimbDigits - 1; i >= 0; --i, rest /= 10)
      digits[i] = static_cast<char>('0' + rest % 10);
    decimal.digits.append(digits, kLimbDigits);
  }
  decimal.digits.erase(0, decimal.digits.find_first_not_of('0'));
  decimal.exponent = static_cast<int>(decimal.digits.size()) - 1 + std::min(binaryExponent, 0);
  return decimal;
}

// Keeps count significant digits: a dropped first digit of 5 or more raises the last kept digit,
// carries propagating; an all-nines number becomes 1 followed by zeros one decade higher.
void RoundHalfUp(Decimal& decimal, std::size_t count) {
  if (decimal.digits.size() > count) {
    const bool up = decimal.digits[count] >= '5';
    decimal.digits.resize(count);
    if (up) {
      std::size_t i = count;
      while (i > 0 && decimal.digits[i - 1] == '9') decimal.digits[--i] = '0';
      if (i == 0) {
        decimal.digits[0] = '1';
        ++decimal.exponent;
      } else {
        ++decimal.digits[i - 1];
      }
    }
  }
  decimal.digits.resize(count, '0');
}

// Drops trailing zeros after a decimal point, then the point if nothing follows it.
Text WithoutTrailingZeros(Text text) {
  if (text.find('.') == Text::npos) return text;
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
  return text;
}

// Writes 13 significant digits in fixed form for exponents -4 to 12, in exponent form otherwise.
Text Format(const Decimal& decimal) {
  const Text& digits = decimal.digits;
  const int exponent = decimal.exponent;
  if (exponent < -4 || exponent >= 13) {
    Text text = WithoutTrailingZeros(digits.substr(0, 1) + "." + digits.substr(1));
    char buffer[4];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::abs(exponent)).ptr;
    const Text magnitude(buffer, end);
    text += exponent < 0 ? "e-" : "e+";
    text += Text(3 - std::min<std::size_t>(3, magnitude.size()), '0') + magnitude;
    return text;
  }
  if (exponent >= 0) {
    const auto integral = static_cast<std::size_t>(exponent) + 1;
    return WithoutTrailingZeros(digits.substr(0, integral) + "." + digits.substr(integral));
  }
  return WithoutTrailingZeros("0." + Text(-exponent - 1, '0') + digits);
}

// Infinities by sign; NaNs are quieted first, and the one invalid operations produce (sign set,
// only the quiet bit) gets its own name.
Text NonFiniteText(std::uint64_t bits) {
  const bool negative = (bits & kSignBit) != 0;
  const std::uint64_t fraction = bits & kFractionMask;
  if (fraction == 0) return negative ? "-1.#INF" : "1.#INF";
  if (negative && (fraction | kQuietBit) == kQuietBit) return "-1.#IND";
  return negative ? "-1.#QNAN" : "1.#QNAN";
}

}  // namespace

Text IntToText(std::int32_t value) {
  char buffer[11];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  return Text(buffer, end);
}

Text DoubleToText(double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  const int biasedExponent = static_cast<int>(bits >> 52) & kExponentOnes;
  const std::uint64_t fraction = bits & kFractionMask;
  if (biasedExponent == kExponentOnes) return NonFiniteText(bits);
  if (biasedExponent == 0 && fraction == 0) return "0";

  // Subnormals lack the hidden bit and share the exponent of the smallest normals.
  const std::uint64_t mantissa = biasedExponent == 0 ? fraction : fraction | kHiddenBit;
  const int binaryExponent = std::max(biasedExponent, 1) - kExponentBias;
  Decimal decimal = ExactDecimal(mantissa, binaryExponent);
  RoundHalfUp(decimal, 17);
  RoundHalfUp(decimal, 13);
  const Text text = Format(decimal);
  return (bits & kSignBit) != 0 ? "-" + text : text;
}

std::int32_t DoubleToInt(double value) {
  if (!(std::fabs(value) < 0x1p63)) return 0;  // also NaN
  // Truncates toward zero; the narrowing keeps the low 32 bits of the two's-complement form.
  return static_cast<std::int32_t>(static_cast<std::int64_t>(value));
}
