#include "map_files.h"
#include "plot_files.h"

#include <gtest/gtest.h>

using tools::BadRow;

namespace {

std::vector<std::string> described(const std::vector<BadRow>& bad)
{
    std::vector<std::string> out;
    for (const BadRow& b : bad)
        out.push_back(tools::describe(b));
    return out;
}

TEST(CoastlineFile, RewritesEachVertexInSixAndSixColumns)
{
    std::vector<BadRow> bad;
    std::string out =
        tools::coastlineFile("   135    23\r\n134 27\r\n   135    27\n\r\n   700    27\r\n   1x5    27\r\n"
                             "   135    27 and more\r\n     0     0",
                             "coast.txt", false, bad);
    EXPECT_EQ(out, "   135    23\r\n   135    27\r\n     0     0\r\n");
    EXPECT_EQ(described(bad), (std::vector<std::string>{
                                  "coast.txt line 2: not a vertex on the grid: \"134 27\"",
                                  "coast.txt line 4: not a vertex on the grid: \"\"",
                                  "coast.txt line 5: not a vertex on the grid: \"   700    27\"",
                                  "coast.txt line 6: not a vertex on the grid: \"   1x5    27\"",
                                  "coast.txt line 7: not a vertex on the grid: \"   135    27 and more\"",
                              }));
    bad.clear();
    EXPECT_EQ(tools::coastlineFile("   499   499\r\n   500   499\r\n", "irl.txt", true, bad), "   499   499\r\n");
    EXPECT_EQ(bad.size(), 1u);
}

TEST(PlaceFile, RewritesNameEastingAndNorthingAtTheirColumns)
{
    std::vector<BadRow> bad;
    std::string out = tools::placeFile("London                      530   180\r\n"
                                       "  Padded Name               530   180\r\n"
                                       "                            530   180\r\n"
                                       "Nowhere                      12\r\n",
                                       "towns.txt", false, bad);
    EXPECT_EQ(out, "London                      530   180\r\n"
                   "Padded Name                 530   180\r\n");
    EXPECT_EQ(described(bad),
              (std::vector<std::string>{
                  "towns.txt line 3: not a place on the grid: \"                            530   180\"",
                  "towns.txt line 4: not a place on the grid: \"Nowhere                      12\"",
              }));
}

TEST(MapListText, KeepsEveryPossibleSheetLineAsItStands)
{
    std::vector<BadRow> bad;
    std::string out = tools::mapListText("LR  14291180N4691220\r\n"
                                         "LR 95220 460I240 500\r\n"
                                         "DI  1100 300N141 330\r\n"
                                         "LR  2433 156N473 196\r\n" // 40 km wide but 40 km "tall" from 156 to 196: good
                                         "XX  3414 147N454 187\r\n"
                                         "LR  4414 147X454 187\r\n"
                                         "LR  5414 147N455 187\r\n"
                                         "LR  6454 147I414 187\r\n"
                                         "LR  7414 1x7N454 187\r\n"
                                         "LR  8414 147N454 18\r\n",
                                         "Maplist_LR.txt", bad);
    EXPECT_EQ(out, "LR  14291180N4691220\r\nLR 95220 460I240 500\r\nDI  1100 300N141 330\r\nLR  2433 156N473 196\r\n");
    EXPECT_EQ(described(bad),
              (std::vector<std::string>{
                  "Maplist_LR.txt line 5: unknown series: \"XX  3414 147N454 187\"",
                  "Maplist_LR.txt line 6: the inset flag is neither N nor I: \"LR  4414 147X454 187\"",
                  "Maplist_LR.txt line 7: an ordinary Landranger sheet is 40 km square: \"LR  5414 147N455 187\"",
                  "Maplist_LR.txt line 8: the sheet has no area: \"LR  6454 147I414 187\"",
                  "Maplist_LR.txt line 9: an edge is not a whole number of km: \"LR  7414 1x7N454 187\"",
                  "Maplist_LR.txt line 10: a sheet line has exactly 20 characters: \"LR  8414 147N454 18\"",
              }));
}

} // namespace
