#include "count_records.h"

namespace records {

std::int32_t countRecords(const DataFile& file)
{
    std::int32_t p = 0;
    do
        p += 1000;
    while (!file.atEnd(p));
    do {
        p -= 100;
        if (p < 0) {
            p = -1;
            break;
        }
    } while (file.atEnd(p));
    do
        p += 1;
    while (!file.atEnd(p));
    return p;
}

} // namespace records
