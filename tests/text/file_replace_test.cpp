// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/temp_dir.h"
#include "text/file_replace.h"
#include "text/io_error.h"

#include <gtest/gtest.h>

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

} // namespace
