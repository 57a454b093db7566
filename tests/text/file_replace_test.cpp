// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/permissions.h"
#include "support/temp_dir.h"
#include "text/file_replace.h"
#include "text/io_error.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using testsupport::readBytes;
using testsupport::writeBytes;

std::size_t filesIn(const fs::path& dir)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
}

// Every step of a replacement failing, on a new and an existing file, in both
// modes: the device's error is shown, the target is as it was (or, once the
// rename is done, the new one), nothing is left beside it, and the next
// replacement works. A lazy replacement runs no syncs.
TEST(ReplaceFile, AFailureAtAnyStepLeavesTheTargetWholeAndNoTemporary)
{
    using S = text::FileStep;
    const struct {
        S step;
        int error;
    } faults[] = {{S::Create, EACCES}, {S::Write, ENOSPC}, {S::SyncFile, EIO},
                  {S::Close, EIO},     {S::Rename, EXDEV}, {S::SyncFolder, EIO}};
    for (const auto& f : faults)
        for (text::Sync sync : {text::Sync::ToDisk, text::Sync::Lazy})
            for (std::string old : {"", "old bytes"}) {
                SCOPED_TRACE(std::to_string(static_cast<int>(f.step)) + " " + text::ioErrorText(f.error) + " " + old
                             + (sync == text::Sync::Lazy ? " lazy" : ""));
                testsupport::TempDir dir;
                const fs::path target = dir / "Parishes.Dat";
                if (!old.empty())
                    writeBytes(target, old);
                const bool reached = sync == text::Sync::ToDisk || (f.step != S::SyncFile && f.step != S::SyncFolder);
                const bool replaced = !reached || f.step == S::SyncFolder;
                text::failFileStep(f.step, 1, f.error);
                std::string error = "none";
                try {
                    text::replaceFile(target, "new bytes that are longer", sync);
                } catch (const text::IoError& e) {
                    error = e.what();
                }
                text::clearFileFaults();
                EXPECT_EQ(error, reached ? text::ioErrorText(f.error) : "none");
                EXPECT_EQ(readBytes(target), replaced ? "new bytes that are longer" : old);
                EXPECT_EQ(filesIn(dir.path()), replaced || !old.empty() ? 1u : 0u);
                text::replaceFile(target, "next", sync);
                EXPECT_EQ(readBytes(target), "next");
            }
}

TEST(ReplaceFile, KeepsTheModeWritesThroughALinkAndIgnoresAStaleTemporary)
{
    testsupport::TempDir dir;
    writeBytes(dir / "data.dat", "old");
    // Group-writable, which the usual umask takes away.
    fs::permissions(dir / "data.dat", fs::perms(0664), fs::perm_options::replace);
    fs::create_symlink("data.dat", dir / "link.dat");
    // A temporary left by a crash, and one planted as a link elsewhere.
    writeBytes(dir / "data.dat.tmp~", "stale");
    writeBytes(dir / "elsewhere", "untouched");
    fs::create_symlink("elsewhere", dir / "other.dat.tmp~");
    text::replaceFile(dir / "link.dat", "new");
    text::replaceFile(dir / "other.dat", "other");
    EXPECT_TRUE(fs::is_symlink(dir / "link.dat"));
    EXPECT_EQ(readBytes(dir / "data.dat"), "new");
    EXPECT_EQ(fs::status(dir / "data.dat").permissions(), fs::perms(0664));
    EXPECT_EQ(readBytes(dir / "elsewhere"), "untouched");
    EXPECT_EQ(readBytes(dir / "other.dat"), "other");
    EXPECT_EQ(filesIn(dir.path()), 4u); // data, link, elsewhere, other
}

// A target the person may not write is refused as the read-only data file is,
// before anything is written; one owned by someone else keeps its owner
// when the program may give it (run as root).
TEST(ReplaceFile, RefusesAReadOnlyTargetAndKeepsTheOwner)
{
    testsupport::TempDir dir;
    fs::permissions(dir.path(), fs::perms::all, fs::perm_options::replace);
    writeBytes(dir / "kept.txt", "old");
    fs::permissions(dir / "kept.txt", fs::perms(0444), fs::perm_options::replace);
    EXPECT_TRUE(testsupport::withPermissionsEnforced([&] {
        try {
            text::replaceFile(dir / "kept.txt", "new");
            ADD_FAILURE() << "a read-only file was replaced";
        } catch (const text::IoError& e) {
            EXPECT_STREQ(e.what(), "File access denied");
        }
    }));
    EXPECT_EQ(readBytes(dir / "kept.txt"), "old");
    EXPECT_EQ(filesIn(dir.path()), 1u);
    if (::geteuid() == 0) {
        writeBytes(dir / "theirs.txt", "old");
        ASSERT_EQ(::chown((dir / "theirs.txt").c_str(), 65534, 65534), 0);
        text::replaceFile(dir / "theirs.txt", "new");
        struct stat st {};
        ASSERT_EQ(::stat((dir / "theirs.txt").c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 65534u);
        EXPECT_EQ(st.st_gid, 65534u);
    }
}

} // namespace
