// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text of a file brought in from another program, as the cp1252 bytes the
// data file stores. Most programs save UTF-8 today, older ones a Windows code
// page: a file that is wholly valid UTF-8 and holds any non-ASCII character
// (a byte order mark counts) is converted; any other file is taken byte for
// byte as cp1252.
#include <string>
#include <string_view>

namespace text {

struct ImportText {
    std::string cp1252;
    // For a UTF-8 file with a character cp1252 cannot hold: the first such
    // character and its 1-based line; 0 otherwise, when cp1252 is the text.
    int badLine = 0;
    char32_t badChar = 0;
};

// Takes the file's bytes whole: text kept as it is is moved, not copied.
ImportText importTextAsCp1252(std::string bytes);

} // namespace text
