// SPDX-License-Identifier: GPL-3.0-or-later
#include "start_directory.h"

#include "records/working_files.h"
#include "text/file_lookup.h"
#include "text/file_replace.h"
#include "text/io_error.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace app {
namespace {

namespace fs = std::filesystem;

constexpr const char* kFolderName = "steeplewatcher";

// Removes the temporary copy and throws the step's error, naming the file.
[[noreturn]] void failCopy(int fd, const fs::path& temp, const std::string& name, int error)
{
    if (fd >= 0)
        ::close(fd);
    ::unlink(temp.c_str());
    throw text::IoError("Cannot copy " + name + ": " + text::ioErrorText(error));
}

std::string readWhole(const fs::path& path, const std::string& name)
{
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.is_open())
        throw text::IoError("Cannot copy " + name + ": " + text::ioErrorText(ENOENT));
    if (in.bad())
        throw text::IoError("Cannot copy " + name + ": " + text::ioErrorText(EIO));
    return bytes;
}

// Puts bytes under work/name unless a file of that name is there by then.
void copyIn(const std::string& bytes, const fs::path& work, const std::string& name)
{
    const fs::path target = work / name;
    fs::path temp = target;
    temp += ".tmp~";
    ::unlink(temp.c_str());
    int fd = -1;
    if (int e = text::injectedFault(text::FileStep::Create))
        failCopy(fd, temp, name, e);
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        failCopy(fd, temp, name, errno);
    for (std::size_t done = 0; done < bytes.size();) {
        if (int e = text::injectedFault(text::FileStep::Write))
            failCopy(fd, temp, name, e);
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno != EINTR)
            failCopy(fd, temp, name, errno);
        done += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    if (int e = text::injectedFault(text::FileStep::SyncFile))
        failCopy(fd, temp, name, e);
    if (::fsync(fd) != 0)
        failCopy(fd, temp, name, errno);
    const int closed = ::close(fd);
    fd = -1;
    if (int e = text::injectedFault(text::FileStep::Close))
        failCopy(fd, temp, name, e);
    if (closed != 0)
        failCopy(fd, temp, name, errno);
    if (int e = text::injectedFault(text::FileStep::Rename))
        failCopy(fd, temp, name, e);
    // link() never replaces: a file made under that name meanwhile is kept.
    // Where the file system has no links (FAT), a rename after a last look.
    if (::link(temp.c_str(), target.c_str()) != 0) {
        const int e = errno;
        if (e == EEXIST) {
            ::unlink(temp.c_str());
            return;
        }
        if ((e != EPERM && e != EOPNOTSUPP) || text::fileExists(work, name))
            failCopy(fd, temp, name, e);
        if (::rename(temp.c_str(), target.c_str()) != 0)
            failCopy(fd, temp, name, errno);
        return;
    }
    ::unlink(temp.c_str());
}

} // namespace

fs::path userDataDirectory(const char* xdgDataHome, const char* home)
{
    if (xdgDataHome && fs::path(xdgDataHome).is_absolute())
        return fs::path(xdgDataHome) / kFolderName;
    if (home && *home)
        return fs::path(home) / ".local" / "share" / kFolderName;
    throw StartError("neither XDG_DATA_HOME nor HOME is set: no folder for the data files");
}

fs::path shippedDataDirectory(const fs::path& executable)
{
    return (executable.parent_path() / SW_SHIPPED_DATA_FROM_BIN).lexically_normal();
}

std::vector<std::string> fillWorkingDirectory(const fs::path& shipped, const fs::path& work)
{
    std::error_code ec;
    fs::create_directories(work, ec);
    if (ec)
        throw text::IoError("Cannot make " + work.string() + ": " + text::ioErrorText(ec.value()));
    std::vector<std::string> names;
    for (fs::directory_iterator it(shipped, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file(ec))
            names.push_back(it->path().filename().string());
    }
    if (ec)
        throw text::IoError("Cannot read " + shipped.string() + ": " + text::ioErrorText(ec.value()));
    std::sort(names.begin(), names.end());
    std::vector<std::string> copied;
    for (const std::string& name : names) {
        if (text::fileExists(work, name))
            continue;
        copyIn(readWhole(shipped / name, name), work, name);
        copied.push_back(name);
    }
    return copied;
}

WorkingDirectory prepareWorkingDirectory(const StartPlaces& places)
{
    WorkingDirectory result;
    std::error_code ec;
    if (places.given) {
        const fs::path given(*places.given);
        if (!fs::is_directory(given, ec))
            throw StartError("cannot work in " + given.string() + ": "
                             + (fs::exists(given, ec) ? "not a directory" : "no such directory"));
        result.path = fs::canonical(given, ec);
        if (ec)
            throw StartError("cannot work in " + given.string() + ": " + ec.message());
        return result;
    }
    if (text::fileExists(places.current, files::kParishes)) {
        result.path = places.current;
        return result;
    }
    result.path = places.user;
    try {
        if (fs::is_directory(places.shipped, ec)) {
            result.copied = fillWorkingDirectory(places.shipped, places.user);
        } else {
            result.problems.push_back("no shipped data in " + places.shipped.string() + ": nothing copied into "
                                      + places.user.string());
            fs::create_directories(places.user, ec);
        }
    } catch (const text::IoError& e) {
        result.problems.emplace_back(e.what());
    }
    if (!fs::is_directory(places.user, ec))
        throw StartError(result.problems.empty() ? "cannot make " + places.user.string() : result.problems.back());
    return result;
}

StartPlaces startPlaces(std::optional<std::string> given)
{
    std::error_code ec;
    const fs::path executable = fs::read_symlink("/proc/self/exe", ec);
    return {std::move(given), fs::current_path(), userDataDirectory(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")),
            ec ? fs::path() : shippedDataDirectory(executable)};
}

WorkingDirectory enterWorkingDirectory(std::optional<std::string> given)
{
    try {
        WorkingDirectory work = prepareWorkingDirectory(startPlaces(std::move(given)));
        fs::current_path(work.path);
        return work;
    } catch (const fs::filesystem_error& e) {
        throw StartError(e.path1().empty() ? e.code().message()
                                           : "cannot work in " + e.path1().string() + ": " + e.code().message());
    }
}

} // namespace app
