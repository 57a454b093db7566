// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the fuzz targets share: the input as text, and a file holding it for
// the readers that take a path.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <unistd.h>

namespace fuzz {

inline std::string_view asText(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// The input written to a file of this process's own, rewritten for every input.
inline std::filesystem::path asFile(std::string_view bytes, const char* name)
{
    static const std::filesystem::path folder = [] {
        auto f = std::filesystem::temp_directory_path() / ("steeplewatcher-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(f);
        return f;
    }();
    const std::filesystem::path file = folder / name;
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

} // namespace fuzz
