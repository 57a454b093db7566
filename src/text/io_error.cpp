#include "io_error.h"

#include <cerrno>

namespace text {

std::string ioErrorText(int e)
{
    switch (e) {
    case ENOENT: return "File not found";
    case ENOTDIR: return "Path not found";
    case EACCES:
    case EPERM:
    case EROFS: return "File access denied";
    case ENOSPC:
    case EDQUOT: return "Disk full";
    case EMFILE:
    case ENFILE: return "Too many open files";
    case ENAMETOOLONG:
    case EINVAL: return "Invalid filename";
    case EISDIR: return "File access denied";
    default: return "I/O error " + std::to_string(e);
    }
}

void throwIoError(int errnoValue)
{
    throw IoError(ioErrorText(errnoValue));
}

} // namespace text
