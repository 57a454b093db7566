#include "main_window_names.h"

#include "app/forms.h"
#include "app/main_menu.h"
#include "driver/script.h"

#include <algorithm>

namespace driver {
namespace {

constexpr std::string_view kMainWindow = "Parishfm";

bool isForm(std::string_view name)
{
    return std::ranges::any_of(app::kForms, [&](const app::FormInfo& f) { return f.name == name; });
}

} // namespace

std::string mainWindowControl(std::string_view scriptName)
{
    std::size_t dot = scriptName.find('.');
    if (dot == std::string_view::npos)
        return std::string(scriptName);
    std::string_view form = scriptName.substr(0, dot);
    if (!isForm(form))
        return std::string(scriptName); // "TarPar.Items", or an unknown name
    requireMainWindow(form);
    return std::string(scriptName.substr(dot + 1));
}

std::optional<std::string> parListControl(std::string_view scriptName)
{
    constexpr std::string_view kPrefix = "ParListFm.";
    if (scriptName.substr(0, kPrefix.size()) != kPrefix)
        return std::nullopt;
    return std::string(scriptName.substr(kPrefix.size()));
}

std::optional<std::string> mapControl(std::string_view scriptName)
{
    constexpr std::string_view kPrefix = "Mapfm.";
    if (scriptName.substr(0, kPrefix.size()) != kPrefix)
        return std::nullopt;
    return std::string(scriptName.substr(kPrefix.size()));
}

void requireMainWindow(std::string_view formName)
{
    if (formName == kMainWindow)
        return;
    if (isForm(formName))
        throw ScriptError{0, "the window " + std::string(formName) + " is not available"};
    throw ScriptError{0, "unknown window " + std::string(formName)};
}

bool isButton(std::string_view name)
{
    static constexpr std::string_view kButtons[] = {
        "FindFirst", "FindNext", "NextCounty1", "Select1stParish", "Select2ndParish", "CalDistDir", "ParishGroup",
    };
    return std::ranges::find(kButtons, name) != std::end(kButtons);
}

MenuEntryKind menuEntryKind(std::string_view name)
{
    auto entry = std::ranges::find(app::kMainMenu, name, &app::MenuEntry::name);
    if (entry == app::kMainMenu.end())
        return MenuEntryKind::None;
    if (entry->caption == "-")
        return MenuEntryKind::Separator;
    bool hasItems = std::ranges::any_of(app::kMainMenu, [&](const app::MenuEntry& e) { return e.parent == name; });
    return hasItems ? MenuEntryKind::DropDown : MenuEntryKind::Command;
}

} // namespace driver
