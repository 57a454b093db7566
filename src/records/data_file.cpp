#include "data_file.h"

#include "text/io_error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace records {
namespace {

constexpr std::int64_t kRecord = static_cast<std::int64_t>(kRecordSize);
// 512 records: large enough that a scan makes few reads, small enough to stay in cache.
constexpr std::int64_t kBlockBytes = 512 * kRecord;

} // namespace

DataFile::~DataFile() { close(); }

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

void DataFile::requireOpen() const
{
    if (fd_ < 0)
        throw text::IoError(text::kFileNotOpen);
}

std::int64_t DataFile::sizeBytes() const
{
    requireOpen();
    return size_;
}

bool DataFile::atEnd(std::int64_t index) const
{
    requireOpen();
    return index * kRecord >= size_;
}

void DataFile::fillBlock(std::int64_t offset)
{
    blockLength_ = 0;
    std::int64_t want = std::min(kBlockBytes, size_ - offset);
    block_.resize(static_cast<std::size_t>(kBlockBytes));
    std::int64_t got = 0;
    while (got < want) {
        ssize_t n = ::pread(fd_, block_.data() + got, static_cast<std::size_t>(want - got), offset + got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            text::throwIoError(errno);
        }
        if (n == 0)
            break;
        got += n;
    }
    blockOffset_ = offset;
    blockLength_ = got;
}

void DataFile::read(std::int64_t index, ParishRecord& into)
{
    requireOpen();
    if (index < 0)
        throw text::IoError("Seek before start of file");
    std::int64_t offset = index * kRecord;
    if (offset + kRecord > size_)
        throw text::IoError(text::kReadBeyondEnd);
    if (offset < blockOffset_ || offset + kRecord > blockOffset_ + blockLength_) {
        fillBlock(offset);
        if (blockLength_ < kRecord)
            throw text::IoError(text::kReadBeyondEnd);
    }
    std::memcpy(into.bytes.data(), block_.data() + (offset - blockOffset_), kRecordSize);
}

void DataFile::write(std::int64_t index, const ParishRecord& record)
{
    requireOpen();
    if (readOnly_)
        throw text::IoError(path_.filename().string() + " is read-only: the change cannot be saved");
    if (size_ % kRecord != 0)
        throw text::IoError(path_.filename().string()
                            + " is damaged (its size is not a whole number of records), so it cannot be changed");
    if (index < 0)
        throw text::IoError("Seek before start of file");
    std::int64_t offset = index * kRecord;
    if (offset > size_)
        throw text::IoError("Write beyond end of file");
    blockLength_ = 0;
    std::int64_t done = 0;
    while (done < kRecord) {
        ssize_t n = ::pwrite(fd_, record.bytes.data() + done, static_cast<std::size_t>(kRecord - done), offset + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            int e = n < 0 ? errno : ENOSPC;
            // An append cut short must not leave a partial record behind.
            if (offset == size_ && ::ftruncate(fd_, size_) != 0) {
                // Nothing more can be done; the size check above will refuse further writes.
            }
            text::throwIoError(e);
        }
        done += n;
    }
    size_ = std::max(size_, offset + kRecord);
}

void DataFile::flush()
{
    requireOpen();
    if (!readOnly_ && ::fsync(fd_) != 0)
        text::throwIoError(errno);
}

} // namespace records
