#include "search/history.h"
#include "support/temp_dir.h"
#include "text/io_error.h"

#include <gtest/gtest.h>

using Items = std::vector<std::string>;

TEST(History, KeepsItemsInOrderWithoutRegardToCase)
{
    Items items;
    for (const char* s : {"bar", "ash", "Ash", "250", "", "\xc9glise", "Zed", "ash"})
        search::insertSorted(items, s);
    EXPECT_EQ(items, (Items{"", "250", "ash", "Ash", "ash", "bar", "Zed", "\xc9glise"}));
}

TEST(History, LoadsLinesEndedAnyWayUpToANulAndSavesThemWithCrLfWhole)
{
    testsupport::TempDir dir;
    auto path = dir / "HistList.txt";
    const char content[] = "b\nA\r\n\r250\rlast\0ignored\r\n";
    testsupport::writeBytes(path, std::string(content, sizeof content - 1));
    EXPECT_EQ(search::loadHistory(path), (Items{"", "250", "A", "b", "last"}));
    search::saveHistory(path, {"250", "ash ", "R\xe9sum\xe9"});
    EXPECT_EQ(testsupport::readBytes(path), "250\r\nash \r\nR\xe9sum\xe9\r\n");
    search::saveHistory(path, {});
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(testsupport::readBytes(path), "");
    auto folder = dir / "Folder";
    std::filesystem::create_directory(folder); // cannot be replaced by a file
    EXPECT_THROW(search::saveHistory(folder, {"x"}), text::IoError);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
}
