// SPDX-License-Identifier: GPL-3.0-or-later
#include "start_directory.h"

#include "records/working_files.h"
#include "text/file_lookup.h"
#include "text/file_replace.h"
#include "text/io_error.h"
#include "text/text_file.h"

#include <algorithm>
#include <cstdlib>

namespace app {
namespace {

namespace fs = std::filesystem;

constexpr const char* kFolderName = "steeplewatcher";

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
        try {
            // A file made under that name meanwhile is the person's, and is kept.
            if (!text::createFile(work / name, text::readFile(shipped / name)))
                continue;
        } catch (const text::IoError& e) {
            throw text::IoError("Cannot copy " + name + ": " + e.what());
        }
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
