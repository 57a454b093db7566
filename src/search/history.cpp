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
    // One stable sort: the order a sorted insert of each line in turn gives,
    // without its quadratic cost on a long history.
    std::vector<std::string> items = text::splitLines(text::readFile(file));
    std::stable_sort(items.begin(), items.end(), lessIgnoringCase);
    return items;
}

void saveHistory(const std::filesystem::path& file, const std::vector<std::string>& items)
{
    // A NUL would end the file for the next reading: an item ends before one.
    std::vector<std::string> lines;
    lines.reserve(items.size());
    for (const std::string& item : items)
        lines.push_back(item.substr(0, item.find('\0')));
    text::replaceFile(file, text::joinLines(lines));
}

} // namespace search
