// SPDX-License-Identifier: GPL-3.0-or-later
// ReadMe.rtf of any bytes: read, made into HTML and into plain lines.
#include "fuzz_input.h"
#include "richtext/rtf_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const richtext::Document doc = richtext::readRtf(fuzz::asText(data, size));
    (void)richtext::toHtml(doc);
    (void)richtext::plainLines(doc);
    return 0;
}
