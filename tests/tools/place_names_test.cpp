#include "place_names.h"

#include <gtest/gtest.h>

namespace {

TEST(StoredName, KeepsAccentsAsCp1252AndFoldsWhatCp1252Lacks)
{
    struct Case {
        const char* utf8;
        const char* stored;
        bool ok, baseLetters, apostrophe;
    };
    const Case cases[] = {
        {"Ashby-de-la-Zouch", "Ashby-de-la-Zouch", true, false, false},
        {"Dún Laoghaire", "D\xFAn Laoghaire", true, false, false},
        {"Trá Mhór", "Tr\xE1 Mh\xF3r", true, false, false},
        {"  Padded  ", "Padded", true, false, false},
        // Welsh letters cp1252 lacks become their base letter, and say so.
        {"Llanddŵ", "Llanddw", true, true, false},
        {"Tŷ Croes", "Ty Croes", true, true, false},
        {"ŴŶ ẁẃẅỳ", "WY wwwy", true, true, false},
        // The typographic apostrophe becomes the one users type.
        {"Bo’ness", "Bo'ness", true, false, true},
        {"Bo'ness", "Bo'ness", true, false, false},
        // Anything else cp1252 lacks, control characters and broken UTF-8 make no name.
        {"Αθήνα", "", false, false, false},
        {"Tab\there", "", false, false, false},
        {"Bad \xC3", "", false, false, false},
        {"Bad \xFF\xFE", "", false, false, false},
    };
    for (const auto& c : cases) {
        tools::StoredName n = tools::storedName(c.utf8);
        EXPECT_EQ(n.ok, c.ok) << c.utf8;
        if (c.ok) {
            EXPECT_EQ(n.text, c.stored) << c.utf8;
        }
        EXPECT_EQ(n.baseLetters, c.baseLetters) << c.utf8;
        EXPECT_EQ(n.plainApostrophe, c.apostrophe) << c.utf8;
    }
}

TEST(MatchKey, BringsSpellingsOfOnePlaceTogether)
{
    struct Case {
        const char* a;
        const char* b;
    };
    const Case same[] = {
        {"Bury St.Edmunds", "Bury Saint Edmunds"},
        {"Shoreham-By-Sea", "Shoreham-by-Sea"},
        {"Oswestry (Croeswallt)", "Oswestry"},
        {"King's Sutton", "Kings Sutton"},
        {"Bo\x92ness", "Bo'ness"},
        {"Bidford-on-avon", "Bidford on Avon"},
        {"  Saint   Ives ", "St Ives"},
    };
    for (const auto& c : same)
        EXPECT_EQ(tools::matchKey(c.a), tools::matchKey(c.b)) << c.a << " / " << c.b;
    EXPECT_EQ(tools::matchKey("Bury St.Edmunds"), "BURY ST EDMUNDS");
    EXPECT_NE(tools::matchKey("Newark"), tools::matchKey("Newark on Trent"));
    EXPECT_NE(tools::matchKey("Saintbury"), tools::matchKey("Stbury"));
    EXPECT_EQ(tools::matchKey("\xC9lan"), "\xC9LAN");
}

} // namespace
