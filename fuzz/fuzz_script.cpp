// SPDX-License-Identifier: GPL-3.0-or-later
// A driver script of any bytes: read into commands or refused with its line.
#include "driver/script_reader.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        (void)driver::readScript(fuzz::asText(data, size));
    } catch (const driver::ScriptError&) {
        // a script error, reported with its line
    }
    return 0;
}
