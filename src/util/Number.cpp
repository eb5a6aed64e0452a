#include "util/Number.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

// Yields the text one character at a time as ASCII: full-width forms map to
// their ASCII counterparts, any other double-byte character to a byte that
// can never be part of a number.
class NumberCharReader {
public:
    explicit NumberCharReader(std::string_view text) : m_text(text) {}

    char Peek() const {
        if (m_pos >= m_text.size())
            return '\0';
        auto lead = static_cast<unsigned char>(m_text[m_pos]);
        if (lead < 0x80)
            return static_cast<char>(lead);
        if (m_pos + 1 >= m_text.size())
            return kNotANumberChar;
        auto trail = static_cast<unsigned char>(m_text[m_pos + 1]);
        if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE)
            return static_cast<char>(trail - 0x80); // A3 A1..A3 FE are '!'..'~'
        if (lead == 0xA1 && trail == 0xA1)
            return ' '; // the full-width space
        return kNotANumberChar;
    }

    void Advance() {
        if (m_pos < m_text.size())
            m_pos += static_cast<unsigned char>(m_text[m_pos]) >= 0x80 ? 2 : 1;
    }

private:
    static constexpr char kNotANumberChar = '\x7F';
    std::string_view m_text;
    std::size_t m_pos = 0;
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsCSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Parses an unsigned decimal number that has already been checked against the
// grammar. std::from_chars is locale-free and correctly rounded on every
// target; it reports over- and underflow without a value, and for those rare
// texts strtod in the "C" locale (which the program never leaves) decides.
double ParseMagnitude(const std::string& canonical) {
    double value = 0;
    auto [end, error] = std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
    if (error == std::errc() && end == canonical.data() + canonical.size())
        return value;
    return std::strtod(canonical.c_str(), nullptr);
}

} // namespace

double TextToNumber(std::string_view text) {
    NumberCharReader reader(text);
    while (IsCSpace(reader.Peek()))
        reader.Advance();

    bool negative = false;
    if (reader.Peek() == '+' || reader.Peek() == '-') {
        negative = reader.Peek() == '-';
        reader.Advance();
    }

    std::string canonical;
    std::size_t mantissaDigits = 0;
    while (IsDigit(reader.Peek())) {
        canonical += reader.Peek();
        ++mantissaDigits;
        reader.Advance();
    }
    if (reader.Peek() == '.') {
        reader.Advance();
        std::string fraction;
        while (IsDigit(reader.Peek())) {
            fraction += reader.Peek();
            reader.Advance();
        }
        mantissaDigits += fraction.size();
        if (!fraction.empty())
            canonical += (canonical.empty() ? "0." : ".") + fraction;
    }
    if (mantissaDigits == 0)
        return 0;

    // The exponent counts only when digits follow the 'e' and its sign; "5e"
    // and "5e+" read as 5, as they do for atof.
    if (reader.Peek() == 'e' || reader.Peek() == 'E') {
        reader.Advance();
        std::string exponent = "e";
        if (reader.Peek() == '+' || reader.Peek() == '-') {
            exponent += reader.Peek();
            reader.Advance();
        }
        bool hasDigits = false;
        while (IsDigit(reader.Peek())) {
            exponent += reader.Peek();
            hasDigits = true;
            reader.Advance();
        }
        if (hasDigits)
            canonical += exponent;
    }

    double magnitude = ParseMagnitude(canonical);
    return negative ? -magnitude : magnitude;
}

std::int32_t TruncateToInt32(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= 2147483647.0)
        return std::numeric_limits<std::int32_t>::max();
    if (value <= -2147483648.0)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

std::int32_t TextToInt32(std::string_view text) {
    return TruncateToInt32(TextToNumber(text));
}

std::string NumberToText(double value) {
    // 2^63 bounds the integers that still print exactly through long long.
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 9.2e18)
        return std::to_string(static_cast<long long>(value));
    char buffer[64];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 13);
    if (error != std::errc())
        return "0";
    return std::string(buffer, end);
}

double RoundNumber(double value, int decimals) {
    double scale = std::pow(10.0, decimals);
    double scaled = std::fabs(value) * scale + 0.000000000001;
    double whole = std::floor(scaled);
    if (scaled - whole >= 0.5)
        whole += 1;
    double rounded = whole / scale;
    return value < 0 ? -rounded : rounded;
}
