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
    const std::pair<std::string, Lines> cases[] = {
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
    for (const auto& [content, lines] : cases)
        EXPECT_EQ(text::splitLines(content), lines) << content;
    EXPECT_EQ(text::joinLines({}), "");
    EXPECT_EQ(text::joinLines({"a", "", "b "}), "a\r\n\r\nb \r\n");
}

TEST(TextFile, AWholeWriteReplacesTheFileOrLeavesTheOldOneAndNoTemporary)
{
    for (text::Sync sync : {text::Sync::ToDisk, text::Sync::Lazy}) {
        SCOPED_TRACE(sync == text::Sync::Lazy ? "lazy" : "to disk");
        testsupport::TempDir dir;
        text::writeFileWhole(dir / "new.txt", "first\r\n", sync); // no file before
        EXPECT_EQ(readBytes(dir / "new.txt"), "first\r\n");
        writeBytes(dir / "HistList.txt", "old\r\n");
        text::writeFileWhole(dir / "HistList.txt", "new\r\nlines\r\n", sync);
        EXPECT_EQ(readBytes(dir / "HistList.txt"), "new\r\nlines\r\n");
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 2);
        // The target is a folder holding a file: the rename fails, nothing is lost.
        fs::create_directory(dir / "Target");
        writeBytes(dir / "Target" / "keep", "kept");
        EXPECT_THROW(text::writeFileWhole(dir / "Target", "x", sync), text::IoError);
        EXPECT_EQ(readBytes(dir / "Target" / "keep"), "kept");
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 3);
    }
}

TEST(TextFile, AMissingFileOrFolderIsFileNotFound)
{
    testsupport::TempDir dir;
    for (auto action : {+[](const fs::path& d) { text::readFile(d / "nothing.txt"); },
                        +[](const fs::path& d) { text::writeFileWhole(d / "missing" / "f.txt", "x"); }}) {
        try {
            action(dir.path());
            ADD_FAILURE() << "no error";
        } catch (const text::IoError& e) {
            EXPECT_STREQ(e.what(), "File not found");
        }
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 0);
}

TEST(FileLookup, MatchesNamesWithoutRegardToCaseAnExactMatchFirst)
{
    testsupport::TempDir dir;
    writeBytes(dir / "ParList.txt", "x");
    EXPECT_EQ(text::findFile(dir.path(), "Parlist.Txt")->filename(), "ParList.txt");
    EXPECT_FALSE(text::findFile(dir.path(), "ParList.csv"));
    EXPECT_EQ(text::filePath(dir.path(), "PARLIST.TXT").filename(), "ParList.txt");
    EXPECT_EQ(text::filePath(dir.path(), "New.txt").filename(), "New.txt");
    fs::create_directory(dir / "Parishes.Dat"); // a folder of that name is not a file
    EXPECT_FALSE(text::fileExists(dir.path(), "parishes.dat"));
    writeBytes(dir / "a.TXT", "upper");
    writeBytes(dir / "a.txt", "lower");
    EXPECT_EQ(text::findFile(dir.path(), "a.txt")->filename(), "a.txt");
    EXPECT_EQ(text::findFile(dir.path(), "a.TXT")->filename(), "a.TXT");
}
