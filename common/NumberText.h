// Plain number text for files and seeds, and the reading of a number typed in
// a field with the user's locale separators. Both are shared by Kestrix and
// Hygrovex; neither reads a global locale.
#pragma once

#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace kestrix::common {

// The shortest decimal form that reads back to the same double, with "." and
// no grouping: "50", "51.8", "0", "-3.25". Negative zero gives "0".
inline std::string PlainNumberText(double value) {
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Inf" : "Inf";
    if (value == 0.0)
        return "0";
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

namespace detail {

inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

inline bool StartsWith(std::string_view text, std::size_t at, std::string_view what) {
    return !what.empty() && text.substr(at, what.size()) == what;
}

inline std::string_view TrimSpaces(std::string_view text) {
    // Plain spaces and tabs, plus the no-break spaces a pasted number may carry.
    for (;;) {
        if (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
            text.remove_prefix(1);
        else if (text.substr(0, 2) == "\xC2\xA0")
            text.remove_prefix(2);
        else if (text.substr(0, 3) == "\xE2\x80\xAF")
            text.remove_prefix(3);
        else
            break;
    }
    for (;;) {
        if (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
            text.remove_suffix(1);
        else if (text.size() >= 2 && text.substr(text.size() - 2) == "\xC2\xA0")
            text.remove_suffix(2);
        else if (text.size() >= 3 && text.substr(text.size() - 3) == "\xE2\x80\xAF")
            text.remove_suffix(3);
        else
            break;
    }
    return text;
}

} // namespace detail

// Reads a number as a field in the user's locale holds it: optional spaces
// around it, an optional sign, integer digits that may be grouped exactly as
// the display groups them ("1,200"; "1.200,5" with a comma decimal point), an
// optional decimal part and an optional exponent ("1.5e3"). Anything else,
// an empty text, or a result that is not a finite double gives nullopt.
inline std::optional<double> ParseNumberText(std::string_view text,
                                             std::string_view decimalPoint = ".",
                                             std::string_view groupSeparator = ",") {
    using detail::IsDigit;
    using detail::StartsWith;
    text = detail::TrimSpaces(text);
    if (decimalPoint.empty())
        decimalPoint = ".";
    if (groupSeparator == decimalPoint)
        groupSeparator = {};
    // Locales that group with a no-break space are typed with a plain one.
    const bool spaceGroups = groupSeparator == "\xC2\xA0" || groupSeparator == "\xE2\x80\xAF";

    std::string normal; // the number rewritten for std::from_chars
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            normal.push_back('-');
        ++i;
    }

    // Integer part: digits, with a separator only between groups of three.
    int intDigits = 0;
    int sinceSeparator = -1; // digits since the last group separator; -1: none seen
    for (;;) {
        if (i < text.size() && IsDigit(text[i])) {
            normal.push_back(text[i]);
            ++i;
            ++intDigits;
            if (sinceSeparator >= 0)
                ++sinceSeparator;
            continue;
        }
        std::size_t sepLen = 0;
        if (StartsWith(text, i, groupSeparator))
            sepLen = groupSeparator.size();
        else if (spaceGroups && i < text.size() && text[i] == ' ')
            sepLen = 1;
        if (sepLen == 0)
            break;
        // A separator must follow a digit and close a full group of three.
        if (intDigits == 0 || (sinceSeparator >= 0 && sinceSeparator != 3))
            return std::nullopt;
        if (sinceSeparator < 0 && intDigits > 3)
            return std::nullopt;
        sinceSeparator = 0;
        i += sepLen;
    }
    if (sinceSeparator >= 0 && sinceSeparator != 3)
        return std::nullopt;

    int fracDigits = 0;
    if (StartsWith(text, i, decimalPoint)) {
        i += decimalPoint.size();
        normal.push_back('.');
        while (i < text.size() && IsDigit(text[i])) {
            normal.push_back(text[i]);
            ++i;
            ++fracDigits;
        }
    }
    if (intDigits == 0 && fracDigits == 0)
        return std::nullopt;

    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        normal.push_back('e');
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            normal.push_back(text[i]);
            ++i;
        }
        int expDigits = 0;
        while (i < text.size() && IsDigit(text[i])) {
            normal.push_back(text[i]);
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;

    double value = 0.0;
    const char* begin = normal.data();
    const char* end = normal.data() + normal.size();
    const auto res = std::from_chars(begin, end, value);
    if (res.ec == std::errc::result_out_of_range) {
        // Too small to represent reads as zero; too large is refused.
        if (normal.find("e-") != std::string::npos)
            return normal.front() == '-' ? -0.0 : 0.0;
        return std::nullopt;
    }
    if (res.ec != std::errc() || res.ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace kestrix::common
