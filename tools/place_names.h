#pragma once
// Place names as the data file stores them: cp1252 bytes, accents kept.
#include <string>
#include <string_view>

namespace tools {

struct StoredName {
    std::string text; // cp1252, blanks trimmed
    bool ok = true; // false: a character cp1252 lacks and has no base letter here, or broken UTF-8
    bool baseLetters = false; // a letter cp1252 lacks (Welsh w and y with a circumflex, ...) became its base letter
    bool plainApostrophe = false; // a typographic apostrophe became "'", the one users type
};

// The stored form of a UTF-8 source name.
StoredName storedName(std::string_view utf8);

// The key under which two spellings of one place meet: upper case, without
// what stands in brackets, apostrophes or full stops, hyphens read as blanks,
// "Saint" as "St", blanks collapsed. "Bury St.Edmunds" and "Bury Saint Edmunds"
// share "BURY ST EDMUNDS".
std::string matchKey(std::string_view storedName);

} // namespace tools
