#include "util/Numbers.h"

#include "util/RuntimeError.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace kiv {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanksView(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Length of the longest prefix of `text` shaped like [sign] digits [. digits]
// with at least one digit; 0 when there is none.
size_t SignedDecimalPrefix(std::string_view text) {
    size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
    }
    size_t digits = 0;
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
        ++digits;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && IsDigit(text[pos])) {
            ++pos;
            ++digits;
        }
    }
    return digits == 0 ? 0 : pos;
}

// std::from_chars rejects a leading '+' and a bare trailing '.', both of which
// the rules accept.
double ToDouble(std::string_view text) {
    std::string cleaned;
    cleaned.reserve(text.size() + 1);
    for (char c : text) {
        if (c != '+') {
            cleaned += c;
        }
    }
    if (!cleaned.empty() && cleaned.back() == '.') {
        cleaned += '0';
    }
    double value = 0;
    auto [end, ec] = std::from_chars(cleaned.data(), cleaned.data() + cleaned.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Too large for a double: it is an overflow for every caller anyway.
        return (cleaned.front() == '-') ? -std::numeric_limits<double>::infinity()
                                        : std::numeric_limits<double>::infinity();
    }
    (void)end;
    return value;
}

} // namespace

double RoundHalfEven(double value) {
    double floorValue = std::floor(value);
    double fraction = value - floorValue;
    if (fraction > 0.5) {
        return floorValue + 1;
    }
    if (fraction < 0.5) {
        return floorValue;
    }
    return std::fmod(floorValue, 2.0) == 0 ? floorValue : floorValue + 1;
}

std::optional<double> ParseNumeric(std::string_view text) {
    std::string_view trimmed = TrimBlanksView(text);
    size_t mantissa = SignedDecimalPrefix(trimmed);
    if (mantissa == 0) {
        return std::nullopt;
    }
    size_t pos = mantissa;
    if (pos < trimmed.size() && (trimmed[pos] == 'e' || trimmed[pos] == 'E')) {
        size_t exponent = pos + 1;
        if (exponent < trimmed.size() && (trimmed[exponent] == '+' || trimmed[exponent] == '-')) {
            ++exponent;
        }
        size_t firstDigit = exponent;
        while (exponent < trimmed.size() && IsDigit(trimmed[exponent])) {
            ++exponent;
        }
        if (exponent == firstDigit) {
            return std::nullopt;
        }
        pos = exponent;
    }
    if (pos != trimmed.size()) {
        return std::nullopt;
    }
    return ToDouble(trimmed);
}

bool IsNumeric(std::string_view text) {
    return ParseNumeric(text).has_value();
}

double LeadingNumber(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    size_t length = SignedDecimalPrefix(text);
    return length == 0 ? 0.0 : ToDouble(text.substr(0, length));
}

int32_t RoundToInt32(double value) {
    double rounded = RoundHalfEven(value);
    if (!(rounded >= std::numeric_limits<int32_t>::min() &&
          rounded <= std::numeric_limits<int32_t>::max())) {
        Raise(ErrorNumber::Overflow);
    }
    return static_cast<int32_t>(rounded);
}

int32_t StrictToInt32(std::string_view text) {
    std::optional<double> value = ParseNumeric(text);
    if (!value) {
        Raise(ErrorNumber::TypeMismatch);
    }
    return RoundToInt32(*value);
}

int16_t StrictToInt16(std::string_view text) {
    std::optional<double> value = ParseNumeric(text);
    if (!value) {
        Raise(ErrorNumber::TypeMismatch);
    }
    double rounded = RoundHalfEven(*value);
    if (!(rounded >= std::numeric_limits<int16_t>::min() &&
          rounded <= std::numeric_limits<int16_t>::max())) {
        Raise(ErrorNumber::Overflow);
    }
    return static_cast<int16_t>(rounded);
}

int32_t CheckedAdd32(int32_t a, int32_t b) {
    int64_t sum = static_cast<int64_t>(a) + b;
    if (sum < std::numeric_limits<int32_t>::min() || sum > std::numeric_limits<int32_t>::max()) {
        Raise(ErrorNumber::Overflow);
    }
    return static_cast<int32_t>(sum);
}

int32_t CheckedSubtract32(int32_t a, int32_t b) {
    int64_t difference = static_cast<int64_t>(a) - b;
    if (difference < std::numeric_limits<int32_t>::min() ||
        difference > std::numeric_limits<int32_t>::max()) {
        Raise(ErrorNumber::Overflow);
    }
    return static_cast<int32_t>(difference);
}

std::string DecimalText(int64_t value) {
    return std::to_string(value);
}

std::string NumberText(double value) {
    if (value == std::floor(value) && std::fabs(value) < 1e15) {
        return std::to_string(static_cast<int64_t>(value));
    }
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (ec != std::errc()) {
        return "0";
    }
    return std::string(buffer, end);
}

} // namespace kiv
