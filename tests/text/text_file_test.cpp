#include "support/temp_dir.h"
#include "text/file_lookup.h"
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
                                                   {"trailing ", {"trailing "}},
                                                   // Line ends either side of a 256-byte search window.
                                                   {std::string(255, 'x') + "\r\ny", {std::string(255, 'x'), "y"}},
                                                   {std::string(256, 'x') + "\r\ny", {std::string(256, 'x'), "y"}},
                                                   {std::string(600, 'x') + "\ny\n", {std::string(600, 'x'), "y"}},
                                                   {std::string(513, 'x') + "\ry", {std::string(513, 'x'), "y"}}};
    for (const auto& [content, lines] : cases)
        EXPECT_EQ(text::splitLines(content), lines) << content;
    EXPECT_EQ(text::joinLines({}), "");
    EXPECT_EQ(text::joinLines({"a", "", "b "}), "a\r\n\r\nb \r\n");
}

// Writing new files and replacing old ones are pinned by the driver's golden cases.
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
