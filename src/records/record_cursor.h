#pragma once
// A place in the data file and the record last read there: what every scan
// takes and leaves behind. The main window's commands share one, so the record
// a scan stopped on is the record the window shows next.
#include "records/data_file.h"
#include "records/parish_record.h"

#include <cstdint>

namespace records {

struct RecordCursor {
    DataFile file;
    std::int32_t position = 0;
    ParishRecord record; // the record last read, at position after a scan

    // Reads record index into record. Throws IoError.
    void read(std::int64_t index) { file.read(index, record); }
};

} // namespace records
