// SPDX-License-Identifier: GPL-3.0-or-later
#include "dispatcher.h"

#include "app/messages.h"

#include <exception>

namespace app {

std::string withFullStop(std::string text)
{
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.'))
        text += '.';
    return text;
}

void Dispatcher::guarded(const std::function<void()>& command)
{
    try {
        command();
    } catch (const SessionAbort&) {
        throw;
    } catch (const std::exception& e) {
        dialogs_.errorBox(withFullStop(e.what()));
    } catch (...) {
        dialogs_.errorBox(std::string(msg::kUnexpectedError));
    }
}

bool Dispatcher::dispatch(const std::function<void()>& command)
{
    if (busy_)
        return false;
    busy_ = true;
    struct Release {
        bool& busy;
        ~Release() { busy = false; }
    } release{busy_};
    guarded(command);
    return true;
}

void Dispatcher::runPart(const std::function<void()>& part)
{
    guarded(part);
}

} // namespace app
