#pragma once
// Reads the text of a script into commands, checking the form of every line
// before anything runs, so a mistyped script never runs half-way.
#include "driver/script.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace driver {

// A word or a TEXT of one script line. A TEXT is given in cp1252 bytes.
struct Token {
    std::string text;
    bool quoted = false;

    friend bool operator==(const Token&, const Token&) = default;
};

// Splits one line into words and TEXTs. Throws ScriptError (line 0) when a
// TEXT is malformed.
std::vector<Token> tokenize(std::string_view line);

// The longest script line taken, and the largest script: a file that never
// ends (a device) is refused, not read without bound.
inline constexpr std::size_t kLongestLine = 65536;
inline constexpr std::size_t kLargestScript = std::size_t{64} * 1024 * 1024;

// The commands of a whole script (UTF-8, LF or CR LF line ends). Blank lines and
// lines starting with '#' are skipped. Throws ScriptError for the first bad line.
std::vector<Command> readScript(std::string_view source);

} // namespace driver
