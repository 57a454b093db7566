#pragma once
// ParishRecord: 77 bytes, seven length-prefixed strings (a length byte, then
// the field's capacity in character bytes).
#include "records/length_prefixed.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace records {

enum class Field { Name, Type, County, Country, OSRef, Easting, Northing };

struct FieldLayout {
    std::size_t offset;
    std::size_t capacity;
};

constexpr std::size_t kRecordSize = 77;
constexpr std::array<FieldLayout, 7> kLayout = {{
    {0, 45},
    {46, 1},
    {48, 3},
    {52, 3},
    {56, 6},
    {63, 6},
    {70, 6},
}};

inline constexpr std::string_view kVersionPrefix = "// Database Version";

class ParishRecord {
public:
    std::array<char, kRecordSize> bytes{};

    // The field's text; a length byte beyond the capacity reads as the capacity.
    std::string_view get(Field f) const
    {
        const FieldLayout& l = kLayout[static_cast<std::size_t>(f)];
        return readLengthPrefixed(bytes.data() + l.offset, l.capacity);
    }
    // Stores text cut to the capacity, with the rest of the field zeroed.
    void set(Field f, std::string_view text);

    std::string_view name() const { return get(Field::Name); }
    bool isVersionRecord() const { return name().substr(0, kVersionPrefix.size()) == kVersionPrefix; }
    bool isIrish() const { return get(Field::Country) == "IRL"; }

    friend bool operator==(const ParishRecord&, const ParishRecord&) = default;
};

struct ParishFields {
    std::string name, type, county, country, osRef, easting, northing;
};

// A record with every field stored as given (each cut to its capacity).
ParishRecord makeRecord(const ParishFields& fields);

// The records' bytes one after another, as the data file holds them; and
// back, whole records only.
std::string bytesOf(std::span<const ParishRecord> records);
std::vector<ParishRecord> recordsOf(std::string_view bytes);

} // namespace records
