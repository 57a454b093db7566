// SPDX-License-Identifier: GPL-3.0-or-later
// Maplist.txt converted to MapList.Dat, and any bytes looked up as
// MapList.Dat for a parish.
#include "fuzz_input.h"
#include "maps/map_list_conversion.h"
#include "maps/sheet_lookup.h"
#include "text/io_error.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input = fuzz::asText(data, size);
    const std::string converted = maps::convertMapList(input);
    for (std::string_view mapList : {input, std::string_view(converted)}) {
        std::vector<std::string> lines;
        try {
            maps::lookUpSheets({"Ashby, A, LEI, ENG", "SK3516", "   435", "   316"}, mapList, lines);
        } catch (const text::IoError&) {
            // an incomplete last record, said as the program says it
        }
    }
    return 0;
}
