#include "parishfm_view.h"

namespace app {

std::string* textBox(ParishfmView& v, std::string_view c)
{
    struct Entry {
        std::string_view name;
        std::string ParishfmView::*member;
    };
    static constexpr Entry kBoxes[] = {
        {"TarPar", &ParishfmView::TarPar},
        {"Radius", &ParishfmView::Radius},
        {"Progress", &ParishfmView::Progress},
        {"Hits", &ParishfmView::Hits},
        {"Parish1", &ParishfmView::Parish1},
        {"OsRef1", &ParishfmView::OsRef1},
        {"Parish1East", &ParishfmView::Parish1East},
        {"Parish1North", &ParishfmView::Parish1North},
        {"Parish2", &ParishfmView::Parish2},
        {"OsRef2", &ParishfmView::OsRef2},
        {"Parish2East", &ParishfmView::Parish2East},
        {"Parish2North", &ParishfmView::Parish2North},
        {"Miles", &ParishfmView::Miles},
        {"Klm", &ParishfmView::Klm},
        {"DegreesDisplay", &ParishfmView::DegreesDisplay},
        {"Direction", &ParishfmView::Direction},
    };
    for (const Entry& e : kBoxes)
        if (e.name == c)
            return &(v.*e.member);
    return nullptr;
}

std::vector<std::string>* linesBox(ParishfmView& v, std::string_view c)
{
    if (c == "Memo1")
        return &v.Memo1;
    if (c == "Memo2")
        return &v.Memo2;
    if (c == "Memo3")
        return &v.Memo3;
    if (c == "TarPar.Items")
        return &v.TarParItems;
    return nullptr;
}

const bool* checkBox(const ParishfmView& v, std::string_view c)
{
    if (c == "AnyRb")
        return &v.AnyRb;
    if (c == "StartRb")
        return &v.StartRb;
    return nullptr;
}

bool setChecked(ParishfmView& v, std::string_view c, bool on)
{
    if (c != "AnyRb" && c != "StartRb")
        return false;
    bool& self = c == "AnyRb" ? v.AnyRb : v.StartRb;
    bool& other = c == "AnyRb" ? v.StartRb : v.AnyRb;
    self = on;
    if (on)
        other = false;
    return true;
}

} // namespace app
