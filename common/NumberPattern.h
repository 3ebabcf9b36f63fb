// The one number-pattern rule of Kestrix and Hygrovex: turns a value into text
// with a pattern such as "##0.0", "###,###", "0.#0" or "#,###,###.0".
//
// In a pattern, '#' is a digit left out when it is a leading zero of the
// integer part, '0' is a digit always shown, ',' in the integer part groups the
// integer digits by thousands, and '.' is the decimal point. A pattern with n
// placeholders after the point shows n decimals; only '#' placeholders after
// the last '0' of the fraction drop their trailing zeros. The value is rounded
// half away from zero, judged on the shortest decimal form of the double (the
// digits a user reads), so 2.675 under "0.00" gives "2.68".
//
// A value that rounds to zero has no integer digits under a pattern without a
// '0' before the point (".0"), and gives the empty text under a pattern
// without any '0'. A negative value gets a leading minus sign unless it rounds
// to zero. Other characters in the pattern are copied as they stand.
#pragma once

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

namespace kestrix::common {

namespace detail {

// A pattern taken apart into what the formatter needs.
struct PatternShape {
    std::string prefix;       // literal text before the first placeholder
    std::string suffix;       // literal text after the last placeholder
    int minIntDigits = 0;     // integer digits always shown ('0' and all after it)
    bool grouping = false;    // a ',' stands in the integer part
    bool hasPoint = false;    // the pattern has a decimal point
    int decimals = 0;         // placeholders after the point
    int requiredDecimals = 0; // decimals up to and including the last '0'
};

inline PatternShape ParsePattern(std::string_view pattern) {
    PatternShape shape;
    const auto isPlaceholder = [](char c) { return c == '#' || c == '0' || c == ',' || c == '.'; };
    std::size_t first = 0;
    while (first < pattern.size() && !isPlaceholder(pattern[first]))
        ++first;
    std::size_t last = pattern.size();
    while (last > first && !isPlaceholder(pattern[last - 1]))
        --last;
    shape.prefix = std::string(pattern.substr(0, first));
    shape.suffix = std::string(pattern.substr(last));

    bool inFraction = false;
    bool seenIntZero = false;
    for (std::size_t i = first; i < last; ++i) {
        const char c = pattern[i];
        if (c == '.') {
            if (!inFraction) {
                inFraction = true;
                shape.hasPoint = true;
            }
            continue;
        }
        if (!inFraction) {
            if (c == ',') {
                shape.grouping = true;
            } else if (c == '0') {
                seenIntZero = true;
                ++shape.minIntDigits;
            } else if (c == '#' && seenIntZero) {
                ++shape.minIntDigits; // a '#' after a '0' can no longer be a leading zero
            }
        } else if (c == '#' || c == '0') {
            ++shape.decimals;
            if (c == '0')
                shape.requiredDecimals = shape.decimals;
        }
    }
    return shape;
}

// The magnitude of a finite double as its shortest decimal digits: the value
// is 0.d1d2d3... x 10^(pointPos), i.e. pointPos digits stand before the point.
struct DecimalDigits {
    std::string digits; // no leading zeros; empty for zero
    int pointPos = 0;
};

inline DecimalDigits ShortestDigits(double magnitude) {
    DecimalDigits out;
    if (magnitude == 0.0)
        return out;
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
    const std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
    const std::size_t e = text.find('e');
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] != '.')
            out.digits.push_back(text[i]);
    }
    int exponent = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    exponent);
    out.pointPos = exponent + 1;
    return out;
}

// Rounds half away from zero to `decimals` places, working on the digits.
inline DecimalDigits RoundDigits(DecimalDigits d, int decimals) {
    const long keep = static_cast<long>(d.pointPos) + decimals; // digits that stay
    if (keep >= static_cast<long>(d.digits.size()))
        return d;
    if (keep < 0)
        return {};
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        long i = keep - 1;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
            d.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[static_cast<std::size_t>(i)];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.pointPos;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty())
        d.pointPos = 0;
    return d;
}

} // namespace detail

// Formats value with pattern; decimalPoint and groupSeparator are the user's
// locale separators (UTF-8). NaN and infinities give "NaN", "Inf" or "-Inf".
inline std::string FormatPattern(double value, std::string_view pattern,
                                 std::string_view decimalPoint = ".",
                                 std::string_view groupSeparator = ",") {
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Inf" : "Inf";

    const detail::PatternShape shape = detail::ParsePattern(pattern);
    const detail::DecimalDigits d =
        detail::RoundDigits(detail::ShortestDigits(std::fabs(value)), shape.decimals);
    const auto digitAt = [&d](long index) {
        return index >= 0 && index < static_cast<long>(d.digits.size())
                   ? d.digits[static_cast<std::size_t>(index)]
                   : '0';
    };

    // Integer digits: the significant ones, padded to the pattern's minimum.
    std::string intDigits;
    for (long i = 0; i < d.pointPos; ++i)
        intDigits.push_back(digitAt(i));
    if (static_cast<int>(intDigits.size()) < shape.minIntDigits)
        intDigits.insert(0, static_cast<std::size_t>(shape.minIntDigits) - intDigits.size(), '0');

    std::string intText;
    for (std::size_t i = 0; i < intDigits.size(); ++i) {
        if (shape.grouping && i > 0 && (intDigits.size() - i) % 3 == 0)
            intText.append(groupSeparator);
        intText.push_back(intDigits[i]);
    }

    std::string fraction;
    for (int q = 0; q < shape.decimals; ++q)
        fraction.push_back(digitAt(static_cast<long>(d.pointPos) + q));
    while (static_cast<int>(fraction.size()) > shape.requiredDecimals && fraction.back() == '0')
        fraction.pop_back();

    std::string body = intText;
    if (shape.hasPoint &&
        !(intText.empty() && fraction.empty() && shape.requiredDecimals == 0 && d.digits.empty())) {
        body.append(decimalPoint);
        body += fraction;
    }

    std::string out;
    if (value < 0 && !d.digits.empty())
        out.push_back('-');
    out += shape.prefix;
    out += body;
    out += shape.suffix;
    return out;
}

} // namespace kestrix::common
