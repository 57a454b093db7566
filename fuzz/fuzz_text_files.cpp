// SPDX-License-Identifier: GPL-3.0-or-later
// The plain text files the windows show (County.txt, ParList.txt): split
// into lines and shown as UTF-8; and a report converted to CSV.
#include "fuzz_input.h"
#include "reports/csv_convert.h"
#include "text/cp1252.h"
#include "text/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input = fuzz::asText(data, size);
    for (const std::string& line : text::splitLines(input))
        (void)text::cp1252ToUtf8(line);
    (void)reports::reportToCsv(input);
    return 0;
}
