#include "support/temp_dir.h"
#include "text/file_lookup.h"
#include "text/io_error.h"
#include "text/text_file.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

TEST(TextFile, SplitsAtCrLfOrCrLfAndStopsAtNul)
{
    struct Case {
        std::string content;
        Lines lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"\r\n", {""}},
        {"a\n\nb\n", {"a", "", "b"}},
        {std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}},
        {"trailing ", {"trailing "}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(text::splitLines(c.content), c.lines) << c.content;
}

TEST(TextFile, JoinsEveryLineWithCrLf)
{
    EXPECT_EQ(text::joinLines({}), "");
    EXPECT_EQ(text::joinLines({"a", "", "b "}), "a\r\n\r\nb \r\n");
}

TEST(TextFile, WholeWriteReplacesTheFileAndLeavesNoTemporary)
{
    testsupport::TempDir dir;
    auto path = dir / "HistList.txt";
    testsupport::writeBytes(path, "old\r\n");
    text::writeFileWhole(path, "new\r\nlines\r\n");
    EXPECT_EQ(testsupport::readBytes(path), "new\r\nlines\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(TextFile, ALazyWholeWriteAlsoReplacesTheFileWhole)
{
    testsupport::TempDir dir;
    auto path = dir / "ParList.txt";
    text::writeFileWhole(path, "first\r\n", text::Sync::Lazy); // no file before
    testsupport::writeBytes(path, "old\r\n");
    text::writeFileWhole(path, "new\r\n", text::Sync::Lazy);
    EXPECT_EQ(testsupport::readBytes(path), "new\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    // The target cannot be removed (a folder holding a file): the old stays, no temporary is left.
    auto folder = dir / "Folder";
    std::filesystem::create_directory(folder);
    testsupport::writeBytes(folder / "keep", "kept");
    EXPECT_THROW(text::writeFileWhole(folder, "x", text::Sync::Lazy), text::IoError);
    EXPECT_EQ(testsupport::readBytes(folder / "keep"), "kept");
    EXPECT_FALSE(std::filesystem::exists(dir / "Folder.tmp~"));
}

TEST(TextFile, FailedWholeWriteLeavesTheOldContent)
{
    testsupport::TempDir dir;
    // The target is a folder holding a file: the rename fails, nothing is lost.
    auto target = dir / "Target";
    std::filesystem::create_directory(target);
    testsupport::writeBytes(target / "keep", "kept");
    EXPECT_THROW(text::writeFileWhole(target, "x"), text::IoError);
    EXPECT_EQ(testsupport::readBytes(target / "keep"), "kept");
    EXPECT_FALSE(std::filesystem::exists(dir / "Target.tmp~"));
    // A folder that does not exist: a clear error, nothing created.
    try {
        text::writeFileWhole(dir / "missing" / "f.txt", "x");
        FAIL();
    } catch (const text::IoError& e) {
        EXPECT_STREQ(e.what(), "File not found");
    }
}

TEST(TextFile, ReadingAMissingFileSaysSo)
{
    testsupport::TempDir dir;
    try {
        text::readFile(dir / "nothing.txt");
        FAIL();
    } catch (const text::IoError& e) {
        EXPECT_STREQ(e.what(), "File not found");
    }
}

TEST(FileLookup, MatchesNamesWithoutRegardToCase)
{
    testsupport::TempDir dir;
    testsupport::writeBytes(dir / "ParList.txt", "x");
    auto found = text::findFile(dir.path(), "Parlist.Txt");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->filename(), "ParList.txt");
    EXPECT_FALSE(text::findFile(dir.path(), "ParList.csv"));
    EXPECT_EQ(text::filePath(dir.path(), "PARLIST.TXT").filename(), "ParList.txt");
    EXPECT_EQ(text::filePath(dir.path(), "New.txt").filename(), "New.txt");
    // A folder of that name is not a file.
    std::filesystem::create_directory(dir / "Parishes.Dat");
    EXPECT_FALSE(text::fileExists(dir.path(), "parishes.dat"));
}

TEST(FileLookup, AnExactMatchWins)
{
    testsupport::TempDir dir;
    testsupport::writeBytes(dir / "a.TXT", "upper");
    testsupport::writeBytes(dir / "a.txt", "lower");
    EXPECT_EQ(text::findFile(dir.path(), "a.txt")->filename(), "a.txt");
    EXPECT_EQ(text::findFile(dir.path(), "a.TXT")->filename(), "a.TXT");
}
