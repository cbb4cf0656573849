#pragma once
#include <cstdio>
#include <string>

// Makes control characters visible for line-based output: tab, line feed
// and carriage return as \t, \n and \r, other bytes below 0x20 as \xNN.
// Everything else, backslashes included, is kept as it is.
inline std::string EscapeText(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c == '\t')
            out += "\\t";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c < 0x20) {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02X", c);
            out += code;
        } else
            out += static_cast<char>(c);
    }
    return out;
}
