#include "sort_by_name.h"

#include <cstddef>

namespace records {
namespace {

// Sorts the n records at table, seen as slots 1..n (slot i is table[i - 1]).
void shellSort(ParishRecord* table, std::ptrdiff_t n)
{
    if (n < 2)
        return;
    auto slot = [table](std::ptrdiff_t i) -> ParishRecord& { return table[i - 1]; };
    std::ptrdiff_t h = n;
    while (h > 1) {
        h = h / 3 + 1;
        for (std::ptrdiff_t j = 1; j <= h; ++j) {
            for (std::ptrdiff_t i = j + h; i <= n; i += h) {
                if (nameGreater(slot(i), slot(i - h)))
                    continue;
                ParishRecord taken = slot(i);
                std::ptrdiff_t k = i - h;
                while (k >= 1 && nameGreater(slot(k), taken)) {
                    slot(k + h) = slot(k);
                    k -= h;
                }
                slot(k + h) = taken;
            }
        }
    }
}

} // namespace

bool nameGreater(const ParishRecord& a, const ParishRecord& b)
{
    // std::string_view compares through char_traits<char>, which orders bytes as unsigned char.
    return a.name() > b.name();
}

void sortByName(std::span<ParishRecord> records)
{
    std::size_t first = !records.empty() && records[0].isVersionRecord() ? 1 : 0;
    shellSort(records.data() + first, static_cast<std::ptrdiff_t>(records.size() - first));
}

} // namespace records
