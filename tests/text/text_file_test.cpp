#include "support/temp_dir.h"
#include "text/file_lookup.h"
#include "text/io_error.h"
#include "text/text_file.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using testsupport::readBytes;
using testsupport::writeBytes;

TEST(TextFile, SplitsAtCrLfOrCrLfStopsAtNulAndJoinsWithCrLf)
{
    const std::pair<std::string, Lines> cases[] = {{"", {}},
                                                   {"a\nb", {"a", "b"}},
                                                   {"a\rb\r", {"a", "b"}},
                                                   {"a\r\r\nb", {"a", "", "b"}},
                                                   {std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}},
                                                   {"trailing ", {"trailing "}}};
    for (const auto& [content, lines] : cases)
        EXPECT_EQ(text::splitLines(content), lines) << content;
    EXPECT_EQ(text::joinLines({}), "");
    EXPECT_EQ(text::joinLines({"a", "", "b "}), "a\r\n\r\nb \r\n");
}

// Writing new files and replacing old ones are pinned by the driver's golden cases.
// A missing file or folder is "File not found"; a failed write loses nothing and leaves no temporary.
TEST(TextFile, FailuresLeaveTheOldFilesAndNoTemporary)
{
    for (text::Sync sync : {text::Sync::ToDisk, text::Sync::Lazy}) {
        testsupport::TempDir dir;
        for (auto action :
             {+[](const fs::path&d, text::Sync) { text::readFile(d / "nothing.txt"); },
              +[](const fs::path&d, text::Sync s) { text::writeFileWhole(d / "no" / "f.txt", "x", s); }}) {
            try {
                action(dir.path(), sync);
                ADD_FAILURE() << "no error";
            } catch (const text::IoError& e) {
                EXPECT_STREQ(e.what(), "File not found");
            }
        }
        // The target is a folder holding a file: the rename fails, nothing is lost.
        fs::create_directory(dir / "Target");
        writeBytes(dir / "Target" / "keep", "kept");
        EXPECT_THROW(text::writeFileWhole(dir / "Target", "x", sync), text::IoError);
        EXPECT_EQ(readBytes(dir / "Target" / "keep"), "kept");
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1); // nothing beside it
    }
}

// Names found without regard to case (and new names kept as given) are pinned by
// the driver's golden cases; an exact match comes first, and a folder is no file.
TEST(FileLookup, AnExactMatchFirstAndNeverAFolder)
{
    testsupport::TempDir dir;
    writeBytes(dir / "a.TXT", "upper");
    writeBytes(dir / "a.txt", "lower");
    EXPECT_EQ(text::findFile(dir.path(), "a.txt")->filename(), "a.txt");
    EXPECT_EQ(text::findFile(dir.path(), "a.TXT")->filename(), "a.TXT");
    EXPECT_FALSE(text::findFile(dir.path(), "a.csv"));
    fs::create_directory(dir / "Parishes.Dat");
    EXPECT_FALSE(text::fileExists(dir.path(), "parishes.dat"));
}
