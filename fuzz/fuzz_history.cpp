// SPDX-License-Identifier: GPL-3.0-or-later
// HistList.txt of any bytes: loaded, sorted, and saved again.
#include "fuzz_input.h"
#include "search/history.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto items = search::loadHistory(fuzz::asFile(fuzz::asText(data, size), "HistList.txt"));
    search::saveHistory(fuzz::asFile("", "Saved.txt"), items);
    return 0;
}
