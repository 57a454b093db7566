// The street map address and the host setting.
#include "maps/map_address.h"

#include <gtest/gtest.h>

TEST(MapAddress, GridCoordinatesInMetresAtTheMiddleOfTheSquare)
{
    EXPECT_EQ(maps::streetMapAddress("www.streetmap.co.uk", "450", "1210"),
              "http://www.streetmap.co.uk/streetmap.dll?grid2map?X=450500&Y=1210500&arrow=Y&zoom=5");
    EXPECT_EQ(maps::streetMapAddress("localhost:8080", "0", "7"),
              "http://localhost:8080/streetmap.dll?grid2map?X=0500&Y=7500&arrow=Y&zoom=5");
}

TEST(MapAddress, TheHostSettingIsUsedOnlyWhenItIsAPlainHostName)
{
    struct Case {
        const char* setting;
        const char* host;
    } cases[] = {
        {nullptr, "www.streetmap.co.uk"},
        {"", "www.streetmap.co.uk"},
        {"maps.example.org", "maps.example.org"},
        {"127.0.0.1:8000", "127.0.0.1:8000"},
        {"evil.example/x?", "www.streetmap.co.uk"},
        {"a b", "www.streetmap.co.uk"},
        {"host:", "www.streetmap.co.uk"},
        {"host:80a", "www.streetmap.co.uk"},
        {":80", "www.streetmap.co.uk"},
        {"-host", "www.streetmap.co.uk"},
        {"user@host", "www.streetmap.co.uk"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(maps::mapHostFrom(c.setting), c.host) << (c.setting ? c.setting : "(unset)");
}
