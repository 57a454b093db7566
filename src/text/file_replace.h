// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one way the program replaces a file: the new content goes to a
// temporary file created exclusively beside the target, is written and
// (for files the user keeps) synced to the disk, takes the target's
// permissions, and is renamed over the target in one step; the folder is then
// synced so the rename lasts. A symbolic link is written through: the file it
// names is replaced and the link stays. Every call is checked: on any failure
// the temporary file is removed, the target is as it was, and IoError says why.
//
// Tests make any step fail through failFileStep, as a full disk or a failing
// device would.
#include <filesystem>
#include <span>
#include <string_view>

namespace text {

// Whether the replacement waits for the disk. Files the user keeps do;
// reports, which the next command writes again anyway, skip the syncs.
enum class Sync { ToDisk, Lazy };

void replaceFile(const std::filesystem::path& path, std::string_view content, Sync sync = Sync::ToDisk);

// Files a command writes together (a report and its plot points): every
// temporary file is written and checked before the first rename, so a full
// disk or a folder in the way changes none of them. Throws IoError naming the
// file that failed ("Cannot write PlotList.txt: Disk full").
struct FileContent {
    std::filesystem::path path;
    std::string_view content;
};
void replaceFiles(std::span<const FileContent> files, Sync sync = Sync::ToDisk);

// A new file, made the same way but never replacing one: the synced temporary
// file is linked into place, so a file made under that name meanwhile is kept
// (false). Where the file system has no links (FAT), a rename after a last look.
bool createFile(const std::filesystem::path& path, std::string_view content);

// The steps of a replacement that can fail.
enum class FileStep { Create, Write, SyncFile, Close, Rename, SyncFolder };

// For tests: the nth time (from 1) the step runs from now on, it fails with
// errno error instead. A short write is a Write that stores only part of the
// bytes and then fails. One fault at a time; clearFileFaults() disarms it.
void failFileStep(FileStep step, int nth, int error);
void clearFileFaults();
// The error the armed fault gives this run of the step, or 0. Every writer of
// the program asks before each step, so tests reach its writes too.
int injectedFault(FileStep step);

} // namespace text
