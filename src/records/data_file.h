#pragma once
// The parish data file: headerless 77-byte records addressed by index.
// Reads are served from a block buffer, dropped on every write, so a scan of
// the whole file costs a few system calls rather than one per record.
#include "records/parish_record.h"

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <span>
#include <vector>

namespace records {

class DataFile {
public:
    DataFile() = default;
    ~DataFile();
    DataFile(const DataFile&) = delete;
    DataFile& operator=(const DataFile&) = delete;

    // Opens an existing file for reading and writing. When the file or its folder
    // may not be written, opens it for reading only (see isReadOnly). Throws IoError.
    void open(const std::filesystem::path& path);
    void close();

    bool isOpen() const { return fd_ >= 0; }
    bool isReadOnly() const { return readOnly_; }
    const std::filesystem::path& path() const { return path_; }
    std::int64_t sizeBytes() const;
    // True when the size is not a whole number of records (a damaged file).
    bool hasPartialRecord() const { return sizeBytes() % static_cast<std::int64_t>(kRecordSize) != 0; }

    // True when 77 * index is not less than the file size. Throws when not open.
    bool atEnd(std::int64_t index) const
    {
        requireOpen();
        return index * kRecordBytes >= size_;
    }
    // Throws IoError ("Read beyond end of file" past the last whole record).
    // A record already in the block buffer is copied straight out of it.
    void read(std::int64_t index, ParishRecord& into)
    {
        std::int64_t offset = index * kRecordBytes;
        if (index >= 0 && offset >= blockOffset_ && offset + kRecordBytes <= blockOffset_ + blockLength_) {
            std::memcpy(into.bytes.data(), block_.data() + (offset - blockOffset_), kRecordSize);
            return;
        }
        readThroughBlock(index, into);
    }
    // Replaces record index, or appends when index is the number of records.
    // A failed append is cut back, so the file keeps its old size. Throws IoError.
    void write(std::int64_t index, const ParishRecord& record);
    // Appends the records at the end of the file in one write and syncs them;
    // on any failure the file is cut back to its old size. Throws IoError.
    void append(std::span<const ParishRecord> records);
    // Forces written records to the disk.
    void flush();

private:
    static constexpr std::int64_t kRecordBytes = static_cast<std::int64_t>(kRecordSize);

    void requireOpen() const
    {
        if (fd_ < 0)
            throwNotOpen();
    }
    [[noreturn]] static void throwNotOpen();
    // Throws unless the file is open, may be written and holds whole records.
    void requireWritable() const;
    void writeAt(std::int64_t offset, const char* data, std::int64_t length);
    void cutBackTo(std::int64_t size);
    void readThroughBlock(std::int64_t index, ParishRecord& into);
    void fillBlock(std::int64_t offset);

    int fd_ = -1;
    bool readOnly_ = false;
    std::filesystem::path path_;
    std::int64_t size_ = 0;
    std::vector<char> block_;
    std::int64_t blockOffset_ = 0;
    std::int64_t blockLength_ = 0; // 0 when the buffer holds nothing (closed, or after a write)
    std::int64_t blockCapacity_ = 0;
};

} // namespace records
