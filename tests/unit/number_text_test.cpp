#include "platform/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <string_view>

namespace {

double FromBits(std::uint64_t bits) { return std::bit_cast<double>(bits); }

std::string Hex(double value) {
  char buffer[17];
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, std::bit_cast<std::uint64_t>(value), 16).ptr;
  return "0x" + std::string(buffer, end);
}

template <typename Row>
std::string RowName(const testing::TestParamInfo<Row>& info) {
  return info.param.name;
}

struct DoubleTextRow {
  const char* name;
  double value;
  const char* text;
};

void PrintTo(const DoubleTextRow& row, std::ostream* out) {
  *out << row.name << " (" << Hex(row.value) << ")";
}

class DoubleToTextWrites : public testing::TestWithParam<DoubleTextRow> {};

TEST_P(DoubleToTextWrites, Row) { EXPECT_EQ(DoubleToText(GetParam().value), GetParam().text); }

constexpr double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Table, DoubleToTextWrites,
    testing::Values(
        DoubleTextRow{"ZeroAsZero", 0.0, "0"}, DoubleTextRow{"NegativeZeroWithoutMinus", -0.0, "0"},
        DoubleTextRow{"OneAsOne", 1.0, "1"}, DoubleTextRow{"OneHalfWithItsFraction", 0.5, "0.5"},
        DoubleTextRow{"PointOnePlusPointTwoAsPointThree", 0.1 + 0.2, "0.3"},
        DoubleTextRow{"OneThirdWithThirteenDigits", 1.0 / 3.0, "0.3333333333333"},
        DoubleTextRow{"TwoThirdsWithLastDigitRoundedUp", 2.0 / 3.0, "0.6666666666667"},
        DoubleTextRow{"DecimalFractionAsTyped", 123.456, "123.456"},
        DoubleTextRow{"TenThousandthInFixedForm", 0.0001, "0.0001"},
        DoubleTextRow{"HundredThousandthInExponentForm", 0.00001, "1e-005"},
        DoubleTextRow{"SmallFractionInExponentFormWithItsDigits", 0.00000015, "1.5e-007"},
        DoubleTextRow{"NegativeValueWithMinus", -2.5, "-2.5"},
        DoubleTextRow{"LargestIntAsPlainDigits", 2147483647.0, "2147483647"},
        DoubleTextRow{"ThirteenNinesAsPlainDigits", 9999999999999.0, "9999999999999"},
        DoubleTextRow{"HalfAboveThirteenNinesCarriedIntoExponentForm", 9999999999999.5, "1e+013"},
        DoubleTextRow{"TenToTheThirteenInExponentForm", 1e13, "1e+013"},
        DoubleTextRow{"ExactHalfAwayFromZeroNotToEven", 1234567890122.5, "1234567890123"},
        DoubleTextRow{"NegativeExactHalfAwayFromZero", -1234567890122.5, "-1234567890123"},
        DoubleTextRow{"NearestDoubleBelowHalfRoundedUpAtSeventeenDigits", 1.2345678901235,
                      "1.234567890124"},
        DoubleTextRow{"FifteenDigitsShortenedToThirteen", 123456789012345.0, "1.234567890123e+014"},
        DoubleTextRow{"TenToTheTwentyWithThreeExponentDigits", 1e20, "1e+020"},
        DoubleTextRow{"TenToTheHundred", 1e100, "1e+100"},
        DoubleTextRow{"LargestDoubleWithThirteenDigits", std::numeric_limits<double>::max(),
                      "1.797693134862e+308"},
        DoubleTextRow{"NegativeLargestDoubleInTwentyCharacters",
                      -std::numeric_limits<double>::max(), "-1.797693134862e+308"},
        DoubleTextRow{"SmallestNormal", std::numeric_limits<double>::min(), "2.225073858507e-308"},
        DoubleTextRow{"SmallestSubnormal", std::numeric_limits<double>::denorm_min(),
                      "4.940656458412e-324"},
        DoubleTextRow{"PositiveInfinityAsInf", kInfinity, "1.#INF"},
        DoubleTextRow{"NegativeInfinityAsInf", -kInfinity, "-1.#INF"},
        DoubleTextRow{"NaNOfInvalidOperationsAsIndefinite", FromBits(0xFFF8000000000000),
                      "-1.#IND"},
        DoubleTextRow{"PositiveQuietNaNAsQNaN", FromBits(0x7FF8000000000000), "1.#QNAN"},
        DoubleTextRow{"NegativeQuietNaNWithPayloadAsQNaN", FromBits(0xFFF8000000000001),
                      "-1.#QNAN"},
        DoubleTextRow{"PositiveSignallingNaNQuietedToQNaN", FromBits(0x7FF0000000000001),
                      "1.#QNAN"},
        DoubleTextRow{"NegativeSignallingNaNQuietedToQNaN", FromBits(0xFFF0000000000001),
                      "-1.#QNAN"},
        DoubleTextRow{"NaNWithAllFractionBitsAsQNaN", FromBits(0x7FFFFFFFFFFFFFFF), "1.#QNAN"}),
    RowName<DoubleTextRow>);

TEST(DoubleToText, NamesTheResultOfZeroDividedByZeroIndefinite) {
  volatile double zero = 0.0;
  EXPECT_EQ(DoubleToText(zero / zero), "-1.#IND");
}

struct IntTextRow {
  const char* name;
  std::int32_t value;
  const char* text;
};

void PrintTo(const IntTextRow& row, std::ostream* out) { *out << row.name; }

class IntToTextWrites : public testing::TestWithParam<IntTextRow> {};

TEST_P(IntToTextWrites, Row) { EXPECT_EQ(IntToText(GetParam().value), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(Table, IntToTextWrites,
                         testing::Values(IntTextRow{"ZeroAsZero", 0, "0"},
                                         IntTextRow{"MinusOneWithMinus", -1, "-1"},
                                         IntTextRow{"MillionWithoutGrouping", 1000000, "1000000"},
                                         IntTextRow{"LargestInt", 2147483647, "2147483647"},
                                         IntTextRow{"SmallestInt",
                                                    std::numeric_limits<std::int32_t>::min(),
                                                    "-2147483648"}),
                         RowName<IntTextRow>);

struct DoubleIntRow {
  const char* name;
  double value;
  std::int32_t result;
};

void PrintTo(const DoubleIntRow& row, std::ostream* out) {
  *out << row.name << " (" << Hex(row.value) << ")";
}

class DoubleToIntGives : public testing::TestWithParam<DoubleIntRow> {};

TEST_P(DoubleToIntGives, Row) { EXPECT_EQ(DoubleToInt(GetParam().value), GetParam().result); }

INSTANTIATE_TEST_SUITE_P(
    Table, DoubleToIntGives,
    testing::Values(
        DoubleIntRow{"TwoForTwoPointNine", 2.9, 2},
        DoubleIntRow{"MinusTwoForMinusTwoPointNine", -2.9, -2},
        DoubleIntRow{"ZeroForJustBelowOne", 0.999, 0}, DoubleIntRow{"ZeroForMinusOneHalf", -0.5, 0},
        DoubleIntRow{"SmallestIntForTwoToTheThirtyOne", 2147483648.0, -2147483647 - 1},
        DoubleIntRow{"WrappedValueForThreeBillion", 3000000000.0, -1294967296},
        DoubleIntRow{"ZeroForTwoToTheThirtyTwo", 4294967296.0, 0},
        DoubleIntRow{"OneForTwoToTheThirtyTwoPlusOne", 4294967297.0, 1},
        DoubleIntRow{"MinusOneForTruncatedMinusTwoToTheThirtyTwoMinusOne", -4294967297.5, -1},
        DoubleIntRow{"LowBitsOfLargestDoubleBelowTwoToTheSixtyThree", 0x1p63 - 1024.0, -1024},
        DoubleIntRow{"ZeroForMinusTwoToTheSixtyThree", -0x1p63, 0},
        DoubleIntRow{"ZeroForTwoToTheSixtyThree", 0x1p63, 0},
        DoubleIntRow{"ZeroForTenToTheNineteen", 1e19, 0},
        DoubleIntRow{"ZeroForPositiveInfinity", kInfinity, 0},
        DoubleIntRow{"ZeroForNegativeInfinity", -kInfinity, 0},
        DoubleIntRow{"ZeroForNaN", std::numeric_limits<double>::quiet_NaN(), 0}),
    RowName<DoubleIntRow>);

// Reference text built apart from the implementation: std::to_chars gives every digit of the
// exact value, and integer arithmetic applies the two roundings and both forms.
std::string ReferenceText(double value) {
  if (value == 0.0) return "0";
  // 767 significant digits are enough for the exact value of any double.
  char buffer[900];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                 std::chars_format::scientific, 800)
                       .ptr;
  const std::string_view exact(buffer, end);
  const auto e = exact.find('e');
  const std::string digits = std::string(exact.substr(0, 1)) + std::string(exact.substr(2, e - 2));
  int exponent = 0;
  std::from_chars(exact.data() + e + (exact[e + 1] == '+' ? 2 : 1), exact.data() + exact.size(),
                  exponent);

  std::uint64_t seventeen = 0;
  for (int i = 0; i < 17; ++i) seventeen = seventeen * 10 + (digits[i] - '0');
  if (digits[17] >= '5') ++seventeen;
  if (seventeen == 100'000'000'000'000'000) {
    seventeen /= 10;
    ++exponent;
  }
  std::uint64_t thirteen = seventeen / 10'000 + (seventeen % 10'000 >= 5'000 ? 1 : 0);
  if (thirteen == 10'000'000'000'000) {
    thirteen /= 10;
    ++exponent;
  }

  // Integral part and a fraction of `places` digits, trailing zeros dropped.
  const auto join = [](std::uint64_t number, int places) {
    std::uint64_t scale = 1;
    for (int i = 0; i < places; ++i) scale *= 10;
    std::string fraction = places == 0 ? "" : std::to_string(number % scale);
    fraction.insert(0, places - fraction.size(), '0');
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    return std::to_string(number / scale) + (fraction.empty() ? "" : "." + fraction);
  };
  std::string text;
  if (exponent >= -4 && exponent <= 12) {
    text = join(thirteen, 12 - exponent);
  } else {
    std::string power = std::to_string(std::abs(exponent));
    power.insert(0, power.size() < 3 ? 3 - power.size() : 0, '0');
    text = join(thirteen, 12) + (exponent < 0 ? "e-" : "e+") + power;
  }
  return (value < 0 ? "-" : "") + text;
}

void ExpectAsReference(double value) {
  const Text text = DoubleToText(value);
  ASSERT_EQ(text, ReferenceText(value)) << "for the double " << Hex(value);
  ASSERT_LE(text.size(), 20u);
}

// The double nearest to a decimal text.
double Parse(const std::string& text) {
  double value = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

TEST(DoubleToText, MatchesReferenceForRandomBitPatterns) {
  std::mt19937_64 random(20200720);
  for (int i = 0; i < 20000; ++i) {
    const double value = FromBits(random());
    if (std::isfinite(value)) ExpectAsReference(value);
  }
}

// Decimal halves at the 14th digit, at the 18th digit just below a 14th-digit half, and at the
// 18th digit, each with its neighbouring doubles: where the two roundings decide.
TEST(DoubleToText, MatchesReferenceNearHalves) {
  std::mt19937_64 random(1234567890);
  std::uniform_int_distribution<int> exponents(-325, 308);
  const char* const tails[] = {"5", "49995", "5"};
  for (int i = 0; i < 6000; ++i) {
    const std::size_t kept = i % 3 == 2 ? 17 : 13;
    std::string digits = std::to_string(1 + random() % 9);
    while (digits.size() < kept) digits += std::to_string(random() % 10);
    digits += tails[i % 3] + ("e" + std::to_string(exponents(random)));
    double value = Parse(digits);
    if (!std::isfinite(value)) continue;
    for (int step = 0; step < 2; ++step) value = std::nextafter(value, 0.0);
    for (int step = 0; step < 5; ++step, value = std::nextafter(value, kInfinity)) {
      ExpectAsReference(value);
      ExpectAsReference(-value);
    }
  }
}

// Doubles with short binary fractions have short exact decimals, so exact halves occur.
TEST(DoubleToText, MatchesReferenceForShortBinaryFractions) {
  std::mt19937_64 random(42);
  for (int i = 0; i < 10000; ++i) {
    const std::uint64_t integer = random() >> (11 + random() % 53);
    const double value = std::ldexp(static_cast<double>(integer), -static_cast<int>(random() % 12));
    ExpectAsReference(value);
    // Exact halves after thirteen integral digits.
    ExpectAsReference(static_cast<double>(1'000'000'000'000 + random() % 9'000'000'000'000) + 0.5);
  }
}

}  // namespace
