#include "text_file.h"

#include "io_error.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace text {

std::string_view takeLine(std::string_view& rest)
{
    // A plain loop: find_first_of calls memchr once for every character.
    std::size_t end = 0;
    while (end < rest.size() && rest[end] != '\r' && rest[end] != '\n')
        ++end;
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
    std::string content;
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            int e = errno;
            ::close(fd);
            throwIoError(e);
        }
        if (n == 0)
            break;
        content.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return content;
}

} // namespace text
