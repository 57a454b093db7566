#include "file_lookup.h"

#include <system_error>

namespace text {
namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x + 32);
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y + 32);
        if (x != y)
            return false;
    }
    return true;
}

} // namespace

std::optional<std::filesystem::path> findFile(const std::filesystem::path& dir, std::string_view name)
{
    std::error_code ec;
    std::filesystem::path exact = dir / std::filesystem::path(std::string(name));
    if (std::filesystem::is_regular_file(exact, ec))
        return exact;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (sameIgnoringCase(it->path().filename().native(), name) && it->is_regular_file(ec))
            return it->path();
    }
    return std::nullopt;
}

std::filesystem::path filePath(const std::filesystem::path& dir, std::string_view name)
{
    if (auto found = findFile(dir, name))
        return *found;
    return dir / std::filesystem::path(std::string(name));
}

bool fileExists(const std::filesystem::path& dir, std::string_view name)
{
    return findFile(dir, name).has_value();
}

} // namespace text
