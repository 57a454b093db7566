#include "history.h"

#include "text/ansi.h"
#include "text/text_file.h"

#include <algorithm>

namespace search {
namespace {

bool lessIgnoringCase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(text::ansiUpper(x)) < static_cast<unsigned char>(text::ansiUpper(y));
    });
}

} // namespace

void insertSorted(std::vector<std::string>& items, std::string item)
{
    auto at = std::upper_bound(items.begin(), items.end(), item, lessIgnoringCase);
    items.insert(at, std::move(item));
}

std::vector<std::string> loadHistory(const std::filesystem::path& file)
{
    std::vector<std::string> items;
    for (std::string& line : text::splitLines(text::readFile(file)))
        insertSorted(items, std::move(line));
    return items;
}

void saveHistory(const std::filesystem::path& file, const std::vector<std::string>& items)
{
    text::replaceFile(file, text::joinLines(items));
}

} // namespace search
