#include "text_file.h"

#include "io_error.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace text {

std::string_view takeLine(std::string_view& rest)
{
    // memchr for both line ends, a window at a time: far quicker than testing
    // each character for both, and a file that lacks one of them (LF only, or
    // CR only) is never searched to its end for every line.
    constexpr std::size_t kWindow = 256;
    std::size_t end = 0;
    while (end < rest.size()) {
        const char* from = rest.data() + end;
        const std::size_t window = std::min(kWindow, rest.size() - end);
        const auto* cr = static_cast<const char*>(std::memchr(from, '\r', window));
        const std::size_t beforeCr = cr != nullptr ? static_cast<std::size_t>(cr - from) : window;
        if (const auto* lf = static_cast<const char*>(std::memchr(from, '\n', beforeCr))) {
            end += static_cast<std::size_t>(lf - from);
            break;
        }
        end += beforeCr;
        if (cr != nullptr)
            break;
    }
    std::string_view line = rest.substr(0, end);
    if (end < rest.size() && rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n')
        ++end;
    rest.remove_prefix(end < rest.size() ? end + 1 : end);
    return line;
}

std::vector<std::string> splitLines(std::string_view content)
{
    if (auto nul = content.find('\0'); nul != std::string_view::npos)
        content = content.substr(0, nul);
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(std::count(content.begin(), content.end(), '\n')) + 1);
    while (!content.empty())
        lines.emplace_back(takeLine(content));
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines)
{
    std::string out;
    for (const auto& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::string readFile(const std::filesystem::path& path)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throwIoError(errno);
    // Read straight into the string, sized from the file with one byte over so
    // that the read finding the end needs no growth; a file that grows, or one
    // with no size (a pipe), doubles it as it goes.
    struct stat st {};
    std::size_t size = 65536;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
        size = static_cast<std::size_t>(st.st_size) + 1;
    std::string content(size, '\0');
    std::size_t used = 0;
    for (;;) {
        if (used == content.size())
            content.resize(2 * content.size());
        ssize_t n = ::read(fd, content.data() + used, content.size() - used);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            int e = errno;
            ::close(fd);
            throwIoError(e);
        }
        if (n == 0)
            break;
        used += static_cast<std::size_t>(n);
    }
    ::close(fd);
    content.resize(used);
    return content;
}

} // namespace text
