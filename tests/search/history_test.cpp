#include "search/history.h"

#include <gtest/gtest.h>

using Items = std::vector<std::string>;

// Loading and saving HistList.txt are pinned by the driver's golden search cases
// (and the line reading and whole-file write by the text file tests).
TEST(History, KeepsItemsInOrderWithoutRegardToCaseEqualOnesAsTheyCame)
{
    Items items;
    for (const char* s : {"bar", "ash", "Ash", "250", "", "\xc9glise", "Zed", "ash"})
        search::insertSorted(items, s);
    EXPECT_EQ(items, (Items{"", "250", "ash", "Ash", "ash", "bar", "Zed", "\xc9glise"}));
}
