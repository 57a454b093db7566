// SPDX-License-Identifier: GPL-3.0-or-later
// Parishes.Dat of any bytes: opened, counted, every whole record read and
// shown as the record views show it, every field read.
#include "fuzz_input.h"
#include "records/count_records.h"
#include "records/data_file.h"
#include "records/record_line.h"
#include "text/io_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    records::DataFile file;
    file.open(fuzz::asFile(fuzz::asText(data, size), "Parishes.Dat"));
    const std::int32_t count = records::countRecords(file);
    records::ParishRecord r;
    for (std::int32_t i = 0; i < count; ++i) {
        try {
            file.read(i, r);
        } catch (const text::IoError&) {
            continue; // a partial last record
        }
        (void)records::recordLine(r);
        for (int f = 0; f < 7; ++f)
            (void)r.get(static_cast<records::Field>(f));
    }
    return 0;
}
