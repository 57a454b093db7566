// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_replace.h"

#include "io_error.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace text {
namespace {

namespace fs = std::filesystem;

struct Fault {
    FileStep step = FileStep::Create;
    int countdown = 0; // 0: none armed
    int error = 0;
};
Fault fault;

} // namespace

int injectedFault(FileStep step)
{
    if (fault.countdown == 0 || fault.step != step)
        return 0;
    if (--fault.countdown > 0)
        return 0;
    return fault.error;
}

namespace {

int injected(FileStep step)
{
    return injectedFault(step);
}

// The file a write to path replaces: path itself, or the file a symbolic link names.
fs::path resolved(const fs::path& path)
{
    fs::path target = path;
    for (int depth = 0; depth < 40; ++depth) {
        std::error_code ec;
        if (!fs::is_symlink(target, ec))
            return target;
        fs::path next = fs::read_symlink(target, ec);
        if (ec)
            throwIoError(ec.value());
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    throwIoError(ELOOP);
}

// Removes the temporary file and throws the error of the failed step.
[[noreturn]] void fail(int fd, const fs::path& temp, int error)
{
    if (fd >= 0)
        ::close(fd);
    ::unlink(temp.c_str());
    throwIoError(error);
}

void writeAll(int fd, const fs::path& temp, std::string_view content)
{
    const char* p = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        if (int e = injected(FileStep::Write)) {
            // Part of the bytes reach the file before the device fails.
            if (left > 1 && ::write(fd, p, left / 2) < 0)
                e = errno;
            fail(fd, temp, e);
        }
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(fd, temp, errno);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
}

} // namespace

void failFileStep(FileStep step, int nth, int error)
{
    fault = {step, nth, error};
}

void clearFileFaults()
{
    fault = {};
}

namespace {

// A written, checked temporary file waiting to be renamed over its target.
struct Prepared {
    fs::path temp, target;
};

Prepared prepare(const fs::path& path, std::string_view content, Sync sync)
{
    const fs::path target = resolved(path);
    fs::path temp = target;
    temp += ".tmp~";
    // A temporary file left by a failed run is ours to remove; what is there
    // now, even a link, is never written through.
    ::unlink(temp.c_str());
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    // A folder in the target's place cannot be replaced: said before anything is written.
    if (exists && S_ISDIR(old.st_mode))
        throwIoError(EISDIR);
    // Nor is a file the person may not write: the rename would replace it all
    // the same, so the refusal the file's own permissions give is kept here.
    if (exists && ::access(target.c_str(), W_OK) != 0)
        throwIoError(errno);
    int fd = -1;
    if (int e = injected(FileStep::Create))
        fail(fd, temp, e);
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, exists ? (old.st_mode & 07777) : 0644);
    if (fd < 0)
        throwIoError(errno);
    // The target's permissions, whatever the umask left of them. Asked only
    // when they differ: file systems without permissions (a FAT memory
    // stick) refuse any change.
    struct stat made {};
    if (::fstat(fd, &made) != 0)
        fail(fd, temp, errno);
    if (exists && (made.st_mode & 07777) != (old.st_mode & 07777) && ::fchmod(fd, old.st_mode & 07777) != 0)
        fail(fd, temp, errno);
    // Someone else's file stays theirs where the program may give it away (run
    // as root); otherwise the new file is the person's own, as any save makes it.
    if (exists && (made.st_uid != old.st_uid || made.st_gid != old.st_gid))
        static_cast<void>(::fchown(fd, old.st_uid, old.st_gid));
    writeAll(fd, temp, content);
    if (sync == Sync::ToDisk) {
        int e = injected(FileStep::SyncFile);
        if (e != 0 || ::fsync(fd) != 0)
            fail(fd, temp, e != 0 ? e : errno);
    }
    // Nothing is replaced unless the new file holds all that was meant.
    if (::fstat(fd, &made) != 0)
        fail(fd, temp, errno);
    if (made.st_size != static_cast<off_t>(content.size()))
        fail(fd, temp, EIO);
    int closeError = injected(FileStep::Close);
    if (::close(fd) != 0 && closeError == 0)
        closeError = errno;
    if (closeError != 0)
        fail(-1, temp, closeError);
    return {temp, target};
}

void commit(const Prepared& p, Sync sync)
{
    int renameError = injected(FileStep::Rename);
    if (renameError == 0 && ::rename(p.temp.c_str(), p.target.c_str()) != 0)
        renameError = errno;
    if (renameError != 0)
        fail(-1, p.temp, renameError);
    if (sync == Sync::ToDisk) {
        // The new file is in place; a failure here means the rename may not
        // survive a crash, which the person is told.
        const fs::path folder = p.target.parent_path().empty() ? fs::path(".") : p.target.parent_path();
        int e = injected(FileStep::SyncFolder);
        int dir = e != 0 ? -1 : ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (e == 0 && dir < 0)
            e = errno;
        if (dir >= 0) {
            if (::fsync(dir) != 0)
                e = errno;
            ::close(dir);
        }
        if (e != 0)
            throwIoError(e);
    }
}

// The error with the name of the file it concerns.
[[noreturn]] void failFor(const fs::path& path, const IoError& e)
{
    throw IoError("Cannot write " + path.filename().string() + ": " + e.what());
}

} // namespace

void replaceFile(const fs::path& path, std::string_view content, Sync sync)
{
    commit(prepare(path, content, sync), sync);
}

bool createFile(const fs::path& path, std::string_view content)
{
    const Prepared p = prepare(path, content, Sync::ToDisk);
    int e = injected(FileStep::Rename);
    if (e == 0 && ::link(p.temp.c_str(), p.target.c_str()) == 0) {
        ::unlink(p.temp.c_str());
        return true;
    }
    if (e == 0)
        e = errno;
    struct stat there {};
    const bool taken = ::lstat(p.target.c_str(), &there) == 0;
    if (e == EEXIST || ((e == EPERM || e == EOPNOTSUPP) && taken)) {
        ::unlink(p.temp.c_str());
        return false;
    }
    if ((e == EPERM || e == EOPNOTSUPP) && ::rename(p.temp.c_str(), p.target.c_str()) == 0)
        return true;
    fail(-1, p.temp, e == EPERM || e == EOPNOTSUPP ? errno : e);
}

void replaceFiles(std::span<const FileContent> files, Sync sync)
{
    std::vector<Prepared> ready;
    for (const FileContent& f : files) {
        try {
            ready.push_back(prepare(f.path, f.content, sync));
        } catch (const IoError& e) {
            for (const Prepared& p : ready)
                ::unlink(p.temp.c_str());
            failFor(f.path, e);
        }
    }
    for (std::size_t i = 0; i < ready.size(); ++i) {
        try {
            commit(ready[i], sync);
        } catch (const IoError& e) {
            for (std::size_t k = i + 1; k < ready.size(); ++k)
                ::unlink(ready[k].temp.c_str());
            failFor(files[i].path, e);
        }
    }
}

} // namespace text
