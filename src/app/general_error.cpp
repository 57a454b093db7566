#include "general_error.h"

#include <exception>

namespace app {

std::string withFullStop(std::string text)
{
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.'))
        text += '.';
    return text;
}

void runCommand(Dialogs& dialogs, const std::function<void()>& command)
{
    try {
        command();
    } catch (const std::exception& e) {
        dialogs.errorBox(withFullStop(e.what()));
    }
}

} // namespace app
