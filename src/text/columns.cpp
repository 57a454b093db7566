#include "columns.h"

namespace text {

std::string padRight(std::string_view s, std::size_t width)
{
    std::string out(s);
    if (out.size() < width)
        out.append(width - out.size(), ' ');
    return out;
}

std::string padLeft(std::string_view s, std::size_t width)
{
    std::string out;
    if (s.size() < width)
        out.assign(width - s.size(), ' ');
    out += s;
    return out;
}

std::string_view columns(std::string_view line, std::size_t first, std::size_t count)
{
    if (first == 0 || first > line.size())
        return {};
    return line.substr(first - 1, count);
}

} // namespace text
