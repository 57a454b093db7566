#include "map_address.h"

namespace maps {
namespace {

bool isHostCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

bool isPlainHost(std::string_view host)
{
    std::size_t colon = host.find(':');
    std::string_view name = host.substr(0, colon);
    if (name.empty() || name.front() == '.' || name.front() == '-')
        return false;
    for (char c : name)
        if (!isHostCharacter(c))
            return false;
    if (colon == std::string_view::npos)
        return true;
    std::string_view port = host.substr(colon + 1);
    if (port.empty() || port.size() > 5)
        return false;
    for (char c : port)
        if (c < '0' || c > '9')
            return false;
    return true;
}

} // namespace

std::string mapHostFrom(const char* setting)
{
    if (setting && isPlainHost(setting))
        return setting;
    return std::string(kDefaultMapHost);
}

std::string streetMapAddress(std::string_view host, std::string_view eastingKm, std::string_view northingKm)
{
    return "http://" + std::string(host) + "/streetmap.dll?grid2map?X=" + std::string(eastingKm)
           + "500&Y=" + std::string(northingKm) + "500&arrow=Y&zoom=5";
}

} // namespace maps
