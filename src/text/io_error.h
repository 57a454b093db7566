#pragma once
// A failed file operation, carrying the text the user is shown for it.
#include <stdexcept>
#include <string>

namespace text {

class IoError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The short, familiar text for a system error number ("File not found", "Disk full", ...).
std::string ioErrorText(int errnoValue);

// Throws IoError with ioErrorText(errnoValue).
[[noreturn]] void throwIoError(int errnoValue);

inline constexpr const char* kReadBeyondEnd = "Read beyond end of file";
inline constexpr const char* kFileNotOpen = "File not open";

} // namespace text
