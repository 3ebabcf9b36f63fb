// JSON text pieces for kestrix-cli's output: strings escaped (UTF-8 passes
// through unchanged), numbers at full precision, booleans.
#pragma once

#include "common/NumberText.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace kestrix::cli {

inline std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (u < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", u);
                out += buf;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

// Full precision (the shortest form that reads back exactly); a value that is
// not finite has no JSON number and is written as null.
inline std::string JsonNumber(double value) {
    return std::isfinite(value) ? common::PlainNumberText(value) : "null";
}

inline std::string JsonBool(bool value) {
    return value ? "true" : "false";
}

} // namespace kestrix::cli
