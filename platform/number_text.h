#pragma once

#include <cstdint>

#include "platform/text.h"

// Conversions between numbers and the texts written into script code. They depend on no locale or
// setting: the decimal point is always ".", digits are never grouped.

// Plain decimal digits, "-" in front of a negative value.
Text IntToText(std::int32_t value);

// At most 13 significant digits, fixed form for decimal exponents -4 to 12, otherwise
// "d.ddde+XXX"; halves go away from zero. Non-finite values give "1.#INF", "-1.#INF", "-1.#IND",
// "1.#QNAN" or "-1.#QNAN".
Text DoubleToText(double value);

// Truncates toward zero and keeps the low 32 bits; 0 for NaN, infinities and |value| >= 2^63.
std::int32_t DoubleToInt(double value);
