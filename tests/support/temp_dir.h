#pragma once
// A fresh folder for one test, removed with everything in it afterwards, and
// the small file and process helpers the tests share.
#include <filesystem>
#include <string>
#include <string_view>

namespace testsupport {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / std::string(name); }

private:
    std::filesystem::path path_;
};

// The whole content of a file as bytes ("" when it cannot be read).
std::string readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, std::string_view bytes);

// The path in single quotes for the shell.
std::string quoted(const std::filesystem::path& path);

struct CommandRun {
    int status = -1; // the exit status; -1 when the command did not exit normally
    std::string out, err;
};

// Runs a shell command line with folder as its current directory. Its output
// goes through two files in outputDir, which must not be folder's own listing
// a test inspects.
CommandRun runCommand(const std::string& commandLine, const std::filesystem::path& folder,
                      const std::filesystem::path& outputDir);

} // namespace testsupport
