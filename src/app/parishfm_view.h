// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts and states of the main window's boxes: the presentation model that
// the commands read and write and the Qt window mirrors.
#include <cstddef>
#include <string>
#include <vector>

namespace app {

inline constexpr std::size_t kNeighbourLines = 7;

struct ParishfmView {
    // The search box: its edit text, its (sorted) list, the selected item.
    std::string TarPar;
    std::vector<std::string> TarParItems;
    int TarParItemIndex = -1;

    std::string Radius, Progress, Hits;
    std::string Parish1, OsRef1, Parish1East, Parish1North;
    std::string Parish2, OsRef2, Parish2East, Parish2North;
    std::string Miles, Klm, DegreesDisplay, Direction;

    // Records before the current one (line 6 is the nearest), the current
    // record line, and the records after it (line 0 is the nearest).
    std::vector<std::string> Memo1 = std::vector<std::string>(kNeighbourLines);
    std::vector<std::string> Memo3 = std::vector<std::string>(1);
    std::vector<std::string> Memo2 = std::vector<std::string>(kNeighbourLines);

    bool AnyRb = false;
    bool StartRb = true;
};

} // namespace app
