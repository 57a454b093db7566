#include "data_file.h"

#include "text/file_replace.h"
#include "text/io_error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace records {
namespace {

constexpr std::int64_t kRecord = static_cast<std::int64_t>(kRecordSize);
// A block starts at 64 records, which is plenty for a display refresh; each read
// that carries on where the last block ended doubles it, so a scan of the whole
// file makes only a handful of reads.
constexpr std::int64_t kFirstBlockBytes = 64 * kRecord;
constexpr std::int64_t kLargestBlockBytes = 16384 * kRecord;

} // namespace

DataFile::~DataFile()
{
    close();
}

void DataFile::open(const std::filesystem::path& path)
{
    close();
    int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    bool readOnly = false;
    if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM)) {
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        readOnly = true;
    }
    if (fd < 0)
        text::throwIoError(errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        int e = errno;
        ::close(fd);
        text::throwIoError(e);
    }
    if (S_ISDIR(st.st_mode)) {
        ::close(fd);
        text::throwIoError(EISDIR);
    }
    // A file we may write but whose folder is read-only still cannot be replaced
    // whole (temporary file and rename); treat it as read-only too.
    if (!readOnly && ::access(path.parent_path().empty() ? "." : path.parent_path().c_str(), W_OK) != 0)
        readOnly = true;
    fd_ = fd;
    readOnly_ = readOnly;
    path_ = path;
    size_ = st.st_size;
    blockLength_ = 0;
}

void DataFile::close()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    readOnly_ = false;
    size_ = 0;
    blockLength_ = 0;
}

void DataFile::throwNotOpen()
{
    throw text::IoError(text::kFileNotOpen);
}

std::int64_t DataFile::sizeBytes() const
{
    requireOpen();
    return size_;
}

void DataFile::fillBlock(std::int64_t offset)
{
    bool continuing = blockLength_ > 0 && offset == blockOffset_ + blockLength_;
    bool goingBack = blockLength_ > 0 && offset < blockOffset_;
    blockCapacity_ = continuing ? std::min(blockCapacity_ * 2, kLargestBlockBytes) : kFirstBlockBytes;
    // Moving backwards (the records before the one on show), the block ends at
    // the record wanted, so the next few steps back need no further read.
    std::int64_t start = goingBack ? std::max<std::int64_t>(0, offset + kRecord - blockCapacity_) : offset;
    blockLength_ = 0;
    std::int64_t want = std::min(blockCapacity_, size_ - start);
    if (static_cast<std::int64_t>(block_.size()) < blockCapacity_)
        block_.resize(static_cast<std::size_t>(blockCapacity_));
    std::int64_t got = 0;
    while (got < want) {
        ssize_t n = ::pread(fd_, block_.data() + got, static_cast<std::size_t>(want - got), start + got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            text::throwIoError(errno);
        }
        if (n == 0)
            break;
        got += n;
    }
    blockOffset_ = start;
    blockLength_ = got;
}

void DataFile::readThroughBlock(std::int64_t index, ParishRecord& into)
{
    requireOpen();
    if (index < 0)
        throw text::IoError("Seek before start of file");
    std::int64_t offset = index * kRecord;
    if (offset + kRecord > size_)
        throw text::IoError(text::kReadBeyondEnd);
    if (offset < blockOffset_ || offset + kRecord > blockOffset_ + blockLength_) {
        fillBlock(offset);
        if (offset + kRecord > blockOffset_ + blockLength_)
            throw text::IoError(text::kReadBeyondEnd);
    }
    std::memcpy(into.bytes.data(), block_.data() + (offset - blockOffset_), kRecordSize);
}

void DataFile::requireWritable() const
{
    requireOpen();
    if (readOnly_)
        throw text::IoError(path_.filename().string() + " is read-only: the change cannot be saved");
    if (size_ % kRecord != 0)
        throw text::IoError(path_.filename().string()
                            + " is damaged (its size is not a whole number of records), so it cannot be changed");
}

void DataFile::writeAt(std::int64_t offset, const char* data, std::int64_t length)
{
    blockLength_ = 0;
    const bool appending = offset >= size_;
    std::int64_t done = 0;
    while (done < length) {
        if (const int fault = text::injectedFault(text::FileStep::Write)) {
            // Part of an append reaches the file before the device fails (the
            // caller cuts it back); a record written in place fails whole.
            if (appending && length - done > 1)
                (void)::pwrite(fd_, data + done, static_cast<std::size_t>((length - done) / 2), offset + done);
            text::throwIoError(fault);
        }
        ssize_t n = ::pwrite(fd_, data + done, static_cast<std::size_t>(length - done), offset + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            text::throwIoError(n < 0 ? errno : ENOSPC);
        done += n;
    }
    size_ = std::max(size_, offset + length);
}

void DataFile::cutBackTo(std::int64_t size)
{
    blockLength_ = 0;
    // Should this fail too, the size check of the next write refuses it.
    if (::ftruncate(fd_, size) == 0)
        size_ = size;
}

void DataFile::write(std::int64_t index, const ParishRecord& record)
{
    requireWritable();
    if (index < 0)
        throw text::IoError("Seek before start of file");
    std::int64_t offset = index * kRecord;
    if (offset > size_)
        throw text::IoError("Write beyond end of file");
    const std::int64_t oldSize = size_;
    try {
        writeAt(offset, record.bytes.data(), kRecord);
    } catch (const text::IoError&) {
        // An append cut short must not leave a partial record behind.
        if (offset == oldSize)
            cutBackTo(oldSize);
        throw;
    }
}

void DataFile::append(std::span<const ParishRecord> records)
{
    requireWritable();
    // The records lie end to end in memory exactly as in the file: written
    // from where they are, with no copy of a file's worth of bytes.
    static_assert(sizeof(ParishRecord) == kRecordSize && alignof(ParishRecord) == 1);
    const std::int64_t oldSize = size_;
    try {
        writeAt(oldSize, reinterpret_cast<const char*>(records.data()),
                static_cast<std::int64_t>(records.size()) * kRecord);
        flush();
    } catch (const text::IoError&) {
        cutBackTo(oldSize);
        throw;
    }
}

void DataFile::flush()
{
    requireOpen();
    if (readOnly_)
        return;
    if (int fault = text::injectedFault(text::FileStep::SyncFile))
        text::throwIoError(fault);
    if (::fsync(fd_) != 0)
        text::throwIoError(errno);
}

} // namespace records
