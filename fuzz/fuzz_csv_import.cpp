// SPDX-License-Identifier: GPL-3.0-or-later
// A CSV file of any bytes as the import reads it: its encoding decided, every
// line turned into a record or refused.
#include "fuzz_input.h"
#include "records/csv_record.h"
#include "text/import_text.h"
#include "text/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const text::ImportText csv = text::importTextAsCp1252(std::string(fuzz::asText(data, size)));
    std::string_view rest = csv.cp1252;
    while (!rest.empty())
        (void)records::recordFromCsvLine(text::takeLine(rest));
    return 0;
}
