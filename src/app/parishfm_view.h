#pragma once
// The texts and states of the main window's boxes: the presentation model that
// the commands read and write and the Qt window mirrors.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace app {

enum class Focus { None, TarPar, Radius, SearchMode };

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

    Focus focus = Focus::TarPar;
};

// The one-line boxes by control name, for the windows and the driver; null for other names.
std::string* textBox(ParishfmView& view, std::string_view control);
// The multi-line views by name (Memo1, Memo2, Memo3, and TarPar.Items); null for other names.
std::vector<std::string>* linesBox(ParishfmView& view, std::string_view control);
// The radio buttons by name; null for other names.
const bool* checkBox(const ParishfmView& view, std::string_view control);
// Sets a radio button as a click would: the other button of its group goes off
// when it goes on. False for an unknown name.
bool setChecked(ParishfmView& view, std::string_view control, bool on);

} // namespace app
