#include "framework/core/Text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace fw {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The first character of text (not empty), UTF-8 decoded: its code and its
// length in bytes; code -1 (length 1) when the text does not start with a
// well-formed UTF-8 character.
struct Decoded {
    int64_t code;
    std::size_t length;
};

Decoded DecodeFirst(std::string_view text) {
    constexpr Decoded kMalformed{-1, 1};
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    uint32_t code = 0;
    if (lead < 0x80) {
        return {lead, 1};
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return kMalformed;
    }
    if (text.size() < length) {
        return kMalformed;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) != 0x80) {
            return kMalformed;
        }
        code = (code << 6) | (c & 0x3F);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (overlong || surrogate || code > 0x10FFFF) {
        return kMalformed;
    }
    return {code, length};
}

// Unicode's White_Space characters: the blanks, tabs and line ends of every
// script, the no-break spaces among them.
bool IsWhiteSpace(int64_t code) {
    return (code >= 0x09 && code <= 0x0D) || code == 0x20 || code == 0x85 || code == 0xA0 ||
           code == 0x1680 || (code >= 0x2000 && code <= 0x200A) || code == 0x2028 ||
           code == 0x2029 || code == 0x202F || code == 0x205F || code == 0x3000;
}

// Whether a decimal number that std::from_chars found out of range is too large
// (rather than too small) for a double. number is digits with at most one point,
// then an optional exponent; it is not all zeros. Overflow needs a decimal
// magnitude of about +308 and underflow about -324, so the sign of the
// magnitude decides, and a rough one suffices.
bool Overflows(std::string_view number) {
    int64_t magnitude = 0;
    std::size_t i = 0;
    bool found = false;
    for (; i < number.size() && IsDigit(number[i]); ++i) {
        if (found) {
            ++magnitude;
        } else if (number[i] != '0') {
            found = true;
        }
    }
    if (i < number.size() && number[i] == '.') {
        ++i;
        for (; i < number.size() && IsDigit(number[i]); ++i) {
            if (!found) {
                --magnitude;
                found = number[i] != '0';
            }
        }
    }
    int64_t exponent = 0;
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        ++i;
        bool negative = false;
        if (i < number.size() && (number[i] == '+' || number[i] == '-')) {
            negative = number[i] == '-';
            ++i;
        }
        constexpr int64_t kEnough = 1'000'000'000;  // far beyond any double's exponent
        for (; i < number.size() && IsDigit(number[i]); ++i) {
            exponent = std::min(kEnough, exponent * 10 + (number[i] - '0'));
        }
        if (negative) {
            exponent = -exponent;
        }
    }
    return magnitude + exponent > 0;
}

}  // namespace

// Leading blanks of every kind are skipped, as users type " 12" and mean 12, and
// text copied from a web table often starts with a no-break space; anything
// else before the number makes the text a non-number (0).
double Val(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const Decoded c = DecodeFirst(text.substr(i));
        if (!IsWhiteSpace(c.code)) {
            break;
        }
        i += c.length;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    std::size_t digits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        for (; i < text.size() && IsDigit(text[i]); ++i) {
            ++digits;
        }
    }
    if (digits == 0) {
        return 0.0;
    }
    // The exponent belongs to the number only when digits follow: "1e" and "1e+" are 1.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) {
                ++j;
            }
            i = j;
        }
    }
    const std::string_view number = text.substr(start, i - start);
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        value = Overflows(number) ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (result.ec != std::errc{}) {
        value = 0.0;  // cannot happen for the digits scanned above
    }
    return negative ? -value : value;
}

// The mask: digits before its '.' ('0' always written, '#' only when needed),
// then a '0' for each decimal, as in the result field's ".0000". The value is
// rounded half away from zero at the last decimal; digits before the point are
// written whenever the value needs them. A value that rounds to zero never
// gets a minus sign. NaN and the infinities write "?": they are no numbers,
// and the screen must never show "nan" or "inf".
std::string Format(double value, std::string_view mask) {
    if (!std::isfinite(value)) {
        return "?";
    }
    // The exact decimal expansion of |value|: every double's expansion ends
    // within 1074 decimals, so rounding it here by hand is exact.
    constexpr int kExactDecimals = 1074;
    const std::size_t point = std::min(mask.find('.'), mask.size());
    const auto intRequired =
        static_cast<std::size_t>(std::ranges::count(mask.substr(0, point), '0'));
    const std::size_t decimals =
        point < mask.size() ? std::min<std::size_t>(mask.size() - point - 1, kExactDecimals - 1)
                            : 0;

    char buffer[std::numeric_limits<double>::max_exponent10 + kExactDecimals + 16];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::fixed, kExactDecimals);
    const std::string_view exact(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const std::size_t dot = exact.find('.');
    std::string digits(exact.substr(0, dot));
    const std::string_view fraction = exact.substr(dot + 1);
    digits += fraction.substr(0, decimals);
    if (fraction[decimals] >= '5') {
        std::size_t k = digits.size();
        while (k > 0 && digits[k - 1] == '9') {
            digits[--k] = '0';
        }
        if (k == 0) {
            digits.insert(digits.begin(), '1');
        } else {
            ++digits[k - 1];
        }
    }
    const bool isZero = digits.find_first_not_of('0') == std::string::npos;
    std::string out = std::signbit(value) && !isZero ? "-" : "";
    std::string intPart = digits.substr(0, digits.size() - decimals);
    intPart.erase(0, std::min(intPart.find_first_not_of('0'), intPart.size()));
    if (intPart.size() < intRequired) {
        intPart.insert(0, intRequired - intPart.size(), '0');
    }
    out += intPart;
    if (decimals > 0) {
        out += '.';
        out += digits.substr(digits.size() - decimals);
    }
    return out;
}

int64_t Asc(std::string_view text) {
    if (text.empty()) {
        return -1;
    }
    const Decoded first = DecodeFirst(text);
    return first.code >= 0 ? first.code : static_cast<unsigned char>(text[0]);  // else the byte
}

}  // namespace fw
