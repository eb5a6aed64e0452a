// Numbers typed by the user live as text and are converted where they are used.
// These are the program's single set of conversions and comparisons, so that
// every command reads "58", "５８" or "58abc" the same way.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Reads the leading decimal number of a GBK text the way atof does: leading
// white space, an optional sign, digits with an optional fraction and exponent.
// Full-width ASCII forms (lead byte 0xA3) and the full-width space (A1 A1) are
// read as their ASCII counterparts first. Hex, "inf" and "nan" are not numbers
// here. A text without a number gives 0; overflow gives +/-HUGE_VAL.
double TextToNumber(std::string_view text);

// Converts to a 32-bit integer the way the program compares counts and
// weights: truncation toward zero, clamped to the int32 range, NaN gives 0.
std::int32_t TruncateToInt32(double value);

// TextToNumber then TruncateToInt32.
std::int32_t TextToInt32(std::string_view text);

// Integral values in plain decimal ("%d"), others as "%.13g".
std::string NumberToText(double value);

// Rounds half away from zero to the given number of decimals, with the tiny
// bias (1e-12 after scaling) that keeps 0.285 * 100 from landing on 28.4999...
double RoundNumber(double value, int decimals);

// Comparisons of numbers read from text, with the program's 1e-7 tolerance.
inline constexpr double kNumberTolerance = 1e-7;
inline bool NumberEquals(double a, double b) {
    return (a > b ? a - b : b - a) <= kNumberTolerance;
}
inline bool NumberGreater(double a, double b) {
    return a - b > kNumberTolerance;
}
inline bool NumberGreaterOrEqual(double a, double b) {
    return a - b >= -kNumberTolerance;
}
inline bool NumberLess(double a, double b) {
    return b - a > kNumberTolerance;
}
inline bool NumberLessOrEqual(double a, double b) {
    return b - a >= -kNumberTolerance;
}
